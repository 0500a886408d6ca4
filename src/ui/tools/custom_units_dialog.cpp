// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/custom_units_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "convert/custom_unit_texts.h"
#include "convert/custom_units.h"
#include "platform/app_units.h"
#include "tools/tool_fields.h"

namespace quillix {

Tfrm_unitconvoptions::Tfrm_unitconvoptions(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Custom"));
    units_ = new QTableWidget(0, 3, this);
    units_->setHorizontalHeaderLabels(
        {QStringLiteral("Category"), QStringLiteral("Unit"), QStringLiteral("Factor")});
    units_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    units_->verticalHeader()->hide();
    units_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    units_->setSelectionBehavior(QAbstractItemView::SelectRows);
    units_->setSelectionMode(QAbstractItemView::SingleSelection);
    units_->setAccessibleName(QStringLiteral("Custom units"));
    category_ = new QComboBox(this);
    category_->setEditable(true);  // a new name makes a new family
    category_->setInsertPolicy(QComboBox::NoInsert);
    category_->setAccessibleName(QStringLiteral("Category"));
    unit_ = new QLineEdit(this);
    unit_->setAccessibleName(QStringLiteral("Unit"));
    factor_ = new QLineEdit(this);
    factor_->setAccessibleName(QStringLiteral("Factor"));
    factor_->setToolTip(
        QStringLiteral("How many of the family's common unit make one of this unit"));
    remove_ = new QPushButton(QStringLiteral("&Remove"), this);
    add_ = new QPushButton(QStringLiteral("&Add"), this);
    connect(add_, &QPushButton::clicked, this, &Tfrm_unitconvoptions::Add);
    connect(remove_, &QPushButton::clicked, this, &Tfrm_unitconvoptions::Remove);

    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QStringLiteral("Category:"), category_, this), category_);
    form->addRow(BuddyLabel(QStringLiteral("Unit:"), unit_, this), unit_);
    form->addRow(BuddyLabel(QStringLiteral("Factor:"), factor_, this), factor_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(remove_);
    buttons->addWidget(add_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(units_, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    NoDefaultButtons(*this);

    TCustomUnits& custom = AppCustomUnits();
    for (const TCustomUnitEntry& entry : ReadCustomUnitEntries(custom.IniPath())) {
        AppendRow(QString::fromStdString(entry.familyName), QString::fromStdString(entry.unitName),
                  QString::fromStdString(CustomFactorText(entry.factor)));
    }
    const TConvRegistry& registry = AppConvRegistry();
    for (TConvFamily family : registry.Families())
        category_->addItem(QString::fromStdString(registry.FamilyName(family).value_or("")));
    category_->setCurrentIndex(0);
}

void Tfrm_unitconvoptions::AppendRow(const QString& category, const QString& unit,
                                     const QString& factor) {
    const int row = units_->rowCount();
    units_->insertRow(row);
    units_->setItem(row, 0, new QTableWidgetItem(category));
    units_->setItem(row, 1, new QTableWidgetItem(unit));
    auto* factorItem = new QTableWidgetItem(factor);
    factorItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    units_->setItem(row, 2, factorItem);
}

void Tfrm_unitconvoptions::Add() {
    const QString category = category_->currentText();
    const QString unit = unit_->text();
    const QString factor = factor_->text();
    RunReportingFailure(this, [&] {
        if (AddCustomUnitFromTexts(AppCustomUnits(), category.toStdString(), unit.toStdString(),
                                   factor.toStdString()))
            AppendRow(category, unit, factor);
    });
    ReportFileError();
}

// The unit is added or removed for this run even when its file could not
// take the change; the user hears of that.
void Tfrm_unitconvoptions::ReportFileError() {
    if (const std::string& error = AppCustomUnits().FileError(); !error.empty())
        Prompts().ShowWarning(this, QString::fromStdString(error));
}

void Tfrm_unitconvoptions::Remove() {
    const int row = units_->currentRow();
    if (row < 0 || units_->selectedItems().isEmpty()) return;
    AppCustomUnits().DeleteCustomUnit(units_->item(row, 0)->text().toStdString(),
                                      units_->item(row, 1)->text().toStdString());
    units_->removeRow(row);
    ReportFileError();
}

}  // namespace quillix
