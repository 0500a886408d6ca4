// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/operate_func.h"

#include "common/calc_error.h"
#include "functions/func_catalogue.h"
#include "model/formula_writer.h"

namespace quillix {

namespace {

const TFuncDataItem* RowOf(std::uint8_t funcId, bool multiParam) {
    const TFuncDataItem* row = FindFunc(funcId);
    if (!row || row->MultiParam != multiParam) return nullptr;
    if (multiParam ? row->MultiFunc == nullptr : row->Func == nullptr) return nullptr;
    return row;
}

void AppendFunctionName(const TFuncDataItem* row, std::uint8_t funcId, FormulaWriter& writer) {
    if (row) {
        writer.Text(row->Name);
    } else {
        writer.OwnedText("Func" + std::to_string(funcId));
    }
}

TExtendedArray NumbersOf(const TCalcOperateMultiFunc::ValueList* list) {
    TExtendedArray numbers;
    if (!list) return numbers;
    numbers.reserve(list->size());
    for (const ValueRef& element : *list)
        numbers.push_back(element ? element->GetNumber() : 0);
    return numbers;
}

int PlainParameterCount(const TFuncDataItem& row) {
    int count = 0;
    for (const TFuncParamDef& param : row.Params)
        count += param.IsArray ? 0 : 1;
    return count;
}

void AppendList(const TCalcOperateMultiFunc::ValueList* list, FormulaWriter& writer) {
    writer.Text("[");
    if (list) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            if (i > 0) writer.Text(",");
            writer.BeginListItem();
            writer.RefText((*list)[i].get());
            writer.EndListItem();
        }
    }
    writer.Text("]");
}

}  // namespace

// --- TCalcOperateFunc -----------------------------------------------------------

long double TCalcOperateFunc::Calculate(std::uint8_t& kind) {
    RequireOperands(1);
    const TFuncDataItem* row = RowOf(FuncID, false);
    if (!row) RaiseCalcError(kMsgUnknownFunction);
    kind = row->ResultType;
    return row->Func(Operand(0)->GetNumber());
}

void TCalcOperateFunc::AppendFormula(FormulaWriter& writer) const {
    AppendFunctionName(RowOf(FuncID, false), FuncID, writer);
    writer.Text("(");
    writer.RefText(OperandOrNull(0));
    writer.Text(")");
}

std::unique_ptr<TCalcOperate> TCalcOperateFunc::Clone() const {
    auto copy = std::make_unique<TCalcOperateFunc>(FuncID);
    CopyOperandsTo(*copy);
    return copy;
}

// --- TCalcOperateMultiFunc ----------------------------------------------------

TCalcOperateMultiFunc::~TCalcOperateMultiFunc() {
    ReleaseElements(array1_);
    ReleaseElements(array2_);
}

void TCalcOperateMultiFunc::ReleaseElements(std::unique_ptr<ValueList>& list) {
    if (!list) return;
    for (const ValueRef& element : *list) {
        if (element) element->RemoveReferrer(this);
    }
    list.reset();
}

void TCalcOperateMultiFunc::AddElement(std::unique_ptr<ValueList>& list, ValueRef element) {
    if (!list) list = std::make_unique<ValueList>();
    if (element) element->AddReferrer(this);
    list->push_back(std::move(element));
}

void TCalcOperateMultiFunc::AddArray1Element(ValueRef element) {
    AddElement(array1_, std::move(element));
}

void TCalcOperateMultiFunc::AddArray2Element(ValueRef element) {
    AddElement(array2_, std::move(element));
}

void TCalcOperateMultiFunc::EnsureArray1() {
    if (!array1_) array1_ = std::make_unique<ValueList>();
}

void TCalcOperateMultiFunc::EnsureArray2() {
    if (!array2_) array2_ = std::make_unique<ValueList>();
}

long double TCalcOperateMultiFunc::Calculate(std::uint8_t& kind) {
    const TFuncDataItem* row = RowOf(FuncID, true);
    if (!row) RaiseCalcError(kMsgUnknownFunction);
    RequireOperands(PlainParameterCount(*row));
    TExtendedArray args;
    args.reserve(static_cast<std::size_t>(OperandCount()));
    for (int i = 0; i < OperandCount(); ++i)
        args.push_back(Operand(i)->GetNumber());
    const long double result =
        row->MultiFunc(args, NumbersOf(array1_.get()), NumbersOf(array2_.get()));
    kind = row->ResultType;
    return result;
}

void TCalcOperateMultiFunc::AppendFormula(FormulaWriter& writer) const {
    const TFuncDataItem* row = RowOf(FuncID, true);
    AppendFunctionName(row, FuncID, writer);
    writer.Text("(");
    if (row) {
        int arraysMet = 0;
        for (std::size_t i = 0; i < row->Params.size(); ++i) {
            if (i > 0) writer.Text(",");
            if (row->Params[i].IsArray) {
                AppendList(arraysMet == 0 ? array1_.get() : array2_.get(), writer);
                ++arraysMet;
            } else {
                writer.RefText(OperandOrNull(static_cast<int>(i) - arraysMet));
            }
        }
    }
    writer.Text(")");
}

void TCalcOperateMultiFunc::CopyListTo(const std::unique_ptr<ValueList>& source,
                                       TCalcOperateMultiFunc& copy,
                                       std::unique_ptr<ValueList>& target) const {
    if (!source) return;
    target = std::make_unique<ValueList>();
    target->reserve(source->size());
    for (const ValueRef& element : *source) {
        // A variable stays shared, so the copy goes on following it; any other
        // element gets its own copy.
        copy.AddElement(target, !element || element->IsNamed() ? element : element->Clone());
    }
}

std::unique_ptr<TCalcOperate> TCalcOperateMultiFunc::Clone() const {
    auto copy = std::make_unique<TCalcOperateMultiFunc>(FuncID);
    CopyOperandsTo(*copy);
    CopyListTo(array1_, *copy, copy->array1_);
    CopyListTo(array2_, *copy, copy->array2_);
    return copy;
}

int TCalcOperateMultiFunc::EvaluationChildCount() const {
    return OperandCount() + static_cast<int>(array1_ ? array1_->size() : 0) +
           static_cast<int>(array2_ ? array2_->size() : 0);
}

TCalcValue* TCalcOperateMultiFunc::EvaluationChild(int index) const {
    if (index < OperandCount()) return Operand(index);
    index -= OperandCount();
    const int size1 = static_cast<int>(array1_ ? array1_->size() : 0);
    if (index < size1) return (*array1_)[static_cast<std::size_t>(index)].get();
    return (*array2_)[static_cast<std::size_t>(index - size1)].get();
}

}  // namespace quillix
