// SPDX-License-Identifier: GPL-3.0-or-later
#include "drop_down/drop_down_vars.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/calc_value.h"
#include "model/calc_vars_intf.h"
#include "platform/value_tone_colors.h"

namespace quillix {

Tfrm_DropDownVars::Tfrm_DropDownVars(IDropDownHost& field) : Tfrm_CalcDropdownWinBase(field) {
    setAccessibleName(tr("Variables"));
    list_ = new QTableWidget(0, 2, this);
    list_->setAccessibleName(tr("Variables"));
    list_->setHorizontalHeaderLabels({tr("Name"), tr("Value")});
    list_->horizontalHeader()->hide();
    list_->verticalHeader()->hide();
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setColumnWidth(1, 120);
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->setMouseTracking(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    resize(179, 179);

    connect(list_, &QTableWidget::cellEntered, this,
            [this](int row, int) { list_->selectRow(row); });
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this] { PickSelected(); });
}

void Tfrm_DropDownVars::Fill() {
    list_->clearContents();
    ICalcVars* vars = CalcVarsIntf();
    const int count = vars ? static_cast<int>(vars->GetItems().size()) : 0;
    list_->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        const TCalcValueWarper& entry = *vars->GetItems()[static_cast<std::size_t>(row)];
        list_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(entry.GetName())));
        auto* value =
            new QTableWidgetItem(QString::fromStdString(entry.Value->FormatValue(kPlainStyle)));
        value->setForeground(ToneColor(ValueTone(*entry.Value)));
        list_->setItem(row, 1, value);
    }
}

void Tfrm_DropDownVars::PickSelected() {
    ICalcVars* vars = CalcVarsIntf();
    const int row = list_->currentRow();
    const bool selected = row >= 0 && list_->item(row, 0) && list_->item(row, 0)->isSelected();
    if (vars && selected && row < static_cast<int>(vars->GetItems().size()))
        Field().TakeOver(vars->GetItems()[static_cast<std::size_t>(row)]->Value->MakeReference());
    hide();
}

void Tfrm_DropDownVars::showEvent(QShowEvent* event) {
    Fill();
    Tfrm_CalcDropdownWinBase::showEvent(event);
    list_->setFocus();
}

void Tfrm_DropDownVars::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        PickSelected();
        return;
    }
    Tfrm_CalcDropdownWinBase::keyPressEvent(event);
}

}  // namespace quillix
