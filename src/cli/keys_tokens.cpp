// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys_tokens.h"

#include "common/untrusted_text.h"

#include <memory>
#include <span>
#include <string_view>
#include <utility>

#include "common/calc_error.h"
#include "engine/keypad_keys.h"
#include "functions/func_catalogue.h"
#include "model/function_call.h"
#include "vars/calc_vars.h"
#include "vars/library_names.h"

namespace quillix::cli {

namespace {

KeyAction SendCommand(std::uint8_t code) {
    return [code](KeysSession& session) { session.engine.Execute(code); };
}

KeyAction ApplyFunction(std::uint8_t funcId) {
    return [funcId](KeysSession& session) {
        TCalcCommondData data;
        data.FuncID = funcId;
        session.engine.Execute(ccFunction, &data);
    };
}

// A function without parameters (Today) is inserted as a finished value, as
// the keypad's function menu does without opening a dialog.
// A function without parameters, as a node of its own (the catalogue's rows
// live as long as the program).
KeyAction InsertFunction(const TFuncDataItem& row) {
    return [&row](KeysSession& session) {
        TCalcCommondData data;
        data.Value = TCalcValue::NewComputed(BindCatalogueCall(row, {}));
        session.engine.Execute(ccInsertReference, &data);
    };
}

KeyAction Paste(std::string text) {
    return [text = std::move(text)](KeysSession& session) {
        TCalcCommondData data;
        data.Text = text;
        session.engine.Execute(ccPaste, &data);
    };
}

std::optional<KeyAction> CaptionKey(const std::string& token) {
    const TKeypadKey* key = FindKeypadKey(token);
    if (!key) return std::nullopt;
    if (key->Code == ccFunction) return ApplyFunction(key->FuncID);
    return SendCommand(key->Code);
}

// Words for the stack keys whose captions ("x\u2194y", "R\u2193") a script
// would rather not type.
std::optional<KeyAction> StackWord(const std::string& token) {
    static constexpr std::pair<std::string_view, std::uint8_t> kWords[] = {
        {"swap", ccSwapXY},
        {"roll", ccRollDown},
        {"drop", ccDrop},
        {"lastx", ccLastX},
    };
    for (const auto& [word, code] : kWords) {
        if (token == word) return SendCommand(code);
    }
    return std::nullopt;
}

// Tokens of the form PREFIX:TEXT.
struct PrefixedKey {
    std::string_view prefix;
    KeyAction (*make)(std::string text);
};

// The keypad's "V+": X becomes the variable NAME and then shows its name.
KeyAction AddVariable(std::string name) {
    return [name = std::move(name)](KeysSession& session) {
        const ValueRef x = session.engine.Stack().X;
        if (!session.document.Add(name, x)) {
            const std::string problem = VariableNameProblem(name);
            RaiseCalcError(!problem.empty() ? problem
                                            : "Cannot add the variable '" + TrimBlanks(name) +
                                                  "': the name exists already");
        }
        session.engine.Execute(ccReferenceX);
    };
}

// The keypad's "V=": the finished result replaces NAME's value, and X then
// shows the variable; a replacement the set refuses changes nothing more.
KeyAction ReplaceVariable(std::string name) {
    return [name = std::move(name)](KeysSession& session) {
        session.engine.Execute(ccEquals);
        TCalcValue* variable = session.document.SetValue(name, session.engine.Stack().X);
        if (!variable) return;
        session.engine.Stack().X = ValueRef(variable);
        session.engine.Execute(ccReferenceX);
    };
}

// The keypad's "V": recalls NAME into the calculation.
KeyAction RecallVariable(std::string name) {
    return [name = std::move(name)](KeysSession& session) {
        TCalcValue* variable = session.document.GetValue(name);
        if (!variable) RaiseCalcError("There is no variable named '" + TrimBlanks(name) + "'");
        TCalcCommondData data;
        data.Value = ValueRef(variable);
        session.engine.Execute(ccInsertReference, &data);
    };
}

// The role of a variable, as its properties dialog sets it (an addition of the
// command line: the keypad has no such key, but a script that builds a program
// must be able to mark its inputs and outputs).
template <std::uint8_t Type>
KeyAction SetRole(std::string name) {
    return [name = std::move(name)](KeysSession& session) {
        if (!session.document.Exists(name)) {
            RaiseCalcError("There is no variable named '" + TrimBlanks(name) + "'");
        }
        session.document.SetValueType(name, Type);
    };
}

constexpr PrefixedKey kPrefixedKeys[] = {
    {"paste:", Paste},
    {"V+:", AddVariable},
    {"V=:", ReplaceVariable},
    {"V:", RecallVariable},
    {"Input:", SetRole<wtInput>},
    {"Output:", SetRole<wtOutput>},
    {"Normal:", SetRole<wtNormal>},
};

std::optional<KeyAction> PrefixedToken(const std::string& token) {
    for (const PrefixedKey& kind : kPrefixedKeys) {
        if (token.starts_with(kind.prefix)) return kind.make(token.substr(kind.prefix.size()));
    }
    return std::nullopt;
}

std::optional<KeyAction> CatalogueFunction(const std::string& token) {
    const TFuncDataItem* row = FindFunc(FindFuncID(token));
    if (!row) return std::nullopt;
    const auto funcId = static_cast<std::uint8_t>(row->FuncID);
    switch (FunctionUse(*row)) {
        case TFunctionUse::CommandOnX:
            return ApplyFunction(funcId);
        case TFunctionUse::InsertNode:
            return InsertFunction(*row);
        case TFunctionUse::AskArguments:
            break;
    }
    return std::nullopt;  // needs arguments: no key applies it
}

// Tried in this order: the keypad's captions win over a function of the same
// name.
constexpr std::optional<KeyAction> (*kTokenKinds[])(const std::string&) = {
    CaptionKey,
    StackWord,
    PrefixedToken,
    CatalogueFunction,
};

}  // namespace

std::optional<KeyAction> ParseKeyToken(const std::string& token) {
    for (const auto parse : kTokenKinds) {
        if (std::optional<KeyAction> action = parse(token)) return action;
    }
    return std::nullopt;
}

}  // namespace quillix::cli
