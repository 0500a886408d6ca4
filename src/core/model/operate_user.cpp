// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/operate_user.h"

#include "common/calc_error.h"
#include "model/formula_writer.h"
#include "model/user_call_runner.h"

namespace quillix {

namespace {

std::vector<const TCalcValue*> Arguments(const TCalcOperate& node) {
    std::vector<const TCalcValue*> args;
    args.reserve(static_cast<std::size_t>(node.OperandCount()));
    for (int i = 0; i < node.OperandCount(); ++i)
        args.push_back(node.Operand(i));
    return args;
}

void AppendArguments(const TCalcOperate& node, FormulaWriter& writer, bool leadingComma) {
    for (int i = 0; i < node.OperandCount(); ++i) {
        if (i > 0 || leadingComma) writer.Text(",");
        writer.RefText(node.Operand(i));
    }
}

// A missing function or program yields 0. An error result fails the node with
// the inner message, so the caller shows what went wrong inside.
long double Deliver(const std::optional<UserCallResult>& result, std::uint8_t& kind) {
    if (!result) {
        kind = cvNumber;
        return 0;
    }
    if (result->kind == cvError) RaiseCalcError(result->errorText);
    kind = result->kind;
    return result->number;
}

}  // namespace

long double TCalcOperateUserFunc::Calculate(std::uint8_t& kind) {
    RequireOperands(OperandCount());  // a damaged tree's gap must not reach the runner
    IUserCallRunner* runner = UserCallRunner();
    if (!runner) return Deliver(std::nullopt, kind);
    return Deliver(runner->RunUserFunction(FuncName, Arguments(*this)), kind);
}

void TCalcOperateUserFunc::AppendFormula(FormulaWriter& writer) const {
    writer.Text(FuncName);
    writer.Text("(");
    AppendArguments(*this, writer, false);
    writer.Text(")");
}

std::unique_ptr<TCalcOperate> TCalcOperateUserFunc::Clone() const {
    auto copy = std::make_unique<TCalcOperateUserFunc>(FuncName);
    CopyOperandsTo(*copy);
    return copy;
}

long double TCalcOperateUserProgram::Calculate(std::uint8_t& kind) {
    RequireOperands(OperandCount());
    IUserCallRunner* runner = UserCallRunner();
    if (!runner) return Deliver(std::nullopt, kind);
    return Deliver(runner->RunUserProgram(PrgName, ResName, Arguments(*this)), kind);
}

void TCalcOperateUserProgram::AppendFormula(FormulaWriter& writer) const {
    writer.Text(PrgName);
    writer.Text("('");
    writer.Text(ResName);
    writer.Text("'");
    AppendArguments(*this, writer, true);
    writer.Text(")");
}

std::unique_ptr<TCalcOperate> TCalcOperateUserProgram::Clone() const {
    auto copy = std::make_unique<TCalcOperateUserProgram>(PrgName, ResName);
    CopyOperandsTo(*copy);
    return copy;
}

}  // namespace quillix
