// SPDX-License-Identifier: GPL-3.0-or-later
// Both what-if windows from the keyboard: every control takes the focus by
// Tab and has a name a screen reader can say, and the plot zooms, pans and
// resets by keys.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QValueAxis>

#include "support/ui_environment.h"
#include "whatif_windows/goal_seek_dialog.h"
#include "whatif_windows/loan_document.h"
#include "whatif_windows/range_fields.h"
#include "whatif_windows/whatif_plot.h"
#include "whatif_windows/whatif_window.h"

namespace quillix::test {
namespace {

// A part of a compound control (a view's header, a spin box's edit) is not one.
bool IsPart(const QWidget& widget) {
    for (const QWidget* up = widget.parentWidget(); up; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(up) ||
            qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QComboBox*>(up))
            return true;
    }
    return false;
}

bool IsControl(const QWidget& widget) {
    if (IsPart(widget)) return false;
    return qobject_cast<const QAbstractButton*>(&widget) ||
           qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget) ||
           qobject_cast<const QAbstractItemView*>(&widget) ||
           qobject_cast<const TWhatIfPlot*>(&widget);
}

QString SpokenName(const QWidget& widget) {
    if (!widget.accessibleName().isEmpty()) return widget.accessibleName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
    return {};
}

// Every control of window is reachable by Tab (it is in the focus chain and
// takes the focus from the keyboard) and has a spoken name.
void ExpectReachableAndNamed(QWidget& window) {
    int controls = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!IsControl(*widget)) continue;
        ++controls;
        const std::string name = widget->metaObject()->className() + std::string(" ") +
                                 widget->objectName().toStdString() + " " +
                                 SpokenName(*widget).toStdString();
        EXPECT_TRUE(widget->focusPolicy() & Qt::TabFocus) << name;
        EXPECT_FALSE(SpokenName(*widget).remove('&').trimmed().isEmpty()) << name;
        bool chained = false;
        for (QWidget* next = window.nextInFocusChain(); next != &window;
             next = next->nextInFocusChain()) {
            chained = chained || next == widget;
        }
        EXPECT_TRUE(chained) << name;
    }
    EXPECT_GT(controls, 5);
}

TEST(WhatIfKeyboard, EveryControlIsReachableByTabAndNamed) {
    TUiEnvironment env;
    DefineLoan(env.Vars());
    Tfrm_WhatIf whatIf(env.Vars());
    ExpectReachableAndNamed(whatIf);
    Tfrm_GoalSeek goalSeek(env.Vars());
    ExpectReachableAndNamed(goalSeek);
}

TEST(WhatIfKeyboard, ThePlotZoomsPansAndResetsByKeys) {
    TUiEnvironment env;
    DefineLoan(env.Vars());
    Tfrm_WhatIf window(env.Vars());
    window.show();
    window.InputBox()->setCurrentText("Rate");
    window.Range().SetSteps(0.04L, 0.08L, 5, false);
    window.Calculate();
    TWhatIfPlot& plot = window.Plot();
    QValueAxis& x = *plot.XAxis();
    const struct {
        Qt::Key key;
        double low, high;
    } rows[] = {
        {Qt::Key_Plus, 0.044, 0.076},     // a fifth of the span less, around the middle
        {Qt::Key_Right, 0.0472, 0.0792},  // a tenth of the span in sight
        {Qt::Key_Home, 0.04, 0.08},      {Qt::Key_Minus, 0.035, 0.085}, {Qt::Key_Left, 0.03, 0.08},
    };
    for (const auto& row : rows) {
        QTest::keyClick(&plot, row.key);
        EXPECT_NEAR(x.min(), row.low, 1e-9) << row.key;
        EXPECT_NEAR(x.max(), row.high, 1e-9) << row.key;
    }
}

}  // namespace
}  // namespace quillix::test
