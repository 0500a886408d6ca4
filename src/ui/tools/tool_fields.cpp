// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tool_fields.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "drop_down/calc_drop_down.h"
#include "platform/help_request.h"

namespace quillix {

long double BoxNumber(const TCalcDropDown& box) {
    const TCalcValue& value = box.Value();
    if (value.CVType() == cvError) RaiseCalcError(value.ErrorText());
    return value.GetNumber();
}

TCalcDropDown* NumberBox(QWidget* parent, const QString& accessibleName) {
    auto* box = new TCalcDropDown(parent);
    box->setAccessibleName(accessibleName);
    box->Edit()->setAccessibleName(accessibleName);
    // Room for a number of 18 digits, whatever the scale of the screen.
    const QFontMetrics metrics = box->Edit()->fontMetrics();
    box->Edit()->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("-599.550525152752396")));
    return box;
}

QComboBox* PickList(QWidget* parent, const QStringList& items, int current,
                    const QString& accessibleName) {
    auto* list = new QComboBox(parent);
    list->addItems(items);
    list->setCurrentIndex(current);
    list->setAccessibleName(accessibleName);
    return list;
}

QLabel* BuddyLabel(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

QPushButton* TopicHelpButton(QWidget* parent, int topic) {
    auto* button = new QPushButton(QStringLiteral("&Help"), parent);
    QObject::connect(button, &QPushButton::clicked, button, [topic] { ShowHelpTopic(topic); });
    return button;
}

void LayOutToolWindow(QDialog& window, QWidget* body, std::initializer_list<QWidget*> left,
                      std::initializer_list<QWidget*> right) {
    if (auto* pages = qobject_cast<QTabWidget*>(body)) pages->setUsesScrollButtons(false);
    auto* row = new QHBoxLayout;
    for (QWidget* widget : left)
        row->addWidget(widget);
    row->addStretch(1);
    for (QWidget* widget : right)
        row->addWidget(widget);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(body, 1);
    layout->addLayout(row);
    NoDefaultButtons(window);
}

void NoDefaultButtons(QWidget& window) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void ShowBoxValues(QWidget& window) {
    for (TCalcDropDown* box : window.findChildren<TCalcDropDown*>())
        box->ShowValue();
}

}  // namespace quillix
