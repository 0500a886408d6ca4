// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fits the variables list's columns to its room as the window is resized
// (PlanVarsColumns): the value column takes what is left, the formula column
// shows while there is room for it, and the name column gives way in a narrow
// list rather than make it scroll. The widths the user gives the name and
// formula columns are kept in the settings and come back at the next start.

#include <QObject>

class QTableView;

namespace quillix {

class TVarsColumnFitter final : public QObject {
  public:
    // Works on list (whose columns are TVarsModel's) and is its child.
    explicit TVarsColumnFitter(QTableView* list);

    void Fit();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Resized(int column);

    QTableView* list_;
    QObject* viewport_ = nullptr;
    int nameWidth_;  // as the user wants it; shown narrower while there is no room
    int formulaWidth_;
    bool fitting_ = false;
};

}  // namespace quillix
