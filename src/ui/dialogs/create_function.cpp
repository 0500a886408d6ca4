// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/create_function.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "launchers.h"
#include "model/calc_vars_intf.h"
#include "platform/dialog_driver.h"
#include "platform/user_prompts.h"
#include "vars/calc_vars_base.h"
#include "vars/library_names.h"
#include "vars/user_func_folder.h"

namespace quillix {

namespace {

constexpr int kNameRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;

// The line of an entry in the input and output lists: name = formula.
QString EntryLine(const TCalcValueWarper& entry) {
    return QString::fromStdString(entry.GetName() + " = " + entry.Value->GetFormulaText());
}

QWidget* LabelledPage(QWidget* parent, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(field);
    auto* box = new QVBoxLayout();
    box->addWidget(label);
    box->addWidget(field, 1);
    auto* page = new QWidget(parent);
    page->setLayout(box);
    return page;
}

}  // namespace

Tfrm_CreateFunction::Tfrm_CreateFunction(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Create Function"));
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);

    auto* step1 = new QWidget(pages_);
    auto* step1Layout = new QVBoxLayout(step1);
    name_ = new QLineEdit(step1);
    description_ = new QPlainTextEdit(step1);
    description_->setTabChangesFocus(true);
    step1Layout->addWidget(LabelledPage(step1, QStringLiteral("&Name:"), name_));
    step1Layout->addWidget(LabelledPage(step1, QStringLiteral("&Description:"), description_), 1);
    pages_->addTab(step1, QStringLiteral("Step1"));

    auto* step2 = new QWidget(pages_);
    auto* step2Layout = new QVBoxLayout(step2);
    inputs_ = new QListWidget(step2);
    output_ = new QComboBox(step2);
    step2Layout->addWidget(LabelledPage(step2, QStringLiteral("&Input Parameters:"), inputs_), 1);
    step2Layout->addWidget(LabelledPage(step2, QStringLiteral("&Output Parameter:"), output_));
    pages_->addTab(step2, QStringLiteral("Step2"));

    folders_ = new QTreeWidget(pages_);
    folders_->setHeaderHidden(true);
    folders_->setAccessibleName(QStringLiteral("Library folder"));
    pages_->addTab(folders_, QStringLiteral("Step3"));
    layout->addWidget(pages_, 1);

    auto* buttons = new QHBoxLayout();
    previous_ = new QPushButton(QStringLiteral("Previous"), this);
    next_ = new QPushButton(QStringLiteral("Next"), this);
    create_ = new QPushButton(QStringLiteral("Create"), this);
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    create_->setDefault(true);
    buttons->addStretch(1);
    for (QPushButton* button : {previous_, next_, create_, cancel_})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    connect(previous_, &QPushButton::clicked, this, &Tfrm_CreateFunction::Previous);
    connect(next_, &QPushButton::clicked, this, &Tfrm_CreateFunction::Next);
    connect(create_, &QPushButton::clicked, this, &Tfrm_CreateFunction::Create);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(pages_, &QTabWidget::currentChanged, this, &Tfrm_CreateFunction::PageChanging);
    UpdateButtons();
}

void Tfrm_CreateFunction::Init(ICalcVars& document) {
    document_ = &document;
    name_->setText(QString::fromStdString(document.GetName()));
    description_->setPlainText(QString::fromStdString(document.GetDescription()));

    inputs_->clear();
    output_->clear();
    for (const auto& entry : document.GetItems()) {
        const QString name = QString::fromStdString(entry->GetName());
        if (entry->Type == wtOutput) {
            output_->addItem(EntryLine(*entry), name);
            continue;
        }
        auto* row = new QListWidgetItem(EntryLine(*entry), inputs_);
        row->setData(kNameRole, name);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(entry->Type == wtInput ? Qt::Checked : Qt::Unchecked);
    }
    // The output is the user's choice, never a default.
    output_->setCurrentIndex(-1);

    folders_->clear();
    folders_->setCurrentItem(nullptr);
    if (IUserFuncFolder* library = UserFunctionsIntf()) {
        auto* top = new QTreeWidgetItem(folders_, QStringList(QStringLiteral("Root")));
        AddFolderNodes(top, library->GetFolder());
        top->setExpanded(true);
        // The top folder is chosen until the user picks another, so that a
        // library without subfolders needs no click to create into.
        folders_->setCurrentItem(top);
    }
}

void Tfrm_CreateFunction::AddFolderNodes(QTreeWidgetItem* node, TUserFuncFolder& folder) {
    node->setData(0, kFolderRole, QVariant::fromValue(reinterpret_cast<quintptr>(&folder)));
    for (const auto& subfolder : folder.Subfolders()) {
        auto* child =
            new QTreeWidgetItem(node, QStringList(QString::fromStdString(subfolder->Name())));
        AddFolderNodes(child, *subfolder);
    }
}

TUserFuncFolder* Tfrm_CreateFunction::SelectedFolder() const {
    const QTreeWidgetItem* node = folders_->currentItem();
    if (!node || !node->isSelected()) return nullptr;
    return reinterpret_cast<TUserFuncFolder*>(node->data(0, kFolderRole).value<quintptr>());
}

QString Tfrm_CreateFunction::CheckStep(int step) const {
    QString message;
    switch (step) {
        case Step1: {
            const std::string name = TrimBlanks(name_->text().toStdString());
            if (name.empty()) message = QStringLiteral("The function name cannot be empty.");
            IUserFuncFolder* library = UserFunctionsIntf();
            if (library && library->FindByName(name) != nullptr)
                message = QStringLiteral("A function of this name already exists.");
            break;
        }
        case Step2:
            if (output_->currentIndex() < 0)
                message = QStringLiteral("Please select the output parameter.");
            break;
        case Step3:
            if (SelectedFolder() == nullptr)
                message = QStringLiteral("Please select the folder to save the function in.");
            break;
    }
    return message;
}

void Tfrm_CreateFunction::Next() {
    if (pages_->currentIndex() < Step3) pages_->setCurrentIndex(pages_->currentIndex() + 1);
}

void Tfrm_CreateFunction::Previous() {
    if (pages_->currentIndex() == Step1) return;
    checksEnabled_ = false;
    pages_->setCurrentIndex(pages_->currentIndex() - 1);
    checksEnabled_ = true;
}

void Tfrm_CreateFunction::PageChanging(int newPage) {
    if (reverting_) return;
    const QString message = checksEnabled_ ? CheckStep(currentPage_) : QString();
    if (!message.isEmpty()) {
        // The tab widget has switched already; put the page back before telling why.
        reverting_ = true;
        pages_->setCurrentIndex(currentPage_);
        reverting_ = false;
        Prompts().ShowError(this, message);
        return;
    }
    currentPage_ = newPage;
    UpdateButtons();
}

void Tfrm_CreateFunction::UpdateButtons() {
    const int page = pages_->currentIndex();
    create_->setEnabled(page == Step3);
    previous_->setEnabled(page != Step1);
    next_->setEnabled(page != Step3);
}

bool Tfrm_CreateFunction::SaveFunction(QString* error) const {
    std::unique_ptr<TCalcVarsBase> function = document_->Clone();
    function->SetDescription(description_->toPlainText().toStdString());
    function->ResetTypes();
    for (int row = 0; row < inputs_->count(); ++row) {
        const QListWidgetItem* item = inputs_->item(row);
        if (item->checkState() == Qt::Checked)
            function->MarkInput(item->data(kNameRole).toString().toStdString(), {});
    }
    function->MarkOutput(output_->currentData().toString().toStdString(), {});
    std::string reason;
    const bool saved = function->SaveAsFunction(TrimBlanks(name_->text().toStdString()),
                                                *SelectedFolder(), &reason);
    if (!saved) *error = QString::fromStdString(reason);
    return saved;
}

void Tfrm_CreateFunction::Create() {
    if (document_ == nullptr) return;
    // Every page is checked again: a tab click can skip the output page.
    for (int step : {Step3, Step1, Step2}) {
        const QString message = CheckStep(step);
        if (!message.isEmpty()) {
            Prompts().ShowError(this, message);
            return;
        }
    }
    QString error;
    if (!SaveFunction(&error)) {
        Prompts().ShowError(this, error);
        return;
    }
    accept();
}

void RunCreateFunction(QWidget* parent, ICalcVars& document) {
    Tfrm_CreateFunction dialog(parent);
    dialog.Init(document);
    ExecDialog(dialog);
}

}  // namespace quillix
