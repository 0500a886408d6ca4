// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hint_filter.h"

#include <QEvent>
#include <QVariant>

namespace quillix {

bool THintFilter::HintAllowed(const QObject* object) const {
    if (keypadHints_) return true;
    for (const QObject* o = object; o; o = o->parent()) {
        if (o->property(kSkinAreaProperty).toString() == QLatin1String(kKeypadArea)) return false;
    }
    return true;
}

bool THintFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !HintAllowed(watched)) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace quillix
