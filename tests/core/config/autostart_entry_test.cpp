// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/autostart_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace quillix {
namespace {

TEST(AutostartEntry, FolderFollowsTheConfigHomeWhenItIsAbsolute) {
    struct Row {
        const char* configHome;
        const char* home;
        const char* folder;
    };
    const Row rows[] = {
        {"/tmp/cfg", "/home/u", "/tmp/cfg/autostart"},
        {"/tmp/cfg/", "/home/u", "/tmp/cfg/autostart"},
        {"", "/home/u", "/home/u/.config/autostart"},
        {"relative/cfg", "/home/u", "/home/u/.config/autostart"},
        {"/", "/home/u", "/autostart"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AutostartFolder(row.configHome, row.home), row.folder) << row.configHome;
}

// The line as a desktop launcher reads it: Exec=<value>.
std::string ExecLine(const std::string& text) {
    const std::size_t at = text.find("\nExec=");
    if (at == std::string::npos) return {};
    const std::size_t end = text.find('\n', at + 1);
    return text.substr(at + 1, end - at - 1);
}

TEST(AutostartEntry, ExecQuotesTheExecutableAndPassesAuto) {
    struct Row {
        const char* executable;
        const char* exec;
    };
    const Row rows[] = {
        {"/usr/bin/quillix", "Exec=\"/usr/bin/quillix\" Auto"},
        {"/opt/my apps/quillix", "Exec=\"/opt/my apps/quillix\" Auto"},
        {"/opt/a\"b/quillix", "Exec=\"/opt/a\\\\\"b/quillix\" Auto"},
        {"/opt/$HOME/q`x`", "Exec=\"/opt/\\\\$HOME/q\\\\`x\\\\`\" Auto"},
        {"/opt/back\\slash/q", "Exec=\"/opt/back\\\\\\\\slash/q\" Auto"},
        {"/opt/100%/q", "Exec=\"/opt/100%%/q\" Auto"},
    };
    for (const Row& row : rows) {
        const auto text = AutostartEntryText(row.executable);
        ASSERT_TRUE(text.has_value()) << row.executable;
        EXPECT_EQ(ExecLine(*text), row.exec);
        EXPECT_EQ(text->rfind("[Desktop Entry]\n", 0), 0u);
        EXPECT_NE(text->find("\nType=Application\n"), std::string::npos);
    }
}

// The icon the package installs is named by the application's id.
TEST(AutostartEntry, NamesTheInstalledIcon) {
    const auto text = AutostartEntryText("/usr/bin/quillix");
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("\nIcon=io.github.quillix.Quillix\n"), std::string::npos) << *text;
}

TEST(AutostartEntry, PathsAnEntryCannotHoldAreRefused) {
    for (const char* path :
         {"", "quillix", "./quillix", "/opt/a\nExec=/bin/sh", "/opt/a\rb", "/opt/tab\tq"})
        EXPECT_FALSE(AutostartEntryText(path).has_value()) << path;
}

}  // namespace
}  // namespace quillix
