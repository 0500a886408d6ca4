// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad/keypad_function_menu.h"

namespace quillix {
namespace {

using E = TFuncMenuEntry;
constexpr bool F = false;  // ccFunction to X
constexpr bool A = true;   // ApplyFunction

constexpr E kAlgebraic[] = {
    {"Abs", 4, F},   {"Ceil", 5, F},   {"Exp", 6, F}, {"Fact", 7, F},   {"Floor", 8, F},
    {"Frac", 9, F},  {"Int", 10, F},   {"Ln", 11, F}, {"LnXP1", 12, F}, {"Log10", 13, F},
    {"Log2", 14, F}, {"Round", 15, F}, {"Sqr", 3, F}, {"Sqrt", 1, F},   {"Trunc", 16, F},
};
constexpr E kAngleUnit[] = {
    {"CycleToDeg", 55, F}, {"CycleToGrad", 56, F}, {"CycleToRad", 57, F},  {"DegToCycle", 58, F},
    {"DegToGrad", 59, F},  {"DegToRad", 60, F},    {"GradToCycle", 61, F}, {"GradToDeg", 62, F},
    {"GradToRad", 63, F},  {"RadToCycle", 64, F},  {"RadToDeg", 65, F},    {"RadToGrad", 66, F},
};
constexpr E kDate[] = {
    {"Today", 42, A},      {"Day", 43, F},       {"Month", 44, F},       {"Year", 45, F},
    {"DayOfMonth", 46, F}, {"DayOfWeek", 47, F}, {"DayOfYear", 48, F},   {"DaysInMonth", 49, F},
    {"DaysInYear", 50, F}, {"Week", 51, F},      {"WeekOfMonth", 52, F}, {"WeekOfYear", 53, F},
    {"IsLeapYear", 54, F},
};
constexpr E kTrigonometry[] = {
    {"Sin", 17, F}, {"Cos", 18, F}, {"Tan", 19, F},   {"Csc", 20, F},
    {"Sec", 21, F}, {"Cot", 22, F}, {"Hypot", 23, A},
};
constexpr E kInverseTrigonometry[] = {
    {"ArcSin", 24, F}, {"ArcCos", 25, F}, {"ArcTan", 26, F},
    {"ArcCsc", 27, F}, {"ArcSec", 28, F}, {"ArcCot", 29, F},
};
constexpr E kHyperbolic[] = {
    {"Sinh", 30, F}, {"Cosh", 31, F}, {"Tanh", 32, F},
    {"Csch", 33, F}, {"Sech", 34, F}, {"Coth", 35, F},
};
constexpr E kInverseHyperbolic[] = {
    {"ArcSinh", 36, F}, {"ArcCosh", 37, F}, {"ArcTanh", 38, F},
    {"ArcCsch", 39, F}, {"ArcSech", 40, F}, {"ArcCoth", 41, F},
};
constexpr E kFinance[] = {
    {"SYD", 67, A},  {"DDB", 68, A},  {"SLN", 69, A},  {{}, 0, F},     {"FV", 70, A},
    {"IPMT", 71, A}, {"Rate", 72, A}, {"NPer", 73, A}, {"PMT", 74, A}, {"PPMT", 75, A},
    {"PV", 76, A},   {"IRR", 77, A},  {"NPV", 78, A},  {"EFR", 92, A}, {"APR", 93, A},
};
constexpr E kStatistical[] = {
    {"Avg", 79, A},    {"Sum", 80, A},     {"Min", 81, A}, {"Max", 82, A},  {"Norm", 83, A},
    {"StdDev", 84, A}, {"StdDevP", 85, A}, {"Var", 86, A}, {"VarP", 87, A}, {"VarT", 88, A},
};
constexpr E kLogic[] = {
    {"Case", 91, A},
    {"IF", 90, A},
    {"Not", 89, F},
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

}  // namespace quillix
