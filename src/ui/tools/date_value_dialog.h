// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_DateValue: picks a date on a month calendar to enter into the
// calculator. It opens on today; "OK" or a double click confirms. The keypad
// turns the day number RunDateValueDialog returns into a date value and
// inserts it. A test creates the dialog, picks a date and presses OK.

#include <QDialog>

class QCalendarWidget;
class QDialogButtonBox;

namespace quillix {

class Tfrm_DateValue : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrm_DateValue(QWidget* parent = nullptr);

    QCalendarWidget* Calendar() const { return calendar_; }
    QDialogButtonBox* Buttons() const { return buttons_; }
    // The chosen date's day number (day 0 = 30 December 1899).
    double Day() const;

  private:
    QCalendarWidget* calendar_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace quillix
