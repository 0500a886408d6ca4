// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars_view/vars_column_fitter.h"

#include <QEvent>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QTableView>

#include "config/column_widths.h"
#include "config/settings_table.h"
#include "vars/vars_columns.h"
#include "vars_view/vars_model.h"

namespace quillix {
namespace {

constexpr int kNameColumnWidth = 100;
constexpr int kFormulaColumnWidth = 160;

}  // namespace

TVarsColumnFitter::TVarsColumnFitter(QTableView* list)
    : QObject(list), list_(list), nameWidth_(kNameColumnWidth), formulaWidth_(kFormulaColumnWidth) {
    QHeaderView* header = list_->horizontalHeader();
    header->setStretchLastSection(false);
    if (ConfigorIntf) {
        const std::vector<int> kept =
            ReadColumnWidths(ReadTextSetting(*ConfigorIntf, TSetting::MainVarsColumnWidths),
                             TVarsModel::kColumnCount);
        if (kept[TVarsModel::kNameColumn] > 0) nameWidth_ = kept[TVarsModel::kNameColumn];
        if (kept[TVarsModel::kExpressionColumn] > 0)
            formulaWidth_ = kept[TVarsModel::kExpressionColumn];
    }
    connect(header, &QHeaderView::sectionResized, this,
            [this](int column, int, int) { Resized(column); });
    viewport_ = list_->viewport();
    viewport_->installEventFilter(this);
    Fit();
}

void TVarsColumnFitter::Fit() {
    const QScopedValueRollback guard(fitting_, true);
    QHeaderView* header = list_->horizontalHeader();
    const TVarsColumnPlan plan =
        PlanVarsColumns(list_->viewport()->width(), header->sectionSize(TVarsModel::kRoleColumn),
                        nameWidth_, formulaWidth_);
    header->resizeSection(TVarsModel::kNameColumn, plan.NameWidth);
    list_->setColumnHidden(TVarsModel::kExpressionColumn, !plan.FormulaShown);
    if (plan.FormulaShown) header->resizeSection(TVarsModel::kExpressionColumn, formulaWidth_);
    header->resizeSection(TVarsModel::kValueColumn, plan.ValueWidth);
}

void TVarsColumnFitter::Resized(int column) {
    if (fitting_) return;
    QHeaderView* header = list_->horizontalHeader();
    if (column == TVarsModel::kExpressionColumn) {
        formulaWidth_ = header->sectionSize(column);
    } else if (column == TVarsModel::kNameColumn) {
        nameWidth_ = header->sectionSize(column);
    } else {
        return;
    }
    if (ConfigorIntf) {
        std::vector<int> widths(TVarsModel::kColumnCount, 0);
        widths[TVarsModel::kNameColumn] = nameWidth_;
        widths[TVarsModel::kExpressionColumn] = formulaWidth_;
        WriteTextSetting(*ConfigorIntf, TSetting::MainVarsColumnWidths, ColumnWidthsText(widths));
    }
    Fit();
}

bool TVarsColumnFitter::eventFilter(QObject* watched, QEvent* event) {
    // The viewport as it was given: while the list goes it can no longer be asked.
    if (event->type() == QEvent::Resize && watched == viewport_) Fit();
    return QObject::eventFilter(watched, event);
}

}  // namespace quillix
