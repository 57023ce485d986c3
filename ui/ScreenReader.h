#pragma once
// What screen readers are told about the windows beyond what Qt tells them by
// itself: the main window is a window, not a dialog; pictures that only
// decorate are left out; a field is named by the label in front of it.

#include <QString>

class QWidget;

namespace cyclo {

// Screen readers announce `window`, a dialog by its class, as the program's
// window (a frame). Call it before the window is shown.
void AnnounceAsWindow(QWidget& window);

// Screen readers pass over `picture`: it only decorates. Call it right after
// the picture is created.
void HideFromScreenReaders(QWidget& picture);

// A field's accessible name from the caption of its label: "Birthday:"
// names the field "Birthday".
[[nodiscard]] QString FieldName(const QString& caption);

} // namespace cyclo
