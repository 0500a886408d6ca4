// SPDX-License-Identifier: GPL-3.0-or-later
// The tool buttons' icons look disabled while their commands are, on any skin.
#include <QApplication>
#include <QImage>
#include <QToolButton>

#include "vars_view/vars_role_icons.h"
#include "vars_view_fixture.h"

namespace quillix::test {
namespace {

// The summed opacity of a picture's pixels, and whether every pixel is grey.
struct Ink {
    long long Alpha = 0;
    bool Grey = true;
};

Ink InkOf(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ink.Alpha += qAlpha(pixel);
            if (qAlpha(pixel) > 0 &&
                (qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel)))
                ink.Grey = false;
        }
    return ink;
}

TEST_F(VarsViewTest, DisabledToolIconsAreGreyAndFaint) {
    // A dark skin: the look a style derives from its palette is the trouble.
    qApp->setStyleSheet(QStringLiteral("QWidget { background: #1e2430; color: #dfe6f0; }"));
    int checked = 0;
    for (QToolButton* button : view->findChildren<QToolButton*>()) {
        const QIcon icon = button->icon();
        if (icon.isNull()) continue;
        SCOPED_TRACE(button->toolTip().toStdString());
        const Ink normal = InkOf(icon.pixmap(QSize(16, 16), QIcon::Normal));
        const Ink disabled = InkOf(icon.pixmap(QSize(16, 16), QIcon::Disabled));
        ASSERT_GT(normal.Alpha, 0);
        EXPECT_LE(disabled.Alpha * 2, normal.Alpha);
        EXPECT_TRUE(disabled.Grey);
        ++checked;
    }
    qApp->setStyleSheet({});
    EXPECT_EQ(checked, 6);  // Up, Down, Delete and the three roles
}

TEST(FadedIcons, TheNormalPictureStaysAsItWas) {
    const QIcon role = RoleIcon(wtInput);
    const QIcon faded = FadedWhenDisabled(role);
    EXPECT_EQ(faded.pixmap(QSize(16, 16)).toImage(), role.pixmap(QSize(16, 16)).toImage());
    EXPECT_TRUE(FadedWhenDisabled(QIcon()).isNull());
}

}  // namespace
}  // namespace quillix::test
