// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Type-to-filter for a list of unit names: the list becomes editable, what is
// typed pops up the units that match it (best matches first, as
// MatchUnitName ranks them), and Enter or leaving the list picks the best
// one. What is typed never becomes a unit of its own.

#include <QSortFilterProxyModel>

class QComboBox;

namespace quillix {

class TUnitNameFilterModel final : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void SetTyped(const QString& typed);

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    int Rank(const QModelIndex& index) const;
    std::string typed_;
};

// Makes list filter as it is typed into; the filter is the list's child.
TUnitNameFilterModel* AddUnitListFilter(QComboBox* list);

}  // namespace quillix
