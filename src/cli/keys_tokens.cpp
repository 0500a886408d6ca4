#include "keys_tokens.h"

#include <memory>
#include <span>
#include <string_view>

#include "engine/keypad_keys.h"
#include "functions/func_catalogue.h"
#include "model/operate_func.h"

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
KeyAction InsertFunction(std::uint8_t funcId) {
    return [funcId](KeysSession& session) {
        TCalcCommondData data;
        data.Value = TCalcValue::New();
        data.Value->SetOperate(std::make_unique<TCalcOperateMultiFunc>(funcId));
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

// Tokens of the form PREFIX:TEXT.
struct PrefixedKey {
    std::string_view prefix;
    KeyAction (*make)(std::string text);
};

constexpr PrefixedKey kPrefixedKeys[] = {
    {"paste:", Paste},
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
    if (!row->MultiParam) return ApplyFunction(funcId);
    if (row->ParamCount < 1) return InsertFunction(funcId);
    return std::nullopt;  // needs arguments: no key applies it
}

// Tried in this order: the keypad's captions win over a function of the same
// name.
constexpr std::optional<KeyAction> (*kTokenKinds[])(const std::string&) = {
    CaptionKey,
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
