// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/func_catalogue.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>

#include "common/text_compare.h"
#include "functions/func_angle_units.h"
#include "functions/func_arithmetic.h"
#include "functions/func_date.h"
#include "functions/func_finance.h"
#include "functions/func_logic.h"
#include "functions/func_statistics.h"
#include "functions/func_trigonometry.h"

namespace quillix {

namespace {

// Help topics run 200100 upward by FuncID; Not has none, and the numbers after
// it close the gap.
std::int32_t HelpContextOf(std::int32_t funcID) {
    constexpr std::int32_t kNotID = 89;
    if (funcID < kNotID) return 200099 + funcID;
    if (funcID == kNotID) return 0;
    return 200098 + funcID;
}

TFuncParamDef Plain(const char* name, const char* description) {
    return {name, description, false, false, 0, 0};
}

TFuncParamDef Defaulted(const char* name, const char* description, long double value) {
    return {name, description, false, true, value, 0};
}

TFuncParamDef List(const char* name, const char* description) {
    return {name, description, true, false, 0, 0};
}

TFuncDataItem One(std::int32_t id, const char* category, const char* name, TFuncProc func,
                  const char* description) {
    return {id, category, false, func, nullptr, name, 0, 1, description, HelpContextOf(id), {}};
}

TFuncDataItem Multi(std::int32_t id, const char* category, const char* name, TMultiFuncProc func,
                    const char* description, TFuncParamDefArray params) {
    const auto count = static_cast<std::int32_t>(params.size());
    return {id,
            category,
            true,
            nullptr,
            func,
            name,
            0,
            count,
            description,
            HelpContextOf(id),
            std::move(params)};
}

TFuncDataItem WithDateResult(TFuncDataItem item) {
    item.ResultType = 1;
    return item;
}

// Parameter texts that several functions share.
constexpr const char* kCost = "Cost is the initial cost of the asset.";
constexpr const char* kSalvage =
    "Salvage is the value of the asset at the end of its life expectancy.";
constexpr const char* kLife = "Life is the length of the asset's life expectancy.";
constexpr const char* kPeriod = "Period is the period for which to calculate the depreciation.";
constexpr const char* kRate = "Rate represents the fixed periodic interest rate.";
constexpr const char* kPmt = "The interest payment per period of an annuity.";
constexpr const char* kPvBorrowed = "PV represents the amount borrowed (the principal).";
constexpr const char* kFvFuture = "FV is the future value of the investment.";
constexpr const char* kNPerLoan = "NPer is the number of periods of the loan.";
constexpr const char* kNPer = "NPer is the number of periods.";
constexpr const char* kType =
    "Type indicates whether the cash flows occur at the beginning(1) or end of the period(0)";
constexpr const char* kCashFlows = "CashFlows is the array of estimated cash flow values.";
constexpr const char* kCompoundings = "NPer is the number of compounding periods per year.";

constexpr const char* kArith = "Arithmetic";
constexpr const char* kTrig = "Trigonometry";
constexpr const char* kDate = "Date";
constexpr const char* kAngle = "Angle Unit";
constexpr const char* kFinance = "Finance";
constexpr const char* kStat = "Statistical";
constexpr const char* kLogic = "Logic";

TFuncParamDefArray NumbersOnly() {
    return {List("Numbers", "")};
}

std::vector<TFuncDataItem> BuildTable();

const std::vector<TFuncDataItem>& Table() {
    static const std::vector<TFuncDataItem> table = BuildTable();
    return table;
}

}  // namespace

const TFuncDataItem* FindFunc(int FuncID) {
    if (FuncID < 1 || FuncID > FuncCount) return nullptr;
    return &Table()[static_cast<std::size_t>(FuncID - 1)];
}

int FindFuncID(std::string_view Name) {
    for (const TFuncDataItem& item : Table()) {
        if (item.Name == Name) return item.FuncID;
    }
    return 0;
}

namespace {

std::string UpperAsciiText(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = UpperAscii(c);
    return upper;
}

}  // namespace

const TFuncDataItem* FindFuncByName(std::string_view Name) {
    if (const int exact = FindFuncID(Name)) return FindFunc(exact);
    // The typed-formula reader asks for every name it meets: a table by the
    // upper-case name, the first row of a name winning.
    static const std::unordered_map<std::string, int> byUpperName = [] {
        std::unordered_map<std::string, int> map;
        for (const TFuncDataItem& item : Table())
            map.emplace(UpperAsciiText(item.Name), item.FuncID);
        return map;
    }();
    const std::string_view trimmed =
        TrimIf(Name, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    const auto found = byUpperName.find(UpperAsciiText(trimmed));
    return found == byUpperName.end() ? nullptr : FindFunc(found->second);
}

std::vector<std::string> FuncCategories() {
    std::vector<std::string> categories;
    for (const TFuncDataItem& item : Table()) {
        if (std::find(categories.begin(), categories.end(), item.Category) == categories.end()) {
            categories.push_back(item.Category);
        }
    }
    return categories;
}

std::vector<std::string> FuncNamesOf(std::string_view Category) {
    std::vector<std::string> names;
    for (const TFuncDataItem& item : Table()) {
        if (item.Category == Category) names.push_back(item.Name);
    }
    return names;
}

std::string FuncDescription(int FuncID) {
    const TFuncDataItem* item = FindFunc(FuncID);
    return item != nullptr ? item->Description : std::string();
}

int FuncHelpContext(int FuncID) {
    const TFuncDataItem* item = FindFunc(FuncID);
    return item != nullptr ? item->HelpContext : 0;
}

namespace {

std::vector<TFuncDataItem> BuildTable() {
    using namespace funcs;
    return {
        One(1, kArith, "Sqrt", Sqrt, "Returns the square root of X"),
        One(2, kArith, "Recip", Recip, "Returns the reciprocal of X"),
        One(3, kArith, "Sqr", Sqr, "Returns the square of a number"),
        One(4, kArith, "Abs", Abs, "Returns an absolute value"),
        One(5, kArith, "Ceil", Ceil, "Rounds variables up toward positive infinity."),
        One(6, kArith, "Exp", Exp, "Returns the exponential of X"),
        One(7, kArith, "Fact", Fact, "Returns the factorial of X"),
        One(8, kArith, "Floor", Floor, "Rounds variables toward negative infinity."),
        One(9, kArith, "Frac", Frac, "Returns the fractional part of a number."),
        One(10, kArith, "Int", Int, "Returns the integer part of a number."),
        One(11, kArith, "Ln", Ln, "Returns the natural log of a real expression."),
        One(12, kArith, "LnXP1", LnXP1, "Returns the natural log of (X+1)"),
        One(13, kArith, "Log10", Log10, "Calculates log base 10."),
        One(14, kArith, "Log2", Log2, "Calculates log base 2."),
        One(15, kArith, "Round", Round,
            "Returns the value of X rounded to the nearest whole number."),
        One(16, kArith, "Trunc", Trunc, "Truncates a real number to an integer."),
        One(17, kTrig, "Sin", Sin, "Returns the sine of the angle in radians."),
        One(18, kTrig, "Cos", Cos, "Calculates the cosine of an angle."),
        One(19, kTrig, "Tan", Tan, "Returns the tangent of X"),
        One(20, kTrig, "Csc", Csc, "Returns the cosecant of an angle."),
        One(21, kTrig, "Sec", Sec, "Calculates the secant of an angle."),
        One(22, kTrig, "Cot", Cot, "Calculates the cotangent of an angle."),
        Multi(23, kTrig, "Hypot", multi::Hypot, "Calculates the length of the hypotenuse.",
              {Plain("X", ""), Plain("Y", "")}),
        One(24, kTrig, "ArcSin", ArcSin, "Calculates the inverse sine of a given number."),
        One(25, kTrig, "ArcCos", ArcCos, "Calculates the inverse cosine of a given number."),
        One(26, kTrig, "ArcTan", ArcTan, "Calculates the arctangent of a given number."),
        One(27, kTrig, "ArcCsc", ArcCsc, "Calculates the inverse cosecant of a given number."),
        One(28, kTrig, "ArcSec", ArcSec, "Calculates the inverse secant of a given number."),
        One(29, kTrig, "ArcCot", ArcCot, "Calculates the inverse cotangent of a given number."),
        One(30, kTrig, "Sinh", Sinh, "Returns the hyperbolic sine of an angle."),
        One(31, kTrig, "Cosh", Cosh, "Calculates the hyperbolic cosine of an angle."),
        One(32, kTrig, "Tanh", Tanh, "Returns the hyperbolic tangent of X."),
        One(33, kTrig, "Csch", Csch, "Returns the hyperbolic cosecant of an angle."),
        One(34, kTrig, "Sech", Sech, "Calculates the hyperbolic secant of an angle."),
        One(35, kTrig, "Coth", Coth, "Calculates the hyperbolic cotangent of an angle."),
        One(36, kTrig, "ArcSinh", ArcSinh,
            "Calculates the inverse hyperbolic sine of a given number."),
        One(37, kTrig, "ArcCosh", ArcCosh,
            "Calculates the inverse hyperbolic cosine of a given number."),
        One(38, kTrig, "ArcTanh", ArcTanh,
            "Calculates the inverse hyperbolic tangent of a given number."),
        One(39, kTrig, "ArcCsch", ArcCsch,
            "Calculates the inverse hyperbolic cosecant of a given number."),
        One(40, kTrig, "ArcSech", ArcSech,
            "Calculates the inverse hyperbolic secant of a given number."),
        One(41, kTrig, "ArcCoth", ArcCoth,
            "Calculates the inverse hyperbolic cotangent of a given number."),
        WithDateResult(Multi(42, kDate, "Today", multi::Today, "Returns the current date.", {})),
        One(43, kDate, "Day", Day, "Returns the day of the month represented by a date value."),
        One(44, kDate, "Month", Month,
            "Returns the month of the year represented by a date value."),
        One(45, kDate, "Year", Year, "Returns the year represented by a date value."),
        One(46, kDate, "DayOfMonth", DayOfMonth,
            "Returns the day of the month represented by a date value."),
        One(47, kDate, "DayOfWeek", DayOfWeek,
            "Returns the day of the week represented by a date value."),
        One(48, kDate, "DayOfYear", DayOfYear,
            "Returns the number of days between a specified date value and December 31 of the "
            "previous year"),
        One(49, kDate, "DaysInMonth", DaysInMonth,
            "Returns the number of days in the month of a specified date value."),
        One(50, kDate, "DaysInYear", DaysInYear,
            "Returns the number of days in the year of a specified date value."),
        One(51, kDate, "Week", Week, "Returns the week of the year represented by a date value."),
        One(52, kDate, "WeekOfMonth", WeekOfMonth,
            "Returns the week of the month represented by a date value."),
        One(53, kDate, "WeekOfYear", WeekOfYear,
            "Returns the week of the year represented by a date value."),
        One(54, kDate, "IsLeapYear", IsLeapYear,
            "Indicates whether a specified year is a leap year."),
        One(55, kAngle, "CycleToDeg", CycleToDeg,
            "Converts an angle measurement from cycles to degrees."),
        One(56, kAngle, "CycleToGrad", CycleToGrad,
            "Converts an angle measurement from cycles to grads."),
        One(57, kAngle, "CycleToRad", CycleToRad,
            "Converts an angle measurement from cycles to radians."),
        One(58, kAngle, "DegToCycle", DegToCycle,
            "Returns the value of a degree measurement expressed in cycles."),
        One(59, kAngle, "DegToGrad", DegToGrad,
            "Returns the value of a degree measurement expressed in grads."),
        One(60, kAngle, "DegToRad", DegToRad,
            "Returns the value of a degree measurement expressed in radians."),
        One(61, kAngle, "GradToCycle", GradToCycle, "Converts grad measurements to cycles."),
        One(62, kAngle, "GradToDeg", GradToDeg, "Converts grad measurements to degrees."),
        One(63, kAngle, "GradToRad", GradToRad, "Converts grad measurements to radians."),
        One(64, kAngle, "RadToCycle", RadToCycle, "Converts radians to cycles."),
        One(65, kAngle, "RadToDeg", RadToDeg, "Converts radians to degrees."),
        One(66, kAngle, "RadToGrad", RadToGrad, "Converts radians to grads."),
        Multi(67, kFinance, "SYD", multi::SYD, "Calculates depreciation for an asset.",
              {Plain("Cost", kCost), Plain("Salvage", kSalvage), Plain("Life", kLife),
               Plain("Period", kPeriod)}),
        Multi(68, kFinance, "DDB", multi::DDB,
              "Calculates the depreciation of an asset using the double-declining balance "
              "method.",
              {Plain("Cost", kCost), Plain("Salvage", kSalvage), Plain("Life", kLife),
               Plain("Period", kPeriod),
               Defaulted("Factor", "Rate to use for the declining balance.", 2)}),
        Multi(69, kFinance, "SLN", multi::SLN,
              "Returns the straight-line depreciation allowance of an asset",
              {Plain("Cost", kCost), Plain("Salvage", kSalvage), Plain("Life", kLife)}),
        Multi(70, kFinance, "FV", multi::FV, "Calculates the future value of an investment.",
              {Plain("Rate", "The rate of Rate per period"),
               Plain("NPer", "The number of payment periods"), Plain("PMT", kPmt),
               Plain("PV", "The present value amount."),
               Defaulted("Type",
                         "The Type parameter indicates whether the investment is an ordinary "
                         "annuity or an annuity due.",
                         0)}),
        Multi(71, kFinance, "IPMT", multi::IPMT,
              "Calculates the interest portion of a loan payment.",
              {Plain("Rate", kRate), Plain("Per", "Per identifies the payment period."),
               Plain("NPer", kNPerLoan), Plain("PV", kPvBorrowed), Plain("FV", kFvFuture),
               Defaulted("Type", kType, 0)}),
        Multi(72, kFinance, "Rate", multi::Rate,
              "Returns the interest rate required to increase PresentValue to FutureValue.",
              {Plain("NPer", kNPerLoan), Plain("PMT", kPmt), Plain("PV", kPvBorrowed),
               Plain("FV", kFvFuture), Defaulted("Type", kType, 0)}),
        Multi(73, kFinance, "NPer", multi::NPer,
              "Returns the number of payment periods for an investment.",
              {Plain("Rate", kRate), Plain("PMT", kPmt), Plain("PV", kPvBorrowed),
               Plain("FV", kFvFuture), Defaulted("Type", kType, 0)}),
        Multi(74, kFinance, "PMT", multi::PMT, "Calculates a fully amortized payment.",
              {Plain("Rate", kRate), Plain("NPer", kNPer), Plain("PV", kPvBorrowed),
               Plain("FV", kFvFuture), Defaulted("Type", kType, 0)}),
        Multi(75, kFinance, "PPMT", multi::PPMT,
              "Returns the principal amount from a full payment.",
              {Plain("Rate", kRate),
               Plain("Per",
                     "Per is the number of periods into the loan for which the principal is "
                     "desired"),
               Plain("NPer", kNPer), Plain("PV", kPvBorrowed), Plain("FV", kFvFuture),
               Defaulted("Type", kType, 0)}),
        Multi(76, kFinance, "PV", multi::PV, "Calculates the present value of an investment.",
              {Plain("Rate", kRate), Plain("NPer", kNPer), Plain("PMT", kPmt),
               Plain("FV", "FV is the value the investment may reach at some point."),
               Defaulted("Type", kType, 0)}),
        Multi(77, kFinance, "IRR", multi::IRR,
              "Calculates the internal rate of return for an investment.",
              {Defaulted("Guess", "Specify the estimated rate of return.", 0.1L),
               List("CashFlows", kCashFlows)}),
        Multi(78, kFinance, "NPV", multi::NPV,
              "Calculates the current value from an array of estimated cash flow values. ",
              {Plain("Rate", "The given interest rate of Rate"), List("CashFlows", kCashFlows),
               Defaulted("Type", kType, 0)}),
        Multi(79, kStat, "AVG", multi::AVG, "Returns the average of all values in an array.",
              NumbersOnly()),
        Multi(80, kStat, "Sum", multi::Sum, "Returns the sum of the elements in an array.",
              NumbersOnly()),
        Multi(81, kStat, "Min", multi::Min, "Returns smallest signed value in an array.",
              NumbersOnly()),
        Multi(82, kStat, "Max", multi::Max, "Returns largest signed value in an array.",
              NumbersOnly()),
        Multi(83, kStat, "Norm", multi::Norm, "Returns the Euclidean 'L-2' norm.", NumbersOnly()),
        Multi(84, kStat, "StdDev", multi::StdDev,
              "Returns the sample standard deviation for elements in an array.", NumbersOnly()),
        Multi(85, kStat, "StdDevP", multi::StdDevP, "Calculates the population standard deviation.",
              NumbersOnly()),
        Multi(86, kStat, "Var", multi::Var,
              "Calculates statistical sample variance from an array of data.", NumbersOnly()),
        Multi(87, kStat, "VarP", multi::VarP, "Calculates the population variance.", NumbersOnly()),
        Multi(88, kStat, "VarT", multi::VarT,
              "Returns the statistical variance from an array of values.", NumbersOnly()),
        One(89, kLogic, "Not", Not, ""),
        Multi(90, kLogic, "If", multi::If,
              "If Logical_Test is True, then If_True is returned, else If_False is returned;",
              {Plain("Logical_Test", "Logical_Test returns a Boolean value"),
               Plain("If_True", "If Logical_Test is True,If_True is returned"),
               Plain("If_False", "If Logical_Test is False,If_False is returned")}),
        Multi(91, kLogic, "Case", multi::Case,
              "The case function may provide a easy-to-use alternative to deeply nested if "
              "conditionals.",
              {Defaulted("Default",
                         "If none of Logical_Test is true,then default value is returned.", 0),
               List("Logical_Tests", "Logical_Tests"), List("Values", "Values")}),
        Multi(92, kFinance, "EFR", multi::EFR,
              "Returns the effective annual interest rate, given the nominal annual interest rate "
              "and the number of compounding periods per year.",
              {Plain("APR", "APR is the nominal interest rate."),
               Defaulted("NPer", kCompoundings, 12)}),
        Multi(93, kFinance, "APR", multi::APR,
              "Returns the nominal annual interest rate, given the effective rate and the number "
              "of compounding periods per year.",
              {Plain("EFR", "EFR is the effective interest rate."),
               Defaulted("NPer", kCompoundings, 12)}),
    };
}

}  // namespace

TFunctionUse FunctionUse(const TFuncDataItem& row) {
    if (!row.MultiParam) return TFunctionUse::CommandOnX;
    if (row.ParamCount < 1) return TFunctionUse::InsertNode;
    return TFunctionUse::AskArguments;
}

}  // namespace quillix
