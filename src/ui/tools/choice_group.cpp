// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/choice_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillix {

TChoiceGroup::TChoiceGroup(const QString& title, const QStringList& items, int current,
                           QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    for (int index = 0; index < items.size(); ++index) {
        auto* button = new QRadioButton(items[index], this);
        group_->addButton(button, index);
        layout->addWidget(button);
    }
    SetCurrent(current);
}

int TChoiceGroup::Current() const {
    return group_->checkedId();
}

void TChoiceGroup::SetCurrent(int index) {
    if (QAbstractButton* button = group_->button(index)) button->setChecked(true);
}

QRadioButton* TChoiceGroup::Button(int index) const {
    return qobject_cast<QRadioButton*>(group_->button(index));
}

}  // namespace quillix
