// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory view: the inside of the keypad's engine while the user works,
// the values waiting on the stack (X0 at the bottom), X with its formula,
// whether a number is being typed, the pending operator and the operators put
// aside by parentheses. TFra_MemoryView listens to the engine; TFrm_MemoryView
// is the small tool window that holds it.

#include <QFrame>
#include <QWidget>

#include "engine/calc_engine.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace quillix {

class TFra_MemoryView : public QFrame {
    Q_OBJECT
  public:
    explicit TFra_MemoryView(QWidget* parent = nullptr);
    ~TFra_MemoryView() override;

    void BindEngine(TCalcEngine& engine);
    QTableWidget* StackList() const { return list_; }
    QString XText() const;
    QString FormulaText() const;
    QString PendingText() const;
    QString OperatorsText() const;
    // True while a number is being typed (the status dot is green).
    bool Entering() const { return entering_; }
    int RebuildCount() const { return rebuilds_; }

  protected:
    // The list's height decides how many rows it fits: a new height, a new list.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Update(std::uint8_t code, const TCalcStack& stack, bool entering);
    void RebuildList(const TCalcStack& stack, bool entering);
    int VisibleRows();

    TCommondProcessorEventObject listener_;
    TCalcEngine* engine_ = nullptr;
    std::uint8_t previous_ = ccNone;
    QTableWidget* list_ = nullptr;
    QLabel* pending_ = nullptr;
    QLabel* operators_ = nullptr;
    QLabel* dot_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* formula_ = nullptr;
    bool entering_ = false;
    int rebuilds_ = 0;
    int fittedRows_ = -1;  // the visible rows the list was last built for
    bool refitQueued_ = false;
};

class TFrm_MemoryView : public QWidget {
    Q_OBJECT
  public:
    explicit TFrm_MemoryView(QWidget* parent = nullptr);
    void BindEngine(TCalcEngine& engine);
    TFra_MemoryView& Frame() const { return *frame_; }

  protected:
    // Escape closes the window, as it does a dialog.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TFra_MemoryView* frame_ = nullptr;
};

}  // namespace quillix
