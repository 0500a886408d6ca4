// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad/keypad_frame.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTimer>

#include "common/calc_error.h"
#include "config/calc_config.h"
#include "config/settings_table.h"
#include "engine/engine_readback.h"
#include "functions/func_pad.h"
#include "keypad/formula_field.h"
#include "keypad/func_pad_buttons.h"
#include "keypad/keypad_hotkeys.h"
#include "keypad/stack_panel.h"
#include "platform/user_prompts.h"
#include "vars/document_listener.h"
#include "vars/quick_var_names.h"

namespace quillix {
namespace {

// "InputMode" numbers the modes as the engine does: 1 RPN, 2 ALG.
static_assert(kInputModeAlg == kModeALG && kInputModeRpn == kModeRPN);
// How long a key press shows its button pressed.
constexpr int kPressShowMs = 100;

// The settings of this run, held so that they outlive a settings object that
// goes first (reads then give defaults, writes are dropped).
std::shared_ptr<IConfigor> CurrentSettings() {
    if (!ConfigorIntf || !ConfigorIntf->GetConfig()) return nullptr;
    return ConfigorIntf->GetConfig()->ConfigorReference();
}

// The codes whose button a press plays visibly; every other code runs directly.
bool HasOwnButton(std::uint8_t code) {
    return (code >= ccEquals && code <= ccPower) ||
           (code >= ccOpenParen && code <= ccDecimalPoint) || code == ccChangeSign;
}

}  // namespace

class TKeypadIntfs final : public IKeypad {
  public:
    explicit TKeypadIntfs(Tfra_KeypadFW& keypad) : keypad_(keypad) {}
    void PressCommand(std::uint8_t code, const TCalcCommondData* data) override {
        keypad_.PressCommand(code, data);
    }
    void RegisterHotkeys(bool respectModal) override { keypad_.RegisterHotkeys(respectModal); }
    void UnregisterHotkeys() override { keypad_.UnregisterHotkeys(); }
    bool HotkeysRegistered() const override { return keypad_.HotkeysRegistered(); }
    bool HotkeysRespectModal() const override { return keypad_.hotkeys_->RespectsModal(); }
    void EndModal() override { emit keypad_.endModal(); }
    void BeginModal() override { emit keypad_.beginModal(); }
    void ApplyFunction(int funcID) override { keypad_.ApplyFunction(funcID); }

  private:
    Tfra_KeypadFW& keypad_;
};

Tfra_KeypadFW::Tfra_KeypadFW(QWidget* parent)
    : QFrame(parent), engine_(std::make_unique<TCalcEngine>(kModeALG)) {
    intfs_ = std::make_unique<TKeypadIntfs>(*this);
    hotkeys_ = std::make_unique<TKeypadHotkeys>(this, [this](std::uint8_t code) {
        if (code == ccPaste)
            PasteFromClipboard();
        else if (code == ccCopy)
            CopyToClipboard();
        else
            PressCommand(code, nullptr);
    });
    settings_ = CurrentSettings();
    quickNames_ = settings_ ? std::make_unique<TQuickVarNames>(*settings_)
                            : std::make_unique<TQuickVarNames>();
    BuildUi();
    hotkeys_->SetTypingField(formula_->Edit());
    auto* toFormula = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(toFormula, &QShortcut::activated, formula_, &TFormulaField::TakeFocus);
    if (settings_)
        ApplyRPNStyle(ParseRPNStyle(ReadTextSetting(*settings_, TSetting::KeypadRPNStyle)));
    ApplyInputMode(settings_ ? ReadIntegerSetting(*settings_, TSetting::KeypadInputMode)
                             : kInputModeAlg);
    ApplyTypedFormulas(settings_ && ReadBoolSetting(*settings_, TSetting::KeypadTypedFormulas));
    if (settings_) {
        settings_->AddChangeHandler(
            0, TConfigChangeHandler::Bind<&Tfra_KeypadFW::ConfigChanged>(*this));
        padCreator_ = std::make_unique<TFuncPadCreator>(*settings_);
    }
    RebuildFunctionPad();
    documentListener_ = std::make_unique<TDocumentListener>([this](std::uint8_t) { Refresh(); });
}

Tfra_KeypadFW::~Tfra_KeypadFW() {
    documentListener_.reset();
    padCreator_.reset();
    if (settings_)
        settings_->RemoveChangeHandler(
            TConfigChangeHandler::Bind<&Tfra_KeypadFW::ConfigChanged>(*this));
    quickNames_.reset();
    hotkeys_.reset();
}

IKeypad& Tfra_KeypadFW::Keypad() {
    return *intfs_;
}

void Tfra_KeypadFW::ExecuteCommand(std::uint8_t code, const TCalcCommondData* data) {
    try {
        engine_->Execute(code, data);
    } catch (const ECalcError& error) {
        // A number text that cannot be converted: the engine kept its state and
        // the display keeps showing it; the message says why.
        Prompts().ShowWarning(this, QString::fromStdString(error.what()));
        return;
    }
    Refresh();
}

void Tfra_KeypadFW::PressCommand(std::uint8_t code, const TCalcCommondData* data) {
    QAbstractButton* button = HasOwnButton(code) ? ButtonOfCode(code) : nullptr;
    if (!button) {
        ExecuteCommand(code, data);
        return;
    }
    // A disabled button ignores its key too ("(" in RPN).
    if (!button->isEnabled()) return;
    button->setDown(true);
    ExecuteCommand(code, nullptr);
    QTimer::singleShot(kPressShowMs, button, [button] { button->setDown(false); });
}

QAbstractButton* Tfra_KeypadFW::ButtonOfCode(std::uint8_t code) const {
    const auto found = pressButtons_.find(code);
    return found == pressButtons_.end() ? nullptr : found->second;
}

void Tfra_KeypadFW::Refresh() {
    const bool rpn = engine_->Mode() == kModeRPN;
    mode_->setText(QString::fromStdString(ModeText(*engine_)));
    Button("bb_leftk")->setEnabled(!rpn);
    Button("bb_rightK")->setEnabled(!rpn);
    QAbstractButton* equals = Button("bb_EQ");
    equals->setText(rpn ? QStringLiteral("Enter") : QStringLiteral("="));
    equals->setAccessibleName(equals->text());

    display_->setText(QString::fromStdString(DisplayText(*engine_)));
    // With no X the expression keeps what it showed.
    if (engine_->IsEntering() || engine_->Stack().X) {
        const QString expression = QString::fromStdString(ExpressionText(*engine_));
        expression_->setText(expression);
        expression_->setToolTip(expression);
        expression_->setAccessibleDescription(expression);
    }
    counter_->setText(QString::fromStdString(CounterText(*engine_)));
    counter_->setAccessibleDescription(
        (rpn ? QStringLiteral("Values on the stack: %1") : QStringLiteral("Open parentheses: %1"))
            .arg(rpn ? engine_->Stack().Values.Count() : engine_->Stack().Ops.Count()));
    mode_->setAccessibleDescription(rpn ? QStringLiteral("Reverse Polish input")
                                        : QStringLiteral("Algebraic input"));
    const bool stack = rpn && engine_->RPNStyle() == TRPNStyle::Stack;
    hotkeys_->SetStackKeys(stack);
    stackPanel_->Refresh();
    ShowFixedFormat();
    AlignValueDisplay();
    emit displayChanged();
}

void Tfra_KeypadFW::AlignValueDisplay() {
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The end of a long number (its last digits) stays in view.
    display_->setCursorPosition(static_cast<int>(display_->text().size()));
    display_->update();
}

void Tfra_KeypadFW::CopyToClipboard() {
    QGuiApplication::clipboard()->setText(display_->text());
}

void Tfra_KeypadFW::PasteFromClipboard() {
    if (PasteFormulaFromClipboard()) return;
    TCalcCommondData data;
    // A copied line often ends in a line break, which is no part of the number.
    data.Text = QGuiApplication::clipboard()->text().trimmed().toStdString();
    // A text that is no number changes nothing; say so.
    if (!TCalcInputor::IsPastable(data.Text)) {
        Prompts().Beep();
        return;
    }
    ExecuteCommand(ccPaste, &data);
}

void Tfra_KeypadFW::RegisterHotkeys(bool respectModal) {
    hotkeys_->Register(respectModal);
}

void Tfra_KeypadFW::UnregisterHotkeys() {
    hotkeys_->Unregister();
}

bool Tfra_KeypadFW::HotkeysRegistered() const {
    return hotkeys_->Registered();
}

void Tfra_KeypadFW::RebuildFunctionPad() {
    if (!padCreator_) return;
    padCreator_->Load(padPanel_.get(), false);
}

void Tfra_KeypadFW::ApplyInputMode(int inputMode) {
    ExecuteCommand(inputMode == kInputModeAlg ? ccModeALG : ccModeRPN);
}

void Tfra_KeypadFW::WriteInputMode(int inputMode) {
    // The mode changes through the settings, so every keypad follows.
    if (settings_)
        WriteIntegerSetting(*settings_, TSetting::KeypadInputMode, inputMode);
    else
        ApplyInputMode(inputMode);
}

void Tfra_KeypadFW::ApplyTypedFormulas(bool on) {
    hotkeys_->SetTypedFormulas(on);
    formula_->SetTypedFormulas(on);
}

void Tfra_KeypadFW::ConfigChanged(TCalcConfig&, const std::string& section, std::intptr_t,
                                  const TConfigValue& value, const std::string& key) {
    if (IsSettingKey(section, key, TSetting::KeypadInputMode)) {
        // Whatever form the value was written in, the stored integer decides.
        ApplyInputMode(ReadIntegerSetting(*settings_, TSetting::KeypadInputMode));
    } else if (IsSettingKey(section, key, TSetting::KeypadRPNStyle)) {
        ApplyRPNStyle(ParseRPNStyle(ReadTextSetting(*settings_, TSetting::KeypadRPNStyle)));
    } else if (IsSettingKey(section, key, TSetting::KeypadTypedFormulas)) {
        ApplyTypedFormulas(ReadBoolSetting(*settings_, TSetting::KeypadTypedFormulas));
    } else if (IsSettingKey(section, key, TSetting::KeypadQuickVarNames)) {
        if (const auto* text = std::get_if<std::string>(&value))
            quickNames_->SetNames(*text);
        else
            quickNames_->SetNames(ReadTextSetting(*settings_, TSetting::KeypadQuickVarNames));
    }
}

}  // namespace quillix

#include "moc_keypad_frame.cpp"
