// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calc_processor.h"

#include <utility>

#include "model/operate_binary.h"
#include "model/operate_func.h"
#include "model/operate_ref.h"
#include "model/operate_user.h"

namespace quillix {

namespace {

// The value a command record carries for codes 33 and 34, or null.
const ValueRef* CommandValue(const TCalcCommondData* data) {
    return data && data->Value ? &data->Value : nullptr;
}

}  // namespace

TCalcProcessor::TCalcProcessor(TCalcStack& stack, bool entering, TCalcInputor& inputor)
    : Inputor(inputor), Entering(entering), Stack(stack) {}

void TCalcProcessor::ExecCommand(std::uint8_t code, const TCalcCommondData* data) {
    switch (code) {
        case ccEquals:
            DoEquals();
            return;
        case ccUserFunction:
            DoUserFunction(data);
            return;
        case ccFunction:
            DoFunction(data);
            return;
        case ccInsertReference:
            DoInsertReference(data);
            return;
        case ccInsertValue:
            DoInsertValue(data);
            return;
        case ccReferenceX:
            DoReferenceX();
            return;
        case ccOpenParen:
            DoOpenParen();
            return;
        case ccCloseParen:
            DoCloseParen();
            return;
        case ccPercent:
            DoPercent();
            return;
        case ccClear:
            ClearAll();
            return;
        case ccPaste:
        case ccBackspace:
        case ccDecimalPoint:
        case ccChangeSign:
            DoNumberInput(code, data);
            return;
        default:
            break;
    }
    if (code >= ccDigit0 && code <= ccExponent) {
        DoNumberInput(code, data);
    } else if (IsBinaryOperator(code)) {
        DoOperator(code);
    }
    // Everything else (mode codes, copy, none, codes above 45) changes nothing.
}

void TCalcProcessor::EndEntry() {
    if (!Entering) return;
    Entering = false;
    Inputor.Reset();
}

void TCalcProcessor::DoNumberInput(std::uint8_t code, const TCalcCommondData* data) {
    if (Entering) {
        // On a failed conversion X keeps its number and the editor the characters.
        Stack.X->SetNumber(Inputor.Input(code, data));
        return;
    }
    if (code == ccExponent || code == ccBackspace || code == ccDecimalPoint) return;
    if (code == ccChangeSign) {
        ApplyToX(std::make_unique<TCalcOperateSign>());
        Stack.Pending = ccNone;
        return;
    }
    // A new entry: the text is read and converted before the stack moves, so
    // that a refused paste (no number) and a text that cannot be converted (a
    // huge pasted number) leave the stack and the editor as they were.
    if (code == ccPaste && !TCalcInputor::IsPastable(data ? data->Text : std::string())) return;
    TCalcInputor started;
    const long double number = started.Input(code, data);
    BeginEntry();
    Inputor = std::move(started);
    Stack.X->SetNumber(number);
}

void TCalcProcessor::DoFunction(const TCalcCommondData* data) {
    if (!data) return;
    EndEntry();
    ApplyToX(std::make_unique<TCalcOperateFunc>(data->FuncID));
}

void TCalcProcessor::DoUserFunction(const TCalcCommondData* data) {
    if (!data) return;
    EndEntry();
    ApplyToX(std::make_unique<TCalcOperateUserFunc>(data->FuncName));
}

void TCalcProcessor::DoReferenceX() {
    EndEntry();
    Stack.ReferenceX();
}

void TCalcProcessor::DoPercent() {
    EndEntry();
    if (Stack.Values.Empty()) return;
    auto node = std::make_unique<TCalcOperatePercent>();
    node->AddOperand(Stack.Values.GetItem(0)->Clone());
    node->AddOperand(Stack.X);
    SetXTree(std::move(node));
}

void TCalcProcessor::DoInsertReference(const TCalcCommondData* data) {
    if (const ValueRef* value = CommandValue(data)) Insert(*value, true);
}

void TCalcProcessor::DoInsertValue(const TCalcCommondData* data) {
    if (const ValueRef* value = CommandValue(data)) Insert(*value, false);
}

void TCalcProcessor::Insert(const ValueRef& value, bool asReference) {
    ValueRef inserted = value;
    if (Stack.X->IsEmpty() && Entering) {
        Stack.X.reset();
    } else {
        DoEquals();
        Stack.PushX();
    }
    Stack.X = std::move(inserted);
    if (asReference) Stack.ReferenceX();
    EndEntry();
}

void TCalcProcessor::ApplyToX(std::unique_ptr<TCalcOperate> node) {
    node->AddOperand(Stack.X);
    SetXTree(std::move(node));
}

void TCalcProcessor::SetXTree(std::unique_ptr<TCalcOperate> node) {
    Stack.X = TCalcValue::NewComputed(std::move(node));
}

void TCalcProcessor::ClearAll() {
    if (Entering) Inputor.Reset();
    Stack.Clear();
    Entering = true;
}

}  // namespace quillix
