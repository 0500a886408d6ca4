// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history: where one step ends (one user action, however many events
// it raises), the modified flag through undo, redo and saves, variables found
// again after a delete, the events views follow, the limits and the captions.

#include "vars/undo_history.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/model/tree_builders.h"
#include "core/vars/undo_test_support.h"
#include "support/temp_folder.h"
#include "vars/calc_vars.h"

namespace quillix::test {
namespace {

class UndoHistoryTest : public ModelTest {
  protected:
    // A = 2, B = A + 1, C = B * A, D = 7.
    void SetUp() override {
        ModelTest::SetUp();
        history.reset();
        set.Clear();
        set.Add("A", Num(2));
        set.Add("B", Make<TCalcOperatePlus>(Ref("A"), Num(1)));
        set.Add("C", Make<TCalcOperateMultis>(Ref("B"), Ref("A")));
        set.Add("D", Num(7));
        history = std::make_unique<TUndoHistory>(set);
    }
    ValueRef Ref(const char* name) { return set.GetValue(name)->MakeReference(); }
    std::string Formula(const char* name) { return set.GetValue(name)->GetFormulaText(); }

    TCalcVarsBase set;
    std::unique_ptr<TUndoHistory> history;
};

struct BoundaryCase {
    const char* action;
    std::function<void(TCalcVarsBase&)> run;
    std::size_t steps;
    const char* caption;
};

TEST_F(UndoHistoryTest, OneUserActionIsOneStepHoweverManyEventsItRaises) {
    const BoundaryCase cases[] = {
        {"add", [](TCalcVarsBase& s) { s.Add("E", Num(4)); }, 1, "Add 'E'"},
        {"rename shown in two formulas", [](TCalcVarsBase& s) { s.Rename(0, "Rate"); }, 1,
         "Rename 'A' to 'Rate'"},
        {"clear", [](TCalcVarsBase& s) { s.Clear(); }, 1, "Clear"},
        {"delete of a used variable", [](TCalcVarsBase& s) { s.DeleteAt(0); }, 1, "Delete 'A'"},
        {"move up", [](TCalcVarsBase& s) { s.MoveUp(3); }, 1, "Move 'D'"},
        {"new value with dependants", [](TCalcVarsBase& s) { s.SetValue("A", Num(5)); }, 1,
         "Change 'A'"},
        {"role", [](TCalcVarsBase& s) { s.SetValueTypeAt(1, wtOutput); }, 1, "Set Type of 'B'"},
        {"properties", [](TCalcVarsBase& s) { s.SetProperties(1, wtInput, "x"); }, 1,
         "Properties of 'B'"},
        {"description", [](TCalcVarsBase& s) { s.SetDescription("d"); }, 1, "Program Properties"},
        {"four deletes in a group",
         [](TCalcVarsBase& s) {
             const TEditGroup group(&s, "");
             while (s.Count() > 0)
                 s.DeleteAt(s.Count() - 1);
         },
         1, "Delete 4 variables"},
        {"nested groups take the outer caption",
         [](TCalcVarsBase& s) {
             const TEditGroup outer(&s, "Run 'Loan'");
             s.Add("E", Num(1));
             const TEditGroup inner(&s, "Inner");
             s.Add("F", Num(2));
         },
         1, "Run 'Loan'"},
        {"a group that changes nothing", [](TCalcVarsBase& s) { const TEditGroup g(&s, "x"); }, 0,
         ""},
        {"a refused new value",
         [](TCalcVarsBase& s) { s.SetValue("A", s.GetValue("C")->MakeReference()); }, 0, ""},
        {"a refused move", [](TCalcVarsBase& s) { s.MoveUp(1); }, 0, ""},
        {"a rename to a name in use", [](TCalcVarsBase& s) { s.Rename(0, "b"); }, 0, ""},
    };
    for (const BoundaryCase& c : cases) {
        SCOPED_TRACE(c.action);
        SetUp();
        const std::string before = DocumentText(set);
        c.run(set);
        EXPECT_EQ(history->StepCount(), c.steps);
        EXPECT_EQ(history->UndoCaption(), c.caption);
        if (c.steps == 0) continue;
        ASSERT_TRUE(history->Undo());
        EXPECT_EQ(DocumentText(set), before);
        EXPECT_FALSE(history->CanUndo());
        EXPECT_EQ(history->RedoCaption(), c.caption);
    }
}

TEST_F(UndoHistoryTest, AFormulaThatUsedADeletedVariableUsesTheRestoredOneAfterUndo) {
    set.DeleteAt(0);
    EXPECT_EQ(Formula("B"), "2+1");  // a copy of A's number
    ASSERT_TRUE(history->Undo());
    EXPECT_EQ(Formula("B"), "A+1");
    EXPECT_EQ(Formula("C"), "B*A");
    // A change of the restored A reaches both formulas.
    set.SetValue("A", Num(10));
    EXPECT_EQ(set.GetValue("B")->Number(), 11);
    EXPECT_EQ(set.GetValue("C")->Number(), 110);
    EXPECT_TRUE(FormulasUseTheDocumentsVariables(set));
}

TEST_F(UndoHistoryTest, UndoOfANewValueBringsBackDependantsAndHoldersOutsideTheDocument) {
    const ValueRef outside = Make<TCalcOperatePlus>(Ref("C"), Num(100));  // the keypad's formula
    set.SetValue("A", Make<TCalcOperateDIV>(Num(1), Num(0)));
    EXPECT_EQ(set.GetValue("C")->CVType(), cvError);
    ASSERT_TRUE(history->Undo());
    EXPECT_EQ(set.GetValue("C")->Number(), 6);
    EXPECT_EQ(set.GetValue("C")->CVType(), cvNumber);
    EXPECT_EQ(outside->Number(), 106);
    ASSERT_TRUE(history->Redo());
    EXPECT_EQ(outside->CVType(), cvError);
}

TEST_F(UndoHistoryTest, AVariableOfASetThatIsGoneComesBackByNameAndNumber) {
    {
        TCalcVarsBase gone;
        gone.Add("Ext", Num(40));
        set.Add("E", Make<TCalcOperatePlus>(gone.GetValue("Ext")->MakeReference(), Num(2)));
    }
    const std::string before = DocumentText(set);
    set.SetValue("E", Num(0));
    ASSERT_TRUE(history->Undo());
    EXPECT_EQ(DocumentText(set), before);
    EXPECT_EQ(Formula("E"), "Ext+2");
}

// The rows a view shows, kept by the events alone as the variables view does.
struct RowMirror {
    explicit RowMirror(TCalcVarsBase& s) : set(s) {
        listener.OnChange = [this](std::uint8_t action, int index, TCalcValueWarper*,
                                   const std::string&) {
            if (action == vaAdded) rows.insert(rows.begin() + index, Name(index));
            if (action == vaDeleted) rows.erase(rows.begin() + index);
            if (action == vaCleared) rows.clear();
            if (action == vaItemChanged || action == vaTypeChanged) rows[index] = Name(index);
        };
        for (const auto& entry : set.Items())
            rows.push_back(entry->GetName());
        set.AddListener(&listener);
    }
    ~RowMirror() { set.RemoveListener(&listener); }
    std::string Name(int index) const { return set.Items()[index]->GetName(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        set.GetNames(names);
        return names;
    }
    TCalcVarsBase& set;
    TCalcVarsEventsObject listener;
    std::vector<std::string> rows;
};

TEST_F(UndoHistoryTest, UndoAndRedoRaiseTheEventsThatKeepAViewsRowsRight) {
    RowMirror mirror(set);
    RandomEdits edits(set, 7);
    for (int i = 0; i < 60; ++i)
        edits.Edit();
    while (history->Undo())
        ASSERT_EQ(mirror.rows, mirror.Names());
    while (history->Redo())
        ASSERT_EQ(mirror.rows, mirror.Names());
}

struct FlagCase {
    const char* sequence;  // e edit, u undo, r redo, s save
    const char* modified;  // the flag after each letter
};

TEST(UndoModifiedFlag, FollowsTheHistoryBackToTheSavedState) {
    const FlagCase cases[] = {
        {"eur", "101"},
        {"eesuur", "110111"},
        {"eesurr", "110100"},
        // A new change after undo drops the saved state with the redo branch.
        {"eesueuu", "1101111"},
        {"eueu", "1010"},
        {"seus", "0100"},
    };
    TempFolder folder;
    for (const FlagCase& c : cases) {
        SCOPED_TRACE(c.sequence);
        TCalcVarsBase set;
        TUndoHistory history(set);
        int added = 0;
        for (std::size_t i = 0; c.sequence[i]; ++i) {
            switch (c.sequence[i]) {
                case 'e':
                    ++added;
                    set.Add("V" + std::to_string(added), Num(added));
                    break;
                case 'u':
                    history.Undo();
                    break;
                case 'r':
                    history.Redo();
                    break;
                default:
                    ASSERT_TRUE(set.SaveToFile(folder.File("p.prg"), nullptr));
            }
            EXPECT_EQ(set.GetModified(), c.modified[i] == '1') << "after letter " << i;
        }
    }
}

TEST(UndoModifiedFlag, NewAndOpenClearTheHistory) {
    TempFolder folder;
    TCalcVars document;
    TUndoHistory history(document);
    document.Add("A", Num(1));
    ASSERT_TRUE(document.SaveToFile(folder.File("a.prg"), nullptr));
    document.Add("B", Num(2));
    document.New();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(document.GetModified());
    document.Add("C", Num(3));
    ASSERT_TRUE(document.LoadFromFile(folder.File("a.prg"), nullptr));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.StepCount(), 0u);
    // A load that fails before the set is touched keeps the history.
    document.Add("D", Num(4));
    EXPECT_FALSE(document.LoadFromFile(folder.File("missing.prg"), nullptr));
    EXPECT_TRUE(history.CanUndo());
}

TEST_F(UndoHistoryTest, AnEntryEditedInPlaceEndsTheHistoryItCannotUndoPast) {
    set.Add("E", Num(4));
    set.Find("E")->Description = "edited in place";
    set.Changed(set.Find("E"));
    EXPECT_FALSE(history->CanUndo());
    EXPECT_TRUE(set.GetModified());
}

TEST(UndoLimits, TheOldestStepsGoFirstAndTheNewestAlwaysStays) {
    TCalcVarsBase set;
    TUndoHistory history(set, TUndoLimits{3, std::size_t{1} << 20});
    for (int i = 0; i < 5; ++i)
        set.Add("V" + std::to_string(i), Num(i));
    EXPECT_EQ(history.StepCount(), 3u);
    while (history.Undo()) {
    }
    EXPECT_EQ(set.Count(), 2);
    EXPECT_TRUE(set.GetModified());  // the unmodified start is out of reach

    TCalcVarsBase big;
    TUndoHistory tight(big, TUndoLimits{1000, 1});
    big.Add("A", Num(1));
    big.Add("B", Num(2));
    EXPECT_EQ(tight.StepCount(), 1u);
    EXPECT_EQ(tight.UndoCaption(), "Add 'B'");
}

TEST_F(UndoHistoryTest, AChangeMadeByAListenerDuringUndoEndsTheHistory) {
    set.Add("E", Num(4));
    set.Add("F", Num(5));
    TCalcVarsEventsObject meddler;
    meddler.OnChange = [this](std::uint8_t action, int, TCalcValueWarper*, const std::string&) {
        if (action == vaDeleted) set.SetDescription("meddled");
    };
    set.AddListener(&meddler);
    ASSERT_TRUE(history->Undo());
    set.RemoveListener(&meddler);
    EXPECT_FALSE(history->CanUndo());
    EXPECT_FALSE(history->CanRedo());
    EXPECT_TRUE(set.GetModified());
}

TEST(UndoLifetime, EitherTheDocumentOrTheHistoryMayGoFirst) {
    auto set = std::make_unique<TCalcVars>();
    auto history = std::make_unique<TUndoHistory>(*set);
    set->Add("A", Num(1));
    set.reset();
    EXPECT_FALSE(history->Undo());
    history.reset();

    TCalcVarsBase other;
    {
        TUndoHistory brief(other);
        other.Add("A", Num(1));
    }
    EXPECT_TRUE(other.Add("B", Num(2)));
    EXPECT_EQ(other.EditRecorder(), nullptr);
}

TEST(UndoNotice, TheWindowHearsOfEveryChangeOfWhatCanBeUndone) {
    TempFolder folder;
    TCalcVars document;
    TUndoHistory history(document);
    int notices = 0;
    history.SetOnChange([&] { ++notices; });
    const std::function<void()> actions[] = {
        [&] { document.Add("A", Num(1)); },
        [&] { history.Undo(); },
        [&] { history.Redo(); },
        [&] { document.SaveToFile(folder.File("a.prg"), nullptr); },
        [&] {
            const TEditGroup group(&document, "Two");
            document.Add("B", Num(2));
            document.Add("C", Num(3));
        },
        [&] { document.New(); },
    };
    for (std::size_t i = 0; i < std::size(actions); ++i) {
        const int before = notices;
        actions[i]();
        EXPECT_GT(notices, before) << "action " << i;
    }
}

struct CaptionCase {
    std::vector<TEditLabel> labels;
    const char* caption;
};

TEST(UndoCaptions, NameTheStepByItsChanges) {
    const CaptionCase cases[] = {
        {{}, ""},
        {{{TVarsEdit::Delete, "Rate", ""}}, "Delete 'Rate'"},
        {{{TVarsEdit::Add, "", "X1"}}, "Add 'X1'"},
        {{{TVarsEdit::Rename, "A", "B"}}, "Rename 'A' to 'B'"},
        {{{TVarsEdit::Type, "A", ""}, {TVarsEdit::Type, "B", ""}}, "Set Type of 2 variables"},
        {{{TVarsEdit::Move, "A", ""}, {TVarsEdit::Move, "A", ""}}, "Move 'A'"},
        {{{TVarsEdit::Add, "", "A"}, {TVarsEdit::Delete, "B", ""}}, "Changes"},
        {{{TVarsEdit::Clear, "", ""}}, "Clear"},
    };
    for (const CaptionCase& c : cases)
        EXPECT_EQ(StepCaption(c.labels), c.caption);
}

TEST(UndoCaptions, MenuTextsShowAnAmpersandOfANameAsItIs) {
    EXPECT_EQ(UndoMenuText(""), "&Undo");
    EXPECT_EQ(RedoMenuText("Delete 'Rate'"), "&Redo Delete 'Rate'");
    EXPECT_EQ(UndoMenuText("Run 'R&D'"), "&Undo Run 'R&&D'");
}

}  // namespace
}  // namespace quillix::test
