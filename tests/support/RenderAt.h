#pragma once
// A widget painted as a screen of a given scale shows it: into an image of
// `ratio` device pixels per unit, on a background colour no widget paints.

#include <QImage>
#include <QWidget>

namespace cyclo::test {

inline QImage renderAt(QWidget& widget, qreal ratio)
{
    QImage image(qRound(widget.width() * ratio), qRound(widget.height() * ratio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(1, 2, 3));
    widget.render(&image);
    return image;
}

} // namespace cyclo::test
