// SPDX-License-Identifier: GPL-3.0-or-later
// The tape's lines: the bound of 1,000 with the oldest dropped, what its
// listeners hear (in the order a list model must announce it) and the texts
// that copying gives.

#include "tape/tape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillix::test {
namespace {

TTapeEntry Line(int n) {
    TTapeEntry entry;
    entry.Formula = std::to_string(n) + "+0";
    entry.Shown = std::to_string(n);
    entry.Number = n;
    entry.Time = n;
    return entry;
}

// Records what a listener hears, and the count the tape has when it hears it.
struct Heard {
    std::vector<std::string> events;
    TTapeListener listener;

    explicit Heard(const TTape& tape) {
        auto text = [&tape](const char* when, const TTapeChange& change) {
            static const char* const kinds[] = {"appended", "dropped", "reset"};
            return std::string(when) + " " + kinds[change.What] + " " +
                   std::to_string(change.First) + "+" + std::to_string(change.Count) + " at " +
                   std::to_string(tape.Count());
        };
        listener.BeforeChange = [this, text](const TTapeChange& c) {
            events.push_back(text("before", c));
        };
        listener.AfterChange = [this, text](const TTapeChange& c) {
            events.push_back(text("after", c));
        };
    }
};

TEST(Tape, KeepsTheNewestThousandLines) {
    TTape tape;
    for (int n = 1; n <= kTapeLimit; ++n)
        tape.Add(Line(n));
    ASSERT_EQ(tape.Count(), kTapeLimit);
    Heard heard(tape);
    tape.AddListener(&heard.listener);
    tape.Add(Line(1001));
    EXPECT_EQ(tape.Count(), kTapeLimit);
    EXPECT_EQ(tape.At(0).Shown, "2");
    EXPECT_EQ(tape.At(kTapeLimit - 1).Shown, "1001");
    // The oldest goes before the newest comes, each announced around its change.
    EXPECT_EQ(heard.events, (std::vector<std::string>{
                                "before dropped 0+1 at 1000", "after dropped 0+1 at 999",
                                "before appended 999+1 at 999", "after appended 999+1 at 1000"}));
    tape.RemoveListener(&heard.listener);
    tape.Add(Line(1002));
    EXPECT_EQ(heard.events.size(), 4u);
}

TEST(Tape, ARestoredTapeKeepsItsNewestLinesInOrder) {
    TTape tape;
    tape.Add(Line(7));
    std::vector<TTapeEntry> earlier;
    for (int n = 1; n <= kTapeLimit + 5; ++n)
        earlier.push_back(Line(n));
    Heard heard(tape);
    tape.AddListener(&heard.listener);
    tape.Replace(std::move(earlier));
    ASSERT_EQ(tape.Count(), kTapeLimit);
    EXPECT_EQ(tape.At(0).Shown, "6");
    EXPECT_EQ(tape.At(kTapeLimit - 1).Shown, "1005");
    EXPECT_EQ(heard.events,
              (std::vector<std::string>{"before reset 0+0 at 1", "after reset 0+0 at 1000"}));
    const std::uint64_t revision = tape.Revision();
    tape.Clear();
    EXPECT_EQ(tape.Count(), 0);
    EXPECT_NE(tape.Revision(), revision);
    tape.RemoveListener(&heard.listener);
}

TEST(Tape, TextsForCopyingAndTheValuesOfItsLines) {
    TTape tape;
    EXPECT_EQ(TapeText(tape), "");
    TTapeEntry sum = Line(5);
    sum.Formula = "2+3";
    sum.Value = TCalcValue::New(5);
    const TCalcValue* held = sum.Value.get();
    tape.Add(std::move(sum));
    tape.Add(Line(1));
    EXPECT_EQ(TapeLineText(tape.At(0)), "2+3 = 5");
    EXPECT_EQ(TapeText(tape), "2+3 = 5\n1+0 = 1\n");
    EXPECT_TRUE(tape.Holds(held));
    EXPECT_FALSE(tape.Holds(nullptr));  // the line without a value
    const ValueRef rebuilt = TCalcValue::New(1);
    EXPECT_FALSE(tape.Holds(rebuilt.get()));
    tape.SetValue(1, rebuilt);
    EXPECT_TRUE(tape.Holds(rebuilt.get()));
}

}  // namespace
}  // namespace quillix::test
