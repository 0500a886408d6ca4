// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/converter_choice.h"

#include <stdexcept>
#include <string_view>

#include "common/text_compare.h"
#include "config/ini_file.h"
#include "convert/custom_units.h"

namespace quillix {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    return TrimAny(text, " \t");
}

// The unit of that name in family, or else fallback; a blank name keeps fallback.
std::optional<TConvType> PickUnit(const TConvRegistry& registry, TConvFamily family,
                                  std::string_view name, std::optional<TConvType> fallback) {
    const std::string_view wanted = TrimBlanks(name);
    if (wanted.empty()) return fallback;
    const std::optional<TConvType> found = registry.FindUnit(family, wanted);
    return found ? found : fallback;
}

}  // namespace

TConverterChoice ReadConverterChoice(const std::string& iniPath) {
    TIniFile ini(iniPath);
    if (!ini.Load()) return {};
    return {ini.ReadString(kConverterSection, kConverterCategoryKey, ""),
            ini.ReadString(kConverterSection, kConverterFromKey, ""),
            ini.ReadString(kConverterSection, kConverterToKey, "")};
}

bool WriteConverterChoice(const std::string& iniPath, const TConverterChoice& choice,
                          std::string* error) {
    TIniFile ini(iniPath);
    if (!ini.Load()) {
        if (error) *error = "Cannot read \"" + iniPath + "\"";
        return false;
    }
    const std::string before = ini.Serialize();
    try {
        ini.WriteString(kConverterSection, kConverterCategoryKey, choice.category);
        ini.WriteString(kConverterSection, kConverterFromKey, choice.from);
        ini.WriteString(kConverterSection, kConverterToKey, choice.to);
    } catch (const std::invalid_argument& e) {
        if (error) *error = e.what();
        return false;
    }
    if (ini.Serialize() == before) return true;
    return ini.Save(error);
}

std::optional<TConverterSelection> ResolveConverterChoice(const TConvRegistry& registry,
                                                          const TConverterChoice& choice) {
    const TConvFamilyArray families = registry.Families();
    if (families.empty()) return std::nullopt;
    TConverterSelection selection;
    selection.family = families.front();
    const std::string_view category = TrimBlanks(choice.category);
    if (!category.empty()) {
        selection.family = registry.FindFamily(category).value_or(selection.family);
    }
    const TConvTypeArray units = registry.UnitsOf(selection.family);
    const std::optional<TConvType> first =
        units.empty() ? std::nullopt : std::optional<TConvType>(units.front());
    selection.from = PickUnit(registry, selection.family, choice.from, first);
    selection.to = PickUnit(registry, selection.family, choice.to, first);
    return selection;
}

}  // namespace quillix
