// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/document_commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "config/calc_config.h"
#include "core/model/tree_builders.h"
#include "core/vars/library_test_support.h"
#include "vars/calc_vars.h"
#include "vars/recent_programs.h"
#include "vars/user_libraries.h"

namespace quillix::test {
namespace {

// Answers the questions from a script and records them.
class ScriptedDocumentUi final : public IDocumentUi {
  public:
    std::deque<TSaveAnswer> answers;
    std::deque<std::optional<TProgramPick>> picks;
    std::vector<std::string> questions;
    std::vector<int> modes;
    std::vector<std::string> errors;

    TSaveAnswer AskSaveChanges(const std::string& question) override {
        questions.push_back(question);
        EXPECT_FALSE(answers.empty()) << "unexpected question";
        if (answers.empty()) return TSaveAnswer::Cancel;
        const TSaveAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<TProgramPick> PickProgram(int mode) override {
        modes.push_back(mode);
        EXPECT_FALSE(picks.empty()) << "unexpected library manager";
        if (picks.empty()) return std::nullopt;
        auto pick = picks.front();
        picks.pop_front();
        return pick;
    }
    void ShowError(const std::string& message) override { errors.push_back(message); }
};

class DocumentCommands : public ModelTest {
  protected:
    TempFolder home;
    TUserLibraries libraries{home.Path()};
    TCalcVars doc;
    ScriptedDocumentUi ui;
    TCalcConfig settings{SettingsFilePath(home.Path())};
    TDocumentCommands commands{doc, ui, &settings.Configor()};

    void Modify() { ASSERT_TRUE(doc.Add("a", Num(1))); }
    TProgramPick Root(const std::string& name) { return {name, &libraries.Programs()}; }
    std::vector<std::string> Recent() const { return RecentPrograms(settings.Configor()); }
    // A program of that name in the library, and the document new again.
    void SaveProgram(const std::string& name) {
        commands.NewDocument();
        Modify();
        ui.picks = {Root(name)};
        ASSERT_TRUE(commands.SaveDocument());
        commands.NewDocument();
    }
};

TEST_F(DocumentCommands, AnUnmodifiedProgramIsNotAskedAbout) {
    commands.NewDocument();
    EXPECT_TRUE(commands.CloseQuery());
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(DocumentCommands, NewWithEachAnswer) {
    Modify();
    ui.answers = {TSaveAnswer::Cancel};
    commands.NewDocument();
    EXPECT_EQ(doc.Count(), 1);
    EXPECT_EQ(ui.questions.at(0), "Save changes to program New?");

    ui.answers = {TSaveAnswer::No};
    commands.NewDocument();
    EXPECT_EQ(doc.Count(), 0);

    Modify();
    ui.answers = {TSaveAnswer::Yes};
    ui.picks = {Root("Loan")};
    commands.NewDocument();
    EXPECT_EQ(ui.modes, std::vector<int>{kLibrarySave});
    EXPECT_EQ(doc.Count(), 0);
    EXPECT_NE(libraries.Programs().FindByName("Loan"), nullptr);
}

TEST_F(DocumentCommands, AnswerYesButNoNameGivenKeepsTheProgram) {
    Modify();
    ui.answers = {TSaveAnswer::Yes, TSaveAnswer::Yes};
    ui.picks = {std::nullopt, std::nullopt};
    commands.NewDocument();
    EXPECT_EQ(doc.Count(), 1);
    EXPECT_FALSE(commands.CloseQuery());
    EXPECT_TRUE(doc.GetModified());
}

TEST_F(DocumentCommands, CloseQueryFollowsTheAnswer) {
    Modify();
    ui.answers = {TSaveAnswer::Cancel, TSaveAnswer::No};
    EXPECT_FALSE(commands.CloseQuery());
    EXPECT_TRUE(commands.CloseQuery());
    EXPECT_EQ(doc.Count(), 1);
}

TEST_F(DocumentCommands, SavingASavedProgramWritesItsOwnFile) {
    Modify();
    ui.picks = {Root("Loan")};
    ASSERT_TRUE(commands.SaveDocument());
    EXPECT_EQ(doc.GetName(), "Loan");
    ASSERT_TRUE(doc.Add("b", Num(2)));
    EXPECT_TRUE(commands.SaveDocument());
    EXPECT_EQ(ui.modes.size(), 1u);  // named once only
    EXPECT_FALSE(doc.GetModified());
}

TEST_F(DocumentCommands, ARefusedNameIsReportedAndNothingIsSaved) {
    Modify();
    ui.picks = {Root("a/b")};
    EXPECT_FALSE(commands.SaveDocument());
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("'/'"), std::string::npos);
    EXPECT_TRUE(doc.GetIsNew());
}

TEST_F(DocumentCommands, OpenAndSaveAs) {
    Modify();
    ui.picks = {Root("First")};
    ASSERT_TRUE(commands.SaveDocumentAs());
    commands.NewDocument();
    ui.picks = {TProgramPick{"First", nullptr}};
    ASSERT_TRUE(commands.OpenDocument());
    EXPECT_EQ(doc.GetName(), "First");
    EXPECT_EQ(ui.modes, (std::vector<int>{kLibrarySaveAs, kLibraryOpen}));

    ui.picks = {TProgramPick{"Missing", nullptr}};
    EXPECT_FALSE(commands.OpenDocument());
    EXPECT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(doc.GetName(), "First");
}

TEST_F(DocumentCommands, ProgramsOpenedOrSavedGoFirstInTheRecentList) {
    Modify();
    ui.picks = {Root("First")};
    ASSERT_TRUE(commands.SaveDocument());
    ui.picks = {Root("Second")};
    ASSERT_TRUE(commands.SaveDocumentAs());
    EXPECT_EQ(Recent(), (std::vector<std::string>{"Second", "First"}));

    ui.picks = {TProgramPick{"First", nullptr}};
    ASSERT_TRUE(commands.OpenDocument());
    EXPECT_EQ(Recent(), (std::vector<std::string>{"First", "Second"}));
    ASSERT_TRUE(commands.OpenRecentDocument("Second"));
    ASSERT_TRUE(doc.Add("b", Num(2)));
    ASSERT_TRUE(commands.SaveDocument());
    EXPECT_EQ(Recent(), (std::vector<std::string>{"Second", "First"}));

    // What was neither opened nor saved stays out.
    ui.picks = {Root("a/b")};
    EXPECT_FALSE(commands.SaveDocumentAs());
    commands.NewDocument();
    EXPECT_EQ(Recent(), (std::vector<std::string>{"Second", "First"}));
}

TEST_F(DocumentCommands, ARecentProgramThatHasGoneIsDroppedWithAMessageAndNoQuestion) {
    SaveProgram("Gone");
    SaveProgram("Kept");
    // The library still lists the file, which another program deleted.
    std::filesystem::remove(libraries.Programs().GetFileName("Gone"));
    Modify();
    for (const char* name : {"Gone", "Never"}) {
        EXPECT_FALSE(commands.OpenRecentDocument(name));
        EXPECT_EQ(ui.errors.back(), MissingRecentProgramMessage(name));
    }
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(Recent(), std::vector<std::string>{"Kept"});
    EXPECT_TRUE(doc.GetModified());
    EXPECT_EQ(doc.Count(), 1);
}

TEST_F(DocumentCommands, ARecentProgramIsOpenedOnlyAfterTheQuestion) {
    SaveProgram("Loan");
    Modify();
    ui.answers = {TSaveAnswer::Cancel};
    EXPECT_FALSE(commands.OpenRecentDocument("Loan"));
    EXPECT_TRUE(doc.GetIsNew());
    ui.answers = {TSaveAnswer::No};
    EXPECT_TRUE(commands.OpenRecentDocument("loan"));
    EXPECT_EQ(doc.GetName(), "Loan");
    EXPECT_FALSE(doc.GetModified());
}

TEST_F(DocumentCommands, AtStartTheLastProgramOpensUnlessItHasGoneOrTheDocumentHoldsChanges) {
    SaveProgram("Older");
    SaveProgram("Last");
    Modify();
    EXPECT_FALSE(commands.OpenLastDocument());
    EXPECT_TRUE(doc.GetIsNew());
    EXPECT_EQ(doc.Count(), 1);

    ui.answers = {TSaveAnswer::No};
    commands.NewDocument();
    EXPECT_TRUE(commands.OpenLastDocument());
    EXPECT_EQ(doc.GetName(), "Last");

    commands.NewDocument();
    std::filesystem::remove(libraries.Programs().GetFileName("Last"));
    EXPECT_FALSE(commands.OpenLastDocument());
    EXPECT_TRUE(doc.GetIsNew());
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_TRUE(ui.answers.empty());
}

}  // namespace
}  // namespace quillix::test
