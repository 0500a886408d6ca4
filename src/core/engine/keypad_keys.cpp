// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/keypad_keys.h"

#include "model/calc_commands.h"

namespace quillix {

namespace {

constexpr std::uint8_t kRecipID = 2;
constexpr std::uint8_t kNotID = 89;

constexpr TKeypadKey kKeys[] = {
    {"0", ccDigit0, 0},
    {"1", ccDigit1, 0},
    {"2", ccDigit2, 0},
    {"3", ccDigit3, 0},
    {"4", ccDigit4, 0},
    {"5", ccDigit5, 0},
    {"6", ccDigit6, 0},
    {"7", ccDigit7, 0},
    {"8", ccDigit8, 0},
    {"9", ccDigit9, 0},
    {"00", ccDigit00, 0},
    {"000", ccDigit000, 0},
    {".", ccDecimalPoint, 0},
    {"e", ccExponent, 0},
    {"+/-", ccChangeSign, 0},
    {"+", ccPlus, 0},
    {"-", ccMinus, 0},
    {"*", ccMultiply, 0},
    {"/", ccDivide, 0},
    {"^", ccPower, 0},
    {"Mod", ccMod, 0},
    {"==", ccEqual, 0},
    {"<=", ccLessEqual, 0},
    {"<", ccLess, 0},
    {">", ccGreater, 0},
    {">=", ccGreaterEqual, 0},
    {"<>", ccNotEqual, 0},
    {"And", ccAnd, 0},
    {"Or", ccOr, 0},
    {"Xor", ccXor, 0},
    {"Not", ccFunction, kNotID},
    {"1/x", ccFunction, kRecipID},
    {"%", ccPercent, 0},
    {"(", ccOpenParen, 0},
    {")", ccCloseParen, 0},
    {"BS", ccBackspace, 0},
    {"C", ccClear, 0},
    {"=", ccEquals, 0},
    {"Enter", ccEquals, 0},
    {"RPN", ccModeRPN, 0},
    {"ALG", ccModeALG, 0},
    // Stack-style RPN's keys.
    {"x\u2194y", ccSwapXY, 0},
    {"R\u2193", ccRollDown, 0},
    {"Drop", ccDrop, 0},
    {"LastX", ccLastX, 0},
};

}  // namespace

std::span<const TKeypadKey> KeypadKeys() {
    return kKeys;
}

const TKeypadKey* FindKeypadKey(std::string_view caption) {
    for (const TKeypadKey& key : kKeys) {
        if (key.Caption == caption) return &key;
    }
    return nullptr;
}

}  // namespace quillix
