// quillix-cli keys KEY...: runs keypad keys through a fresh engine in the input
// mode of the home's settings, then prints the value display and expression
// line, or in JSON everything the keypad and the memory view show.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli_context.h"
#include "common/calc_error.h"
#include "config/calc_config.h"
#include "config/ini_values.h"
#include "config/settings_table.h"
#include "engine/calc_engine.h"
#include "engine/engine_readback.h"
#include "json_writer.h"
#include "keys_tokens.h"
#include "value_json.h"

namespace quillix::cli {

namespace {

// The keypad's starting mode: "InputMode" 2 is ALG, any other value RPN. The
// settings are only read.
std::uint8_t StartingMode(const std::string& home) {
    const TCalcConfig settings(SettingsFilePath(home));
    const TSettingDef& def = SettingDef(TSetting::KeypadInputMode);
    const int mode = settings.ReadInteger(def.Section, def.Key,
                                          ParseIniInteger(def.Default).value_or(kInputModeAlg));
    return mode == kInputModeAlg ? kModeALG : kModeRPN;
}

void WriteKeysJson(std::ostream& out, const TCalcEngine& engine) {
    const TCalcStack& stack = engine.Stack();
    JsonWriter json;
    json.BeginObject()
        .Key("display")
        .String(DisplayText(engine))
        .Key("expression")
        .String(ExpressionText(engine))
        .Key("mode")
        .String(ModeText(engine))
        .Key("counter")
        .String(CounterText(engine))
        .Key("entering")
        .Bool(engine.IsEntering());
    json.Key("x");
    WriteValueJson(json, *stack.X);
    json.Key("pending").String(OperatorText(stack.Pending));
    json.Key("ops").BeginArray();
    for (const std::string& text : OperatorStackTexts(stack))
        json.String(text);
    json.EndArray();
    json.Key("stack").BeginArray();
    for (int i = stack.Values.Count() - 1; i >= 0; --i)
        WriteValueJson(json, *stack.Values.GetItem(i));
    json.EndArray();
    json.EndObject();
    out << json.Text() << "\n";
}

}  // namespace

int RunKeys(CliContext& context, const Arguments& args) {
    std::vector<KeyAction> actions;
    actions.reserve(args.size());
    for (const std::string& token : args) {
        std::optional<KeyAction> action = ParseKeyToken(token);
        if (!action) {
            *context.err << "unknown key '" << token << "'\n";
            return kExitUsage;
        }
        actions.push_back(std::move(*action));
    }

    TCalcEngine engine(kModeALG);
    if (StartingMode(context.home) == kModeRPN) engine.Execute(ccModeRPN);
    KeysSession session{engine};
    try {
        for (const KeyAction& action : actions)
            action(session);
    } catch (const ECalcError& error) {
        throw CommandFailed(error.what());
    }

    if (context.json) {
        WriteKeysJson(*context.out, engine);
    } else {
        *context.out << DisplayText(engine) << "\n" << ExpressionText(engine) << "\n";
    }
    return kExitOk;
}

}  // namespace quillix::cli
