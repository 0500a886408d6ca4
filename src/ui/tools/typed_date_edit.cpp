// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/typed_date_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "common/calendar.h"
#include "model/formula_date_text.h"

namespace quillix {

TTypedDateEdit::TTypedDateEdit(QWidget* parent) : QDateEdit(parent) {
    typing_ = new QLineEdit(this);
    typing_->setObjectName(QStringLiteral("ed_TypedDate"));
    typing_->setFrame(false);
    typing_->setMaxLength(40);
    typing_->hide();
    typing_->installEventFilter(this);
    connect(typing_, &QLineEdit::editingFinished, this, [this] { EndTyping(true); });
}

QDate TTypedDateEdit::TypedDate(const QString& text) const {
    const QString trimmed = text.trimmed();
    QDate date = QLocale().toDate(trimmed, displayFormat());
    if (!date.isValid()) {
        if (const std::optional<double> day = ReadTypedDate(trimmed.toStdString()))
            if (const std::optional<CivilDate> civil = DateOfDayNumber(*day))
                date = QDate(civil->year, civil->month, civil->day);
    }
    return date.isValid() && date >= minimumDate() && date <= maximumDate() ? date : QDate();
}

void TTypedDateEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const QLineEdit* edit = lineEdit();
    if (printable && edit->hasSelectedText() && edit->selectedText() == edit->text()) {
        StartTyping(text);
        return;
    }
    QDateEdit::keyPressEvent(event);
}

void TTypedDateEdit::StartTyping(const QString& first) {
    typing_->setGeometry(lineEdit()->geometry());
    typing_->setFont(lineEdit()->font());
    typing_->setAccessibleName(accessibleName());
    typing_->setText(first);
    typing_->show();
    typing_->setFocus(Qt::OtherFocusReason);
}

void TTypedDateEdit::EndTyping(bool take) {
    if (typing_->isHidden()) return;
    const QDate date = take ? TypedDate(typing_->text()) : QDate();
    const bool hadFocus = typing_->hasFocus();
    typing_->hide();
    if (date.isValid()) setDate(date);
    if (hadFocus) setFocus(Qt::OtherFocusReason);
}

bool TTypedDateEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == typing_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        EndTyping(false);
        return true;
    }
    return QDateEdit::eventFilter(watched, event);
}

}  // namespace quillix
