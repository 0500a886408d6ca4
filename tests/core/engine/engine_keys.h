// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test helpers for the engine: press keys written as keypad captions separated
// by blanks ("2 + 3 =", function names such as "Sqrt", "paste:TEXT"; a number
// such as 200 stands for its digit keys), and a fixture that starts every test
// from the default value format.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "core/model/tree_builders.h"
#include "engine/calc_engine.h"
#include "engine/keypad_keys.h"
#include "functions/func_catalogue.h"

namespace quillix::test {

inline void PressKey(TCalcEngine& engine, const std::string& token) {
    TCalcCommondData data;
    if (const TKeypadKey* key = FindKeypadKey(token)) {
        data.FuncID = key->FuncID;
        engine.Execute(key->Code, key->Code == ccFunction ? &data : nullptr);
    } else if (!token.empty() && token.find_first_not_of("0123456789") == std::string::npos) {
        for (const char digit : token)
            engine.Execute(static_cast<std::uint8_t>(ccDigit0 + (digit - '0')));
    } else if (token.starts_with("paste:")) {
        data.Text = token.substr(6);
        engine.Execute(ccPaste, &data);
    } else if (const int id = FindFuncID(token); id != 0) {
        data.FuncID = static_cast<std::uint8_t>(id);
        engine.Execute(ccFunction, &data);
    } else {
        ADD_FAILURE() << "no such key in the test: " << token;
    }
}

inline void Press(TCalcEngine& engine, std::string_view keys) {
    std::istringstream tokens{std::string(keys)};
    for (std::string token; tokens >> token;)
        PressKey(engine, token);
}

// Recalls value as the keypad's variable menu does (command 33).
inline void Recall(TCalcEngine& engine, const ValueRef& value) {
    TCalcCommondData data;
    data.Value = value;
    engine.Execute(ccInsertReference, &data);
}

// The default value format and ISO dates, as for the model's tests.
using EngineTest = ModelTest;

}  // namespace quillix::test
