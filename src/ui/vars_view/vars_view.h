// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfra_VarsView: the list of the program document's variables beside the
// keypad (role, name, value, formula), kept in step with the set through its
// change events, with the commands on variables. It publishes IVarsView
// (VarsViewIntf) while it lives.

#include <QFrame>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "keypad_intf.h"
#include "model/calc_vars_intf.h"
#include "vars/changed_rows.h"
#include "vars_view_intf.h"

class QLabel;
class QTableView;
class QAction;
class QMenu;
class QToolButton;

namespace quillix {

class TVarsColumnFitter;
class TVarsModel;

// The view's commands, each held as one action: the pop-up menu's entry, the
// button that does the same, and the enabled rule of VarsCommandStates.
enum class TVarsCommand {
    Up,
    Down,
    CopyValue,
    EditFormula,
    SetType,  // the "Set Value Type" sub-menu
    SetNormal,
    SetInput,
    SetOutput,
    Delete,
    Clear,
    CreateFunction,
    Statistical,  // the sub-menu
    Properties,
    ProgramProperties,
};
inline constexpr std::size_t kVarsCommandCount =
    static_cast<std::size_t>(TVarsCommand::ProgramProperties) + 1;

class Tfra_VarsView : public QFrame, public IVarsView {
    Q_OBJECT
  public:
    explicit Tfra_VarsView(QWidget* parent = nullptr);
    ~Tfra_VarsView() override;

    // Listens to the set and shows it.
    void SetVars(ICalcVars* vars);
    void SetKeypad(IKeypad* keypad);

    bool GetSelectedValues(std::vector<ValueRef>& list) override;

    // The commands (menu entries and buttons call these).
    void MoveSelectedUp();
    void MoveSelectedDown();
    void CopySelectedValue();
    void SetSelectedType(std::uint8_t type);
    void DeleteSelected();
    void ClearAll();
    void InsertSelected();  // double-click
    void ApplyStatistical(int funcID);
    void ShowProperties();
    void ShowProgramProperties();
    void CreateFunction();
    void GoalSeek();     // "Goal Seek...", the selected variable to change
    void EditFormula();  // F2

    // Puts the document's Undo and Redo first in the pop-up menu.
    void AddHistoryCommands(QAction* undo, QAction* redo);
    // Runs change (an undo or a redo), then selects the rows it changed.
    void SelectChangedRows(const std::function<void()>& change);

    QTableView* List() const { return list_; }
    QLabel* Title() const { return title_; }
    // The document's name, with "*" while it has unsaved changes.
    void ShowProgramName();
    TVarsModel* Model() const { return model_; }
    QAction* Action(TVarsCommand command) const;
    // The pop-up menu of the list.
    QMenu* Menu() const { return menu_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void UpdateEnabled();
    void BuildCommands();
    QWidget* BuildToolColumn();
    QWidget* BuildBottomBar();
    QToolButton* AddButton(const QString& hint, TVarsCommand command, const QIcon& icon);
    QAction* AddAction(QMenu* menu, const QString& caption, std::function<void()> command);
    void Hold(TVarsCommand command, QAction* action);
    // The set's change handler.
    void OnVarsChanged(std::uint8_t action, int index);
    // Stops listening to the set, when it still exists.
    void DetachFromVars();
    // The selected rows, ascending.
    std::vector<int> SelectedRows() const;
    void SelectOnly(int row);
    void SelectRows(const std::vector<int>& rows);

    // While an undo or a redo runs, the rows its events touch.
    std::optional<TChangedRows> changedRows_;
    // While a command changes many rows, the enabled state is set once at its end.
    bool inCommand_ = false;
    QMenu* menu_ = nullptr;
    std::array<QAction*, kVarsCommandCount> actions_{};
    std::vector<QAction*> statisticalActions_;
    // Each button does what its action does and is enabled with it.
    std::vector<std::pair<QToolButton*, QAction*>> buttons_;
    TCalcVarsEventsObject listener_;
    QLabel* title_ = nullptr;
    TVarsColumnFitter* columnFitter_ = nullptr;
    QTableView* list_ = nullptr;
    TVarsModel* model_ = nullptr;
    ICalcVars* vars_ = nullptr;
    IKeypad* keypad_ = nullptr;
};

}  // namespace quillix
