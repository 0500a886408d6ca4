// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad/keypad_function_menu.h"

#include "functions/func_catalogue.h"

namespace quillix {
namespace {

using E = std::string_view;

constexpr E kAlgebraic[] = {
    "Abs",   "Ceil",  "Exp",  "Fact",  "Floor", "Frac", "Int",   "Ln",
    "LnXP1", "Log10", "Log2", "Round", "Sqr",   "Sqrt", "Trunc",
};
constexpr E kAngleUnit[] = {
    "CycleToDeg",  "CycleToGrad", "CycleToRad", "DegToCycle", "DegToGrad", "DegToRad",
    "GradToCycle", "GradToDeg",   "GradToRad",  "RadToCycle", "RadToDeg",  "RadToGrad",
};
constexpr E kDate[] = {
    "Today",       "Day",        "Month", "Year",        "DayOfMonth", "DayOfWeek",  "DayOfYear",
    "DaysInMonth", "DaysInYear", "Week",  "WeekOfMonth", "WeekOfYear", "IsLeapYear",
};
constexpr E kTrigonometry[] = {
    "Sin", "Cos", "Tan", "Csc", "Sec", "Cot", "Hypot",
};
constexpr E kInverseTrigonometry[] = {
    "ArcSin", "ArcCos", "ArcTan", "ArcCsc", "ArcSec", "ArcCot",
};
constexpr E kHyperbolic[] = {
    "Sinh", "Cosh", "Tanh", "Csch", "Sech", "Coth",
};
constexpr E kInverseHyperbolic[] = {
    "ArcSinh", "ArcCosh", "ArcTanh", "ArcCsch", "ArcSech", "ArcCoth",
};
constexpr E kFinance[] = {
    "SYD", "DDB",  "SLN", "",    "FV",  "IPMT", "Rate", "NPer",
    "PMT", "PPMT", "PV",  "IRR", "NPV", "EFR",  "APR",
};
constexpr E kStatistical[] = {
    "Avg", "Sum", "Min", "Max", "Norm", "StdDev", "StdDevP", "Var", "VarP", "VarT",
};
constexpr E kLogic[] = {
    "Case",
    "IF",
    "Not",
};

constexpr TFuncMenuGroup kGroups[] = {
    {"Algebraic", kAlgebraic},
    {"Angle Unit", kAngleUnit},
    {"Date", kDate},
    {"Trigonometry", {}},
    {"Trigonometry/Trigonometry", kTrigonometry},
    {"Trigonometry/Inverse Trigonometry", kInverseTrigonometry},
    {"Trigonometry/Hyperbolic", kHyperbolic},
    {"Trigonometry/Inverse Hyperbolic", kInverseHyperbolic},
    {"Finance", kFinance},
    {"Statistical", kStatistical},
    {"Logic", kLogic},
};

}  // namespace

std::span<const TFuncMenuGroup> FunctionMenuGroups() {
    return kGroups;
}

const TFuncDataItem* MenuEntryFunction(std::string_view caption) {
    return caption.empty() ? nullptr : FindFuncByName(caption);
}

}  // namespace quillix
