// SPDX-License-Identifier: GPL-3.0-or-later
// The variable buttons: "V+" stores X under a new name, "V=" makes X the new
// value of a variable, "V" recalls a variable into the calculation. Each menu is
// rebuilt from the program document whenever it opens.
#include <QMenu>

#include "keypad/keypad_frame.h"
#include "model/calc_vars_intf.h"
#include "platform/user_prompts.h"
#include "vars/quick_var_names.h"

namespace quillix {
namespace {

const QString kInputBoxCaption = QStringLiteral("Input Box");
const QString kNamePrompt = QStringLiteral("Please input variable's name:");
const QString kNameExistsPrompt =
    QStringLiteral("A variable of this name already exists.\nPlease input variable's name:");

QString Caption(const std::string& name) {
    return QString::fromStdString(name).replace(QLatin1Char('&'), QLatin1String("&&"));
}

// Empties menu and adds an entry per name that calls choose with it.
template <class Choose>
void FillNameMenu(QMenu* menu, const std::vector<std::string>& names, Choose choose) {
    menu->clear();
    for (const std::string& name : names) {
        QAction* action = menu->addAction(Caption(name));
        action->setData(QString::fromStdString(name));
        QObject::connect(action, &QAction::triggered, menu, [choose, name] { choose(name); });
    }
}

std::vector<std::string> VariableNames() {
    std::vector<std::string> names;
    if (ICalcVars* vars = CalcVarsIntf()) vars->GetNames(names);
    return names;
}

}  // namespace

QMenu* Tfra_KeypadFW::AddVariableMenu() {
    QMenu* menu = addVariableMenu_;
    ICalcVars* vars = CalcVarsIntf();
    const std::vector<std::string> proposals =
        vars ? std::vector<std::string>{quickNames_->NextX(), quickNames_->NextY()}
             : std::vector<std::string>{};
    auto add = [this](const std::string& name) { AddVariable(name); };
    FillNameMenu(menu, proposals, add);
    menu->addSeparator();
    for (const std::string& name : quickNames_->Names()) {
        QAction* action = menu->addAction(Caption(name));
        action->setData(QString::fromStdString(name));
        action->setVisible(vars && !vars->Exists(name));
        connect(action, &QAction::triggered, menu, [add, name] { add(name); });
    }
    menu->addSeparator();
    QAction* other = menu->addAction(QStringLiteral("Other..."));
    other->setEnabled(vars != nullptr);
    connect(other, &QAction::triggered, this, [this] { AddVariableOther(); });
    return menu;
}

void Tfra_KeypadFW::AddVariable(const std::string& name) {
    ICalcVars* vars = CalcVarsIntf();
    const ValueRef x = engine_->Stack().X;
    if (!vars || name.empty() || !x) return;
    if (vars->Add(name, x)) ExecuteCommand(ccReferenceX);
}

void Tfra_KeypadFW::AddVariableOther() {
    ICalcVars* vars = CalcVarsIntf();
    if (!vars) return;
    // X as it is now, whatever happens while the box is open.
    const ValueRef x = engine_->Stack().X;
    const QString proposal = QString::fromStdString(quickNames_->NextV());
    const TKeypadModalScope modal(&Keypad());
    std::optional<QString> name = Prompts().AskText(this, kInputBoxCaption, kNamePrompt, proposal);
    while (name && vars->Exists(name->toStdString()))
        name = Prompts().AskText(this, kInputBoxCaption, kNameExistsPrompt, *name);
    if (!name || name->isEmpty() || !x) return;
    if (vars->Add(name->toStdString(), x)) ExecuteCommand(ccReferenceX);
}

QMenu* Tfra_KeypadFW::ReplaceVariableMenu() {
    FillNameMenu(replaceVariableMenu_, VariableNames(),
                 [this](const std::string& name) { ReplaceVariable(name); });
    return replaceVariableMenu_;
}

void Tfra_KeypadFW::ReplaceVariable(const std::string& name) {
    ICalcVars* vars = CalcVarsIntf();
    if (!vars) return;
    ExecuteCommand(ccEquals);
    // A variable that an earlier variable's formula uses is refused; X then
    // stays the finished result.
    TCalcValue* variable = vars->SetValue(name, engine_->Stack().X);
    if (!variable) return;
    engine_->Stack().X = ValueRef(variable);
    ExecuteCommand(ccReferenceX);
}

QMenu* Tfra_KeypadFW::VariablesMenu() {
    FillNameMenu(variablesMenu_, VariableNames(),
                 [this](const std::string& name) { RecallVariable(name); });
    return variablesMenu_;
}

void Tfra_KeypadFW::RecallVariable(const std::string& name) {
    ICalcVars* vars = CalcVarsIntf();
    TCalcValue* value = vars ? vars->GetValue(name) : nullptr;
    if (!value) return;
    TCalcCommondData data;
    data.Value = ValueRef(value);
    ExecuteCommand(ccInsertReference, &data);
}

}  // namespace quillix
