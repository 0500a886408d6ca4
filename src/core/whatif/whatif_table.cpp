// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif/whatif_table.h"

#include "common/untrusted_text.h"
#include "model/calc_vars_intf.h"
#include "vars/library_names.h"
#include "whatif/input_trial.h"

namespace quillix {

namespace {

std::string Quoted(const std::string& name) {
    return "'" + VisibleText(TrimBlanks(name)) + "'";
}

void RequireTable(ICalcVarsBase& vars, const std::vector<std::string>& inputs,
                  const std::vector<std::string>& outputs) {
    if (const std::string problem = TableProblem(vars, inputs, outputs); !problem.empty())
        throw WhatIfRefused(problem);
}

std::vector<TCalcValue*> Values(ICalcVarsBase& vars, const std::vector<std::string>& names) {
    std::vector<TCalcValue*> values;
    for (const std::string& name : names)
        values.push_back(vars.GetValue(name));
    return values;
}

void ReadCell(TWhatIfCell& cell, const TCalcValue& value) {
    cell.Number = value.Number();
    cell.Kind = value.CVType();
    if (cell.Kind == cvError) {
        cell.ErrorText = value.ErrorText();
    } else {
        cell.ErrorText.clear();
    }
}

}  // namespace

TWhatIfCell TWhatIfCell::Of(const TCalcValue& value) {
    TWhatIfCell cell;
    ReadCell(cell, value);
    return cell;
}

ValueRef TWhatIfCell::ToValue() const {
    ValueRef value = TCalcValue::New(Number, Kind);
    value->SetErrorText(ErrorText);
    return value;
}

std::string TWhatIfCell::PlainText() const {
    return ToValue()->FormatValue(kPlainStyle);
}

std::string WhatIfInputProblem(ICalcVarsBase& vars, const std::string& name) {
    const TCalcValue* value = vars.GetValue(name);
    if (!value) return "there is no variable " + Quoted(name);
    if (value->Operate())
        return Quoted(name) + " has a formula: only a variable that holds a plain number can vary";
    if (value->CVType() != cvNumber) return Quoted(name) + " does not hold a number";
    return "";
}

std::string WhatIfOutputProblem(ICalcVarsBase& vars, const std::string& name) {
    return vars.GetValue(name) ? "" : "there is no variable " + Quoted(name);
}

std::string TableProblem(ICalcVarsBase& vars, const std::vector<std::string>& inputs,
                         const std::vector<std::string>& outputs) {
    for (const std::string& input : inputs) {
        if (std::string problem = WhatIfInputProblem(vars, input); !problem.empty()) return problem;
    }
    if (inputs.size() == 2 && vars.GetValue(inputs[0]) == vars.GetValue(inputs[1]))
        return "the two inputs of a table must be different variables";
    for (const std::string& output : outputs) {
        if (std::string problem = WhatIfOutputProblem(vars, output); !problem.empty())
            return problem;
    }
    return "";
}

std::string KeptTableProblem(std::size_t rows, std::size_t columns) {
    // Divided, not multiplied: a product of two large counts could overflow.
    if (columns != 0 && rows > kMaxKeptCells / columns)
        return "the table would hold " + std::to_string(rows) + " x " + std::to_string(columns) +
               " cells; at most 2,000,000 can be shown";
    return "";
}

std::vector<std::string> WhatIfInputs(ICalcVarsBase& vars) {
    std::vector<std::string> names;
    for (const auto& entry : vars.GetItems()) {
        if (WhatIfInputProblem(vars, entry->GetName()).empty()) names.push_back(entry->GetName());
    }
    return names;
}

std::string StoredName(ICalcVarsBase& vars, const std::string& name) {
    const TCalcValue* value = vars.GetValue(name);
    return value ? value->Name() : TrimBlanks(name);
}

void TabulateRows(ICalcVarsBase& vars, const std::string& input,
                  std::span<const long double> points, const std::vector<std::string>& outputs,
                  const WhatIfRowSink& sink) {
    RequireTable(vars, {input}, outputs);
    const std::vector<TCalcValue*> outputValues = Values(vars, outputs);
    std::vector<TWhatIfCell> cells(outputValues.size());
    TInputTrial trial(*vars.GetValue(input));
    for (const long double x : points) {
        trial.Set(x);
        for (std::size_t j = 0; j < cells.size(); ++j)
            ReadCell(cells[j], *outputValues[j]);
        sink(x, cells);
    }
}

void TabulateGridRows(ICalcVarsBase& vars, const TGridAxes& axes, const std::string& output,
                      const WhatIfRowSink& sink) {
    RequireTable(vars, {axes.RowInput, axes.ColumnInput}, {output});
    const TCalcValue& outputValue = *vars.GetValue(output);
    std::vector<TWhatIfCell> cells(axes.ColumnPoints.size());
    // Both trials keep the state from before the first point.
    TInputTrial rows(*vars.GetValue(axes.RowInput));
    TInputTrial columns(*vars.GetValue(axes.ColumnInput));
    for (const long double x : axes.RowPoints) {
        rows.Set(x);
        for (std::size_t j = 0; j < cells.size(); ++j) {
            columns.Set(axes.ColumnPoints[j]);
            ReadCell(cells[j], outputValue);
        }
        sink(x, cells);
    }
}

TWhatIfTable Tabulate(ICalcVarsBase& vars, const std::string& input,
                      std::span<const long double> points,
                      const std::vector<std::string>& outputs) {
    TWhatIfTable table;
    table.Input = StoredName(vars, input);
    for (const std::string& output : outputs)
        table.Outputs.push_back(StoredName(vars, output));
    table.Points.reserve(points.size());
    table.Rows.reserve(points.size());
    TabulateRows(vars, input, points, outputs,
                 [&](long double x, std::span<const TWhatIfCell> cells) {
                     table.Points.push_back(x);
                     table.Rows.emplace_back(cells.begin(), cells.end());
                 });
    return table;
}

TWhatIfGrid TabulateGrid(ICalcVarsBase& vars, const TGridAxes& axes, const std::string& output) {
    TWhatIfGrid grid;
    grid.Axes = axes;
    grid.Axes.RowInput = StoredName(vars, axes.RowInput);
    grid.Axes.ColumnInput = StoredName(vars, axes.ColumnInput);
    grid.Output = StoredName(vars, output);
    grid.Rows.reserve(axes.RowPoints.size());
    TabulateGridRows(vars, axes, output, [&](long double, std::span<const TWhatIfCell> cells) {
        grid.Rows.emplace_back(cells.begin(), cells.end());
    });
    return grid;
}

}  // namespace quillix
