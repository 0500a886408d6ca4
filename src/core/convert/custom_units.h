// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's custom units: factor units kept in the file "unitconv.ini" of the
// home folder and registered on top of the standard families. Adding or deleting
// one changes the registry and the file at once; file errors never stop the
// registry change (they are kept for the caller to show), and the file is only
// ever replaced whole (atomically).

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "convert/conv_registry.h"

namespace quillix {

class TIniFile;

inline constexpr const char* kCustomUnitsFileName = "unitconv.ini";
inline constexpr const char* kCustomTypesSection = "CustomTypes";      // unit = family
inline constexpr const char* kCustomFactorsSection = "CustomFactors";  // unit = factor
// The converter window's last choice, kept in the same file.
inline constexpr const char* kConverterSection = "Main";
inline constexpr const char* kConverterCategoryKey = "Category";
inline constexpr const char* kConverterFromKey = "From";
inline constexpr const char* kConverterToKey = "To";

// "unitconv.ini" in the given home folder.
std::string CustomUnitsPath(const std::string& homeFolder);

// A factor as the file writes it: the shortest general form, up to 15 significant
// digits, "." as the decimal separator.
std::string CustomFactorText(double factor);
// A factor text of the file (blanks around it allowed); nothing when it is no
// number or does not fit a double.
std::optional<double> ParseCustomFactor(std::string_view text);

struct TCustomUnitEntry {
    std::string familyName;
    std::string unitName;
    double factor = 0;        // 0 when the factor is missing or unreadable
    bool normalised = false;  // the file holds both texts as saving writes them
};

// The entries of section "CustomTypes" in file order, each with its factor.
std::vector<TCustomUnitEntry> ReadCustomUnitEntries(const TIniFile& ini);
// The same from a file; empty when it is missing or cannot be read.
std::vector<TCustomUnitEntry> ReadCustomUnitEntries(const std::string& iniPath);

class TCustomUnits {
  public:
    // The registry must outlive this object.
    TCustomUnits(TConvRegistry& registry, std::string iniPath);

    const std::string& IniPath() const { return iniPath_; }

    // Adds a factor unit to the family of that name, creating the family when there
    // is none; with save, writes the unit's two entries to the file. Registry
    // errors propagate (EConversionError), and then nothing is registered or written.
    TConvType AddCustomUnit(std::string_view familyName, std::string_view unitName, bool save,
                            double factor);
    // Removes the unit (and its family when that has no units left), then deletes
    // the unit's two entries from the file. Only a unit this object registered
    // leaves the registry: a built-in unit never does, even when the file names a
    // custom unit of the same name (one that was refused as a duplicate). Keep one
    // TCustomUnits per registry, so that every custom unit can be removed.
    void DeleteCustomUnit(std::string_view familyName, std::string_view unitName);
    // Registers every unit of the file; units that fail are skipped. Writes the
    // loaded entries back in normalised form when that changes the file.
    void LoadCustomUnits();
    // Why the file did not take the last add, delete or load (it could not be
    // read, or not written); empty when it did.
    const std::string& FileError() const { return fileError_; }

  private:
    TConvType RegisterUnit(std::string_view familyName, std::string_view unitName, double factor);

    TConvRegistry& registry_;
    std::string iniPath_;
    std::unordered_set<TConvType> registered_;  // the units this object added
    std::string fileError_;
};

// Start-up: the standard families, the extra built-in families (extra_units.h),
// then the custom units of customUnits' file.
void RegisterAllUnits(TConvRegistry& registry, TCustomUnits& customUnits);

}  // namespace quillix
