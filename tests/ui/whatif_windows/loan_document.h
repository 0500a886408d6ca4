// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program the what-if window tests explore: a loan of 200,000 at 6 %
// over 30 years, its monthly payment and the total paid; and the document's
// state as a save writes it, with a count of the events its listeners heard.

#include <gtest/gtest.h>

#include <string>

#include "model/formula_reader.h"
#include "model/vars_document.h"
#include "support/loan_program.h"
#include "vars/calc_vars.h"

namespace quillix::test {

inline void Define(TCalcVars& vars, const std::string& name, const std::string& formula) {
    FormulaReaderOptions options;
    options.vars = &vars;
    FormulaReadResult read = ReadFormula(formula, options);
    ASSERT_TRUE(read.ok()) << formula;
    ASSERT_TRUE(vars.Add(name, std::move(read.value))) << name;
}

inline void DefineLoan(TCalcVars& vars) {
    for (const TNamedFormula& entry : kLoanProgram)
        Define(vars, entry.Name, entry.Formula);
    vars.SetValueType("Rate", wtInput);
    vars.SetValueType("Payment", wtOutput);
}

// Watches a document: what a save would write, and the events heard since.
class TDocumentWatch {
  public:
    explicit TDocumentWatch(TCalcVars& vars) : vars_(vars) {
        listener_.OnChange = [this](std::uint8_t, int, TCalcValueWarper*, const std::string&) {
            ++events_;
        };
        vars_.AddListener(&listener_);
        before_ = Saved();
    }
    ~TDocumentWatch() { vars_.RemoveListener(&listener_); }
    TDocumentWatch(const TDocumentWatch&) = delete;
    TDocumentWatch& operator=(const TDocumentWatch&) = delete;

    std::string Saved() {
        return BuildVarsDocumentText(vars_.GetDescription(), vars_.GetItems()) +
               (vars_.GetModified() ? "\nmodified" : "\nunmodified");
    }
    bool Unchanged() { return Saved() == before_ && events_ == 0; }
    int Events() const { return events_; }

  private:
    TCalcVars& vars_;
    TCalcVarsEventsObject listener_;
    std::string before_;
    int events_ = 0;
};

}  // namespace quillix::test
