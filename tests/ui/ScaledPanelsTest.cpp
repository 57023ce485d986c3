// The window's bevels and separator lines at screen scales of 100 % to 200 %:
// each line of one unit is round(r) device pixels, on whole device pixels.

#include "controls/Clock.h"
#include "register/PersonRegister.h"
#include "support/RenderAt.h"
#include "support/TempDir.h"
#include "ui/PersonUnit.h"
#include "ui/widgets/BevelPanel.h"
#include "ui/widgets/MonthCalendar.h"
#include "ui/widgets/SeparatorLine.h"

#include <QImage>
#include <QListWidget>
#include <gtest/gtest.h>
#include <vector>

namespace cyclo {
namespace {

using test::renderAt;

struct Scale
{
    qreal ratio;
    int line; // round(ratio)
};
constexpr Scale kScales[] = {{1.0, 1}, {1.25, 1}, {1.5, 2}, {1.75, 2}, {2.0, 2}};

// The nearest whole device pixel to a position in units.
int toDevice(int units, qreal ratio)
{
    return qRound(units * ratio);
}

const QColor kFace(240, 202, 166);
const QColor kLight(255, 255, 255);
const QColor kDark(128, 128, 128);

void setColours(QWidget& widget)
{
    QPalette p = widget.palette();
    p.setColor(QPalette::Window, kFace);
    p.setColor(QPalette::Light, kLight);
    p.setColor(QPalette::Dark, kDark);
    widget.setPalette(p);
}

TEST(ScaledPanelsTest, RaisedOverLoweredBevelHasTwoRingsOfRoundRPixels)
{
    // The title band: lowered outer ring, raised inner ring.
    BevelPanel panel(nullptr, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised);
    setColours(panel);
    panel.resize(61, 41);
    for (const Scale s : kScales) {
        SCOPED_TRACE(s.ratio);
        const QImage image = renderAt(panel, s.ratio);
        const int t = s.line;
        const int w = image.width();
        const int h = image.height();
        const int midX = w / 2;
        const int midY = h / 2;
        struct Expect
        {
            int x, y;
            QColor colour;
        };
        std::vector<Expect> expected;
        for (int i = 0; i < t; ++i) {
            expected.push_back({midX, i, kDark});             // outer top
            expected.push_back({i, midY, kDark});             // outer left
            expected.push_back({midX, h - 1 - i, kLight});    // outer bottom
            expected.push_back({w - 1 - i, midY, kLight});    // outer right
            expected.push_back({midX, t + i, kLight});        // inner top
            expected.push_back({t + i, midY, kLight});        // inner left
            expected.push_back({midX, h - 1 - t - i, kDark}); // inner bottom
            expected.push_back({w - 1 - t - i, midY, kDark}); // inner right
        }
        expected.push_back({midX, 2 * t, kFace});
        expected.push_back({2 * t, midY, kFace});
        expected.push_back({midX, h - 1 - 2 * t, kFace});
        expected.push_back({w - 1 - 2 * t, midY, kFace});
        for (const Expect& e : expected)
            EXPECT_EQ(image.pixelColor(e.x, e.y), e.colour) << "at " << e.x << ", " << e.y;
    }
}

TEST(ScaledPanelsTest, SeparatorIsADarkLineOverALightOne)
{
    QWidget parent;
    parent.resize(100, 20);
    SeparatorLine separator(&parent, 5);
    setColours(separator);
    for (const Scale s : kScales) {
        SCOPED_TRACE(s.ratio);
        const QImage image = renderAt(separator, s.ratio);
        const int t = s.line;
        const int x = image.width() / 2;
        for (int i = 0; i < t; ++i)
            EXPECT_EQ(image.pixelColor(x, i), kDark) << "row " << i;
        // The light line follows and fills the rest of the whole device rows
        // the two units cover.
        const int covered = static_cast<int>(2 * s.ratio);
        ASSERT_GT(covered, t);
        for (int y = t; y < covered; ++y)
            EXPECT_EQ(image.pixelColor(x, y), kLight) << "row " << y;
    }
}

TEST(ScaledPanelsTest, TodaysRingOnTheTodayLineIsRoundRDevicePixelsThick)
{
    FixedClock clock(QDate(2026, 12, 10));
    MonthCalendar calendar(clock);
    auto* line = calendar.findChild<QWidget*>(QStringLiteral("TodayLine"));
    ASSERT_NE(line, nullptr);
    line->resize(200, line->height());
    // The ring is smoothed; a pixel it covers nearly whole is red with little
    // of the white ground showing.
    const auto isRing = [](const QColor& c) { return c.red() == 255 && c.green() < 64; };
    for (const Scale s : kScales) {
        SCOPED_TRACE(s.ratio);
        const QImage image = renderAt(*line, s.ratio);
        // Down the ring's middle column: its top and bottom strokes.
        const int column = qRound((6 + 9) * s.ratio); // the 18-unit sample after a 6-unit gap
        std::vector<int> redRows;
        for (int y = 0; y < image.height(); ++y)
            if (isRing(image.pixelColor(column, y)))
                redRows.push_back(y);
        ASSERT_EQ(redRows.size(), static_cast<std::size_t>(2 * s.line));
        EXPECT_EQ(redRows.front(), qRound(2 * s.ratio)) << "the stroke starts on the margin";
        EXPECT_EQ(redRows[static_cast<std::size_t>(s.line) - 1], redRows.front() + s.line - 1);
    }
}

TEST(ScaledPanelsTest, PersonListBorderIsWholeOnEverySide)
{
    // The border's colour as Qt's own style draws a list's border at 100 %.
    QListWidget plain;
    plain.resize(100, 50);
    const QColor border = renderAt(plain, 1.0).pixelColor(0, 25);
    ASSERT_NE(border, plain.palette().color(QPalette::Base));

    test::TempDir dir;
    PersonRegister persons{dir.file("personen.dat")};
    TPersonForm form(persons);
    auto* list = form.findChild<QListWidget*>(QStringLiteral("PersonList"));
    ASSERT_NE(list, nullptr);
    const QRect units(list->mapTo(&form, QPoint(0, 0)), list->size());
    for (const Scale s : kScales) {
        SCOPED_TRACE(s.ratio);
        const QImage image = renderAt(form, s.ratio);
        const int left = toDevice(units.left(), s.ratio);
        const int top = toDevice(units.top(), s.ratio);
        const int right = toDevice(units.left() + units.width(), s.ratio) - 1;
        const int bottom = toDevice(units.top() + units.height(), s.ratio) - 1;
        const int midX = (left + right) / 2;
        const int midY = (top + bottom) / 2;
        for (int i = 0; i < s.line; ++i) {
            EXPECT_EQ(image.pixelColor(left + i, midY), border) << "left, column " << i;
            EXPECT_EQ(image.pixelColor(right - i, midY), border) << "right, column " << i;
            EXPECT_EQ(image.pixelColor(midX, top + i), border) << "top, row " << i;
            EXPECT_EQ(image.pixelColor(midX, bottom - i), border) << "bottom, row " << i;
        }
        // Inside the border the list's white ground begins.
        EXPECT_EQ(image.pixelColor(right - s.line, midY), list->palette().color(QPalette::Base));
    }
}

} // namespace
} // namespace cyclo
