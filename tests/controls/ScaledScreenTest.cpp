// The drop-down and the date field on a screen that Qt scales itself
// (QT_SCALE_FACTOR, set by CTest for this program at 2 and at 1.5).

#include "controls/DateEdit.h"
#include "controls/EditButton.h"
#include "controls/PopupCalendar.h"
#include "controls/VoTimerSpeedButton.h"
#include "tests/controls/CalendarTestSupport.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

using test::CalendarEnvironment;

// The ratio this run was started with, and the width of a one-unit line there.
qreal screenRatio()
{
    return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
}

int lineWidthAt(qreal ratio)
{
    return ratio < 1.5 ? 1 : 2; // 1.5 rounds up
}

class ScaledScreenTest : public testing::Test
{
protected:
    ScaledScreenTest()
    {
        edit.setGeometry(100, 100, 305, 21);
        edit.setFieldText(QStringLiteral("18.01.2001"));
        edit.show();
    }

    CalendarEnvironment env;
    TDateEdit edit{env.clock, env.settings};
};

TEST_F(ScaledScreenTest, QtScalesAndTheDropDownIsNotScaledASecondTime)
{
    const qreal ratio = screenRatio();
    ASSERT_GT(ratio, 1.0) << "run with QT_SCALE_FACTOR";
    EXPECT_DOUBLE_EQ(edit.devicePixelRatioF(), ratio);
    EXPECT_EQ(edit.screen()->logicalDotsPerInch(), 96.0);
    EXPECT_EQ(edit.popupCalendar()->size(), QSize(187, 124)) << "units, as at 100 %";
    EXPECT_EQ(edit.popupCalendar()->navigationButton(TPopupCalendar::PrevYearButton)->size(),
              QSize(14, 14));
}

TEST_F(ScaledScreenTest, NavigationPicturesAreDrawnForTheScreensRatio)
{
    const qreal ratio = screenRatio();
    edit.DropDown(true);
    ASSERT_TRUE(edit.popupCalendar()->isVisible());
    const QImage picture =
        edit.popupCalendar()->navigationButton(TPopupCalendar::NextMonthButton)->glyph();
    EXPECT_EQ(picture.size(), QSize(qRound(8 * ratio), qRound(6 * ratio)));
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), ratio);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(8, 6));

    // A picture enlarged from 8 x 6 has rows that come in whole copies; a
    // triangle drawn at this ratio has an edge that moves on every row.
    int distinctRows = 0;
    int lastWidth = -1;
    for (int y = 0; y < picture.height(); ++y) {
        int ink = 0;
        for (int x = 0; x < picture.width(); ++x)
            ink += qAlpha(picture.pixel(x, y)) != 0 ? 1 : 0;
        distinctRows += ink != lastWidth ? 1 : 0;
        lastWidth = ink;
    }
    EXPECT_GT(distinctRows, 4) << "more steps than the 8 x 6 picture has";
}

TEST_F(ScaledScreenTest, DropDownBorderAndButtonLinesAreWholeDevicePixels)
{
    const qreal ratio = screenRatio();
    const int t = lineWidthAt(ratio);
    edit.DropDown(true);
    TPopupCalendar* popup = edit.popupCalendar();
    QPalette p = popup->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 0));
    p.setColor(QPalette::Light, QColor(255, 255, 255));
    popup->setPalette(p);
    const QImage grabbed = popup->grab().toImage();
    ASSERT_EQ(grabbed.size(), QSize(qRound(187 * ratio), qRound(124 * ratio)));
    const int mid = grabbed.width() / 2;
    for (int i = 0; i < t; ++i)
        EXPECT_EQ(grabbed.pixelColor(mid, i), QColor(0, 0, 0)) << "border row " << i;
    EXPECT_EQ(grabbed.pixelColor(mid, t), QColor(255, 255, 255)) << "the panel's light line";
    EXPECT_EQ(grabbed.pixelColor(mid, 2 * t - 1), QColor(255, 255, 255));
    EXPECT_NE(grabbed.pixelColor(mid, 2 * t), QColor(255, 255, 255));

    edit.PopupCloseUp(popup, false);
    const QImage button = edit.button()->grab().toImage();
    ASSERT_EQ(button.height(), qRound(edit.button()->height() * ratio));
    const QColor face = edit.button()->palette().color(QPalette::Button);
    const QColor light = edit.button()->palette().color(QPalette::Light);
    for (int i = 0; i < t; ++i) {
        EXPECT_EQ(button.pixelColor(i, button.height() / 2), face) << "column " << i;
        EXPECT_EQ(button.pixelColor(t + i, button.height() / 2), light) << "column " << t + i;
    }
    EXPECT_NE(button.pixelColor(2 * t, button.height() / 2), light);
}

} // namespace
} // namespace cyclo
