// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-screens OUTDIR [--scale-tag TAG] | --grab-screen FILE
// Builds the real main window in typical states (ALG with a formula, RPN with
// values on the stack, variables with a negative, a date and an error value,
// each skin) and the tool windows with worked numbers, and saves a PNG of each. --grab-screen saves
// the whole screen, for a picture of the real program started beside it.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <iostream>

#include "common/date_format.h"
#include "config/calc_config.h"
#include "config/digits_choice.h"
#include "config/settings_table.h"
#include "dialog_launchers_all.h"
#include "drop_down/calc_drop_down.h"
#include "engine/keypad_keys.h"
#include "keypad/formula_field.h"
#include "keypad/keypad_frame.h"
#include "model/formula_reader.h"
#include "model/value_format.h"
#include "platform/app_home.h"
#include "platform/skins.h"
#include "tools/date_calculations_window.h"
#include "tools/finance_box.h"
#include "whatif_windows/goal_seek_dialog.h"
#include "whatif_windows/range_fields.h"
#include "whatif_windows/whatif_window.h"
#include "tools/finance_pages.h"
#include "tools/unit_converter_window.h"
#include "vars/calc_vars.h"
#include "vars/library_call_runner.h"
#include "vars_view/vars_view.h"
#include "window/main_window.h"
#include "window/tape_dock.h"

namespace quillix {
namespace {

void Keys(Tfra_KeypadFW& keypad, const QStringList& captions) {
    for (const QString& caption : captions) {
        if (const TKeypadKey* key = FindKeypadKey(caption.toStdString()))
            keypad.ExecuteCommand(key->Code);
    }
}

void Save(QWidget& widget, const QString& folder, const QString& name) {
    widget.show();
    widget.raise();
    widget.activateWindow();
    QTest::qWait(150);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path)) std::cerr << "cannot write " << path.toStdString() << "\n";
    std::cout << path.toStdString() << "\n";
}

void FillVariables(TCalcVars& vars) {
    vars.Add("Price", TCalcValue::New(1250));
    vars.Add("Discount", TCalcValue::New(-75.5L));
    FormulaReaderOptions options;
    options.vars = &vars;
    vars.Add("Total", ReadFormula("Price+Discount", options).value);
    vars.Add("Due", TCalcValue::NewDate(46022));  // 31 December 2025
    vars.Add("Ratio", ReadFormula("Total/(Price-1250)", options).value);
    vars.SetValueType("Price", wtInput);
    vars.SetValueType("Discount", wtInput);
    vars.SetValueType("Total", wtOutput);
    vars.SetDescription("The price after the discount");
    vars.Find("Price")->Description = "The list price";
}

// The loan program the what-if windows explore: 200,000 at 6 % over 30 years.
void FillLoan(ICalcVarsBase& vars) {
    FormulaReaderOptions options;
    options.vars = &vars;
    const std::pair<const char*, const char*> entries[] = {
        {"Principal", "200000"},   {"Rate", "0.06"},
        {"Years", "30"},           {"Months", "Years*12"},
        {"Payment", "PMT(Rate/12,Months,Principal,0)"},
        {"Total", "Payment*Months"}};
    for (const auto& [name, formula] : entries)
        vars.Add(name, ReadFormula(formula, options).value);
    vars.SetValueType("Rate", wtInput);
    vars.SetValueType("Payment", wtOutput);
    vars.SetValueType("Total", wtOutput);
}

// What-If (a loan's table and plot, a grid of two inputs) and Goal Seek (an
// answer, and a target no rate reaches).
void ShootWhatIf(const QString& folder, const QString& name) {
    TCalcVarsBase loan;
    FillLoan(loan);
    Tfrm_WhatIf table(loan);
    table.InputBox()->setCurrentText(QStringLiteral("Years"));
    table.Range().SetSteps(5, 40, 15, false);
    table.Calculate();
    Save(table, folder, name + QStringLiteral("-whatif-loan"));
    Tfrm_WhatIf grid(loan);
    grid.InputBox()->setCurrentText(QStringLiteral("Rate"));
    grid.Range().SetSteps(0.04L, 0.08L, 9, false);
    grid.SecondInputBox()->setCurrentText(QStringLiteral("Years"));
    grid.SecondRange().SetList(QStringLiteral("10, 15, 20, 25, 30"));
    grid.CheckOutputs({"Payment"});
    grid.Calculate();
    Save(grid, folder, name + QStringLiteral("-whatif-grid"));
    const std::pair<const char*, const char*> seeks[] = {{"-1500", "found"},
                                                         {"5", "not-found"}};
    for (const auto& [target, state] : seeks) {
        Tfrm_GoalSeek seek(loan, "Rate");
        seek.TargetEdit()->setText(QString::fromLatin1(target));
        seek.Solve();
        Save(seek, folder, name + QStringLiteral("-goalseek-") + QString::fromLatin1(state));
    }
}

// What a skin could recolour or squeeze: the program runner's page and the
// finance box's depreciation table.
void ShootSkinned(const QString& folder, const QString& name, Tfrm_main& window) {
    std::string error;
    if (!window.Libraries().Programs().FindByName("Discounts"))
        window.Document().SaveNew(window.Libraries().Programs(), "Discounts", &error);
    Tfrm_ProgramRun runner(&window);
    if (runner.Load("Discounts")) {
        runner.Calculate();
        Save(runner, folder, name + QStringLiteral("-runner"));
    }
    Tfrm_FinanceBox finance;
    finance.Depreciation().Cost().AssignNumber(cvNumber, 1000);
    finance.Depreciation().Salvage().AssignNumber(cvNumber, 100);
    finance.Depreciation().Calculate();
    finance.Pages()->setCurrentWidget(&finance.Depreciation());
    Save(finance, folder, name + QStringLiteral("-depreciation"));
    ShootWhatIf(folder, name);
}

// What a new user meets first: the fixed format on the keypad, typed
// formulas, the variables list with room, the rate boxes in percent, the
// converter converting, a field holding a variable, a date being typed.
void ShootFirstHour(const QString& folder, const QString& name, Tfrm_main& window,
                    IConfigor& settings) {
    const TValueFormatRecord kept = ValueFormatSettings();
    window.ChooseDigits(DigitsListIndex(kFixedFormat, 4));
    Save(window, folder, name + QStringLiteral("-fix4"));
    ValueFormatSettings() = kept;
    window.ChooseDigits(DigitsListIndex(kept.ValueFormat, kept.ValueDigits));

    WriteBoolSetting(settings, TSetting::KeypadTypedFormulas, true);
    window.Keypad().FormulaField()->Edit()->setText(QStringLiteral("2+3*4"));
    Save(window, folder, name + QStringLiteral("-typed-formula"));
    window.Keypad().FormulaField()->Edit()->clear();
    Save(window, folder, name + QStringLiteral("-typed-formula-empty"));
    WriteBoolSetting(settings, TSetting::KeypadTypedFormulas, false);

    const QSize size = window.size();
    window.resize(1100, size.height());
    Save(window, folder, name + QStringLiteral("-variables-wide"));
    window.resize(size);

    Tfrm_FinanceBox finance;
    finance.Tvm().Box(tools::TTvmKey::IYR).AssignNumber(cvNumber, 6);
    Save(finance, folder, name + QStringLiteral("-finance-tvm"));
    finance.Pages()->setCurrentWidget(&finance.Rates());
    Save(finance, folder, name + QStringLiteral("-finance-rates"));

    Tfrm_unitconv converter;
    converter.Category()->setCurrentIndex(converter.Category()->findText(QStringLiteral("Speed")));
    converter.ConvertFrom()->setCurrentIndex(
        converter.ConvertFrom()->findText(QStringLiteral("KilometersPerHour")));
    converter.ConvertTo()->setCurrentIndex(
        converter.ConvertTo()->findText(QStringLiteral("MilesPerHour")));
    converter.FromBox().Edit()->setText(QStringLiteral("100"));
    emit converter.FromBox().Edit()->textEdited(QStringLiteral("100"));
    Save(converter, folder, name + QStringLiteral("-converter-typed"));
    if (TCalcValueWarper* price = window.Document().Find("Price"))
        converter.FromBox().TakeOver(price->Value->MakeReference());
    Save(converter, folder, name + QStringLiteral("-converter-variable"));

    Tfrm_DateCalculations dates;
    dates.Pages()->setCurrentIndex(1);
    dates.show();
    QApplication::setActiveWindow(&dates);
    (void)QTest::qWaitForWindowActive(&dates);
    QWidget* beginning = dates.Beginning();
    beginning->setFocus();
    QTest::keyClick(beginning, Qt::Key_A, Qt::ControlModifier);
    for (const QChar key : QStringLiteral("2024-02-2")) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClicks(focus ? focus : beginning, QString(key));
    }
    Save(dates, folder, name + QStringLiteral("-date-typing"));
    dates.hide();
}

// The Edit menu and the variables view's pop-up menu after a delete: Undo
// names it. The delete is undone afterwards.
void ShootUndoMenus(const QString& folder, const QString& tag, Tfrm_main& window) {
    window.Document().DeleteAt(1);
    for (QAction* top : window.menuBar()->actions()) {
        if (top->text() != QLatin1String("&Edit")) continue;
        QMenu& edit = *top->menu();
        edit.popup(window.mapToGlobal(QPoint(40, 20)));
        Save(edit, folder, QStringLiteral("menu-edit-undo%1").arg(tag));
        edit.hide();
    }
    QMenu& popup = *window.VarsView().Menu();
    popup.popup(window.mapToGlobal(QPoint(300, 80)));
    Save(popup, folder, QStringLiteral("menu-variables-undo%1").arg(tag));
    popup.hide();
    window.Undo();
}

// Stack-style RPN with T, Z, Y over the display, and the tape beside it.
void ShootStackAndTape(const QString& folder, const QString& name, Tfrm_main& window,
                       IConfigor& settings) {
    settings.WriteInteger("Keypad", "InputMode", 1);
    settings.WriteString("Keypad", "RPNStyle", "Stack");
    Keys(window.Keypad(), {"C", "1", "2", "Enter", "3", "4", "+", "2", "Enter", "5", "*",
                           "7", "Enter", "8", "Enter", "9"});
    window.Tape().toggleViewAction()->trigger();  // as View > Tape: the window widens
    Save(window, folder, name + QStringLiteral("-stack-tape"));
    window.Tape().toggleViewAction()->trigger();
    settings.WriteString("Keypad", "RPNStyle", "Classic");
    settings.WriteInteger("Keypad", "InputMode", 2);
    Keys(window.Keypad(), {"C"});
}

// The tool windows, each with a worked example on its busiest page.
void ShootTools(const QString& folder, const QString& tag) {
    Tfrm_FinanceBox finance;
    TFinanceTvmPage& tvm = finance.Tvm();
    const std::pair<tools::TTvmKey, double> loan[] = {{tools::TTvmKey::N, 360},
                                                      {tools::TTvmKey::IYR, 6},
                                                      {tools::TTvmKey::PV, 100000},
                                                      {tools::TTvmKey::FV, 0}};
    for (const auto& [key, number] : loan)
        tvm.Box(key).AssignNumber(cvNumber, number);
    tvm.Solve(tools::TTvmKey::PMT);
    Save(finance, folder, QStringLiteral("tool-finance-tvm%1").arg(tag));
    finance.Amortisation().Calculate();
    finance.Pages()->setCurrentWidget(&finance.Amortisation());
    Save(finance, folder, QStringLiteral("tool-finance-amortisation%1").arg(tag));
    finance.Depreciation().Cost().AssignNumber(cvNumber, 1000);
    finance.Depreciation().Salvage().AssignNumber(cvNumber, 100);
    finance.Depreciation().Calculate();
    finance.Pages()->setCurrentWidget(&finance.Depreciation());
    Save(finance, folder, QStringLiteral("tool-finance-depreciation%1").arg(tag));

    Tfrm_DateCalculations dates;
    dates.Pages()->setCurrentIndex(1);
    dates.CountDaysBetween();
    Save(dates, folder, QStringLiteral("tool-dates%1").arg(tag));

    Tfrm_unitconv converter;
    converter.FromBox().AssignNumber(cvNumber, 1);
    converter.Convert();
    Save(converter, folder, QStringLiteral("tool-converter%1").arg(tag));
}

// Every dialog, filled from the variables of the main window's program.
void ShootDialogs(const QString& folder, const QString& tag, Tfrm_main& window,
                  IConfigor& settings) {
    TCalcVars& document = window.Document();
    std::string error;
    document.SaveNew(window.Libraries().Programs(), "Discounts", &error);

    Tfrm_FunctionParam pmt(&window, *FindFunc(74), false);
    pmt.Prepare();
    Save(pmt, folder, QStringLiteral("dialog-parameters-pmt%1").arg(tag));
    std::vector<ValueRef> flows{TCalcValue::New(-1000), TCalcValue::New(300), TCalcValue::New(420),
                                TCalcValue::New(680)};
    Tfrm_ArrayParam array(&window, QStringLiteral("CashFlows:  "), flows);
    Save(array, folder, QStringLiteral("dialog-array%1").arg(tag));

    Tfrm_ProgramRun runner(&window);
    if (runner.Load("Discounts")) {
        runner.Calculate();
        Save(runner, folder, QStringLiteral("dialog-runner%1").arg(tag));
    }
    Tfrm_sourceView source(&window);
    source.Fill(document);
    Save(source, folder, QStringLiteral("dialog-source-view%1").arg(tag));
    Tfrm_Open manager(window.Libraries().Programs(), 3, &window);
    Save(manager, folder, QStringLiteral("dialog-library-manager%1").arg(tag));
    Tfrm_Open saveAs(window.Libraries().Programs(), 2, &window);
    Save(saveAs, folder, QStringLiteral("dialog-library-save-as%1").arg(tag));

    Tfrm_VariableProperties variable(&window);
    variable.SetEntry(*document.Find("Total"));
    Save(variable, folder, QStringLiteral("dialog-variable-properties%1").arg(tag));
    Tfrm_programProperties program(&window);
    program.SetDocument(document);
    Save(program, folder, QStringLiteral("dialog-program-properties%1").arg(tag));
    Tfrm_CreateFunction create(&window);
    create.Init(document);
    // The third page is reached only past the output check, which asks.
    for (int page = 0; page < 2; ++page) {
        create.Pages()->setCurrentIndex(page);
        Save(create, folder, QStringLiteral("dialog-create-function-%1%2").arg(page + 1).arg(tag));
    }
    TfrmOptionDlg options(settings, &window);
    for (int page = 0; page < options.Pages()->count(); ++page) {
        options.Pages()->setCurrentIndex(page);
        Save(options, folder, QStringLiteral("dialog-options-%1%2").arg(page + 1).arg(tag));
    }
    TAboutBox about(&window);
    Save(about, folder, QStringLiteral("dialog-about%1").arg(tag));
    Tfrm_upgrade upgrade(&window);
    Save(upgrade, folder, QStringLiteral("dialog-upgrade%1").arg(tag));
    const std::unique_ptr<QWidget> memory(CreateMemoryView(&window, window.Keypad().Engine()));
    Save(*memory, folder, QStringLiteral("dialog-memory-view%1").arg(tag));

    TCalcDropDown field;
    field.AssignNumber(cvNumber, 1250);
    field.show();
    field.DropDownCalculator();
    Save(field.CalcWindow(), folder, QStringLiteral("dialog-drop-down-calculator%1").arg(tag));
    field.DropDownVariables();
    Save(field.VarsWindow(), folder, QStringLiteral("dialog-drop-down-variables%1").arg(tag));
}

int Shoot(const QString& folder, const QString& tag) {
    QTemporaryDir home;
    SetAppHomeFolder(home.path().toStdString());
    SetShortDateFormatter([](const CivilDate& date) { return FormatIsoDate(date); });
    TCalcConfig settings(SettingsFilePath(home.path().toStdString()));
    TDLogFile log(TDLogStartup{
        home.path().toStdString(), {"quillix"}, QUILLIX_VERSION, {}, {}, std::nullopt});
    TLibraryCallRunner runner;
    Tfrm_main window(log);
    Tfra_KeypadFW& keypad = window.Keypad();

    Keys(keypad, {"1", "2", ".", "5", "+", "7", "*", "2", "="});
    Save(window, folder, QStringLiteral("main-alg%1").arg(tag));
    Keys(keypad, {"(", "4", "+", "6", ")", "/", "8"});
    Save(window, folder, QStringLiteral("main-alg-typing%1").arg(tag));

    // A formula with a fault: the line under the field, then the room it gives back.
    TFormulaField& formula = *keypad.FormulaField();
    formula.Edit()->setText(QStringLiteral("Sqrt(4)+Rat"));
    formula.Submit();
    Save(window, folder, QStringLiteral("main-formula-error%1").arg(tag));
    formula.Escape();
    formula.Escape();
    Save(window, folder, QStringLiteral("main-formula-error-gone%1").arg(tag));

    settings.Configor().WriteInteger("Keypad", "InputMode", 1);
    Keys(keypad, {"C", "5", "=", "7", "=", "9"});
    Save(window, folder, QStringLiteral("main-rpn%1").arg(tag));
    settings.Configor().WriteInteger("Keypad", "InputMode", 2);

    FillVariables(window.Document());
    Keys(keypad, {"C"});
    Save(window, folder, QStringLiteral("main-variables%1").arg(tag));
    ShootUndoMenus(folder, tag, window);

    for (const TSkinEntry& skin : ListSkins()) {
        window.ApplySkin(skin.FileName);
        Save(window, folder, QStringLiteral("skin-%1%2").arg(skin.Caption, tag));
        ShootSkinned(folder, QStringLiteral("skin-%1%2").arg(skin.Caption, tag), window);
        ShootStackAndTape(folder, QStringLiteral("skin-%1%2").arg(skin.Caption, tag), window,
                          settings.Configor());
        ShootFirstHour(folder, QStringLiteral("skin-%1%2").arg(skin.Caption, tag), window,
                       settings.Configor());
    }
    ShootTools(folder, tag);
    ShootDialogs(folder, tag, window, settings.Configor());
    window.Document().Clear();
    settings.Configor().WriteBool("Main", "AlwaysOnTop", false);
    return 0;
}

}  // namespace
}  // namespace quillix

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("--grab-screen")) {
        QTest::qWait(500);
        return QGuiApplication::primaryScreen()->grabWindow(0).save(args[1]) ? 0 : 1;
    }
    if (args.isEmpty()) {
        std::cerr << "usage: quillix-screens OUTDIR [TAG] | --grab-screen FILE\n";
        return 2;
    }
    QDir().mkpath(args[0]);
    return quillix::Shoot(args[0], args.size() > 1 ? args[1] : QString());
}
