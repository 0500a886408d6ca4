// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the tests of the conversion area: the message of the EConversionError an
// action raises, or "no error".

#include <string>

#include "convert/conv_types.h"
#include "support/error_message.h"

namespace quillix {

template <typename Action>
std::string ConversionErrorOf(Action action) {
    return test::MessageOf<EConversionError>(action, "no error");
}

}  // namespace quillix
