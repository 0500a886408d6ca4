// SPDX-License-Identifier: GPL-3.0-or-later
// The names of a formula text as a field that completes and describes them
// sees them: the name at an offset and the function a caret is at.
#include "model/formula_names.h"

#include <gtest/gtest.h>

namespace quillix {
namespace {

TEST(FormulaNames, TheNameAtAnOffset) {
    const struct {
        const char* text;
        std::size_t offset;
        std::optional<TNameSpan> name;
    } cases[] = {
        {"rate*2", 2, TNameSpan{0, 4}},
        {"rate*2", 4, TNameSpan{0, 4}},   // right after the name
        {"rate*2", 5, std::nullopt},      // on the operator
        {"1+_ra", 5, TNameSpan{2, 5}},    // "_" starts a name
        {"2*tax.b", 7, TNameSpan{2, 7}},  // "." goes on with it
        {"x1.5+a", 3, TNameSpan{0, 4}},
        {"2e5", 3, std::nullopt},  // a number, not a name "e5"
        {"1.5", 2, std::nullopt},
        {"\"a b\"+c", 2, std::nullopt},               // inside a quoted element
        {"\xc3\xa9t\xc3\xa9+1", 5, TNameSpan{0, 5}},  // non-ASCII letters
        {"", 0, std::nullopt},
        {"abc", 99, TNameSpan{0, 3}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameAt(c.text, c.offset), c.name) << c.text << " at " << c.offset;
}

TEST(FormulaNames, TheFunctionACaretIsAt) {
    const struct {
        const char* text;
        std::size_t offset;
        const char* function;
    } cases[] = {
        {"Sqrt(4)+1", 2, "Sqrt"},     {"sqrt(4)+1", 4, "Sqrt"},
        {"PMT(0.06/12,3", 13, "PMT"}, {"PMT(Sqrt(4", 10, "Sqrt"},
        {"PMT(Sqrt(4),", 12, "PMT"},  {"PMT (1,", 7, "PMT"},
        {"(1+2)*3", 3, ""},           {"a*b", 1, ""},
        {"Sqrt(4)+1", 9, ""},         {"", 0, ""},
        {"Sqrt", 99, "Sqrt"},         {"Sqrt(_rate", 10, "Sqrt"},
        {"Sum([tax.a,", 11, "Sum"},   {"_Sqrt(4", 7, ""},
        {"x.Sqrt(4", 8, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FunctionAtOffset(c.text, c.offset), c.function) << c.text << " at " << c.offset;
}

}  // namespace
}  // namespace quillix
