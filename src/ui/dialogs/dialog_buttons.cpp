// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dialog_buttons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quillix {

TDialogButtons AddDialogButtons(QDialog& dialog, const QString& okCaption,
                                const QString& cancelCaption) {
    TDialogButtons buttons;
    buttons.Box = new QDialogButtonBox(&dialog);
    buttons.Ok = buttons.Box->addButton(okCaption, QDialogButtonBox::AcceptRole);
    buttons.Ok->setDefault(true);
    QObject::connect(buttons.Ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    if (!cancelCaption.isEmpty()) {
        buttons.Cancel = buttons.Box->addButton(cancelCaption, QDialogButtonBox::RejectRole);
        QObject::connect(buttons.Cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    }
    return buttons;
}

QPlainTextEdit* AddDescriptionBox(QDialog& dialog, QBoxLayout& layout) {
    auto* label = new QLabel(QStringLiteral("&Description:"), &dialog);
    auto* box = new QPlainTextEdit(&dialog);
    box->setTabChangesFocus(true);
    label->setBuddy(box);
    layout.addWidget(label);
    layout.addWidget(box, 1);
    return box;
}

TDialogButtons AddOkCancel(QDialog& dialog, QBoxLayout& layout) {
    const TDialogButtons buttons =
        AddDialogButtons(dialog, QStringLiteral("&OK"), QStringLiteral("&Cancel"));
    layout.addWidget(buttons.Box);
    return buttons;
}

}  // namespace quillix
