// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry of conversion families and their units. It owns every family and
// unit object; identifiers are handed out from 1 in registration order and never
// reused. Names compare without regard to letter case. Safe to use from several
// threads: one reader-writer lock guards the family list, one the unit list.
// It starts empty: RegisterStandardFamilies (standard_units.h) fills it.

#include <memory>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "convert/conv_types.h"

namespace quillix {

class TConvRegistry {
  public:
    TConvRegistry() = default;
    TConvRegistry(const TConvRegistry&) = delete;
    TConvRegistry& operator=(const TConvRegistry&) = delete;

    // Fails with "Conversion family (%s) already registered".
    TConvFamily AddFamily(std::string_view name);
    // Fails with "%s has a factor of zero" (EConversionZeroDivide) or "Conversion
    // type (%s) already registered in %s"; on failure nothing is registered.
    TConvType AddFactorUnit(TConvFamily family, std::string_view name, double factor);
    TConvType AddProcUnit(TConvFamily family, std::string_view name, TConversionProc toBase,
                          TConversionProc fromBase);

    // False once every unit identifier has been handed out: no unit can be added any more.
    bool HasUnitIdsLeft() const;

    // False when there was no such unit / family. Removing a family removes its units.
    bool RemoveUnit(TConvType unit);
    bool RemoveFamily(TConvFamily family);

    // In id order, which is registration order.
    TConvFamilyArray Families() const;
    TConvTypeArray UnitsOf(TConvFamily family) const;

    std::optional<TConvFamily> FindFamily(std::string_view name) const;
    std::optional<TConvType> FindUnit(TConvFamily family, std::string_view name) const;
    std::optional<std::string> FamilyName(TConvFamily family) const;
    std::optional<std::string> UnitName(TConvType unit) const;
    std::optional<TConvFamily> FamilyOf(TConvType unit) const;
    // The factor of a factor unit; nothing for a procedure unit or an unknown one.
    std::optional<double> FactorOf(TConvType unit) const;

    // To's FromBase of From's ToBase of value; fails with "Incompatible conversion
    // types [%s, %s]" unless both exist in the same family.
    double ConvertUnits(double value, TConvType from, TConvType to) const;

  private:
    template <typename MakeUnit>
    TConvType AddUnit(TConvFamily family, std::string_view name, MakeUnit makeUnit);
    const TConvFamilyInfo* FamilyById(TConvFamily family) const;  // families lock held
    const TConvTypeInfo* UnitById(TConvType unit) const;          // units lock held
    // The key under which a unit's name is indexed: its family and folded name.
    static std::string UnitKey(TConvFamily family, std::string_view name);

    // Lock order, where both are taken: families first, then units.
    mutable std::shared_mutex familiesLock_;
    mutable std::shared_mutex unitsLock_;
    std::vector<std::unique_ptr<TConvFamilyInfo>> families_;  // ascending ids
    std::vector<std::unique_ptr<TConvTypeInfo>> units_;       // ascending ids
    // Names to ids, so that registering and finding take the same time however
    // many units there are (thousands of custom units load at every start).
    std::unordered_map<std::string, TConvFamily> familyByName_;  // folded name
    std::unordered_map<std::string, TConvType> unitByName_;      // UnitKey
    TConvFamily lastFamilyId_ = 0;
    TConvType lastUnitId_ = 0;
};

// Case-insensitive comparison of names (ASCII letters).
bool SameConvName(std::string_view a, std::string_view b);

}  // namespace quillix
