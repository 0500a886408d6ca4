// SPDX-License-Identifier: GPL-3.0-or-later
// Comments written by hand into an INI file survive a save: each stays with
// the key or section header it stands before, or at the end of the file.
#include <gtest/gtest.h>

#include <string>

#include "config/calc_config.h"
#include "config/ini_file.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

TEST(IniComments, StayWithWhatFollowsThemThroughChanges) {
    struct Row {
        const char* what;
        std::string text;
        void (*change)(TIniFile&);
        std::string written;
    };
    const Row rows[] = {
        {"unchanged", "; my settings\n[Main]\n# where the window was\nLeft=10\n; end\n",
         [](TIniFile&) {}, "; my settings\n[Main]\n# where the window was\nLeft=10\n; end\n"},
        {"a value changes, its comment stays", "[Main]\n  ; kept left\nLeft=10\nTop=5\n",
         [](TIniFile& ini) { ini.WriteString("Main", "Left", "20"); },
         "[Main]\n  ; kept left\nLeft=20\nTop=5\n"},
        {"a new key and section", "[Main]\nLeft=10\n;tail\n",
         [](TIniFile& ini) {
             ini.WriteString("Main", "Top", "1");
             ini.WriteString("Online", "CheckUpgrade", "1");
         },
         "[Main]\nLeft=10\nTop=1\n\n[Online]\nCheckUpgrade=1\n;tail\n"},
        {"a deleted key takes its comment", "[Main]\n;about left\nLeft=10\n;about top\nTop=5\n",
         [](TIniFile& ini) { ini.DeleteKey("Main", "Left"); }, "[Main]\n;about top\nTop=5\n"},
        {"an erased section takes its comments", ";main\n[Main]\nLeft=1\n;pad\n[Pad]\nA=1\n",
         [](TIniFile& ini) { ini.EraseSection("Main"); }, ";pad\n[Pad]\nA=1\n"},
        {"a comment before a skipped line waits for the next key", "[Main]\n;c\ngarbage\nLeft=1\n",
         [](TIniFile&) {}, "[Main]\n;c\nLeft=1\n"},
        {"a comment on a repeated section goes to its next key",
         "[Main]\nLeft=1\n;again\n[main]\nTop=2\n", [](TIniFile&) {},
         "[Main]\nLeft=1\n;again\nTop=2\n"},
    };
    for (const Row& row : rows) {
        TIniFile ini;
        ini.Parse(row.text);
        row.change(ini);
        EXPECT_EQ(ini.Serialize(), row.written) << row.what;
        TIniFile again;
        again.Parse(ini.Serialize());
        EXPECT_TRUE(again == ini) << row.what;
    }
}

TEST(IniComments, SurviveTheSettingsBeingSaved) {
    TempFolder folder;
    const std::string path = SettingsFilePath(folder.Path());
    WriteFile(path, "; written by hand: do not lose\n[Main]\n; digits\nValueDigits=2\n");
    {
        TCalcConfig config(path);
        config.WriteInteger("Main", "ValueDigits", 4);
        ASSERT_TRUE(config.Flush());
    }
    EXPECT_EQ(ReadFile(path), "; written by hand: do not lose\n[Main]\n; digits\nValueDigits=4\n");
}

}  // namespace
}  // namespace quillix::test
