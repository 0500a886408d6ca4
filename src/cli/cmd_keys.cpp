// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli keys [--program FILE] [--save FILE] [--rpn-style STYLE] KEY...:
// runs keypad keys through a fresh engine in the input mode and RPN style of
// the home's settings (--rpn-style: RPN in that style), with a program
// document for the variable keys, then prints the value display and
// expression line, or in JSON everything the keypad and the memory view show.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli_context.h"
#include "common/calc_error.h"
#include "common/text_compare.h"
#include "config/calc_config.h"
#include "config/settings_table.h"
#include "engine/calc_engine.h"
#include "engine/engine_readback.h"
#include "json_writer.h"
#include "keys_tokens.h"
#include "value_json.h"
#include "vars/calc_vars.h"
#include "vars/library_call_runner.h"
#include "vars/user_libraries.h"

namespace quillix::cli {

namespace {

// The keypad's starting mode and RPN style: "InputMode" 2 is ALG, any other
// value RPN; "RPNStyle" names the style. The settings are only read.
struct StartingState {
    std::uint8_t mode = kModeALG;
    TRPNStyle style = TRPNStyle::Classic;
};

StartingState ReadStartingState(const std::string& home) {
    const TCalcConfig settings(SettingsFilePath(home));
    const int mode = ReadIntegerSetting(settings.Configor(), TSetting::KeypadInputMode);
    const std::string style = ReadTextSetting(settings.Configor(), TSetting::KeypadRPNStyle);
    return {mode == kInputModeAlg ? kModeALG : kModeRPN, ParseRPNStyle(style)};
}

struct KeysOptions {
    std::string programFile;            // opened as the program document first
    std::string saveFile;               // the program document is saved there at the end
    std::optional<TRPNStyle> rpnStyle;  // --rpn-style: RPN in this style
    std::vector<KeyAction> actions;
};

TRPNStyle ParseStyleOption(const std::string& text) {
    if (EqualsIgnoreAsciiCase(text, "classic")) return TRPNStyle::Classic;
    if (EqualsIgnoreAsciiCase(text, "stack")) return TRPNStyle::Stack;
    throw UsageError("--rpn-style takes classic or stack, not '" + text + "'");
}

// Options may stand anywhere among the keys, until "--" ends them; every token
// is checked before any key runs.
KeysOptions ParseKeysArguments(const Arguments& args) {
    KeysOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& token = args[i];
        if (!optionsEnded && token == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && (token == "--program" || token == "--save")) {
            if (i + 1 >= args.size()) throw UsageError(token + " needs a file");
            (token == "--program" ? options.programFile : options.saveFile) = args[++i];
            continue;
        }
        if (!optionsEnded && token == "--rpn-style") {
            if (i + 1 >= args.size()) throw UsageError(token + " needs classic or stack");
            options.rpnStyle = ParseStyleOption(args[++i]);
            continue;
        }
        std::optional<KeyAction> action = ParseKeyToken(token);
        if (!action) throw UsageError("unknown key '" + token + "'");
        options.actions.push_back(std::move(*action));
    }
    return options;
}

void WriteVariablesJson(JsonWriter& json, TCalcVars& document) {
    json.Key("variables").BeginArray();
    for (const auto& entry : document.GetItems()) {
        json.BeginObject().Key("name").String(entry->GetName()).Key("type").Int(entry->Type);
        json.Key("value");
        WriteValueJson(json, *entry->Value);
        json.EndObject();
    }
    json.EndArray();
}

void WriteKeysJson(std::ostream& out, const TCalcEngine& engine, TCalcVars& document) {
    const TCalcStack& stack = engine.Stack();
    JsonWriter json;
    json.BeginObject()
        .Key("display")
        .String(DisplayText(engine))
        .Key("expression")
        .String(ExpressionText(engine))
        .Key("mode")
        .String(ModeText(engine))
        .Key("style")
        .String(RPNStyleText(engine))
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
    WriteVariablesJson(json, document);
    json.EndObject();
    out << json.Text() << "\n";
}

}  // namespace

int RunKeys(CliContext& context, const Arguments& args) {
    KeysOptions options;
    try {
        options = ParseKeysArguments(args);
    } catch (const UsageError& error) {
        *context.err << error.what() << "\n";
        return kExitUsage;
    }

    // The document comes first so that the engine's stack registers with it.
    TUserLibraries libraries(context.home);
    const TLibraryCallRunner runner;
    TCalcVars document;
    std::string error;
    if (!options.programFile.empty() && !document.LoadFromFile(options.programFile, &error)) {
        throw CommandFailed(error);
    }
    TCalcEngine engine(kModeALG);
    StartingState start = ReadStartingState(context.home);
    if (options.rpnStyle) start = {kModeRPN, *options.rpnStyle};
    engine.SetRPNStyle(start.style);
    if (start.mode == kModeRPN) engine.Execute(ccModeRPN);
    KeysSession session{engine, document};
    try {
        for (const KeyAction& action : options.actions)
            action(session);
    } catch (const ECalcError& failure) {
        throw CommandFailed(failure.what());
    }
    if (!options.saveFile.empty() && !document.SaveToFile(options.saveFile, &error)) {
        throw CommandFailed(error);
    }

    if (context.json) {
        WriteKeysJson(*context.out, engine, document);
    } else {
        *context.out << DisplayText(engine) << "\n" << ExpressionText(engine) << "\n";
    }
    return kExitOk;
}

}  // namespace quillix::cli
