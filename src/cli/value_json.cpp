// SPDX-License-Identifier: GPL-3.0-or-later
#include "value_json.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "common/untrusted_text.h"
#include "model/calc_value.h"

namespace quillix::cli {

std::string PrintedNumber(long double number) {
    if (std::isnan(number)) return "nan";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", number);
    return buffer;
}

void WriteValueJson(JsonWriter& json, const TCalcValue& value) {
    json.BeginObject()
        .Key("number")
        .String(PrintedNumber(value.Number()))
        .Key("kind")
        .Int(value.CVType())
        .Key("text")
        .String(ValuePlainText(value))
        .Key("formula")
        .String(value.GetFormulaText())
        .EndObject();
}

int PrintValueResult(const CliContext& context, const TCalcValue& value) {
    const bool failed = value.CVType() == cvError;
    if (context.json) {
        JsonWriter json;
        WriteValueJson(json, value);
        *context.out << json.Text() << "\n";
    } else if (!failed) {
        *context.out << VisibleText(ValuePlainText(value)) << "\n";
    }
    // An error value is no result a script may take for a number.
    if (!failed) return kExitOk;
    *context.err << VisibleText(ValuePlainText(value)) << "\n";
    return kExitFailed;
}

}  // namespace quillix::cli
