// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_dialogs.h"

#include "platform/dialog_driver.h"

namespace quillix::test {

TScriptedDialogs::TScriptedDialogs() {
    SetDialogDriver([this](QDialog& dialog) { return Answer(dialog); });
}

TScriptedDialogs::~TScriptedDialogs() {
    SetDialogDriver({});
}

int TScriptedDialogs::Answer(QDialog& dialog) {
    ++shown_;
    if (answers_.empty()) {
        ADD_FAILURE() << "a modal dialog nobody scripted: \"" << dialog.windowTitle().toStdString()
                      << "\"";
        return QDialog::Rejected;
    }
    // Taken first: the answer may open a dialog of its own.
    const TAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer(dialog);
}

}  // namespace quillix::test
