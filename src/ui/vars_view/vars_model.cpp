// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars_view/vars_model.h"

#include <algorithm>

#include "model/calc_value_warper.h"
#include "model/calc_vars_intf.h"
#include "platform/value_tone_colors.h"
#include "vars_view/vars_role_icons.h"

namespace quillix {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString RoleName(std::uint8_t type) {
    const std::string_view caption = RoleCaption(type);
    return QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
}

}  // namespace

TVarsModel::TVarsModel(QObject* parent) : QAbstractTableModel(parent) {}

void TVarsModel::SetVars(ICalcVarsBase* vars) {
    vars_ = vars;
    Rebuild();
}

int TVarsModel::SetCount() const {
    return vars_ ? static_cast<int>(vars_->GetItems().size()) : 0;
}

TCalcValueWarper* TVarsModel::EntryAt(int row) const {
    if (!vars_ || row < 0 || row >= rows_) return nullptr;
    const TCalcValueWarperList& items = vars_->GetItems();
    if (row >= static_cast<int>(items.size())) return nullptr;
    return items[static_cast<std::size_t>(row)].get();
}

void TVarsModel::Rebuild() {
    beginResetModel();
    rows_ = SetCount();
    endResetModel();
}

void TVarsModel::RefreshRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, rows_ - 1);
    if (first > last) return;
    emit dataChanged(index(first, 0), index(last, kColumnCount - 1));
}

void TVarsModel::RefreshAll() {
    RefreshRows(0, rows_ - 1);
}

void TVarsModel::ApplyChange(std::uint8_t action, int index) {
    switch (action) {
        case vaAdded:
            if (index >= 0 && index <= rows_ && rows_ + 1 == SetCount()) {
                beginInsertRows({}, index, index);
                ++rows_;
                endInsertRows();
            }
            break;
        case vaDeleted:
            if (index >= 0 && index < rows_ && rows_ - 1 == SetCount()) {
                beginRemoveRows({}, index, index);
                --rows_;
                endRemoveRows();
                // The formulas that used the deleted variable now show its value.
                RefreshAll();
            }
            break;
        case vaValueChanged:
            RefreshAll();
            break;
        case vaCleared:
            if (rows_ > 0) {
                beginResetModel();
                rows_ = 0;
                endResetModel();
            }
            break;
        case vaLoaded:
            Rebuild();
            break;
        case vaTypeChanged:
        case vaItemChanged:
            RefreshRows(index, index);
            break;
        default:
            break;
    }
    // An event that did not fit the rows (one missed, or a load that failed half
    // way) would leave rows pointing at the wrong entries: show the set afresh.
    // Between vaCleared and vaLoaded the set fills without events; it is shown
    // when vaLoaded comes.
    if (rows_ != SetCount() && action != vaCleared) Rebuild();
}

int TVarsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int TVarsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

void TVarsModel::SetDarkBase(bool dark) {
    if (dark == darkBase_) return;
    darkBase_ = dark;
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

QVariant TVarsModel::data(const QModelIndex& index, int role) const {
    const TCalcValueWarper* entry = EntryAt(index.row());
    if (!entry || !index.isValid()) return {};
    const TCalcValue* value = entry->Value.get();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            switch (index.column()) {
                case kNameColumn:
                    return Text(entry->GetName());
                case kValueColumn:
                    return value ? Text(value->FormatValue(kPlainStyle)) : QString();
                case kExpressionColumn:
                    // A typed number has no tree: its formula is its value text.
                    return value ? Text(value->GetFormulaText()) : QString();
                default:
                    return role == Qt::ToolTipRole ? RoleName(entry->Type) : QVariant();
            }
        case Qt::DecorationRole:
            if (index.column() == kRoleColumn) return RoleIcon(entry->Type);
            return {};
        case Qt::AccessibleTextRole:
            if (index.column() == kRoleColumn) return RoleName(entry->Type);
            return {};
        case Qt::ForegroundRole:
            if (index.column() == kValueColumn && value)
                return ToneColor(ValueTone(*value), darkBase_);
            // On a dark skin the skin's own text colour stays readable.
            if (darkBase_) return {};
            return QColor(Qt::black);
        default:
            return {};
    }
}

QVariant TVarsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    static const char* const kCaptions[kColumnCount] = {"", "Name", "Value", "Expression"};
    if (section < 0 || section >= kColumnCount) return {};
    if (role == Qt::DisplayRole) return QString::fromLatin1(kCaptions[section]);
    if (role == Qt::AccessibleTextRole && section == kRoleColumn) return QStringLiteral("Type");
    return {};
}

Qt::ItemFlags TVarsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace quillix
