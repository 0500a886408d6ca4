// SPDX-License-Identifier: GPL-3.0-or-later
// The mode label and the function pad read on every shipped skin: their text
// stands out from its background by the contrast readable text needs (WCAG: at
// least 4.5 to 1).
#include <QFile>
#include <QImage>
#include <QStringDecoder>
#include <cmath>

#include "keypad/func_pad_buttons.h"
#include "keypad_test_support.h"
#include "platform/shared_resources.h"

namespace quillix::test {
namespace {

// WCAG 2 relative luminance of an sRGB colour.
double Luminance(QColor color) {
    const auto linear = [](double channel) {
        channel /= 255.0;
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.red()) + 0.7152 * linear(color.green()) +
           0.0722 * linear(color.blue());
}

double Contrast(QColor a, QColor b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(Contrast, TheWcagFiguresOfKnownPairs) {
    EXPECT_NEAR(Contrast(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(Contrast(Qt::white, Qt::white), 1.0, 1e-9);
    EXPECT_NEAR(Contrast(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);
    EXPECT_NEAR(Contrast(Qt::red, Qt::white), 4.0, 0.01);
}

class KeypadSkin : public KeypadTest {
  protected:
    void TearDown() override { qApp->setStyleSheet({}); }

    void ShowWithSkin(const char* skin) {
        QFile file(FindSkinFile(QString::fromLatin1(skin)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
        keypad->resize(keypad->sizeHint());
        keypad->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(keypad.get()));
    }

    // A widget as drawn: the colour farthest from its inside background, and
    // that background (just inside the frame).
    std::pair<QColor, QColor> Colours(const QWidget& widget) const {
        const QImage image = keypad
                                 ->grab(widget.geometry().translated(
                                     widget.parentWidget()->mapTo(keypad.get(), QPoint())))
                                 .toImage();
        const QColor background = image.pixelColor(3, image.height() / 2);
        QColor text = background;
        double farthest = 0;
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 2; x < image.width() - 2; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                const double distance = Contrast(pixel, background);
                if (distance > farthest) farthest = distance, text = pixel;
            }
        return {text, background};
    }
};

TEST_F(KeypadSkin, TheModeLabelReadsOnEveryShippedSkin) {
    for (const char* skin : {"Midnight.skn", "office2007_Remix.skn"}) {
        SCOPED_TRACE(skin);
        ShowWithSkin(skin);
        const auto [text, background] = Colours(*keypad->findChild<QLabel*>("lb_Mode"));
        EXPECT_GT(text.red(), text.green() + 60) << text.name().toStdString();  // still red
        EXPECT_GE(Contrast(text, background), 4.5)
            << text.name().toStdString() << " on " << background.name().toStdString();
    }
}

// The pad's standard blue is the skin's to choose, dark or light; a colour the
// user gave a button stands on every skin.
TEST_F(KeypadSkin, TheFunctionPadReadsOnEveryShippedSkin) {
    for (const char* skin : {"Midnight.skn", "office2007_Remix.skn"}) {
        SCOPED_TRACE(skin);
        ShowWithSkin(skin);
        auto* standard = ButtonNamed(QStringLiteral("sb_Func00"));
        ASSERT_TRUE(standard->isEnabled() && !standard->text().isEmpty());
        const auto [text, background] = Colours(*standard);
        EXPECT_GT(text.blue(), text.red() + 40) << text.name().toStdString();  // still blue
        EXPECT_GE(Contrast(text, background), 4.5)
            << text.name().toStdString() << " on " << background.name().toStdString();

        auto* chosen = ButtonNamed(QStringLiteral("sb_Func01"));
        TFuncPadButton(chosen).SetFontColor(0x0000FF);  // red, as 0x00BBGGRR
        const QColor red = Colours(*chosen).first;
        EXPECT_GT(red.red(), red.blue() + 100) << red.name().toStdString();
    }
}

}  // namespace
}  // namespace quillix::test
