// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The binary operator nodes: arithmetic, integer remainder, the six tolerant
// comparisons, bitwise logic and percent. Each is an instance of one class
// template over a small rule that gives its class name, level, operator text,
// parenthesisation of the right operand, result and result kind.

#include <memory>

#include "common/fp_checks.h"
#include "functions/numeric_rules.h"
#include "model/calc_operate.h"
#include "model/formula_writer.h"

namespace quillix {

// When the right operand's text is put in parentheses.
enum class RightParens {
    kWhenLower,         // its level is lower than the node's
    kWhenNotHigher,     // its level is lower than or equal to the node's
    kWhenBelowFunction  // its level is lower than 10
};

// Whether the operator groups to the right ("^": 2^3^4 is 2^(3^4)). Its left
// operand is then put in parentheses at its own level as well, so that
// (2^3)^4 and 2^(3^4) show differently.
template <class Rule>
inline constexpr bool kGroupsRight = false;

template <class Rule>
class TBinaryOperate final : public TCalcOperate {
  public:
    const char* ClassName() const override { return Rule::kClassName; }
    int Level() const override { return Rule::kLevel; }

    long double Calculate(std::uint8_t& kind) override {
        RequireOperands(2);
        const TCalcValue& left = *Operand(0);
        const TCalcValue& right = *Operand(1);
        kind = Rule::Kind(left, right);
        return Rule::Compute(left.GetNumber(), right.GetNumber());
    }

    void AppendFormula(FormulaWriter& writer) const override {
        const TCalcValue* left = OperandOrNull(0);
        const TCalcValue* right = OperandOrNull(1);
        const int rightLevel = OperandLevel(right);
        bool rightParens = false;
        switch (Rule::kRightParens) {
            case RightParens::kWhenLower:
                rightParens = rightLevel < Rule::kLevel;
                break;
            case RightParens::kWhenNotHigher:
                rightParens = rightLevel <= Rule::kLevel;
                break;
            case RightParens::kWhenBelowFunction:
                rightParens = rightLevel < 10;
                break;
        }
        const int leftLevel = OperandLevel(left);
        writer.RefText(left,
                       kGroupsRight<Rule> ? leftLevel <= Rule::kLevel : leftLevel < Rule::kLevel);
        writer.Text(Rule::kText);
        writer.RefText(right, rightParens);
        writer.Text(Rule::kSuffix);
    }

    std::unique_ptr<TCalcOperate> Clone() const override {
        auto copy = std::make_unique<TBinaryOperate>();
        CopyOperandsTo(*copy);
        return copy;
    }
};

// Result kinds: a date plus or minus a number is a date; anything else a number.
std::uint8_t DateArithmeticKind(const TCalcValue& left, const TCalcValue& right);
inline std::uint8_t NumberKind(const TCalcValue&, const TCalcValue&) {
    return cvNumber;
}

// The computations, one per rule.
long double IntegerRemainder(long double a, long double b);
long double BitwiseAnd(long double a, long double b);
long double BitwiseOr(long double a, long double b);
long double BitwiseXor(long double a, long double b);
long double Percentage(long double base, long double percent);
// a equals b when |a - b| <= max(1E-16, min(|a|, |b|) * 1E-16).
bool TolerantEquals(long double a, long double b);

#define QUILLIX_BINARY_RULE(RuleName, ClassNameText, LevelValue, OperatorText, Parens, KindFn, \
                            ComputeExpr, SuffixText)                                           \
    struct RuleName {                                                                          \
        static constexpr const char* kClassName = ClassNameText;                               \
        static constexpr int kLevel = LevelValue;                                              \
        static constexpr const char* kText = OperatorText;                                     \
        static constexpr const char* kSuffix = SuffixText;                                     \
        static constexpr RightParens kRightParens = Parens;                                    \
        static std::uint8_t Kind(const TCalcValue& l, const TCalcValue& r) {                   \
            return KindFn(l, r);                                                               \
        }                                                                                      \
        static long double Compute(long double a, long double b) { return ComputeExpr; }       \
    }

QUILLIX_BINARY_RULE(PlusRule, "TCalcOperatePlus", 4, "+", RightParens::kWhenLower,
                    DateArithmeticKind, CheckedAdd(a, b), "");
QUILLIX_BINARY_RULE(MinusRule, "TCalcOperateMinus", 4, "-", RightParens::kWhenNotHigher,
                    DateArithmeticKind, CheckedSubtract(a, b), "");
QUILLIX_BINARY_RULE(MultisRule, "TCalcOperateMultis", 6, "*", RightParens::kWhenLower, NumberKind,
                    CheckedMultiply(a, b), "");
QUILLIX_BINARY_RULE(DivRule, "TCalcOperateDIV", 6, "/", RightParens::kWhenNotHigher, NumberKind,
                    CheckedDivide(a, b), "");
QUILLIX_BINARY_RULE(PowerRule, "TCalcOperatePower", 8, "^", RightParens::kWhenLower, NumberKind,
                    Power(a, b), "");
template <>
inline constexpr bool kGroupsRight<PowerRule> = true;
QUILLIX_BINARY_RULE(ModRule, "TCalcOperateMod", 5, " Mod ", RightParens::kWhenNotHigher, NumberKind,
                    IntegerRemainder(a, b), "");
QUILLIX_BINARY_RULE(SeqRule, "TCalcOperateSEQ", 2, "==", RightParens::kWhenNotHigher, NumberKind,
                    TolerantEquals(a, b) ? 1 : 0, "");
QUILLIX_BINARY_RULE(LeRule, "TCalcOperateLE", 2, "<=", RightParens::kWhenNotHigher, NumberKind,
                    (a < b || TolerantEquals(a, b)) ? 1 : 0, "");
QUILLIX_BINARY_RULE(LtRule, "TCalcOperateLT", 2, "<", RightParens::kWhenNotHigher, NumberKind,
                    (a < b && !TolerantEquals(a, b)) ? 1 : 0, "");
QUILLIX_BINARY_RULE(GtRule, "TCalcOperateGT", 2, ">", RightParens::kWhenNotHigher, NumberKind,
                    (a > b && !TolerantEquals(a, b)) ? 1 : 0, "");
QUILLIX_BINARY_RULE(GeRule, "TCalcOperateGE", 2, ">=", RightParens::kWhenNotHigher, NumberKind,
                    (a > b || TolerantEquals(a, b)) ? 1 : 0, "");
QUILLIX_BINARY_RULE(NeRule, "TCalcOperateNE", 2, "<>", RightParens::kWhenNotHigher, NumberKind,
                    TolerantEquals(a, b) ? 0 : 1, "");
QUILLIX_BINARY_RULE(AndRule, "TCalcOperateAnd", 3, " And ", RightParens::kWhenNotHigher, NumberKind,
                    BitwiseAnd(a, b), "");
QUILLIX_BINARY_RULE(OrRule, "TCalcOperateOr", 3, " Or ", RightParens::kWhenNotHigher, NumberKind,
                    BitwiseOr(a, b), "");
QUILLIX_BINARY_RULE(XorRule, "TCalcOperateXor", 3, " Xor ", RightParens::kWhenNotHigher, NumberKind,
                    BitwiseXor(a, b), "");
QUILLIX_BINARY_RULE(PercentRule, "TCalcOperatePercent", 6, "*", RightParens::kWhenBelowFunction,
                    NumberKind, Percentage(a, b), "%");

#undef QUILLIX_BINARY_RULE

using TCalcOperatePlus = TBinaryOperate<PlusRule>;
using TCalcOperateMinus = TBinaryOperate<MinusRule>;
using TCalcOperateMultis = TBinaryOperate<MultisRule>;
using TCalcOperateDIV = TBinaryOperate<DivRule>;
using TCalcOperatePower = TBinaryOperate<PowerRule>;
using TCalcOperateMod = TBinaryOperate<ModRule>;
using TCalcOperateSEQ = TBinaryOperate<SeqRule>;
using TCalcOperateLE = TBinaryOperate<LeRule>;
using TCalcOperateLT = TBinaryOperate<LtRule>;
using TCalcOperateGT = TBinaryOperate<GtRule>;
using TCalcOperateGE = TBinaryOperate<GeRule>;
using TCalcOperateNE = TBinaryOperate<NeRule>;
using TCalcOperateAnd = TBinaryOperate<AndRule>;
using TCalcOperateOr = TBinaryOperate<OrRule>;
using TCalcOperateXor = TBinaryOperate<XorRule>;
using TCalcOperatePercent = TBinaryOperate<PercentRule>;

}  // namespace quillix
