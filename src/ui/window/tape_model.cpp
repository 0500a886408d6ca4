// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tape_model.h"

#include <QDateTime>
#include <QLocale>

namespace quillix {

TTapeModel::TTapeModel(TTape& tape, QObject* parent) : QAbstractListModel(parent), tape_(tape) {
    listener_.BeforeChange = [this](const TTapeChange& change) { Before(change); };
    listener_.AfterChange = [this](const TTapeChange& change) { After(change); };
    tape_.AddListener(&listener_);
}

TTapeModel::~TTapeModel() {
    tape_.RemoveListener(&listener_);
}

int TTapeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : tape_.Count();
}

QVariant TTapeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= tape_.Count()) return {};
    const TTapeEntry& entry = tape_.At(index.row());
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::fromStdString(TapeLineText(entry));
    if (role == Qt::ToolTipRole) {
        const QDateTime time = QDateTime::fromMSecsSinceEpoch(entry.Time).toLocalTime();
        return QLocale().toString(time, QLocale::LongFormat);
    }
    return {};
}

void TTapeModel::Before(const TTapeChange& change) {
    switch (change.What) {
        case TTapeChange::Appended:
            beginInsertRows({}, change.First, change.First + change.Count - 1);
            break;
        case TTapeChange::Dropped:
            beginRemoveRows({}, change.First, change.First + change.Count - 1);
            break;
        case TTapeChange::Reset:
            beginResetModel();
            break;
    }
}

void TTapeModel::After(const TTapeChange& change) {
    switch (change.What) {
        case TTapeChange::Appended:
            endInsertRows();
            break;
        case TTapeChange::Dropped:
            endRemoveRows();
            break;
        case TTapeChange::Reset:
            endResetModel();
            break;
    }
}

}  // namespace quillix

#include "moc_tape_model.cpp"
