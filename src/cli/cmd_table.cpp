// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli table PROGRAM INPUT=RANGE [INPUT2=RANGE] [OUTPUT...] [--csv]:
// outputs of a stored program over the values of one input, or one output over
// two inputs, one line per row (tab-separated, CSV or one JSON object). Every
// argument is checked before the first line is written.

#include <ostream>

#include "cli_context.h"
#include "json_writer.h"
#include "value_json.h"
#include "whatif/whatif_range.h"
#include "whatif/whatif_text.h"
#include "whatif_program.h"

namespace quillix::cli {

namespace {

struct InputRange {
    std::string name;
    std::vector<long double> points;
};

struct TableOptions {
    std::string program;
    std::vector<InputRange> inputs;
    std::vector<std::string> outputs;
    bool csv = false;
};

InputRange ReadInputRange(const std::string& argument) {
    const std::size_t equals = argument.find('=');
    const TRangeReading reading = ReadRange(std::string_view(argument).substr(equals + 1));
    if (!reading.range) throw UsageError(argument.substr(0, equals) + ": " + reading.problem);
    return InputRange{argument.substr(0, equals), RangePoints(*reading.range)};
}

TableOptions ParseTableArguments(const Arguments& args) {
    TableOptions options;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--csv") {
            options.csv = true;
        } else if (!optionsEnded && arg.starts_with("--")) {
            throw UsageError("unknown option '" + arg + "'");
        } else if (options.program.empty()) {
            options.program = arg;
        } else if (arg.find('=') != std::string::npos) {
            options.inputs.push_back(ReadInputRange(arg));
        } else {
            options.outputs.push_back(arg);
        }
    }
    if (options.program.empty() || options.inputs.empty())
        throw UsageError("usage: table PROGRAM INPUT=RANGE [INPUT2=RANGE] [OUTPUT...] [--csv]");
    if (options.inputs.size() > 2) throw UsageError("a table has one or two inputs");
    return options;
}

// The text lines, or the JSON object written row by row, so that a long table
// is never held whole.
class TableWriter {
  public:
    TableWriter(const CliContext& context, bool csv, std::vector<std::string> inputs,
                std::vector<std::string> outputs)
        : out_(*context.out),
          json_(context.json),
          separator_(csv ? TTableSeparator::kComma : TTableSeparator::kTab),
          inputs_(std::move(inputs)),
          outputs_(std::move(outputs)) {}

    void Header(const std::vector<std::string>& fields) {
        if (!json_) {
            out_ << TableLine(fields, separator_);
            return;
        }
        JsonWriter names;
        names.BeginObject().Key("inputs").BeginArray();
        for (const std::string& input : inputs_)
            names.String(input);
        names.EndArray().Key("outputs").BeginArray();
        for (const std::string& output : outputs_)
            names.String(output);
        names.EndArray().EndObject();
        // The object stays open for its rows.
        const std::string& text = names.Text();
        out_ << text.substr(0, text.size() - 1) << ", \"rows\": [";
    }

    // One JSON row per point: the inputs' values and the outputs' values.
    void JsonRow(std::span<const long double> inputs, std::span<const TWhatIfCell> cells) {
        JsonWriter row;
        row.BeginObject().Key("input").BeginArray();
        for (const long double value : inputs)
            WriteValueJson(row, *TWhatIfCell::OfNumber(value).ToValue());
        row.EndArray().Key("values").BeginArray();
        for (const TWhatIfCell& cell : cells)
            WriteValueJson(row, *cell.ToValue());
        row.EndArray().EndObject();
        out_ << (firstRow_ ? "" : ", ") << row.Text();
        firstRow_ = false;
    }

    void TextRow(long double input, std::span<const TWhatIfCell> cells) {
        out_ << TableLine(RowFields(input, cells), separator_);
    }

    bool Json() const { return json_; }
    const std::vector<std::string>& Outputs() const { return outputs_; }

    void End() {
        if (json_) out_ << "]}\n";
    }

  private:
    std::ostream& out_;
    bool json_;
    TTableSeparator separator_;
    std::vector<std::string> inputs_;
    std::vector<std::string> outputs_;
    bool firstRow_ = true;
};

void WriteOneInputTable(TCalcProgramExec& program, const InputRange& input,
                        const std::vector<std::string>& outputs, TableWriter& writer) {
    writer.Header(TableHeaderFields(StoredName(program, input.name), writer.Outputs()));
    TabulateRows(program, input.name, input.points, outputs,
                 [&](long double x, std::span<const TWhatIfCell> cells) {
                     if (writer.Json()) {
                         writer.JsonRow(std::span<const long double>(&x, 1), cells);
                     } else {
                         writer.TextRow(x, cells);
                     }
                 });
}

void WriteGrid(TCalcProgramExec& program, const TGridAxes& axes, const std::string& output,
               TableWriter& writer) {
    TGridAxes named = axes;
    named.RowInput = StoredName(program, axes.RowInput);
    named.ColumnInput = StoredName(program, axes.ColumnInput);
    writer.Header(GridHeaderFields(named));
    TabulateGridRows(program, axes, output, [&](long double x, std::span<const TWhatIfCell> cells) {
        if (!writer.Json()) {
            writer.TextRow(x, cells);
            return;
        }
        for (std::size_t j = 0; j < cells.size(); ++j) {
            const long double point[] = {x, axes.ColumnPoints[j]};
            writer.JsonRow(point, cells.subspan(j, 1));
        }
    });
}

}  // namespace

int RunTable(CliContext& context, const Arguments& args) {
    const TableOptions options = ParseTableArguments(args);
    if (options.csv && context.json) throw UsageError("--csv and --json exclude each other");
    WhatIfProgram loaded(context, options.program);
    TCalcProgramExec& program = loaded.Set();
    std::vector<std::string> outputs =
        options.outputs.empty() ? loaded.OutputNames() : options.outputs;
    if (outputs.empty())
        throw UsageError("the program has no outputs: name the variables to tabulate");
    if (options.inputs.size() == 2 && outputs.size() > 1)
        throw UsageError("a table over two inputs has one output: name it");
    std::vector<std::string> inputNames;
    for (const InputRange& input : options.inputs)
        inputNames.push_back(input.name);
    // Every name must serve before anything is written.
    if (const std::string problem = TableProblem(program, inputNames, outputs); !problem.empty())
        throw UsageError(problem);
    for (std::string& name : inputNames)
        name = StoredName(program, name);
    std::vector<std::string> outputNames;
    for (const std::string& output : outputs)
        outputNames.push_back(StoredName(program, output));
    TableWriter writer(context, options.csv, inputNames, outputNames);
    RefusalsAsUsage([&] {
        if (options.inputs.size() == 1) {
            WriteOneInputTable(program, options.inputs[0], outputs, writer);
        } else {
            const TGridAxes axes{options.inputs[0].name, options.inputs[0].points,
                                 options.inputs[1].name, options.inputs[1].points};
            WriteGrid(program, axes, outputs[0], writer);
        }
    });
    writer.End();
    return kExitOk;
}

}  // namespace quillix::cli
