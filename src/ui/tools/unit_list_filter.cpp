// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/unit_list_filter.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

#include "convert/unit_filter.h"

namespace quillix {

void TUnitNameFilterModel::SetTyped(const QString& typed) {
    typed_ = typed.toStdString();
    invalidate();
}

int TUnitNameFilterModel::Rank(const QModelIndex& index) const {
    return static_cast<int>(MatchUnitName(index.data().toString().toStdString(), typed_));
}

bool TUnitNameFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    return Rank(sourceModel()->index(sourceRow, 0, sourceParent)) !=
           static_cast<int>(TUnitMatch::None);
}

bool TUnitNameFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    // Better matches first; among equals the list's own order.
    const int leftRank = Rank(left);
    const int rightRank = Rank(right);
    if (leftRank != rightRank) return leftRank > rightRank;
    return left.row() < right.row();
}

TUnitNameFilterModel* AddUnitListFilter(QComboBox* list) {
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    auto* filter = new TUnitNameFilterModel(list);
    filter->setSourceModel(list->model());
    filter->sort(0);
    auto* completer = new QCompleter(filter, list);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    list->setCompleter(completer);
    QLineEdit* edit = list->lineEdit();
    QObject::connect(edit, &QLineEdit::textEdited, list, [filter, completer](const QString& text) {
        filter->SetTyped(text);
        if (filter->rowCount() > 0) completer->complete();
    });
    // Enter or leaving the list picks the unit named or the best match; the
    // list then shows the unit chosen.
    QObject::connect(edit, &QLineEdit::editingFinished, list, [list, filter] {
        const QString typed = list->lineEdit()->text();
        const int named = list->findText(typed, Qt::MatchFixedString);
        filter->SetTyped(typed);
        if (named >= 0)
            list->setCurrentIndex(named);
        else if (filter->rowCount() > 0)
            list->setCurrentIndex(filter->mapToSource(filter->index(0, 0)).row());
        list->setEditText(list->itemText(list->currentIndex()));
        filter->SetTyped({});
    });
    return filter;
}

}  // namespace quillix
