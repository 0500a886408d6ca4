// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the formula reader tests share: a small variable set to resolve names
// against, a user-call runner whose answers depend on the arguments, and the
// fixture that fixes the formats and installs both.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/text_compare.h"
#include "core/model/tree_builders.h"
#include "model/calc_value_warper.h"
#include "model/formula_reader.h"
#include "model/user_call_runner.h"
#include "support/idle_calc_vars.h"

namespace quillix::test {

// Variables found by name without regard to letter case.
class NamedVars : public IdleCalcVarsBase {
  public:
    TCalcValue* AddVariable(const std::string& name, ValueRef value) {
        value->SetName(name);
        items_.push_back(std::make_unique<TCalcValueWarper>(std::move(value)));
        return items_.back()->Value.get();
    }
    TCalcValueWarper* Find(const std::string& name) override {
        for (const auto& item : items_) {
            if (EqualsIgnoreAsciiCase(item->GetName(), name)) return item.get();
        }
        return nullptr;
    }
    const TCalcValueWarperList& GetItems() override { return items_; }

  private:
    TCalcValueWarperList items_;
};

// A user function answers the sum of its arguments plus the length of its
// name; a program the same with its result name, so a misread call shows.
class SummingRunner : public IUserCallRunner {
  public:
    std::optional<UserCallResult> RunUserFunction(
        const std::string& name, const std::vector<const TCalcValue*>& args) override {
        return Sum(name.size(), args);
    }
    std::optional<UserCallResult> RunUserProgram(
        const std::string& name, const std::string& resultName,
        const std::vector<const TCalcValue*>& args) override {
        return Sum(name.size() * 100 + resultName.size(), args);
    }

  private:
    static UserCallResult Sum(std::size_t base, const std::vector<const TCalcValue*>& args) {
        long double sum = static_cast<long double>(base);
        for (const TCalcValue* arg : args)
            sum += arg->GetNumber();
        return UserCallResult{sum, cvNumber, {}};
    }
};

class ReaderTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        SetUserCallRunner(&runner);
    }
    void TearDown() override {
        SetUserCallRunner(nullptr);
        ModelTest::TearDown();
    }
    FormulaReadResult Read(std::string_view text) {
        FormulaReaderOptions options;
        options.vars = &vars;
        return ReadFormula(text, options);
    }

    NamedVars vars;
    SummingRunner runner;
};

}  // namespace quillix::test
