#pragma once
// The tokens of quillix-cli keys: keypad captions, one-argument catalogue
// functions, Today and paste:TEXT, each turned into an action on a keys
// session before any key runs, so that an unknown token stops the run first.
// A new kind of token is one more row in the tables of keys_tokens.cpp.

#include <functional>
#include <optional>
#include <string>

#include "engine/calc_engine.h"

namespace quillix::cli {

// What a key acts on.
struct KeysSession {
    TCalcEngine& engine;
};

using KeyAction = std::function<void(KeysSession& session)>;

// The action of a token, or nothing when the token names no key.
std::optional<KeyAction> ParseKeyToken(const std::string& token);

}  // namespace quillix::cli
