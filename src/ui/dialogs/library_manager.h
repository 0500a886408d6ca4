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
// "Import" and saving work at once. Before a save or an import replaces a
// program of the same name (in any folder) it asks; deleting moves the file or
// folder to the desktop's trash, or asks first when there is none.

#include <QDialog>
#include <memory>
#include <string>

#include "dialogs/library_manager_rules.h"
#include "dialogs/library_views.h"
#include "vars/user_func_folder.h"

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

    // Shows the window modally; true when it was closed with "&OK".
    bool Show();
    // Modes 1 and 2: the name box; modes 0 and 3: the selected file's name.
    std::string GetResultName() const;
    TUserFuncFolder* GetCurrentFolder() const { return current_; }
    // The file last clicked in the current folder; null once it is gone.
    TUserFuncObj* SelectedObject() const;
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
    // "&OK": closes the window unless the name is refused.
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
    // Before a save or an import writes over an object's file: true when there
    // is none, else whether the user will have it replaced.
    bool MayReplace(const TUserFuncObj* existing);
    // What a deletion does with the file or folder on disk: the trash, or, when
    // there is none, deleting for good once the user said so.
    TUserFuncFolder::PathRemover TrashRemover();
    void Select(TUserFuncObj* file);
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
    // Held by a link, which goes dead with the object, so that no path (a
    // folder deleted outside the program, say) leaves a freed file selected.
    std::shared_ptr<const TUserFuncObjLink> selected_;

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
