#pragma once
// The plain one-line border of a list or text box, drawn in whole device
// pixels. The style's border, drawn in units, falls between device pixels
// at 125 % and 175 % and disappears under the box's contents there.

class QAbstractScrollArea;

namespace cyclo {

// From now on `box` draws its border itself: one line of round(r) device
// pixels along its edges at a screen scale r, in the style's border colour
// (the window colour darkened as Qt's own style does).
void DrawWholePixelFrame(QAbstractScrollArea& box);

} // namespace cyclo
