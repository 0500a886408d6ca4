// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/custom_units.h"
#include "common/text_compare.h"

#include <cmath>

#include "common/home_folder.h"
#include "common/number_text.h"
#include "config/ini_file.h"
#include "convert/extra_units.h"
#include "convert/standard_units.h"

namespace quillix {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    return TrimAny(text, " \t");
}

bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
    }
    return false;
}

// Names go into "unitconv.ini" as they are: the unit name as a key, the family
// name as a value. A name that the file cannot hold back unchanged would come
// back as another unit (or break the lines after it), so it is refused.
bool StorableName(std::string_view name) {
    return !name.empty() && TrimBlanks(name) == name && !HasControlCharacter(name);
}

bool StorableUnitName(std::string_view name) {
    return StorableName(name) && name.find('=') == std::string_view::npos && name[0] != '[' &&
           name[0] != ';' && name[0] != '#';
}

void CheckStorableNames(std::string_view familyName, std::string_view unitName) {
    if (!StorableName(familyName)) {
        throw EConversionError("'" + std::string(familyName) +
                               "' cannot be used as the name of a conversion family");
    }
    if (!StorableUnitName(unitName)) {
        throw EConversionError("'" + std::string(unitName) +
                               "' cannot be used as the name of a custom unit");
    }
}

bool WriteIfDifferent(TIniFile& ini, std::string_view section, std::string_view key,
                      const std::string& value) {
    if (ini.Get(section, key) == value) return false;
    ini.WriteString(section, key, value);
    return true;
}

// True when the file changed.
bool WriteEntries(TIniFile& ini, std::string_view familyName, std::string_view unitName,
                  double factor) {
    const bool family =
        WriteIfDifferent(ini, kCustomTypesSection, unitName, std::string(familyName));
    const bool text =
        WriteIfDifferent(ini, kCustomFactorsSection, unitName, CustomFactorText(factor));
    return family || text;
}

// Reads the file, lets change alter it, and saves it only when change says it
// changed something; the message of a failure, or empty. A file that exists
// but cannot be read is left alone: saving over it would lose what it holds.
// The registry change stands either way, and the atomic save leaves the old
// file whole.
template <typename Change>
std::string UpdateFile(const std::string& path, Change change) {
    TIniFile ini(path);
    if (!ini.Load()) return "Cannot read \"" + path + "\"";
    std::string error;
    if (change(ini) && !ini.Save(&error)) return error;
    return {};
}

}  // namespace

std::string CustomUnitsPath(const std::string& homeFolder) {
    return JoinPath(homeFolder, kCustomUnitsFileName);
}

std::string CustomFactorText(double factor) {
    return FormatFloat15(factor);
}

std::optional<double> ParseCustomFactor(std::string_view text) {
    const std::optional<long double> value = ParseDecimal(TrimBlanks(text));
    if (!value) return std::nullopt;
    const double factor = static_cast<double>(*value);
    if (!std::isfinite(factor)) return std::nullopt;
    return factor;
}

std::vector<TCustomUnitEntry> ReadCustomUnitEntries(const TIniFile& ini) {
    std::vector<TCustomUnitEntry> entries;
    ini.ForEachKey(
        kCustomTypesSection, [&](const std::string& unitName, const std::string& family) {
            TCustomUnitEntry entry;
            entry.unitName = unitName;
            // Values keep their blanks in the file; a hand-edited "Distance " still
            // means "Distance".
            entry.familyName = TrimBlanks(family);
            const std::optional<std::string> factorText = ini.Get(kCustomFactorsSection, unitName);
            if (factorText) entry.factor = ParseCustomFactor(*factorText).value_or(0);
            entry.normalised = entry.familyName == family && factorText &&
                               *factorText == CustomFactorText(entry.factor);
            entries.push_back(std::move(entry));
        });
    return entries;
}

std::vector<TCustomUnitEntry> ReadCustomUnitEntries(const std::string& iniPath) {
    TIniFile ini(iniPath);
    if (!ini.Load()) return {};
    return ReadCustomUnitEntries(ini);
}

TCustomUnits::TCustomUnits(TConvRegistry& registry, std::string iniPath)
    : registry_(registry), iniPath_(std::move(iniPath)) {}

TConvType TCustomUnits::RegisterUnit(std::string_view familyName, std::string_view unitName,
                                     double factor) {
    CheckStorableNames(familyName, unitName);
    TConvType unit = 0;
    if (const std::optional<TConvFamily> family = registry_.FindFamily(familyName)) {
        unit = registry_.AddFactorUnit(*family, unitName, factor);
    } else {
        // A family made for this unit goes again when the unit is refused: an
        // empty family would be listed with nothing to convert.
        const TConvFamily added = registry_.AddFamily(familyName);
        try {
            unit = registry_.AddFactorUnit(added, unitName, factor);
        } catch (...) {
            registry_.RemoveFamily(added);
            throw;
        }
    }
    registered_.insert(unit);
    return unit;
}

TConvType TCustomUnits::AddCustomUnit(std::string_view familyName, std::string_view unitName,
                                      bool save, double factor) {
    const TConvType unit = RegisterUnit(familyName, unitName, factor);
    fileError_.clear();
    if (save) {
        fileError_ = UpdateFile(iniPath_, [&](TIniFile& ini) {
            return WriteEntries(ini, familyName, unitName, factor);
        });
    }
    return unit;
}

void TCustomUnits::DeleteCustomUnit(std::string_view familyName, std::string_view unitName) {
    const std::optional<TConvFamily> family = registry_.FindFamily(familyName);
    const std::optional<TConvType> unit =
        family ? registry_.FindUnit(*family, unitName) : std::nullopt;
    if (unit && registered_.erase(*unit) > 0) {
        registry_.RemoveUnit(*unit);
        if (registry_.UnitsOf(*family).empty()) registry_.RemoveFamily(*family);
    }
    fileError_ = UpdateFile(iniPath_, [&](TIniFile& ini) {
        const bool listed = ini.HasKey(kCustomTypesSection, unitName) ||
                            ini.HasKey(kCustomFactorsSection, unitName);
        ini.DeleteKey(kCustomTypesSection, unitName);
        ini.DeleteKey(kCustomFactorsSection, unitName);
        return listed;
    });
}

void TCustomUnits::LoadCustomUnits() {
    fileError_ = UpdateFile(iniPath_, [&](TIniFile& ini) {
        bool changed = false;
        for (const TCustomUnitEntry& entry : ReadCustomUnitEntries(ini)) {
            // Identifiers are never reused: once they run out, every unit left fails.
            if (!registry_.HasUnitIdsLeft()) break;
            try {
                RegisterUnit(entry.familyName, entry.unitName, entry.factor);
            } catch (const EConversionError&) {
                continue;  // a unit the registry refuses is left out, and left in the file
            }
            if (!entry.normalised)
                changed =
                    WriteEntries(ini, entry.familyName, entry.unitName, entry.factor) || changed;
        }
        return changed;
    });
}

void RegisterAllUnits(TConvRegistry& registry, TCustomUnits& customUnits) {
    RegisterStandardFamilies(registry);
    RegisterExtraFamilies(registry);
    customUnits.LoadCustomUnits();
}

}  // namespace quillix
