// The chart window on screens of 100, 150 and 200 %: the offscreen platform
// gets three such screens from ScaledScreens.json (see tests/ui/CMakeLists.txt).

#include "chart/MonthChart.h"
#include "chart/QtChartSurface.h"
#include "controls/Clock.h"
#include "register/PersonRegister.h"
#include "support/TempDir.h"
#include "ui/BioUnit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>
#include <vector>

namespace cyclo {
namespace {

const QDate kToday(1998, 6, 6);

QScreen* screenNamed(const char* name)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == QLatin1String(name))
            return screen;
    }
    return nullptr;
}

// Anna's chart window, shown on the screen `screen`.
class ChartWindowOnScreen : public testing::Test
{
protected:
    void SetUp() override
    {
        persons.AddPerson("Anna", {1981, 4, 8});
        form.SetChartPerson(1, {1981, 4, 8}, {1998, 6, 6}, QStringLiteral("Anna ( 4/8/1981 )"));
        paintBox = form.findChild<QWidget*>(QStringLiteral("PaintBox1"));
        ASSERT_NE(paintBox, nullptr);
    }

    void showOn(const char* name)
    {
        QScreen* screen = screenNamed(name);
        ASSERT_NE(screen, nullptr) << name << ": run with ScaledScreens.json";
        form.show();
        form.windowHandle()->setScreen(screen);
        QApplication::processEvents();
    }

    test::TempDir dir;
    PersonRegister persons{dir.file("personen.dat")};
    FixedClock clock{kToday};
    TBioForm form{persons, clock};
    QWidget* paintBox = nullptr;
};

// The paint area shows the chart the renderer draws for its size in device
// pixels at the screen's ratio, copied pixel for pixel.
TEST_F(ChartWindowOnScreen, ThePaintAreaHoldsTheChartDrawnForItsDevicePixels)
{
    struct Case
    {
        const char* screen;
        double ratio;
    } const cases[] = {{"at100", 1.0}, {"at150", 1.5}, {"at200", 2.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        showOn(c.screen);
        ASSERT_EQ(paintBox->devicePixelRatioF(), c.ratio);
        const QImage shown = paintBox->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QSize device(static_cast<int>(std::ceil(paintBox->width() * c.ratio)),
                           static_cast<int>(std::ceil(paintBox->height() * c.ratio)));
        ASSERT_EQ(shown.size(), device);

        QtChartSurface expected(device);
        DrawChart(expected, form.Chart(), c.ratio);
        ASSERT_EQ(expected.image().size(), device);
        int differences = 0;
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x)
                differences += shown.pixel(x, y) != expected.image().pixel(x, y) ? 1 : 0;
        EXPECT_EQ(differences, 0);
    }
}

// Counts the paint area's paint events and the ratio each was for.
class PaintRatios : public QObject
{
public:
    explicit PaintRatios(QWidget* watched) : watched_(watched)
    {
        watched->installEventFilter(this);
    }
    std::vector<qreal> ratios;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (object == watched_ && event->type() == QEvent::Paint)
            ratios.push_back(watched_->devicePixelRatioF());
        return false;
    }

private:
    QWidget* watched_;
};

TEST_F(ChartWindowOnScreen, MovedToAScreenOfAnotherRatioTheChartIsPaintedAgainForIt)
{
    showOn("at100");
    PaintRatios paints(paintBox);
    form.windowHandle()->setScreen(screenNamed("at200"));
    QApplication::processEvents();
    ASSERT_FALSE(paints.ratios.empty());
    EXPECT_EQ(paints.ratios.back(), 2.0);

    paints.ratios.clear();
    form.windowHandle()->setScreen(screenNamed("at150"));
    QApplication::processEvents();
    ASSERT_FALSE(paints.ratios.empty());
    EXPECT_EQ(paints.ratios.back(), 1.5);
}

} // namespace
} // namespace cyclo
