// SPDX-License-Identifier: GPL-3.0-or-later
// The what-if window driven as a user would: the table's rows, its copy and
// CSV text, the plot's lines and axes (and zoom, pan and reset), the grid of
// two inputs, the picture export; the document never changes.

#include "whatif_windows/whatif_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QValueAxis>
#include <QWheelEvent>

#include "common/atomic_file.h"
#include "support/ui_environment.h"
#include "whatif_windows/loan_document.h"
#include "whatif_windows/range_fields.h"
#include "whatif_windows/whatif_plot.h"
#include "whatif_windows/whatif_table_model.h"

namespace quillix::test {
namespace {

class WhatIfWindow : public ::testing::Test {
  protected:
    TUiEnvironment env;
    std::unique_ptr<TDocumentWatch> watch;
    std::unique_ptr<Tfrm_WhatIf> window;

    WhatIfWindow() {
        DefineLoan(env.Vars());
        watch = std::make_unique<TDocumentWatch>(env.Vars());
        window = std::make_unique<Tfrm_WhatIf>(env.Vars());
        window->show();
    }

    // Rate from 4 % to 8 % in five steps, Payment and Total.
    void LoanTable() {
        window->InputBox()->setCurrentText("Rate");
        window->Range().SetSteps(0.04L, 0.08L, 5, false);
        window->CheckOutputs({"Payment", "Total"});
        QTest::mouseClick(window->CalculateButton(), Qt::LeftButton);
    }
    QString Cell(int row, int column) const {
        return window->Model().index(row, column).data().toString();
    }
    QStringList Lines(const QString& text) const { return text.split('\n', Qt::SkipEmptyParts); }
};

TEST_F(WhatIfWindow, OffersOnlyInputsThatHoldAPlainNumberAndTicksTheOutputRole) {
    QStringList inputs;
    for (int i = 0; i < window->InputBox()->count(); ++i)
        inputs.append(window->InputBox()->itemText(i));
    EXPECT_EQ(inputs, QStringList({"Principal", "Rate", "Years"}));
    QTest::mouseClick(window->CalculateButton(), Qt::LeftButton);
    // Principal from 100,000 to 300,000 by default, the output role ticked.
    EXPECT_EQ(window->Model().columnCount(), 2);
    EXPECT_EQ(window->Model().headerData(1, Qt::Horizontal, Qt::DisplayRole), "Payment");
    EXPECT_EQ(window->Model().rowCount(), 11);
}

TEST_F(WhatIfWindow, TheTableHasARowPerPointAndLeavesTheDocumentAlone) {
    LoanTable();
    ASSERT_EQ(window->Problem()->text(), "");
    const TWhatIfTableModel& model = window->Model();
    ASSERT_EQ(model.rowCount(), 5);
    ASSERT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole), "Rate");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole), "Total");
    EXPECT_EQ(Cell(0, 0), "0.04");
    EXPECT_EQ(Cell(4, 0), "0.08");
    // The middle row is the document's own rate: its payment as the document shows it.
    EXPECT_EQ(Cell(2, 1).toStdString(),
              TWhatIfCell::Of(*env.Vars().GetValue("Payment")).PlainText());
    EXPECT_LT(Cell(0, 1).toDouble(), 0);
    EXPECT_TRUE(watch->Unchanged()) << watch->Events() << " events";
}

TEST_F(WhatIfWindow, AFailingPointShowsItsErrorAndThePlotLeavesItOut) {
    Define(env.Vars(), "X", "2");
    Define(env.Vars(), "Inverse", "1/X");
    Tfrm_WhatIf fresh(env.Vars());
    fresh.InputBox()->setCurrentText("X");
    fresh.Range().SetList("-1, 0, 1");
    fresh.CheckOutputs({"Inverse"});
    fresh.Calculate();
    ASSERT_EQ(fresh.Model().rowCount(), 3);
    EXPECT_EQ(fresh.Model().index(0, 1).data().toString(), "-1");
    const QString error = fresh.Model().index(1, 1).data().toString();
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fresh.Model().index(1, 1).data(Qt::ToolTipRole).toString(), error);
    ASSERT_EQ(fresh.Plot().Lines().size(), 1u);
    EXPECT_EQ(fresh.Plot().Lines()[0]->count(), 2);
}

TEST_F(WhatIfWindow, CtrlCAndCopyPutTheTableAsTabSeparatedLines) {
    LoanTable();
    QApplication::clipboard()->clear();
    QTest::keyClick(window->TableView(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = Lines(QApplication::clipboard()->text());
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "Rate\tPayment\tTotal");
    EXPECT_EQ(lines[3], QStringList({Cell(2, 0), Cell(2, 1), Cell(2, 2)}).join('\t'));
    QApplication::clipboard()->clear();
    QTest::mouseClick(window->CopyButton(), Qt::LeftButton);
    EXPECT_EQ(Lines(QApplication::clipboard()->text()), lines);
}

TEST_F(WhatIfWindow, SaveAsCsvWritesTheFileOrSaysWhyNot) {
    LoanTable();
    const std::string path = env.Home() + "/loan.csv";
    env.Prompts().ScriptSaveFile(QString::fromStdString(path));
    QTest::mouseClick(window->SaveCsvButton(), Qt::LeftButton);
    const std::optional<std::string> written = ReadWholeFile(path);
    ASSERT_TRUE(written);
    const QStringList lines = Lines(QString::fromStdString(*written));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "Rate,Payment,Total");
    EXPECT_TRUE(lines[1].startsWith("0.04,-")) << lines[1].toStdString();

    // A folder that is not there: an error, and no file.
    const std::string nowhere = env.Home() + "/missing/loan.csv";
    env.Prompts().ScriptSaveFile(QString::fromStdString(nowhere));
    env.Prompts().ExpectMessages();
    QTest::mouseClick(window->SaveCsvButton(), Qt::LeftButton);
    ASSERT_FALSE(env.Prompts().Records().empty());
    EXPECT_EQ(env.Prompts().Records().back().Kind, "error");
    EXPECT_FALSE(ReadWholeFile(nowhere));
    // Cancelled: nothing written.
    env.Prompts().ScriptSaveFile(std::nullopt);
    QTest::mouseClick(window->SaveCsvButton(), Qt::LeftButton);
    EXPECT_EQ(*ReadWholeFile(path), *written);
}

TEST_F(WhatIfWindow, ThePlotHasALinePerOutputAndASecondAxisForTheSmallOne) {
    LoanTable();
    TWhatIfPlot& plot = window->Plot();
    ASSERT_EQ(plot.Lines().size(), 2u);
    EXPECT_EQ(plot.Lines()[0]->name(), "Payment");
    EXPECT_EQ(plot.Lines()[0]->count(), 5);
    EXPECT_DOUBLE_EQ(plot.XAxis()->min(), 0.04);
    EXPECT_DOUBLE_EQ(plot.XAxis()->max(), 0.08);
    EXPECT_EQ(plot.XAxis()->titleText(), "Rate");
    // Total (some 400,000) beside Payment (some 1,200): Payment on the second axis.
    EXPECT_EQ(plot.YAxis()->titleText(), "Total");
    ASSERT_NE(plot.SecondYAxis(), nullptr);
    EXPECT_EQ(plot.SecondYAxis()->titleText(), "Payment");
    const struct {
        QValueAxis* axis;
        QLineSeries* line;
    } rows[] = {{plot.SecondYAxis(), plot.Lines()[0]}, {plot.YAxis(), plot.Lines()[1]}};
    for (const auto& row : rows) {
        EXPECT_TRUE(row.line->attachedAxes().contains(row.axis));
        for (const QPointF& point : row.line->points()) {
            EXPECT_LT(row.axis->min(), point.y());
            EXPECT_GT(row.axis->max(), point.y());
        }
    }
}

TEST_F(WhatIfWindow, PointingAtALineReadsOutItsXAndY) {
    LoanTable();
    QLineSeries* payment = window->Plot().Lines()[0];
    emit payment->hovered(QPointF(0.05, -1073.64), true);
    EXPECT_EQ(window->ReadOut()->text(), "Rate = 0.05   Payment = -1073.64");
    emit payment->hovered(QPointF(0.05, -1073.64), false);
    EXPECT_EQ(window->ReadOut()->text(), "");
}

TEST_F(WhatIfWindow, WheelZoomsDragPansAndResetShowsTheWholePlot) {
    LoanTable();
    TWhatIfPlot& plot = window->Plot();
    QWidget* area = plot.viewport();
    const QPointF centre = plot.chart()->plotArea().center();
    QWheelEvent wheel(centre, area->mapToGlobal(centre), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area, &wheel);
    const double span = plot.XAxis()->max() - plot.XAxis()->min();
    EXPECT_NEAR(span, 0.04 / 1.25, 1e-9);
    const double low = plot.XAxis()->min();
    QTest::mousePress(area, Qt::LeftButton, {}, centre.toPoint());
    QMouseEvent move(QEvent::MouseMove, centre + QPointF(50, 0), area->mapToGlobal(centre),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::LeftButton, {}, (centre + QPointF(50, 0)).toPoint());
    EXPECT_LT(plot.XAxis()->min(), low);  // dragged right: smaller x in sight
    EXPECT_NEAR(plot.XAxis()->max() - plot.XAxis()->min(), span, 1e-9);
    plot.ResetView();
    EXPECT_DOUBLE_EQ(plot.XAxis()->min(), 0.04);
    EXPECT_DOUBLE_EQ(plot.XAxis()->max(), 0.08);
}

TEST_F(WhatIfWindow, TwoInputsGiveAShadedGridWithoutAPlot) {
    window->InputBox()->setCurrentText("Rate");
    window->Range().SetSteps(0.04L, 0.08L, 3, false);
    window->SecondInputBox()->setCurrentText("Years");
    window->SecondRange().SetList("10, 20, 30");
    window->CheckOutputs({"Payment"});
    QTest::mouseClick(window->CalculateButton(), Qt::LeftButton);
    const TWhatIfTableModel& model = window->Model();
    ASSERT_TRUE(model.IsGrid());
    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), 4);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole), "Rate\\Years");
    EXPECT_EQ(model.headerData(3, Qt::Horizontal, Qt::DisplayRole), "30");
    EXPECT_FALSE(window->Plot().isVisible());
    EXPECT_FALSE(window->ExportButton()->isEnabled());
    // The greatest payment (8 % over 10 years) is shaded strongest.
    const auto alpha = [&](int row, int column) {
        return model.index(row, column).data(Qt::BackgroundRole).value<QBrush>().color().alpha();
    };
    EXPECT_LT(alpha(2, 1), alpha(0, 3));  // payments are negative: the least is the largest debt
    EXPECT_TRUE(watch->Unchanged());
}

TEST_F(WhatIfWindow, ExportImageWritesAPngOrAnSvg) {
    LoanTable();
    const struct {
        std::string name;
        std::string start;
    } rows[] = {{"plot.png", "\x89PNG"}, {"plot.svg", "<?xml"}};
    for (const auto& row : rows) {
        const std::string path = env.Home() + "/" + row.name;
        env.Prompts().ScriptSaveFile(QString::fromStdString(path));
        QTest::mouseClick(window->ExportButton(), Qt::LeftButton);
        const std::optional<std::string> written = ReadWholeFile(path);
        ASSERT_TRUE(written) << row.name;
        EXPECT_EQ(written->substr(0, row.start.size()), row.start) << row.name;
        if (row.name.ends_with(".svg")) {
            EXPECT_NE(written->find("Rate"), std::string::npos);
        }
    }
}

TEST_F(WhatIfWindow, AnUnsoundQuestionIsExplainedAndNothingIsShown) {
    const struct {
        QString start, stop;
        bool geometric;
        QString list;
        std::vector<std::string> outputs;
        QString shown;
    } rows[] = {
        {"0", "1", true, "", {"Payment"}, "Input: a geometric range"},
        {"abc", "1", false, "", {"Payment"}, "Input: 'abc' is not a number"},
        {"1", "2", false, "", {}, "Tick at least one output."},
        {"", "", false, "1,,2", {"Payment"}, "Input: '' is not a number"},
    };
    window->InputBox()->setCurrentText("Rate");
    for (const auto& row : rows) {
        if (row.list.isEmpty()) {
            window->Range().StartEdit()->setText(row.start);
            window->Range().StopEdit()->setText(row.stop);
            window->Range().GeometricBox()->setChecked(row.geometric);
        } else {
            window->Range().SetList(row.list);
        }
        window->CheckOutputs(row.outputs);
        QTest::mouseClick(window->CalculateButton(), Qt::LeftButton);
        EXPECT_TRUE(window->Problem()->text().startsWith(row.shown))
            << window->Problem()->text().toStdString();
        EXPECT_TRUE(window->Model().IsEmpty());
        EXPECT_FALSE(window->CopyButton()->isEnabled());
    }
}

}  // namespace
}  // namespace quillix::test
