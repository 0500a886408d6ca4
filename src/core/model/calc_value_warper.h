// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcValueWarper: one variable as a variable set keeps it, a value with a role
// (Normal, Input, Output) and a description.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/object_pool.h"
#include "model/calc_value.h"

namespace quillix {

// The roles of a variable (TWarperType), in the order the windows list them.
inline constexpr std::uint8_t wtNormal = 0;
inline constexpr std::uint8_t wtInput = 1;
inline constexpr std::uint8_t wtOutput = 2;
inline constexpr std::uint8_t kRoles[] = {wtNormal, wtInput, wtOutput};

// The caption of a role as the windows show it ("Normal" for any other number).
constexpr std::string_view RoleCaption(std::uint8_t type) {
    switch (type) {
        case wtInput:
            return "Input";
        case wtOutput:
            return "Output";
        default:
            return "Normal";
    }
}

class TCalcValueWarper : public object_pool::TPooled {
  public:
    explicit TCalcValueWarper(ValueRef value) : Value(std::move(value)) {}

    // A wrapper over the same value object, with the same role and description.
    std::unique_ptr<TCalcValueWarper> Clone() const;
    const std::string& GetName() const;
    void SetType(std::uint8_t type) { Type = type; }

    ValueRef Value;
    std::uint8_t Type = wtNormal;
    std::string Description;
};

// A listener registration for a variable set: the set calls the handler after
// every change with (action, index, wrapper or null, name).
class TCalcVarsEventsObject {
  public:
    using Handler = std::function<void(std::uint8_t kind, int index, TCalcValueWarper* wrapper,
                                       const std::string& name)>;
    Handler OnChange;
};

}  // namespace quillix
