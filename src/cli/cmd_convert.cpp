// quillix-cli convert VALUE FROM TO [--family NAME]: the unit converter on the
// command line, with the home's custom units, rounded as the converter shows it.

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli_context.h"
#include "common/calc_error.h"
#include "common/number_text.h"
#include "convert/custom_units.h"
#include "convert/unit_converter.h"
#include "json_writer.h"

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
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--family") {
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

std::string PrintedNumber(long double number) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", number);
    return buffer;
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
        result = ConvertUnitsByName(registry, *family, request.from, request.to, request.value);
    } catch (const EConversionError& e) {
        throw CommandFailed(e.what());
    } catch (const ECalcError& e) {
        throw CommandFailed(e.what());
    }
    // The 15-digit form of the files, taken from the rounded number itself so that
    // a result near the top of the double range is not narrowed again.
    const std::string text = FormatFloatGeneral(result, 15, 0);
    if (context.json) {
        JsonWriter json;
        json.BeginObject()
            .Key("number")
            .String(PrintedNumber(result))
            .Key("kind")
            .Int(0)
            .Key("text")
            .String(text)
            .Key("formula")
            .String(text)
            .EndObject();
        *context.out << json.Text() << "\n";
    } else {
        *context.out << text << "\n";
    }
    return kExitOk;
}

}  // namespace quillix::cli
