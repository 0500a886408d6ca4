// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation stack: who keeps a value alive, what Clear and ApplyPending
// change, and the registration with the program document.

#include "engine/calc_stack.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/calc_operate.h"
#include "model/formula_writer.h"
#include "model/operate_ref.h"
#include "support/idle_calc_vars.h"
#include "support/node_builder.h"

namespace quillix {
namespace {

// A tree root that reports when its value is destroyed (a value destroys its
// tree with itself), so that lifetimes can be seen without touching freed
// memory.
class ProbeNode final : public TCalcOperate {
  public:
    explicit ProbeNode(int* destroyed) : destroyed_(destroyed) {}
    ~ProbeNode() override { ++*destroyed_; }
    const char* ClassName() const override { return "Probe"; }
    long double Calculate(std::uint8_t& kind) override {
        kind = cvNumber;
        return 42;
    }
    void AppendFormula(FormulaWriter& writer) const override { writer.Text("probe"); }
    std::unique_ptr<TCalcOperate> Clone() const override {
        return std::make_unique<ProbeNode>(destroyed_);
    }

  private:
    int* destroyed_;
};

ValueRef Probe(int* destroyed) {
    return test::ValueOf(std::make_unique<ProbeNode>(destroyed));
}

TEST(CalcStack, StartsWithZeroAndNothingWaiting) {
    TCalcStack stack;
    ASSERT_TRUE(stack.X);
    EXPECT_TRUE(stack.X->IsEmpty());
    EXPECT_EQ(stack.Values.Count(), 0);
    EXPECT_EQ(stack.Ops.Count(), 0);
    EXPECT_EQ(stack.Pending, ccNone);
}

TEST(CalcStack, AValueHeldInXAndInASlotLivesUntilBothLetGo) {
    int destroyed = 0;
    TCalcStack stack;
    stack.X = Probe(&destroyed);
    stack.Values.Push(stack.X);
    stack.Values.Push(stack.X);
    stack.ReleaseValue(stack.X);
    EXPECT_EQ(destroyed, 0);
    ValueRef slot = stack.Values.Pop();
    stack.ReleaseValue(slot);
    EXPECT_EQ(destroyed, 0);
    stack.Values.SetItem(0, nullptr);
    EXPECT_EQ(destroyed, 1);
}

TEST(CalcStack, ClearReleasesAValueHeldTwiceOnce) {
    int destroyed = 0;
    TCalcStack stack;
    stack.X = Probe(&destroyed);
    stack.Values.Push(stack.X);
    stack.Values.Push(TCalcValue::New(7));
    stack.Ops.Push(ccMultiply);
    stack.Pending = ccPlus;
    stack.Clear();
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(stack.X->IsEmpty());
    EXPECT_EQ(stack.Values.Count(), 0);
    EXPECT_EQ(stack.Ops.Count(), 0);
    EXPECT_EQ(stack.Pending, ccNone);
}

TEST(CalcStack, ClearLeavesANamedValueWithItsOwner) {
    int destroyed = 0;
    ValueRef variable = Probe(&destroyed);  // what the variable set keeps
    variable->SetName("A");
    TCalcStack stack;
    stack.X = variable;
    stack.Values.Push(variable);
    stack.Clear();
    EXPECT_EQ(destroyed, 0);
    EXPECT_TRUE(variable->IsNamed());
    EXPECT_EQ(variable->Number(), 42);
    variable.reset();
    EXPECT_EQ(destroyed, 1);
}

TEST(CalcStack, AValueInATreeOutlivesItsSlot) {
    int destroyed = 0;
    TCalcStack stack;
    stack.X = Probe(&destroyed);
    stack.ReferenceX();
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(stack.X->GetFormulaText(), "probe");
    EXPECT_EQ(stack.X->Number(), 42);
    stack.Clear();
    EXPECT_EQ(destroyed, 1);
}

TEST(CalcStack, PushXLiftsXOntoTheValues) {
    TCalcStack stack;
    const ValueRef old = stack.X;
    stack.PushX();
    EXPECT_FALSE(stack.X);
    ASSERT_EQ(stack.Values.Count(), 1);
    EXPECT_EQ(stack.Values.Peek(), old);
}

TEST(CalcStack, ApplyPendingCombinesTheTopWithX) {
    TCalcStack stack;
    stack.Values.Push(TCalcValue::New(1));
    stack.Values.Push(TCalcValue::New(8));
    stack.X = TCalcValue::New(3);
    stack.Pending = ccMinus;
    stack.ApplyPending();
    EXPECT_EQ(stack.X->Number(), 5);
    EXPECT_EQ(stack.X->GetFormulaText(), "8-3");
    EXPECT_EQ(stack.Values.Count(), 1);
    EXPECT_EQ(stack.Pending, ccNone);
}

TEST(CalcStack, ApplyPendingChangesNothingWithoutBothOperands) {
    TCalcStack stack;
    stack.X = TCalcValue::New(3);
    const ValueRef x = stack.X;
    stack.Pending = ccPlus;
    stack.ApplyPending();  // no left operand
    EXPECT_EQ(stack.X, x);
    EXPECT_EQ(stack.Pending, ccPlus);

    stack.Values.Push(TCalcValue::New(2));
    stack.Pending = ccNone;
    stack.ApplyPending();  // no operator
    EXPECT_EQ(stack.X, x);
    EXPECT_EQ(stack.Values.Count(), 1);
}

// A program document that only records the stacks that register with it.
class FakeProgramDocument : public test::IdleCalcVars {
  public:
    MOCK_METHOD(void, AddStack, (ICalcXStack*), (override));
    MOCK_METHOD(void, RemoveStack, (ICalcXStack*), (override));
};

// Publishes a document for the test's lifetime.
class PublishedDocument {
  public:
    PublishedDocument() { SetCalcVarsIntf(&document); }
    ~PublishedDocument() { SetCalcVarsIntf(nullptr); }
    ::testing::StrictMock<FakeProgramDocument> document;
};

TEST(CalcStackRegistration, RegistersWithThePublishedDocumentAndLeavesIt) {
    PublishedDocument published;
    ICalcXStack* registered = nullptr;
    EXPECT_CALL(published.document, AddStack(::testing::NotNull()))
        .WillOnce(::testing::SaveArg<0>(&registered));
    auto stack = std::make_unique<TCalcStack>();
    ::testing::Mock::VerifyAndClearExpectations(&published.document);
    EXPECT_CALL(published.document, RemoveStack(::testing::Eq(registered)));
    stack.reset();
}

TEST(CalcStackRegistration, TwoStacksRegisterTwoObjects) {
    PublishedDocument published;
    std::vector<ICalcXStack*> registered;
    EXPECT_CALL(published.document, AddStack(::testing::_))
        .Times(2)
        .WillRepeatedly([&](ICalcXStack* s) { registered.push_back(s); });
    EXPECT_CALL(published.document, RemoveStack(::testing::_)).Times(2);
    TCalcStack first;
    TCalcStack second;
    ASSERT_EQ(registered.size(), 2u);
    EXPECT_NE(registered[0], registered[1]);
}

TEST(CalcStackRegistration, NoDocumentNoRegistration) {
    auto stack = std::make_unique<TCalcStack>();
    PublishedDocument published;  // published only after the stack was made
    EXPECT_CALL(published.document, RemoveStack(::testing::_)).Times(0);
    stack.reset();
}

TEST(CalcStackRegistration, ADocumentGoneBeforeTheStackIsNotTouched) {
    auto published = std::make_unique<PublishedDocument>();
    EXPECT_CALL(published->document, AddStack(::testing::_));
    TCalcStack stack;
    published.reset();  // the document went first; the stack's end must not reach it
}

}  // namespace
}  // namespace quillix
