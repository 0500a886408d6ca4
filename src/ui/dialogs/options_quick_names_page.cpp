// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/options_quick_names_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

#include "platform/user_prompts.h"
#include "vars/quick_names_list.h"

namespace quillix {

TQuickNamesPage::TQuickNamesPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(QStringLiteral("Quick variable name"), this);
    auto* row = new QHBoxLayout(box);
    list_ = new QListWidget(box);
    list_->setAccessibleName(QStringLiteral("Quick variable name"));
    row->addWidget(list_, 1);

    auto* buttons = new QVBoxLayout();
    add_ = new QPushButton(QStringLiteral("Add"), box);
    remove_ = new QPushButton(QStringLiteral("Remove"), box);
    up_ = new QToolButton(box);
    up_->setArrowType(Qt::UpArrow);
    up_->setAccessibleName(QStringLiteral("Up"));
    up_->setToolTip(QStringLiteral("Up"));
    down_ = new QToolButton(box);
    down_->setArrowType(Qt::DownArrow);
    down_->setAccessibleName(QStringLiteral("Down"));
    down_->setToolTip(QStringLiteral("Down"));
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    auto* arrows = new QHBoxLayout();
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    buttons->addLayout(arrows);
    buttons->addStretch(1);
    row->addLayout(buttons);
    layout->addWidget(box);

    connect(add_, &QPushButton::clicked, this, &TQuickNamesPage::Add);
    connect(remove_, &QPushButton::clicked, this, &TQuickNamesPage::Remove);
    connect(up_, &QToolButton::clicked, this, &TQuickNamesPage::MoveUp);
    connect(down_, &QToolButton::clicked, this, &TQuickNamesPage::MoveDown);
    connect(list_, &QListWidget::currentRowChanged, this, &TQuickNamesPage::UpdateButtons);
    UpdateButtons();
}

void TQuickNamesPage::SetNames(const std::vector<std::string>& names) {
    list_->clear();
    for (const std::string& name : names)
        list_->addItem(QString::fromStdString(name));
    list_->setCurrentRow(-1);
    UpdateButtons();
}

std::vector<std::string> TQuickNamesPage::Names() const {
    std::vector<std::string> names;
    for (int row = 0; row < list_->count(); ++row)
        names.push_back(list_->item(row)->text().toStdString());
    return names;
}

void TQuickNamesPage::Add() {
    const auto text = Prompts().AskText(this, QStringLiteral("Input Box"),
                                        QStringLiteral("Variable name:"), QString());
    if (!text) return;
    const std::string name = QuickNameToAdd(Names(), text->toStdString());
    if (!name.empty()) list_->addItem(QString::fromStdString(name));
}

void TQuickNamesPage::Remove() {
    const int row = list_->currentRow();
    if (row < 0) return;
    std::unique_ptr<QListWidgetItem> removed(list_->takeItem(row));
    list_->setCurrentRow(-1);
    UpdateButtons();
}

void TQuickNamesPage::MoveUp() {
    Move(-1);
}

void TQuickNamesPage::MoveDown() {
    Move(+1);
}

void TQuickNamesPage::Move(int delta) {
    std::vector<std::string> names = Names();
    const int row = MoveQuickName(names, list_->currentRow(), delta);
    if (row == list_->currentRow()) return;
    SetNames(names);
    list_->setCurrentRow(row);
    UpdateButtons();
}

void TQuickNamesPage::UpdateButtons() {
    const TQuickNameButtons state = QuickNameButtons(list_->count(), list_->currentRow());
    remove_->setEnabled(state.Remove);
    up_->setEnabled(state.Up);
    down_->setEnabled(state.Down);
}

}  // namespace quillix
