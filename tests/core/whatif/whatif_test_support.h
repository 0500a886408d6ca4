// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the what-if tests share: a program document built from formula texts,
// the loan program, and the document's state as a save would write it, with
// a count of the events its listeners heard.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/tree_builders.h"
#include "model/formula_reader.h"
#include "model/vars_document.h"
#include "support/loan_program.h"
#include "vars/calc_vars.h"

namespace quillix::test {

class WhatIfTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        listener.OnChange = [this](std::uint8_t, int, TCalcValueWarper*, const std::string&) {
            ++events;
        };
        doc.AddListener(&listener);
    }
    void TearDown() override {
        doc.RemoveListener(&listener);
        ModelTest::TearDown();
    }

    // Adds the variable name with the value of formula (names resolve in doc).
    void Define(const std::string& name, const std::string& formula) {
        FormulaReaderOptions options;
        options.vars = &doc;
        FormulaReadResult read = ReadFormula(formula, options);
        ASSERT_TRUE(read.ok()) << formula << ": " << read.error->message;
        ASSERT_TRUE(doc.Add(name, std::move(read.value))) << name;
    }

    // Payment = PMT(Rate/12, Years*12, Principal, 0) of a 200,000 loan at 6 %
    // over 30 years, and the total paid.
    void DefineLoan() {
        for (const test::TNamedFormula& entry : test::kLoanProgram)
            Define(entry.Name, entry.Formula);
    }

    // The document as a save writes it, and whether it is modified.
    std::string Saved() {
        return BuildVarsDocumentText(doc.GetDescription(), doc.GetItems()) +
               (doc.GetModified() ? "\nmodified" : "\nunmodified");
    }

    // Saved() before the operation under test; the events from here on count.
    std::string Before() {
        events = 0;
        return Saved();
    }

    long double Number(const std::string& name) { return doc.GetValue(name)->Number(); }

    TCalcVars doc;
    TCalcVarsEventsObject listener;
    int events = 0;
};

}  // namespace quillix::test
