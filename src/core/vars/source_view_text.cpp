// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/source_view_text.h"

#include "common/untrusted_text.h"
#include "vars/calc_vars_base.h"

namespace quillix {

namespace {

std::string HeaderOf(const TCalcValueWarper& entry) {
    switch (entry.Type) {
        case wtInput:
            return "[Input]:" + entry.Description;
        case wtOutput:
            return "[Output]:" + entry.Description;
        default:
            return entry.Description;
    }
}

std::string BodyOf(const TCalcValueWarper& entry) {
    const TCalcValue& value = *entry.Value;
    return entry.GetName() + "=" + value.GetFormulaText() + ";(" + value.FormatValue(kPlainStyle) +
           ")";
}

}  // namespace

std::vector<TSourceLine> SourceViewLines(const TCalcVarsBase& set) {
    std::vector<TSourceLine> lines;
    lines.push_back({TSourceLine::kDescription, set.Description()});
    lines.push_back({TSourceLine::kBlank, ""});
    for (const auto& entry : set.Items()) {
        lines.push_back({TSourceLine::kHeader, HeaderOf(*entry)});
        lines.push_back({TSourceLine::kBody, BodyOf(*entry)});
    }
    return lines;
}

std::string SourceViewText(const TCalcVarsBase& set) {
    // One line each, whatever a description holds: a line break in it is shown,
    // not obeyed, so no text of the file can pass for a line of the view.
    std::string text;
    for (const TSourceLine& line : SourceViewLines(set))
        text += VisibleText(line.text) + "\n";
    return text;
}

}  // namespace quillix
