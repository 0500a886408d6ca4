#include "tools/tool_fields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc_drop_down.h"

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
