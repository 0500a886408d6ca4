// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars_view/vars_role_icons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "model/calc_value_warper.h"

namespace quillix {

namespace {

constexpr int kSize = 16;

// A horizontal arrow from x0 to x1 (pointing at x1) and a bar at barX.
QIcon ArrowAndBar(const QColor& color, int x0, int x1, int barX) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x0, 8), QPointF(x1, 8));
    const qreal dir = x1 > x0 ? -1 : 1;
    QPainterPath head;
    head.moveTo(x1 + 1.5 * -dir, 8);
    head.lineTo(x1 + 5 * dir, 3.5);
    head.lineTo(x1 + 5 * dir, 12.5);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(head);
    painter.setPen(QPen(color.darker(130), 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(barX, 2), QPointF(barX, 14));
    return QIcon(pixmap);
}

}  // namespace

QIcon RoleIcon(std::uint8_t type) {
    // Into the bar: a value the program receives; out of it: one it gives back.
    static const QIcon input = ArrowAndBar(QColor(0, 128, 0), 1, 10, 14);
    static const QIcon output = ArrowAndBar(QColor(200, 100, 0), 6, 14, 2);
    switch (type) {
        case wtInput:
            return input;
        case wtOutput:
            return output;
        default:
            return {};
    }
}

QIcon RemoveRoleIcon() {
    static const QIcon icon = [] {
        QPixmap pixmap(kSize, kSize);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(96, 96, 96), 1.5));
        painter.drawEllipse(QRectF(2, 2, 12, 12));
        painter.setPen(QPen(QColor(200, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 12), QPointF(12, 4));
        return QIcon(pixmap);
    }();
    return icon;
}

QIcon FadedWhenDisabled(const QIcon& icon) {
    // How much of the picture shows through when disabled.
    constexpr qreal kDisabledOpacity = 0.35;
    QIcon faded;
    for (const int size : {16, 24, 32, 48}) {
        const QPixmap normal = icon.pixmap(QSize(size, size));
        if (normal.isNull()) continue;
        faded.addPixmap(normal, QIcon::Normal);
        QImage grey = normal.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < grey.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
            for (int x = 0; x < grey.width(); ++x) {
                const int level = qGray(line[x]);
                const int alpha = qRound(qAlpha(line[x]) * kDisabledOpacity);
                line[x] = qRgba(level, level, level, alpha);
            }
        }
        faded.addPixmap(QPixmap::fromImage(grey), QIcon::Disabled);
    }
    return faded;
}

}  // namespace quillix
