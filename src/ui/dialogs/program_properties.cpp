// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/program_properties.h"

#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"
#include "launchers.h"
#include "model/calc_vars_intf.h"
#include "platform/dialog_driver.h"

namespace quillix {

Tfrm_programProperties::Tfrm_programProperties(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Program Properties"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    name_ = new QLabel(this);
    name_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    form->addRow(QStringLiteral("Name:"), name_);
    layout->addLayout(form);

    description_ = AddDescriptionBox(*this, *layout);
    const TDialogButtons buttons = AddOkCancel(*this, *layout);
    ok_ = buttons.Ok;
    cancel_ = buttons.Cancel;
}

void Tfrm_programProperties::SetDocument(ICalcVars& document) {
    document_ = &document;
    name_->setText(QString::fromStdString(document.GetName()));
    description_->setPlainText(QString::fromStdString(document.GetDescription()));
}

void Tfrm_programProperties::Apply() {
    if (document_) document_->SetDescription(description_->toPlainText().toStdString());
}

bool RunProgramProperties(QWidget* parent, ICalcVars& document) {
    Tfrm_programProperties dialog(parent);
    dialog.SetDocument(document);
    if (ExecDialog(dialog) != QDialog::Accepted) return false;
    dialog.Apply();
    return true;
}

}  // namespace quillix
