// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif_windows/whatif_table_model.h"

#include <QBrush>
#include <QColor>

namespace quillix {

namespace {

// The strongest shade of the heat map: a blue that leaves text readable on a
// light and on a dark background, as it is half transparent.
constexpr int kHeatAlpha = 150;

QString Plain(const TWhatIfCell& cell) {
    return QString::fromStdString(cell.PlainText());
}

}  // namespace

void TWhatIfTableModel::SetTable(TWhatIfTable table) {
    beginResetModel();
    header_ = TableHeaderFields(table.Input, table.Outputs);
    gridRange_.reset();
    content_ = std::move(table);
    endResetModel();
}

void TWhatIfTableModel::SetGrid(TWhatIfGrid grid) {
    beginResetModel();
    header_ = GridHeaderFields(grid.Axes);
    gridRange_ = GridRange(grid);
    content_ = std::move(grid);
    endResetModel();
}

void TWhatIfTableModel::Clear() {
    beginResetModel();
    header_.clear();
    gridRange_.reset();
    content_ = std::monostate{};
    endResetModel();
}

std::string TWhatIfTableModel::Text(TTableSeparator separator) const {
    if (const auto* table = std::get_if<TWhatIfTable>(&content_))
        return TableText(*table, separator);
    if (const auto* grid = std::get_if<TWhatIfGrid>(&content_)) return GridText(*grid, separator);
    return {};
}

int TWhatIfTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    if (const auto* table = std::get_if<TWhatIfTable>(&content_))
        return static_cast<int>(table->Rows.size());
    if (const auto* grid = std::get_if<TWhatIfGrid>(&content_))
        return static_cast<int>(grid->Rows.size());
    return 0;
}

int TWhatIfTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

const TWhatIfCell* TWhatIfTableModel::Cell(int row, int column) const {
    if (column < 1 || row < 0 || row >= rowCount()) return nullptr;
    const auto* table = std::get_if<TWhatIfTable>(&content_);
    const auto& cells = table ? table->Rows[row] : std::get<TWhatIfGrid>(content_).Rows[row];
    return column - 1 < static_cast<int>(cells.size()) ? &cells[column - 1] : nullptr;
}

long double TWhatIfTableModel::RowInput(int row) const {
    if (const auto* table = std::get_if<TWhatIfTable>(&content_)) return table->Points[row];
    return std::get<TWhatIfGrid>(content_).Axes.RowPoints[row];
}

QVariant TWhatIfTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const TWhatIfCell* cell = Cell(index.row(), index.column());
    switch (role) {
        case Qt::DisplayRole:
            return cell ? Plain(*cell) : Plain(TWhatIfCell::OfNumber(RowInput(index.row())));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return cell && IsGrid() ? HeatColour(*cell) : QVariant();
        case Qt::ToolTipRole:
            return cell && cell->IsError() ? Plain(*cell) : QVariant();
        default:
            return {};
    }
}

QVariant TWhatIfTableModel::HeatColour(const TWhatIfCell& cell) const {
    if (!gridRange_) return {};
    const std::optional<double> share = HeatShare(cell, *gridRange_);
    if (!share) return {};
    QColor colour(QStringLiteral("#3f7fd0"));
    colour.setAlpha(static_cast<int>(20 + *share * (kHeatAlpha - 20)));
    return QBrush(colour);
}

QVariant TWhatIfTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= static_cast<int>(header_.size())) return {};
    return QString::fromStdString(header_[section]);
}

}  // namespace quillix
