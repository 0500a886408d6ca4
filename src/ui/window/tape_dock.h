// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TTapeDock: the calculation tape beside the keypad. It owns the tape, the
// recorder that adds a line for each completed calculation of the keypad's
// engine, and the keeper of its file; it shows the lines newest at the
// bottom. Double-click or Enter inserts a line's result into the calculation
// with its formula; the line's menu copies it, its value or the whole tape,
// and clears the tape (its file too). It must go before the engine it
// records: its owner deletes it first.

#include <QDockWidget>
#include <memory>
#include <string>
#include <vector>

#include "tape/tape.h"

class QAction;
class QListView;
class QMenu;
class QTimer;

namespace quillix {

class ICalcVarsBase;
class IKeypad;
class TCalcEngine;
class TTapeKeeper;
class TTapeModel;
class TTapeRecorder;

class TTapeDock final : public QDockWidget {
    Q_OBJECT
  public:
    // Lines are recorded from engine and inserted through keypad; vars resolves
    // the names of a line read back from the file. With keep, the file at path
    // is read now and written after each pause and at SaveNow.
    TTapeDock(TCalcEngine& engine, IKeypad& keypad, ICalcVarsBase* vars, std::string path,
              bool keep, QWidget* parent);
    ~TTapeDock() override;

    TTape& Tape() { return tape_; }
    QListView* List() const { return list_; }
    // The line menu, set up for row (-1: no line; only the whole tape's entries work).
    QMenu* LineMenu(int row);

    void InsertLine(int row);
    void CopyLine(int row) const;
    void CopyValue(int row) const;
    void CopyAll() const;
    void ClearTape();
    // The "KeepTape" setting changed.
    void SetKeep(bool keep);
    // Writes the tape now when it is kept and changed (at the window's close).
    void SaveNow();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLineMenu();

    TTape tape_;
    IKeypad& keypad_;
    ICalcVarsBase* vars_;
    std::unique_ptr<TTapeKeeper> keeper_;
    std::unique_ptr<TTapeRecorder> recorder_;
    std::unique_ptr<TTapeModel> model_;  // goes before the tape it listens to
    QListView* list_ = nullptr;
    QMenu* menu_ = nullptr;
    QTimer* saveTimer_ = nullptr;
    QTimer* scrollTimer_ = nullptr;
    std::vector<QAction*> lineActions_;  // need a line
    std::vector<QAction*> tapeActions_;  // need a tape with lines
    int menuRow_ = -1;
};

}  // namespace quillix
