// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars_view/vars_formula_edit.h"

#include "keypad/formula_reading.h"
#include "model/calc_value.h"
#include "model/calc_vars_intf.h"
#include "platform/user_prompts.h"

namespace quillix {

bool EditVariableFormula(QWidget* parent, ICalcVarsBase& vars, const std::string& name) {
    const TCalcValue* value = vars.GetValue(name);
    if (!value) return false;
    const QString shownName = QString::fromStdString(value->Name());
    const QString basePrompt = QStringLiteral("Formula of %1:").arg(shownName);
    QString prompt = basePrompt;
    QString text = QString::fromStdString(value->GetFormulaText());
    for (;;) {
        const std::optional<QString> answer =
            Prompts().AskText(parent, QString::fromLatin1(kEditFormulaCaption), prompt, text);
        if (!answer) return false;
        text = *answer;
        FormulaReadResult read = ReadProgramFormula(text);
        QString reason;
        if (!read.ok()) {
            reason = QString::fromStdString(read.error->message);
        } else if (vars.SetValue(name, std::move(read.value))) {
            return true;
        } else {
            reason = QStringLiteral(
                         "The formula of %1 cannot use %1 itself or a variable "
                         "listed after it")
                         .arg(shownName);
        }
        prompt = reason + QStringLiteral("\n\n") + basePrompt;
    }
}

}  // namespace quillix
