// SPDX-License-Identifier: GPL-3.0-or-later
// Crash recovery: when the copy is written and removed (an injected clock), its
// text and the damaged forms of it, the slots that keep instances apart, the
// writer thread's order, and bringing a copy back as unsaved work that belongs
// to its program in the library.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "common/diag_note.h"
#include "core/model/tree_builders.h"
#include "support/temp_folder.h"
#include "vars/calc_vars.h"
#include "vars/recovery_copy.h"
#include "vars/recovery_keeper.h"
#include "vars/recovery_policy.h"
#include "vars/recovery_store.h"
#include "vars/recovery_writer.h"
#include "vars/undo_history.h"
#include "vars/user_libraries.h"

namespace quillix::test {
namespace {

using std::chrono::seconds;

struct PolicyStep {
    int at;         // seconds
    char event;     // c: a change, then a check; k: a check only
    bool modified;  // the document has unsaved changes
    TRecoveryAction expected;
};

TEST(RecoveryPolicy, WritesOnlyAfterAChangeAtMostEveryTenSecondsAndRemovesWhenNothingIsUnsaved) {
    constexpr auto W = TRecoveryAction::Write, R = TRecoveryAction::Remove,
                   N = TRecoveryAction::None;
    const PolicyStep steps[] = {
        {0, 'k', false, N},   // nothing changed, nothing kept
        {1, 'c', true, W},    // the first change is written at once
        {4, 'c', true, N},    // too soon after the last write
        {10, 'k', true, N},   // still too soon
        {11, 'k', true, W},   // ten seconds after the last write
        {15, 'k', true, N},   // nothing changed since
        {40, 'k', true, N},   // nor later
        {41, 'c', true, W},   // long after: at once
        {42, 'c', false, R},  // saved: the copy goes
        {43, 'k', false, N},  // and stays gone
        {44, 'c', true, N},   // within ten seconds of the last write
        {54, 'k', true, W},
    };
    TRecoveryPolicy policy;
    const auto start = TRecoveryPolicy::Clock::time_point{} + seconds(1000);
    for (const PolicyStep& step : steps) {
        SCOPED_TRACE(step.at);
        const auto now = start + seconds(step.at);
        if (step.event == 'c') policy.Changed();
        const TRecoveryAction action = policy.Next(now, step.modified);
        EXPECT_EQ(action, step.expected);
        if (action == W) policy.Written(now);
        if (action == R) policy.Removed();
    }
}

TEST(RecoveryPolicy, AChangeIsWrittenWithinTenSecondsWhenTheWindowWaitsAsToldOnly) {
    TRecoveryPolicy policy;
    const auto start = TRecoveryPolicy::Clock::time_point{} + seconds(1000);
    policy.Changed();
    ASSERT_EQ(policy.Next(start, true), TRecoveryAction::Write);
    policy.Written(start);
    EXPECT_FALSE(policy.Wait(start));
    for (int change : {1, 7, 9}) {
        policy.Changed();
        EXPECT_EQ(policy.Next(start + seconds(change), true), TRecoveryAction::None);
    }
    ASSERT_TRUE(policy.Wait(start + seconds(9)));
    EXPECT_EQ(*policy.Wait(start + seconds(9)), seconds(1));
    EXPECT_EQ(policy.Next(start + seconds(9) + *policy.Wait(start + seconds(9)), true),
              TRecoveryAction::Write);
}

TEST(RecoveryCopyText, ReadsBackWhatWasWrittenAndRefusesDamagedForms) {
    const TRecoveryCopy copy{"Loan\n%100 \xC3\xA4", 1700000000,
                             "<?xml version=\"1.0\"?>\n<Vars Version=\"1.0\" Description=\"\"/>\n"};
    const std::string text = RecoveryCopyText(copy);
    std::string problem;
    const std::optional<TRecoveryCopy> back = ParseRecoveryCopy(text, &problem);
    ASSERT_TRUE(back) << problem;
    EXPECT_EQ(back->ProgramName, copy.ProgramName);
    EXPECT_EQ(back->WrittenAt, copy.WrittenAt);
    EXPECT_EQ(back->Document, copy.Document);

    const std::string damaged[] = {
        "",
        "Quillix recovery copy 2\n\n" + copy.Document,
        "Quillix recovery copy 1\nWritten=12x\n\n" + copy.Document,
        "Quillix recovery copy 1\nProgram=%G1\n\n" + copy.Document,
        "Quillix recovery copy 1\nProgram=Loan\nWritten=1",
        text.substr(0, text.size() - 12),  // cut short, as a full disk would
    };
    for (const std::string& bad : damaged) {
        problem.clear();
        EXPECT_FALSE(ParseRecoveryCopy(bad, &problem)) << bad;
        EXPECT_FALSE(problem.empty()) << bad;
    }
}

TEST(RecoveryCopyText, TheQuestionNamesTheProgramAndTheTimeOfDay) {
    const char* zone = std::getenv("TZ");
    const std::string saved = zone ? zone : "";
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(RecoveryQuestion({"Loan", 13 * 3600 + 5 * 60, ""}),
              "Quillix did not close normally. Restore the unsaved program 'Loan' from 13:05?");
    EXPECT_EQ(RecoveryQuestion({"", 9 * 3600, ""}),
              "Quillix did not close normally. Restore the unsaved program 'New' from 09:00?");
    if (zone) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

std::string ValidCopy() {
    return RecoveryCopyText(
        {"", 1, "<?xml version=\"1.0\"?>\n<Vars Version=\"1.0\" Description=\"\"/>\n"});
}

TEST(RecoveryStore, ASecondInstanceOfTheSameHomeNeverTakesTheFirstOnesCopy) {
    TempFolder home;
    auto first = std::make_unique<TRecoveryStore>(home.Path(), "");
    ASSERT_TRUE(first->Claimed()) << first->Problem();
    ASSERT_TRUE(first->Write(ValidCopy(), nullptr));
    {
        TRecoveryStore second(home.Path(), "");
        ASSERT_TRUE(second.Claimed());
        EXPECT_NE(second.Path(), first->Path());
        EXPECT_FALSE(second.Find());
        TRecoveryStore otherTag(home.Path(), "tests/1");
        EXPECT_EQ(std::filesystem::path(otherTag.Path()).parent_path(),
                  std::filesystem::path(first->Path()).parent_path());
        EXPECT_FALSE(otherTag.Find());
    }
    const std::string path = first->Path();
    first.reset();  // the instance ends without removing its copy (killed)
    TRecoveryStore next(home.Path(), "");
    EXPECT_EQ(next.Path(), path);
    EXPECT_TRUE(next.Find());
}

TEST(RecoveryStore, ADamagedCopyIsSetAsideWithALogLine) {
    TempFolder home;
    std::vector<std::string> log;
    SetDiagNoteReceiver([&](std::string_view line) { log.emplace_back(line); });
    {
        TRecoveryStore store(home.Path(), "");
        WriteFile(store.Path(), "Quillix recovery copy 1\n\n<Vars");
        EXPECT_FALSE(store.Find());
        EXPECT_FALSE(FileExists(store.Path()));
        ASSERT_EQ(log.size(), 1u);
        EXPECT_NE(log[0].find("is damaged"), std::string::npos) << log[0];
        const auto aside = log[0].substr(log[0].rfind(" as \"") + 5);
        EXPECT_TRUE(FileExists(aside.substr(0, aside.size() - 1))) << log[0];
    }
    SetDiagNoteReceiver({});
}

TEST(RecoveryWriter, DoesWhatWasAskedInOrderAndReportsFailures) {
    TempFolder home;
    TRecoveryStore store(home.Path(), "");
    {
        TRecoveryWriter writer(store);
        writer.Write("first");
        writer.Write("second");
        writer.Wait();
        EXPECT_EQ(ReadFile(store.Path()), "second");
        writer.Write("third");
        writer.Remove();
        writer.Wait();
        EXPECT_FALSE(FileExists(store.Path()));
        EXPECT_EQ(writer.TakeFailures(), "");
        // A folder where the copy should be: the write fails, even for root.
        std::filesystem::create_directory(store.Path());
        writer.Write("fourth");
        writer.Wait();
        EXPECT_NE(writer.TakeFailures(), "");
        EXPECT_EQ(writer.TakeFailures(), "");
        std::filesystem::remove(store.Path());
        writer.Write("last");
    }
    EXPECT_EQ(ReadFile(store.Path()), "last");  // done before the writer ended
}

class RecoveryRestore : public ModelTest {
  protected:
    TempFolder home;
    TUserLibraries libraries{home.Path()};
    TCalcVars document;
};

TEST_F(RecoveryRestore, ACopyComesBackAsUnsavedWorkOfItsProgram) {
    document.Add("Principal", Num(1000));
    ASSERT_TRUE(document.SaveNew(libraries.Programs(), "Loan", nullptr));
    document.Add("Rate", Num(0.05L));
    document.SetDescription("changed since the save");
    const TRecoveryCopy copy = TakeRecoveryCopy(document, 1);
    EXPECT_EQ(copy.ProgramName, "Loan");
    const std::string edited = BuildVarsDocumentText(document.Description(), document.Items());

    document.New();
    TUndoHistory history(document);
    document.Add("Scratch", Num(1));
    ASSERT_TRUE(document.LoadRecovered(copy.ProgramName, copy.Document, nullptr));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(BuildVarsDocumentText(document.Description(), document.Items()), edited);
    EXPECT_EQ(document.GetName(), "Loan");
    EXPECT_FALSE(document.GetIsNew());
    EXPECT_TRUE(document.GetModified());
    // Undo never reaches a saved state: the restored work is unsaved.
    document.SetValueTypeAt(0, wtInput);
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(document.GetModified());
    ASSERT_TRUE(document.Save(nullptr));
    EXPECT_EQ(ReadFile(libraries.Programs().GetFileName("Loan")), edited);
}

TEST_F(RecoveryRestore, AProgramNoLongerInTheLibraryComesBackAsANewOne) {
    document.Add("A", Num(1));
    ASSERT_TRUE(document.LoadRecovered("Gone", TakeRecoveryCopy(document, 1).Document, nullptr));
    EXPECT_TRUE(document.GetIsNew());
    EXPECT_EQ(document.GetName(), "New");
    EXPECT_TRUE(document.GetModified());
    EXPECT_EQ(document.Count(), 1);
    // A document that does not read leaves an unsaved, new document.
    std::string error;
    EXPECT_FALSE(document.LoadRecovered("", "<Vars><ValueWarper/></Vars>", &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace quillix::test

namespace quillix::test {
namespace {

class RecoveryKeeperTest : public RecoveryRestore {
  protected:
    std::string CopyOnDisk(TRecoveryKeeper& keeper) {
        keeper.Flush();
        const std::string path = home.Path() + "/Recovery";
        for (const auto& file : std::filesystem::directory_iterator(path)) {
            if (file.path().extension() == ".recovery") return ReadFile(file.path());
        }
        return "";
    }
    std::string Document() {
        return BuildVarsDocumentText(document.Description(), document.Items());
    }
    const TRecoveryKeeper::Clock::time_point start =
        TRecoveryKeeper::Clock::time_point{} + seconds(5000);
};

TEST_F(RecoveryKeeperTest, KeepsTheCopyInStepWithTheDocumentAndRemovesItOnSave) {
    TRecoveryKeeper keeper(document, home.Path(), "");
    document.Add("A", Num(1));
    keeper.Changed();
    EXPECT_FALSE(keeper.Act(start));
    const std::string first = CopyOnDisk(keeper);
    ASSERT_TRUE(ParseRecoveryCopy(first, nullptr));
    EXPECT_EQ(ParseRecoveryCopy(first, nullptr)->Document, Document());

    document.Add("B", Num(2));
    keeper.Changed();
    EXPECT_EQ(keeper.Act(start + seconds(3)), seconds(7));
    EXPECT_EQ(CopyOnDisk(keeper), first);
    EXPECT_FALSE(keeper.Act(start + seconds(10)));
    EXPECT_EQ(ParseRecoveryCopy(CopyOnDisk(keeper), nullptr)->Document, Document());

    ASSERT_TRUE(document.SaveNew(libraries.Programs(), "Kept", nullptr));
    keeper.Act(start + seconds(11));
    EXPECT_EQ(CopyOnDisk(keeper), "");
    EXPECT_EQ(keeper.TakeProblems(), "");
}

TEST_F(RecoveryKeeperTest, TheNextStartOffersTheCopyAKilledInstanceLeft) {
    document.Add("A", Num(1));
    ASSERT_TRUE(document.SaveNew(libraries.Programs(), "Loan", nullptr));
    document.Add("B", Num(2));
    const std::string unsaved = Document();
    {
        TRecoveryKeeper killed(document, home.Path(), "");
        killed.Changed();
        killed.Act(start);
        killed.Flush();
    }
    document.New();
    TRecoveryKeeper keeper(document, home.Path(), "");
    const std::optional<TRecoveryCopy> copy = keeper.LeftCopy();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->ProgramName, "Loan");
    ASSERT_TRUE(keeper.Restore(*copy, nullptr));
    EXPECT_EQ(Document(), unsaved);
    EXPECT_EQ(document.GetName(), "Loan");
    // Nothing changed since: the copy stays as it is until the work is saved.
    EXPECT_FALSE(keeper.Act(start + seconds(60)));
    EXPECT_NE(CopyOnDisk(keeper), "");
    ASSERT_TRUE(document.Save(nullptr));
    keeper.Act(start + seconds(61));
    EXPECT_EQ(CopyOnDisk(keeper), "");
}

TEST_F(RecoveryKeeperTest, ACopyThatDoesNotReadIsSetAsideAndDiscardRemovesAtOnce) {
    {
        TRecoveryStore left(home.Path(), "");
        // Readable as XML, but two variables of one name.
        const std::string entry =
            "<ValueWarper Type=\"0\" Description=\"\"><CalcValue Name=\"A\" Value=\"1\" "
            "IsNamed=\"True\" CVType=\"0\"/></ValueWarper>";
        left.Write(
            RecoveryCopyText(
                {"", 1, "<Vars Version=\"1.0\" Description=\"\">" + entry + entry + "</Vars>"}),
            nullptr);
    }
    TRecoveryKeeper keeper(document, home.Path(), "");
    const std::optional<TRecoveryCopy> copy = keeper.LeftCopy();
    ASSERT_TRUE(copy);
    std::string error;
    EXPECT_FALSE(keeper.Restore(*copy, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(keeper.LeftCopy());

    document.Add("A", Num(1));
    keeper.Changed();
    keeper.Act(start);
    keeper.Discard();
    EXPECT_EQ(CopyOnDisk(keeper), "");
}

}  // namespace
}  // namespace quillix::test
