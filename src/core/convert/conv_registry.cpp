// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/conv_registry.h"
#include "common/text_compare.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillix {

namespace {

// Ids ascend in both lists, so a binary search finds one.
template <typename Info, typename Id>
auto FindById(const std::vector<std::unique_ptr<Info>>& list, Id id) {
    return std::lower_bound(
        list.begin(), list.end(), id,
        [](const std::unique_ptr<Info>& item, Id wanted) { return item->Id() < wanted; });
}

template <typename Id>
Id NextId(Id& last, const char* what) {
    if (last == std::numeric_limits<Id>::max()) {
        throw EConversionError(std::string("No more conversion ") + what +
                               " identifiers are available");
    }
    return ++last;
}

// Names compare without regard to the case of ASCII letters (SameConvName).
std::string FoldedName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

}  // namespace

std::string TConvRegistry::UnitKey(TConvFamily family, std::string_view name) {
    std::string key(1, static_cast<char>(family >> 8));
    key += static_cast<char>(family & 0xFF);
    key += FoldedName(name);
    return key;
}

bool SameConvName(std::string_view a, std::string_view b) {
    return EqualsIgnoreAsciiCase(a, b);
}

const TConvFamilyInfo* TConvRegistry::FamilyById(TConvFamily family) const {
    const auto it = FindById(families_, family);
    return (it != families_.end() && (*it)->Id() == family) ? it->get() : nullptr;
}

const TConvTypeInfo* TConvRegistry::UnitById(TConvType unit) const {
    const auto it = FindById(units_, unit);
    return (it != units_.end() && (*it)->Id() == unit) ? it->get() : nullptr;
}

TConvFamily TConvRegistry::AddFamily(std::string_view name) {
    std::unique_lock lock(familiesLock_);
    std::string folded = FoldedName(name);
    if (familyByName_.contains(folded)) {
        throw EConversionError("Conversion family (" + std::string(name) + ") already registered");
    }
    const TConvFamily id = NextId(lastFamilyId_, "family");
    families_.push_back(std::make_unique<TConvFamilyInfo>(id, std::string(name)));
    familyByName_.emplace(std::move(folded), id);
    return id;
}

template <typename MakeUnit>
TConvType TConvRegistry::AddUnit(TConvFamily family, std::string_view name, MakeUnit makeUnit) {
    std::shared_lock familiesLock(familiesLock_);
    const TConvFamilyInfo* familyInfo = FamilyById(family);
    if (!familyInfo) {
        throw EConversionError("Conversion family " + std::to_string(family) +
                               " is not registered");
    }
    std::unique_lock unitsLock(unitsLock_);
    const auto [slot, added] = unitByName_.try_emplace(UnitKey(family, name), 0);
    if (!added) {
        throw EConversionError("Conversion type (" + std::string(name) +
                               ") already registered in " + familyInfo->Name());
    }
    try {
        const TConvType id = NextId(lastUnitId_, "type");
        units_.push_back(makeUnit(id));
        slot->second = id;
        return id;
    } catch (...) {
        unitByName_.erase(slot);
        throw;
    }
}

TConvType TConvRegistry::AddFactorUnit(TConvFamily family, std::string_view name, double factor) {
    if (factor == 0) throw EConversionZeroDivide(std::string(name) + " has a factor of zero");
    // A factor that is no finite number would turn every conversion into NaN or
    // infinity; refuse it like zero, but as the invalid number it is.
    if (!std::isfinite(factor)) {
        throw EConversionError(std::string(name) + " has a factor that is not a finite number");
    }
    return AddUnit(family, name, [&](TConvType id) {
        return std::make_unique<TConvTypeFactor>(id, family, std::string(name), factor);
    });
}

TConvType TConvRegistry::AddProcUnit(TConvFamily family, std::string_view name,
                                     TConversionProc toBase, TConversionProc fromBase) {
    if (!toBase || !fromBase) {
        throw EConversionError(std::string(name) + " needs both conversion procedures");
    }
    return AddUnit(family, name, [&](TConvType id) {
        return std::make_unique<TConvTypeProcs>(id, family, std::string(name), std::move(toBase),
                                                std::move(fromBase));
    });
}

bool TConvRegistry::HasUnitIdsLeft() const {
    std::shared_lock lock(unitsLock_);
    return lastUnitId_ != std::numeric_limits<TConvType>::max();
}

bool TConvRegistry::RemoveUnit(TConvType unit) {
    std::unique_lock lock(unitsLock_);
    const auto it = FindById(units_, unit);
    if (it == units_.end() || (*it)->Id() != unit) return false;
    unitByName_.erase(UnitKey((*it)->Family(), (*it)->Name()));
    units_.erase(it);
    return true;
}

bool TConvRegistry::RemoveFamily(TConvFamily family) {
    std::unique_lock familiesLock(familiesLock_);
    const auto it = FindById(families_, family);
    if (it == families_.end() || (*it)->Id() != family) return false;
    std::unique_lock unitsLock(unitsLock_);
    std::erase_if(units_, [this, family](const auto& unit) {
        if (unit->Family() != family) return false;
        unitByName_.erase(UnitKey(family, unit->Name()));
        return true;
    });
    familyByName_.erase(FoldedName((*it)->Name()));
    families_.erase(it);
    return true;
}

TConvFamilyArray TConvRegistry::Families() const {
    std::shared_lock lock(familiesLock_);
    TConvFamilyArray ids;
    ids.reserve(families_.size());
    for (const auto& family : families_)
        ids.push_back(family->Id());
    return ids;
}

TConvTypeArray TConvRegistry::UnitsOf(TConvFamily family) const {
    std::shared_lock lock(unitsLock_);
    TConvTypeArray ids;
    for (const auto& unit : units_) {
        if (unit->Family() == family) ids.push_back(unit->Id());
    }
    return ids;
}

std::optional<TConvFamily> TConvRegistry::FindFamily(std::string_view name) const {
    std::shared_lock lock(familiesLock_);
    const auto found = familyByName_.find(FoldedName(name));
    if (found == familyByName_.end()) return std::nullopt;
    return found->second;
}

std::optional<TConvType> TConvRegistry::FindUnit(TConvFamily family, std::string_view name) const {
    std::shared_lock lock(unitsLock_);
    const auto found = unitByName_.find(UnitKey(family, name));
    if (found == unitByName_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> TConvRegistry::FamilyName(TConvFamily family) const {
    std::shared_lock lock(familiesLock_);
    const TConvFamilyInfo* info = FamilyById(family);
    if (!info) return std::nullopt;
    return info->Name();
}

std::optional<std::string> TConvRegistry::UnitName(TConvType unit) const {
    std::shared_lock lock(unitsLock_);
    const TConvTypeInfo* info = UnitById(unit);
    if (!info) return std::nullopt;
    return info->Name();
}

std::optional<TConvFamily> TConvRegistry::FamilyOf(TConvType unit) const {
    std::shared_lock lock(unitsLock_);
    const TConvTypeInfo* info = UnitById(unit);
    if (!info) return std::nullopt;
    return info->Family();
}

std::optional<double> TConvRegistry::FactorOf(TConvType unit) const {
    std::shared_lock lock(unitsLock_);
    const auto* info = dynamic_cast<const TConvTypeFactor*>(UnitById(unit));
    if (!info) return std::nullopt;
    return info->Factor();
}

double TConvRegistry::ConvertUnits(double value, TConvType from, TConvType to) const {
    // The lock stays held while converting so that neither unit can be removed
    // under the conversion.
    std::shared_lock lock(unitsLock_);
    const TConvTypeInfo* fromInfo = UnitById(from);
    const TConvTypeInfo* toInfo = UnitById(to);
    if (!fromInfo || !toInfo || fromInfo->Family() != toInfo->Family()) {
        // An unknown unit is named by its identifier: it has no name to show.
        const auto label = [](const TConvTypeInfo* info, TConvType id) {
            return info ? info->Name() : std::to_string(id);
        };
        throw EConversionError("Incompatible conversion types [" + label(fromInfo, from) + ", " +
                               label(toInfo, to) + "]");
    }
    return toInfo->FromBase(fromInfo->ToBase(value));
}

}  // namespace quillix
