#pragma once
// The confirm and cancel buttons every small dialog ends with, their captions
// as each dialog names them, wired to accept and reject.

#include <QDialogButtonBox>
#include <QString>

class QDialog;
class QPushButton;

namespace quillix {

struct TDialogButtons {
    QDialogButtonBox* Box = nullptr;
    QPushButton* Ok = nullptr;
    QPushButton* Cancel = nullptr;
};

// okCaption is the default button; an empty cancelCaption leaves it out.
TDialogButtons AddDialogButtons(QDialog& dialog, const QString& okCaption,
                                const QString& cancelCaption);

}  // namespace quillix
