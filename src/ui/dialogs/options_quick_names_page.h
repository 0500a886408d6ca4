// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Quick Variable " page of the options dialog: the user's favourite
// variable names, with Add, Remove, Up and Down. The list is the dialog's own
// copy; the dialog writes it back when applied.

#include <QWidget>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;
class QToolButton;

namespace quillix {

class TQuickNamesPage : public QWidget {
    Q_OBJECT
  public:
    explicit TQuickNamesPage(QWidget* parent = nullptr);

    void SetNames(const std::vector<std::string>& names);
    std::vector<std::string> Names() const;

    // The buttons' commands.
    void Add();
    void Remove();
    void MoveUp();
    void MoveDown();

    QListWidget* List() const { return list_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* RemoveButton() const { return remove_; }
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

  private:
    void Move(int delta);
    void UpdateButtons();

    QListWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

}  // namespace quillix
