// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/library_views.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QStyle>
#include <memory>

#include "vars/user_func_folder.h"

namespace quillix {

namespace {

const QString kDragFormat = QStringLiteral("application/x-quillix-library-item");

enum : int { kKindRole = Qt::UserRole, kAddressRole, kCaptionRole };
enum TItemKind : int { kFolderItem, kFileItem };

// Folder captions sort without regard to letter case, ties as written.
class TFolderNode final : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const QString mine = text(0);
        const QString theirs = other.text(0);
        const int blind = mine.compare(theirs, Qt::CaseInsensitive);
        return blind != 0 ? blind < 0 : mine < theirs;
    }
};

quintptr AddressOf(const void* object) {
    return reinterpret_cast<quintptr>(object);
}

}  // namespace

QMimeData* EncodeDragged(const TLibraryDragged& dragged) {
    auto* data = new QMimeData;
    const bool folder = dragged.Folder != nullptr;
    const quintptr address = folder ? AddressOf(dragged.Folder) : AddressOf(dragged.File);
    data->setData(kDragFormat, (QString(folder ? QStringLiteral("F") : QStringLiteral("P")) +
                                QString::number(static_cast<qulonglong>(address), 16))
                                   .toLatin1());
    return data;
}

std::optional<TLibraryDragged> DecodeDragged(const QMimeData* data) {
    if (!data || !data->hasFormat(kDragFormat)) return std::nullopt;
    const QByteArray text = data->data(kDragFormat);
    if (text.size() < 2) return std::nullopt;
    bool ok = false;
    const auto address = static_cast<quintptr>(text.mid(1).toULongLong(&ok, 16));
    if (!ok || address == 0) return std::nullopt;
    TLibraryDragged dragged;
    if (text[0] == 'F')
        dragged.Folder = reinterpret_cast<TUserFuncFolder*>(address);
    else if (text[0] == 'P')
        dragged.File = reinterpret_cast<TUserFuncObj*>(address);
    else
        return std::nullopt;
    return dragged;
}

// ---- TLibraryTree ----

TLibraryTree::TLibraryTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    folderIcon_ = style()->standardIcon(QStyle::SP_DirIcon);
    connect(this, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* node, int) { CaptionEdited(node); });
}

void TLibraryTree::Build(TUserFuncFolder& root) {
    QScopedValueRollback<bool> guard(updating_, true);
    clear();
    nodes_.clear();
    // The nodes are made before the tree holds them: one insertion for the view.
    QTreeWidgetItem* top = NewNode(root);
    top->setText(0, QStringLiteral("Root"));
    top->setData(0, kCaptionRole, top->text(0));
    top->setFlags(top->flags() & ~Qt::ItemIsEditable & ~Qt::ItemIsDragEnabled);
    addTopLevelItem(top);
    Sort();
    top->setExpanded(true);
}

QTreeWidgetItem* TLibraryTree::NewNode(TUserFuncFolder& folder) {
    auto node = std::make_unique<TFolderNode>();
    const QString caption = QString::fromStdString(folder.Name());
    node->setText(0, caption);
    node->setData(0, kCaptionRole, caption);
    node->setData(0, kAddressRole, QVariant::fromValue(AddressOf(&folder)));
    node->setIcon(0, folderIcon_);
    node->setFlags(node->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
                   Qt::ItemIsDropEnabled);
    nodes_[&folder] = node.get();
    for (const auto& subfolder : folder.Subfolders())
        node->addChild(NewNode(*subfolder));
    return node.release();  // the caller hands it to a parent node or the tree
}

QTreeWidgetItem* TLibraryTree::AddNode(TUserFuncFolder& folder, QTreeWidgetItem* parentNode) {
    QScopedValueRollback<bool> guard(updating_, true);
    QTreeWidgetItem* node = NewNode(folder);
    parentNode->addChild(node);
    return node;
}

QTreeWidgetItem* TLibraryTree::NodeOf(const TUserFuncFolder* folder) const {
    const auto found = nodes_.find(folder);
    return found == nodes_.end() ? nullptr : found->second;
}

TUserFuncFolder* TLibraryTree::FolderOf(const QTreeWidgetItem* node) const {
    if (!node) return nullptr;
    const auto address = node->data(0, kAddressRole).value<quintptr>();
    auto* folder = reinterpret_cast<TUserFuncFolder*>(address);
    // Only a folder the tree still shows is handed out.
    return NodeOf(folder) == node ? folder : nullptr;
}

void TLibraryTree::Forget(QTreeWidgetItem* node) {
    nodes_.erase(
        reinterpret_cast<const TUserFuncFolder*>(node->data(0, kAddressRole).value<quintptr>()));
    for (int i = 0; i < node->childCount(); ++i)
        Forget(node->child(i));
}

void TLibraryTree::RemoveNode(QTreeWidgetItem* node) {
    if (!node || node == TopNode()) return;
    QScopedValueRollback<bool> guard(updating_, true);
    Forget(node);
    std::unique_ptr<QTreeWidgetItem> owned(
        node->parent()->takeChild(node->parent()->indexOfChild(node)));
}

void TLibraryTree::Sort() {
    sortItems(0, Qt::AscendingOrder);
}

void TLibraryTree::SetCaption(QTreeWidgetItem* node, const QString& caption) {
    QScopedValueRollback<bool> guard(updating_, true);
    node->setText(0, caption);
    node->setData(0, kCaptionRole, caption);
}

void TLibraryTree::CaptionEdited(QTreeWidgetItem* node) {
    if (updating_) return;
    TUserFuncFolder* folder = FolderOf(node);
    const QString before = node->data(0, kCaptionRole).toString();
    const QString after = node->text(0);
    if (!folder || after == before) return;
    if (!Renamed || !Renamed(*folder, after)) SetCaption(node, before);
}

void TLibraryTree::startDrag(Qt::DropActions) {
    TUserFuncFolder* folder = FolderOf(currentItem());
    if (!folder || folder->IsRoot()) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(EncodeDragged({folder, nullptr}));
    drag->exec(Qt::MoveAction);
}

std::optional<TLibraryDragged> TLibraryTree::Accepted(const QDropEvent& event) const {
    if (event.source() != this && (!partner_ || event.source() != partner_)) return std::nullopt;
    return DecodeDragged(event.mimeData());
}

void TLibraryTree::dragEnterEvent(QDragEnterEvent* event) {
    if (Accepted(*event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TLibraryTree::dragMoveEvent(QDragMoveEvent* event) {
    const std::optional<TLibraryDragged> dragged = Accepted(*event);
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    if (dragged && target && CanDrop && CanDrop(*dragged, target)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TLibraryTree::dropEvent(QDropEvent* event) {
    const std::optional<TLibraryDragged> dragged = Accepted(*event);
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    if (!dragged || !target || !CanDrop || !CanDrop(*dragged, target)) {
        event->ignore();
        return;
    }
    // The move is done here; the source must not remove anything itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (Drop) Drop(*dragged, target);
}

// ---- TLibraryList ----

TLibraryList::TLibraryList(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::ListMode);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemChanged, this, &TLibraryList::CaptionEdited);
}

void TLibraryList::Fill(const TUserFuncFolder* folder) {
    QScopedValueRollback<bool> guard(updating_, true);
    clear();
    if (!folder) return;
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    const auto add = [this](const QIcon& icon, const std::string& name, int kind,
                            const void* object) {
        const QString caption = QString::fromStdString(name);
        auto* item = new QListWidgetItem(icon, caption, this);
        item->setData(kKindRole, kind);
        item->setData(kAddressRole, QVariant::fromValue(AddressOf(object)));
        item->setData(kCaptionRole, caption);
        item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
    };
    for (const auto& subfolder : folder->Subfolders())
        add(folderIcon, subfolder->Name(), kFolderItem, subfolder.get());
    for (const auto& file : folder->Files())
        add(fileIcon, file->Name(), kFileItem, file.get());
}

TLibraryDragged TLibraryList::Shown(const QListWidgetItem* item) const {
    TLibraryDragged shown;
    if (!item) return shown;
    const auto address = item->data(kAddressRole).value<quintptr>();
    if (item->data(kKindRole).toInt() == kFolderItem)
        shown.Folder = reinterpret_cast<TUserFuncFolder*>(address);
    else
        shown.File = reinterpret_cast<TUserFuncObj*>(address);
    return shown;
}

TUserFuncFolder* TLibraryList::FolderOf(const QListWidgetItem* item) const {
    return Shown(item).Folder;
}

TUserFuncObj* TLibraryList::FileOf(const QListWidgetItem* item) const {
    return Shown(item).File;
}

QListWidgetItem* TLibraryList::ItemOf(const TLibraryDragged& shown) const {
    for (int row = 0; row < count(); ++row) {
        const TLibraryDragged here = Shown(item(row));
        if ((shown.Folder && here.Folder == shown.Folder) ||
            (shown.File && here.File == shown.File))
            return item(row);
    }
    return nullptr;
}

QListWidgetItem* TLibraryList::ItemNamed(const QString& caption) const {
    for (int row = 0; row < count(); ++row)
        if (item(row)->text() == caption) return item(row);
    return nullptr;
}

QListWidgetItem* TLibraryList::Selected() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? nullptr : items.front();
}

void TLibraryList::SetCaption(QListWidgetItem* item, const QString& caption) {
    QScopedValueRollback<bool> guard(updating_, true);
    item->setText(caption);
    item->setData(kCaptionRole, caption);
}

void TLibraryList::CaptionEdited(QListWidgetItem* item) {
    if (updating_) return;
    const QString before = item->data(kCaptionRole).toString();
    const QString after = item->text();
    if (after == before) return;
    if (!Renamed || !Renamed(item, after)) SetCaption(item, before);
}

void TLibraryList::startDrag(Qt::DropActions) {
    QListWidgetItem* item = Selected();
    if (!item) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(EncodeDragged(Shown(item)));
    drag->exec(Qt::MoveAction);
}

}  // namespace quillix
