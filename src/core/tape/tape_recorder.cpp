// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tape_recorder.h"

#include <chrono>
#include <utility>

#include "model/operate_ref.h"

namespace quillix {

namespace {

// The value a reference at the root of value's tree refers to, or null.
TCalcValue* ReferredValue(const TCalcValue& value) {
    const auto* reference = dynamic_cast<const TCalcOperateRef*>(value.Operate());
    return reference && reference->OperandCount() == 1 ? reference->Operand(0) : nullptr;
}

// A value computed by a tree, not a number typed or a variable recalled (a
// chain of references is followed without recursion: it can be long).
bool IsCalculated(const TCalcValue& value) {
    for (const TCalcValue* at = &value; at->Operate();) {
        const TCalcValue* referred = ReferredValue(*at);
        if (!referred) return true;
        if (referred->IsNamed()) return false;
        at = referred;
    }
    return false;
}

}  // namespace

std::string CappedTapeFormula(std::string formula) {
    if (formula.size() <= kTapeFormulaLimit) return formula;
    std::size_t cut = kTapeFormulaLimit;
    while (cut > 0 && (static_cast<unsigned char>(formula[cut]) & 0xC0) == 0x80)
        --cut;
    formula.resize(cut);
    return formula + "\u2026";
}

std::int64_t TapeClockNow() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

TTapeRecorder::TTapeRecorder(TCalcEngine& engine, TTape& tape, TClock clock)
    : engine_(engine), tape_(tape), clock_(clock ? std::move(clock) : TClock(TapeClockNow)) {
    previousX_ = engine_.Stack().X;
    listener_.OnCommand = [this](std::uint8_t code, const TCalcCommondData* data,
                                 const TCalcStack& stack, bool) { Told(code, data, stack); };
    engine_.AddListener(&listener_);
}

TTapeRecorder::~TTapeRecorder() {
    engine_.RemoveListener(&listener_);
}

void TTapeRecorder::Told(std::uint8_t code, const TCalcCommondData* data, const TCalcStack& stack) {
    const ValueRef& x = stack.X;
    const bool changed = x && x != previousX_;
    const bool rpn = engine_.Mode() == kModeRPN;
    bool recordX = false;
    if (code == ccFunction || code == ccUserFunction) {
        recordX = changed;
    } else if (IsBinaryOperator(code) || code == ccPercent) {
        recordX = rpn && changed;
    } else if (code == ccEquals) {
        recordX = !rpn && x && x != onTape_ && IsCalculated(*x);
    } else if (code == ccInsertReference || code == ccInsertValue) {
        if (data && data->Value && x) Inserted(data->Value, x);
    } else if (code == ccReferenceX) {
        if (x && ReferredValue(*x) && ReferredValue(*x)->IsNamed()) RecordVariable(x);
    }
    if (recordX) {
        RecordResult(x);
        onTape_ = x;
    }
    previousX_ = x;
}

void TTapeRecorder::Inserted(const ValueRef& inserted, const ValueRef& x) {
    // A value a dialog built (a function of several arguments, a program) is a
    // calculation; a variable or a line of the tape is only recalled.
    if (!inserted->IsNamed() && IsCalculated(*inserted) && !tape_.Holds(inserted.get()))
        RecordResult(inserted);
    // Alone in X, the inserted value is no new calculation for "=".
    if (x == inserted || ReferredValue(*x) == inserted.get()) onTape_ = x;
}

void TTapeRecorder::RecordResult(const ValueRef& value) {
    Record(value->GetFormulaText(), *value, value->Clone());
}

void TTapeRecorder::RecordVariable(const ValueRef& x) {
    Record(x->GetFormulaText(), *x, ValueRef(ReferredValue(*x)));
    onTape_ = x;
}

void TTapeRecorder::Record(std::string formula, const TCalcValue& shown, ValueRef value) {
    TTapeEntry entry;
    entry.Formula = CappedTapeFormula(std::move(formula));
    entry.Shown = shown.FormatValue(kGroupedStyle);
    if (entry.Formula == entry.Shown) return;  // nothing was calculated to show
    entry.Number = shown.Number();
    entry.Kind = shown.CVType();
    entry.Time = clock_();
    entry.Value = std::move(value);
    tape_.Add(std::move(entry));
}

}  // namespace quillix
