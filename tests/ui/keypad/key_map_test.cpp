// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "keypad/keypad_key_map.h"
#include "model/calc_commands.h"

namespace quillix::test {
namespace {

constexpr int kNone = -1;

struct KeyRow {
    const char* Name;
    TKeyStroke Stroke;
    int Expected;  // a command code, or kNone
};

TKeyStroke Digit(int digit, std::string text, bool shift = false, bool keypad = false) {
    TKeyStroke stroke;
    stroke.Key = TKeyName::Digit;
    stroke.Digit = digit;
    stroke.Text = std::move(text);
    stroke.Shift = shift;
    stroke.Keypad = keypad;
    return stroke;
}

TKeyStroke Named(TKeyName key, bool shift = false, bool ctrl = false, bool alt = false) {
    TKeyStroke stroke;
    stroke.Key = key;
    stroke.Shift = shift;
    stroke.Ctrl = ctrl;
    stroke.Alt = alt;
    return stroke;
}

TKeyStroke Char(std::string text, bool shift = false, bool keypad = false) {
    TKeyStroke stroke;
    stroke.Text = std::move(text);
    stroke.Shift = shift;
    stroke.Keypad = keypad;
    return stroke;
}

TKeyStroke WithMods(TKeyStroke stroke, bool ctrl, bool alt) {
    stroke.Ctrl = ctrl;
    stroke.Alt = alt;
    return stroke;
}

const KeyRow kRows[] = {
    {"main 9", Digit(9, "9"), ccDigit9},
    {"main 0", Digit(0, "0"), ccDigit0},
    {"keypad 7", Digit(7, "7", false, true), ccDigit7},
    {"Shift+9 typing (", Digit(9, "(", true), ccOpenParen},
    {"Shift+0 typing )", Digit(0, ")", true), ccCloseParen},
    {"Shift+9 without text", Digit(9, "", true), ccOpenParen},
    {"Shift+0 without text", Digit(0, "", true), ccCloseParen},
    {"Shift+5 without text", Digit(5, "", true), kNone},
    {"layout where Shift types the digit", Digit(9, "9", true), ccDigit9},
    {"layout where Shift+9 types )", Digit(9, ")", true), ccCloseParen},
    {"digit key typing a letter", Digit(2, "\xC3\xA9"), kNone},
    {"E", Named(TKeyName::LetterE), ccExponent},
    {"Shift+E", Named(TKeyName::LetterE, true), kNone},
    {"F9", Named(TKeyName::F9), ccChangeSign},
    {"Enter", Named(TKeyName::Enter), ccEquals},
    {"Shift+Enter", Named(TKeyName::Enter, true), kNone},
    {"Backspace", Named(TKeyName::Backspace), ccBackspace},
    {"Delete", Named(TKeyName::Delete), ccClear},
    {"Escape", Named(TKeyName::Escape), ccClear},
    {"Ctrl+C", Named(TKeyName::LetterC, false, true), ccCopy},
    {"Ctrl+V", Named(TKeyName::LetterV, false, true), ccPaste},
    {"Ctrl+Shift+V", Named(TKeyName::LetterV, true, true), kNone},
    {"C alone", Named(TKeyName::LetterC), kNone},
    {"Ctrl+1", WithMods(Digit(1, "1"), true, false), kNone},
    {"Alt+1 (access key)", WithMods(Digit(1, "1"), false, true), kNone},
    {"AltGr typing ^", WithMods(Char("^"), true, true), ccPower},
    {"AltGr+8 typing [", WithMods(Digit(8, "["), true, true), kNone},
    {"+ (shifted on the main keyboard)", Char("+", true), ccPlus},
    {"keypad +", Char("+", false, true), ccPlus},
    {"-", Char("-"), ccMinus},
    {"*", Char("*", true), ccMultiply},
    {"/", Char("/"), ccDivide},
    {"^", Char("^", true), ccPower},
    {"%", Char("%", true), ccPercent},
    {"=", Char("="), ccEquals},
    {".", Char("."), ccDecimalPoint},
    {"keypad decimal typing ,", Char(",", false, true), ccDecimalPoint},
    {"main keyboard ,", Char(","), kNone},
    {"a letter", Char("a"), kNone},
    {"two characters", Char("++"), kNone},
    {"nothing typed", Char(""), kNone},
};

TKeyStroke Stack(TKeyStroke stroke) {
    stroke.StackKeys = true;
    return stroke;
}

// The stack's keys work only in Stack-style RPN; elsewhere each keeps what it
// did before (Backspace, Enter) or stays free.
const KeyRow kStackRows[] = {
    {"Ctrl+X swaps", Stack(Named(TKeyName::LetterX, false, true)), ccSwapXY},
    {"Page Down rolls", Stack(Named(TKeyName::PageDown)), ccRollDown},
    {"Ctrl+Backspace drops", Stack(Named(TKeyName::Backspace, false, true)), ccDrop},
    {"Shift+Enter is LastX", Stack(Named(TKeyName::Enter, true)), ccLastX},
    {"Enter stays Enter", Stack(Named(TKeyName::Enter)), ccEquals},
    {"Backspace stays Backspace", Stack(Named(TKeyName::Backspace)), ccBackspace},
    {"Ctrl+C stays copy", Stack(Named(TKeyName::LetterC, false, true)), ccCopy},
    {"X alone", Stack(Named(TKeyName::LetterX)), kNone},
    {"Ctrl+Shift+X", Stack(Named(TKeyName::LetterX, true, true)), kNone},
    {"AltGr+X", Stack(Named(TKeyName::LetterX, false, true, true)), kNone},
    {"Shift+Page Down", Stack(Named(TKeyName::PageDown, true)), kNone},
    {"Ctrl+Shift+Enter", Stack(Named(TKeyName::Enter, true, true)), kNone},
    {"Classic: Ctrl+X", Named(TKeyName::LetterX, false, true), kNone},
    {"Classic: Page Down", Named(TKeyName::PageDown), kNone},
    {"Classic: Ctrl+Backspace", Named(TKeyName::Backspace, false, true), kNone},
    {"Classic: Shift+Enter", Named(TKeyName::Enter, true), kNone},
};

TEST(KeypadKeyMap, StackKeysOnlyInStackStyle) {
    for (const KeyRow& row : kStackRows) {
        const auto code = KeyCommand(row.Stroke);
        EXPECT_EQ(code ? int(*code) : kNone, row.Expected) << row.Name;
    }
}

TEST(KeypadKeyMap, EachStrokeSendsItsCommand) {
    for (const KeyRow& row : kRows) {
        const auto code = KeyCommand(row.Stroke);
        const int actual = code ? int(*code) : kNone;
        EXPECT_EQ(actual, row.Expected) << row.Name;
    }
}

// With typed formulas, the characters of a formula go to the formula field;
// Enter, Backspace, Escape and the window's shortcuts stay where they were.
TEST(KeypadKeyMap, WhatTypesIntoTheFormulaField) {
    const struct {
        const char* name;
        TKeyStroke stroke;
        bool types;
    } rows[] = {
        {"digit", Digit(2, "2"), true},
        {"letter", Char("s"), true},
        {"operator", Char("*"), true},
        {"blank", Char(" "), true},
        {"non-ASCII letter", Char("\xC3\xA9"), true},
        {"AltGr character", WithMods(Char("@"), true, true), true},
        {"Ctrl+C", WithMods(Char("c"), true, false), false},
        {"Alt+F (a menu)", WithMods(Char("f"), false, true), false},
        {"Enter", Named(TKeyName::Enter), false},
        {"Enter typing CR", Char("\r"), false},
        {"Backspace typing BS", Char("\b"), false},
        {"Escape typing ESC", Char("\x1b"), false},
        {"Delete typing DEL", Char("\x7f"), false},
        {"F9, nothing typed", Named(TKeyName::F9), false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TypesIntoFormula(row.stroke), row.types) << row.name;
}

}  // namespace
}  // namespace quillix::test
