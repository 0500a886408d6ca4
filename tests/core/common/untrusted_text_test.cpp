// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/untrusted_text.h"

#include <gtest/gtest.h>

namespace quillix {
namespace {

const std::string kFFFD = "\xEF\xBF\xBD";

TEST(UntrustedText, InvalidUtf8BecomesTheReplacementCharacter) {
    struct Row {
        std::string text;
        std::string valid;
    };
    const Row rows[] = {
        {"plain", "plain"},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"a\xFF"
         "b",
         "a" + kFFFD + "b"},
        {"\xC3", kFFFD},  // cut short at the end
        {"\xE2\x82"
         "x",
         kFFFD + "x"},                                        // a broken start is one character
        {"\xC0\xAF", kFFFD + kFFFD},                          // overlong "/"
        {"\xED\xA0\x80", kFFFD + kFFFD + kFFFD},              // a surrogate
        {"\xF4\x90\x80\x80", kFFFD + kFFFD + kFFFD + kFFFD},  // past U+10FFFF
        {"\x80", kFFFD},
        // ASCII is passed over eight bytes at a time: faults on either side of
        // such a run, and just after it.
        {"0123456789abcdef\xFF", "0123456789abcdef" + kFFFD},
        {"01234567\xC3\xA9\xFF", "01234567\xC3\xA9" + kFFFD},
        {"0123456\xE2\x82\xAC"
         "01234567\xC3",
         "0123456\xE2\x82\xAC"
         "01234567" +
             kFFFD},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ValidUtf8(row.text), row.valid) << row.text;
        EXPECT_EQ(TakeValidUtf8(std::string(row.text)), row.valid) << row.text;
        EXPECT_EQ(IsValidUtf8(row.text), row.text == row.valid) << row.text;
        EXPECT_TRUE(IsValidUtf8(ValidUtf8(row.text))) << row.text;
    }
}

TEST(UntrustedText, ControlCharactersAreShownAsEscapes) {
    struct Row {
        std::string text;
        std::string visible;
        bool control;
    };
    const Row rows[] = {
        {"Rate", "Rate", false},
        {"a\nb", "a\\x0Ab", true},
        {std::string("a\0b", 3), "a\\x00b", true},
        {"tab\there", "tab\\x09here", true},
        {"del\x7F", "del\\x7F", true},
        {"c1\xC2\x85", "c1\\u0085", true},
        {"nbsp\xC2\xA0", "nbsp\xC2\xA0", false},
        {"esc\x1B[2J", "esc\\x1B[2J", true},
        {"bad\xFF", "bad" + kFFFD, false},
        {"long plain text\x1B", "long plain text\\x1B", true},
        {"long plain\x7F text", "long plain\\x7F text", true},
        {"long plain text \xC2\x85", "long plain text \\u0085", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(VisibleText(row.text), row.visible) << row.visible;
        EXPECT_EQ(HasControlCharacter(row.text), row.control) << row.visible;
    }
}

TEST(UntrustedText, TheVariableNameCheck) {
    struct Row {
        std::string name;
        std::string problem;  // empty: a good name
    };
    const Row rows[] = {
        {"Rate", ""},
        {"  Zins\xC3\xA4tze ", ""},
        {"two words", ""},
        {"", "A variable needs a name"},
        {"   ", "A variable needs a name"},
        {"a\nb", "The variable name 'a\\x0Ab' contains a control character"},
        {std::string("a\0b", 3), "The variable name 'a\\x00b' contains a control character"},
        {"a\xC2\x9B"
         "b",
         "The variable name 'a\\u009Bb' contains a control character"},
        {"a\xFF", "The variable name 'a" + kFFFD + "' is not valid UTF-8 text"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(VariableNameProblem(row.name), row.problem) << VisibleText(row.name);
}

TEST(UntrustedText, CharacterReferencesToNulAreFound) {
    struct Row {
        std::string xml;
        std::optional<std::size_t> at;
    };
    const Row rows[] = {
        {"<a Name=\"a&#0;b\"/>", 10},
        {"<a Name=\"&#x00;\"/>", 9},
        {"<a Name=\"&#X0000;\"/>", 9},
        {"<a Name=\"&#000;\"/>", 9},
        {"<a Name=\"&#10;&#32;&#x41;\"/>", std::nullopt},
        {"<a Name=\"&#;&#x;\"/>", std::nullopt},
        {"<a Name=\"&amp;#0;\"/>", std::nullopt},
        {"&#0", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FindNulCharacterReference(row.xml), row.at) << row.xml;
}

TEST(UntrustedText, MostlyBinaryText) {
    struct Row {
        std::string text;
        bool binary;
    };
    const Row rows[] = {
        {"", false},
        {"[Main]\r\nLeft=10\r\n\tTop=5\n", false},
        {"[Main]\nSkin=caf\xC3\xA9.skn\n", false},
        {std::string(64, '\0'), true},
        {std::string("\x89PNG\r\n\x1A\n\x00\x00\x00\rIHDR\xFF\xFE\xFD\xFC", 20), true},
        {"[Main]\nLeft=10\n\xFF", false},  // a stray byte in text
        {"ab\x01\x02", true},              // half of it
    };
    for (const Row& row : rows)
        EXPECT_EQ(LooksBinary(row.text), row.binary) << VisibleText(row.text);
}

}  // namespace
}  // namespace quillix
