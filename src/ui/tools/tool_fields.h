// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tool windows share around their fields: reading a box's number,
// building labelled boxes and pick-only lists, redrawing the boxes after a
// format change, and turning a failed computation into the application's
// general error display.

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <stdexcept>

#include "common/calc_error.h"
#include "convert/conv_types.h"
#include "platform/user_prompts.h"

class QComboBox;
class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace quillix {

class TCalcDropDown;

// The box's number as calculations take it (rounded to the shown decimals in
// fixed format). A box holding an error value (a calculation that failed)
// throws ECalcError with that error's message.
long double BoxNumber(const TCalcDropDown& box);

// A box named for assistive technology, wide enough for 18 digits.
TCalcDropDown* NumberBox(QWidget* parent, const QString& accessibleName);
// A pick-only list of items with the item current selected.
QComboBox* PickList(QWidget* parent, const QStringList& items, int current,
                    const QString& accessibleName);
// A label that names field (its buddy).
QLabel* BuddyLabel(const QString& text, QWidget* field, QWidget* parent);

// "&Help", opening the help topic of that context number.
QPushButton* TopicHelpButton(QWidget* parent, int topic);
// The tool window's layout: body (all its tabs in sight, when it is a tab
// widget) above a row of left widgets, a stretch and
// right widgets. No button is a default button afterwards (NoDefaultButtons).
void LayOutToolWindow(QDialog& window, QWidget* body, std::initializer_list<QWidget*> left,
                      std::initializer_list<QWidget*> right);

// Enter in a box must not press a button by surprise: no push button of window
// is a default button unless it is made so afterwards.
void NoDefaultButtons(QWidget& window);

// Every box inside window shows its value again (after "Decimal places:").
void ShowBoxValues(QWidget& window);

// Runs action; a computation or conversion that fails shows its message in the
// general error display and gives false.
template <class Action>
bool RunReportingFailure(QWidget* parent, Action action) {
    try {
        action();
        return true;
    } catch (const ECalcError& error) {
        Prompts().ShowWarning(parent, QString::fromStdString(error.what()));
    } catch (const EConversionError& error) {
        Prompts().ShowWarning(parent, QString::fromStdString(error.what()));
    }
    return false;
}

}  // namespace quillix
