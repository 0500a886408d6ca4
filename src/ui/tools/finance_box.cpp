// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/finance_box.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "launchers.h"
#include "platform/dialog_driver.h"
#include "platform/help_topics.h"
#include "tools/decimal_places_box.h"
#include "tools/finance_pages.h"
#include "tools/tool_fields.h"

namespace quillix {

Tfrm_FinanceBox::Tfrm_FinanceBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Finance Box"));
    pages_ = new QTabWidget(this);
    tvm_ = new TFinanceTvmPage(pages_);
    rates_ = new TInterestRatesPage(pages_);
    depreciation_ = new TDepreciationPage(pages_);
    amortisation_ = new TAmortisationPage([this] { return tvm_->Inputs(); }, pages_);
    pages_->addTab(tvm_, QStringLiteral("Time Value of Money"));
    pages_->addTab(rates_, QStringLiteral("Interest Rate Conversions"));
    pages_->addTab(depreciation_, QStringLiteral("Depreciation"));
    pages_->addTab(amortisation_, QStringLiteral("Amortisation"));

    decimalPlaces_ = new TDecimalPlacesBox(this);
    connect(decimalPlaces_, &TDecimalPlacesBox::formatChanged, this, [this] {
        ShowBoxValues(*this);
        amortisation_->ShowSchedule();
    });
    help_ = TopicHelpButton(this, kHelpFinanceBox);
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    LayOutToolWindow(
        *this, pages_,
        {BuddyLabel(QStringLiteral("Decimal places:"), decimalPlaces_, this), decimalPlaces_},
        {close_, help_});
    // Room for the amortisation's five columns of 15-digit numbers, at any scale.
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 110, metrics.height() * 30);
}

Tfrm_FinanceBox::~Tfrm_FinanceBox() = default;

void RunFinanceBox(QWidget* parent) {
    Tfrm_FinanceBox window(parent);
    ExecDialog(window);
}

}  // namespace quillix
