// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two panes of the library manager: the folder tree (one node per folder,
// the top node for the library root, sorted by caption without regard to
// letter case) and the list of one folder's subfolders and files. Both start
// drags of their items; the tree takes drops, asking its owner whether a drop
// is allowed and what it does.

#include <QListWidget>
#include <QTreeWidget>
#include <functional>
#include <optional>
#include <unordered_map>

class QMimeData;

namespace quillix {

class TUserFuncFolder;
class TUserFuncObj;

// What is being dragged: a folder or a file (exactly one of the two).
struct TLibraryDragged {
    TUserFuncFolder* Folder = nullptr;
    TUserFuncObj* File = nullptr;
};

// The drag data of an item; it names the item by its address, so a receiver
// checks it against the items it shows before using it.
QMimeData* EncodeDragged(const TLibraryDragged& dragged);
std::optional<TLibraryDragged> DecodeDragged(const QMimeData* data);

class TLibraryTree : public QTreeWidget {
    Q_OBJECT
  public:
    explicit TLibraryTree(QWidget* parent = nullptr);

    // Rebuilds every node from the library; the top node is captioned "Root".
    void Build(TUserFuncFolder& root);
    QTreeWidgetItem* TopNode() const { return topLevelItem(0); }
    // The node of a folder shown in the tree, or null (also for a folder the
    // tree does not know, so a stale address is never followed).
    QTreeWidgetItem* NodeOf(const TUserFuncFolder* folder) const;
    // The folder of a node, or null.
    TUserFuncFolder* FolderOf(const QTreeWidgetItem* node) const;
    // Adds the node of a folder (and of everything below it) under parentNode.
    QTreeWidgetItem* AddNode(TUserFuncFolder& folder, QTreeWidgetItem* parentNode);
    // Removes a node with its subtree.
    void RemoveNode(QTreeWidgetItem* node);
    // Sorts every level by caption.
    void Sort();
    // Sets a node's caption without reporting an edit.
    void SetCaption(QTreeWidgetItem* node, const QString& caption);

    // The owner's rules for drops; the drag's source widgets are accepted only
    // when they are this tree or the partner list.
    std::function<bool(const TLibraryDragged&, QTreeWidgetItem*)> CanDrop;
    std::function<void(const TLibraryDragged&, QTreeWidgetItem*)> Drop;
    // An edited caption: the owner renames and answers whether it worked (the
    // caption goes back otherwise).
    std::function<bool(TUserFuncFolder&, const QString&)> Renamed;
    void SetPartner(QWidget* partner) { partner_ = partner; }

  protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // A node with the nodes of everything below it, not yet in the tree.
    QTreeWidgetItem* NewNode(TUserFuncFolder& folder);
    void Forget(QTreeWidgetItem* node);
    void CaptionEdited(QTreeWidgetItem* node);
    std::optional<TLibraryDragged> Accepted(const QDropEvent& event) const;

    std::unordered_map<const TUserFuncFolder*, QTreeWidgetItem*> nodes_;
    QWidget* partner_ = nullptr;
    QIcon folderIcon_;
    bool updating_ = false;
};

class TLibraryList : public QListWidget {
    Q_OBJECT
  public:
    explicit TLibraryList(QWidget* parent = nullptr);

    // The folder's subfolders (folder icon), then its files (file icon).
    void Fill(const TUserFuncFolder* folder);
    TUserFuncFolder* FolderOf(const QListWidgetItem* item) const;
    TUserFuncObj* FileOf(const QListWidgetItem* item) const;
    QListWidgetItem* ItemOf(const TLibraryDragged& shown) const;
    // The item of that caption, or null.
    QListWidgetItem* ItemNamed(const QString& caption) const;
    // The selected item, or null.
    QListWidgetItem* Selected() const;
    // Sets an item's caption without reporting an edit.
    void SetCaption(QListWidgetItem* item, const QString& caption);

    std::function<bool(QListWidgetItem*, const QString&)> Renamed;

  protected:
    void startDrag(Qt::DropActions actions) override;

  private:
    void CaptionEdited(QListWidgetItem* item);
    TLibraryDragged Shown(const QListWidgetItem* item) const;

    bool updating_ = false;
};

}  // namespace quillix
