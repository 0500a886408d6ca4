// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/option_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <exception>

#include "config/calc_config.h"
#include "config/comma_text.h"
#include "config/configor.h"
#include "config/digits_choice.h"
#include "config/settings_table.h"
#include "dialogs/dialog_buttons.h"
#include "dialogs/options_pad_page.h"
#include "dialogs/options_quick_names_page.h"
#include "engine/rpn_style.h"
#include "launchers.h"
#include "model/format_indicator.h"
#include "model/value_format.h"
#include "platform/autostart_file.h"
#include "platform/dialog_driver.h"
#include "platform/user_prompts.h"

namespace quillix {
namespace {

// The setting's text of a style, which is also its caption.
QString StyleName(TRPNStyle style) {
    const std::string_view text = RPNStyleText(style);
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

}  // namespace

TfrmOptionDlg::TfrmOptionDlg(IConfigor& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("Options"));
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->addTab(BuildGeneralPage(), QStringLiteral("General"));
    padPage_ = new TOptionsPadPage(settings, pages_);
    pages_->addTab(padPage_, QStringLiteral("FunctionPad"));
    quickNames_ = new TQuickNamesPage(pages_);
    pages_->addTab(quickNames_, QStringLiteral("Quick Variable "));
    layout->addWidget(pages_, 1);

    const TDialogButtons buttons =
        AddDialogButtons(*this, QStringLiteral("OK"), QStringLiteral("Cancel"));
    ok_ = buttons.Ok;
    cancel_ = buttons.Cancel;
    layout->addWidget(buttons.Box);
    Load();
}

QWidget* TfrmOptionDlg::BuildGeneralPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    autoRun_ = new QCheckBox(QStringLiteral("Auto run at OS startup"), page);
    alwaysOnTop_ = new QCheckBox(QStringLiteral("Keep main window always on top"), page);
    autoSaveParam_ = new QCheckBox(QStringLiteral("Auto-save function parameters"), page);
    showKeypadHint_ = new QCheckBox(QStringLiteral("Show hints of keypad buttons"), page);
    checkUpgrade_ = new QCheckBox(QStringLiteral("Check for updates on startup"), page);
    keepTape_ = new QCheckBox(QStringLiteral("Keep the tape after closing"), page);
    for (QCheckBox* box :
         {autoRun_, alwaysOnTop_, autoSaveParam_, showKeypadHint_, checkUpgrade_, keepTape_})
        layout->addWidget(box);

    auto* form = new QFormLayout();
    digits_ = new QComboBox(page);
    for (const std::string& entry : DigitsListEntries())
        digits_->addItem(QString::fromStdString(entry));
    digits_->setToolTip(QString::fromLatin1(kFixedDecimalsRule));
    form->addRow(QStringLiteral("&Significant Digits:"), digits_);
    rpnStyle_ = new QComboBox(page);
    for (const TRPNStyle style : {TRPNStyle::Classic, TRPNStyle::Stack}) {
        const QString text = StyleName(style);
        rpnStyle_->addItem(text, text);
    }
    rpnStyle_->setToolTip(
        QStringLiteral("Stack: Enter copies X, and x\u2194y, R\u2193, Drop and LastX work"));
    form->addRow(QStringLiteral("&RPN style:"), rpnStyle_);
    keyboard_ = new QComboBox(page);
    keyboard_->addItems(
        {QStringLiteral("keypad keys (left to right)"), QStringLiteral("typed formulas")});
    keyboard_->setToolTip(QStringLiteral(
        "Keypad keys: each key presses a keypad button and the calculation runs left to right. "
        "Typed formulas: what you type goes to the formula field (2+3*4 gives 14) and Enter "
        "evaluates it."));
    form->addRow(QStringLiteral("&Keyboard:"), keyboard_);
    layout->addLayout(form);
    layout->addStretch(1);
    return page;
}

void TfrmOptionDlg::Load() {
    autoRun_->setChecked(ReadBoolSetting(settings_, TSetting::MainAutoRun));
    alwaysOnTop_->setChecked(ReadBoolSetting(settings_, TSetting::MainAlwaysOnTop));
    autoSaveParam_->setChecked(ReadBoolSetting(settings_, TSetting::MainAutoSaveParam));
    showKeypadHint_->setChecked(ReadBoolSetting(settings_, TSetting::MainShowKeypadHint));
    checkUpgrade_->setChecked(ReadBoolSetting(settings_, TSetting::OnlineCheckUpgrade));
    keepTape_->setChecked(ReadBoolSetting(settings_, TSetting::MainKeepTape));
    const TRPNStyle style = ParseRPNStyle(ReadTextSetting(settings_, TSetting::KeypadRPNStyle));
    rpnStyle_->setCurrentIndex(rpnStyle_->findData(StyleName(style)));
    quickNames_->SetNames(
        ParseCommaText(ReadTextSetting(settings_, TSetting::KeypadQuickVarNames)));
    const TValueFormatRecord& format = ValueFormatSettings();
    digits_->setCurrentIndex(DigitsListIndex(format.ValueFormat, format.ValueDigits));
    keyboard_->setCurrentIndex(ReadBoolSetting(settings_, TSetting::KeypadTypedFormulas) ? 1 : 0);
}

bool TfrmOptionDlg::ApplyOptions() {
    const TSettingsBatch batch(
        &settings_);  // what OK applies reaches the disk at once, in one save
    try {
        padPage_->SaveAll();
    } catch (const std::exception& failure) {
        Prompts().ShowWarning(this, QString::fromUtf8(failure.what()));
        return false;
    }

    WriteBoolSetting(settings_, TSetting::MainAutoRun, autoRun_->isChecked());
    if (autoRun_->isChecked()) {
        if (!WriteAutostartEntry()) {
            Prompts().ShowWarning(this, QStringLiteral("Failed to set data for 'Calc'"));
            return false;
        }
    } else {
        RemoveAutostartEntry();
    }

    WriteBoolSetting(settings_, TSetting::MainAlwaysOnTop, alwaysOnTop_->isChecked());
    WriteBoolSetting(settings_, TSetting::MainAutoSaveParam, autoSaveParam_->isChecked());

    WriteTextSetting(settings_, TSetting::KeypadQuickVarNames, ToCommaText(quickNames_->Names()));

    TValueFormatRecord& format = ValueFormatSettings();
    const TDigitsChoice digits = DigitsFromListIndex(digits_->currentIndex(), format.ValueDigits);
    format.ValueFormat = static_cast<std::uint8_t>(digits.ValueFormat);
    format.ValueDigits = digits.ValueDigits;
    WriteIntegerSetting(settings_, TSetting::MainValueFormat, digits.ValueFormat);
    WriteIntegerSetting(settings_, TSetting::MainValueDigits, digits.ValueDigits);

    WriteBoolSetting(settings_, TSetting::MainShowKeypadHint, showKeypadHint_->isChecked());
    WriteBoolSetting(settings_, TSetting::OnlineCheckUpgrade, checkUpgrade_->isChecked());
    WriteTextSetting(settings_, TSetting::KeypadRPNStyle,
                     rpnStyle_->currentData().toString().toStdString());
    WriteBoolSetting(settings_, TSetting::MainKeepTape, keepTape_->isChecked());
    WriteBoolSetting(settings_, TSetting::KeypadTypedFormulas, keyboard_->currentIndex() == 1);
    return true;
}

bool RunOptions(QWidget* parent) {
    if (ConfigorIntf == nullptr) return false;
    TfrmOptionDlg dialog(*ConfigorIntf, parent);
    if (ExecDialog(dialog) != QDialog::Accepted) return false;
    return dialog.ApplyOptions();
}

}  // namespace quillix
