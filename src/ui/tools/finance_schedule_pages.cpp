// SPDX-License-Identifier: GPL-3.0-or-later
// The finance box's two schedules: depreciation by year and the amortisation
// of the time-value-of-money page's loan by period.
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "drop_down/calc_drop_down.h"
#include "model/value_format.h"
#include "tools/finance_pages.h"
#include "tools/schedule_table.h"
#include "tools/schedule_text.h"
#include "tools/tool_fields.h"

namespace quillix {
namespace {

template <std::size_t N>
QStringList Columns(const std::array<const char*, N>& captions) {
    QStringList columns;
    for (const char* caption : captions)
        columns.append(QString::fromUtf8(caption));
    return columns;
}

QHBoxLayout* RightAligned(QPushButton* button) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(button);
    return row;
}

// The decimals of the display format ("Decimal places:"); none in the general format.
tools::TScheduleDecimals ShownDecimals() {
    if (ValueFormatSettings().ValueFormat == kGeneralFormat) return std::nullopt;
    return EffectiveValueDigits();
}

}  // namespace

TDepreciationPage::TDepreciationPage(QWidget* parent) : QWidget(parent) {
    cost_ = NumberBox(this, QStringLiteral("Cost basis"));
    salvage_ = NumberBox(this, QStringLiteral("Salvage value"));
    life_ = NumberBox(this, QStringLiteral("Expected life in years"));
    factor_ = NumberBox(this, QStringLiteral("Declining balance factor"));
    const tools::TDepreciationInputs defaults;
    life_->AssignNumber(cvNumber, defaults.life);
    factor_->AssignNumber(cvNumber, defaults.factor);
    method_ = PickList(
        this, ChoiceCaptions(tools::kDepreciationMethods, tools::DepreciationMethodCaption),
        IndexOf(tools::kDepreciationMethods, defaults.method),
        QStringLiteral("Depreciation method"));
    calculate_ = new QPushButton(QStringLiteral("Calculate"), this);
    connect(calculate_, &QPushButton::clicked, this, &TDepreciationPage::Calculate);
    schedule_ = new TScheduleTable(Columns(tools::kDepreciationColumns),
                                   QStringLiteral("Depreciation schedule"), this);

    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QStringLiteral("Cost basis:"), cost_, this), cost_);
    form->addRow(BuddyLabel(QStringLiteral("Salvage value:"), salvage_, this), salvage_);
    form->addRow(BuddyLabel(QStringLiteral("Expected life:"), life_, this), life_);
    form->addRow(BuddyLabel(QStringLiteral("Factor:"), factor_, this), factor_);
    form->addRow(BuddyLabel(QStringLiteral("Method:"), method_, this), method_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(RightAligned(calculate_));
    layout->addWidget(schedule_, 1);
}

void TDepreciationPage::Calculate() {
    schedule_->Clear();
    RunReportingFailure(this, [this] {
        tools::TDepreciationInputs inputs;
        inputs.cost = BoxNumber(*cost_);
        inputs.salvage = BoxNumber(*salvage_);
        inputs.life = BoxNumber(*life_);
        inputs.factor = BoxNumber(*factor_);
        inputs.method = ChoiceAt(tools::kDepreciationMethods, method_->currentIndex());
        const std::vector<tools::TDepreciationRow> rows = tools::DepreciationSchedule(inputs);
        for (const tools::TDepreciationRow& row : rows)
            schedule_->AddRow(tools::DepreciationRowCells(row));
        schedule_->SetCopyText(rows.empty() ? std::string()
                                            : tools::DepreciationScheduleText(rows));
    });
}

TAmortisationPage::TAmortisationPage(std::function<tools::TTvmInputs()> loan, QWidget* parent)
    : QWidget(parent), loan_(std::move(loan)) {
    auto* about = new QLabel(
        QStringLiteral("The loan of the Time Value of Money page (N, I%YR, PV, PMT, FV and the "
                       "payment time), period by period."),
        this);
    about->setWordWrap(true);
    calculate_ = new QPushButton(QStringLiteral("Calculate"), this);
    connect(calculate_, &QPushButton::clicked, this, &TAmortisationPage::Calculate);
    schedule_ = new TScheduleTable(Columns(tools::kAmortisationColumns),
                                   QStringLiteral("Amortisation schedule"), this);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    note_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(RightAligned(calculate_));
    layout->addWidget(schedule_, 1);
    layout->addWidget(note_);
}

QString TAmortisationPage::AdjustmentNote() const {
    return note_->text();
}

void TAmortisationPage::Calculate() {
    shown_.reset();
    ShowSchedule();
    RunReportingFailure(this, [this] {
        shown_ = tools::AmortisationSchedule(loan_());
        ShowSchedule();
    });
}

void TAmortisationPage::ShowSchedule() {
    schedule_->Clear();
    note_->clear();
    note_->hide();
    if (!shown_) return;
    const tools::TScheduleDecimals decimals = ShownDecimals();
    for (const tools::TAmortisationRow& row : shown_->rows)
        schedule_->AddRow(tools::AmortisationRowCells(row, decimals));
    schedule_->AddRow(tools::AmortisationTotalCells(*shown_, decimals));
    schedule_->SetCopyText(tools::AmortisationScheduleText(*shown_, decimals));
    if (const auto note = tools::AmortisationAdjustmentNote(*shown_, decimals)) {
        note_->setText(QString::fromStdString(*note));
        note_->show();
    }
}

}  // namespace quillix
