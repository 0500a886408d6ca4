// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmOptionDlg: the user's settings in one place: start-up and window
// options, the display digits, hints, the update check ("General"), the
// function pad ("FunctionPad") and the quick variable names ("Quick Variable ").
// Nothing is written until ApplyOptions, which the caller runs after OK; every
// write is announced, so the windows follow through their change handlers.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QTabWidget;

namespace quillix {

class IConfigor;
class TOptionsPadPage;
class TQuickNamesPage;

class TfrmOptionDlg : public QDialog {
    Q_OBJECT
  public:
    TfrmOptionDlg(IConfigor& settings, QWidget* parent = nullptr);

    // Writes everything back, in order: the pad, "AutoRun" with the start-up
    // entry, "AlwaysOnTop", "AutoSaveParam", "QuickVarNames", the digits,
    // "ShowKeypadHint", "CheckUpgrade", "RPNStyle", "KeepTape". When the start-up entry cannot be
    // written the user is told and the rest is not written: false.
    bool ApplyOptions();

    QTabWidget* Pages() const { return pages_; }
    QCheckBox* AutoRun() const { return autoRun_; }
    QCheckBox* AlwaysOnTop() const { return alwaysOnTop_; }
    QCheckBox* AutoSaveParam() const { return autoSaveParam_; }
    QCheckBox* ShowKeypadHint() const { return showKeypadHint_; }
    QCheckBox* CheckUpgrade() const { return checkUpgrade_; }
    QComboBox* DigitsList() const { return digits_; }
    QComboBox* RPNStyleList() const { return rpnStyle_; }
    QCheckBox* KeepTape() const { return keepTape_; }
    QComboBox* KeyboardList() const { return keyboard_; }
    TOptionsPadPage* PadPage() const { return padPage_; }
    TQuickNamesPage* QuickNamesPage() const { return quickNames_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

  private:
    QWidget* BuildGeneralPage();
    void Load();

    IConfigor& settings_;
    QTabWidget* pages_ = nullptr;
    QCheckBox* autoRun_ = nullptr;
    QCheckBox* alwaysOnTop_ = nullptr;
    QCheckBox* autoSaveParam_ = nullptr;
    QCheckBox* showKeypadHint_ = nullptr;
    QCheckBox* checkUpgrade_ = nullptr;
    QComboBox* digits_ = nullptr;
    QComboBox* rpnStyle_ = nullptr;  // item data: the setting's text
    QCheckBox* keepTape_ = nullptr;
    QComboBox* keyboard_ = nullptr;  // 0 keypad keys, 1 typed formulas
    TOptionsPadPage* padPage_ = nullptr;
    TQuickNamesPage* quickNames_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace quillix
