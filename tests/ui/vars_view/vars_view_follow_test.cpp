// SPDX-License-Identifier: GPL-3.0-or-later
// The variables view follows the program document: rows, texts, colours, icons
// and the title after every kind of change.

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "support/temp_folder.h"
#include "vars_view_fixture.h"

namespace quillix::test {
namespace {

TEST_F(VarsViewTest, ShowsColumnsAndStartsAsNew) {
    EXPECT_EQ(view->Title()->text(), "New");
    QHeaderView* header = view->List()->horizontalHeader();
    const QStringList captions = {"", "Name", "Value", "Expression"};
    ASSERT_EQ(Model().columnCount(), captions.size());
    for (int column = 0; column < captions.size(); ++column) {
        EXPECT_EQ(Model().headerData(column, Qt::Horizontal).toString(), captions[column]);
    }
    EXPECT_EQ(header->sectionSize(TVarsModel::kRoleColumn), 22);
    EXPECT_GE(header->sectionSize(TVarsModel::kValueColumn), 120);  // it takes the room left
    EXPECT_FALSE(view->List()->accessibleName().isEmpty());
    EXPECT_FALSE(view->Title()->accessibleName().isEmpty());
}

TEST_F(VarsViewTest, RowsShowNameValueAndFormula) {
    AddNumber("a", 2);
    Attach();  // the rows already in the set
    AddSum("b", "a", 1);
    ASSERT_EQ(Model().rowCount(), 2);
    EXPECT_EQ(Cell(0, TVarsModel::kNameColumn), "a");
    EXPECT_EQ(Cell(0, TVarsModel::kValueColumn), "2");
    EXPECT_EQ(Cell(0, TVarsModel::kExpressionColumn), "2");  // a typed number: its value
    EXPECT_EQ(Cell(1, TVarsModel::kNameColumn), "b");
    EXPECT_EQ(Cell(1, TVarsModel::kValueColumn), "3");
    EXPECT_EQ(Cell(1, TVarsModel::kExpressionColumn), "a+1");
}

TEST_F(VarsViewTest, AddInsertsOneRowAtTheEnd) {
    Attach();
    AddNumber("a", 1);
    QSignalSpy inserted(&Model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&Model(), &QAbstractItemModel::modelReset);
    AddNumber("b", 2);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 1);
    EXPECT_EQ(inserted[0][2].toInt(), 1);
    EXPECT_EQ(reset.count(), 0);
    ExpectRowsFollowSet();
}

TEST_F(VarsViewTest, SetValueRefreshesTheDependantsRows) {
    Attach();
    AddNumber("a", 2);
    AddSum("b", "a", 1);
    AddSum("c", "b", 10);
    QSignalSpy changed(&Model(), &QAbstractItemModel::dataChanged);
    ASSERT_TRUE(Vars().SetValue("a", TCalcValue::New(-20)));
    ASSERT_GE(changed.count(), 1);
    const QModelIndex top = changed.last()[0].value<QModelIndex>();
    const QModelIndex bottom = changed.last()[1].value<QModelIndex>();
    EXPECT_EQ(top.row(), 0);
    EXPECT_EQ(bottom.row(), 2);
    EXPECT_EQ(bottom.column(), TVarsModel::kExpressionColumn);
    EXPECT_EQ(Cell(1, TVarsModel::kValueColumn), "-19");
    EXPECT_EQ(Cell(2, TVarsModel::kValueColumn), "-9");
    EXPECT_EQ(Model().index(1, TVarsModel::kValueColumn).data(Qt::ForegroundRole).value<QColor>(),
              QColor(255, 0, 0));
    EXPECT_EQ(Model().index(2, TVarsModel::kValueColumn).data(Qt::ForegroundRole).value<QColor>(),
              QColor(255, 0, 0));
}

TEST_F(VarsViewTest, ValueColumnColours) {
    Attach();
    ValueRef error = TCalcValue::New(5);
    error->SetError("Floating point division by zero");
    struct {
        const char* Name;
        ValueRef Value;
        QColor Expected;
    } cases[] = {
        {"negative", TCalcValue::New(-0.5L), QColor(255, 0, 0)},
        {"zero", TCalcValue::New(0), QColor(0, 0, 255)},
        {"positive", TCalcValue::New(7), QColor(0, 0, 255)},
        {"date", TCalcValue::NewDate(45000), QColor(0, 0, 128)},
        // An error is a failure to see at once, however its number reads.
        {"error", error, QColor(255, 0, 0)},
    };
    for (auto& c : cases)
        ASSERT_TRUE(Vars().Add(c.Name, c.Value));
    for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
        SCOPED_TRACE(cases[row].Name);
        EXPECT_EQ(
            Model().index(row, TVarsModel::kValueColumn).data(Qt::ForegroundRole).value<QColor>(),
            cases[row].Expected);
        for (int column : {TVarsModel::kNameColumn, TVarsModel::kExpressionColumn}) {
            EXPECT_EQ(Model().index(row, column).data(Qt::ForegroundRole).value<QColor>(),
                      QColor(Qt::black));
        }
    }
    EXPECT_EQ(Cell(4, TVarsModel::kValueColumn), "Floating point division by zero");
}

TEST_F(VarsViewTest, RoleIconsAndTheirRefresh) {
    Attach();
    for (const char* name : {"a", "b", "c"})
        AddNumber(name, 1);
    Vars().SetValueTypeAt(0, wtInput);
    Vars().SetValueType("c", wtOutput);
    auto icon = [&](int row) {
        return Model().index(row, TVarsModel::kRoleColumn).data(Qt::DecorationRole).value<QIcon>();
    };
    EXPECT_FALSE(icon(0).isNull());
    EXPECT_TRUE(icon(1).isNull());
    EXPECT_FALSE(icon(2).isNull());
    EXPECT_NE(icon(0).cacheKey(), icon(2).cacheKey());
    EXPECT_EQ(Cell(0, TVarsModel::kRoleColumn, Qt::AccessibleTextRole), "Input");
    EXPECT_EQ(Cell(2, TVarsModel::kRoleColumn, Qt::AccessibleTextRole), "Output");
}

TEST_F(VarsViewTest, DeletedVariableLeavesItsDependantsShowingTheirValues) {
    Attach();
    AddNumber("a", 4);
    AddSum("b", "a", 1);
    QSignalSpy removed(&Model(), &QAbstractItemModel::rowsRemoved);
    ASSERT_EQ(Vars().Delete("a"), 0);
    EXPECT_EQ(removed.count(), 1);
    ExpectRowsFollowSet();
    EXPECT_EQ(Cell(0, TVarsModel::kValueColumn), "5");
    EXPECT_EQ(Cell(0, TVarsModel::kExpressionColumn), "4+1");
}

TEST_F(VarsViewTest, ClearAndNewEmptyTheList) {
    Attach();
    AddNumber("a", 1);
    AddNumber("b", 2);
    Vars().Clear();
    EXPECT_EQ(Model().rowCount(), 0);
    AddNumber("c", 3);
    Vars().New();
    EXPECT_EQ(Model().rowCount(), 0);
    EXPECT_EQ(view->Title()->text(), "New");
}

TEST_F(VarsViewTest, TitleFollowsSavingAndNew) {
    Attach();
    AddNumber("rate", 5);
    std::string error;
    ASSERT_TRUE(Vars().SaveNew(env.Libraries().Programs(), "Loan", &error)) << error;
    EXPECT_EQ(view->Title()->text(), "Loan");
    ASSERT_TRUE(Vars().SaveAs(env.Libraries().Programs(), "Mortgage", &error)) << error;
    EXPECT_EQ(view->Title()->text(), "Mortgage");
    Vars().New();
    EXPECT_EQ(view->Title()->text(), "New");
}

TEST_F(VarsViewTest, OpeningAProgramShowsItsRows) {
    AddNumber("principal", 1000);
    AddSum("total", "principal", 50);
    std::string error;
    ASSERT_TRUE(Vars().SaveNew(env.Libraries().Programs(), "Loan", &error)) << error;
    Vars().New();
    Attach();
    ASSERT_TRUE(Vars().Open("Loan", &error)) << error;
    ExpectRowsFollowSet();
    EXPECT_EQ(Cell(1, TVarsModel::kExpressionColumn), "principal+50");
    // A view attached to an opened program shows its name at once.
    Tfra_VarsView second;
    second.SetVars(&Vars());
    EXPECT_EQ(second.Title()->text(), "Loan");
}

TEST_F(VarsViewTest, LoadingShowsTheProgramsName) {
    Attach();
    AddNumber("principal", 1000);
    std::string error;
    ASSERT_TRUE(Vars().SaveNew(env.Libraries().Programs(), "Loan", &error)) << error;
    view->Title()->setText("stale");
    ASSERT_TRUE(Vars().LoadFromFile(Vars().GetProgram()->GetFileName(), &error)) << error;
    EXPECT_EQ(view->Title()->text(), "Loan");
}

TEST_F(VarsViewTest, TenThousandVariablesLoadIntoTheView) {
    constexpr int kCount = 10000;
    {
        TCalcVarsBase program;
        ASSERT_TRUE(program.Add("V0", TCalcValue::New(1)));
        for (int i = 1; i < kCount; ++i) {
            ValueRef previous = program.GetValue("V" + std::to_string(i - 1))->MakeReference();
            ASSERT_TRUE(program.Add("V" + std::to_string(i),
                                    Make<TCalcOperatePlus>(previous, TCalcValue::New(1))));
        }
        std::string error;
        ASSERT_TRUE(program.SaveToFile(env.HomeFolder().File("big.prg"), &error)) << error;
    }
    Attach();
    AddNumber("before", 1);
    std::string error;
    ASSERT_TRUE(Vars().LoadFromFile(env.HomeFolder().File("big.prg"), &error)) << error;
    ASSERT_EQ(Model().rowCount(), kCount);
    EXPECT_EQ(Cell(kCount - 1, TVarsModel::kNameColumn), "V9999");
    EXPECT_EQ(Cell(kCount - 1, TVarsModel::kExpressionColumn), "V9998+1");
    view->List()->scrollToBottom();
    QCoreApplication::processEvents();
    // Then one change at the head reaches the last row.
    ASSERT_TRUE(Vars().SetValue("V0", TCalcValue::New(0)));
    QCoreApplication::processEvents();
    EXPECT_EQ(Cell(kCount - 1, TVarsModel::kValueColumn), "9999");
}

TEST_F(VarsViewTest, ViewGoingFirstStopsListening) {
    {
        Tfra_VarsView early;
        early.SetVars(&Vars());
    }
    AddNumber("a", 1);  // a listener left behind would call the gone view here
    EXPECT_EQ(Vars().Count(), 1);
}

TEST_F(VarsViewTest, SetGoingFirstLeavesAnEmptyView) {
    auto scratch = std::make_unique<TCalcVars>();  // not the published document
    view->SetVars(scratch.get());
    ASSERT_TRUE(scratch->Add("a", TCalcValue::New(1)));
    ASSERT_EQ(Model().rowCount(), 1);
    scratch.reset();
    EXPECT_EQ(Model().rowCount(), 0);
    view->List()->viewport()->repaint();
}

TEST_F(VarsViewTest, PublishesItselfWhileAlive) {
    EXPECT_EQ(VarsViewIntf, view.get());
    view.reset();
    EXPECT_EQ(VarsViewIntf, nullptr);
}

}  // namespace
}  // namespace quillix::test
