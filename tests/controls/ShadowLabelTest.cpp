#include "controls/ShadowLabel.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>

namespace cyclo {
namespace {

using Pos = ShadowLabel::ShadowPosition;

const QColor kRed(255, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kBackground(192, 192, 192);

QFont legendFont()
{
    return QFont(QStringLiteral("MS Sans Serif"), 8);
}

// The label as it paints itself, on an image of its own size.
QImage render(const ShadowLabel& label, const QColor& underlay = Qt::blue)
{
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(underlay);
    QPainter painter(&image);
    label.paintLabel(painter);
    return image;
}

QColor at(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

bool inside(const QImage& image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

// The measure auto-sizing starts from: the caption's text block in the label's
// font, unaligned, in a rectangle two pixels narrower than the label.
QSize textBlock(const ShadowLabel& label, const QString& text, int width, bool wrap = false)
{
    const QFont font = label.captionFont();
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextShowMnemonic |
                      (wrap ? Qt::TextWordWrap : 0);
    return QFontMetrics(font).boundingRect(QRect(0, 0, width - 2, 100000), flags, text).size();
}

class ShadowLabelPaint : public testing::Test
{
protected:
    ShadowLabelPaint()
    {
        label.setFont(legendFont());
        QPalette palette = label.palette();
        palette.setColor(QPalette::Window, kBackground);
        palette.setColor(QPalette::WindowText, kRed);
        label.setPalette(palette);
        label.setText(QStringLiteral("Emotional constitution"));
    }

    // Checks that every pixel is background, face or shadow colour, that the
    // shadow is a copy of the face strokes shifted by `offset`, and returns
    // how many shadow pixels show.
    int expectShadowCopy(const QImage& image, QPoint offset, const QColor& face,
                         const QColor& shadow)
    {
        int shadowPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = at(image, x, y);
                SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
                if (c != face && c != shadow && c != kBackground) {
                    ADD_FAILURE() << "stray colour " << c.name().toStdString();
                    return -1;
                }
                const int fx = x + offset.x();
                const int fy = y + offset.y();
                if (c == face && inside(image, fx, fy)) {
                    const QColor copy = at(image, fx, fy);
                    EXPECT_TRUE(copy == face || copy == shadow);
                }
                if (c == shadow) {
                    ++shadowPixels;
                    EXPECT_TRUE(inside(image, x - offset.x(), y - offset.y()));
                    EXPECT_EQ(at(image, x - offset.x(), y - offset.y()), face);
                }
            }
        }
        return shadowPixels;
    }

    ShadowLabel label;
};

TEST_F(ShadowLabelPaint, LegendCaptionHasAGreyCopyOfEveryStrokeOnePixelRightAndDown)
{
    label.setShadowColor(kGrey);
    label.setShadowPos(Pos::spRightBottom);

    const QImage image = render(label);
    EXPECT_GT(expectShadowCopy(image, {1, 1}, kRed, kGrey), 20);
}

TEST_F(ShadowLabelPaint, EveryShadowPositionShiftsTheCopyThatWay)
{
    struct Case
    {
        Pos position;
        int size;
        QPoint offset;
    };
    const Case cases[] = {
        {Pos::spLeftTop, 1, {-1, -1}},   {Pos::spLeftBottom, 1, {-1, 1}},
        {Pos::spRightBottom, 1, {1, 1}}, {Pos::spRightTop, 1, {1, -1}},
        {Pos::spRightBottom, 2, {2, 2}}, {Pos::spLeftTop, 3, {-3, -3}},
    };
    label.setShadowColor(kGrey);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "size " << c.size << " offset " << c.offset.x() << "," << c.offset.y());
        label.setShadowPos(c.position);
        label.setShadowSize(static_cast<std::uint8_t>(c.size));
        EXPECT_GT(expectShadowCopy(render(label), c.offset, kRed, kGrey), 20);
    }
}

TEST_F(ShadowLabelPaint, DefaultShadowIsTheHighlightColourUpAndLeft)
{
    EXPECT_EQ(label.ShadowSize(), 1);
    EXPECT_EQ(label.ShadowPos(), Pos::spLeftTop);
    EXPECT_EQ(label.ShadowColor(), label.palette().color(QPalette::Light));
    EXPECT_TRUE(label.AutoSize());
    EXPECT_FALSE(label.WordWrap());
    EXPECT_FALSE(label.Transparent());
    EXPECT_TRUE(label.ShowAccelChar());
    EXPECT_EQ(label.Alignment(), Qt::AlignLeft);
    EXPECT_EQ(label.Layout(), ShadowLabel::TextLayout::Top);

    const QColor light = label.palette().color(QPalette::Light);
    EXPECT_GT(expectShadowCopy(render(label), {-1, -1}, kRed, light), 20);
}

TEST_F(ShadowLabelPaint, DisabledLabelIsGreyOverAHighlightShadowRightAndDownWhenSizeIsZero)
{
    label.setShadowColor(kGrey);
    label.setShadowSize(0);
    label.setEnabled(false);

    const QColor grey = label.palette().color(QPalette::Disabled, QPalette::WindowText);
    const QColor light = label.palette().color(QPalette::Active, QPalette::Light);
    ASSERT_NE(grey, light);
    EXPECT_GT(expectShadowCopy(render(label), {1, 1}, grey, light), 20);
}

TEST_F(ShadowLabelPaint, DisabledLabelKeepsItsShadowDirectionAndSize)
{
    label.setShadowPos(Pos::spRightTop);
    label.setShadowSize(2);
    label.setEnabled(false);

    const QColor grey = label.palette().color(QPalette::Disabled, QPalette::WindowText);
    const QColor light = label.palette().color(QPalette::Active, QPalette::Light);
    EXPECT_GT(expectShadowCopy(render(label), {2, -2}, grey, light), 20);
}

TEST_F(ShadowLabelPaint, OpaqueLabelFillsItsBackgroundAndTransparentOneLeavesIt)
{
    label.setText(QStringLiteral("A"));
    label.setAutoSize(false);
    label.resize(60, 30);

    EXPECT_EQ(at(render(label, Qt::blue), 55, 25), kBackground);
    label.setTransparent(true);
    EXPECT_EQ(at(render(label, Qt::blue), 55, 25), QColor(Qt::blue));
}

TEST_F(ShadowLabelPaint, BottomAndCentreLayoutsMoveTheCaptionDownByTheFreeHeight)
{
    label.setShadowColor(kGrey);
    label.setAutoSize(false);
    const QSize block = textBlock(label, label.text(), 300);
    const int height = block.height() + 1 + 15; // one line, its shadow, 15 rows free
    label.resize(300, height);
    const QImage top = render(label);

    struct Case
    {
        ShadowLabel::TextLayout layout;
        int shift;
    };
    for (const Case c :
         {Case{ShadowLabel::TextLayout::Bottom, 15}, Case{ShadowLabel::TextLayout::Center, 7}}) {
        SCOPED_TRACE(c.shift);
        label.setLayout(c.layout);
        const QImage moved = render(label);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < 300; ++x) {
                const QColor expected = y >= c.shift ? at(top, x, y - c.shift) : kBackground;
                ASSERT_EQ(at(moved, x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST_F(ShadowLabelPaint, CentredAndRightAlignedCaptionsKeepTheirPlaceInAWideLabel)
{
    label.setAutoSize(false);
    label.setText(QStringLiteral("Ab"));
    label.resize(201, 20);
    const int textWidth = textBlock(label, label.text(), 201).width();

    const auto columns = [&] {
        const QImage image = render(label);
        std::set<int> xs;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (at(image, x, y) == kRed)
                    xs.insert(x);
        return std::pair{*xs.begin(), *xs.rbegin()};
    };
    const auto [leftFirst, leftLast] = columns();
    EXPECT_GE(leftFirst, 1);
    EXPECT_LT(leftFirst, 4);

    label.setAlignment(Qt::AlignRight);
    const auto [rightFirst, rightLast] = columns();
    EXPECT_EQ(rightFirst - leftFirst, 199 - textWidth);

    label.setAlignment(Qt::AlignHCenter);
    const auto [centreFirst, centreLast] = columns();
    EXPECT_EQ(centreFirst - leftFirst, (199 - textWidth) / 2);
}

class ShadowLabelAutoSize : public testing::Test
{
protected:
    ShadowLabelAutoSize() { label.setFont(legendFont()); }
    ShadowLabel label;
};

TEST_F(ShadowLabelAutoSize, SizeIsTheTextPlusTheShadowOffsetPlusOnePixelEachSide)
{
    const QString caption = QStringLiteral("Intuitive constitution");
    for (const int size : {0, 1, 2, 5}) {
        SCOPED_TRACE(size);
        label.setShadowSize(static_cast<std::uint8_t>(size));
        label.setText(caption);
        const QSize text = textBlock(label, caption, 1000);
        EXPECT_EQ(label.width(), text.width() + size + 2);
        EXPECT_EQ(label.height(), text.height() + size);
        EXPECT_EQ(label.sizeHint(), label.size());
    }
}

TEST_F(ShadowLabelAutoSize, CaptionChangeResizesAtOnceKeepingTheLeftEdge)
{
    label.move(40, 30);
    label.setText(QStringLiteral("Short"));
    const QSize small = label.size();
    label.setText(QStringLiteral("A considerably longer caption"));
    EXPECT_GT(label.width(), small.width());
    EXPECT_EQ(label.height(), small.height());
    EXPECT_EQ(label.pos(), QPoint(40, 30));

    label.setAlignment(Qt::AlignHCenter);
    label.setText(QStringLiteral("Short"));
    EXPECT_EQ(label.geometry(), QRect(QPoint(40, 30), small));
}

TEST_F(ShadowLabelAutoSize, RightAlignedLabelKeepsItsRightEdge)
{
    label.setAlignment(Qt::AlignRight);
    label.move(100, 10);
    label.setText(QStringLiteral("Short"));
    const int right = label.geometry().right();
    label.setText(QStringLiteral("A considerably longer caption"));
    EXPECT_EQ(label.geometry().right(), right);
    EXPECT_LT(label.x(), 100);
}

TEST_F(ShadowLabelAutoSize, EmptyCaptionAndLoneAmpersandMeasureAsOneBlank)
{
    label.setText(QStringLiteral(" "));
    const QSize blank = label.size();
    EXPECT_EQ(blank.height(), textBlock(label, QStringLiteral("Xy"), 1000).height() + 1);

    label.setText(QString());
    EXPECT_EQ(label.size(), blank);
    label.setText(QStringLiteral("&"));
    EXPECT_EQ(label.size(), blank);

    label.setShowAccelChar(false);
    EXPECT_NE(label.size(), blank); // "&" is now a character of its own
}

TEST_F(ShadowLabelAutoSize, AccelCharMarksALetterAndDoubleAmpersandShowsOne)
{
    label.setText(QStringLiteral("&Quit"));
    const int marked = label.width();
    label.setText(QStringLiteral("Quit"));
    EXPECT_EQ(label.width(), marked);

    label.setText(QStringLiteral("&&"));
    const int oneAmpersand = label.width();
    label.setShowAccelChar(false);
    label.setText(QStringLiteral("&"));
    EXPECT_EQ(label.width(), oneAmpersand);
}

TEST_F(ShadowLabelAutoSize, WordWrappedLabelBreaksOnlyAtBlanksAndTakesTheHeightOfItsLines)
{
    // Wrapped to the width of its first word, a caption of two words
    // without punctuation has two lines: the reference height.
    ShadowLabel reference;
    reference.setFont(legendFont());
    reference.setAutoSize(false);
    reference.setWordWrap(true);
    reference.setText(QStringLiteral("Addremove analyse"));
    reference.resize(textBlock(reference, QStringLiteral("Addremove"), 1000).width() + 6, 20);
    reference.setAutoSize(true);
    const int twoLines = reference.height();
    const int oneLine = textBlock(reference, QStringLiteral("Addremove"), 1000).height() + 1;
    ASSERT_GT(twoLines, oneLine);

    const QString caption = QStringLiteral("Add/remove analyse");
    const int oneWord = textBlock(label, QStringLiteral("Add/remove"), 1000).width();
    const int slashPart = textBlock(label, QStringLiteral("Add/"), 1000).width();
    label.setWordWrap(true);
    label.setText(caption);
    struct Case
    {
        const char* what;
        int width;
    };
    const Case cases[] = {
        {"room for the first word", oneWord + 2 + 4},
        {"room up to the slash only", slashPart + 2 + 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        label.setAutoSize(false);
        label.resize(c.width, 20);
        EXPECT_EQ(label.size(), QSize(c.width, 20)); // not auto-sized: stays as placed
        label.setAutoSize(true);
        EXPECT_EQ(label.height(), twoLines); // "Add/remove" | "analyse"
    }

    label.setAutoSize(false);
    label.resize(1000, 20);
    label.setAutoSize(true);
    EXPECT_EQ(label.height(), oneLine);
}

TEST_F(ShadowLabelAutoSize, LabelDockedToTheTopTakesOnlyTheHeight)
{
    label.resize(300, 50);
    label.setDockedTop(true);
    label.setText(QStringLiteral("Anna ( 4/8/1981 )"));
    EXPECT_EQ(label.width(), 300);
    EXPECT_EQ(label.height(), textBlock(label, label.text(), 300).height() + 1);
}

} // namespace
} // namespace cyclo
