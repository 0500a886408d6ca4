// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/date_calculations_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "drop_down/calc_drop_down.h"
#include "functions/func_date.h"
#include "launchers.h"
#include "platform/help_request.h"
#include "support/ui_environment.h"
#include "tools/date_value_dialog.h"

namespace quillix::test {
namespace {

CivilDate FixedToday() {
    return {2010, 6, 15};
}

class DateTools : public ::testing::Test {
  protected:
    TUiEnvironment env;

    DateTools() { funcs::SetTodayClock(FixedToday); }
    ~DateTools() override { funcs::SetTodayClock(nullptr); }
};

class DateCalculations : public DateTools {
  protected:
    Tfrm_DateCalculations window;

    DateCalculations() { window.show(); }
    QStringList Breakdown() const {
        return {window.Years()->text(), window.Months()->text(), window.Days()->text()};
    }
};

TEST_F(DateCalculations, OpensOnTodayWithADayCountOfZero) {
    EXPECT_EQ(window.windowTitle(), "Date Calculations");
    for (QDateEdit* field : {window.OneDate(), window.Beginning(), window.Ending()})
        EXPECT_EQ(field->date(), QDate(2010, 6, 15));
    EXPECT_EQ(window.DayCount().Edit()->text(), "0");
}

// Keys as the window delivers them: each to the focus widget.
void TypeKeys(QWidget* first, const QString& text) {
    for (const QChar key : text) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClicks(focus ? focus : first, QString(key));
    }
}

// A date typed whole: select all, type, Enter (or leave the field). The
// field's own form and ISO are read; a text that is no date, or a day that
// does not exist, gives the field its date back; the calendar stays.
TEST_F(DateCalculations, ADateFieldTakesATypedDate) {
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.Pages()->setCurrentIndex(1);
    QDateEdit* field = window.Beginning();
    ASSERT_TRUE(field->isVisible());
    EXPECT_TRUE(field->calendarPopup());
    const QString shownForm = QLocale().toString(QDate(2024, 2, 29), field->displayFormat());
    const struct {
        QString typed;
        QDate expected;
    } rows[] = {
        {QStringLiteral("2024-03-15"), QDate(2024, 3, 15)},
        {shownForm, QDate(2024, 2, 29)},
        {QStringLiteral("0001-01-01"), QDate(1, 1, 1)},
        {QStringLiteral("2023-02-29"), QDate(1, 1, 1)},  // no such day: kept
        {QStringLiteral("12"), QDate(1, 1, 1)},          // a number alone: kept
        {QStringLiteral("abc"), QDate(1, 1, 1)},         // refused as typed
    };
    for (const auto& row : rows) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        TypeKeys(field, row.typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(field->date(), row.expected) << row.typed.toStdString();
        EXPECT_EQ(field->text(), QLocale().toString(field->date(), field->displayFormat()))
            << row.typed.toStdString();
    }
    // Leaving the field reads the typed date too.
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    TypeKeys(field, QStringLiteral("2010-06-05"));
    window.Ending()->setFocus();
    EXPECT_EQ(field->date(), QDate(2010, 6, 5));
}

TEST_F(DateCalculations, OneDateFacts) {
    const struct {
        QDate date;
        QStringList facts;  // day of year, week, days in month, leap year
    } cases[] = {
        {QDate(2024, 12, 31), {"366", "1", "31", "Yes"}},
        {QDate(2021, 1, 1), {"1", "53", "31", "No"}},
        {QDate(2023, 2, 15), {"46", "7", "28", "No"}},
        {QDate(1, 1, 1), {"1", "1", "31", "No"}},
    };
    for (const auto& c : cases) {
        window.OneDate()->setDate(c.date);
        window.DateButton()->click();
        EXPECT_EQ(QStringList({window.DayOfYear()->text(), window.WeekOfYear()->text(),
                               window.DaysInMonth()->text(), window.LeapYear()->text()}),
                  c.facts)
            << c.date.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(DateCalculations, DaysBetweenDatesIsNegativeWhenTheEndComesFirst) {
    window.Beginning()->setDate(QDate(2024, 3, 1));
    window.Ending()->setDate(QDate(2023, 3, 1));
    window.BetweenButton()->click();
    EXPECT_EQ(window.DayCount().Value().Number(), -366);
    EXPECT_EQ(window.DayCount().Edit()->text(), "-366");
    EXPECT_EQ(Breakdown(), QStringList({"1", "0", "0"}));
}

TEST_F(DateCalculations, TimeBetweenDatesReadsLikeTheCalendar) {
    const struct {
        QDate beginning;
        QDate ending;
        const char* days;
        QStringList breakdown;
    } cases[] = {
        {QDate(2000, 1, 1), QDate(2001, 3, 15), "439", {"1", "2", "14"}},
        {QDate(2000, 1, 1), QDate(2000, 4, 10), "100", {"0", "3", "9"}},
        {QDate(2000, 1, 31), QDate(2000, 2, 29), "29", {"0", "1", "0"}},
        {QDate(2000, 3, 10), QDate(2000, 3, 10), "0", {"0", "0", "0"}},
    };
    for (const auto& c : cases) {
        window.Beginning()->setDate(c.beginning);
        window.Ending()->setDate(c.ending);
        window.BetweenButton()->click();
        EXPECT_EQ(window.DayCount().Edit()->text(), c.days);
        EXPECT_EQ(Breakdown(), c.breakdown) << c.ending.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(DateCalculations, OneDateFromTheOtherDropsTheFractionOfTheCount) {
    const struct {
        bool ending;  // "Ending Date", else "Beginning Date"
        QDate from;
        double count;
        QDate expected;
        QStringList breakdown;
    } cases[] = {
        {true, QDate(2024, 3, 1), 10.9, QDate(2024, 3, 11), {"0", "0", "10"}},
        {false, QDate(2024, 3, 1), 31, QDate(2024, 1, 30), {"0", "1", "1"}},
        {true, QDate(2024, 1, 1), -400.5, QDate(2022, 11, 27), {"1", "1", "5"}},
    };
    for (const auto& c : cases) {
        (c.ending ? window.Beginning() : window.Ending())->setDate(c.from);
        window.DayCount().AssignNumber(cvNumber, c.count);
        (c.ending ? window.EndingButton() : window.BeginningButton())->click();
        EXPECT_EQ((c.ending ? window.Ending() : window.Beginning())->date(), c.expected);
        EXPECT_EQ(Breakdown(), c.breakdown);
    }
}

TEST_F(DateCalculations, ADateBeyondTheYear9999IsRefusedAndChangesNothing) {
    env.Prompts().ExpectMessages();
    window.Beginning()->setDate(QDate(9999, 12, 31));
    window.Ending()->setDate(QDate(2000, 1, 1));
    window.DayCount().AssignNumber(cvNumber, 5);
    window.EndingButton()->click();
    ASSERT_EQ(env.Prompts().Messages().size(), 1);
    EXPECT_EQ(env.Prompts().Records()[0].Kind, "warning");
    EXPECT_EQ(window.Ending()->date(), QDate(2000, 1, 1));
    EXPECT_TRUE(window.Years()->text().isEmpty());
}

TEST_F(DateCalculations, HelpOpensTheDateTopicAndEveryLabelNamesItsField) {
    std::vector<int> topics;
    SetHelpTopicHandler([&](int context) { topics.push_back(context); });
    window.HelpButton()->click();
    SetHelpTopicHandler({});
    EXPECT_EQ(topics, std::vector<int>{1003});
    for (QLabel* label : window.findChildren<QLabel*>())
        EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
}

TEST_F(DateTools, TheDateValueDialogGivesTheChosenDaysNumber) {
    Tfrm_DateValue dialog;
    EXPECT_EQ(dialog.windowTitle(), "Dialog");
    EXPECT_EQ(dialog.Calendar()->selectedDate(), QDate(2010, 6, 15));
    dialog.show();
    dialog.Calendar()->setSelectedDate(QDate(2000, 1, 1));
    dialog.Buttons()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Day(), 36526);
}

// The launcher as the keypad calls it: the dialog answered by a click.
bool RunAndPress(TUiEnvironment& env, QDialogButtonBox::StandardButton which, QDate date,
                 double& day) {
    env.Dialogs().ScriptFor<Tfrm_DateValue>([which, date](Tfrm_DateValue& dialog) {
        dialog.Calendar()->setSelectedDate(date);
        dialog.Buttons()->button(which)->click();
        return dialog.result();
    });
    return RunDateValueDialog(nullptr, day);
}

TEST_F(DateTools, TheDateValueLauncherReturnsTheDayOnlyWhenConfirmed) {
    double day = -1;
    EXPECT_TRUE(RunAndPress(env, QDialogButtonBox::Ok, QDate(2000, 1, 1), day));
    EXPECT_EQ(day, 36526);
    day = -1;
    EXPECT_FALSE(RunAndPress(env, QDialogButtonBox::Cancel, QDate(2000, 1, 2), day));
    EXPECT_EQ(day, -1);
}

}  // namespace
}  // namespace quillix::test
