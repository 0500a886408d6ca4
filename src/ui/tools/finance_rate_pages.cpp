// SPDX-License-Identifier: GPL-3.0-or-later
// The finance box's two pages of rates: the time-value-of-money keys and the
// interest-rate conversions.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "drop_down/calc_drop_down.h"
#include "tools/choice_group.h"
#include "tools/finance_pages.h"
#include "tools/tool_fields.h"

namespace quillix {
namespace {

using tools::TRateKey;
using tools::TTvmKey;

constexpr std::array<TTvmKey, 5> kTvmKeys = {TTvmKey::N, TTvmKey::IYR, TTvmKey::PV, TTvmKey::PMT,
                                             TTvmKey::FV};
constexpr std::array<const char*, 5> kTvmCaptions = {
    "Number of Periods(N):", "Annual Interest(I%YR):", "Present Value(PV):", "Payment(PMT):",
    "Future Value(FV):"};
constexpr std::array<const char*, 5> kTvmNames = {
    "Number of periods (N)", "Annual interest in percent (I%YR)", "Present value (PV)",
    "Payment (PMT)", "Future value (FV)"};

constexpr std::array<TRateKey, 3> kRateKeys = {TRateKey::Nominal, TRateKey::Effective,
                                               TRateKey::Periodic};
constexpr std::array<const char*, 3> kRateCaptions = {
    "Nominal Annual Rate", "Effective Annual Rate", "Periodic Interest Rate"};

template <class Key>
std::size_t Slot(Key key) {
    return static_cast<std::size_t>(key);
}

TChoiceGroup* FrequencyGroup(QWidget* parent) {
    return new TChoiceGroup(QStringLiteral("Payment frequency"),
                            ChoiceCaptions(tools::kPaymentFrequencies, tools::FrequencyCaption),
                            IndexOf(tools::kPaymentFrequencies, tools::kDefaultPaymentFrequency),
                            parent);
}

// Rows of a solve button (the caption, on the left) and its box; a box that
// takes a percentage says so with a "%" after it.
template <std::size_t N>
QGridLayout* ButtonRows(const std::array<QPushButton*, N>& buttons,
                        const std::array<TCalcDropDown*, N>& boxes,
                        std::initializer_list<std::size_t> percentRows) {
    auto* grid = new QGridLayout;
    for (std::size_t row = 0; row < N; ++row) {
        grid->addWidget(buttons[row], static_cast<int>(row), 0);
        grid->addWidget(boxes[row], static_cast<int>(row), 1);
    }
    for (const std::size_t row : percentRows) {
        auto* percent = new QLabel(QStringLiteral("%"), boxes[row]->parentWidget());
        percent->setObjectName(QStringLiteral("lb_Percent"));
        percent->setAccessibleName(QStringLiteral("percent"));
        percent->setBuddy(boxes[row]->Edit());
        grid->addWidget(percent, static_cast<int>(row), 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(static_cast<int>(N), 1);
    return grid;
}

// The keys on the left, the choices stacked on the right.
void LayOutKeyPage(QWidget& page, QGridLayout* keys, std::initializer_list<QWidget*> choices) {
    auto* column = new QVBoxLayout;
    for (QWidget* choice : choices)
        column->addWidget(choice);
    column->addStretch(1);
    auto* layout = new QHBoxLayout(&page);
    layout->addLayout(keys, 1);
    layout->addLayout(column);
}

}  // namespace

TFinanceTvmPage::TFinanceTvmPage(QWidget* parent) : QWidget(parent) {
    for (TTvmKey key : kTvmKeys) {
        const std::size_t slot = Slot(key);
        // Created button first, then box, so that Tab follows the rows as read.
        buttons_[slot] = new QPushButton(QString::fromUtf8(kTvmCaptions[slot]), this);
        boxes_[slot] = NumberBox(this, QString::fromUtf8(kTvmNames[slot]));
        buttons_[slot]->setAccessibleDescription(
            QStringLiteral("Solves %1 from the other four").arg(kTvmNames[slot]));
        connect(buttons_[slot], &QPushButton::clicked, this, [this, key] { Solve(key); });
    }
    frequency_ = FrequencyGroup(this);
    paymentTime_ =
        new TChoiceGroup(QStringLiteral("Payment time"),
                         ChoiceCaptions(tools::kPaymentTimes, tools::PaymentTimeCaption),
                         IndexOf(tools::kPaymentTimes, tools::kDefaultPaymentTime), this);

    LayOutKeyPage(*this, ButtonRows(buttons_, boxes_, {Slot(TTvmKey::IYR)}),
                  {frequency_, paymentTime_});
}

TCalcDropDown& TFinanceTvmPage::Box(TTvmKey key) const {
    return *boxes_[Slot(key)];
}

QPushButton* TFinanceTvmPage::SolveButton(TTvmKey key) const {
    return buttons_[Slot(key)];
}

tools::TTvmInputs TFinanceTvmPage::Inputs(std::optional<TTvmKey> except) const {
    tools::TTvmInputs inputs;
    for (TTvmKey key : kTvmKeys)
        if (key != except) inputs.*tools::TvmMember(key) = BoxNumber(Box(key));
    inputs.frequency = ChoiceAt(tools::kPaymentFrequencies, frequency_->Current());
    inputs.time = ChoiceAt(tools::kPaymentTimes, paymentTime_->Current());
    return inputs;
}

void TFinanceTvmPage::Solve(TTvmKey key) {
    std::optional<long double> result;
    try {
        result = tools::SolveTvm(Inputs(key), key);
    } catch (const ECalcError&) {
        // A box holding a failed calculation is an argument the solve cannot use.
    }
    if (!result) {
        Prompts().ShowError(this, QString::fromUtf8(tools::kTvmArgumentsError));
        return;
    }
    Box(key).AssignNumber(cvNumber, *result);
}

TInterestRatesPage::TInterestRatesPage(QWidget* parent) : QWidget(parent) {
    for (TRateKey key : kRateKeys) {
        const std::size_t slot = Slot(key);
        const QString caption = QString::fromUtf8(kRateCaptions[slot]);
        buttons_[slot] = new QPushButton(caption, this);
        boxes_[slot] = NumberBox(this, caption + QStringLiteral(" in percent"));
        buttons_[slot]->setAccessibleDescription(
            QStringLiteral("Converts the %1 into the other two rates").arg(caption.toLower()));
        connect(buttons_[slot], &QPushButton::clicked, this, [this, key] { Convert(key); });
    }
    frequency_ = FrequencyGroup(this);

    LayOutKeyPage(*this, ButtonRows(buttons_, boxes_, {0, 1, 2}), {frequency_});
}

TCalcDropDown& TInterestRatesPage::Box(TRateKey key) const {
    return *boxes_[Slot(key)];
}

QPushButton* TInterestRatesPage::ConvertButton(TRateKey key) const {
    return buttons_[Slot(key)];
}

void TInterestRatesPage::Convert(TRateKey key) {
    // The two rates to compute start as "not written": a failing step leaves
    // the boxes it did not reach alone, and those it did reach keep their values.
    constexpr long double kUnwritten = std::numeric_limits<long double>::quiet_NaN();
    tools::TInterestRates rates{kUnwritten, kUnwritten, kUnwritten};
    long double tools::TInterestRates::*const members[] = {&tools::TInterestRates::nominal,
                                                           &tools::TInterestRates::effective,
                                                           &tools::TInterestRates::periodic};
    const auto showComputed = [&] {
        for (TRateKey other : kRateKeys) {
            const long double rate = rates.*members[Slot(other)];
            if (other != key && !std::isnan(rate)) Box(other).AssignNumber(cvNumber, rate);
        }
    };
    RunReportingFailure(this, [&] {
        rates.*members[Slot(key)] = BoxNumber(Box(key));
        try {
            tools::ConvertInterestRates(
                rates, key, ChoiceAt(tools::kPaymentFrequencies, frequency_->Current()));
        } catch (...) {
            showComputed();
            throw;
        }
        showComputed();
    });
}

}  // namespace quillix
