// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that reach the calculation engine: the 46 command codes of the
// keypad, the four stack commands and two style switches of Stack-style RPN,
// the record that carries a command's operand, and the texts of the operator
// codes.

#include <cstdint>
#include <string>

#include "model/value_ref.h"

namespace quillix {

inline constexpr std::uint8_t ccModeRPN = 0;
inline constexpr std::uint8_t ccModeALG = 1;
inline constexpr std::uint8_t ccEquals = 2;
inline constexpr std::uint8_t ccDigit0 = 3;
inline constexpr std::uint8_t ccDigit1 = 4;
inline constexpr std::uint8_t ccDigit2 = 5;
inline constexpr std::uint8_t ccDigit3 = 6;
inline constexpr std::uint8_t ccDigit4 = 7;
inline constexpr std::uint8_t ccDigit5 = 8;
inline constexpr std::uint8_t ccDigit6 = 9;
inline constexpr std::uint8_t ccDigit7 = 10;
inline constexpr std::uint8_t ccDigit8 = 11;
inline constexpr std::uint8_t ccDigit9 = 12;
inline constexpr std::uint8_t ccDigit00 = 13;
inline constexpr std::uint8_t ccDigit000 = 14;
inline constexpr std::uint8_t ccExponent = 15;
inline constexpr std::uint8_t ccPlus = 16;
inline constexpr std::uint8_t ccMinus = 17;
inline constexpr std::uint8_t ccMultiply = 18;
inline constexpr std::uint8_t ccDivide = 19;
inline constexpr std::uint8_t ccPower = 20;
inline constexpr std::uint8_t ccUserFunction = 21;
inline constexpr std::uint8_t ccMod = 22;
inline constexpr std::uint8_t ccEqual = 23;
inline constexpr std::uint8_t ccLessEqual = 24;
inline constexpr std::uint8_t ccLess = 25;
inline constexpr std::uint8_t ccGreater = 26;
inline constexpr std::uint8_t ccGreaterEqual = 27;
inline constexpr std::uint8_t ccNotEqual = 28;
inline constexpr std::uint8_t ccAnd = 29;
inline constexpr std::uint8_t ccOr = 30;
inline constexpr std::uint8_t ccXor = 31;
inline constexpr std::uint8_t ccFunction = 32;
inline constexpr std::uint8_t ccInsertReference = 33;
inline constexpr std::uint8_t ccInsertValue = 34;
inline constexpr std::uint8_t ccPaste = 35;
inline constexpr std::uint8_t ccCopy = 36;
inline constexpr std::uint8_t ccReferenceX = 37;
inline constexpr std::uint8_t ccOpenParen = 38;
inline constexpr std::uint8_t ccCloseParen = 39;
inline constexpr std::uint8_t ccPercent = 40;
inline constexpr std::uint8_t ccBackspace = 41;
inline constexpr std::uint8_t ccClear = 42;
inline constexpr std::uint8_t ccDecimalPoint = 43;
inline constexpr std::uint8_t ccNone = 44;
inline constexpr std::uint8_t ccChangeSign = 45;
// The stack commands of Stack-style RPN; in ALG and Classic RPN they change
// nothing, as the parentheses change nothing in RPN.
inline constexpr std::uint8_t ccSwapXY = 46;    // x<->y: X and the top of the value stack
inline constexpr std::uint8_t ccRollDown = 47;  // R-down: X to the bottom, the top to X
inline constexpr std::uint8_t ccDrop = 48;      // X goes, the top comes down
inline constexpr std::uint8_t ccLastX = 49;     // X as it was before the last operation
// The RPN style, switched by the engine itself as codes 0 and 1 switch the mode.
inline constexpr std::uint8_t ccStyleClassic = 50;
inline constexpr std::uint8_t ccStyleStack = 51;

inline constexpr std::uint8_t kModeRPN = 1;
inline constexpr std::uint8_t kModeALG = 2;

// A binary operator code: 16 to 20 or 22 to 31.
constexpr bool IsBinaryOperator(std::uint8_t code) {
    return (code >= ccPlus && code <= ccPower) || (code >= ccMod && code <= ccXor);
}

// The operand of a command. The sender fills the field its code reads; the
// engine reads it only during the call. Value: for code 34 the value becomes X
// itself; for code 33 X becomes a reference to it.
struct TCalcCommondData {
    std::uint8_t FuncID = 0;  // code 32
    std::string FuncName;     // code 21
    std::string Text;         // code 35
    ValueRef Value;           // codes 33, 34
};

// "+", "-", "*", "/", "^", "Mod", "==", "<=", "<", ">", ">=", "<>", "And", "Or",
// "Xor" for the operator codes; empty for every other code.
std::string OperatorText(std::uint8_t code);

}  // namespace quillix
