// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/calc_vars_base.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/model/tree_builders.h"
#include "model/operate_binary.h"

namespace quillix::test {
namespace {

// Records every event a set raises.
struct EventLog {
    struct Event {
        std::uint8_t action;
        int index;
        bool hasEntry;
        std::string name;
        bool operator==(const Event& o) const {
            return std::tie(action, index, hasEntry, name) ==
                   std::tie(o.action, o.index, o.hasEntry, o.name);
        }
    };
    explicit EventLog(ICalcVarsBase& set) : set_(set) {
        listener.OnChange = [this](std::uint8_t action, int index, TCalcValueWarper* entry,
                                   const std::string& name) {
            events.push_back(Event{action, index, entry != nullptr, name});
        };
        set_.AddListener(&listener);
    }
    ~EventLog() { set_.RemoveListener(&listener); }

    ICalcVarsBase& set_;
    TCalcVarsEventsObject listener;
    std::vector<Event> events;
};

class VarsBase : public ModelTest {
  protected:
    // A refers to nothing, B = A + 1, C = B * 2.
    void AddChain() {
        ASSERT_TRUE(set.Add("A", Num(1)));
        ASSERT_TRUE(
            set.Add("B", Make<TCalcOperatePlus>(set.GetValue("A")->MakeReference(), Num(1))));
        ASSERT_TRUE(
            set.Add("C", Make<TCalcOperateMultis>(set.GetValue("B")->MakeReference(), Num(2))));
    }
    TCalcVarsBase set;
};

TEST_F(VarsBase, AddTrimsTheNameAndRefusesDuplicatesInAnyCase) {
    EventLog log(set);
    EXPECT_TRUE(set.Add(" x ", Num(1)));
    EXPECT_EQ(set.GetItems()[0]->GetName(), "x");
    EXPECT_TRUE(set.GetValue("x")->IsNamed());
    EXPECT_FALSE(set.Add(" X ", Num(2)));
    EXPECT_FALSE(set.Add("   ", Num(2)));
    EXPECT_FALSE(set.Add("y", nullptr));
    EXPECT_EQ(set.Count(), 1);
    EXPECT_TRUE(set.GetModified());
    EXPECT_EQ(log.events, (std::vector<EventLog::Event>{{vaAdded, 0, true, "x"}}));
    EXPECT_TRUE(set.Exists("  X"));
}

TEST_F(VarsBase, AddRefusesNamesThatCouldBreakALineOfOutput) {
    const std::string names[] = {"a\nb",     "x\ty",       std::string("a\0b", 3),
                                 "c\x1B[2J", "u\xC2\x85v", "bad\xFF"};
    for (const std::string& name : names) {
        EXPECT_FALSE(set.Add(name, Num(1))) << name;
    }
    EXPECT_EQ(set.Count(), 0);
    EXPECT_TRUE(set.Add("Zins\xC3\xA4tze", Num(1)));
}

TEST_F(VarsBase, SetValueKeepsTheDependencyOrder) {
    AddChain();
    // B may not use itself nor C, which stands after it.
    EXPECT_EQ(set.SetValue("B", Make<TCalcOperatePlus>(set.GetValue("b")->MakeReference(), Num(1))),
              nullptr);
    EXPECT_EQ(set.SetValue("B", set.GetValue("C")->MakeReference()), nullptr);
    EXPECT_EQ(set.SetValue("B", ValueRef(set.GetValue("A"))), nullptr);  // a variable's own value
    EXPECT_EQ(set.SetValue("Z", Num(1)), nullptr);
    EXPECT_EQ(set.GetValue("C")->Number(), 4);
    // A formula over earlier variables is taken, and every user follows at once.
    EventLog log(set);
    TCalcValue* b = set.GetValue("B");
    EXPECT_EQ(
        set.SetValue("b", Make<TCalcOperateMultis>(set.GetValue("A")->MakeReference(), Num(10))),
        b);
    EXPECT_EQ(set.GetValue("C")->Number(), 20);
    EXPECT_EQ(b->GetFormulaText(), "A*10");
    EXPECT_EQ(log.events, (std::vector<EventLog::Event>{{vaValueChanged, 1, true, "b"}}));
    // A change of A reaches B and C.
    set.SetValue("A", Num(3));
    EXPECT_EQ(set.GetValue("C")->Number(), 60);
}

TEST_F(VarsBase, DeleteLeavesTheUsersWithTheirNumbers) {
    AddChain();
    EventLog log(set);
    EXPECT_EQ(set.Delete(" b "), 1);
    EXPECT_EQ(set.GetValue("C")->Number(), 4);
    EXPECT_EQ(set.GetValue("C")->GetFormulaText(), "(A+1)*2");
    EXPECT_EQ(set.DeleteAt(0), 0);
    EXPECT_EQ(set.GetValue("C")->GetFormulaText(), "(1+1)*2");
    EXPECT_EQ(set.Delete("nothing"), -1);
    EXPECT_EQ(set.DeleteAt(5), -1);
    EXPECT_EQ(log.events, (std::vector<EventLog::Event>{{vaDeleted, 1, false, "b"},
                                                        {vaDeleted, 0, false, ""}}));
}

TEST_F(VarsBase, ClearRaisesOneEventAndKeepsHoldersAlive) {
    AddChain();
    ValueRef held = set.GetValue("C")->MakeReference();
    EventLog log(set);
    set.Clear();
    EXPECT_EQ(set.Count(), 0);
    EXPECT_EQ(held->Number(), 4);
    EXPECT_EQ(held->GetFormulaText(), "(1+1)*2");
    EXPECT_EQ(log.events, (std::vector<EventLog::Event>{{vaCleared, -1, false, ""}}));
}

TEST_F(VarsBase, MoveUpRefusesToPassADependency) {
    AddChain();
    ASSERT_TRUE(set.Add("D", Num(7)));
    EventLog log(set);
    EXPECT_FALSE(set.MoveUp(2));  // C uses B
    EXPECT_FALSE(set.MoveUp(0));
    EXPECT_FALSE(set.MoveUp(4));
    EXPECT_TRUE(log.events.empty());
    EXPECT_TRUE(set.MoveUp(3));  // D uses nothing
    EXPECT_EQ(set.GetItems()[2]->GetName(), "D");
    EXPECT_EQ(log.events, (std::vector<EventLog::Event>{{vaItemChanged, 3, true, "C"},
                                                        {vaItemChanged, 2, true, "D"}}));
}

TEST_F(VarsBase, TypesDescriptionsAndTheModifiedFlag) {
    EXPECT_FALSE(set.GetModified());
    ASSERT_TRUE(set.Add("A", Num(1)));
    EventLog log(set);
    set.SetValueType("a", wtInput);
    set.SetValueTypeAt(0, wtOutput);
    set.SetValueType("missing", wtInput);
    set.Changed(set.Find("A"));
    set.SetDescription("text");
    EXPECT_EQ(set.Find("A")->Type, wtOutput);
    EXPECT_EQ(set.GetDescription(), "text");
    EXPECT_EQ(log.events, (std::vector<EventLog::Event>{{vaTypeChanged, 0, true, "a"},
                                                        {vaTypeChanged, 0, true, "A"},
                                                        {vaItemChanged, 0, true, "A"}}));
}

TEST_F(VarsBase, ClonesShareTheValues) {
    AddChain();
    set.SetDescription("chain");
    std::unique_ptr<TCalcVarsBase> clone = set.Clone();
    EXPECT_FALSE(clone->GetModified());
    EXPECT_EQ(clone->GetDescription(), "chain");
    EXPECT_EQ(clone->GetValue("B"), set.GetValue("B"));
    clone->ResetTypes();
    clone->MarkInput("A", "  ");
    clone->MarkOutput("C", "result");
    EXPECT_EQ(clone->Find("A")->Type, wtInput);
    EXPECT_EQ(set.Find("A")->Type, wtNormal);
    EXPECT_EQ(clone->Find("C")->Description, "result");
    clone.reset();  // the values stay with the set
    EXPECT_EQ(set.GetValue("C")->Number(), 4);
    EXPECT_TRUE(set.GetValue("C")->IsNamed());
}

TEST_F(VarsBase, RecalcAllSkipsInputsAndVisitsEachValueOnce) {
    AddChain();
    set.SetValueType("A", wtInput);
    set.GetValue("A")->SetNumber(5);  // an input takes a number without telling anyone
    const std::uint64_t before = TCalcValue::EvaluationCount();
    set.RecalcAll();
    EXPECT_EQ(set.GetValue("C")->Number(), 12);
    // B, C and their two reference values: each once.
    EXPECT_EQ(TCalcValue::EvaluationCount() - before, 4u);
}

TEST_F(VarsBase, ALongChainRecalculatesLinearly) {
    const int count = 20000;
    ASSERT_TRUE(set.Add("V0", Num(1)));
    for (int i = 1; i < count; ++i) {
        ValueRef previous = set.GetValue("V" + std::to_string(i - 1))->MakeReference();
        ASSERT_TRUE(set.Add("V" + std::to_string(i), Make<TCalcOperatePlus>(previous, Num(1))));
    }
    const std::uint64_t before = TCalcValue::EvaluationCount();
    set.RecalcAll();
    EXPECT_EQ(TCalcValue::EvaluationCount() - before, static_cast<std::uint64_t>(2 * (count - 1)));
    set.SetValue("V0", Num(2));
    EXPECT_EQ(set.GetValue("V" + std::to_string(count - 1))->Number(), count + 1);
}

TEST_F(VarsBase, DeleteByTheEntrysOwnNameReportsThatName) {
    AddChain();
    EventLog log(set);
    EXPECT_EQ(set.Delete(set.GetItems()[2]->GetName()), 2);
    EXPECT_EQ(log.events, (std::vector<EventLog::Event>{{vaDeleted, 2, false, "C"}}));
}

TEST_F(VarsBase, RenameIsShownInTheFormulasThatUseTheVariable) {
    AddChain();
    struct Case {
        int index;
        const char* name;
        bool renamed;
    };
    const Case cases[] = {{0, " Rate ", true}, {0, "b", false}, {0, "", false},
                          {0, "a\nb", false},  {9, "Z", false}, {1, "b", true}};
    for (const Case& c : cases)
        EXPECT_EQ(set.Rename(c.index, c.name), c.renamed) << c.name;
    EXPECT_EQ(set.GetItems()[0]->GetName(), "Rate");
    EXPECT_EQ(set.GetItems()[1]->GetName(), "b");
    EXPECT_TRUE(set.Exists("RATE"));
    EXPECT_FALSE(set.Exists("A"));
    EXPECT_EQ(set.GetValue("C")->GetFormulaText(), "b*2");

    EventLog log(set);
    EXPECT_TRUE(set.Rename(0, "A"));
    // The entry, then the one formula that shows the name.
    EXPECT_EQ(log.events, (std::vector<EventLog::Event>{{vaItemChanged, 0, true, "A"},
                                                        {vaItemChanged, 1, true, "b"}}));
}

TEST_F(VarsBase, SetPropertiesChangesRoleAndDescriptionInOneEvent) {
    AddChain();
    EventLog log(set);
    set.SetProperties(1, wtOutput, "two lines\r\nof text");
    EXPECT_EQ(set.GetItems()[1]->Type, wtOutput);
    EXPECT_EQ(set.GetItems()[1]->Description, "two lines\r\nof text");
    EXPECT_TRUE(set.GetModified());
    EXPECT_EQ(log.events, (std::vector<EventLog::Event>{{vaItemChanged, 1, true, "B"}}));
}

TEST_F(VarsBase, AListenerMayRemoveItselfWhileNotified) {
    TCalcVarsEventsObject first, second;
    int secondCalls = 0;
    first.OnChange = [&](std::uint8_t, int, TCalcValueWarper*, const std::string&) {
        set.RemoveListener(&first);
    };
    second.OnChange = [&](std::uint8_t, int, TCalcValueWarper*, const std::string&) {
        ++secondCalls;
    };
    set.AddListener(&first);
    set.AddListener(&second);
    set.Add("A", Num(1));
    set.Add("B", Num(1));
    EXPECT_EQ(secondCalls, 2);
    set.RemoveListener(&second);
}

}  // namespace
}  // namespace quillix::test
