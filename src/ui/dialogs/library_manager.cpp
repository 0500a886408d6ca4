// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/library_manager.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/text_compare.h"
#include "launchers.h"
#include "platform/dialog_driver.h"
#include "platform/user_prompts.h"
#include "vars/library_names.h"
#include "vars/user_func_folder.h"
#include "vars/user_libraries.h"

namespace quillix {

namespace {

bool IsFunctionsLibrary(const TUserFuncFolder& library) {
    return EqualsIgnoreAsciiCase(library.Extension(), kUserFunctionExtension);
}

QString CaptionOf(int mode, bool functions) {
    switch (mode) {
        case kModeOpen:
            return QStringLiteral("Open");
        case kModeSave:
            return QStringLiteral("Save");
        case kModeSaveAs:
            return QStringLiteral("Save As...");
        default:
            return functions ? QStringLiteral("Functions Manager")
                             : QStringLiteral("Programs Manager");
    }
}

QToolButton* ToolButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

Tfrm_Open::Tfrm_Open(TUserFuncFolder& library, int mode, QWidget* parent)
    : QDialog(parent), library_(library.Root()), mode_(mode) {
    BuildWindow();
    BuildMenus();
    ApplyMode();
    tree_->Build(library_);
    SelectNode(tree_->TopNode());
    UpdateCommands();
}

Tfrm_Open::~Tfrm_Open() = default;

void Tfrm_Open::BuildWindow() {
    const bool functions = IsFunctionsLibrary(library_);
    newFolderButton_ =
        ToolButton(this, QStyle::SP_FileDialogNewFolder, QStringLiteral("New Folder"));
    deleteButton_ = ToolButton(this, QStyle::SP_TrashIcon, QStringLiteral("Delete"));
    importButton_ = ToolButton(this, QStyle::SP_DialogOpenButton, QStringLiteral("Import"));
    connect(newFolderButton_, &QToolButton::clicked, this, &Tfrm_Open::NewFolder);
    connect(deleteButton_, &QToolButton::clicked, this, &Tfrm_Open::DeleteListItem);
    connect(importButton_, &QToolButton::clicked, this, &Tfrm_Open::ImportFiles);
    auto* toolbar = new QHBoxLayout;
    toolbar->addWidget(newFolderButton_);
    toolbar->addWidget(deleteButton_);
    toolbar->addWidget(importButton_);
    toolbar->addStretch();

    libraryLabel_ = new QLabel(
        functions ? QStringLiteral("Functions library") : QStringLiteral("Programs library"), this);
    tree_ = new TLibraryTree(this);
    tree_->setAccessibleName(libraryLabel_->text());
    list_ = new TLibraryList(this);
    list_->setAccessibleName(QStringLiteral("Name"));
    tree_->SetPartner(list_);
    tree_->CanDrop = [this](const TLibraryDragged& dragged, QTreeWidgetItem* target) {
        return CanDrop(dragged, target);
    };
    tree_->Drop = [this](const TLibraryDragged& dragged, QTreeWidgetItem* target) {
        Drop(dragged, target);
    };
    tree_->Renamed = [this](TUserFuncFolder& folder, const QString& caption) {
        return RenameFolder(folder, caption);
    };
    list_->Renamed = [this](QListWidgetItem* item, const QString& caption) {
        return RenameShown(item, caption);
    };
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { SelectNode(node); });
    connect(list_, &QListWidget::itemClicked, this, &Tfrm_Open::ClickItem);
    connect(list_, &QListWidget::itemDoubleClicked, this, &Tfrm_Open::DoubleClickItem);
    connect(list_, &QListWidget::itemSelectionChanged, this, &Tfrm_Open::UpdateCommands);

    auto* treePane = new QWidget(this);
    auto* treeLayout = new QVBoxLayout(treePane);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    treeLayout->addWidget(libraryLabel_);
    treeLayout->addWidget(tree_, 1);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(treePane);
    splitter->addWidget(list_);
    splitter->setStretchFactor(1, 1);

    nameLabel_ = new QLabel(QStringLiteral("Name:"), this);
    nameBox_ = new QLineEdit(this);
    nameLabel_->setBuddy(nameBox_);
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &Tfrm_Open::Confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(nameLabel_);
    bottom->addWidget(nameBox_, 1);
    bottom->addWidget(ok_);
    bottom->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolbar);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);
    resize(560, 380);
}

void Tfrm_Open::BuildMenus() {
    listMenu_ = new QMenu(this);
    newFolderAction_ =
        listMenu_->addAction(QStringLiteral("New Folder"), this, &Tfrm_Open::NewFolder);
    deleteAction_ =
        listMenu_->addAction(QStringLiteral("Delete"), this, &Tfrm_Open::DeleteListItem);
    renameAction_ =
        listMenu_->addAction(QStringLiteral("Rename"), this, &Tfrm_Open::RenameListItem);
    listMenu_->addSeparator();
    exportAction_ = listMenu_->addAction(QStringLiteral("Export"), this, &Tfrm_Open::ExportFile);
    importAction_ = listMenu_->addAction(QStringLiteral("Import"), this, &Tfrm_Open::ImportFiles);
    listMenu_->addSeparator();
    sourceAction_ =
        listMenu_->addAction(QStringLiteral("Source View"), this, &Tfrm_Open::ShowSource);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ListMenu()->popup(list_->viewport()->mapToGlobal(at)); });

    treeMenu_ = new QMenu(this);
    treeMenu_->addAction(QStringLiteral("Delete"), this, &Tfrm_Open::DeleteTreeNode);
    treeMenu_->addAction(QStringLiteral("Rename"), this, &Tfrm_Open::RenameTreeNode);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QTreeWidgetItem* node = tree_->itemAt(at);
        if (!node || node == tree_->TopNode()) return;
        tree_->setCurrentItem(node);
        if (QMenu* menu = TreeMenu()) menu->popup(tree_->viewport()->mapToGlobal(at));
    });
}

void Tfrm_Open::ApplyMode() {
    setWindowTitle(CaptionOf(mode_, IsFunctionsLibrary(library_)));
    nameBox_->setReadOnly(mode_ == kModeOpen);
    if (mode_ == kModeManager) {
        nameLabel_->hide();
        nameBox_->hide();
        ok_->hide();
        cancel_->setText(QStringLiteral("Close"));
        cancel_->setDefault(true);
    }
}

QMenu* Tfrm_Open::ListMenu() {
    UpdateCommands();
    return listMenu_;
}

QMenu* Tfrm_Open::TreeMenu() {
    QTreeWidgetItem* node = tree_->currentItem();
    if (!node || node == tree_->TopNode() || !tree_->FolderOf(node)) return nullptr;
    return treeMenu_;
}

void Tfrm_Open::UpdateCommands() {
    const bool item = list_->Selected() != nullptr;
    const bool file = SelectedFile() != nullptr;
    newFolderAction_->setEnabled(tree_->FolderOf(tree_->currentItem()) != nullptr);
    deleteAction_->setEnabled(item);
    renameAction_->setEnabled(item);
    exportAction_->setEnabled(file);
    importAction_->setEnabled(current_ != nullptr);
    sourceAction_->setEnabled(file);
    newFolderButton_->setEnabled(newFolderAction_->isEnabled());
    deleteButton_->setEnabled(item);
    importButton_->setEnabled(current_ != nullptr);
}

void Tfrm_Open::RebuildList() {
    list_->Fill(current_);
    UpdateCommands();
}

TUserFuncObj* Tfrm_Open::SelectedFile() const {
    return list_->FileOf(list_->Selected());
}

void Tfrm_Open::SelectNode(QTreeWidgetItem* node) {
    TUserFuncFolder* folder = tree_->FolderOf(node);
    if (!folder) return;
    if (tree_->currentItem() != node) {
        tree_->setCurrentItem(node);  // comes back here through the tree's signal
        return;
    }
    if (current_ != folder) {
        // The selection belongs to the folder shown; in the save modes the
        // typed name stays.
        selected_.reset();
        if (mode_ == kModeOpen || mode_ == kModeManager) nameBox_->clear();
    }
    current_ = folder;
    RebuildList();
}

TUserFuncObj* Tfrm_Open::SelectedObject() const {
    return selected_ ? selected_->Object() : nullptr;
}

void Tfrm_Open::Select(TUserFuncObj* file) {
    selected_ = file ? file->Link() : nullptr;
    nameBox_->setText(file ? QString::fromStdString(file->Name()) : QString());
}

void Tfrm_Open::ClickItem(QListWidgetItem* item) {
    if (!item) return;
    list_->setCurrentItem(item);
    Select(list_->FileOf(item));
    UpdateCommands();
}

void Tfrm_Open::DoubleClickItem(QListWidgetItem* item) {
    if (!item) return;
    if (TUserFuncFolder* folder = list_->FolderOf(item)) {
        QTreeWidgetItem* node = tree_->NodeOf(folder);
        if (node && node->parent()) node->parent()->setExpanded(true);
        SelectNode(node);
        return;
    }
    ClickItem(item);
    if (mode_ != kModeManager) Confirm();
}

std::string Tfrm_Open::GetResultName() const {
    if (mode_ == kModeSave || mode_ == kModeSaveAs) return nameBox_->text().toStdString();
    const TUserFuncObj* selected = SelectedObject();
    return selected ? selected->Name() : std::string();
}

void Tfrm_Open::Confirm() {
    const std::string name = GetResultName();
    if (TrimBlanks(name).empty()) return;
    if (mode_ == kModeSave || mode_ == kModeSaveAs) {
        if (const std::optional<std::string> problem = SaveNameProblem(name)) {
            ShowReason(*problem);
            return;
        }
        if (!current_ || !MayReplace(library_.FindByName(name))) return;
    }
    accept();
}

bool Tfrm_Open::MayReplace(const TUserFuncObj* existing) {
    if (!existing) return true;
    return Prompts().AskYesNo(this, QStringLiteral("Confirm"),
                              QString::fromStdString(ReplaceQuestion(*existing))) ==
           TPromptAnswer::Yes;
}

bool Tfrm_Open::Show() {
    return ExecDialog(*this) == QDialog::Accepted;
}

void Tfrm_Open::ShowReason(const std::string& reason) {
    // An empty reason: the user chose it so, and needs no message.
    if (reason.empty()) return;
    Prompts().ShowError(this, QString::fromStdString(reason));
}

TLibraryChoice RunLibraryManager(QWidget* parent, TUserFuncFolder& library, int mode) {
    Tfrm_Open window(library, mode, parent);
    TLibraryChoice choice;
    choice.Ok = window.Show();
    if (choice.Ok) {
        choice.ResultName = window.GetResultName();
        choice.CurrentFolder = window.GetCurrentFolder();
    }
    return choice;
}

}  // namespace quillix
