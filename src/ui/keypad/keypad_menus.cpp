// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's "Functions" and "Programs" menus and what their entries do:
// built-in functions, the user's functions and programs from the libraries, the
// tool windows, and the date dialog of the "Date" button.
#include <QApplication>
#include <QMenu>
#include <QStyle>

#include "functions/func_catalogue.h"
#include "keypad/keypad_frame.h"
#include "keypad/keypad_function_menu.h"
#include "launchers.h"
#include "model/function_call.h"
#include "platform/user_prompts.h"
#include "vars/calc_exec.h"
#include "vars/user_func_folder.h"

namespace quillix {
namespace {

QString MenuCaption(std::string_view text) {
    // "&" would otherwise mark an access key.
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()))
        .replace(QLatin1Char('&'), QLatin1String("&&"));
}

// The sub-menu of menu at path ("A/B"), created on first use.
QMenu* SubMenuAt(QMenu* menu, std::string_view path) {
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const QString caption = MenuCaption(path.substr(0, slash));
        QMenu* next = nullptr;
        for (QAction* action : menu->actions())
            if (action->menu() && action->text() == caption) next = action->menu();
        if (!next) next = menu->addMenu(caption);
        menu = next;
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
    return menu;
}

// Fills menu from the library afresh. The entries of a library that has gone
// would point at freed objects, so they go with it.
void FillFromLibrary(QMenu* menu, IUserFuncFolder* library,
                     const std::function<void(TUserFuncObj&)>& onChoose) {
    TUserFuncFolder* root = library ? &library->GetFolder() : nullptr;
    if (!root) menu->clear();
    Tfra_KeypadFW::BuildLibraryMenu(menu, root, onChoose);
}

}  // namespace

void Tfra_KeypadFW::BuildFunctionsMenu() {
    functionsMenu_ = new QMenu(this);
    functionsMenu_->setObjectName(QStringLiteral("pm_functions"));
    for (const TFuncMenuGroup& group : FunctionMenuGroups()) {
        QMenu* menu = SubMenuAt(functionsMenu_, group.Path);
        for (const std::string_view caption : group.Entries) {
            const TFuncDataItem* row = MenuEntryFunction(caption);
            if (!row) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(MenuCaption(caption));
            connect(action, &QAction::triggered, this,
                    [this, row] { ApplyChosenFunction(*row, false); });
        }
    }
    functionsMenu_->addSeparator();
    myFunctionsMenu_ = functionsMenu_->addMenu(MenuCaption(kMyFunctionsCaption));
}

QMenu* Tfra_KeypadFW::FunctionsMenu() {
    FillFromLibrary(myFunctionsMenu_, UserFunctionsIntf(),
                    [this](TUserFuncObj& function) { UserFunctionChosen(function); });
    return functionsMenu_;
}

void Tfra_KeypadFW::BuildProgramsMenu() {
    programsMenu_ = new QMenu(this);
    programsMenu_->setObjectName(QStringLiteral("pm_programs"));
    for (const TToolWindow& tool : kToolWindows) {
        QAction* action = programsMenu_->addAction(QString::fromLatin1(tool.KeypadCaption));
        connect(action, &QAction::triggered, this, [this, run = tool.Run] { RunTool(run); });
    }
    programsMenu_->addSeparator();
    myProgramMenu_ = programsMenu_->addMenu(QStringLiteral("My Program"));
}

QMenu* Tfra_KeypadFW::ProgramsMenu() {
    FillFromLibrary(myProgramMenu_, UserProgramsIntf(),
                    [this](TUserFuncObj& program) { ProgramChosen(program); });
    return programsMenu_;
}

void Tfra_KeypadFW::BuildLibraryMenu(QMenu* menu, TUserFuncFolder* folder,
                                     const std::function<void(TUserFuncObj&)>& onChoose) {
    if (!menu || !folder) return;
    menu->clear();
    // clear() keeps the sub-menus it built last time; they go with their entries.
    for (QMenu* old : menu->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        old->deleteLater();
    const QIcon folderIcon = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon itemIcon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    for (const auto& subfolder : folder->Subfolders()) {
        QMenu* sub = menu->addMenu(folderIcon, MenuCaption(subfolder->Name()));
        BuildLibraryMenu(sub, subfolder.get(), onChoose);
    }
    for (const auto& object : folder->Files()) {
        QAction* action = menu->addAction(itemIcon, MenuCaption(object->Name()));
        TUserFuncObj* chosen = object.get();
        QObject::connect(action, &QAction::triggered, menu,
                         [onChoose, chosen] { onChoose(*chosen); });
    }
}

void Tfra_KeypadFW::InsertNode(std::unique_ptr<TCalcOperate> node) {
    TCalcCommondData data;
    data.Value = TCalcValue::NewComputed(std::move(node));
    ExecuteCommand(ccInsertReference, &data);
}

void Tfra_KeypadFW::ApplyFunction(int funcID) {
    if (const TFuncDataItem* row = FindFunc(funcID)) ApplyChosenFunction(*row, false);
}

void Tfra_KeypadFW::UserFunctionChosen(TUserFuncObj& function) {
    IUserFuncFolder* library = UserFunctionsIntf();
    if (!library) return;
    const std::string name = function.Name();
    const std::string fileName = library->GetFileName(name);
    if (fileName.empty()) return;
    TCalcUserFuncExec exec;
    std::string error;
    if (!exec.LoadFromFile(fileName, &error)) {
        Prompts().ShowError(
            this, QString::fromStdString("Cannot load the function " + name + ": " + error));
        return;
    }
    TFuncDataItem row = exec.MakeFuncData();
    row.Name = name;
    ApplyChosenFunction(row, true);
}

void Tfra_KeypadFW::ApplyChosenFunction(const TFuncDataItem& row, bool userFunction) {
    switch (FunctionUse(row)) {
        case TFunctionUse::CommandOnX: {
            TCalcCommondData data;
            if (userFunction)
                data.FuncName = row.Name;
            else
                data.FuncID = static_cast<std::uint8_t>(row.FuncID);
            ExecuteCommand(userFunction ? ccUserFunction : ccFunction, &data);
            return;
        }
        case TFunctionUse::InsertNode:
            if (userFunction)
                InsertNode(BindUserFunctionCall(row.Name, {}));
            else
                InsertNode(BindCatalogueCall(row, {}));
            return;
        case TFunctionUse::AskArguments: {
            const TKeypadModalScope modal(&Keypad());
            if (auto node = RunFunctionParamDialog(this, row, userFunction))
                InsertNode(std::move(node));
            return;
        }
    }
}

void Tfra_KeypadFW::ProgramChosen(TUserFuncObj& program) {
    const std::string name = program.Name();
    const TKeypadModalScope modal(&Keypad());
    RunProgramRunner(this, name, true);
}

void Tfra_KeypadFW::RunTool(void (*run)(QWidget*)) {
    const TKeypadModalScope modal(&Keypad());
    run(this);
}

void Tfra_KeypadFW::DateChosen() {
    const TKeypadModalScope modal(&Keypad());
    double day = 0;
    if (!RunDateValueDialog(this, day)) return;
    TCalcCommondData data;
    data.Value = TCalcValue::NewDate(day);
    ExecuteCommand(ccInsertValue, &data);
}

}  // namespace quillix
