// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts every small dialog ends with: a multi-line "Description:" box,
// and the confirm and cancel buttons, their captions as each dialog names
// them, wired to accept and reject.

#include <QDialogButtonBox>
#include <QString>

class QBoxLayout;
class QDialog;
class QPlainTextEdit;
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
// Adds "&Description:" and its box (Tab leaves it) to layout, the box stretching.
QPlainTextEdit* AddDescriptionBox(QDialog& dialog, QBoxLayout& layout);
// Adds the "&OK" and "&Cancel" buttons to layout.
TDialogButtons AddOkCancel(QDialog& dialog, QBoxLayout& layout);

}  // namespace quillix
