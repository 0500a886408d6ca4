// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TStackPanel: what Stack-style RPN adds above the display: the levels over X
// (T, Z, Y, and more when the window is taller, Y nearest the display; each
// value's formula as its hint) and the buttons of the four stack commands.
// It only reads the engine; its buttons send their commands through the
// keypad. Hidden in ALG and in Classic RPN.

#include <QAbstractTableModel>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/engine_readback.h"

class QTableView;
class QToolButton;

namespace quillix {

class TCalcEngine;

// The levels as rows, the deepest shown first and Y last; columns: the
// level's name and its value. A level the stack does not hold reads 0, as the
// stack style counts it.
class TStackLevelsModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;
    // levels: Y first, as StackLevels gives them; rows: how many to show.
    void SetLevels(std::vector<TStackLevel> levels, int rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    std::vector<TStackLevel> levels_;
    int rows_ = 0;
};

class TStackPanel final : public QWidget {
    Q_OBJECT
  public:
    using TPress = std::function<void(std::uint8_t code)>;
    // The minimum of levels shown: Y, Z and T.
    static constexpr int kMinimumLevels = 3;

    TStackPanel(const TCalcEngine& engine, TPress press, QWidget* parent);

    // Reads the engine again: shown only in Stack-style RPN.
    void Refresh();
    QTableView* Levels() const { return levels_; }
    const TStackLevelsModel& Model() const { return model_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* AddCommandButton(const char* name, const QString& caption, const QString& hint,
                                  std::uint8_t code);
    int FittingRows() const;

    const TCalcEngine& engine_;
    TPress press_;
    TStackLevelsModel model_;
    QTableView* levels_ = nullptr;
    QWidget* buttons_ = nullptr;
};

}  // namespace quillix
