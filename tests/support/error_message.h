// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message of the error of one type that an action raises, or a marker text
// when it raises none; the areas' tests name their own markers.

#include <string>

namespace quillix::test {

template <class Error, class Action>
std::string MessageOf(Action action, const char* noError) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return noError;
}

}  // namespace quillix::test
