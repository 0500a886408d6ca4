// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_DateCalculations: the date calculations window. Page "One Date" tells
// a date's day of the year, ISO week, days in its month and whether its year
// is a leap year; page "Two Dates" counts the days between two dates or finds
// one date from the other and a day count, and breaks the count down into
// years, months and days. RunDateCalculations shows it modally; a test creates
// it, shows it and presses its buttons.

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace quillix {

class TCalcDropDown;

class Tfrm_DateCalculations : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrm_DateCalculations(QWidget* parent = nullptr);

    QTabWidget* Pages() const { return pages_; }
    // "One Date".
    QDateEdit* OneDate() const { return oneDate_; }
    QPushButton* DateButton() const { return dateButton_; }
    QLineEdit* DayOfYear() const { return dayOfYear_; }
    QLineEdit* WeekOfYear() const { return weekOfYear_; }
    QLineEdit* DaysInMonth() const { return daysInMonth_; }
    QLineEdit* LeapYear() const { return leapYear_; }
    // "Two Dates".
    QDateEdit* Beginning() const { return beginning_; }
    QDateEdit* Ending() const { return ending_; }
    TCalcDropDown& DayCount() const { return *dayCount_; }
    QPushButton* BeginningButton() const { return beginningButton_; }
    QPushButton* EndingButton() const { return endingButton_; }
    QPushButton* BetweenButton() const { return betweenButton_; }
    QLineEdit* Years() const { return years_; }
    QLineEdit* Months() const { return months_; }
    QLineEdit* Days() const { return days_; }
    QPushButton* HelpButton() const { return help_; }
    QPushButton* CloseButton() const { return close_; }

    // The buttons' actions.
    void ShowOneDate();
    void FindBeginningDate();
    void FindEndingDate();
    void CountDaysBetween();

  private:
    QWidget* BuildOneDatePage();
    QWidget* BuildTwoDatesPage();
    void ShowTimeBetween(long double beginningDate, long double dayCount);

    QTabWidget* pages_ = nullptr;
    QDateEdit* oneDate_ = nullptr;
    QPushButton* dateButton_ = nullptr;
    QLineEdit* dayOfYear_ = nullptr;
    QLineEdit* weekOfYear_ = nullptr;
    QLineEdit* daysInMonth_ = nullptr;
    QLineEdit* leapYear_ = nullptr;
    QDateEdit* beginning_ = nullptr;
    QDateEdit* ending_ = nullptr;
    TCalcDropDown* dayCount_ = nullptr;
    QPushButton* beginningButton_ = nullptr;
    QPushButton* endingButton_ = nullptr;
    QPushButton* betweenButton_ = nullptr;
    QLineEdit* years_ = nullptr;
    QLineEdit* months_ = nullptr;
    QLineEdit* days_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace quillix
