// SPDX-License-Identifier: GPL-3.0-or-later
// Creating folders and library objects, and the roots they need.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "core/vars/library_test_support.h"
#include "vars/user_func_folder.h"
#include "vars/user_libraries.h"

namespace quillix::test {
namespace {

bool WriteContent(const std::string& path, std::string* reason) {
    return WriteFileAtomically(path, "content", reason);
}

TEST(UserFuncCreate, EnsureDirectoryCreatesAMissingRootOnly) {
    TempFolder dir;
    dir.Write("file", "x");
    TUserFuncFolder root(dir.File("a/b/UserPrograms"), ".prg");
    EXPECT_TRUE(root.EnsureDirectory());
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("a/b/UserPrograms")));
    EXPECT_TRUE(root.EnsureDirectory());

    std::string reason;
    TUserFuncFolder onAFile(dir.File("file"), ".fn");
    EXPECT_FALSE(onAFile.EnsureDirectory(&reason));
    EXPECT_EQ(reason, "\"" + dir.File("file") + "\" is not a folder");
    TUserFuncFolder belowAFile(dir.File("file/UserFunctions"), ".fn");
    EXPECT_FALSE(belowAFile.EnsureDirectory(&reason));
    EXPECT_NE(reason.find("Cannot create folder"), std::string::npos) << reason;

    TUserFuncFolder& sub = *root.CreateFolder("Sub");
    std::filesystem::remove(dir.File("a/b/UserPrograms/Sub"));
    EXPECT_FALSE(sub.EnsureDirectory(&reason));
    EXPECT_EQ(reason, "The folder \"" + dir.File("a/b/UserPrograms/Sub") + "\" does not exist");
    dir.Write("a/b/UserPrograms/Sub", "a file now");
    EXPECT_FALSE(sub.EnsureDirectory(&reason));
    EXPECT_EQ(reason, "\"" + dir.File("a/b/UserPrograms/Sub") + "\" is not a folder");
    EXPECT_EQ(sub.NewObject("x", &reason), nullptr);
    EXPECT_EQ(reason, "\"" + dir.File("a/b/UserPrograms/Sub") + "\" is not a folder");
    EXPECT_TRUE(sub.Files().empty());
}

TEST(UserFuncCreate, NewFolderGetsAFreeNameAndItsDirectory) {
    TempFolder dir;
    dir.MakeDir("UserPrograms/NewFolder");
    dir.MakeDir("UserPrograms/newfolder1");
    dir.Write("UserPrograms/NewFolder2", "a file in the way");
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    EXPECT_EQ(root.UnusedSubfolderName(), "NewFolder3");
    TUserFuncFolder* made = root.CreateFolder(root.UnusedSubfolderName());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Parent(), &root);
    EXPECT_EQ(made->Extension(), ".prg");
    EXPECT_EQ(made->Path(), dir.File("UserPrograms/NewFolder3"));
    EXPECT_TRUE(std::filesystem::is_directory(made->Path()));
    EXPECT_EQ(made->UnusedSubfolderName(), "NewFolder");

    std::string reason;
    EXPECT_EQ(root.CreateFolder(" NEWFOLDER ", &reason), nullptr);
    EXPECT_EQ(reason,
              "A folder named 'NEWFOLDER' already exists in \"" + dir.File("UserPrograms") + "\"");
    EXPECT_EQ(root.CreateFolder("NewFolder2", &reason), nullptr);
    EXPECT_EQ(reason,
              "Cannot create folder \"" + dir.File("UserPrograms/NewFolder2") + "\": File exists");
    EXPECT_EQ(FolderNames(root), (Names{"NewFolder", "newfolder1", "NewFolder3"}));
}

TEST(UserFuncCreate, FolderAndObjectInAMissingRootCreateTheRoot) {
    TempFolder dir;
    TUserFuncFolder functions(dir.File("home/UserFunctions"), ".fn");
    TUserFuncFolder programs(dir.File("home/UserPrograms"), ".prg");
    TUserFuncFolder* tax = programs.CreateFolder("Tax");
    ASSERT_NE(tax, nullptr);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("home/UserPrograms/Tax")));
    const TUserFuncObj* f = functions.SaveObject("f", WriteContent);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(dir.Read("home/UserFunctions/f.fn"), "content");
}

TEST(UserFuncCreate, NewObjectReusesTheFoldersOwnObjectOfThatName) {
    TempFolder dir;
    dir.Write("UserPrograms/LOAN.PRG");
    dir.Write("UserPrograms/Sub/rate.prg");
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    bool created = true;
    TUserFuncObj* loan = root.NewObject(" loan ", nullptr, &created);
    EXPECT_FALSE(created);
    EXPECT_EQ(loan, root.FindByName("loan"));
    EXPECT_EQ(loan->GetFileName(), dir.File("UserPrograms/LOAN.PRG"));

    // Only this folder counts: a rate elsewhere does not stop a new one here.
    TUserFuncObj* rate = root.NewObject(" rate ", nullptr, &created);
    ASSERT_NE(rate, nullptr);
    EXPECT_TRUE(created);
    EXPECT_EQ(rate->Name(), "rate");
    EXPECT_EQ(rate->Extension(), ".prg");
    EXPECT_EQ(rate->Folder(), &root);
    EXPECT_EQ(FileNames(root), (Names{"LOAN", "rate"}));
    EXPECT_FALSE(dir.Exists("UserPrograms/rate.prg"));  // the caller writes it
}

TEST(UserFuncCreate, SaveObjectDropsANewObjectWhoseWriteFailed) {
    TempFolder dir;
    dir.Write("UserPrograms/loan.prg", "old");
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    const auto failing = [](const std::string&, std::string* reason) {
        *reason = "disk full";
        return false;
    };
    std::string reason;
    EXPECT_EQ(root.SaveObject("rate", failing, &reason), nullptr);
    EXPECT_EQ(reason, "disk full");
    EXPECT_EQ(FileNames(root), (Names{"loan"}));
    EXPECT_EQ(root.SaveObject("Loan", failing, &reason), nullptr);
    EXPECT_EQ(FileNames(root), (Names{"loan"}));  // an object with a file stays

    const TUserFuncObj* saved = root.SaveObject("LOAN", WriteContent, &reason);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved, root.FindByName("loan"));
    EXPECT_EQ(dir.Read("UserPrograms/loan.prg"), "content");
    EXPECT_EQ(root.SaveObject("a/b", WriteContent, &reason), nullptr);
    EXPECT_EQ(reason, "The name 'a/b' cannot contain '/'");
}

TEST(UserLibraries, OwnBothRootsOfAHomeAndPublishThem) {
    TempFolder dir;
    dir.Write("UserFunctions/f.fn");
    dir.Write("UserPrograms/Sub/p.prg");
    {
        TUserLibraries libraries(dir.Path());
        EXPECT_EQ(libraries.Functions().Path(), dir.File("UserFunctions"));
        EXPECT_EQ(libraries.Programs().Path(), dir.File("UserPrograms"));
        EXPECT_EQ(libraries.Functions().Extension(), ".fn");
        EXPECT_EQ(libraries.Programs().Extension(), ".prg");
        ASSERT_NE(UserFunctionsIntf(), nullptr);
        ASSERT_NE(UserProgramsIntf(), nullptr);
        EXPECT_EQ(&UserFunctionsIntf()->GetFolder(), &libraries.Functions());
        EXPECT_EQ(UserProgramsIntf()->GetFileName("P"), dir.File("UserPrograms/Sub/p.prg"));
        EXPECT_EQ(UserFunctionsIntf()->GetFileName("p"), "");
    }
    EXPECT_EQ(UserFunctionsIntf(), nullptr);
    EXPECT_EQ(UserProgramsIntf(), nullptr);

    TempFolder empty;
    TUserLibraries fresh(empty.File("home"));
    EXPECT_TRUE(fresh.Programs().Files().empty());
    EXPECT_FALSE(empty.Exists("home"));
}

}  // namespace
}  // namespace quillix::test
