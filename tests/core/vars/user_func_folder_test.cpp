// SPDX-License-Identifier: GPL-3.0-or-later
// Scanning a library tree, looking names up in it and publishing its root.
#include "vars/user_func_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "core/vars/library_test_support.h"

namespace quillix::test {
namespace {

TEST(UserFuncFolderScan, ListsLibraryFilesWhateverTheCaseOfTheirExtension) {
    TempFolder dir;
    for (const char* name : {"loan.PRG", "a.b.prg", "Rate.Prg", "notes.txt", "prg", ".prg", " .prg",
                             "loan.prg.tmp-AbC123", "fn.fn"})
        dir.Write(std::string("UserPrograms/") + name);
    dir.Write("UserPrograms/Tax/vat.prg");
    dir.Write("UserPrograms/Tax/Deep/d.prg");
    dir.MakeDir("UserPrograms/empty.prg");  // a folder, whatever its name

    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    EXPECT_EQ(FileNames(root), (Names{"a.b", "loan", "Rate"}));
    EXPECT_EQ(FolderNames(root), (Names{"empty.prg", "Tax"}));
    EXPECT_EQ(root.Name(), "UserPrograms");
    EXPECT_TRUE(root.IsRoot());

    const TUserFuncObj* loan = root.FindByName("loan");
    ASSERT_NE(loan, nullptr);
    EXPECT_EQ(loan->Extension(), ".PRG");
    EXPECT_EQ(loan->GetFileName(), dir.File("UserPrograms/loan.PRG"));
    EXPECT_EQ(loan->Folder(), &root);

    const TUserFuncFolder* tax = root.FindFolder("Tax");
    ASSERT_NE(tax, nullptr);
    EXPECT_EQ(tax->Parent(), &root);
    EXPECT_EQ(tax->Path(), dir.File("UserPrograms/Tax"));
    EXPECT_EQ(tax->Extension(), ".prg");
    ASSERT_EQ(tax->Subfolders().size(), 1u);
    EXPECT_EQ(tax->Subfolders()[0]->Path(), dir.File("UserPrograms/Tax/Deep"));
    EXPECT_EQ(FileNames(*tax->Subfolders()[0]), (Names{"d"}));
}

TEST(UserFuncFolderScan, FunctionNamesKeepEveryDotButTheExtensionOne) {
    TempFolder dir;
    dir.Write("UserFunctions/a.b.fn");
    dir.Write("UserFunctions/c.FN");
    dir.Write("UserFunctions/d.prg");
    TUserFuncFolder root(dir.File("UserFunctions"), ".fn");
    EXPECT_EQ(FileNames(root), (Names{"a.b", "c"}));
    EXPECT_EQ(root.GetFileName("A.B"), dir.File("UserFunctions/a.b.fn"));
}

TEST(UserFuncFolderScan, MissingRootIsAnEmptyLibraryAndIsNotCreated) {
    TempFolder dir;
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    EXPECT_TRUE(root.Files().empty());
    EXPECT_TRUE(root.Subfolders().empty());
    EXPECT_FALSE(dir.Exists("UserPrograms"));
    EXPECT_EQ(root.FindByName("loan"), nullptr);
    EXPECT_EQ(root.GetFileName("loan"), "");
}

TEST(UserFuncFolderScan, LinkBackToAnEnclosingFolderIsNotFollowed) {
    TempFolder dir;
    dir.Write("UserPrograms/Sub/a.prg");
    ASSERT_EQ(::symlink(dir.File("UserPrograms").c_str(), dir.File("UserPrograms/Sub/up").c_str()),
              0);
    ASSERT_EQ(
        ::symlink(dir.File("UserPrograms/Sub").c_str(), dir.File("UserPrograms/Sub/self").c_str()),
        0);
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    const TUserFuncFolder* sub = root.FindFolder("Sub");
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(FolderNames(*sub), (Names{"self", "up"}));
    for (const auto& link : sub->Subfolders()) {
        EXPECT_TRUE(link->Files().empty());
        EXPECT_TRUE(link->Subfolders().empty());
    }
}

TEST(UserFuncFolderFind, SearchesOwnFilesFirstThenSubfoldersDepthFirst) {
    TempFolder dir;
    dir.Write("UserPrograms/beta/loan.prg");
    dir.Write("UserPrograms/Alpha/Inner/loan.prg");
    dir.Write("UserPrograms/Alpha/rate.prg");
    dir.Write("UserPrograms/beta/rate.prg");
    dir.Write("UserPrograms/beta/tax.prg");
    dir.Write("UserPrograms/Économie/Привет.prg");
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    EXPECT_EQ(FolderNames(root), (Names{"Alpha", "beta", "Économie"}));

    struct Row {
        const char* name;
        const char* file;  // nullptr: not found
    };
    const Row rows[] = {
        {" LOAN ", "UserPrograms/Alpha/Inner/loan.prg"},  // first listed subfolder, depth first
        {"rate", "UserPrograms/Alpha/rate.prg"},
        {"\tTAX", "UserPrograms/beta/tax.prg"},
        {"привет", "UserPrograms/Économie/Привет.prg"},
        {"lo an", nullptr},
        {"", nullptr},
        {"  ", nullptr},
    };
    for (const Row& row : rows) {
        const TUserFuncObj* found = root.FindByName(row.name);
        if (!row.file) {
            EXPECT_EQ(found, nullptr) << row.name;
            continue;
        }
        ASSERT_NE(found, nullptr) << row.name;
        EXPECT_EQ(found->GetFileName(), dir.File(row.file)) << row.name;
        EXPECT_EQ(root.GetFileName(row.name), dir.File(row.file)) << row.name;
    }

    // Direct subfolders only, for FindFolder.
    EXPECT_EQ(root.FindFolder(" ÉCONOMIE "), root.Subfolders()[2].get());
    EXPECT_EQ(root.FindFolder("Inner"), nullptr);
    EXPECT_EQ(root.FindFolder(""), nullptr);

    dir.Write("UserPrograms/loan.prg");
    root.Scan();  // a file added on disk appears at the next scan
    EXPECT_EQ(root.GetFileName("loan"), dir.File("UserPrograms/loan.prg"));  // own files first
}

TEST(UserFuncFolderRoots, PublishTheirInterfaceByExtensionWhileTheyLive) {
    TempFolder dir;
    dir.Write("UserPrograms/Sub/loan.prg");
    dir.Write("UserFunctions/f.fn");
    ASSERT_EQ(UserProgramsIntf(), nullptr);
    ASSERT_EQ(UserFunctionsIntf(), nullptr);
    {
        TUserFuncFolder functions(dir.File("UserFunctions"), ".fn");
        auto programs = std::make_unique<TUserFuncFolder>(dir.File("UserPrograms"), ".prg");
        ASSERT_NE(UserProgramsIntf(), nullptr);
        EXPECT_EQ(UserProgramsIntf(), programs->Interface());
        EXPECT_EQ(UserFunctionsIntf(), functions.Interface());
        EXPECT_EQ(programs->FindFolder("Sub")->Interface(), nullptr);

        IUserFuncFolder& intf = *UserProgramsIntf();
        EXPECT_EQ(&intf.GetFolder(), programs.get());
        EXPECT_EQ(intf.FindByName(" Loan"), programs->FindByName("loan"));
        EXPECT_EQ(intf.FindFolder("sub"), programs->FindFolder("Sub"));
        EXPECT_EQ(intf.GetFileName("loan "), dir.File("UserPrograms/Sub/loan.prg"));
        EXPECT_EQ(UserFunctionsIntf()->GetFileName("F"), dir.File("UserFunctions/f.fn"));

        // A second root of the kind takes over; destroying the first leaves it.
        auto second = std::make_unique<TUserFuncFolder>(dir.File("Other"), ".prg");
        EXPECT_EQ(UserProgramsIntf(), second->Interface());
        programs.reset();
        EXPECT_EQ(UserProgramsIntf(), second->Interface());
        second.reset();
        EXPECT_EQ(UserProgramsIntf(), nullptr);
        EXPECT_NE(UserFunctionsIntf(), nullptr);
    }
    EXPECT_EQ(UserFunctionsIntf(), nullptr);
}

TEST(UserFuncFolderRoots, AddFolderAdoptsAFolderAndItsPathsBelow) {
    TempFolder dir;
    dir.Write("Elsewhere/Top/Inner/x.prg");
    TUserFuncFolder root(dir.File("UserPrograms"), ".prg");
    auto loose = std::make_unique<TUserFuncFolder>(dir.File("Elsewhere/Top"), ".prg");
    ASSERT_EQ(UserProgramsIntf(), loose->Interface());
    TUserFuncFolder& added = root.AddFolder(std::move(loose));
    EXPECT_EQ(UserProgramsIntf(), nullptr);  // it is no root any more
    EXPECT_EQ(added.Interface(), nullptr);
    EXPECT_EQ(added.Parent(), &root);
    EXPECT_EQ(added.Path(), dir.File("UserPrograms/Top"));
    EXPECT_EQ(root.GetFileName("x"), dir.File("UserPrograms/Top/Inner/x.prg"));
}

}  // namespace
}  // namespace quillix::test
