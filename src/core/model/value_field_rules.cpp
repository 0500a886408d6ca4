// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/value_field_rules.h"

#include "model/calc_value.h"

namespace quillix {

TValueTone ValueTone(const TCalcValue& value) {
    if (value.CVType() == cvDate) return TValueTone::Date;
    if (value.CVType() == cvError || value.GetNumber() < 0) return TValueTone::Negative;
    return TValueTone::Plain;
}

TTypedOver TypingOver(const ValueRef& value) {
    if (value->CVType() != cvNumber) return {TCalcValue::New(), true};
    if (value->Operate()) return {value->CopyNumber(), false};
    return {value, false};
}

}  // namespace quillix
