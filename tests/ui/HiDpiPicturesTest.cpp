// The windows at 200 %: the main window's picture and the button pictures are
// the 2x drawings, not 1x pictures enlarged to 2 x 2 blocks.

#include "assets/Artwork.h"
#include "assets/PictureChecks.h"
#include "controls/Clock.h"
#include "controls/DateEdit.h"
#include "controls/EditButton.h"
#include "controls/RegionalSettings.h"
#include "register/PersonRegister.h"
#include "support/TempDir.h"
#include "ui/PersonUnit.h"
#include "ui/app/CyclographApplication.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Whether the opaque pixels of `part` appear in `whole` somewhere, each in
// its colour; the others are blended with the button face.
bool contains(const QImage& whole, const QImage& part)
{
    const QImage w = argb(whole);
    const QImage p = argb(part);
    const auto matchesAt = [&](int left, int top) {
        for (int y = 0; y < p.height(); ++y) {
            for (int x = 0; x < p.width(); ++x) {
                const QRgb pixel = p.pixel(x, y);
                if (qAlpha(pixel) == 255 && w.pixel(left + x, top + y) != pixel)
                    return false;
            }
        }
        return true;
    };
    for (int y = 0; y + p.height() <= w.height(); ++y) {
        for (int x = 0; x + p.width() <= w.width(); ++x) {
            if (matchesAt(x, y))
                return true;
        }
    }
    return false;
}

class HiDpiPicturesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_DOUBLE_EQ(qApp->devicePixelRatio(), 2.0);
        form = std::make_unique<TPersonForm>(persons);
    }

    test::TempDir dir;
    PersonRegister persons{dir.file("personen.dat")};
    std::unique_ptr<TPersonForm> form;
};

TEST_F(HiDpiPicturesTest, TheMainPictureIsTheTwoTimesDrawing)
{
    auto* picture = form->findChild<QLabel*>(QStringLiteral("Picture"));
    ASSERT_NE(picture, nullptr);
    const QImage shown = picture->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(336, 624));
    // A 1x picture enlarged shows no block of mixed pixels; in this one more
    // than a tenth are mixed, along the curves and where the shading steps.
    EXPECT_GT(test::mixedBlocks(shown), 336 * 624 / 4 / 10);
    EXPECT_EQ(argb(shown), argb(Artwork::drawing("main-picture", 2)));
}

TEST_F(HiDpiPicturesTest, TheButtonsShowTheirTwoTimesPictures)
{
    const struct
    {
        const char* button;
        const char* picture;
    } cases[] = {
        {"NeuBtn", "buttons/new"},
        {"CompBtn", "buttons/compare"},
        {"QuitBtn", "buttons/cancel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        auto* button = form->findChild<QPushButton*>(QString::fromLatin1(c.button));
        ASSERT_NE(button, nullptr);
        button->setEnabled(true);
        const QImage picture = Artwork::drawing(c.picture, 2);
        ASSERT_FALSE(picture.isNull());
        EXPECT_TRUE(contains(button->grab().toImage(), picture));
    }
}

TEST_F(HiDpiPicturesTest, TheDateFieldsButtonShowsTheTwoTimesPicture)
{
    const FixedClock clock{QDate(2001, 1, 18)};
    const RegionalSettings settings;
    TDateEdit field(clock, settings);
    field.setNumGlyphs(2);
    auto* button = field.findChild<TEditButton*>();
    ASSERT_NE(button, nullptr);

    // The left half of the strip is the enabled glyph; its fuchsia pixels
    // are the transparent colour.
    QImage glyph = argb(Artwork::drawing("dateedit/DEDITBMP", 2));
    ASSERT_EQ(glyph.size(), QSize(56, 24));
    glyph = glyph.copy(0, 0, 28, 24);
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            if ((glyph.pixel(x, y) & 0xffffff) == 0xff00ff)
                glyph.setPixel(x, y, 0);
        }
    }
    EXPECT_TRUE(contains(button->grab().toImage(), glyph));
}

} // namespace
} // namespace cyclo

int main(int argc, char** argv)
{
    // The scale must be set before the application exists.
    qputenv("QT_SCALE_FACTOR", "2");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    cyclo::CyclographApplication::setUp();
    return RUN_ALL_TESTS();
}
