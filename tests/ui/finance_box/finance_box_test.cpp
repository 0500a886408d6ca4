// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/finance_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "drop_down/calc_drop_down.h"
#include "model/value_format.h"
#include "platform/help_request.h"
#include "platform/value_format_notice.h"
#include "support/ui_environment.h"
#include "tools/choice_group.h"
#include "tools/decimal_places_box.h"
#include "tools/finance_pages.h"
#include "tools/schedule_table.h"

namespace quillix::test {
namespace {

using tools::TPaymentFrequency;
using tools::TPaymentTime;
using tools::TRateKey;
using tools::TTvmKey;

class FinanceBox : public ::testing::Test {
  protected:
    TUiEnvironment env;
    Tfrm_FinanceBox window;

    FinanceBox() { window.show(); }

    TFinanceTvmPage& Tvm() { return window.Tvm(); }
    // Types the text into the box as a user would.
    static void Type(TCalcDropDown& box, const QString& text) {
        box.Edit()->clear();
        QTest::keyClicks(box.Edit(), text);
    }
    void Loan(TPaymentTime time) {
        Type(Tvm().Box(TTvmKey::N), "360");
        Type(Tvm().Box(TTvmKey::IYR), "6");
        Type(Tvm().Box(TTvmKey::PV), "100000");
        Type(Tvm().Box(TTvmKey::FV), "0");
        Tvm().PaymentTime()->Button(IndexOf(tools::kPaymentTimes, time))->click();
    }
    static long double Number(const TCalcDropDown& box) { return box.Value().Number(); }
};

TEST_F(FinanceBox, OpensWithTheDefaultChoicesAndLifeAndFactor) {
    EXPECT_EQ(window.windowTitle(), "Finance Box");
    EXPECT_EQ(Tvm().Frequency()->Button(Tvm().Frequency()->Current())->text(), "Monthly");
    EXPECT_EQ(Tvm().PaymentTime()->Button(Tvm().PaymentTime()->Current())->text(), "End of period");
    EXPECT_EQ(window.Depreciation().Life().Edit()->text(), "4");
    EXPECT_EQ(window.Depreciation().Factor().Edit()->text(), "2");
    EXPECT_EQ(window.Depreciation().Method()->currentText(), "Straight-line");
    EXPECT_EQ(Number(Tvm().Box(TTvmKey::PV)), 0);
}

// Every box that takes a percentage says so with a "%" right after it; the
// others do not.
TEST_F(FinanceBox, PercentBoxesSayPercent) {
    const auto percentOf = [](const TCalcDropDown& box) -> QLabel* {
        for (QLabel* label : box.parentWidget()->findChildren<QLabel*>("lb_Percent"))
            if (label->buddy() == box.Edit()) return label;
        return nullptr;
    };
    const struct {
        const char* what;
        int page;
        const TCalcDropDown* box;
        bool percent;
    } rows[] = {
        {"I%YR", 0, &Tvm().Box(TTvmKey::IYR), true},
        {"PV", 0, &Tvm().Box(TTvmKey::PV), false},
        {"N", 0, &Tvm().Box(TTvmKey::N), false},
        {"nominal", 1, &window.Rates().Box(TRateKey::Nominal), true},
        {"effective", 1, &window.Rates().Box(TRateKey::Effective), true},
        {"periodic", 1, &window.Rates().Box(TRateKey::Periodic), true},
    };
    for (const auto& row : rows) {
        window.Pages()->setCurrentIndex(row.page);
        QLabel* percent = percentOf(*row.box);
        ASSERT_EQ(percent != nullptr, row.percent) << row.what;
        if (!percent) continue;
        EXPECT_EQ(percent->text(), "%");
        EXPECT_TRUE(percent->isVisible()) << row.what;
        const QRect box = row.box->geometry();
        const QRect label = percent->geometry();
        EXPECT_GE(label.left(), box.right()) << row.what;
        EXPECT_TRUE(label.center().y() >= box.top() && label.center().y() <= box.bottom())
            << row.what;
    }
}

TEST_F(FinanceBox, PaymentOfALoanAtEitherTimeOfThePeriod) {
    const struct {
        TPaymentTime time;
        double payment;
    } cases[] = {{TPaymentTime::EndOfPeriod, -599.55}, {TPaymentTime::BeginningOfPeriod, -596.57}};
    for (const auto& c : cases) {
        Loan(c.time);
        Tvm().SolveButton(TTvmKey::PMT)->click();
        EXPECT_NEAR(static_cast<double>(Number(Tvm().Box(TTvmKey::PMT))), c.payment, 0.005);
    }
}

TEST_F(FinanceBox, AnnualInterestUsesThePaymentFrequency) {
    Tvm().Box(TTvmKey::PV).AssignNumber(cvNumber, -1000);
    Tvm().Box(TTvmKey::PMT).AssignNumber(cvNumber, 0);
    Tvm().Box(TTvmKey::FV).AssignNumber(cvNumber, 2000);
    Tvm().Box(TTvmKey::N).AssignNumber(cvNumber, 10);
    Tvm()
        .Frequency()
        ->Button(IndexOf(tools::kPaymentFrequencies, TPaymentFrequency::Annually))
        ->click();
    Tvm().SolveButton(TTvmKey::IYR)->click();
    EXPECT_NEAR(static_cast<double>(Number(Tvm().Box(TTvmKey::IYR))), 7.177, 0.0005);
}

TEST_F(FinanceBox, AFailedSolveSaysArgumentsErrorAndKeepsTheBox) {
    env.Prompts().ExpectMessages();
    Tvm().Box(TTvmKey::IYR).AssignNumber(cvNumber, 5);
    Tvm().Box(TTvmKey::N).AssignNumber(cvNumber, 0);  // Rate needs at least one period
    Tvm().SolveButton(TTvmKey::IYR)->click();
    ASSERT_EQ(env.Prompts().Records().size(), 1u);
    EXPECT_EQ(env.Prompts().Records()[0].Kind, "error");
    EXPECT_EQ(env.Prompts().Records()[0].Text, "Arguments Error!");
    EXPECT_EQ(Number(Tvm().Box(TTvmKey::IYR)), 5);
}

TEST_F(FinanceBox, ABoxHoldingAFailedCalculationIsAnArgumentsError) {
    env.Prompts().ExpectMessages();
    Loan(TPaymentTime::EndOfPeriod);
    ValueRef failed = TCalcValue::New();
    failed->SetError("Floating point division by zero");
    Tvm().Box(TTvmKey::PV).AssignValue(*failed);
    Tvm().SolveButton(TTvmKey::PMT)->click();
    EXPECT_EQ(env.Prompts().Messages(), QStringList{"Arguments Error!"});
    EXPECT_EQ(Number(Tvm().Box(TTvmKey::PMT)), 0);
}

TEST_F(FinanceBox, RateConversionsOverwriteTheOtherTwo) {
    const struct {
        TRateKey key;
        double input, nominal, effective, periodic;
    } cases[] = {{TRateKey::Nominal, 12, 12, 12.6825, 1},
                 {TRateKey::Effective, 12.682503013197, 12, 12.6825, 1},
                 {TRateKey::Periodic, 1, 12, 12.6825, 1}};
    TInterestRatesPage& rates = window.Rates();
    for (const auto& c : cases) {
        for (TRateKey key : {TRateKey::Nominal, TRateKey::Effective, TRateKey::Periodic})
            rates.Box(key).AssignNumber(cvNumber, 99);
        rates.Box(c.key).AssignNumber(cvNumber, c.input);
        rates.ConvertButton(c.key)->click();
        EXPECT_NEAR(static_cast<double>(Number(rates.Box(TRateKey::Nominal))), c.nominal, 1e-4);
        EXPECT_NEAR(static_cast<double>(Number(rates.Box(TRateKey::Effective))), c.effective, 1e-4);
        EXPECT_NEAR(static_cast<double>(Number(rates.Box(TRateKey::Periodic))), c.periodic, 1e-9);
    }
}

TEST_F(FinanceBox, AFailedRateConversionShowsTheFunctionsMessageAndWritesNothing) {
    env.Prompts().ExpectMessages();
    TInterestRatesPage& rates = window.Rates();
    rates.Box(TRateKey::Nominal).AssignNumber(cvNumber, 7);
    rates.Box(TRateKey::Periodic).AssignNumber(cvNumber, 8);
    rates.Box(TRateKey::Effective).AssignNumber(cvNumber, -150);  // below -100 %
    rates.ConvertButton(TRateKey::Effective)->click();
    ASSERT_EQ(env.Prompts().Records().size(), 1u);
    EXPECT_EQ(env.Prompts().Records()[0].Kind, "warning");
    EXPECT_FALSE(env.Prompts().Records()[0].Text.isEmpty());
    EXPECT_EQ(Number(rates.Box(TRateKey::Nominal)), 7);
    EXPECT_EQ(Number(rates.Box(TRateKey::Periodic)), 8);
}

TEST_F(FinanceBox, DepreciationSchedulesFillTheTable) {
    const struct {
        int method;  // index in "Method:"
        double life;
        std::vector<QStringList> rows;
    } cases[] = {
        {0,
         4,
         {{"1", "225", "225", "775"},
          {"2", "225", "450", "550"},
          {"3", "225", "675", "325"},
          {"4", "225", "900", "100"}}},
        {2,
         4,
         {{"1", "500", "500", "500"},
          {"2", "250", "750", "250"},
          {"3", "125", "875", "125"},
          {"4", "25", "900", "100"}}},
        {0, 0, {}},
        {1, 0.9, {}},
    };
    TDepreciationPage& page = window.Depreciation();
    for (const auto& c : cases) {
        page.Cost().AssignNumber(cvNumber, 1000);
        page.Salvage().AssignNumber(cvNumber, 100);
        page.Life().AssignNumber(cvNumber, c.life);
        page.Method()->setCurrentIndex(c.method);
        page.CalculateButton()->click();
        TScheduleTable& table = page.Schedule();
        ASSERT_EQ(table.Table()->rowCount(), static_cast<int>(c.rows.size()));
        for (int row = 0; row < table.Table()->rowCount(); ++row)
            for (int column = 0; column < 4; ++column)
                EXPECT_EQ(table.Cell(row, column), c.rows[row][column]) << row << "," << column;
        EXPECT_EQ(table.CopyButton()->isEnabled(), !c.rows.empty());
    }
}

TEST_F(FinanceBox, DepreciationScheduleCopiesAsTabSeparatedLines) {
    TDepreciationPage& page = window.Depreciation();
    page.Cost().AssignNumber(cvNumber, 1000);
    page.Salvage().AssignNumber(cvNumber, 100);
    page.CalculateButton()->click();
    page.Schedule().CopyButton()->click();
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Year\tDepreciation\tTotal Depreciation\tBook Value\n"
              "1\t225\t225\t775\n2\t225\t450\t550\n3\t225\t675\t325\n4\t225\t900\t100\n");
}

TEST_F(FinanceBox, AmortisationOfTheSolvedLoanEndsRepaid) {
    Loan(TPaymentTime::EndOfPeriod);
    Tvm().SolveButton(TTvmKey::PMT)->click();
    TAmortisationPage& page = window.Amortisation();
    page.CalculateButton()->click();
    TScheduleTable& table = page.Schedule();
    ASSERT_EQ(table.Table()->rowCount(), 361);  // 360 periods and the totals
    EXPECT_EQ(table.Cell(0, 0), "1");
    EXPECT_NEAR(table.Cell(0, 2).toDouble(), -500, 1e-9);  // 6 % / 12 of 100,000
    EXPECT_NEAR(table.Cell(0, 3).toDouble(), -99.55, 0.005);
    EXPECT_EQ(table.Cell(359, 0), "360");
    EXPECT_EQ(table.Cell(359, 4), "0");
    EXPECT_EQ(table.Cell(360, 0), "Total");
    EXPECT_NEAR(table.Cell(360, 3).toDouble(), -100000, 1e-6);
    EXPECT_NEAR(table.Cell(360, 1).toDouble(), 360 * -599.550525, 0.01);
    EXPECT_TRUE(page.AdjustmentNote().isEmpty());

    table.CopyButton()->click();
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 363);  // header, 360 periods, totals, and the final line feed
    EXPECT_EQ(lines[0], "Period\tPayment\tInterest\tPrincipal\tBalance");
    EXPECT_EQ(lines[360].section('\t', 0, 0), "360");
    EXPECT_EQ(lines[360].section('\t', 4, 4), "0");
    EXPECT_EQ(lines[361].section('\t', 0, 0), "Total");
    EXPECT_TRUE(lines[362].isEmpty());
}

TEST_F(FinanceBox, AmortisationWithARoundedPaymentAdjustsTheLastOne) {
    Loan(TPaymentTime::EndOfPeriod);
    Tvm().Box(TTvmKey::PMT).AssignNumber(cvNumber, -599.55);
    window.Amortisation().CalculateButton()->click();
    EXPECT_EQ(window.Amortisation().Schedule().Cell(359, 4), "0");
    EXPECT_TRUE(window.Amortisation().AdjustmentNote().contains("differs from PMT"));
}

TEST_F(FinanceBox, AnAmortisationWithoutPeriodsIsReportedAndLeavesTheTableEmpty) {
    env.Prompts().ExpectMessages();
    Loan(TPaymentTime::EndOfPeriod);
    Tvm().Box(TTvmKey::N).AssignNumber(cvNumber, 0);
    window.Amortisation().CalculateButton()->click();
    EXPECT_EQ(env.Prompts().Messages().size(), 1);
    EXPECT_EQ(window.Amortisation().Schedule().Table()->rowCount(), 0);
    EXPECT_FALSE(window.Amortisation().Schedule().CopyButton()->isEnabled());
}

TEST_F(FinanceBox, DecimalPlacesApplyAtOnceWithoutTouchingTheSettings) {
    int announced = 0;
    SetValueFormatChangedHandler([&] { ++announced; });
    Tvm().Box(TTvmKey::PV).AssignNumber(cvNumber, 1234.5625);
    EXPECT_EQ(window.DecimalPlaces()->currentText(), "Default");
    window.DecimalPlaces()->setCurrentIndex(window.DecimalPlaces()->findText("2"));
    EXPECT_EQ(ValueFormatSettings().ValueFormat, kFixedFormat);
    EXPECT_EQ(ValueFormatSettings().ValueDigits, 2);
    EXPECT_EQ(Tvm().Box(TTvmKey::PV).Edit()->text(), "1234.56");
    window.DecimalPlaces()->setCurrentIndex(0);
    EXPECT_EQ(ValueFormatSettings().ValueFormat, kGeneralFormat);
    EXPECT_EQ(Tvm().Box(TTvmKey::PV).Edit()->text(), "1234.5625");
    EXPECT_EQ(announced, 2);
    SetValueFormatChangedHandler({});
    window.close();
    EXPECT_EQ(env.Settings().ReadInteger("Main", "ValueFormat", -1), -1);
    EXPECT_EQ(env.Settings().ReadInteger("Main", "ValueDigits", -1), -1);
}

// At its default size the depreciation page shows a useful part of the
// schedule: every year of the default four-year life.
TEST_F(FinanceBox, TheDepreciationTableShowsTheWholeDefaultScheduleAtTheDefaultSize) {
    window.Pages()->setCurrentWidget(&window.Depreciation());
    TDepreciationPage& page = window.Depreciation();
    page.Cost().AssignNumber(cvNumber, 1000);
    page.Salvage().AssignNumber(cvNumber, 100);
    page.CalculateButton()->click();
    QTableWidget* table = page.Schedule().Table();
    ASSERT_EQ(table->rowCount(), 4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->viewport()->height() > 0; }, 5000));
    const int lastRowBottom = table->rowViewportPosition(3) + table->rowHeight(3);
    EXPECT_LE(lastRowBottom, table->viewport()->height())
        << "viewport " << table->viewport()->height() << ", row height " << table->rowHeight(0);
}

// "Decimal places:" shows the amortisation with that many decimals, at once
// for a schedule already there.
TEST_F(FinanceBox, TheAmortisationFollowsDecimalPlaces) {
    Loan(TPaymentTime::EndOfPeriod);
    Tvm().SolveButton(TTvmKey::PMT)->click();
    TAmortisationPage& page = window.Amortisation();
    page.CalculateButton()->click();
    TScheduleTable& table = page.Schedule();
    EXPECT_EQ(table.Cell(0, 2), "-500");
    EXPECT_EQ(table.Cell(0, 1), "-599.550525152752");
    window.DecimalPlaces()->setCurrentIndex(window.DecimalPlaces()->findText("2"));
    EXPECT_EQ(table.Cell(0, 1), "-599.55");
    EXPECT_EQ(table.Cell(0, 2), "-500.00");
    EXPECT_EQ(table.Cell(359, 4), "0.00");
    table.CopyButton()->click();
    EXPECT_EQ(QApplication::clipboard()->text().split('\n')[1],
              "1\t-599.55\t-500.00\t-99.55\t99900.45");
    window.DecimalPlaces()->setCurrentIndex(0);
    EXPECT_EQ(table.Cell(0, 1), "-599.550525152752");
}

TEST_F(FinanceBox, DecimalPlacesShowTheCurrentFormatOnOpening) {
    SetValueFormat(3);
    Tfrm_FinanceBox second;
    EXPECT_EQ(second.DecimalPlaces()->currentText(), "3");
    EXPECT_EQ(ValueFormatSettings().ValueDigits, 3);  // opening changed nothing
}

TEST_F(FinanceBox, HelpOpensTheFinanceTopicAndEveryLabelNamesItsField) {
    std::vector<int> topics;
    SetHelpTopicHandler([&](int context) { topics.push_back(context); });
    window.HelpButton()->click();
    SetHelpTopicHandler({});
    EXPECT_EQ(topics, std::vector<int>{1001});
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().endsWith(':')) {
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
        }
    }
    window.CloseButton()->click();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace quillix::test
