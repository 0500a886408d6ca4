// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TVarsModel: the rows of the variables view, one per entry of a variable set,
// in the set's order (row i always shows entry i). Cells are read from the set
// when they are drawn, so a change only tells the view which rows to redraw:
// a set of ten thousand variables costs nothing until its rows are on screen.

#include <QAbstractTableModel>
#include <cstdint>

namespace quillix {

class ICalcVarsBase;
class TCalcValueWarper;

class TVarsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { kRoleColumn, kNameColumn, kValueColumn, kExpressionColumn, kColumnCount };

    explicit TVarsModel(QObject* parent = nullptr);

    // Shows the set (null shows nothing); not owned.
    void SetVars(ICalcVarsBase* vars);
    ICalcVarsBase* Vars() const { return vars_; }
    // The entry of a row, or null for a row the model does not show.
    TCalcValueWarper* EntryAt(int row) const;
    // Follows one change event of the set (called after the set changed).
    void ApplyChange(std::uint8_t action, int index);
    // Empties the rows and fills them again from the set.
    void Rebuild();

    // The "Value" text is drawn in the colour of its tone (ToneColor); on a dark
    // background (a dark skin) in the lighter ones.
    void SetDarkBase(bool dark);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    bool darkBase_ = false;
    void RefreshRows(int first, int last);
    void RefreshAll();
    int SetCount() const;

    ICalcVarsBase* vars_ = nullptr;
    // The rows the view knows of; differs from the set's count only between a
    // change of the set and the event that announces it.
    int rows_ = 0;
};

}  // namespace quillix
