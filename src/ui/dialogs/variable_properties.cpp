// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/variable_properties.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"
#include "launchers.h"
#include "model/calc_value_warper.h"
#include "model/calc_vars_intf.h"
#include "platform/dialog_driver.h"

namespace quillix {

namespace {

QLabel* SelectableLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setWordWrap(true);
    return label;
}

}  // namespace

Tfrm_VariableProperties::Tfrm_VariableProperties(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Variable properties"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    name_ = SelectableLabel(this);
    value_ = SelectableLabel(this);
    expression_ = SelectableLabel(this);
    form->addRow(QStringLiteral("Name:"), name_);
    form->addRow(QStringLiteral("Value:"), value_);
    form->addRow(QStringLiteral("Expression:"), expression_);
    layout->addLayout(form);

    auto* typeBox = new QGroupBox(QStringLiteral("Type"), this);
    auto* typeRow = new QHBoxLayout(typeBox);
    type_ = new QButtonGroup(this);
    for (const std::uint8_t role : kRoles) {
        const std::string_view caption = RoleCaption(role);
        auto* button = new QRadioButton(
            QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())), typeBox);
        type_->addButton(button, role);
        typeRow->addWidget(button);
    }
    layout->addWidget(typeBox);

    description_ = AddDescriptionBox(*this, *layout);
    const TDialogButtons buttons = AddOkCancel(*this, *layout);
    ok_ = buttons.Ok;
    cancel_ = buttons.Cancel;
}

void Tfrm_VariableProperties::SetEntry(TCalcValueWarper& entry) {
    entry_ = &entry;
    name_->setText(QString::fromStdString(entry.GetName()));
    value_->setText(QString::fromStdString(entry.Value->FormatValue(kPlainStyle)));
    expression_->setText(QString::fromStdString(entry.Value->GetFormulaText()));
    if (QAbstractButton* button = type_->button(entry.Type)) button->setChecked(true);
    description_->setPlainText(QString::fromStdString(entry.Description));
}

namespace {

// Where entry stands in the document; -1 when it is none of its entries.
int IndexOfEntry(ICalcVars& document, const TCalcValueWarper* entry) {
    const TCalcValueWarperList& items = document.GetItems();
    for (std::size_t index = 0; index < items.size(); ++index)
        if (items[index].get() == entry) return static_cast<int>(index);
    return -1;
}

}  // namespace

void Tfrm_VariableProperties::Apply(ICalcVars* document) {
    if (entry_ == nullptr) return;
    const int checked = type_->checkedId();
    const std::uint8_t role = checked >= wtNormal && checked <= wtOutput
                                  ? static_cast<std::uint8_t>(checked)
                                  : entry_->Type;
    const std::string description = description_->toPlainText().toStdString();
    const int index = document ? IndexOfEntry(*document, entry_) : -1;
    if (index >= 0) {
        // Through the document, so that the change can be undone.
        document->SetProperties(index, role, description);
        return;
    }
    entry_->Type = role;
    entry_->Description = description;
    if (document) document->Changed(entry_);
}

bool RunVariableProperties(QWidget* parent, TCalcValueWarper& entry) {
    return RunVariableProperties(parent, entry, CalcVarsIntf());
}

bool RunVariableProperties(QWidget* parent, TCalcValueWarper& entry, ICalcVars* document) {
    Tfrm_VariableProperties dialog(parent);
    dialog.SetEntry(entry);
    if (ExecDialog(dialog) != QDialog::Accepted) return false;
    dialog.Apply(document);
    return true;
}

}  // namespace quillix
