#pragma once
// Small helpers every window of the program uses: its default font and its
// place in the middle of the screen.

#include <QFont>

class QWidget;

namespace cyclo {

// "MS Sans Serif", 8 points: the font of every control that names no other.
[[nodiscard]] QFont FormFont();
// A font by family, points and weight, as the layouts name them.
[[nodiscard]] QFont NamedFont(const char* family, int points, bool bold);

// Moves a top-level window so its client area sits in the middle of the
// screen it will appear on.
void centreOnScreen(QWidget& window);

} // namespace cyclo
