// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/start_options.h"

#include <gtest/gtest.h>

namespace quillix {
namespace {

struct StartRow {
    std::vector<std::string> args;
    bool hidden;
    std::optional<std::string> home;
    bool error;
};

TEST(StartOptions, CommandLines) {
    const StartRow rows[] = {
        {{}, false, std::nullopt, false},
        {{"Auto"}, true, std::nullopt, false},
        {{"AUTO"}, true, std::nullopt, false},
        {{"auto", "-debug"}, true, std::nullopt, false},
        // Only the first argument starts hidden.
        {{"-debug", "Auto"}, false, std::nullopt, false},
        {{"--home", "/tmp/q"}, false, std::string("/tmp/q"), false},
        {{"Auto", "--home=/x"}, true, std::string("/x"), false},
        {{"--home"}, false, std::nullopt, true},
        {{"--home", ""}, false, std::nullopt, true},
    };
    for (const StartRow& row : rows) {
        const TStartOptions options = ParseStartOptions(row.args);
        EXPECT_EQ(options.StartHidden, row.hidden) << ::testing::PrintToString(row.args);
        EXPECT_EQ(options.Home, row.home) << ::testing::PrintToString(row.args);
        EXPECT_EQ(!options.Error.empty(), row.error) << ::testing::PrintToString(row.args);
    }
    EXPECT_TRUE(ParseStartOptions({"--help"}).ShowHelp);
    EXPECT_TRUE(ParseStartOptions({"--version"}).ShowVersion);
}

}  // namespace
}  // namespace quillix
