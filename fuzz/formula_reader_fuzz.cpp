// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the formula reader: any bytes either read or fail with
// a message and a position inside the text, and whatever reads shows a text
// that reads back to the same text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/date_format.h"
#include "model/calc_value.h"
#include "model/formula_reader.h"
#include "vars/calc_vars_base.h"

namespace {

quillix::TCalcVarsBase& Variables() {
    static quillix::TCalcVarsBase vars;
    return vars;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    quillix::SetShortDateFormatter(quillix::FormatIsoDate);
    quillix::TCalcVarsBase& vars = Variables();
    vars.Add("A", quillix::TCalcValue::New(3));
    vars.Add("Rate", quillix::TCalcValue::New(0.05L));
    vars.Add("Net pay", quillix::TCalcValue::New(100));
    vars.Add("D", quillix::TCalcValue::NewDate(45000));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    quillix::FormulaReaderOptions options;
    options.vars = &Variables();
    const quillix::FormulaReadResult first = quillix::ReadFormula(text, options);
    if (!first.ok()) {
        if (first.value || first.error->offset > size || first.error->message.empty()) std::abort();
        return 0;
    }
    const std::string shown = first.value->GetFormulaText();
    const quillix::FormulaReadResult again = quillix::ReadFormula(shown, options);
    if (!again.ok() || again.value->GetFormulaText() != shown) std::abort();
    return 0;
}
