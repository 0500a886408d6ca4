// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/library_names.h"

#include <gtest/gtest.h>

#include <string>

namespace quillix {
namespace {

TEST(LibraryNames, CompareTrimmedWithoutRegardToCase) {
    struct Row {
        std::string a, b;
        bool same;
    };
    const Row rows[] = {
        {" LOAN ", "loan", true},
        {"\tLoan\r\n", "lOAN", true},
        {"loan", "loans", false},
        {"lo an", "loan", false},            // inner blanks count
        {"Économie", "éCONOMIE", true},      // Latin-1
        {"zinssätze", "ZINSSÄTZE", true},    // ASCII first, then more
        {"Łódź", "ŁÓDŹ", true},              // Latin Extended-A
        {"σίγμας ώρα", "ΣΊΓΜΑΣ ΏΡΑ", true},  // Greek, final sigma and tonos
        {"Привет ёж", "ПРИВЕТ ЁЖ", true},    // Cyrillic
        {"straße", "STRASSE", false},        // no expansion
        {"ı", "I", true},                    // dotless i
        {"\xff\xfe", "\xff\xfe", true},      // stray bytes pass through
    };
    for (const Row& row : rows)
        EXPECT_EQ(SameName(row.a, row.b), row.same) << row.a << " / " << row.b;
    EXPECT_EQ(NameKey("  a.b\t"), "A.B");
    EXPECT_EQ(TrimBlanks(" \t x y \n"), "x y");
    EXPECT_EQ(UpperCaseName("ÿ÷"), "Ÿ÷");
}

TEST(LibraryNames, RefuseNamesThatLeaveTheirFolder) {
    struct Row {
        std::string name;
        const char* reason;  // nullptr: accepted
    };
    const Row rows[] = {
        {"loan", nullptr},
        {" loan 2 ", nullptr},
        {"a.b", nullptr},
        {"...", nullptr},
        {"", "The name cannot be empty"},
        {" \t ", "The name cannot be empty"},
        {".", "The name '.' is not allowed"},
        {" .. ", "The name '..' is not allowed"},
        {"a/b", "The name 'a/b' cannot contain '/'"},
        {"../x", "The name '../x' cannot contain '/'"},
        {"a\\b", "The name 'a\\b' cannot contain '\\'"},
        {std::string("a\0b", 3), "The name cannot contain a NUL character"},
    };
    for (const Row& row : rows) {
        std::string reason = "untouched";
        EXPECT_EQ(CheckLibraryName(row.name, &reason), row.reason == nullptr) << row.name;
        EXPECT_EQ(reason, row.reason ? row.reason : "untouched") << row.name;
    }
    EXPECT_FALSE(CheckLibraryName("a/b"));  // without a reason to fill
}

}  // namespace
}  // namespace quillix
