// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A date field that also takes a date typed whole: with its text selected
// (Ctrl+A, or Tab into it), typing starts a plain line over the field, and
// Enter or leaving it reads what was typed, in the field's own form or as
// ReadTypedDate reads it (the short date form in use, ISO "2024-02-29"). A
// text that is no date, and Escape, leave the field's date as it was. The
// arrows, the sections and the calendar pop-up work as in any date field.

#include <QDateEdit>

class QLineEdit;

namespace quillix {

class TTypedDateEdit final : public QDateEdit {
    Q_OBJECT
  public:
    explicit TTypedDateEdit(QWidget* parent = nullptr);

    // The date of a typed text; invalid when it is none or out of range.
    QDate TypedDate(const QString& text) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StartTyping(const QString& first);
    void EndTyping(bool take);

    QLineEdit* typing_ = nullptr;  // the line a date is typed whole into
};

}  // namespace quillix
