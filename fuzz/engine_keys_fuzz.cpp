// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for key sequences through the engine: the first byte picks
// the input mode, every further byte is a keypad command (with the operand
// record a keypad would send: a function, pasted text, a recalled variable, a
// date) or a variable command of the keypad's menus (store X as a variable,
// replace, delete, change a role, move up, recalculate the document). User
// functions come from a small library, one of which calls itself. After every
// key the stack is consistent and the displays show text; at the end the
// document saves to a text that loads and saves to the same text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/calc_error.h"
#include "common/date_format.h"
#include "engine/calc_engine.h"
#include "engine/engine_readback.h"
#include "fuzz_support.h"
#include "model/formula_reader.h"
#include "model/operate_user.h"
#include "model/vars_document.h"
#include "support/node_builder.h"
#include "vars/calc_vars.h"
#include "vars/library_call_runner.h"
#include "vars/user_libraries.h"

namespace {

using namespace quillix;

constexpr std::uint8_t kFirstVariableCommand = 46;
constexpr const char* kUserFunctions[] = {"Twice", "Hyp", "Self", "Missing"};

// A function file of inputs a (and b) and the output r = formula.
void SaveFunction(TUserFuncFolder& folder, const char* name, const char* formula, bool twoInputs) {
    TCalcVarsBase function;
    function.Add("a", TCalcValue::New(3));
    if (twoInputs) function.Add("b", TCalcValue::New(4));
    FormulaReaderOptions options;
    options.vars = &function;
    function.Add("r", ReadFormula(formula, options).value);
    function.SetValueType("a", wtInput);
    if (twoInputs) function.SetValueType("b", wtInput);
    function.SetValueType("r", wtOutput);
    function.SaveAsFunction(name, folder, nullptr);
}

struct Library {
    Library() : libraries(fuzz::Home().Path()) {
        SaveFunction(libraries.Functions(), "Twice", "a*2", false);
        SaveFunction(libraries.Functions(), "Hyp", "Sqrt(a*a+b*b)", true);
        SaveFunction(libraries.Functions(), "Self", "Self(a-1)", false);
    }
    TUserLibraries libraries;
    TLibraryCallRunner runner;
};

class KeySession {
  public:
    KeySession(TCalcEngine& engine, TCalcVars& document, fuzz::ByteReader& bytes)
        : engine_(engine), document_(document), bytes_(bytes) {}

    void Key(std::uint8_t byte) {
        const std::uint8_t command = byte % 56;
        try {
            if (command < kFirstVariableCommand) {
                Command(command);
            } else if (command < kFirstVariableCommand + 6) {
                VariableCommand(command - kFirstVariableCommand);
            } else {
                engine_.Execute(static_cast<std::uint8_t>(ccDigit0 + byte % 10));
            }
        } catch (const ECalcError&) {
            // Number entry refuses a text beyond the extended range.
        }
    }

  private:
    void Command(std::uint8_t code) {
        TCalcCommondData data;
        switch (code) {
            case ccFunction:
                data.FuncID = bytes_.Byte();
                break;
            case ccUserFunction:
                data.FuncName = kUserFunctions[bytes_.Byte() % std::size(kUserFunctions)];
                break;
            case ccPaste:
                data.Text = bytes_.Text(bytes_.Byte() % 32);
                break;
            case ccInsertReference:
                data.Value = ValueRef(Variable());
                if (!data.Value) data.Value = TCalcValue::New(bytes_.Byte());
                break;
            case ccInsertValue:
                data.Value = TCalcValue::NewDate(bytes_.Byte() * 300.0);
                break;
            default:
                break;
        }
        engine_.Execute(code, &data);
    }

    // A variable of the document chosen by the next byte, or null when there is none.
    TCalcValue* Variable() {
        const std::uint8_t pick = bytes_.Byte();
        if (document_.Count() == 0) return nullptr;
        return document_.GetItems()[pick % document_.Count()]->Value.get();
    }

    std::string VariableName() {
        TCalcValue* variable = Variable();
        return variable ? variable->Name() : std::string("none");
    }

    void VariableCommand(int command) {
        switch (command) {
            case 0:  // V+: X becomes a new variable and shows its name
                if (document_.Add("V" + std::to_string(++added_), engine_.Stack().X))
                    engine_.Execute(ccReferenceX);
                break;
            case 1: {  // V=: the finished result replaces a variable
                engine_.Execute(ccEquals);
                if (TCalcValue* variable = document_.SetValue(VariableName(), engine_.Stack().X)) {
                    engine_.Stack().X = ValueRef(variable);
                    engine_.Execute(ccReferenceX);
                }
                break;
            }
            case 2:
                document_.Delete(VariableName());
                break;
            case 3:
                document_.SetValueType(VariableName(), bytes_.Byte() % 3);
                break;
            case 4:
                document_.MoveUp(bytes_.Byte() % (document_.Count() + 1));
                break;
            default:
                document_.RecalcAll();
                break;
        }
    }

    TCalcEngine& engine_;
    TCalcVars& document_;
    fuzz::ByteReader& bytes_;
    int added_ = 0;
};

void CheckConsistent(const TCalcEngine& engine) {
    const TCalcStack& stack = engine.Stack();
    fuzz::Check(static_cast<bool>(stack.X), "no X");
    fuzz::Check(stack.Pending == ccNone || IsBinaryOperator(stack.Pending), "a wrong pending code");
    for (int i = 0; i < stack.Values.Count(); ++i)
        fuzz::Check(static_cast<bool>(stack.Values.GetItem(i)), "an empty stack slot");
    fuzz::Check(!DisplayText(engine).empty(), "an empty display");
    ExpressionText(engine);
}

void CheckDocumentRoundTrip(TCalcVars& document) {
    const std::string saved = BuildVarsDocumentText(document.Description(), document.Items());
    const std::string file = fuzz::Home().File("document.prg");
    test::WriteFile(file, saved);
    TCalcVarsBase again;
    std::string error;
    fuzz::Check(again.LoadFromFile(file, &error), "the document does not load:", error);
    fuzz::Check(BuildVarsDocumentText(again.Description(), again.Items()) == saved,
                "the document saves differently", saved);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetShortDateFormatter(FormatIsoDate);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Library library;
    fuzz::ByteReader bytes(data, size);
    TCalcVars document;  // first, so that the engine's stack registers with it
    TCalcEngine engine(bytes.Byte() % 2 ? kModeRPN : kModeALG);
    KeySession session(engine, document, bytes);
    while (!bytes.Empty()) {
        session.Key(bytes.Byte());
        CheckConsistent(engine);
    }
    CheckDocumentRoundTrip(document);
    return 0;
}
