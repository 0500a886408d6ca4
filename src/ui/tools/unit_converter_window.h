// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_unitconv: the unit converter. It converts the "From:" box's number
// between two units of one family of the conversion registry, remembers the
// family and units last chosen in "unitconv.ini", and opens the custom units
// dialog. RunUnitConverter shows it modally; a test creates it, shows it,
// presses its buttons and closes it.

#include <QDialog>

class QComboBox;
class QPushButton;
class QToolButton;

namespace quillix {

class TCalcDropDown;
class TConvRegistry;
class TDecimalPlacesBox;

class Tfrm_unitconv : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrm_unitconv(QWidget* parent = nullptr);

    QComboBox* Category() const { return category_; }
    QComboBox* ConvertFrom() const { return from_; }
    QComboBox* ConvertTo() const { return to_; }
    TCalcDropDown& FromBox() const { return *fromBox_; }
    TCalcDropDown& ToBox() const { return *toBox_; }
    QPushButton* ConvertButton() const { return convert_; }
    QPushButton* OptionsButton() const { return options_; }
    QPushButton* HelpButton() const { return help_; }
    TDecimalPlacesBox* DecimalPlaces() const { return decimalPlaces_; }

    // "&Convert": the result, rounded to 15 significant digits, goes to "To:".
    void Convert();
    // The swap button: From's unit and To's change places, and convert.
    void SwapUnits();
    QToolButton* SwapButton() const { return swap_; }
    // Closing in any way remembers the three choices.
    void done(int result) override;

  private:
    void FillUnits();
    void ConvertAsTyped();
    void SelectRemembered();
    void RememberChoice();
    void OpenOptions();

    TConvRegistry& registry_;
    QComboBox* category_ = nullptr;
    QComboBox* from_ = nullptr;
    QComboBox* to_ = nullptr;
    TCalcDropDown* fromBox_ = nullptr;
    TCalcDropDown* toBox_ = nullptr;
    QPushButton* convert_ = nullptr;
    QPushButton* options_ = nullptr;
    QPushButton* help_ = nullptr;
    QToolButton* swap_ = nullptr;
    TDecimalPlacesBox* decimalPlaces_ = nullptr;
};

}  // namespace quillix
