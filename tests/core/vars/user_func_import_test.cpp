// SPDX-License-Identifier: GPL-3.0-or-later
// Copying files into and out of a library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/vars/library_test_support.h"
#include "vars/user_func_folder.h"

namespace quillix::test {
namespace {

TEST(UserFuncImport, ANameTheLibraryHasAnywhereReplacesThatFile) {
    TempFolder dir;
    dir.Write("UserPrograms/A/loan.prg", "old loan");
    dir.MakeDir("UserPrograms/B");
    dir.Write("Outside/LOAN.PRG", "new loan");
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    TUserFuncFolder& b = *root.FindFolder("B");
    EXPECT_TRUE(b.ImportFile(dir.File("Outside/LOAN.PRG")));
    EXPECT_EQ(dir.Read("UserPrograms/A/loan.prg"), "new loan");
    EXPECT_TRUE(b.Files().empty());
    EXPECT_EQ(FileNames(*root.FindFolder("A")), (Names{"loan"}));
    EXPECT_EQ(dir.Listing(), (Names{"Outside", "Outside/LOAN.PRG", "UserPrograms", "UserPrograms/A",
                                    "UserPrograms/A/loan.prg", "UserPrograms/B"}));
}

// What the window asks about before it imports: the object whose file an
// import would replace, anywhere in the library.
TEST(UserFuncImport, ImportReplacesNamesTheObjectOfThatNameAnywhere) {
    TempFolder dir;
    dir.Write("UserPrograms/A/loan.prg", "old loan");
    dir.MakeDir("UserPrograms/B");
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    TUserFuncFolder& b = *root.FindFolder("B");
    struct Row {
        const char* source;
        bool replaces;
    };
    const Row rows[] = {
        {"Outside/LOAN.PRG", true}, {"Outside/loan", true},      {"Outside/rate.prg", false},
        {"Outside/..prg", false},   {"Outside/loan.txt", false},
    };
    for (const Row& row : rows) {
        const TUserFuncObj* replaced = b.ImportReplaces(dir.File(row.source));
        EXPECT_EQ(replaced, row.replaces ? root.FindByName("loan") : nullptr) << row.source;
    }
}

TEST(UserFuncImport, ANewNameBecomesAnObjectOfThisFolder) {
    TempFolder dir;
    dir.MakeDir("UserPrograms/B");
    dir.Write("Outside/rate.PRG", "rate");
    dir.Write("Outside/notes.txt", "notes");
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    TUserFuncFolder& b = *root.FindFolder("B");
    EXPECT_TRUE(b.ImportFile(dir.File("Outside/rate.PRG")));
    EXPECT_TRUE(b.ImportFile(dir.File("Outside/notes.txt")));  // a file name without the extension
    EXPECT_EQ(FileNames(b), (Names{"notes.txt", "rate"}));
    EXPECT_EQ(root.GetFileName("rate"), dir.File("UserPrograms/B/rate.prg"));
    EXPECT_EQ(dir.Read("UserPrograms/B/rate.prg"), "rate");
    EXPECT_EQ(dir.Read("UserPrograms/B/notes.txt.prg"), "notes");
}

TEST(UserFuncImport, AFailedCopyAddsNothingAndChangesNothing) {
    TempFolder dir;
    dir.Write("UserPrograms/loan.prg", "loan");
    dir.Write("Outside/rate.prg", "rate");
    dir.MakeDir("Outside/folder.prg");
    // What is in the way of the new file is a folder: the copy cannot replace it.
    dir.MakeDir("UserPrograms/Sub/rate.prg");
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    TUserFuncFolder& sub = *root.FindFolder("Sub");
    const Names before = dir.Listing();

    std::string reason;
    EXPECT_FALSE(sub.ImportFile(dir.File("Outside/rate.prg"), &reason));
    EXPECT_EQ(reason,
              "Cannot write \"" + dir.File("UserPrograms/Sub/rate.prg") + "\": Is a directory");
    EXPECT_TRUE(sub.Files().empty());
    EXPECT_EQ(root.FindByName("rate"), nullptr);

    EXPECT_FALSE(root.ImportFile(dir.File("Outside/missing.prg"), &reason));
    EXPECT_EQ(reason,
              "Cannot read \"" + dir.File("Outside/missing.prg") + "\": No such file or directory");
    EXPECT_FALSE(root.ImportFile(dir.File("Outside/folder.prg"), &reason));
    EXPECT_EQ(reason, "Cannot read \"" + dir.File("Outside/folder.prg") + "\": Is a directory");
    EXPECT_FALSE(root.ImportFile(dir.File("Outside/.prg"), &reason));
    EXPECT_EQ(reason, "The name cannot be empty");

    EXPECT_EQ(dir.Listing(), before);
    EXPECT_EQ(FileNames(root), (Names{"loan"}));
}

TEST(UserFuncImport, ImportIntoAMissingRootCreatesIt) {
    TempFolder dir;
    dir.Write("Outside/f.fn", "f");
    TUserFuncFolder root(dir.File("home/UserFunctions"), ".fn");
    EXPECT_FALSE(root.ImportFile(dir.File("Outside/g.fn")));  // a failed read creates nothing
    EXPECT_FALSE(dir.Exists("home"));
    EXPECT_TRUE(root.ImportFile(dir.File("Outside/f.fn")));
    EXPECT_EQ(dir.Read("home/UserFunctions/f.fn"), "f");
    EXPECT_EQ(FileNames(root), (Names{"f"}));
}

TEST(UserFuncExport, CopiesTheListedFileOverAnyDestination) {
    TempFolder dir;
    dir.Write("UserPrograms/loan.PRG", "loan");
    dir.Write("Outside/old.prg", "old");
    dir.MakeDir("Outside/folder.prg");
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    const TUserFuncObj& loan = *root.FindByName("loan");
    EXPECT_TRUE(root.ExportFile(loan, dir.File("Outside/old.prg")));
    EXPECT_EQ(dir.Read("Outside/old.prg"), "loan");
    EXPECT_TRUE(root.ExportFile(loan, dir.File("Outside/new.prg")));
    EXPECT_EQ(dir.Read("Outside/new.prg"), "loan");

    const Names before = dir.Listing();
    std::string reason;
    EXPECT_FALSE(root.ExportFile(loan, dir.File("Outside/old.prg/x.prg"), &reason));
    EXPECT_NE(reason.find("Not a directory"), std::string::npos) << reason;
    EXPECT_FALSE(root.ExportFile(loan, dir.File("Outside/folder.prg"), &reason));
    EXPECT_NE(reason.find("Is a directory"), std::string::npos) << reason;
    EXPECT_EQ(dir.Listing(), before);  // no temporary file is left behind

    std::filesystem::remove(dir.File("UserPrograms/loan.PRG"));
    EXPECT_FALSE(root.ExportFile(loan, dir.File("Outside/old.prg"), &reason));
    EXPECT_EQ(reason, "Cannot read \"" + dir.File("UserPrograms/loan.PRG") +
                          "\": No such file or directory");
    EXPECT_EQ(dir.Read("Outside/old.prg"), "loan");
}

}  // namespace
}  // namespace quillix::test
