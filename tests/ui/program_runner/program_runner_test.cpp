// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/program_runner.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPointer>
#include <QTest>

#include "drop_down/calc_drop_down.h"
#include "launchers.h"
#include "model/value_format.h"
#include "support/fifo_watch.h"
#include "support/library_programs.h"
#include "support/ui_environment.h"

namespace quillix::test {
namespace {

class ProgramRunner : public ::testing::Test {
  protected:
    TUiEnvironment env;

    TUserFuncFolder& Programs() { return env.Libraries().Programs(); }
    std::unique_ptr<Tfrm_ProgramRun> Runner(const std::string& name) {
        auto runner = std::make_unique<Tfrm_ProgramRun>();
        EXPECT_TRUE(runner->Load(name));
        return runner;
    }
    QString Output(Tfrm_ProgramRun& runner, const char* name) {
        return runner.OutputField(name)->text();
    }
};

TEST_F(ProgramRunner, TheFirstInputLabelIsAtTwelveWithoutDescriptions) {
    SaveDifference(Programs(), "Diff");
    auto runner = Runner("Diff");
    QLabel* a = runner->InputLabel("a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->x(), 10);
    EXPECT_EQ(a->y(), 12);
    EXPECT_EQ(a->text(), "a:  ");
    TCalcDropDown* aField = runner->InputField("A");
    ASSERT_NE(aField, nullptr);
    EXPECT_EQ(aField->y(), 12);
    EXPECT_EQ(aField->x(), a->x() + a->width());
    EXPECT_EQ(aField->Edit()->text(), "10");
    // The next row starts at the bottom of the field above; the outputs 10 lower.
    EXPECT_EQ(runner->InputLabel("b")->y(), aField->geometry().bottom() + 1);
    TCalcDropDown* bField = runner->InputField("b");
    EXPECT_EQ(runner->OutputField("r")->y(), bField->geometry().bottom() + 1 + 10);
    EXPECT_TRUE(runner->OutputField("r")->isReadOnly());
    EXPECT_TRUE(Output(*runner, "r").isEmpty());
    EXPECT_EQ(runner->windowTitle(), "Diff");
}

TEST_F(ProgramRunner, DescriptionsComeFirstInTheirColours) {
    TDifferenceProgram program;
    program.Description = "Difference of two numbers";
    program.InputDescription = "The first number";
    SaveDifference(Programs(), "Diff", program);
    auto runner = Runner("Diff");
    QLabel* description = nullptr;
    QLabel* inputDescription = nullptr;
    for (QLabel* label : runner->FieldsArea()->findChildren<QLabel*>()) {
        if (label->text() == "Difference of two numbers") description = label;
        if (label->text() == "The first number") inputDescription = label;
    }
    ASSERT_NE(description, nullptr);
    ASSERT_NE(inputDescription, nullptr);
    runner->ensurePolished();
    EXPECT_EQ(description->y(), 2);
    EXPECT_EQ(description->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    EXPECT_EQ(inputDescription->y(), description->geometry().bottom() + 1 + 10);
    EXPECT_EQ(inputDescription->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    EXPECT_EQ(runner->InputLabel("a")->y(), inputDescription->geometry().bottom() + 1);
}

TEST_F(ProgramRunner, CalculateTwiceGivesTheSameOutputs) {
    SaveDifference(Programs(), "Diff");
    auto runner = Runner("Diff");
    runner->InputField("a")->AssignNumber(cvNumber, 100);
    runner->InputField("b")->AssignNumber(cvNumber, 58);
    runner->Calculate();
    EXPECT_EQ(Output(*runner, "r"), "42");
    runner->Calculate();
    EXPECT_EQ(Output(*runner, "r"), "42");
    runner->ensurePolished();
    EXPECT_EQ(runner->OutputField("r")->palette().color(QPalette::Text), QColor(0, 0, 0xFF));
}

TEST_F(ProgramRunner, AnErrorInTheProgramShowsAsTheOutputText) {
    TCalcVarsBase set;
    set.Add("a", TCalcValue::New(1));
    set.Add("b", TCalcValue::New(0));
    set.Add("r", Make<TCalcOperateDIV>(set.GetValue("a")->MakeReference(),
                                       set.GetValue("b")->MakeReference()));
    set.SetValueType("a", wtInput);
    set.SetValueType("b", wtInput);
    set.SetValueType("r", wtOutput);
    SaveSet(Programs(), "Ratio", set);
    auto runner = Runner("Ratio");
    runner->Calculate();
    EXPECT_EQ(Output(*runner, "r"), "Floating point division by zero");
}

TEST_F(ProgramRunner, ReturnAsksAgainForATakenOrEmptyNameThenAddsAProgramNode) {
    SaveDifference(Programs(), "Diff");
    env.Vars().Add("x", TCalcValue::New(1));
    auto runner = Runner("Diff");
    runner->InputField("a")->AssignNumber(cvNumber, 7);
    env.Prompts().ScriptText(QString("X "));
    env.Prompts().ScriptText(QString("  "));
    env.Prompts().ScriptText(QString("Result"));
    EXPECT_TRUE(runner->ReturnOutput("r"));
    ASSERT_TRUE(env.Prompts().ScriptUsed());

    const auto& asked = env.Prompts().Records();
    ASSERT_EQ(asked.size(), 3u);
    for (const TPromptRecord& record : asked)
        EXPECT_EQ(record.Caption, "Return r");
    EXPECT_EQ(asked[0].Text, "Variable's name:");
    EXPECT_EQ(asked[0].Initial, "r");
    EXPECT_EQ(asked[1].Text, "The name 'X ' already exists.\nVariable's name:");
    EXPECT_EQ(asked[1].Initial, "X ");
    EXPECT_EQ(asked[2].Text, "The name '  ' already exists.\nVariable's name:");

    ASSERT_EQ(env.Vars().Count(), 2);
    const TCalcValue* result = env.Vars().GetValue("Result");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->GetFormulaText(), "Diff('r',7,4)");
    EXPECT_EQ(result->FormatValue(kPlainStyle), "3");
}

// A skin colours every label its own way; the runner's page keeps its colours.
TEST_F(ProgramRunner, DescriptionsKeepTheirColoursUnderADarkSkin) {
    TDifferenceProgram program;
    program.Description = "Difference of two numbers";
    program.InputDescription = "The first number";
    SaveDifference(Programs(), "Diff", program);
    struct TSkin {
        TSkin() { qApp->setStyleSheet("QWidget { background: #1e2430; color: #dfe6f0; }"); }
        ~TSkin() { qApp->setStyleSheet(QString()); }
    } skin;
    auto runner = Runner("Diff");
    runner->ensurePolished();
    QMap<QString, QColor> colours;
    for (QLabel* label : runner->FieldsArea()->findChildren<QLabel*>())
        colours[label->text()] = label->palette().color(QPalette::WindowText);
    EXPECT_EQ(colours["Difference of two numbers"], QColor(0, 0x80, 0));
    EXPECT_EQ(colours["The first number"], QColor(0, 0, 0x80));
    EXPECT_EQ(colours["a:  "], QColor(0, 0, 0));
    EXPECT_EQ(runner->OutputField("r")->palette().color(QPalette::Text), QColor(0, 0, 0xFF));
    EXPECT_EQ(runner->FieldsArea()->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(ProgramRunner, TheFieldsStandInOneColumn) {
    TCalcVarsBase set;
    set.Add("a", TCalcValue::New(1));
    set.Add("Principal", TCalcValue::New(2));
    set.Add("r", Make<TCalcOperatePlus>(set.GetValue("a")->MakeReference(),
                                        set.GetValue("Principal")->MakeReference()));
    set.SetValueType("a", wtInput);
    set.SetValueType("Principal", wtInput);
    set.SetValueType("r", wtOutput);
    SaveSet(Programs(), "Sum", set);
    auto runner = Runner("Sum");
    const int column = runner->InputField("Principal")->x();
    EXPECT_EQ(runner->InputField("a")->x(), column);
    EXPECT_EQ(runner->OutputField("r")->x(), column);
    EXPECT_GE(column, runner->InputLabel("Principal")->x() +
                          runner->InputLabel("Principal")->sizeHint().width());
    EXPECT_EQ(runner->InputLabel("a")->x(), 10);
}

// What the user typed goes into the returned formula with every digit, even
// while the display rounds to two decimals.
TEST_F(ProgramRunner, ReturnKeepsEveryTypedDigitInFixedFormat) {
    SaveDifference(Programs(), "Diff");
    SetValueFormat(2);
    auto runner = Runner("Diff");
    TCalcDropDown* a = runner->InputField("a");
    a->Edit()->clear();
    QTest::keyClicks(a->Edit(), "0.005");
    env.Prompts().ScriptText(QString("Result"));
    ASSERT_TRUE(runner->ReturnOutput("r"));
    SetValueFormat(-1);
    const TCalcValue* result = env.Vars().GetValue("Result");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->GetFormulaText(), "Diff('r',0.005,4)");
    runner->Calculate();
    EXPECT_EQ(Output(*runner, "r"), "-3.995");
}

TEST_F(ProgramRunner, CancellingReturnAddsNothing) {
    SaveDifference(Programs(), "Diff");
    env.Vars().Add("x", TCalcValue::New(1));
    auto runner = Runner("Diff");
    for (int taken = 0; taken < 2; ++taken) {
        // Cancelled at the first prompt, then after one refusal.
        if (taken) env.Prompts().ScriptText(QString("x"));
        env.Prompts().ScriptText(std::nullopt);
        EXPECT_FALSE(runner->ReturnOutput("r"));
        EXPECT_EQ(env.Vars().Count(), 1);
    }
    EXPECT_TRUE(env.Prompts().ScriptUsed());
}

TEST_F(ProgramRunner, TheReturnMenuListsTheOutputsAndItsChoiceAddsTheVariable) {
    TCalcVarsBase set;
    FillDifference(set, {});
    set.Add("s", Make<TCalcOperatePlus>(set.GetValue("a")->MakeReference(),
                                        set.GetValue("b")->MakeReference()));
    set.SetValueType("s", wtOutput);
    SaveSet(Programs(), "Both", set);
    auto runner = Runner("Both");
    QMenu* menu = runner->ReturnMenu();
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->data().toString(), "r");
    EXPECT_EQ(menu->actions()[1]->data().toString(), "s");
    // Built afresh each time, not added to.
    EXPECT_EQ(runner->ReturnMenu()->actions().size(), 2);

    env.Prompts().ScriptText(QString("Sum"));
    runner->ReturnMenu()->actions()[1]->trigger();
    ASSERT_NE(env.Vars().GetValue("Sum"), nullptr);
    EXPECT_EQ(env.Vars().GetValue("Sum")->GetFormulaText(), "Both('s',10,4)");
    EXPECT_EQ(env.Vars().GetValue("Sum")->FormatValue(kPlainStyle), "14");
}

TEST_F(ProgramRunner, TheReturnedVariableFollowsTheProgramFile) {
    SaveDifference(Programs(), "Diff");
    auto runner = Runner("Diff");
    env.Prompts().ScriptText(QString("d"));
    ASSERT_TRUE(runner->ReturnOutput("r"));
    TCalcValue* value = env.Vars().GetValue("d");
    EXPECT_EQ(value->FormatValue(kPlainStyle), "6");
    TDifferenceProgram plus;
    plus.Plus = true;
    SaveDifference(Programs(), "Diff", plus);
    value->Recalculate();
    EXPECT_EQ(value->FormatValue(kPlainStyle), "14");
}

TEST_F(ProgramRunner, AMissingProgramShowsNothing) {
    Tfrm_ProgramRun runner;
    EXPECT_FALSE(runner.Load("Nowhere"));
    const int windows = QApplication::topLevelWidgets().size();
    RunProgramRunner(nullptr, "Nowhere", false);
    RunProgramRunner(nullptr, "Nowhere", true);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
}

TEST_F(ProgramRunner, AnUnreadableProgramFileIsReportedAndNotShown) {
    env.HomeFolder().Write("UserPrograms/Broken.prg", "<Vars><not closed");
    env.ReloadLibraries();
    env.Prompts().ExpectMessages();
    Tfrm_ProgramRun runner;
    EXPECT_FALSE(runner.Load("Broken"));
    EXPECT_EQ(env.Prompts().Messages().size(), 1);
}

TEST_F(ProgramRunner, AFifoInTheLibraryIsReportedWithoutAWait) {
    env.HomeFolder().MakeDir("UserPrograms");
    const TFifoWatch fifo(env.HomeFolder().File("UserPrograms/Loan.prg"));
    ASSERT_TRUE(fifo.Made());
    env.ReloadLibraries();
    env.Prompts().ExpectMessages();
    Tfrm_ProgramRun runner;
    EXPECT_FALSE(runner.Load("Loan"));
    EXPECT_EQ(env.Prompts().Messages(),
              QStringList{QString::fromStdString("Cannot read \"" + fifo.Path() +
                                                 "\": Not a regular file")});
}

TEST_F(ProgramRunner, AModelessRunnerFreesItselfWhenClosed) {
    SaveDifference(Programs(), "Diff");
    QWidget host;
    RunProgramRunner(&host, "Diff", false);
    RunProgramRunner(&host, "Diff", false);
    const QList<Tfrm_ProgramRun*> runners = host.findChildren<Tfrm_ProgramRun*>();
    ASSERT_EQ(runners.size(), 2);
    QPointer<Tfrm_ProgramRun> first = runners[0];
    EXPECT_TRUE(first->isVisible());
    first->reject();  // "&Close"
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(host.findChildren<Tfrm_ProgramRun*>().size(), 1);
}

}  // namespace
}  // namespace quillix::test
