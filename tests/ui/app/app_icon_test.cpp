// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/app_icon.h"

#include <gtest/gtest.h>

namespace quillix::test {
namespace {

// The windows and the tray show the icon whether or not Qt can draw SVG.
TEST(ApplicationIcon, HasAPictureAtEveryShippedSize) {
    const QIcon icon = ApplicationIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
    }
}

}  // namespace
}  // namespace quillix::test
