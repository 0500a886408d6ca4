// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pages of the finance box: the time-value-of-money keys, the
// interest-rate conversions, the depreciation schedule and the amortisation
// schedule of the time-value-of-money page's loan.

#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "tools/amortisation_schedule.h"
#include "tools/depreciation_schedule.h"
#include "tools/rate_conversions.h"
#include "tools/tvm_solver.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace quillix {

class TCalcDropDown;
class TChoiceGroup;
class TScheduleTable;

// The captions of a list of choices, in the list's order.
template <class Choice, std::size_t N>
QStringList ChoiceCaptions(const std::array<Choice, N>& choices, const char* (*caption)(Choice)) {
    QStringList captions;
    for (Choice choice : choices)
        captions.append(QString::fromUtf8(caption(choice)));
    return captions;
}

// The position of a choice in its list (0 when it is not there).
template <class Choice, std::size_t N>
int IndexOf(const std::array<Choice, N>& choices, Choice choice) {
    for (std::size_t index = 0; index < N; ++index)
        if (choices[index] == choice) return static_cast<int>(index);
    return 0;
}

// The choice at a position of its list (the first for a position outside it).
template <class Choice, std::size_t N>
Choice ChoiceAt(const std::array<Choice, N>& choices, int index) {
    return index >= 0 && index < static_cast<int>(N) ? choices[static_cast<std::size_t>(index)]
                                                     : choices[0];
}

// Page "Time Value of Money": N, I%YR, PV, PMT and FV, each solved from the
// other four by its button.
class TFinanceTvmPage : public QWidget {
    Q_OBJECT
  public:
    explicit TFinanceTvmPage(QWidget* parent = nullptr);

    TCalcDropDown& Box(tools::TTvmKey key) const;
    QPushButton* SolveButton(tools::TTvmKey key) const;
    TChoiceGroup* Frequency() const { return frequency_; }
    TChoiceGroup* PaymentTime() const { return paymentTime_; }

    // The five numbers and the two choices. A box holding an error value
    // (except the one of except, which is not read) throws ECalcError.
    tools::TTvmInputs Inputs(std::optional<tools::TTvmKey> except = {}) const;
    // The key's button: its box gets the solved value, or "Arguments Error!"
    // is shown and the box keeps its value.
    void Solve(tools::TTvmKey key);

  private:
    std::array<TCalcDropDown*, 5> boxes_{};
    std::array<QPushButton*, 5> buttons_{};
    TChoiceGroup* frequency_ = nullptr;
    TChoiceGroup* paymentTime_ = nullptr;
};

// Page "Interest Rate Conversions": the pressed rate's box is the input, the
// other two are overwritten.
class TInterestRatesPage : public QWidget {
    Q_OBJECT
  public:
    explicit TInterestRatesPage(QWidget* parent = nullptr);

    TCalcDropDown& Box(tools::TRateKey key) const;
    QPushButton* ConvertButton(tools::TRateKey key) const;
    TChoiceGroup* Frequency() const { return frequency_; }
    void Convert(tools::TRateKey key);

  private:
    std::array<TCalcDropDown*, 3> boxes_{};
    std::array<QPushButton*, 3> buttons_{};
    TChoiceGroup* frequency_ = nullptr;
};

// Page "Depreciation": a yearly schedule from cost, salvage value, expected
// life and factor by the chosen method.
class TDepreciationPage : public QWidget {
    Q_OBJECT
  public:
    explicit TDepreciationPage(QWidget* parent = nullptr);

    TCalcDropDown& Cost() const { return *cost_; }
    TCalcDropDown& Salvage() const { return *salvage_; }
    TCalcDropDown& Life() const { return *life_; }
    TCalcDropDown& Factor() const { return *factor_; }
    QComboBox* Method() const { return method_; }
    QPushButton* CalculateButton() const { return calculate_; }
    TScheduleTable& Schedule() const { return *schedule_; }
    void Calculate();

  private:
    TCalcDropDown* cost_ = nullptr;
    TCalcDropDown* salvage_ = nullptr;
    TCalcDropDown* life_ = nullptr;
    TCalcDropDown* factor_ = nullptr;
    QComboBox* method_ = nullptr;
    QPushButton* calculate_ = nullptr;
    TScheduleTable* schedule_ = nullptr;
};

// Page "Amortisation": the loan of the time-value-of-money page period by
// period, with totals.
class TAmortisationPage : public QWidget {
    Q_OBJECT
  public:
    // loan: the current N, I%YR, PV, PMT, FV and choices (may throw ECalcError).
    explicit TAmortisationPage(std::function<tools::TTvmInputs()> loan, QWidget* parent = nullptr);

    QPushButton* CalculateButton() const { return calculate_; }
    TScheduleTable& Schedule() const { return *schedule_; }
    // Says how much the last payment differs from PMT; empty when it does not.
    QString AdjustmentNote() const;
    void Calculate();
    // Shows the calculated schedule in the current display format again (after
    // "Decimal places:").
    void ShowSchedule();

  private:
    std::function<tools::TTvmInputs()> loan_;
    std::optional<tools::TAmortisationSchedule> shown_;
    QPushButton* calculate_ = nullptr;
    TScheduleTable* schedule_ = nullptr;
    QLabel* note_ = nullptr;
};

}  // namespace quillix
