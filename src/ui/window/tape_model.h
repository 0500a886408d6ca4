// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TTapeModel: the calculation tape as a list for a view, one row per line,
// oldest first (so the newest is at the bottom). It follows the tape's own
// change notices, so a new line costs one inserted row, not a rebuilt list.

#include <QAbstractListModel>

#include "tape/tape.h"

namespace quillix {

class TTapeModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    TTapeModel(TTape& tape, QObject* parent = nullptr);
    ~TTapeModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    // The line ("formula = value"); its hint is the time it was made.
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    void Before(const TTapeChange& change);
    void After(const TTapeChange& change);

    TTape& tape_;
    TTapeListener listener_;
};

}  // namespace quillix
