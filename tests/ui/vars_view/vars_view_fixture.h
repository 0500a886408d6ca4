// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the variables-view tests share: the environment, a keypad that records
// what the view asks of it, a view shown on the program document, and short
// ways to fill the document and read the rows.

#include <gtest/gtest.h>

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "keypad_intf.h"
#include "model/operate_binary.h"
#include "support/node_builder.h"
#include "support/ui_environment.h"
#include "vars_view/vars_model.h"
#include "vars_view/vars_view.h"

namespace quillix::test {

class TRecordingKeypad final : public IKeypad {
  public:
    struct TPress {
        std::uint8_t Code;
        ValueRef Value;
    };
    void PressCommand(std::uint8_t code, const TCalcCommondData* data) override {
        Presses.push_back({code, data ? data->Value : ValueRef()});
    }
    void RegisterHotkeys(bool) override {
        Calls.push_back("RegisterHotkeys");
        Registered = true;
    }
    void UnregisterHotkeys() override {
        Calls.push_back("UnregisterHotkeys");
        Registered = false;
    }
    bool HotkeysRegistered() const override { return Registered; }
    bool HotkeysRespectModal() const override { return true; }
    void EndModal() override { Calls.push_back("EndModal"); }
    void BeginModal() override { Calls.push_back("BeginModal"); }
    void ApplyFunction(int funcID) override { Functions.push_back(funcID); }

    std::vector<TPress> Presses;
    std::vector<int> Functions;
    std::vector<std::string> Calls;
    bool Registered = true;
};

class VarsViewTest : public ::testing::Test {
  protected:
    VarsViewTest() {
        view = std::make_unique<Tfra_VarsView>();
        view->resize(480, 360);
        view->show();
    }

    TCalcVars& Vars() { return env.Vars(); }
    TVarsModel& Model() { return *view->Model(); }

    void Attach() {
        view->SetVars(&env.Vars());
        view->SetKeypad(&keypad);
    }
    ValueRef Ref(const std::string& name) { return Vars().GetValue(name)->MakeReference(); }
    void AddNumber(const std::string& name, long double number) {
        ASSERT_TRUE(Vars().Add(name, TCalcValue::New(number)));
    }
    void AddSum(const std::string& name, const std::string& operand, long double number) {
        ASSERT_TRUE(
            Vars().Add(name, Make<TCalcOperatePlus>(Ref(operand), TCalcValue::New(number))));
    }

    QString Cell(int row, int column, int role = Qt::DisplayRole) {
        return Model().index(row, column).data(role).toString();
    }
    QStringList Names() {
        QStringList names;
        for (int row = 0; row < Model().rowCount(); ++row) {
            names << Cell(row, TVarsModel::kNameColumn);
        }
        return names;
    }
    void Select(std::initializer_list<int> rows) {
        QItemSelectionModel* selection = view->List()->selectionModel();
        selection->clearSelection();
        for (int row : rows) {
            selection->select(Model().index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (const QModelIndex& index : view->List()->selectionModel()->selectedRows()) {
            rows.push_back(index.row());
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    // The pop-up menu's entry of that caption, as the user reads it.
    QAction* Entry(const char* caption) const {
        for (QAction* action : view->Menu()->findChildren<QAction*>())
            if (action->text() == QLatin1String(caption)) return action;
        ADD_FAILURE() << "no entry " << caption;
        return nullptr;
    }
    bool Enabled(const char* caption) {
        QAction* action = Entry(caption);
        return action && action->isEnabled();
    }
    QToolButton* Button(const QString& hint) {
        for (QToolButton* button : view->findChildren<QToolButton*>()) {
            if (button->toolTip() == hint) return button;
        }
        ADD_FAILURE() << "no button " << hint.toStdString();
        return nullptr;
    }
    // The model matches the set row for row.
    void ExpectRowsFollowSet() {
        const TCalcValueWarperList& items = Vars().GetItems();
        ASSERT_EQ(Model().rowCount(), static_cast<int>(items.size()));
        for (int row = 0; row < Model().rowCount(); ++row) {
            const TCalcValue& value = *items[row]->Value;
            EXPECT_EQ(Cell(row, TVarsModel::kNameColumn).toStdString(), value.Name());
            EXPECT_EQ(Cell(row, TVarsModel::kValueColumn).toStdString(),
                      value.FormatValue(kPlainStyle));
        }
    }

    TUiEnvironment env;
    TRecordingKeypad keypad;
    std::unique_ptr<Tfra_VarsView> view;
};

}  // namespace quillix::test
