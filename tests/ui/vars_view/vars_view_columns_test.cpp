// SPDX-License-Identifier: GPL-3.0-or-later
// The variables list uses its room: the value column takes what is left, the
// formula column shows while there is room, long texts keep both ends, and
// the widths the user gives come back at the next start.
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

#include "config/settings_table.h"
#include "vars_view_fixture.h"

namespace quillix::test {
namespace {

// A generous ceiling: a loaded machine never fails a test that would pass.
constexpr int kWaitMs = 60000;

class VarsViewColumns : public VarsViewTest {
  protected:
    QHeaderView* Header() const { return view->List()->horizontalHeader(); }
    int Width(int column) const { return Header()->sectionSize(column); }
    bool FormulaShown() const {
        return !view->List()->isColumnHidden(TVarsModel::kExpressionColumn);
    }
    // A view as at the next start, wide enough for the formula column.
    void ReopenWide() {
        view = std::make_unique<Tfra_VarsView>();
        view->resize(900, 360);
        view->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return FormulaShown(); }, kWaitMs));
    }
    int Used() const {
        int used = 0;
        for (int column = 0; column < TVarsModel::kColumnCount; ++column)
            if (!view->List()->isColumnHidden(column)) used += Width(column);
        return used;
    }
};

TEST_F(VarsViewColumns, TheValueColumnTakesTheRoomAndTheFormulaShowsWhenItFits) {
    const struct {
        int viewWidth;
        bool formula;
    } rows[] = {{300, false}, {900, true}, {1400, true}, {380, false}, {700, true}};
    for (const auto& row : rows) {
        view->resize(row.viewWidth, 360);
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->List()->width() > 0; }, kWaitMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return FormulaShown() == row.formula; }, kWaitMs))
            << row.viewWidth;
        EXPECT_GE(Width(TVarsModel::kValueColumn), 120) << row.viewWidth;
        // No room left unused while the value has it.
        if (Width(TVarsModel::kValueColumn) > 120 || row.formula) {
            EXPECT_EQ(Used(), view->List()->viewport()->width()) << row.viewWidth;
        }
    }
}

// As narrow as the main window's list: the name gives way so the list does
// not scroll, and takes its width back, unchanged in the settings, once the
// list is wider again.
TEST_F(VarsViewColumns, ANarrowListNarrowsTheNameRatherThanScroll) {
    WriteTextSetting(env.Settings().Configor(), TSetting::MainVarsColumnWidths, "0,110,0,0");
    ReopenWide();
    view->resize(250, 360);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Width(TVarsModel::kNameColumn) < 110; }, kWaitMs));
    EXPECT_GE(Width(TVarsModel::kNameColumn), 64);
    EXPECT_EQ(Width(TVarsModel::kValueColumn), 120);
    EXPECT_EQ(Used(), view->List()->viewport()->width());
    EXPECT_EQ(view->List()->horizontalScrollBar()->maximum(), 0);
    view->resize(900, 360);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Width(TVarsModel::kNameColumn) == 110; }, kWaitMs))
        << Width(TVarsModel::kNameColumn);
    EXPECT_EQ(ReadTextSetting(env.Settings().Configor(), TSetting::MainVarsColumnWidths),
              "0,110,0,0");
}

TEST_F(VarsViewColumns, LongTextsKeepBothEndsAndShowWholeAsTheirHint) {
    Attach();
    AddNumber("a_long_name_for_a_variable_that_does_not_fit", 1234567890.125L);
    EXPECT_EQ(view->List()->textElideMode(), Qt::ElideMiddle);
    EXPECT_EQ(Cell(0, TVarsModel::kNameColumn, Qt::ToolTipRole),
              "a_long_name_for_a_variable_that_does_not_fit");
    EXPECT_EQ(Cell(0, TVarsModel::kValueColumn, Qt::ToolTipRole),
              Cell(0, TVarsModel::kValueColumn));
}

TEST_F(VarsViewColumns, TheUsersWidthsAreRememberedForTheNextStart) {
    view->resize(900, 360);
    ASSERT_TRUE(QTest::qWaitFor([&] { return FormulaShown(); }, kWaitMs));
    Header()->resizeSection(TVarsModel::kNameColumn, 150);  // as a drag of the divider
    Header()->resizeSection(TVarsModel::kExpressionColumn, 210);
    EXPECT_EQ(ReadTextSetting(env.Settings().Configor(), TSetting::MainVarsColumnWidths),
              "0,150,0,210");
    ReopenWide();
    EXPECT_EQ(Width(TVarsModel::kNameColumn), 150);
    EXPECT_EQ(Width(TVarsModel::kExpressionColumn), 210);
}

// A hand-edited width that is no width leaves the column its own.
TEST_F(VarsViewColumns, AnUnreadableWidthIsIgnored) {
    WriteTextSetting(env.Settings().Configor(), TSetting::MainVarsColumnWidths, "x,-5,,99999");
    ReopenWide();
    EXPECT_EQ(Width(TVarsModel::kNameColumn), 100);
    EXPECT_EQ(Width(TVarsModel::kExpressionColumn), 160);
}

}  // namespace
}  // namespace quillix::test
