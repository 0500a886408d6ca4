// SPDX-License-Identifier: GPL-3.0-or-later
// The nodes that apply catalogue functions: one-argument nodes, multi-argument
// nodes with their owned lists, and the class-name factory.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "functions/func_catalogue.h"
#include "functions/func_date.h"
#include "model/operate_binary.h"
#include "model/operate_factory.h"
#include "model/operate_func.h"
#include "model/operate_ref.h"
#include "tree_builders.h"

namespace quillix::test {
namespace {

constexpr std::uint8_t kSqrt = 1;
constexpr std::uint8_t kSin = 17;
constexpr std::uint8_t kHypot = 23;
constexpr std::uint8_t kToday = 42;
constexpr std::uint8_t kNPV = 78;
constexpr std::uint8_t kSum = 80;
constexpr std::uint8_t kCase = 91;

ValueRef Func(std::uint8_t funcId, ValueRef operand) {
    return ValueOver(std::make_unique<TCalcOperateFunc>(funcId), {std::move(operand)});
}

using Values = std::vector<ValueRef>;

// A multi-argument node over plain operands and up to two lists; a list given
// as nothing stays absent.
struct MultiShape {
    std::uint8_t funcId;
    Values args;
    const Values* array1 = nullptr;
    const Values* array2 = nullptr;
};

std::unique_ptr<TCalcOperateMultiFunc> MultiNode(const MultiShape& shape) {
    auto node = std::make_unique<TCalcOperateMultiFunc>(shape.funcId);
    for (const ValueRef& arg : shape.args)
        node->AddOperand(arg);
    if (shape.array1) {
        node->EnsureArray1();
        for (const ValueRef& element : *shape.array1)
            node->AddArray1Element(element);
    }
    if (shape.array2) {
        node->EnsureArray2();
        for (const ValueRef& element : *shape.array2)
            node->AddArray2Element(element);
    }
    return node;
}

ValueRef Multi(const MultiShape& shape) {
    return ValueOf(MultiNode(shape));
}

Values Nums(std::initializer_list<long double> numbers) {
    Values values;
    for (const long double x : numbers)
        values.push_back(Num(x));
    return values;
}

const TCalcOperateMultiFunc& MultiOf(const ValueRef& value) {
    return dynamic_cast<const TCalcOperateMultiFunc&>(*value->Operate());
}

CivilDate FixedToday() {
    return CivilDate{2024, 2, 29};
}

class FunctionNodes : public ModelTest {
  protected:
    void TearDown() override {
        funcs::SetTodayClock(nullptr);
        ModelTest::TearDown();
    }
};

TEST_F(FunctionNodes, OneArgumentNodesApplyTheCatalogueFunction) {
    struct Row {
        ValueRef value;
        long double number;
        const char* formula;
    };
    const Row rows[] = {
        {Func(kSqrt, Num(2)), 1.41421356237309504880L, "Sqrt(2)"},
        {Func(kSqrt, Make<TCalcOperatePlus>(Num(7), Num(2))), 3, "Sqrt(7+2)"},
        {Func(kSin, Num(0)), 0, "Sin(0)"},
        {Func(kSqrt, Var("A", Num(16))), 4, "Sqrt(A)"},
        {Func(kSqrt, Func(kSqrt, Num(81))), 3, "Sqrt(Sqrt(81))"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.formula);
        EXPECT_EQ(row.value->CVType(), cvNumber);
        EXPECT_NEAR(static_cast<double>(row.value->Number()), static_cast<double>(row.number),
                    1e-15);
        EXPECT_EQ(row.value->GetFormulaText(), row.formula);
    }
    EXPECT_EQ(Func(kSqrt, Num(2))->FormatValue(kPlainStyle), "1.41421356237309505");
}

TEST_F(FunctionNodes, FunctionNodesAreNeverParenthesised) {
    EXPECT_EQ(Make<TCalcOperateSign>(Func(kSin, Num(1)))->GetFormulaText(), "-Sin(1)");
    EXPECT_EQ(Make<TCalcOperatePower>(Func(kSqrt, Num(2)), Num(2))->GetFormulaText(), "Sqrt(2)^2");
    EXPECT_EQ(Make<TCalcOperateMinus>(Num(1), Multi({kHypot, Nums({3, 4})}))->GetFormulaText(),
              "1-Hypot(3,4)");
}

TEST_F(FunctionNodes, AnErrorOperandShowsItsOwnMessage) {
    ValueRef broken = Make<TCalcOperateDIV>(Num(1), Num(0));
    ASSERT_EQ(broken->CVType(), cvError);
    ValueRef root = Func(kSqrt, broken);
    EXPECT_EQ(root->CVType(), cvError);
    EXPECT_EQ(root->FormatValue(kPlainStyle), "Floating point division by zero");
    const Values flows = Nums({-100, 60});
    ValueRef npv = Multi({kNPV, {broken, Num(0)}, &flows});
    EXPECT_EQ(npv->ErrorText(), "Floating point division by zero");
    // The catalogue's own failure when the operand is sound.
    EXPECT_EQ(Func(kSqrt, Num(-1))->ErrorText(), "Invalid floating point operation");
}

TEST_F(FunctionNodes, ARepairedOperandClearsTheError) {
    ValueRef a = Var("A", Make<TCalcOperateDIV>(Num(1), Num(0)));
    ValueRef root = Func(kSqrt, a->MakeReference());
    ASSERT_EQ(root->CVType(), cvError);
    a->TakeOver(Num(9), true);
    EXPECT_EQ(root->CVType(), cvNumber);
    EXPECT_EQ(root->Number(), 3);
}

TEST_F(FunctionNodes, TodayGivesADateOfTheRowsKind) {
    funcs::SetTodayClock(FixedToday);
    ValueRef today = Multi({kToday, {}});
    EXPECT_EQ(today->CVType(), cvDate);
    EXPECT_EQ(today->GetDate(), DayNumberFromCivil(2024, 2, 29));
    EXPECT_EQ(today->FormatValue(kPlainStyle), "[2024-02-29]");
    EXPECT_EQ(today->GetFormulaText(), "Today()");
    // The kind comes from the evaluation; the node's static answer stays "number".
    EXPECT_EQ(today->Operate()->ResultKind(), cvNumber);
    // Date arithmetic on it keeps the date kind.
    EXPECT_EQ(Make<TCalcOperatePlus>(today, Num(1))->FormatValue(kPlainStyle), "[2024-03-01]");
}

TEST_F(FunctionNodes, AnIdentifierOfTheWrongShapeFailsCleanly) {
    // Only a damaged file builds these: Today is no one-argument function, Sqrt
    // no multi-argument one, 0 and 200 are no functions at all.
    EXPECT_EQ(Func(kToday, Num(1))->ErrorText(), kMsgUnknownFunction);
    EXPECT_EQ(Func(0, Num(1))->ErrorText(), kMsgUnknownFunction);
    EXPECT_EQ(Multi({kSqrt, Nums({4})})->ErrorText(), kMsgUnknownFunction);
    EXPECT_EQ(Multi({200, {}})->ErrorText(), kMsgUnknownFunction);
    EXPECT_EQ(Func(200, Num(1))->GetFormulaText(), "Func200(1)");
    // A node that lacks operands for its plain parameters.
    EXPECT_EQ(Multi({kHypot, Nums({3})})->ErrorText(), kMsgIncompleteFormula);
    auto empty = std::make_unique<TCalcOperateFunc>(kSqrt);
    ValueRef holder = TCalcValue::New();
    holder->SetOperate(std::move(empty));
    EXPECT_EQ(holder->ErrorText(), kMsgIncompleteFormula);
    EXPECT_EQ(holder->GetFormulaText(), "Sqrt()");
}

TEST_F(FunctionNodes, MultiArgumentNodesLayOutArgumentsAndLists) {
    const Values flows = Nums({-100, 60, 70});
    const Values numbers = Nums({1, 2, 3});
    const Values tests = Nums({0, 1});
    const Values results = Nums({10, 20});
    const Values none;
    struct Row {
        ValueRef value;
        long double number;
        const char* formula;
    };
    const Row rows[] = {
        {Multi({kNPV, Nums({0.1L, 0}), &flows}), 11.269722013523666416L, "NPV(0.1,[-100,60,70],0)"},
        {Multi({kSum, {}, &numbers}), 6, "Sum([1,2,3])"},
        {Multi({kCase, Nums({0}), &tests, &results}), 20, "Case(0,[0,1],[10,20])"},
        {Multi({kCase, Nums({5}), &results, &tests}), 0, "Case(5,[10,20],[0,1])"},
        {Multi({kCase, Nums({5}), &tests, &none}), 0, "Case(5,[0,1],[])"},
        {Multi({kHypot, Nums({3, 4})}), 5, "Hypot(3,4)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.formula);
        EXPECT_EQ(row.value->CVType(), cvNumber) << row.value->ErrorText();
        EXPECT_NEAR(static_cast<double>(row.value->Number()), static_cast<double>(row.number),
                    1e-12);
        EXPECT_EQ(row.value->GetFormulaText(), row.formula);
    }
}

TEST_F(FunctionNodes, AnAbsentListBehavesAsAnEmptyOne) {
    ValueRef hypot = Multi({kHypot, Nums({3, 4})});
    EXPECT_EQ(MultiOf(hypot).Array1(), nullptr);
    EXPECT_EQ(MultiOf(hypot).Array2(), nullptr);
    EXPECT_EQ(hypot->Number(), 5);
    // Sum refuses an empty list, and an absent one alike.
    const Values none;
    ValueRef absent = Multi({kSum, {}});
    ValueRef empty = Multi({kSum, {}, &none});
    EXPECT_EQ(absent->CVType(), cvError);
    EXPECT_EQ(absent->ErrorText(), empty->ErrorText());
    EXPECT_EQ(absent->GetFormulaText(), "Sum([])");
    EXPECT_EQ(empty->GetFormulaText(), "Sum([])");
    // A Case without lists gives its default; a clone keeps the lists absent.
    ValueRef choice = Multi({kCase, Nums({7})});
    EXPECT_EQ(choice->Number(), 7);
    EXPECT_EQ(choice->GetFormulaText(), "Case(7,[],[])");
    ValueRef copy = choice->Clone();
    EXPECT_EQ(MultiOf(copy).Array1(), nullptr);
    EXPECT_EQ(MultiOf(copy).Array2(), nullptr);
    copy->RecalculateTree();
    EXPECT_EQ(copy->Number(), 7);
}

TEST_F(FunctionNodes, ListElementTextsAreQuotedWhenTheyNeedIt) {
    ValueRef quoted = TCalcValue::New();
    quoted->SetError("say \"hi\"");
    const Values elements{
        Make<TCalcOperatePlus>(Num(1), Num(2)),  // no blank: as it is
        Make<TCalcOperateMod>(Num(7), Num(3)),   // blanks
        Multi({kHypot, Nums({3, 4})}),           // a comma
        quoted,                                  // double quotes, doubled inside
        Var("Rate", Num(0.5)),
        Num(-1.5),
    };
    ValueRef sum = Multi({kSum, {}, &elements});
    EXPECT_EQ(sum->GetFormulaText(),
              "Sum([1+2,\"7 Mod 3\",\"Hypot(3,4)\",\"say \"\"hi\"\"\",Rate,-1.5])");
    // A list inside a list element: the inner text is quoted as a whole.
    const Values inner = Nums({1, 2});
    const Values outer{Multi({kSum, {}, &inner}), Num(3)};
    EXPECT_EQ(Multi({kSum, {}, &outer})->GetFormulaText(), "Sum([\"Sum([1,2])\",3])");
}

TEST_F(FunctionNodes, ErrorElementsTakePartWithTheirStoredNumber) {
    ValueRef broken = Num(5);
    broken->SetError("Something failed");
    const Values elements{broken, Num(1)};
    ValueRef sum = Multi({kSum, {}, &elements});
    EXPECT_EQ(sum->CVType(), cvNumber);
    EXPECT_EQ(sum->Number(), 6);
}

TEST_F(FunctionNodes, ListElementsAreTakenAtTheDisplayedDecimals) {
    ValueFormatSettings().ValueFormat = kFixedFormat;
    const Values elements = Nums({1.004L, 1.004L});
    ValueRef sum = Multi({kSum, {}, &elements});
    EXPECT_EQ(sum->FormatValue(kPlainStyle), "2.00");
    EXPECT_EQ(sum->GetFormulaText(), "Sum([1.00,1.00])");
    EXPECT_EQ(Func(kSqrt, Num(4.004L))->FormatValue(kPlainStyle), "2.00");
}

TEST_F(FunctionNodes, ElementsKnowTheNodeAsReferrer) {
    ValueRef x = Var("X", Num(5));
    const Values elements{x, Num(1), x};
    {
        ValueRef sum = Multi({kSum, {}, &elements});
        EXPECT_EQ(x->ReferrerCount(), 2);
        EXPECT_EQ(elements[1]->ReferrerCount(), 1);
        EXPECT_EQ(sum->Number(), 11);
        // A change of the variable reaches the owner, and what depends on it.
        ValueRef twice = Make<TCalcOperateMultis>(sum, Num(2));
        x->TakeOver(Num(10), true);
        EXPECT_EQ(sum->Number(), 21);
        EXPECT_EQ(twice->Number(), 42);
        EXPECT_EQ(sum->GetFormulaText(), "Sum([X,1,X])");
    }
    // Destroying the node unregisters it from every element.
    EXPECT_EQ(x->ReferrerCount(), 0);
    EXPECT_EQ(elements[1]->ReferrerCount(), 0);
}

TEST_F(FunctionNodes, NamesInListsAreCollected) {
    // The variable sets rely on this to refuse a formula that names its own variable.
    ValueRef x = Var("X", Num(5));
    ValueRef y = Var("Y", Num(1));
    const Values flows{Make<TCalcOperatePlus>(x->MakeReference(), Num(1))};
    const Values results{y};
    std::vector<std::string> names;
    Multi({kCase, Nums({0}), &flows, &results})->CollectNames(names);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"X", "Y"}));
}

TEST_F(FunctionNodes, ADeletedVariableStaysInTheListAsANumber) {
    ValueRef x = Var("X", Num(5));
    const Values elements{x, Num(1)};
    ValueRef sum = Multi({kSum, {}, &elements});
    x->ClearName();
    x.reset();
    EXPECT_EQ(sum->GetFormulaText(), "Sum([5,1])");
    sum->RecalculateTree();
    EXPECT_EQ(sum->Number(), 6);
}

TEST_F(FunctionNodes, BottomUpEvaluationDescendsIntoOperandsAndLists) {
    ValueRef a = Num(1), b = Num(1), c = Num(1);
    const Values tests{Make<TCalcOperatePlus>(b, Num(0))};
    const Values results{Make<TCalcOperatePlus>(c, Num(10))};
    ValueRef choice = Multi({kCase, {Make<TCalcOperatePlus>(a, Num(100))}, &tests, &results});
    EXPECT_EQ(choice->Number(), 11);
    // Changed without notification: only a bottom-up pass sees them.
    a->SetNumber(2);
    c->SetNumber(2);
    choice->Recalculate();
    EXPECT_EQ(choice->Number(), 11);
    choice->RecalculateTree();
    EXPECT_EQ(choice->Number(), 12);
    b->SetNumber(0);
    std::uint8_t kind = cvError;
    EXPECT_EQ(choice->Operate()->EvaluateAll(kind), 102);
    EXPECT_EQ(kind, cvNumber);
}

TEST_F(FunctionNodes, ACloneOwnsSeparateListsAndFollowsVariables) {
    ValueRef rate = Var("Rate", Num(0.1L));
    ValueRef x = Var("X", Num(60));
    ValueRef inner = Make<TCalcOperatePlus>(Num(-150), Num(50));
    const Values flows{inner, x, Num(70)};
    ValueRef original = Multi({kNPV, {rate, Num(0)}, &flows});
    const std::string formula = original->GetFormulaText();
    EXPECT_EQ(formula, "NPV(Rate,[-150+50,X,70],0)");
    {
        ValueRef copy = original->Clone();
        const TCalcOperateMultiFunc& node = MultiOf(copy);
        ASSERT_NE(node.Array1(), nullptr);
        ASSERT_NE(node.Array1(), MultiOf(original).Array1());
        ASSERT_EQ(node.Array1()->size(), 3u);
        EXPECT_EQ(node.Array2(), nullptr);
        // Unnamed elements are copies; the variable is shared.
        EXPECT_NE((*node.Array1())[0], inner);
        EXPECT_EQ((*node.Array1())[0]->GetFormulaText(), "-150+50");
        EXPECT_EQ((*node.Array1())[1], x);
        EXPECT_NE((*node.Array1())[2], flows[2]);
        EXPECT_EQ(copy->GetFormulaText(), formula);
        EXPECT_EQ(copy->Number(), original->Number());
        EXPECT_EQ(x->ReferrerCount(), 2);
        x->TakeOver(Num(0), true);
        EXPECT_EQ(copy->Number(), original->Number());
    }
    // Destroying the clone leaves the original's lists as they were.
    EXPECT_EQ(x->ReferrerCount(), 1);
    EXPECT_EQ(inner->ReferrerCount(), 1);
    EXPECT_EQ(flows[2]->ReferrerCount(), 1);
    EXPECT_EQ(original->GetFormulaText(), formula);
    original->RecalculateTree();
    EXPECT_EQ(original->CVType(), cvNumber);
    EXPECT_EQ(MultiOf(original).Array1()->size(), 3u);
}

TEST_F(FunctionNodes, ACloneOfAOneArgumentNodeSharesItsOperand) {
    ValueRef a = Var("A", Num(4));
    ValueRef root = Func(kSqrt, a->MakeReference());
    ValueRef copy = root->Clone();
    EXPECT_EQ(copy->GetFormulaText(), "Sqrt(A)");
    EXPECT_EQ(copy->Operate()->Operand(0), root->Operate()->Operand(0));
    EXPECT_EQ(dynamic_cast<const TCalcOperateFunc&>(*copy->Operate()).FuncID, kSqrt);
}

TEST_F(FunctionNodes, TheFactoryKnowsExactlyTheStoredClassNames) {
    const char* const names[] = {
        "TCalcOperateDIV",         "TCalcOperateFunc",     "TCalcOperateMinus",
        "TCalcOperateMultis",      "TCalcOperatePlus",     "TCalcOperatePower",
        "TCalcOperateSign",        "TCalcOperateUserFunc", "TCalcOperateRef",
        "TCalcOperateUserProgram", "TCalcOperatePercent",  "TCalcOperateMultiFunc",
        "TCalcOperateSEQ",         "TCalcOperateLE",       "TCalcOperateLT",
        "TCalcOperateGE",          "TCalcOperateGT",       "TCalcOperateNE",
        "TCalcOperateAnd",         "TCalcOperateOr",       "TCalcOperateXor",
        "TCalcOperateMod",
    };
    static_assert(std::size(names) == 22);
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const std::unique_ptr<TCalcOperate> node = CreateOperateByClassName(name);
        ASSERT_NE(node, nullptr);
        EXPECT_STREQ(node->ClassName(), name);
        EXPECT_EQ(node->OperandCount(), 0);
        EXPECT_EQ(node->Owner(), nullptr);
    }
    const char* const unknown[] = {
        "",
        "TCalcOperate",
        "tcalcoperateplus",
        "TCALCOPERATEFUNC",
        " TCalcOperatePlus",
        "TCalcOperatePlus ",
        "TCalcOperateTimes",
        "TCalcOperateFunc\n",
    };
    for (const char* name : unknown)
        EXPECT_EQ(CreateOperateByClassName(name), nullptr) << '"' << name << '"';
    EXPECT_EQ(CreateOperateByClassName(std::string_view("TCalcOperateModX", 15))->ClassName(),
              std::string("TCalcOperateMod"));
}

}  // namespace
}  // namespace quillix::test
