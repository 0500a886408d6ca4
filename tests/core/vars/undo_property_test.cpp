// SPDX-License-Identifier: GPL-3.0-or-later
// Random documents and random edits of every kind: undoing everything gives
// back the original document byte for byte, redoing everything the final one;
// and undo, redo and new edits interleaved agree with a simple model (a list of
// states, a position in it and the state last saved).

#include <gtest/gtest.h>

#include <optional>

#include "core/model/tree_builders.h"
#include "core/vars/undo_test_support.h"
#include "support/temp_folder.h"
#include "vars/undo_history.h"

namespace quillix::test {
namespace {

class UndoProperty : public ModelTest {};

TEST_F(UndoProperty, UndoingEverythingGivesTheOriginalAndRedoingEverythingTheFinal) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TCalcVarsBase set;
        RandomEdits edits(set, seed);
        for (int i = 0; i < 12; ++i)
            edits.Edit();
        const std::string original = DocumentText(set);
        TUndoHistory history(set);
        int steps = 0;
        for (int i = 0; i < 40; ++i)
            steps += edits.Edit() ? 1 : 0;
        const std::string final = DocumentText(set);
        ASSERT_EQ(history.Position(), static_cast<std::size_t>(steps));

        while (history.Undo()) {
            ASSERT_TRUE(FormulasUseTheDocumentsVariables(set));
        }
        ASSERT_EQ(DocumentText(set), original);
        while (history.Redo()) {
        }
        ASSERT_EQ(DocumentText(set), final);
        ASSERT_TRUE(FormulasUseTheDocumentsVariables(set));
    }
}

// The model: the states in order, the position, and where the saved state is.
struct HistoryModel {
    std::vector<std::string> states;
    std::size_t position = 0;
    std::optional<std::size_t> saved;

    void Edited(std::string state) {
        states.resize(position + 1);
        if (saved && *saved > position) saved.reset();
        states.push_back(std::move(state));
        ++position;
    }
};

TEST_F(UndoProperty, InterleavedUndoRedoAndEditsFollowAModel) {
    TempFolder folder;
    for (unsigned seed = 100; seed < 130; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TCalcVarsBase set;
        RandomEdits edits(set, seed);
        for (int i = 0; i < 8; ++i)
            edits.Edit();
        ASSERT_TRUE(set.SaveToFile(folder.File("start.prg"), nullptr));
        TUndoHistory history(set);
        HistoryModel model{{DocumentText(set)}, 0, 0};
        for (int i = 0; i < 120; ++i) {
            const int choice = edits.Below(100);
            if (choice < 55) {
                if (edits.Edit()) model.Edited(DocumentText(set));
            } else if (choice < 75) {
                ASSERT_EQ(history.Undo(), model.position > 0);
                if (model.position > 0) --model.position;
            } else if (choice < 93) {
                ASSERT_EQ(history.Redo(), model.position + 1 < model.states.size());
                if (model.position + 1 < model.states.size()) ++model.position;
            } else {
                ASSERT_TRUE(set.SaveToFile(folder.File("saved.prg"), nullptr));
                model.saved = model.position;
            }
            ASSERT_EQ(DocumentText(set), model.states[model.position]) << "operation " << i;
            ASSERT_EQ(set.GetModified(), model.saved != model.position) << "operation " << i;
        }
    }
}

}  // namespace
}  // namespace quillix::test
