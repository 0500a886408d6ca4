#pragma once
// For the tests of the conversion area: the message of the EConversionError an
// action raises, or "no error".

#include <string>

#include "convert/conv_types.h"

namespace quillix {

template <typename Action>
std::string ConversionErrorOf(Action action) {
    try {
        action();
    } catch (const EConversionError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace quillix
