// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/library_manager_rules.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "vars/user_func_folder.h"

namespace quillix::test {
namespace {

TEST(LibraryManagerRules, SaveNames) {
    const std::string forbidden = "Name can't contain \"/,\\,:,*,?,<,>,|\"";
    struct Case {
        const char* Name;
        bool Refused;
        bool Forbidden;
    };
    const Case cases[] = {
        {"loan", false, false}, {" loan 2 ", false, false}, {"a.b", false, false},
        {"a/b", true, true},    {"a\\b", true, true},       {"a:b", true, true},
        {"a*", true, true},     {"?", true, true},          {"<a>", true, true},
        {"a|b", true, true},    {"..", true, false},        {" . ", true, false},
        {"", true, false},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> problem = SaveNameProblem(c.Name);
        EXPECT_EQ(problem.has_value(), c.Refused) << c.Name;
        if (problem) EXPECT_EQ(*problem == forbidden, c.Forbidden) << c.Name << ": " << *problem;
    }
    EXPECT_TRUE(SaveNameProblem(std::string("a\0b", 3)));
}

TEST(LibraryManagerRules, DefaultExtensionAndFilter) {
    struct Case {
        const char* Path;
        const char* Expected;
    };
    const Case cases[] = {
        {"/tmp/copy", "/tmp/copy.prg"},       {"/tmp/copy.prg", "/tmp/copy.prg"},
        {"/tmp/copy.txt", "/tmp/copy.txt"},   {"/tmp/v1.2/copy", "/tmp/v1.2/copy.prg"},
        {"/tmp/.hidden", "/tmp/.hidden.prg"}, {"copy", "copy.prg"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithDefaultExtension(c.Path, ".prg"), c.Expected) << c.Path;
    EXPECT_EQ(LibraryFileFilter(".prg"), "Program files (*.prg)");
    EXPECT_EQ(LibraryFileFilter(".fn"), "Function files (*.fn)");
}

TEST(LibraryManagerRules, FolderDrops) {
    TempFolder home;
    home.MakeDir("lib/a/b/c");
    home.MakeDir("lib/d");
    TUserFuncFolder root(home.File("lib"), ".prg");
    TUserFuncFolder& a = *root.FindFolder("a");
    TUserFuncFolder& b = *a.FindFolder("b");
    TUserFuncFolder& c = *b.FindFolder("c");
    TUserFuncFolder& d = *root.FindFolder("d");
    EXPECT_FALSE(FolderDropAllowed(a, a));
    EXPECT_FALSE(FolderDropAllowed(a, b));
    EXPECT_FALSE(FolderDropAllowed(a, c));
    EXPECT_TRUE(FolderDropAllowed(b, root));
    EXPECT_TRUE(FolderDropAllowed(c, a));
    EXPECT_TRUE(FolderDropAllowed(a, d));
}

}  // namespace
}  // namespace quillix::test
