#pragma once
// The static text of the program's windows: paints its caption twice, a
// shadow copy shifted by a few pixels first and the text on top, so every
// caption has a relief. Auto-sizes to its caption, shadow included.

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace cyclo {

class ShadowLabel : public QWidget
{
    Q_OBJECT

public:
    // Direction of the shadow offset S = ShadowSize.
    enum class ShadowPosition
    {
        spLeftTop,     // (-S, -S)
        spLeftBottom,  // (-S, +S)
        spRightBottom, // (+S, +S)
        spRightTop,    // (+S, -S)
    };
    // Vertical placement of the caption.
    enum class TextLayout
    {
        Top,
        Center,
        Bottom
    };

    explicit ShadowLabel(QWidget* parent = nullptr);
    explicit ShadowLabel(const QString& text, QWidget* parent = nullptr);

    [[nodiscard]] QString text() const { return text_; }
    void setText(const QString& text);

    [[nodiscard]] std::uint8_t ShadowSize() const { return shadowSize_; }
    void setShadowSize(std::uint8_t size);

    // The colour set with setShadowColor, or else the palette's 3D-highlight
    // colour (QPalette::Light), which follows the palette.
    [[nodiscard]] QColor ShadowColor() const;
    void setShadowColor(const QColor& color);
    void resetShadowColor();

    [[nodiscard]] ShadowPosition ShadowPos() const { return shadowPos_; }
    void setShadowPos(ShadowPosition position);

    [[nodiscard]] bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);

    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    [[nodiscard]] Qt::Alignment Alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);

    [[nodiscard]] TextLayout Layout() const { return layout_; }
    void setLayout(TextLayout layout);

    [[nodiscard]] bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);

    [[nodiscard]] bool Transparent() const { return transparent_; }
    void setTransparent(bool on);

    [[nodiscard]] bool ShowAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool on);

    // A label docked to the top of its parent takes the width the parent
    // gives; auto-sizing then sets only its height.
    [[nodiscard]] bool DockedTop() const { return dockedTop_; }
    void setDockedTop(bool on);

    // The font colour (the palette's WindowText), a shortcut for callers.
    void setTextColor(const QColor& color);

    // The size auto-sizing gives the label for its caption at its width.
    [[nodiscard]] QSize autoSizeFor() const;
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

    // The label's font as the caption is drawn and measured: without
    // anti-aliasing, as crisp as the classic bitmap fonts (a shadow copy of a
    // blurred stroke would only smear).
    [[nodiscard]] QFont captionFont() const;

    // Paints the label as its paint event does, into any painter whose
    // origin is the label's top-left corner.
    void paintLabel(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    [[nodiscard]] int textFlags(bool withAlignment) const;
    [[nodiscard]] QPoint shadowOffset() const;
    [[nodiscard]] QString brokenText(const QString& text, int width) const;
    [[nodiscard]] QString measuredText() const;
    [[nodiscard]] QSize measure(int width) const;
    void applyAutoSize();

    QString text_;
    std::uint8_t shadowSize_ = 1;
    std::optional<QColor> shadowColor_;
    ShadowPosition shadowPos_ = ShadowPosition::spLeftTop;
    bool autoSize_ = true;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    TextLayout layout_ = TextLayout::Top;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    bool dockedTop_ = false;
};

} // namespace cyclo
