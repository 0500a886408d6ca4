// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a formula the user typed in a window: names resolve against the
// program document, calls against the user function and program libraries.
// Shared by the keypad's formula field and the variables view's "Edit
// formula...".

#include <QString>

#include "model/formula_reader.h"

namespace quillix {

FormulaReadResult ReadProgramFormula(const QString& text);

// The position in text (in QString units, from 0) of the reader's error.
int ErrorPosition(const QString& text, const FormulaReadError& error);

// Positions of the edit (QString units) and offsets of the reader (UTF-8
// bytes) of the same text, either way.
std::size_t Utf8Offset(const QString& text, int position);
int TextPosition(const QString& text, std::size_t utf8Offset);

}  // namespace quillix
