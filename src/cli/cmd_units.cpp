// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli units [FAMILY]: the conversion families, or the units of one family,
// in registration order, with the home's custom units.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli_context.h"
#include "convert/custom_units.h"
#include "json_writer.h"

namespace quillix::cli {

namespace {

std::vector<std::string> ListedNames(const TConvRegistry& registry, const Arguments& args) {
    std::vector<std::string> names;
    if (args.empty()) {
        for (const TConvFamily family : registry.Families()) {
            names.push_back(registry.FamilyName(family).value_or(""));
        }
        return names;
    }
    const std::optional<TConvFamily> family = registry.FindFamily(args[0]);
    if (!family) throw CommandFailed("Unknown conversion family '" + args[0] + "'");
    for (const TConvType unit : registry.UnitsOf(*family)) {
        names.push_back(registry.UnitName(unit).value_or(""));
    }
    return names;
}

}  // namespace

int RunUnits(CliContext& context, const Arguments& args) {
    if (args.size() > 1) throw UsageError("usage: units [FAMILY]");
    if (!args.empty() && args[0].starts_with("--")) {
        throw UsageError("unknown option '" + args[0] + "' for units");
    }
    TConvRegistry registry;
    TCustomUnits customUnits(registry, CustomUnitsPath(context.home));
    RegisterAllUnits(registry, customUnits);
    const std::vector<std::string> names = ListedNames(registry, args);
    if (context.json) {
        JsonWriter json;
        json.BeginArray();
        for (const std::string& name : names)
            json.String(name);
        json.EndArray();
        *context.out << json.Text() << "\n";
    } else {
        for (const std::string& name : names)
            *context.out << name << "\n";
    }
    return StatusAfterFileWrite(context, customUnits.FileError(), kExitOk);
}

}  // namespace quillix::cli
