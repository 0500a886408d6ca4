// SPDX-License-Identifier: GPL-3.0-or-later
// The variable and program properties dialogs: what they show, that OK writes
// and announces and Cancel leaves everything as it was, and that several-line
// descriptions survive a save and an open.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QPlainTextEdit>
#include <functional>
#include <vector>

#include "dialogs/program_properties.h"
#include "dialogs/variable_properties.h"
#include "launchers.h"
#include "model/operate_binary.h"
#include "support/node_builder.h"
#include "support/ui_environment.h"

namespace quillix {
namespace {

using test::Make;

struct TEvent {
    std::uint8_t Action;
    int Index;
};

// Records the program document's events.
class TEventLog {
  public:
    explicit TEventLog(ICalcVars& vars) : vars_(vars) {
        listener_.OnChange = [this](std::uint8_t action, int index, TCalcValueWarper*,
                                    const std::string&) {
            events_.push_back({action, index});
        };
        vars_.AddListener(&listener_);
    }
    ~TEventLog() { vars_.RemoveListener(&listener_); }
    const std::vector<TEvent>& Events() const { return events_; }

  private:
    ICalcVars& vars_;
    TCalcVarsEventsObject listener_;
    std::vector<TEvent> events_;
};

class PropertiesDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        Vars().Add("a", TCalcValue::New(2));
        Vars().Add("b", TCalcValue::New(3.5));
        Vars().Add("s", Make<TCalcOperatePlus>(Vars().GetValue("a")->MakeReference(),
                                               Vars().GetValue("b")->MakeReference()));
        // A fresh document is not modified; the test cares about the dialogs only.
        std::string error;
        ASSERT_TRUE(Vars().SaveToFile(env.Home() + "/start.prg", &error)) << error;
    }
    // Answers the next dialog: fills it in with fill, then OK or Cancel.
    template <class Dialog>
    void DriveDialog(bool ok, std::function<void(Dialog&)> fill) {
        env.Dialogs().ScriptFor<Dialog>([ok, fill](Dialog& dialog) {
            fill(dialog);
            return ok ? QDialog::Accepted : QDialog::Rejected;
        });
    }
    TCalcVars& Vars() { return env.Vars(); }
    TCalcValueWarper& Entry(const char* name) { return *Vars().Find(name); }

    test::TUiEnvironment env;
};

TEST_F(PropertiesDialogs, VariableShowsNameValueFormulaRoleAndDescription) {
    Entry("s").Type = wtOutput;
    Entry("s").Description = "the sum";
    Tfrm_VariableProperties dialog;
    dialog.SetEntry(Entry("s"));
    EXPECT_EQ(dialog.NameText()->text(), "s");
    EXPECT_EQ(dialog.ValueText()->text(), "5.5");
    EXPECT_EQ(dialog.ExpressionText()->text(), "a+b");
    EXPECT_EQ(dialog.TypeGroup()->checkedId(), wtOutput);
    EXPECT_EQ(dialog.Description()->toPlainText(), "the sum");

    // A value without a formula shows its plain value as the expression.
    dialog.SetEntry(Entry("b"));
    EXPECT_EQ(dialog.ExpressionText()->text(), "3.5");
    EXPECT_EQ(dialog.TypeGroup()->checkedId(), wtNormal);
}

TEST_F(PropertiesDialogs, VariableOkWritesAndAnnouncesCancelChangesNothing) {
    struct Row {
        bool ok;
        int role;
        const char* description;
    };
    const Row rows[] = {
        {true, wtOutput, "result"},
        {true, wtInput, ""},
        {false, wtOutput, "never kept"},
    };
    for (const Row& row : rows) {
        std::string error;
        ASSERT_TRUE(Vars().LoadFromFile(env.Home() + "/start.prg", &error)) << error;
        Entry("b").Description = "old";
        TEventLog log(Vars());
        DriveDialog<Tfrm_VariableProperties>(row.ok, [&](Tfrm_VariableProperties& dialog) {
            dialog.TypeGroup()->button(row.role)->click();
            dialog.Description()->setPlainText(QString::fromUtf8(row.description));
        });
        EXPECT_EQ(RunVariableProperties(nullptr, Entry("b")), row.ok);
        const TCalcValueWarper& entry = Entry("b");
        if (row.ok) {
            EXPECT_EQ(entry.Type, row.role);
            EXPECT_EQ(entry.Description, row.description);
            EXPECT_TRUE(Vars().GetModified());
            // Announced as an edited row (index 1), not as a change of role.
            ASSERT_EQ(log.Events().size(), 1u);
            EXPECT_EQ(log.Events()[0].Action, vaItemChanged);
            EXPECT_EQ(log.Events()[0].Index, 1);
        } else {
            EXPECT_EQ(entry.Type, wtNormal);
            EXPECT_EQ(entry.Description, "old");
            EXPECT_FALSE(Vars().GetModified());
            EXPECT_TRUE(log.Events().empty());
        }
    }
}

TEST_F(PropertiesDialogs, ProgramShowsNameAndOkWritesTheDescription) {
    struct Row {
        bool ok;
        const char* description;
    };
    const Row rows[] = {{true, "Loan plan"}, {true, ""}, {false, "never kept"}};
    for (const Row& row : rows) {
        std::string error;
        ASSERT_TRUE(Vars().LoadFromFile(env.Home() + "/start.prg", &error)) << error;
        Vars().SetDescription("before");
        ASSERT_TRUE(Vars().SaveToFile(env.Home() + "/start.prg", &error));
        TEventLog log(Vars());
        QString shownName;
        DriveDialog<Tfrm_programProperties>(row.ok, [&](Tfrm_programProperties& dialog) {
            shownName = dialog.NameText()->text();
            EXPECT_EQ(dialog.Description()->toPlainText(), "before");
            dialog.Description()->setPlainText(QString::fromUtf8(row.description));
        });
        EXPECT_EQ(RunProgramProperties(nullptr, Vars()), row.ok);
        EXPECT_EQ(shownName, "New");
        EXPECT_EQ(Vars().GetDescription(), row.ok ? row.description : "before");
        EXPECT_EQ(Vars().GetModified(), row.ok);
        EXPECT_TRUE(log.Events().empty());
    }
}

TEST_F(PropertiesDialogs, DescriptionsOfSeveralLinesSurviveSaveAndOpen) {
    const QString variableText = QStringLiteral("first line\nsecond, 50% off\n\nlast");
    const QString programText = QStringLiteral("Loan\n  indented\tline");
    DriveDialog<Tfrm_VariableProperties>(true, [&](Tfrm_VariableProperties& dialog) {
        dialog.Description()->setPlainText(variableText);
    });
    ASSERT_TRUE(RunVariableProperties(nullptr, Entry("s")));
    DriveDialog<Tfrm_programProperties>(true, [&](Tfrm_programProperties& dialog) {
        dialog.Description()->setPlainText(programText);
    });
    ASSERT_TRUE(RunProgramProperties(nullptr, Vars()));

    std::string error;
    ASSERT_TRUE(Vars().SaveAs(env.Libraries().Programs(), "Loan", &error)) << error;
    Vars().New();
    ASSERT_TRUE(Vars().Open("Loan", &error)) << error;
    EXPECT_EQ(Entry("s").Description, variableText.toStdString());
    EXPECT_EQ(Vars().GetDescription(), programText.toStdString());

    // The dialogs show them again line by line.
    Tfrm_VariableProperties variable;
    variable.SetEntry(Entry("s"));
    EXPECT_EQ(variable.Description()->toPlainText(), variableText);
    Tfrm_programProperties program;
    program.SetDocument(Vars());
    EXPECT_EQ(program.NameText()->text(), "Loan");
    EXPECT_EQ(program.Description()->toPlainText(), programText);
}

}  // namespace
}  // namespace quillix
