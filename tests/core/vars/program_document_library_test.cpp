// SPDX-License-Identifier: GPL-3.0-or-later
// The open program document while the library under it changes: its program
// may be deleted, rescanned, renamed or moved, or the whole library may end,
// and the document must never reach a freed library object.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "core/model/tree_builders.h"
#include "core/vars/library_test_support.h"
#include "vars/calc_vars.h"
#include "vars/user_libraries.h"

namespace quillix::test {
namespace {

class ProgramDocumentLibrary : public ModelTest {
  protected:
    TempFolder home;
    TUserLibraries libraries{home.Path()};
    TCalcVars doc;

    TUserFuncFolder& Programs() { return libraries.Programs(); }

    // "Loan" saved into the folder Sub of the programs root.
    void SaveLoanInSub() {
        home.MakeDir("UserPrograms/Sub");
        home.MakeDir("UserPrograms/Other");
        Programs().Scan();
        ASSERT_TRUE(doc.Add("Principal", Num(1000)));
        std::string error;
        ASSERT_TRUE(doc.SaveAs(*Programs().FindFolder("Sub"), "Loan", &error)) << error;
        ASSERT_TRUE(home.Exists("UserPrograms/Sub/Loan.prg"));
    }

    // Changes the document so that a save shows in the file it goes to.
    void SaveMarked(const char* mark) {
        doc.SetDescription(mark);
        std::string error;
        ASSERT_TRUE(doc.Save(&error)) << error;
    }
};

TEST_F(ProgramDocumentLibrary, FollowsItsProgramThroughEveryLibraryChange) {
    struct Row {
        const char* change;
        std::function<bool(TUserFuncFolder& programs, const TempFolder& home)> apply;
        const char* name;  // the document's name afterwards
        const char* file;  // where Save writes afterwards; none when the document is new
    };
    const Row rows[] = {
        {"delete by name",
         [](TUserFuncFolder&, const TempFolder&) {
             return UserProgramsIntf()->DeleteByName("loan", nullptr);
         },
         "New", nullptr},
        {"delete file",
         [](TUserFuncFolder& programs, const TempFolder&) {
             const TUserFuncFolder& sub = *programs.FindFolder("Sub");
             return programs.FindFolder("Sub")->DeleteFile(*sub.Files().front());
         },
         "New", nullptr},
        {"delete a folder already gone from disk",
         [](TUserFuncFolder& programs, const TempFolder& home) {
             std::filesystem::remove_all(home.File("UserPrograms/Sub"));
             return programs.DeleteFolder("Sub");
         },
         "New", nullptr},
        {"rescan of the root",
         [](TUserFuncFolder& programs, const TempFolder&) {
             programs.Scan();
             return true;
         },
         "Loan", "UserPrograms/Sub/Loan.prg"},
        {"rescan of its folder",
         [](TUserFuncFolder& programs, const TempFolder&) {
             programs.FindFolder("Sub")->Scan();
             return true;
         },
         "Loan", "UserPrograms/Sub/Loan.prg"},
        {"rescan after the file was removed",
         [](TUserFuncFolder& programs, const TempFolder& home) {
             std::filesystem::remove(home.File("UserPrograms/Sub/Loan.prg"));
             programs.Scan();
             return true;
         },
         "New", nullptr},
        {"rename",
         [](TUserFuncFolder& programs, const TempFolder&) {
             return programs.FindByName("Loan")->Rename("Credit");
         },
         "Credit", "UserPrograms/Sub/Credit.prg"},
        {"move",
         [](TUserFuncFolder& programs, const TempFolder&) {
             return programs.FindByName("Loan")->MoveTo(*programs.FindFolder("Other"));
         },
         "Loan", "UserPrograms/Other/Loan.prg"},
        {"rename of its folder",
         [](TUserFuncFolder& programs, const TempFolder&) {
             return programs.FindFolder("Sub")->RenameFolder("Renamed");
         },
         "Loan", "UserPrograms/Renamed/Loan.prg"},
        {"move of its folder",
         [](TUserFuncFolder& programs, const TempFolder&) {
             return programs.FindFolder("Sub")->MoveFolder(*programs.FindFolder("Other"));
         },
         "Loan", "UserPrograms/Other/Sub/Loan.prg"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.change);
        std::filesystem::remove_all(home.File("UserPrograms"));
        doc.New();
        SaveLoanInSub();
        ASSERT_TRUE(row.apply(Programs(), home));
        EXPECT_EQ(doc.GetName(), row.name);
        EXPECT_EQ(doc.GetIsNew(), row.file == nullptr);
        EXPECT_EQ(doc.GetProgram() == nullptr, row.file == nullptr);
        const std::vector<std::string> before = home.Listing();
        SaveMarked("marked");
        if (row.file) {
            EXPECT_EQ(doc.GetProgram(), Programs().FindByName(row.name));
            EXPECT_NE(home.Read(row.file).find("marked"), std::string::npos);
        }
        EXPECT_EQ(home.Listing(), before);  // no file appears, none is recreated
    }
}

TEST_F(ProgramDocumentLibrary, ADeletedProgramStaysGoneWhenItsFileComesBack) {
    SaveLoanInSub();
    Programs().Scan();
    ASSERT_TRUE(UserProgramsIntf()->DeleteByName("Loan", nullptr));
    EXPECT_EQ(doc.GetName(), "New");
    // Another program later saved under the same file is not the one deleted:
    // the document must not save over it.
    home.Write("UserPrograms/Sub/Loan.prg", "<Vars Version=\"1.0\" Description=\"other\"/>");
    Programs().Scan();
    EXPECT_TRUE(doc.GetIsNew());
    SaveMarked("marked");
    EXPECT_EQ(home.Read("UserPrograms/Sub/Loan.prg").find("marked"), std::string::npos);
}

TEST_F(ProgramDocumentLibrary, OutlivesTheLibraryItsProgramBelongedTo) {
    TempFolder otherHome;
    auto other = std::make_unique<TUserLibraries>(otherHome.Path());
    ASSERT_TRUE(doc.Add("Principal", Num(1000)));
    std::string error;
    ASSERT_TRUE(doc.SaveAs(other->Programs(), "Loan", &error)) << error;
    other.reset();
    EXPECT_EQ(doc.GetProgram(), nullptr);
    EXPECT_EQ(doc.GetName(), "New");
    EXPECT_TRUE(doc.GetIsNew());
    EXPECT_TRUE(doc.Save(&error));
}

TEST(ProgramDocumentEnd, TheLibraryOutlivesAnEndedDocument) {
    TempFolder home;
    TUserLibraries libraries(home.Path());
    auto doc = std::make_unique<TCalcVars>();
    std::string error;
    ASSERT_TRUE(doc->SaveAs(libraries.Programs(), "Loan", &error)) << error;
    doc.reset();
    libraries.Programs().Scan();
    EXPECT_TRUE(UserProgramsIntf()->DeleteByName("Loan", &error)) << error;
}

// Listeners of the loaded event are shown the program being opened.
TEST_F(ProgramDocumentLibrary, OpenSetsTheProgramBeforeTheLoadedEvent) {
    std::string error;
    for (const char* name : {"Alpha", "Beta"}) {
        doc.New();
        ASSERT_TRUE(doc.Add(name, Num(1)));
        ASSERT_TRUE(doc.SaveAs(Programs(), name, &error)) << error;
    }
    std::vector<std::string> seen;
    TCalcVarsEventsObject listener;
    listener.OnChange = [&](std::uint8_t action, int, TCalcValueWarper*, const std::string&) {
        if (action == vaLoaded) seen.push_back(doc.GetProgram() ? doc.GetProgram()->Name() : "");
    };
    doc.New();
    doc.AddListener(&listener);
    ASSERT_TRUE(doc.Open("Alpha", &error)) << error;
    ASSERT_TRUE(doc.Open("Beta", &error)) << error;
    doc.RemoveListener(&listener);
    EXPECT_EQ(seen, (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(doc.GetName(), "Beta");
    EXPECT_FALSE(doc.GetIsNew());

    // A file that does not parse leaves the document on the program it had.
    home.Write("UserPrograms/Broken.prg", "<Vars");
    Programs().Scan();
    EXPECT_FALSE(doc.Open("Broken", &error));
    EXPECT_EQ(doc.GetName(), "Beta");
    EXPECT_TRUE(doc.Exists("Beta"));
}

}  // namespace
}  // namespace quillix::test
