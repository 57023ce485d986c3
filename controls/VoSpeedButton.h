#pragma once
// A small push button without focus that paints a picture on its parent's
// surface: one picture holds up to four images side by side (normal,
// disabled, pressed, latched), it shows a pressed state while held, and it
// can repeat its click while held down.

#include "controls/DevicePixels.h"
#include "controls/RepeatTimer.h"

#include <QImage>
#include <QWidget>
#include <memory>

namespace cyclo {

class TVoSpeedButton : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDefaultInitPauseMs = 500;
    static constexpr int kDefaultRepeatPauseMs = 100;
    static constexpr int kMaxGlyphs = 4;

    explicit TVoSpeedButton(QWidget* parent = nullptr);
    ~TVoSpeedButton() override;

    // The picture, its images side by side; the colour of its bottom-left
    // pixel is transparent.
    void setGlyph(const QImage& picture);
    [[nodiscard]] const QImage& glyph() const { return glyph_; }
    // Images in the picture, 1 to 4.
    void setNumGlyphs(int count);
    [[nodiscard]] int numGlyphs() const { return numGlyphs_; }
    // One image of the picture, for the given state, with the transparent colour applied.
    [[nodiscard]] QImage glyphImage(bool enabled) const;

    // A flat button shows no bevel until the pointer is over it.
    void setFlat(bool flat);
    [[nodiscard]] bool flat() const { return flat_; }

    // Auto-repeat: while held, a first extra click after initPause, then one
    // every repeatPause while the pointer stays over the button.
    void setAllowTimer(bool allow);
    [[nodiscard]] bool allowTimer() const { return allowTimer_; }
    void setInitPause(int ms) { initPauseMs_ = ms; }
    [[nodiscard]] int initPause() const { return initPauseMs_; }
    void setRepeatPause(int ms) { repeatPauseMs_ = ms; }
    [[nodiscard]] int repeatPause() const { return repeatPauseMs_; }
    // Replaces the timer used for repeating (tests step a fake one).
    void setRepeatTimer(std::unique_ptr<RepeatTimer> timer);

    // Whether the button is drawn pressed: held with the pointer over it.
    [[nodiscard]] bool isDown() const { return down_; }

    [[nodiscard]] QSize sizeHint() const override;

signals:
    // The left button went down on the button.
    void pressed();
    // A click: release over the button, or a repeat step while held.
    void clicked();

protected:
    // Emits clicked(); subclasses may swallow a click.
    virtual void click();
    // Paints the face (bevel and picture); paintEvent calls it.
    virtual void paintButton(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void onRepeatTimer();
    void setDown(bool down);
    void stopTracking();

    QImage glyph_;
    int numGlyphs_ = 1;
    bool flat_ = false;
    bool allowTimer_ = false;
    int initPauseMs_ = kDefaultInitPauseMs;
    int repeatPauseMs_ = kDefaultRepeatPauseMs;
    std::unique_ptr<RepeatTimer> timer_;
    bool repeating_ = false;
    bool tracking_ = false; // left button held since a press on the button
    bool down_ = false;
    bool hover_ = false;
};

// Draws the classic two-line bevel of a push button inside `deviceRect`.
void DrawButtonBevel(DevicePainter& device, const QRect& deviceRect, const QPalette& palette,
                     bool sunken);
// Draws a one-line raised or sunken frame inside `rect` (in units).
void DrawThinBevel(QPainter& painter, const QRect& rect, const QColor& topLeft,
                   const QColor& bottomRight);
// The device pixels a picture covers at `ratio`: its own size when it was
// made for that ratio.
[[nodiscard]] QSize DevicePictureSize(const QImage& picture, qreal ratio);
// Draws a picture with its top-left corner at a device pixel, at its own ratio.
void DrawPicture(DevicePainter& device, const QPoint& deviceTopLeft, const QImage& picture);

} // namespace cyclo
