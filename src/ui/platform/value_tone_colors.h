// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours of the value tones (model/value_field_rules.h) wherever a list
// shows values: navy for a date, red for a negative number or an error, blue
// for any other number; lighter ones of the same meaning on a dark list.

#include <QColor>

#include "model/value_field_rules.h"

namespace quillix {

inline QColor ToneColor(TValueTone tone, bool darkBase = false) {
    switch (tone) {
        case TValueTone::Date:
            return darkBase ? QColor(170, 185, 255) : QColor(0, 0, 128);
        case TValueTone::Negative:
            return darkBase ? QColor(255, 120, 120) : QColor(255, 0, 0);
        case TValueTone::Plain:
            break;
    }
    return darkBase ? QColor(110, 175, 255) : QColor(0, 0, 255);
}

}  // namespace quillix
