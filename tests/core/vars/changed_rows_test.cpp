// SPDX-License-Identifier: GPL-3.0-or-later
// The rows selected after an undo or redo: each user action is done, then
// undone or redone while the events of the document are noted, as the
// variables view notes them.

#include "vars/changed_rows.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/model/tree_builders.h"
#include "core/vars/undo_test_support.h"
#include "vars/edit_group.h"
#include "vars/undo_history.h"

namespace quillix::test {
namespace {

class ChangedRowsTest : public ModelTest {
  protected:
    // A = 2, B = A + 1, C = 3, D = 7, with an empty history.
    void Build() {
        set.Add("A", Num(2));
        set.Add("B", Make<TCalcOperatePlus>(set.GetValue("A")->MakeReference(), Num(1)));
        set.Add("C", Num(3));
        set.Add("D", Num(7));
        history = std::make_unique<TUndoHistory>(set);
        listener.OnChange = [this](std::uint8_t action, int index, TCalcValueWarper*,
                                   const std::string&) { rows.Note(action, index); };
        set.AddListener(&listener);
    }
    void Finish() {
        set.RemoveListener(&listener);
        history.reset();
        set.Clear();
    }
    std::vector<int> Undone() {
        rows = {};
        EXPECT_TRUE(history->Undo());
        return rows.Rows(set.Count());
    }
    std::vector<int> Redone() {
        rows = {};
        EXPECT_TRUE(history->Redo());
        return rows.Rows(set.Count());
    }

    TCalcVarsBase set;
    std::unique_ptr<TUndoHistory> history;
    TCalcVarsEventsObject listener;
    TChangedRows rows;
};

struct SelectionCase {
    const char* action;
    std::function<void(TCalcVarsBase&)> run;
    std::vector<int> afterUndo;
    std::vector<int> afterRedo;
};

TEST_F(ChangedRowsTest, UndoAndRedoSelectTheRowsTheyChanged) {
    const SelectionCase cases[] = {
        {"delete the second", [](TCalcVarsBase& s) { s.DeleteAt(1); }, {1}, {1}},
        {"delete the last", [](TCalcVarsBase& s) { s.DeleteAt(3); }, {3}, {2}},
        {"add at the end", [](TCalcVarsBase& s) { s.Add("E", Num(1)); }, {3}, {4}},
        {"new value of the first, its user recalculated",
         [](TCalcVarsBase& s) { s.SetValue("A", Num(9)); },
         {0},
         {0}},
        {"rename shown in a formula", [](TCalcVarsBase& s) { s.Rename(0, "Rate"); }, {0}, {0}},
        {"role", [](TCalcVarsBase& s) { s.SetValueTypeAt(2, wtOutput); }, {2}, {2}},
        {"clear", [](TCalcVarsBase& s) { s.Clear(); }, {0, 1, 2, 3}, {}},
        {"delete two in one step",
         [](TCalcVarsBase& s) {
             const TEditGroup group(&s, "");
             s.DeleteAt(3);
             s.DeleteAt(0);
         },
         {0, 3},
         {0}},
    };
    for (const SelectionCase& c : cases) {
        SCOPED_TRACE(c.action);
        Build();
        c.run(set);
        EXPECT_EQ(Undone(), c.afterUndo);
        EXPECT_EQ(Redone(), c.afterRedo);
        Finish();
    }
}

TEST_F(ChangedRowsTest, RowsNotedBeforeAnInsertionOrADeletionMoveWithIt) {
    struct Event {
        std::uint8_t action;
        int index;
    };
    const struct {
        const char* name;
        std::vector<Event> events;
        int count;
        std::vector<int> rows;
    } cases[] = {
        {"added, then one inserted before it", {{vaAdded, 2}, {vaAdded, 0}}, 5, {0, 3}},
        {"added, then one before it removed", {{vaAdded, 2}, {vaDeleted, 0}}, 3, {1}},
        {"added, then removed again", {{vaAdded, 2}, {vaDeleted, 2}}, 2, {1}},
        {"changed, then one before it removed", {{vaItemChanged, 3}, {vaDeleted, 1}}, 3, {2}},
        {"the first change wins", {{vaItemChanged, 3}, {vaItemChanged, 1}}, 4, {3}},
        {"added beats changed", {{vaItemChanged, 3}, {vaAdded, 1}}, 5, {1}},
        {"removed from an emptied set", {{vaDeleted, 0}}, 0, {}},
        {"a change outside the set", {{vaItemChanged, 9}}, 4, {}},
        {"no row events", {{vaSaved, -1}, {vaLoaded, -1}}, 4, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TChangedRows noted;
        for (const Event& event : c.events)
            noted.Note(event.action, event.index);
        EXPECT_EQ(noted.Rows(c.count), c.rows);
    }
}

}  // namespace
}  // namespace quillix::test
