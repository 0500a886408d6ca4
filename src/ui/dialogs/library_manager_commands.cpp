// SPDX-License-Identifier: GPL-3.0-or-later
// The library manager's commands: new folder, delete, rename, export, import,
// source view, and moves by drag and drop. The window changes only after the
// library's operation succeeded, and shows the library's reason otherwise.
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalBlocker>
#include <memory>

#include "config/configor.h"
#include "dialogs/library_manager.h"
#include "dialogs/source_view.h"
#include "platform/trash.h"
#include "platform/user_prompts.h"
#include "vars/user_func_folder.h"

namespace quillix {

namespace {

void TakeListItem(QListWidget& list, QListWidgetItem* item) {
    std::unique_ptr<QListWidgetItem> gone(list.takeItem(list.row(item)));
}

}  // namespace

void Tfrm_Open::NewFolder() {
    TUserFuncFolder* parent = tree_->FolderOf(tree_->currentItem());
    if (!parent) return;
    std::string reason;
    TUserFuncFolder* folder = parent->CreateFolder(parent->UnusedSubfolderName(), &reason);
    if (!folder) {
        ShowReason(reason);
        return;
    }
    QTreeWidgetItem* parentNode = tree_->NodeOf(parent);
    tree_->AddNode(*folder, parentNode);
    parentNode->setExpanded(true);
    tree_->Sort();
    RebuildList();
    if (QListWidgetItem* item = list_->ItemOf({folder, nullptr})) {
        list_->setCurrentItem(item);
        list_->editItem(item);
    }
    UpdateCommands();
}

void Tfrm_Open::DeleteListItem() {
    QListWidgetItem* item = list_->Selected();
    if (!item || !current_) return;
    std::string reason;
    if (TUserFuncObj* file = list_->FileOf(item)) {
        if (!current_->DeleteFile(*file, &reason, TrashRemover())) {
            ShowReason(reason);
            return;
        }
    } else if (TUserFuncFolder* folder = list_->FolderOf(item)) {
        QTreeWidgetItem* node = tree_->NodeOf(folder);
        if (!current_->DeleteFolder(*folder, &reason, TrashRemover())) {
            ShowReason(reason);
            return;
        }
        tree_->RemoveNode(node);
    }
    TakeListItem(*list_, item);
    UpdateCommands();
}

void Tfrm_Open::DeleteTreeNode() {
    QTreeWidgetItem* node = tree_->currentItem();
    TUserFuncFolder* folder = tree_->FolderOf(node);
    if (!folder || folder->IsRoot()) return;
    TUserFuncFolder* parent = folder->Parent();
    std::string reason;
    if (!parent->DeleteFolder(*folder, &reason, TrashRemover())) {
        ShowReason(reason);
        return;
    }
    // The folder is gone: its parent becomes the current folder before the node goes.
    current_ = parent;
    {
        const QSignalBlocker quiet(tree_);
        tree_->setCurrentItem(tree_->NodeOf(parent));
        tree_->RemoveNode(node);
    }
    RebuildList();
}

TUserFuncFolder::PathRemover Tfrm_Open::TrashRemover() {
    return [this](const std::string& path, std::string* reason) {
        if (MoveToTrash(QString::fromStdString(path))) return true;
        const QString name = QFileInfo(QString::fromStdString(path)).fileName();
        const QString question = QStringLiteral("There is no trash to move '") + name +
                                 QStringLiteral("' to. Delete it for good?");
        if (Prompts().AskYesNo(this, QStringLiteral("Confirm"), question) != TPromptAnswer::Yes) {
            reason->clear();
            return false;
        }
        return RemoveFromDisk(path, reason);
    };
}

void Tfrm_Open::RenameListItem() {
    if (QListWidgetItem* item = list_->Selected()) list_->editItem(item);
}

void Tfrm_Open::RenameTreeNode() {
    QTreeWidgetItem* node = tree_->currentItem();
    if (node && node != tree_->TopNode()) tree_->editItem(node, 0);
}

bool Tfrm_Open::RenameShown(QListWidgetItem* item, const QString& caption) {
    if (TUserFuncFolder* folder = list_->FolderOf(item)) return RenameFolder(*folder, caption);
    TUserFuncObj* file = list_->FileOf(item);
    if (!file) return false;
    std::string reason;
    if (!file->Rename(caption.toStdString(), &reason)) {
        ShowReason(reason);
        return false;
    }
    const QString name = QString::fromStdString(file->Name());
    list_->SetCaption(item, name);
    if (SelectedObject() == file) nameBox_->setText(name);
    return true;
}

bool Tfrm_Open::RenameFolder(TUserFuncFolder& folder, const QString& caption) {
    std::string reason;
    if (!folder.RenameFolder(caption.toStdString(), &reason)) {
        ShowReason(reason);
        return false;
    }
    const QString name = QString::fromStdString(folder.Name());
    if (QTreeWidgetItem* node = tree_->NodeOf(&folder)) tree_->SetCaption(node, name);
    if (QListWidgetItem* item = list_->ItemOf({&folder, nullptr})) list_->SetCaption(item, name);
    tree_->Sort();
    return true;
}

void Tfrm_Open::ExportFile() {
    TUserFuncObj* file = SelectedFile();
    if (!file) return;
    const std::string extension = library_.Extension();
    const std::string folder = LibraryChooserFolder(ConfigorIntf, QDir::homePath().toStdString());
    const std::optional<QString> path =
        Prompts().AskSaveFile(this, QString::fromStdString(folder + "/" + file->Name() + extension),
                              QString::fromStdString(LibraryFileFilter(extension)),
                              QString::fromStdString(LibraryFileSuffix(extension)));
    if (!path) return;
    RememberLibraryChooserFolder(ConfigorIntf, path->toStdString());
    // The chooser added the suffix and asked about the path it returned; that
    // path, and no other, is written.
    if (!file->Folder()->ExportFile(*file, path->toStdString()))
        Prompts().ShowError(this, QStringLiteral("Export error!"));
}

void Tfrm_Open::ImportFiles() {
    if (!current_) return;
    const QStringList paths = Prompts().AskOpenFiles(
        this,
        QString::fromStdString(LibraryChooserFolder(ConfigorIntf, QDir::homePath().toStdString())),
        QString::fromStdString(LibraryFileFilter(library_.Extension())));
    if (paths.isEmpty()) return;
    RememberLibraryChooserFolder(ConfigorIntf, paths.front().toStdString());
    for (const QString& path : paths) {
        if (!MayReplace(current_->ImportReplaces(path.toStdString()))) continue;
        if (!current_->ImportFile(path.toStdString()))
            Prompts().ShowError(this, QStringLiteral("Cannot import the file '%1'.").arg(path));
    }
    RebuildList();
}

void Tfrm_Open::ShowSource() {
    TUserFuncObj* file = SelectedFile();
    if (!file) return;
    Tfrm_sourceView view(this);
    view.ShowFile(file->GetFileName());
}

TLibraryDragged Tfrm_Open::DraggedFrom(QListWidgetItem* item) const {
    return {list_->FolderOf(item), list_->FileOf(item)};
}

TLibraryDragged Tfrm_Open::DraggedFrom(QTreeWidgetItem* node) const {
    return {tree_->FolderOf(node), nullptr};
}

bool Tfrm_Open::CanDrop(const TLibraryDragged& dragged, QTreeWidgetItem* target) const {
    const TUserFuncFolder* targetFolder = tree_->FolderOf(target);
    if (!targetFolder) return false;
    // Only what this window shows is followed: drag data names its item by address.
    if (dragged.File) return list_->ItemOf({nullptr, dragged.File}) != nullptr;
    if (!dragged.Folder || !tree_->NodeOf(dragged.Folder) || dragged.Folder->IsRoot()) return false;
    return FolderDropAllowed(*dragged.Folder, *targetFolder);
}

void Tfrm_Open::Drop(const TLibraryDragged& dragged, QTreeWidgetItem* target) {
    if (!CanDrop(dragged, target)) return;
    TUserFuncFolder* targetFolder = tree_->FolderOf(target);
    if (dragged.File)
        DropFile(*dragged.File, *targetFolder);
    else
        DropFolder(*dragged.Folder, target);
}

void Tfrm_Open::DropFile(TUserFuncObj& file, TUserFuncFolder& target) {
    std::string reason;
    if (!file.MoveTo(target, &reason)) ShowReason(reason);
    RebuildList();
}

void Tfrm_Open::DropFolder(TUserFuncFolder& folder, QTreeWidgetItem* target) {
    TUserFuncFolder* from = folder.Parent();
    std::string reason;
    if (!folder.MoveFolder(*tree_->FolderOf(target), &reason)) {
        ShowReason(reason);
        return;
    }
    if (folder.Parent() != from) MoveFolderNode(folder, target);
    RebuildList();
}

void Tfrm_Open::MoveFolderNode(TUserFuncFolder& folder, QTreeWidgetItem* target) {
    // The current folder may lie in the moved subtree: its node is made anew.
    TUserFuncFolder* keep = current_;
    const QSignalBlocker quiet(tree_);
    tree_->RemoveNode(tree_->NodeOf(&folder));
    tree_->AddNode(folder, target);
    target->setExpanded(true);
    tree_->Sort();
    tree_->setCurrentItem(tree_->NodeOf(keep));
    current_ = keep;
}

}  // namespace quillix
