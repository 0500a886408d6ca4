#include "dialogs/dialog_buttons.h"

#include <QDialog>
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

}  // namespace quillix
