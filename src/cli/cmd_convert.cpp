// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli convert VALUE FROM TO [--family NAME]: the unit converter on the
// command line, with the home's custom units, rounded as the converter shows it.

#include <optional>
#include <string>
#include <vector>

#include "cli_context.h"
#include "common/calc_error.h"
#include "common/number_text.h"
#include "convert/custom_units.h"
#include "convert/unit_converter.h"
#include "model/calc_value.h"
#include "value_json.h"

namespace quillix::cli {

namespace {

struct ConvertRequest {
    long double value = 0;
    std::string from;
    std::string to;
    std::optional<std::string> family;
};

ConvertRequest ParseConvertArguments(const Arguments& args) {
    ConvertRequest request;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (optionsEnded) {
            positional.push_back(args[i]);
        } else if (args[i] == "--") {
            optionsEnded = true;
        } else if (args[i] == "--family") {
            if (i + 1 >= args.size()) throw UsageError("--family needs a family name");
            request.family = args[++i];
        } else if (args[i].starts_with("--")) {
            throw UsageError("unknown option '" + args[i] + "' for convert");
        } else {
            positional.push_back(args[i]);  // "-40" is a value, not an option
        }
    }
    if (positional.size() != 3) throw UsageError("usage: convert VALUE FROM TO [--family NAME]");
    const std::optional<long double> value = ParseDecimal(positional[0]);
    if (!value) throw UsageError("'" + positional[0] + "' is not a valid floating point value");
    request.value = *value;
    request.from = positional[1];
    request.to = positional[2];
    return request;
}

// The named family, or else the first family that has a unit named from.
std::optional<TConvFamily> ChooseFamily(const TConvRegistry& registry,
                                        const ConvertRequest& request) {
    if (request.family) {
        const std::optional<TConvFamily> family = registry.FindFamily(*request.family);
        if (!family) throw CommandFailed("Unknown conversion family '" + *request.family + "'");
        return family;
    }
    for (const TConvFamily family : registry.Families()) {
        if (registry.FindUnit(family, request.from)) return family;
    }
    return std::nullopt;
}

}  // namespace

int RunConvert(CliContext& context, const Arguments& args) {
    const ConvertRequest request = ParseConvertArguments(args);
    TConvRegistry registry;
    TCustomUnits customUnits(registry, CustomUnitsPath(context.home));
    RegisterAllUnits(registry, customUnits);
    long double result = 0;
    try {
        const std::optional<TConvFamily> family = ChooseFamily(registry, request);
        if (!family) {
            throw EConversionError("Incompatible conversion types [" + request.from + ", " +
                                   request.to + "]");
        }
        // The typed number is read as the calculator reads a value's number, so in
        // fixed format it is taken at the displayed decimals.
        const long double typed = TCalcValue::New(request.value)->GetNumber();
        result = ConvertUnitsByName(registry, *family, request.from, request.to, typed);
    } catch (const EConversionError& e) {
        throw CommandFailed(e.what());
    } catch (const ECalcError& e) {
        throw CommandFailed(e.what());
    }
    // A plain number as the converter's "To:" box holds it, shown in the
    // display format of this run.
    const ValueRef shown = TCalcValue::New(result);
    PrintValueResult(context, *shown);
    return StatusAfterFileWrite(context, customUnits.FileError(), kExitOk);
}

}  // namespace quillix::cli
