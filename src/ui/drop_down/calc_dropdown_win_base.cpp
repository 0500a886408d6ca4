// SPDX-License-Identifier: GPL-3.0-or-later
#include "drop_down/calc_dropdown_win_base.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "common/drop_down_placement.h"

namespace quillix {

namespace {

TScreenRect ToScreenRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

}  // namespace

Tfrm_CalcDropdownWinBase::Tfrm_CalcDropdownWinBase(IDropDownHost& field)
    : QFrame(&field.Anchor(), Qt::Tool | Qt::FramelessWindowHint), field_(field) {
    setFrameShape(QFrame::Box);
}

void Tfrm_CalcDropdownWinBase::DropDown() {
    adjustSize();
    const QWidget& anchor = field_.Anchor();
    const QRect fieldRect(anchor.mapToGlobal(QPoint(0, 0)), anchor.size());
    QScreen* screen = anchor.screen() ? anchor.screen() : QGuiApplication::primaryScreen();
    const TScreenRect place = PlaceDropDown(ToScreenRect(fieldRect), width(), height(),
                                            ToScreenRect(screen->availableGeometry()));
    setGeometry(place.Left, place.Top, place.Width, place.Height);
    show();
    raise();
    activateWindow();
}

void Tfrm_CalcDropdownWinBase::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && autoHide_ && isVisible())
        hide();
}

void Tfrm_CalcDropdownWinBase::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    emit closed();
}

void Tfrm_CalcDropdownWinBase::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QFrame::keyPressEvent(event);
}

}  // namespace quillix
