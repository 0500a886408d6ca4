// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TWhatIfTableModel: a what-if table for a view. One input: a row per point,
// the input's value first, then a column per output. Two inputs: a row per
// value of the first, a column per value of the second, each cell shaded by
// where its number lies between the grid's least and greatest (a heat map).
// Cells show the core's plain text; an error cell shows its message. The text
// to copy or save is the core's, so the window and the command line agree.

#include <QAbstractTableModel>
#include <optional>
#include <variant>

#include "whatif/plot_axes.h"
#include "whatif/whatif_table.h"
#include "whatif/whatif_text.h"

namespace quillix {

class TWhatIfTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetTable(TWhatIfTable table);
    void SetGrid(TWhatIfGrid grid);
    void Clear();
    bool IsGrid() const { return std::holds_alternative<TWhatIfGrid>(content_); }
    bool IsEmpty() const { return rowCount() == 0; }
    // The one-input table; null when the model holds a grid or nothing.
    const TWhatIfTable* Table() const { return std::get_if<TWhatIfTable>(&content_); }

    // The whole table as lines of text, a header line first.
    std::string Text(TTableSeparator separator) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const TWhatIfCell* Cell(int row, int column) const;  // null for the input's column
    long double RowInput(int row) const;
    QVariant HeatColour(const TWhatIfCell& cell) const;

    std::variant<std::monostate, TWhatIfTable, TWhatIfGrid> content_;
    std::vector<std::string> header_;
    std::optional<TAxisRange> gridRange_;  // the grid's numbers, for the shading
};

}  // namespace quillix
