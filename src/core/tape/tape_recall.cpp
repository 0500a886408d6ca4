// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tape_recall.h"

#include "model/formula_reader.h"

namespace quillix {

namespace {

ValueRef NumberAlone(const TTapeEntry& entry) {
    ValueRef value = TCalcValue::New(entry.Number, entry.Kind);
    if (entry.Kind == cvError) value->SetError(entry.Shown);
    return value;
}

}  // namespace

ValueRef TapeLineValue(TTape& tape, int index, ICalcVarsBase* vars) {
    const TTapeEntry& entry = tape.At(index);
    if (entry.Value) return entry.Value;
    FormulaReaderOptions options;
    options.vars = vars;
    // A formula cut short ends in "\u2026", which no formula has: it reads as none.
    ValueRef value = ReadFormula(entry.Formula, options).value;
    if (!value) value = NumberAlone(entry);
    tape.SetValue(index, value);
    return value;
}

void InsertTapeLine(TCalcEngine& engine, TTape& tape, int index, ICalcVarsBase* vars) {
    TCalcCommondData data;
    data.Value = TapeLineValue(tape, index, vars);
    engine.Execute(ccInsertReference, &data);
}

}  // namespace quillix
