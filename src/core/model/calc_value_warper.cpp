// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/calc_value_warper.h"

namespace quillix {

namespace {
const std::string kNoName;
}

std::unique_ptr<TCalcValueWarper> TCalcValueWarper::Clone() const {
    auto copy = std::make_unique<TCalcValueWarper>(Value);
    copy->Type = Type;
    copy->Description = Description;
    return copy;
}

const std::string& TCalcValueWarper::GetName() const {
    return Value ? Value->Name() : kNoName;
}

}  // namespace quillix
