// SPDX-License-Identifier: GPL-3.0-or-later
// Deleting, renaming and moving library files and folders.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "core/vars/library_test_support.h"
#include "vars/library_names.h"
#include "vars/user_func_folder.h"

namespace quillix::test {
namespace {

class UserFuncFolderOps : public ::testing::Test {
  protected:
    TUserFuncFolder& Root() {
        if (!root_) root_ = std::make_unique<TUserFuncFolder>(dir_.File("UserPrograms"), ".prg");
        return *root_;
    }
    TUserFuncFolder& Folder(const char* name) { return *Root().FindFolder(name); }

    TempFolder dir_;
    std::unique_ptr<TUserFuncFolder> root_;
};

TEST_F(UserFuncFolderOps, DeletesOnlyEmptyFolders) {
    dir_.Write("UserPrograms/Full/loan.prg");
    dir_.Write("UserPrograms/Notes/readme.txt");
    dir_.MakeDir("UserPrograms/Empty");
    std::string reason;
    EXPECT_FALSE(Root().DeleteFolder("full", &reason));
    EXPECT_NE(reason.find("Directory not empty"), std::string::npos) << reason;
    EXPECT_FALSE(Root().DeleteFolder("Notes"));  // a file of another kind still counts
    EXPECT_FALSE(Root().DeleteFolder("Missing", &reason));
    EXPECT_EQ(reason,
              "There is no folder named 'Missing' in \"" + dir_.File("UserPrograms") + "\"");
    EXPECT_TRUE(Root().DeleteFolder(" EMPTY "));
    dir_.MakeDir("UserPrograms/Gone");
    Root().Scan();
    std::filesystem::remove(dir_.File("UserPrograms/Gone"));
    EXPECT_TRUE(Root().DeleteFolder("Gone"));  // already gone on disk: its entry goes too
    EXPECT_EQ(FolderNames(Root()), (Names{"Full", "Notes"}));
    EXPECT_NE(Root().FindByName("loan"), nullptr);
    EXPECT_EQ(dir_.Listing(),
              (Names{"UserPrograms", "UserPrograms/Full", "UserPrograms/Full/loan.prg",
                     "UserPrograms/Notes", "UserPrograms/Notes/readme.txt"}));
}

TEST_F(UserFuncFolderOps, DeletesTheListedFileEvenWhenANameDiffersOnlyInCase) {
    dir_.Write("UserPrograms/loan.PRG", "upper");
    dir_.Write("UserPrograms/loan.prg", "lower");
    dir_.Write("UserPrograms/Sub/rate.prg");
    ASSERT_EQ(Root().Files().size(), 2u);
    const auto& files = Root().Files();
    const TUserFuncObj& upper = files[0]->Extension() == ".PRG" ? *files[0] : *files[1];
    EXPECT_TRUE(Root().DeleteFile(upper));
    EXPECT_FALSE(dir_.Exists("UserPrograms/loan.PRG"));
    EXPECT_EQ(dir_.Read("UserPrograms/loan.prg"), "lower");
    ASSERT_EQ(Root().Files().size(), 1u);
    EXPECT_EQ(Root().Files()[0]->Extension(), ".prg");

    std::string reason;
    const TUserFuncObj& rate = *Root().FindByName("rate");
    EXPECT_FALSE(Root().DeleteFile(rate, &reason));  // not the root's own file
    EXPECT_TRUE(dir_.Exists("UserPrograms/Sub/rate.prg"));
    EXPECT_TRUE(Root().Interface()->DeleteByName(" RATE ", &reason));
    EXPECT_FALSE(dir_.Exists("UserPrograms/Sub/rate.prg"));
    EXPECT_FALSE(Root().Interface()->DeleteByName("rate", &reason));
    EXPECT_EQ(reason, "There is no program named 'rate'");
    std::filesystem::remove(dir_.File("UserPrograms/loan.prg"));
    EXPECT_TRUE(Root().DeleteFile(*Root().FindByName("loan")));  // already gone on disk
    EXPECT_TRUE(Root().Files().empty());
}

// The window passes its own remover (the desktop's trash): the entry goes only
// when the remover took the file or folder, a folder must be empty whatever
// takes it, and nothing already gone is handed to it.
// Folders whose names differ only in letter case (the disk tells them apart):
// a deletion takes exactly the folder it is given, never its namesake.
TEST_F(UserFuncFolderOps, AFolderIsDeletedByItselfNotByItsName) {
    dir_.MakeDir("UserPrograms/Sub");
    dir_.Write("UserPrograms/sub/deep.prg");
    Root().Scan();
    TUserFuncFolder* empty = nullptr;
    TUserFuncFolder* full = nullptr;
    for (const auto& folder : Root().Subfolders())
        (folder->Name() == "Sub" ? empty : full) = folder.get();
    ASSERT_NE(empty, nullptr);
    ASSERT_NE(full, nullptr);
    std::string reason;
    EXPECT_FALSE(Root().DeleteFolder(*full, &reason));
    EXPECT_NE(reason.find("Directory not empty"), std::string::npos) << reason;
    EXPECT_TRUE(dir_.Exists("UserPrograms/Sub")) << "its namesake stays";
    EXPECT_FALSE(full->DeleteFolder(*empty, &reason)) << "only a folder's own subfolders";
    EXPECT_TRUE(Root().DeleteFolder(*empty, &reason)) << reason;
    EXPECT_FALSE(dir_.Exists("UserPrograms/Sub"));
    EXPECT_TRUE(dir_.Exists("UserPrograms/sub/deep.prg"));
    EXPECT_EQ(FolderNames(Root()), (Names{"sub"}));
}

TEST_F(UserFuncFolderOps, DeletionLeavesTheDiskThroughTheGivenRemover) {
    dir_.Write("UserPrograms/loan.prg", "loan");
    dir_.Write("UserPrograms/rate.prg", "rate");
    dir_.Write("UserPrograms/Full/deep.prg");
    dir_.MakeDir("UserPrograms/Empty");
    std::vector<std::string> asked;
    bool takes = true;
    const TUserFuncFolder::PathRemover remover = [&](const std::string& path, std::string* reason) {
        asked.push_back(path);
        if (takes) return RemoveFromDisk(path, reason);
        *reason = "kept";
        return false;
    };
    std::string reason;
    EXPECT_TRUE(Root().DeleteFile(*Root().FindByName("loan"), &reason, remover));
    EXPECT_TRUE(Root().DeleteFolder("Empty", &reason, remover));
    EXPECT_EQ(asked, (Names{dir_.File("UserPrograms/loan.prg"), dir_.File("UserPrograms/Empty")}));
    EXPECT_FALSE(Root().DeleteFolder("Full", &reason, remover));
    EXPECT_NE(reason.find("Directory not empty"), std::string::npos) << reason;
    EXPECT_EQ(asked.size(), 2u) << "a full folder never reaches the remover";

    takes = false;
    EXPECT_FALSE(Root().DeleteFile(*Root().FindByName("rate"), &reason, remover));
    EXPECT_EQ(reason, "kept");
    EXPECT_NE(Root().FindByName("rate"), nullptr);
    EXPECT_EQ(dir_.Read("UserPrograms/rate.prg"), "rate");
    std::filesystem::remove(dir_.File("UserPrograms/rate.prg"));
    EXPECT_TRUE(Root().DeleteFile(*Root().FindByName("rate"), &reason, remover));
    EXPECT_EQ(asked.size(), 3u) << "a file already gone only loses its entry";
    EXPECT_EQ(FolderNames(Root()), (Names{"Full"}));
    EXPECT_TRUE(Root().Files().empty());
}

TEST_F(UserFuncFolderOps, RemoveFromDiskTakesFilesAndEmptyFoldersOnly) {
    dir_.Write("a.prg");
    dir_.Write("full/b.prg");
    dir_.MakeDir("empty");
    std::string reason;
    EXPECT_TRUE(RemoveFromDisk(dir_.File("a.prg"), &reason));
    EXPECT_TRUE(RemoveFromDisk(dir_.File("empty"), &reason));
    EXPECT_FALSE(RemoveFromDisk(dir_.File("full"), &reason));
    EXPECT_NE(reason.find("Directory not empty"), std::string::npos) << reason;
    EXPECT_FALSE(RemoveFromDisk(dir_.File("missing.prg"), &reason));
    EXPECT_EQ(dir_.Listing(), (Names{"full", "full/b.prg"}));
}

TEST_F(UserFuncFolderOps, RenamedFolderKeepsEveryPathBelowItRight) {
    dir_.Write("UserPrograms/Tax/Deep/d.prg", "deep");
    EXPECT_TRUE(Folder("Tax").RenameFolder(" Taxes "));
    EXPECT_EQ(FolderNames(Root()), (Names{"Taxes"}));
    const TUserFuncObj* d = Root().FindByName("d");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->GetFileName(), dir_.File("UserPrograms/Taxes/Deep/d.prg"));
    EXPECT_EQ(d->Folder()->Path(), dir_.File("UserPrograms/Taxes/Deep"));
    EXPECT_EQ(dir_.Read("UserPrograms/Taxes/Deep/d.prg"), "deep");
    EXPECT_FALSE(dir_.Exists("UserPrograms/Tax"));

    std::string reason;
    EXPECT_FALSE(Root().RenameFolder("Other", &reason));
    EXPECT_EQ(reason, "The library root cannot be renamed");
    EXPECT_TRUE(dir_.Exists("UserPrograms"));
}

TEST_F(UserFuncFolderOps, RenameKeepsTheFileExtensionAndMayChangeOnlyTheCase) {
    dir_.Write("UserPrograms/loan.PRG", "content");
    TUserFuncObj& loan = *Root().FindByName("loan");
    EXPECT_TRUE(loan.Rename("Loan"));
    EXPECT_EQ(loan.GetFileName(), dir_.File("UserPrograms/Loan.PRG"));
    EXPECT_TRUE(loan.Rename(" zins "));
    EXPECT_EQ(loan.Name(), "zins");
    EXPECT_EQ(dir_.Listing(), (Names{"UserPrograms", "UserPrograms/zins.PRG"}));
    EXPECT_EQ(dir_.Read("UserPrograms/zins.PRG"), "content");
    EXPECT_TRUE(loan.Rename("zins"));  // its own name: nothing to do
}

TEST_F(UserFuncFolderOps, RenameAndMoveNeverReplaceWhatIsThere) {
    dir_.Write("UserPrograms/loan.prg", "loan");
    dir_.Write("UserPrograms/rate.prg", "rate");
    dir_.Write("UserPrograms/A/loan.prg", "A loan");
    dir_.Write("UserPrograms/A/Sub/x.prg", "x");
    dir_.Write("UserPrograms/B/Sub/y.prg", "y");
    dir_.MakeDir("UserPrograms/C");
    Root();
    // Added behind the library's back: only the disk knows them.
    dir_.Write("UserPrograms/hidden.prg", "hidden");
    dir_.Write("UserPrograms/C/rate.prg", "C rate");
    dir_.MakeDir("UserPrograms/Late");
    dir_.MakeDir("UserPrograms/C/A");
    const Names before = dir_.Listing();

    std::string reason;
    TUserFuncObj& rate = *Root().FindByName("rate");
    EXPECT_FALSE(rate.Rename("LOAN", &reason));
    EXPECT_EQ(reason,
              "A program named 'LOAN' already exists in \"" + dir_.File("UserPrograms") + "\"");
    EXPECT_FALSE(rate.Rename("hidden", &reason));
    EXPECT_EQ(reason, "\"" + dir_.File("UserPrograms/hidden.prg") + "\" already exists");
    TUserFuncObj& loan = *Root().Files()[0];
    EXPECT_FALSE(loan.MoveTo(Folder("A"), &reason));
    EXPECT_EQ(reason,
              "A program named 'loan' already exists in \"" + dir_.File("UserPrograms/A") + "\"");
    EXPECT_FALSE(rate.MoveTo(Folder("C"), &reason));
    EXPECT_EQ(reason, "\"" + dir_.File("UserPrograms/C/rate.prg") + "\" already exists");

    TUserFuncFolder& a = Folder("A");
    EXPECT_FALSE(a.RenameFolder("b", &reason));
    EXPECT_EQ(reason, "A folder named 'b' already exists in \"" + dir_.File("UserPrograms") + "\"");
    EXPECT_FALSE(a.RenameFolder("Late", &reason));  // an empty folder would be replaced
    EXPECT_EQ(reason, "\"" + dir_.File("UserPrograms/Late") + "\" already exists");
    EXPECT_FALSE(a.FindFolder("Sub")->MoveFolder(Folder("B"), &reason));
    EXPECT_EQ(reason,
              "A folder named 'Sub' already exists in \"" + dir_.File("UserPrograms/B") + "\"");
    EXPECT_FALSE(a.MoveFolder(Folder("C"), &reason));
    EXPECT_EQ(reason, "\"" + dir_.File("UserPrograms/C/A") + "\" already exists");

    EXPECT_EQ(dir_.Listing(), before);
    EXPECT_EQ(FileNames(Root()), (Names{"loan", "rate"}));
    EXPECT_EQ(FolderNames(Root()), (Names{"A", "B", "C"}));
    EXPECT_EQ(FileNames(Folder("A")), (Names{"loan"}));
    EXPECT_EQ(dir_.Read("UserPrograms/A/loan.prg"), "A loan");
}

TEST_F(UserFuncFolderOps, MovesFilesAndFoldersWithinTheLibrary) {
    dir_.Write("UserPrograms/loan.PRG", "loan");
    dir_.Write("UserPrograms/A/Inner/x.prg", "x");
    dir_.MakeDir("UserPrograms/B");
    TUserFuncObj& loan = *Root().FindByName("loan");
    TUserFuncFolder& b = Folder("B");
    EXPECT_TRUE(loan.MoveTo(b));
    EXPECT_EQ(loan.Folder(), &b);
    EXPECT_EQ(FileNames(b), (Names{"loan"}));
    EXPECT_TRUE(Root().Files().empty());
    EXPECT_EQ(dir_.Read("UserPrograms/B/loan.PRG"), "loan");
    EXPECT_TRUE(loan.MoveTo(b));  // already there

    TUserFuncFolder& a = Folder("A");
    EXPECT_TRUE(a.MoveFolder(b));
    EXPECT_EQ(a.Parent(), &b);
    EXPECT_EQ(FolderNames(Root()), (Names{"B"}));
    EXPECT_EQ(Root().GetFileName("x"), dir_.File("UserPrograms/B/A/Inner/x.prg"));
    EXPECT_EQ(dir_.Read("UserPrograms/B/A/Inner/x.prg"), "x");
    EXPECT_TRUE(a.MoveFolder(b));  // already there
    EXPECT_TRUE(a.MoveFolder(Root()));
    EXPECT_EQ(FolderNames(Root()), (Names{"A", "B"}));
    EXPECT_EQ(a.FindFolder("Inner")->Path(), dir_.File("UserPrograms/A/Inner"));
}

TEST_F(UserFuncFolderOps, RefusesMovesIntoItselfOrAnotherLibrary) {
    dir_.Write("UserPrograms/A/Inner/Deeper/x.prg");
    dir_.Write("UserFunctions/F/f.fn");
    TUserFuncFolder functions(dir_.File("UserFunctions"), ".fn");
    TUserFuncFolder& a = Folder("A");
    TUserFuncFolder& deeper = *a.FindFolder("Inner")->FindFolder("Deeper");
    const Names before = dir_.Listing();
    std::string reason;
    for (TUserFuncFolder* target : {&a, a.FindFolder("Inner"), &deeper}) {
        EXPECT_FALSE(a.MoveFolder(*target, &reason));
        EXPECT_EQ(reason,
                  "The folder 'A' cannot be moved into itself or one of its own subfolders");
    }
    EXPECT_FALSE(Root().MoveFolder(deeper, &reason));
    EXPECT_EQ(reason, "The library root cannot be moved");
    EXPECT_FALSE(a.MoveFolder(*functions.FindFolder("F"), &reason));
    EXPECT_EQ(reason, "The folder 'A' cannot be moved into another library");
    EXPECT_FALSE(functions.FindByName("f")->MoveTo(Root(), &reason));
    EXPECT_EQ(reason, "'f' cannot be moved into another library");
    EXPECT_EQ(dir_.Listing(), before);
    EXPECT_EQ(a.Parent(), &Root());
}

TEST_F(UserFuncFolderOps, NamesThatWouldLeaveTheFolderAreRefusedEverywhere) {
    dir_.Write("UserPrograms/loan.prg");
    dir_.MakeDir("UserPrograms/A");
    dir_.Write("Import/a\\b.prg");
    const Names before = dir_.Listing();
    const std::string badNames[] = {"",    "  ",        ".",    " .. ",
                                    "a/b", "../../etc", "a\\b", std::string("a\0b", 3)};
    for (const std::string& name : badNames) {
        std::string expected;
        ASSERT_FALSE(CheckLibraryName(name, &expected));
        std::string reason;
        EXPECT_FALSE(Root().FindByName("loan")->Rename(name, &reason));
        EXPECT_EQ(reason, expected);
        reason.clear();
        EXPECT_FALSE(Folder("A").RenameFolder(name, &reason));
        EXPECT_EQ(reason, expected);
        reason.clear();
        EXPECT_EQ(Root().CreateFolder(name, &reason), nullptr);
        EXPECT_EQ(reason, expected);
        reason.clear();
        EXPECT_EQ(Root().NewObject(name, &reason), nullptr);
        EXPECT_EQ(reason, expected);
    }
    std::string reason;
    EXPECT_FALSE(Root().ImportFile(dir_.File("Import/a\\b.prg"), &reason));
    EXPECT_EQ(reason, "The name 'a\\b' cannot contain '\\'");
    EXPECT_EQ(dir_.Listing(), before);
    EXPECT_EQ(FileNames(Root()), (Names{"loan"}));
    EXPECT_EQ(FolderNames(Root()), (Names{"A"}));
}

// Both ways of renaming refuse to replace a file or a folder, even an empty one.
TEST(RenameWithoutReplacing, NeverReplacesATarget) {
    for (const bool portable : {false, true}) {
        TempFolder dir;
        dir.Write("a.prg", "a");
        dir.Write("b.prg", "b");
        dir.MakeDir("D");
        dir.MakeDir("E");
        EXPECT_EQ(RenameWithoutReplacing(dir.File("a.prg"), dir.File("b.prg"), portable), EEXIST);
        EXPECT_EQ(RenameWithoutReplacing(dir.File("a.prg"), dir.File("D"), portable), EEXIST);
        EXPECT_EQ(RenameWithoutReplacing(dir.File("D"), dir.File("E"), portable), EEXIST);
        EXPECT_EQ(dir.Listing(), (Names{"D", "E", "a.prg", "b.prg"}));
        EXPECT_EQ(dir.Read("b.prg"), "b");
        EXPECT_EQ(RenameWithoutReplacing(dir.File("a.prg"), dir.File("c.prg"), portable), 0);
        EXPECT_EQ(RenameWithoutReplacing(dir.File("D"), dir.File("E/D"), portable), 0);
        EXPECT_EQ(RenameWithoutReplacing(dir.File("E"), dir.File("E/D/E"), portable), EINVAL);
        EXPECT_EQ(RenameWithoutReplacing(dir.File("missing"), dir.File("m"), portable), ENOENT);
        EXPECT_EQ(dir.Listing(), (Names{"E", "E/D", "b.prg", "c.prg"}));
        EXPECT_EQ(dir.Read("c.prg"), "a");
    }
}

}  // namespace
}  // namespace quillix::test
