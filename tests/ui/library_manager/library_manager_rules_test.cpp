// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/library_manager_rules.h"

#include <gtest/gtest.h>

#include "config/calc_config.h"
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
        if (problem) {
            EXPECT_EQ(*problem == forbidden, c.Forbidden) << c.Name << ": " << *problem;
        }
    }
    EXPECT_TRUE(SaveNameProblem(std::string("a\0b", 3)));
}

TEST(LibraryManagerRules, ChooserFilterAndSuffix) {
    EXPECT_EQ(LibraryFileFilter(".prg"), "Program files (*.prg)");
    EXPECT_EQ(LibraryFileFilter(".fn"), "Function files (*.fn)");
    EXPECT_EQ(LibraryFileSuffix(".prg"), "prg");
    EXPECT_EQ(LibraryFileSuffix(".fn"), "fn");
}

TEST(LibraryManagerRules, TheReplaceQuestionNamesTheObjectAndItsFolder) {
    TempFolder home;
    home.Write("prg/loan.prg");
    home.Write("prg/Loans/2024/rate.prg");
    home.Write("fn/Geometry/Area.fn");
    TUserFuncFolder programs(home.File("prg"), ".prg");
    TUserFuncFolder functions(home.File("fn"), ".fn");
    struct Case {
        TUserFuncFolder* Library;
        const char* Name;
        const char* Question;
    };
    const Case cases[] = {
        {&programs, "loan", "Replace the program 'loan' in folder 'Root'?"},
        {&programs, "RATE", "Replace the program 'rate' in folder 'Loans/2024'?"},
        {&functions, "area", "Replace the function 'Area' in folder 'Geometry'?"},
    };
    for (const Case& c : cases) {
        const TUserFuncObj* object = c.Library->FindByName(c.Name);
        ASSERT_NE(object, nullptr) << c.Name;
        EXPECT_EQ(ReplaceQuestion(*object), c.Question);
    }
}

TEST(LibraryManagerRules, ChoosersOpenInTheRememberedFolderWhileItExists) {
    TempFolder home;
    home.MakeDir("out");
    TCalcConfig settings(home.File("appmain.ini"));
    IConfigor& configor = settings.Configor();
    EXPECT_EQ(LibraryChooserFolder(&configor, "/home/u"), "/home/u");
    EXPECT_EQ(LibraryChooserFolder(nullptr, "/home/u"), "/home/u");
    RememberLibraryChooserFolder(&configor, home.File("out/loan.prg"));
    EXPECT_EQ(LibraryChooserFolder(&configor, "/home/u"), home.File("out"));
    // A hand-edited value that is no folder, or a relative one, is not followed.
    for (const char* value : {"relative/out", "", "/no/such/folder"}) {
        configor.WriteString("Main", "LibraryFileFolder", value);
        EXPECT_EQ(LibraryChooserFolder(&configor, "/home/u"), "/home/u") << value;
    }
    configor.WriteString("Main", "LibraryFileFolder", home.File("appmain.ini"));
    EXPECT_EQ(LibraryChooserFolder(&configor, "/home/u"), "/home/u") << "a file";
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
