// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the windows treat a value they show, said without a widget: the tone its
// text is drawn in (the variables view and the variables drop-down colour it
// by it), and what a number field holds once the user types over it.

#include "model/value_ref.h"

namespace quillix {

class TCalcValue;

// What a value's colour means: a date; a negative number or an error; any
// other number. The sign is the one the value shows (GetNumber, rounded to
// the display format), so "-0.00" is no negative number.
enum class TValueTone { Date, Negative, Plain };
TValueTone ValueTone(const TCalcValue& value);

// What a number field holds once the user types over its value: a date or an
// error gives way to a new empty number and the field's text goes too; a
// computed number to a copy of its number without the formula; a typed number
// stays the very same value.
struct TTypedOver {
    ValueRef Value;
    bool ClearText = false;
};
TTypedOver TypingOver(const ValueRef& value);

}  // namespace quillix
