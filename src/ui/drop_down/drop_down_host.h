// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IDropDownHost: what the drop-down windows need of the number field they
// belong to, so that they reach it without knowing the field's class (the
// field makes the windows; they only talk back through this).

#include "model/value_ref.h"

class QWidget;

namespace quillix {

class TCalcValue;

class IDropDownHost {
  public:
    virtual ~IDropDownHost() = default;
    // The field on screen: a window opens under it and is its child.
    virtual QWidget& Anchor() = 0;
    virtual const TCalcValue& Value() const = 0;
    // The field lets its value go and holds value instead.
    virtual void TakeOver(ValueRef value) = 0;
};

}  // namespace quillix
