// SPDX-License-Identifier: GPL-3.0-or-later
// The tape between runs: what one run writes the next finds, and inserts as
// recalling it would; with "KeepTape" off nothing reaches the disk; Clear Tape
// empties the file too; a write that fails is reported and tried again.

#include "tape/tape_keeper.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/diag_note.h"
#include "core/engine/engine_keys.h"
#include "engine/engine_readback.h"
#include "support/temp_folder.h"
#include "tape/tape_file.h"
#include "tape/tape_recall.h"
#include "tape/tape_recorder.h"
#include "vars/calc_vars.h"

namespace quillix::test {
namespace {

// One run of the calculator: an engine, its tape, the recorder and the keeper.
struct Session {
    explicit Session(const std::string& home, bool keep = true)
        : recorder(engine, tape), keeper(tape, TapeFilePath(home)) {
        keeper.Start(keep);
    }
    TCalcEngine engine;
    TTape tape;
    TTapeRecorder recorder;
    TTapeKeeper keeper;
};

class TapeKeeper : public EngineTest {
  protected:
    TempFolder home;
};

TEST_F(TapeKeeper, TheNextRunFindsTheTapeAndInsertsItsLines) {
    {
        TCalcVars document;
        ASSERT_TRUE(document.Add("A", TCalcValue::New(10)));
        Session first(home.Path());
        Press(first.engine, "2 + 3 =");
        Recall(first.engine, ValueRef(document.GetValue("A")));
        Press(first.engine, "+ 1 = 1 / 0 =");
        EXPECT_TRUE(first.keeper.NeedsSave());
        ASSERT_TRUE(first.keeper.Save());
        EXPECT_FALSE(first.keeper.NeedsSave());
    }
    Session second(home.Path());
    ASSERT_EQ(TapeText(second.tape), "2+3 = 5\nA+1 = 11\n1/0 = Floating point division by zero\n");
    EXPECT_FALSE(second.keeper.NeedsSave());  // the file holds what it read

    // A line's formula reads again: with today's A, or as its number when A is gone.
    TCalcVars document;
    ASSERT_TRUE(document.Add("A", TCalcValue::New(20)));
    InsertTapeLine(second.engine, second.tape, 1, &document);
    EXPECT_EQ(ExpressionText(second.engine), "A+1");
    EXPECT_EQ(DisplayText(second.engine), "21");
    EXPECT_EQ(second.tape.Count(), 3);  // inserting makes no line
    TTape& tape = second.tape;
    const ValueRef once = TapeLineValue(tape, 1, &document);
    EXPECT_EQ(TapeLineValue(tape, 1, &document), once);

    // In another calculation: the line's value as it was first rebuilt.
    TCalcEngine other;
    InsertTapeLine(other, tape, 1, nullptr);
    EXPECT_EQ(DisplayText(other), "21");
    InsertTapeLine(other, tape, 2, nullptr);
    EXPECT_EQ(DisplayText(other), "Floating point division by zero");
    Session third(home.Path());
    TCalcEngine engine;
    InsertTapeLine(engine, third.tape, 1, nullptr);  // no A any more
    EXPECT_EQ(DisplayText(engine), "11");
    EXPECT_EQ(ExpressionText(engine), "11");
}

TEST_F(TapeKeeper, WithKeepTapeOffNothingIsReadOrWritten) {
    home.Write("tape.xml", R"(<Tape Version="1"><Line Time="1" Kind="0" Number="5" Shown="5" )"
                           R"(Formula="2+3"/></Tape>)");
    const std::string earlier = home.Read("tape.xml");
    Session run(home.Path(), false);
    EXPECT_EQ(run.tape.Count(), 0);
    Press(run.engine, "2 * 4 =");
    EXPECT_EQ(run.tape.Count(), 1);
    EXPECT_FALSE(run.keeper.NeedsSave());
    EXPECT_TRUE(run.keeper.Save());
    EXPECT_EQ(home.Read("tape.xml"), earlier);

    // On: this run's tape is written; off again: the file goes.
    run.keeper.SetKeep(true);
    ASSERT_TRUE(run.keeper.Save());
    EXPECT_EQ(Session(home.Path()).tape.Count(), 1);
    run.keeper.SetKeep(false);
    EXPECT_FALSE(home.Exists("tape.xml"));
    Press(run.engine, "+ 1 =");
    run.keeper.Save();
    EXPECT_FALSE(home.Exists("tape.xml"));
}

TEST_F(TapeKeeper, ClearTapeEmptiesTheFileToo) {
    Session run(home.Path());
    Press(run.engine, "2 + 3 =");
    ASSERT_TRUE(run.keeper.Save());
    ASSERT_TRUE(home.Exists("tape.xml"));
    run.keeper.ClearTape();
    EXPECT_EQ(run.tape.Count(), 0);
    EXPECT_FALSE(home.Exists("tape.xml"));
    EXPECT_EQ(Session(home.Path()).tape.Count(), 0);
}

TEST_F(TapeKeeper, WhatCouldBeReadOfADamagedFileIsWrittenBack) {
    home.Write("tape.xml", R"(<Tape Version="1"><Line Time="1" Kind="0" Number="5" Shown="5" )"
                           R"(Formula="2+3"/><Line/></Tape>)");
    Session run(home.Path());
    EXPECT_EQ(run.tape.Count(), 1);
    EXPECT_TRUE(run.keeper.NeedsSave());
    ASSERT_TRUE(run.keeper.Save());
    EXPECT_EQ(home.Listing(), (std::vector<std::string>{"tape.xml", "tape.xml.bad"}));
    EXPECT_EQ(Session(home.Path()).tape.Count(), 1);
}

TEST_F(TapeKeeper, AFailedWriteIsReportedOnceAndTriedAgain) {
    std::vector<std::string> notes;
    SetDiagNoteReceiver([&notes](std::string_view line) { notes.emplace_back(line); });
    Session run(home.Path());
    Press(run.engine, "2 + 3 =");
    home.MakeDir("tape.xml");  // in the way of the rename
    home.Write("tape.xml/inside");
    std::string error;
    EXPECT_FALSE(run.keeper.Save(&error));
    EXPECT_FALSE(run.keeper.Save());
    EXPECT_NE(error.find("Cannot write"), std::string::npos) << error;
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], "The tape was not kept: " + error);
    EXPECT_TRUE(run.keeper.NeedsSave());
    std::filesystem::remove_all(home.File("tape.xml"));
    EXPECT_TRUE(run.keeper.Save());
    EXPECT_EQ(Session(home.Path()).tape.Count(), 1);
    SetDiagNoteReceiver({});
}

}  // namespace
}  // namespace quillix::test
