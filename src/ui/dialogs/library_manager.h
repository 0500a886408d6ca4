// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_Open: the library manager, one modal window over either library. It
// chooses a program to open (mode 0), the folder and name to save under (modes
// 1 and 2), or manages the library (mode 3): new folders, delete, rename in
// place, moves by drag and drop, import, export and the source view. Every
// change goes through the library's own operations, which refuse bad names and
// never overwrite; the window shows their reasons.
//
// The window starts with the top node selected, so that "New Folder",
// "Import" and saving work at once.

#include <QDialog>
#include <string>

#include "dialogs/library_manager_rules.h"
#include "dialogs/library_views.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

namespace quillix {

class Tfrm_Open : public QDialog {
    Q_OBJECT
  public:
    Tfrm_Open(TUserFuncFolder& library, int mode, QWidget* parent = nullptr);
    ~Tfrm_Open() override;

    // Shows the window modally; true when it was closed with "&Ok".
    bool Show();
    // Modes 1 and 2: the name box; modes 0 and 3: the selected file's name.
    std::string GetResultName() const;
    TUserFuncFolder* GetCurrentFolder() const { return current_; }
    TUserFuncObj* SelectedObject() const { return selected_; }
    int Mode() const { return mode_; }

    TLibraryTree* Tree() const { return tree_; }
    TLibraryList* List() const { return list_; }
    QLineEdit* NameBox() const { return nameBox_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QLabel* NameLabel() const { return nameLabel_; }
    QLabel* LibraryLabel() const { return libraryLabel_; }

    // The list's popup with the states of its commands brought up to date.
    QMenu* ListMenu();
    // The tree's popup for the current node; null for the top node or no node.
    QMenu* TreeMenu();

    // What the mouse does.
    void SelectNode(QTreeWidgetItem* node);
    void ClickItem(QListWidgetItem* item);
    void DoubleClickItem(QListWidgetItem* item);
    // "&Ok": closes the window unless the name is refused.
    void Confirm();

    // The commands.
    void NewFolder();
    void DeleteListItem();
    void DeleteTreeNode();
    void RenameListItem();
    void RenameTreeNode();
    void ExportFile();
    void ImportFiles();
    void ShowSource();

    // Drag and drop onto a tree node (the tree asks these while dragging).
    TLibraryDragged DraggedFrom(QListWidgetItem* item) const;
    TLibraryDragged DraggedFrom(QTreeWidgetItem* node) const;
    bool CanDrop(const TLibraryDragged& dragged, QTreeWidgetItem* target) const;
    void Drop(const TLibraryDragged& dragged, QTreeWidgetItem* target);

  private:
    void BuildWindow();
    void BuildMenus();
    void ApplyMode();
    void UpdateCommands();
    void RebuildList();
    void ShowReason(const std::string& reason);
    bool RenameShown(QListWidgetItem* item, const QString& caption);
    bool RenameFolder(TUserFuncFolder& folder, const QString& caption);
    // The file shown selected in the list, or null.
    TUserFuncObj* SelectedFile() const;
    void MoveFolderNode(TUserFuncFolder& folder, QTreeWidgetItem* target);
    void DropFile(TUserFuncObj& file, TUserFuncFolder& target);
    void DropFolder(TUserFuncFolder& folder, QTreeWidgetItem* target);

    TUserFuncFolder& library_;
    int mode_;
    TUserFuncFolder* current_ = nullptr;
    TUserFuncObj* selected_ = nullptr;

    TLibraryTree* tree_ = nullptr;
    TLibraryList* list_ = nullptr;
    QLabel* libraryLabel_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QToolButton* newFolderButton_ = nullptr;
    QToolButton* deleteButton_ = nullptr;
    QToolButton* importButton_ = nullptr;

    QMenu* listMenu_ = nullptr;
    QAction* newFolderAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* renameAction_ = nullptr;
    QAction* exportAction_ = nullptr;
    QAction* importAction_ = nullptr;
    QAction* sourceAction_ = nullptr;
    QMenu* treeMenu_ = nullptr;
};

}  // namespace quillix
