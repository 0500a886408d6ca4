// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The failure that an evaluation raises. It travels from where a computation fails
// to the value being evaluated, which turns it into an error value; it never
// leaves the value.

#include <stdexcept>
#include <string>

namespace quillix {

class ECalcError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kMsgInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kMsgZeroDivide = "Floating point division by zero";
inline constexpr const char* kMsgOverflow = "Floating point overflow";
inline constexpr const char* kMsgIntegerDivideByZero = "Division by zero";

[[noreturn]] inline void RaiseCalcError(const std::string& message) {
    throw ECalcError(message);
}

}  // namespace quillix
