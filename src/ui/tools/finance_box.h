// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_FinanceBox: the finance box, a modal tool window of four pages (time
// value of money, interest-rate conversions, depreciation, amortisation) with
// the window-wide "Decimal places:" list, "&Close" and "&Help". Every box
// starts afresh on each opening. RunFinanceBox shows it modally; a test
// creates it, shows it and presses its buttons.

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace quillix {

class TAmortisationPage;
class TDecimalPlacesBox;
class TDepreciationPage;
class TFinanceTvmPage;
class TInterestRatesPage;

class Tfrm_FinanceBox : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrm_FinanceBox(QWidget* parent = nullptr);
    ~Tfrm_FinanceBox() override;

    QTabWidget* Pages() const { return pages_; }
    TFinanceTvmPage& Tvm() const { return *tvm_; }
    TInterestRatesPage& Rates() const { return *rates_; }
    TDepreciationPage& Depreciation() const { return *depreciation_; }
    TAmortisationPage& Amortisation() const { return *amortisation_; }
    TDecimalPlacesBox* DecimalPlaces() const { return decimalPlaces_; }
    QPushButton* HelpButton() const { return help_; }
    QPushButton* CloseButton() const { return close_; }

  private:
    QTabWidget* pages_ = nullptr;
    TFinanceTvmPage* tvm_ = nullptr;
    TInterestRatesPage* rates_ = nullptr;
    TDepreciationPage* depreciation_ = nullptr;
    TAmortisationPage* amortisation_ = nullptr;
    TDecimalPlacesBox* decimalPlaces_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace quillix
