// SPDX-License-Identifier: GPL-3.0-or-later
// A table cell is what running the stored program with that input gives (as
// "quillix-cli run PROGRAM INPUT=value" runs it: load, bind, recalculate
// everything), over random programs and inputs.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/whatif/whatif_test_support.h"
#include "support/temp_folder.h"
#include "vars/calc_exec.h"
#include "whatif/whatif_table.h"

namespace quillix::test {
namespace {

class RandomProgram {
  public:
    explicit RandomProgram(unsigned seed) : random_(seed) {}

    // Inputs first (plain numbers), then variables whose formulas use any
    // earlier variable; some of them outputs.
    void Build(TCalcVars& doc) {
        const int inputs = Pick(1, 3);
        for (int i = 0; i < inputs; ++i) {
            Add(doc, "In" + std::to_string(i), Number());
            doc.SetValueType("In" + std::to_string(i), wtInput);
        }
        const int steps = Pick(2, 8);
        for (int i = 0; i < steps; ++i) {
            const std::string name = "V" + std::to_string(i);
            Add(doc, name, Expression(3));
            if (Pick(0, 2) == 0 || i == steps - 1) doc.SetValueType(name, wtOutput);
        }
    }

    long double InputValue() { return static_cast<long double>(Pick(-2000, 2000)) / Pick(1, 400); }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  private:
    void Add(TCalcVars& doc, const std::string& name, const std::string& formula) {
        FormulaReaderOptions options;
        options.vars = &doc;
        FormulaReadResult read = ReadFormula(formula, options);
        ASSERT_TRUE(read.ok()) << formula;
        ASSERT_TRUE(doc.Add(name, std::move(read.value)));
        names_.push_back(name);
    }

    std::string Number() {
        return std::to_string(Pick(-50, 50)) + "." + std::to_string(Pick(0, 99));
    }

    std::string Expression(int depth) {
        const int choice = Pick(0, depth == 0 ? 1 : 9);
        if (choice == 0) return Number();
        if (choice == 1)
            return names_[static_cast<std::size_t>(Pick(0, static_cast<int>(names_.size()) - 1))];
        static const char* const kOperators[] = {"+", "-", "*", "/", " Mod ", ">=", "<>", "+"};
        static const char* const kFunctions[] = {"Sqrt", "Ln", "Abs", "Sin", "Exp", "Int"};
        if (choice == 2) return "(" + Expression(depth - 1) + ")^" + std::to_string(Pick(0, 3));
        if (choice <= 6) {
            const char* op = kOperators[Pick(0, 7)];
            return "(" + Expression(depth - 1) + op + Expression(depth - 1) + ")";
        }
        if (choice <= 8)
            return std::string(kFunctions[Pick(0, 5)]) + "(" + Expression(depth - 1) + ")";
        return "PMT(" + Expression(depth - 1) + "," + std::to_string(Pick(1, 40)) + "," +
               Expression(depth - 1) + ",0)";
    }

    std::mt19937 random_;
    std::vector<std::string> names_;
};

// What a run of the file with input = x gives for output.
TWhatIfCell RunProgram(const std::string& file, const std::string& input, long double x,
                       const std::string& output) {
    TCalcProgramExec program;
    EXPECT_TRUE(program.LoadFromFile(file, nullptr));
    EXPECT_TRUE(program.SetInput(input, TCalcValue::New(x)));
    program.RecalcAll();
    return TWhatIfCell::Of(*program.GetValue(output));
}

TEST_F(WhatIfTest, EquivalenceACellIsWhatARunOfTheProgramWithThatInputGives) {
    TempFolder folder;
    const std::string file = folder.File("random.prg");
    int compared = 0;
    int errors = 0;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        doc.New();
        RandomProgram random(seed);
        random.Build(doc);
        ASSERT_TRUE(doc.SaveToFile(file, nullptr));

        TCalcProgramExec program;  // loaded and brought up to date as a run does
        ASSERT_TRUE(program.LoadFromFile(file, nullptr));
        program.RecalcAll();
        const std::vector<TCalcValueWarper*>& inputs = program.Inputs();
        const std::string input =
            inputs[static_cast<std::size_t>(random.Pick(0, static_cast<int>(inputs.size()) - 1))]
                ->GetName();
        std::vector<std::string> outputs;
        for (const TCalcValueWarper* output : program.Outputs())
            outputs.push_back(output->GetName());
        std::vector<long double> points;
        for (int i = 0; i < 4; ++i)
            points.push_back(random.InputValue());

        const TWhatIfTable table = Tabulate(program, input, points, outputs);
        for (std::size_t p = 0; p < points.size(); ++p) {
            for (std::size_t o = 0; o < outputs.size(); ++o) {
                const TWhatIfCell expected = RunProgram(file, input, points[p], outputs[o]);
                const TWhatIfCell& cell = table.Rows[p][o];
                ASSERT_EQ(cell.Kind, expected.Kind) << "seed " << seed << " " << outputs[o];
                if (cell.IsError()) {
                    ++errors;
                    ASSERT_EQ(cell.ErrorText, expected.ErrorText) << "seed " << seed;
                } else {
                    ASSERT_EQ(cell.Number, expected.Number) << "seed " << seed << " " << outputs[o];
                }
                ++compared;
            }
        }
    }
    // The random programs reach both numbers and error values.
    EXPECT_GT(errors, compared / 20);
    EXPECT_LT(errors, compared / 2);
}

}  // namespace
}  // namespace quillix::test
