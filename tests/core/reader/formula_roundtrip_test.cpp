// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the formula writer makes reads back: over random trees of every
// node kind, reading the text of a tree gives a tree with the same text, and
// the value the text means.
//
// The text decides the tree only up to what it cannot show: a chain the writer
// leaves without parentheses (a+(b-c) as a+b-c, a*(b/c) as a*b/c) reads
// re-associated, a reference to an unnamed value reads as that value's formula,
// a sign before a plain number other than 0 reads as a negative number (unless
// the sign stands in parentheses), and a number reads
// as the 18 digits it is shown with. The test builds that reading of each tree
// by hand and requires the read tree to be it, node for node, with a value
// equal to the last bit. Where nothing of the kind applies, the read value
// equals the original exactly; a re-associated chain of arithmetic agrees
// within the rounding of the re-association.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "common/number_text.h"
#include "functions/func_catalogue.h"
#include "model/operate_binary.h"
#include "model/operate_factory.h"
#include "model/operate_func.h"
#include "model/operate_ref.h"
#include "model/operate_user.h"
#include "reader_support.h"

namespace quillix::test {
namespace {

constexpr const char* kBinaryClasses[] = {
    "TCalcOperatePlus",  "TCalcOperateMinus", "TCalcOperateMultis", "TCalcOperateDIV",
    "TCalcOperatePower", "TCalcOperateMod",   "TCalcOperateSEQ",    "TCalcOperateLE",
    "TCalcOperateLT",    "TCalcOperateGT",    "TCalcOperateGE",     "TCalcOperateNE",
    "TCalcOperateAnd",   "TCalcOperateOr",    "TCalcOperateXor",    "TCalcOperatePercent"};

bool IsClass(const TCalcValue& value, std::string_view name) {
    return value.Operate() && !value.IsNamed() && value.Operate()->ClassName() == name;
}

ValueRef Binary(std::string_view className, ValueRef left, ValueRef right) {
    std::unique_ptr<TCalcOperate> node = CreateOperateByClassName(className);
    node->AddOperand(std::move(left));
    node->AddOperand(std::move(right));
    return ValueOf(std::move(node));
}

// Random trees over a few variables.
class TreeMaker {
  public:
    TreeMaker(std::uint64_t seed, std::vector<TCalcValue*> variables)
        : rng_(seed), variables_(std::move(variables)) {
        for (int id = 1; id <= FuncCount; ++id) {
            const TFuncDataItem* row = FindFunc(id);
            (row->MultiParam ? multi_ : single_).push_back(row);
        }
    }

    ValueRef Tree(int depth) {
        if (depth <= 0 || Chance(0.25)) return Leaf();
        const int pick = Below(100);
        if (pick < 50) {
            const char* name = kBinaryClasses[Below(std::size(kBinaryClasses))];
            ValueRef left = Tree(depth - 1);
            return Binary(name, std::move(left), Tree(depth - 1));
        }
        if (pick < 60) return Make<TCalcOperateSign>(Tree(depth - 1));
        if (pick < 65) return Tree(depth - 1)->MakeReference();
        if (pick < 75) {
            auto node = std::make_unique<TCalcOperateFunc>(Pick(single_)->FuncID);
            node->AddOperand(Tree(depth - 1));
            return ValueOf(std::move(node));
        }
        if (pick < 88) return MultiCall(depth);
        const bool program = Chance(0.5);
        std::unique_ptr<TCalcOperate> node;
        if (program) {
            node = std::make_unique<TCalcOperateUserProgram>("Loan", "Payment");
        } else {
            node = std::make_unique<TCalcOperateUserFunc>("Hyp");
        }
        for (int i = Below(4); i > 0; --i)
            node->AddOperand(Tree(depth - 1));
        return ValueOf(std::move(node));
    }

  private:
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    int Below(std::size_t n) {
        return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_));
    }
    template <class T>
    T Pick(const std::vector<T>& from) {
        return from[static_cast<std::size_t>(Below(from.size()))];
    }

    ValueRef MultiCall(int depth) {
        const TFuncDataItem* row = Pick(multi_);
        auto node = std::make_unique<TCalcOperateMultiFunc>(static_cast<std::uint8_t>(row->FuncID));
        bool listSeen = false;
        for (const TFuncParamDef& param : row->Params) {
            if (!param.IsArray) {
                node->AddOperand(Tree(depth - 1));
                continue;
            }
            const bool first = !listSeen;
            listSeen = true;
            // A list read from a file may be absent, and its elements variables.
            if (Chance(0.1)) continue;
            first ? node->EnsureArray1() : node->EnsureArray2();
            for (int i = Below(4); i > 0; --i) {
                ValueRef element = Chance(0.15) ? ValueRef(Pick(variables_)) : Tree(depth - 2);
                first ? node->AddArray1Element(std::move(element))
                      : node->AddArray2Element(std::move(element));
            }
        }
        return ValueOf(std::move(node));
    }

    ValueRef Leaf() {
        const int pick = Below(100);
        if (pick < 60) return Num(Number());
        if (pick < 70) {
            const int year = 1 + Below(9999);
            return Date(year, 1 + Below(12), 1 + Below(28));
        }
        if (pick < 95) return Pick(variables_)->MakeReference();
        return ValueOf(std::make_unique<TCalcOperateMultiFunc>(static_cast<std::uint8_t>(42)));
    }

    // Mostly numbers as they are typed (up to 18 digits, which the formula shows
    // exactly), tiny and huge ones among them; some with more digits than shown.
    long double Number() {
        const int pick = Below(100);
        if (pick < 20) return Below(21) - 5;
        if (pick < 35) {
            return static_cast<long double>(rng_()) / static_cast<long double>(1 + rng_() % 1000);
        }
        std::string text = Chance(0.3) ? "-" : "";
        const int digits = 1 + Below(18);
        for (int i = 0; i < digits; ++i) {
            text += static_cast<char>('0' + Below(10));
            if (i == 0) text += '.';
        }
        const int range = Below(10);
        const int exponent = range < 7   ? Below(26) - 6
                             : range < 8 ? -4900 + Below(4600)
                                         : 300 + Below(4600);
        text += "E" + std::to_string(exponent);
        return ParseDecimal(text).value_or(1);
    }

    std::mt19937_64 rng_;
    std::vector<TCalcValue*> variables_;
    std::vector<const TFuncDataItem*> single_;
    std::vector<const TFuncDataItem*> multi_;
};

// What a tree reads back as (see the comment at the top).
struct Reading {
    bool reassociated = false;
    bool digitsLost = false;
    bool onlyArithmetic = true;
};

class ReadingOf {
  public:
    // inParentheses: the value stands where a sign node is put in parentheses
    // (the operand of a sign, the right operand of a*b%).
    ValueRef Of(TCalcValue& value, bool inParentheses = false) {
        if (value.IsNamed()) return value.MakeReference();
        const TCalcOperate* node = value.Operate();
        if (!node) return Plain(value);
        const std::string_view name = node->ClassName();
        if (name == "TCalcOperateRef") {
            TCalcValue& operand = *node->Operand(0);
            return operand.IsNamed() ? operand.MakeReference() : Of(operand, inParentheses);
        }
        if (name == "TCalcOperateSign") {
            ValueRef operand = Of(*node->Operand(0), true);
            const std::string text = operand->GetFormulaText();
            if (!inParentheses && !operand->Operate() && operand->CVType() == cvNumber &&
                operand->Number() != 0 && text[0] != '-' && text != "INF" && text != "NAN") {
                return Num(-operand->Number());
            }
            return Make<TCalcOperateSign>(std::move(operand));
        }
        for (const char* binary : kBinaryClasses) {
            if (name == binary) {
                ValueRef left = Of(*node->Operand(0));
                return Rotated(name, std::move(left),
                               Of(*node->Operand(1), name == "TCalcOperatePercent"));
            }
        }
        reading.onlyArithmetic = false;
        if (const auto* func = dynamic_cast<const TCalcOperateFunc*>(node)) {
            auto copy = std::make_unique<TCalcOperateFunc>(func->FuncID);
            copy->AddOperand(Of(*func->Operand(0)));
            return ValueOf(std::move(copy));
        }
        std::unique_ptr<TCalcOperate> copy;
        if (const auto* multi = dynamic_cast<const TCalcOperateMultiFunc*>(node)) {
            auto call = std::make_unique<TCalcOperateMultiFunc>(multi->FuncID);
            bool listSeen = false;
            for (const TFuncParamDef& param : FindFunc(multi->FuncID)->Params) {
                if (!param.IsArray) continue;
                const bool first = !listSeen;
                listSeen = true;
                first ? call->EnsureArray1() : call->EnsureArray2();
                const auto* list = first ? multi->Array1() : multi->Array2();
                if (!list) continue;
                for (const ValueRef& element : *list) {
                    first ? call->AddArray1Element(Of(*element))
                          : call->AddArray2Element(Of(*element));
                }
            }
            copy = std::move(call);
        } else if (const auto* program = dynamic_cast<const TCalcOperateUserProgram*>(node)) {
            copy = std::make_unique<TCalcOperateUserProgram>(program->PrgName, program->ResName);
        } else {
            copy = std::make_unique<TCalcOperateUserFunc>(
                dynamic_cast<const TCalcOperateUserFunc&>(*node).FuncName);
        }
        for (int i = 0; i < node->OperandCount(); ++i)
            copy->AddOperand(Of(*node->Operand(i)));
        return ValueOf(std::move(copy));
    }

    Reading reading;

  private:
    ValueRef Plain(const TCalcValue& value) {
        if (value.CVType() == cvDate) return TCalcValue::NewDate(value.GetDate());
        const long double shown = *ParseDecimal(value.GetFormulaText(), true);
        const long double number = value.Number();
        if (!((shown == number && std::signbit(shown) == std::signbit(number)) ||
              (std::isnan(shown) && std::isnan(number))))
            reading.digitsLost = true;
        return Num(shown);
    }

    // "+" over a right "+" or "-", and "*" over a right "*", "/" or "a*b%",
    // show no parentheses and read grouped to the left.
    ValueRef Rotated(std::string_view name, ValueRef left, ValueRef right) {
        const bool chain =
            (name == "TCalcOperatePlus" &&
             (IsClass(*right, "TCalcOperatePlus") || IsClass(*right, "TCalcOperateMinus"))) ||
            (name == "TCalcOperateMultis" &&
             (IsClass(*right, "TCalcOperateMultis") || IsClass(*right, "TCalcOperateDIV") ||
              IsClass(*right, "TCalcOperatePercent")));
        const bool arithmetic = name == "TCalcOperatePlus" || name == "TCalcOperateMinus" ||
                                name == "TCalcOperateMultis" || name == "TCalcOperateDIV" ||
                                name == "TCalcOperatePercent";
        reading.onlyArithmetic = reading.onlyArithmetic && arithmetic;
        if (!chain) return Binary(name, std::move(left), std::move(right));
        reading.reassociated = true;
        const TCalcOperate& inner = *right->Operate();
        ValueRef grouped = Rotated(name, std::move(left), ValueRef(inner.Operand(0)));
        return Binary(inner.ClassName(), std::move(grouped), ValueRef(inner.Operand(1)));
    }
};

std::string NumberText(long double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", x);
    return buffer;
}

// The tree node for node: classes, attributes, the numbers of the leaves.
void AppendShape(const TCalcValue& value, std::string& out) {
    if (value.IsNamed()) {
        out += "$" + value.Name();
        return;
    }
    const TCalcOperate* node = value.Operate();
    if (!node) {
        out += std::to_string(value.CVType()) + ":" + NumberText(value.Number());
        return;
    }
    out += node->ClassName();
    if (const auto* func = dynamic_cast<const TCalcOperateFunc*>(node))
        out += std::to_string(func->FuncID);
    if (const auto* user = dynamic_cast<const TCalcOperateUserFunc*>(node)) out += user->FuncName;
    if (const auto* program = dynamic_cast<const TCalcOperateUserProgram*>(node))
        out += program->PrgName + "'" + program->ResName;
    out += "(";
    for (int i = 0; i < node->OperandCount(); ++i) {
        AppendShape(*node->Operand(i), out);
        out += ",";
    }
    if (const auto* multi = dynamic_cast<const TCalcOperateMultiFunc*>(node)) {
        out += std::to_string(multi->FuncID);
        for (const auto* list : {multi->Array1(), multi->Array2()}) {
            out += "[";
            for (std::size_t i = 0; list && i < list->size(); ++i) {
                AppendShape(*(*list)[i], out);
                out += ",";
            }
            out += "]";
        }
    }
    out += ")";
}

std::string Shape(const TCalcValue& value) {
    std::string out;
    AppendShape(value, out);
    return out;
}

bool SameValue(const TCalcValue& a, const TCalcValue& b) {
    if (a.CVType() != b.CVType()) return false;
    if (a.CVType() == cvError) return a.ErrorText() == b.ErrorText();
    const long double x = a.Number();
    const long double y = b.Number();
    if (std::isnan(x) || std::isnan(y)) return std::isnan(x) && std::isnan(y);
    return x == y && std::signbit(x) == std::signbit(y);
}

// The magnitudes a tree's computation passes through: the scale of the
// rounding that re-associating its chains can change.
long double Scale(const TCalcValue& value) {
    long double sum = std::fabs(value.Number());
    if (const TCalcOperate* node = value.Operate(); node && !value.IsNamed()) {
        for (int i = 0; i < node->OperandCount(); ++i)
            sum += Scale(*node->Operand(i));
    }
    return sum;
}

class FormulaRoundTrip : public ReaderTest {};

TEST_F(FormulaRoundTrip, EveryWrittenTextReadsBackToItsTreeAndValue) {
    vars.AddVariable("A", Make<TCalcOperatePlus>(Num(1), Num(2)));
    std::vector<TCalcValue*> variables = {
        vars.Find("A")->Value.get(),           vars.AddVariable("Rate", Num(0.05L)),
        vars.AddVariable("Net pay", Num(100)), vars.AddVariable("D", Date(2024, 2, 29)),
        vars.AddVariable("Sum", Num(7)),       vars.AddVariable("x_1.b", Num(-2.5L)),
        vars.AddVariable("Big", Num(1e300L)),
    };
    TreeMaker maker(20240229, variables);
    constexpr int kTrees = 100000;
    int failures = 0;
    int exact = 0;
    int reassociated = 0;
    int lostDigits = 0;
    for (int i = 0; i < kTrees && failures < 5; ++i) {
        const ValueRef tree = maker.Tree(3);
        const std::string text = tree->GetFormulaText();
        const FormulaReadResult read = Read(text);
        if (!read.ok()) {
            ADD_FAILURE() << text << "\n" << read.error->message;
            ++failures;
            continue;
        }
        ReadingOf expected;
        const ValueRef meant = expected.Of(*tree);
        const std::string readText = read.value->GetFormulaText();
        const bool sameText = readText == text;
        const bool sameShape = Shape(*read.value) == Shape(*meant);
        const bool sameMeaning = SameValue(*read.value, *meant);
        bool sameValue = true;
        if (!expected.reading.reassociated && !expected.reading.digitsLost) {
            sameValue = SameValue(*read.value, *tree);
            ++exact;
        } else if (expected.reading.reassociated && !expected.reading.digitsLost &&
                   expected.reading.onlyArithmetic && tree->CVType() == cvNumber &&
                   read.value->CVType() == cvNumber && std::isfinite(tree->Number())) {
            sameValue = std::fabs(tree->Number() - read.value->Number()) <= 1e-15L * Scale(*tree);
        }
        reassociated += expected.reading.reassociated ? 1 : 0;
        lostDigits += expected.reading.digitsLost ? 1 : 0;
        if (!(sameText && sameShape && sameMeaning && sameValue)) {
            ++failures;
            ADD_FAILURE() << "text  " << text << "\nread  " << readText << "\nshape "
                          << Shape(*read.value) << "\nmeant " << Shape(*meant) << "\nvalues "
                          << tree->FormatValue(0) << " / " << read.value->FormatValue(0) << " / "
                          << meant->FormatValue(0);
        }
    }
    EXPECT_EQ(failures, 0);
    // Most trees are compared with their own value, bit for bit.
    EXPECT_GT(exact, kTrees / 2);
    std::printf("%d trees: %d exact, %d re-associated, %d with digits beyond the 18 shown\n",
                kTrees, exact, reassociated, lostDigits);
}

}  // namespace
}  // namespace quillix::test
