// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tokens of quillix-cli keys: keypad captions, one-argument catalogue
// functions, Today, paste:TEXT and the variable keys V+:NAME (add X as NAME),
// V=:NAME (replace NAME by the result), V:NAME (recall NAME), and
// Input:NAME, Output:NAME, Normal:NAME (the variable's role), each turned
// into an action on a keys
// session before any key runs, so that an unknown token stops the run first.
// A new kind of token is one more row in the tables of keys_tokens.cpp.

#include <functional>
#include <optional>
#include <string>

#include "engine/calc_engine.h"

namespace quillix {
class TCalcVars;
}

namespace quillix::cli {

// What a key acts on: the engine, and the program document of the variable keys.
struct KeysSession {
    TCalcEngine& engine;
    TCalcVars& document;
};

using KeyAction = std::function<void(KeysSession& session)>;

// The action of a token, or nothing when the token names no key.
std::optional<KeyAction> ParseKeyToken(const std::string& token);

}  // namespace quillix::cli
