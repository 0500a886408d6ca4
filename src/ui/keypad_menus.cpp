// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's "Functions" and "Programs" menus and what their entries do:
// built-in functions, the user's functions and programs from the libraries, the
// tool windows, and the date dialog of the "Date" button.
#include <QApplication>
#include <QMenu>
#include <QStyle>

#include "dialogs/dialog_launchers.h"
#include "functions/func_catalogue.h"
#include "keypad_frame.h"
#include "keypad_function_menu.h"
#include "keypad_modal_scope.h"
#include "model/operate_func.h"
#include "model/operate_user.h"
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

// A new value whose formula is node, evaluated once.

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

TUserFuncFolder* LibraryRoot(IUserFuncFolder* library) {
    return library ? &library->GetFolder() : nullptr;
}

}  // namespace

void Tfra_KeypadFW::BuildFunctionsMenu() {
    functionsMenu_ = new QMenu(this);
    functionsMenu_->setObjectName(QStringLiteral("pm_functions"));
    for (const TFuncMenuGroup& group : FunctionMenuGroups()) {
        QMenu* menu = SubMenuAt(functionsMenu_, group.Path);
        for (const TFuncMenuEntry& entry : group.Entries) {
            if (entry.Caption.empty()) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(MenuCaption(entry.Caption));
            const int funcID = entry.FuncID;
            if (entry.Apply) {
                connect(action, &QAction::triggered, this,
                        [this, funcID] { ApplyFunction(funcID); });
                const TFuncDataItem* row = FindFunc(funcID);
                if (row && row->ParamCount >= 1)
                    dialogActions_.emplace_back(action,
                                                static_cast<int>(TDialogKind::FunctionParam));
            } else {
                connect(action, &QAction::triggered, this, [this, funcID] {
                    TCalcCommondData data;
                    data.FuncID = static_cast<std::uint8_t>(funcID);
                    ExecuteCommand(ccFunction, &data);
                });
            }
        }
    }
    functionsMenu_->addSeparator();
    myFunctionsMenu_ = functionsMenu_->addMenu(MenuCaption(kMyFunctionsCaption));
}

QMenu* Tfra_KeypadFW::FunctionsMenu() {
    TUserFuncFolder* root = LibraryRoot(UserFunctionsIntf());
    // Entries of a library that has gone would point at freed objects.
    if (!root) myFunctionsMenu_->clear();
    BuildLibraryMenu(myFunctionsMenu_, root,
                     [this](TUserFuncObj& function) { UserFunctionChosen(function); });
    UpdateDialogCommands();
    return functionsMenu_;
}

void Tfra_KeypadFW::BuildProgramsMenu() {
    programsMenu_ = new QMenu(this);
    programsMenu_->setObjectName(QStringLiteral("pm_programs"));
    struct TTool {
        const char* Caption;
        void (*Run)(QWidget*);
        TDialogKind Kind;
    };
    static const TTool kTools[] = {
        {"DateCalculations", &RunDateCalculations, TDialogKind::DateCalculations},
        {"Finance Box", &RunFinanceBox, TDialogKind::FinanceBox},
        {"Unit Converter", &RunUnitConverter, TDialogKind::UnitConverter},
    };
    for (const TTool& tool : kTools) {
        QAction* action = programsMenu_->addAction(QString::fromLatin1(tool.Caption));
        connect(action, &QAction::triggered, this, [this, run = tool.Run] { RunTool(run); });
        dialogActions_.emplace_back(action, static_cast<int>(tool.Kind));
    }
    programsMenu_->addSeparator();
    myProgramMenu_ = programsMenu_->addMenu(QStringLiteral("My Program"));
}

QMenu* Tfra_KeypadFW::ProgramsMenu() {
    TUserFuncFolder* root = LibraryRoot(UserProgramsIntf());
    if (!root) myProgramMenu_->clear();
    BuildLibraryMenu(myProgramMenu_, root,
                     [this](TUserFuncObj& program) { ProgramChosen(program); });
    const bool runner = DialogAvailable(TDialogKind::ProgramRunner);
    for (QAction* action : myProgramMenu_->findChildren<QAction*>())
        if (!action->menu()) action->setEnabled(runner);
    UpdateDialogCommands();
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
    const TFuncDataItem* row = FindFunc(funcID);
    if (!row) return;
    std::unique_ptr<TCalcOperate> node;
    if (row->ParamCount < 1) {
        node = std::make_unique<TCalcOperateMultiFunc>(static_cast<std::uint8_t>(funcID));
    } else {
        if (!DialogAvailable(TDialogKind::FunctionParam)) return Prompts().Beep();
        TKeypadModalScope modal(*this);
        node = RunFunctionParamDialog(this, *row, false);
    }
    if (node) InsertNode(std::move(node));
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
    if (row.ParamCount == 1) {
        TCalcCommondData data;
        data.FuncName = name;
        ExecuteCommand(ccUserFunction, &data);
        return;
    }
    std::unique_ptr<TCalcOperate> node;
    if (row.ParamCount <= 0) {
        node = std::make_unique<TCalcOperateUserFunc>(name);
    } else {
        // The parameters cannot be asked for until that dialog exists.
        if (!DialogAvailable(TDialogKind::FunctionParam)) return Prompts().Beep();
        TKeypadModalScope modal(*this);
        node = RunFunctionParamDialog(this, row, true);
    }
    if (node) InsertNode(std::move(node));
}

void Tfra_KeypadFW::ProgramChosen(TUserFuncObj& program) {
    if (!DialogAvailable(TDialogKind::ProgramRunner)) return;
    const std::string name = program.Name();
    TKeypadModalScope modal(*this);
    RunProgramRunner(this, name, true);
}

void Tfra_KeypadFW::RunTool(void (*run)(QWidget*)) {
    TKeypadModalScope modal(*this);
    run(this);
}

void Tfra_KeypadFW::DateChosen() {
    if (!DialogAvailable(TDialogKind::DateValue)) return;
    TKeypadModalScope modal(*this);
    double day = 0;
    if (!RunDateValueDialog(this, day)) return;
    TCalcCommondData data;
    data.Value = TCalcValue::NewDate(day);
    ExecuteCommand(ccInsertValue, &data);
}

}  // namespace quillix
