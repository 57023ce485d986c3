#pragma once
// What screen readers are told about the windows beyond what Qt tells them by
// itself: the main window is a window, not a dialog; pictures that only
// decorate are left out; a field is named by the label in front of it.

#include <QString>

class QComboBox;
class QWidget;

namespace cyclo {

// Makes the roles below reach screen readers; installed once at start-up.
void InstallScreenReaderAccessibility();

// Screen readers announce `window`, a dialog by its class, as the program's
// window (a frame). Call it before the window is shown.
void AnnounceAsWindow(QWidget& window);

// Screen readers pass over `picture`: it only decorates. Call it right after
// the picture is created.
void HideFromScreenReaders(QWidget& picture);

// A field's accessible name from the caption of its label: "Birthday:"
// names the field "Birthday".
[[nodiscard]] QString FieldName(const QString& caption);

// Names `field` by the caption of the label in front of it, for screen
// readers that read a field's label rather than its name (they read a drop-down
// list's name as its chosen line): the field's name, and a label for it that
// only screen readers see.
void NameByLabel(QWidget& field, const QString& caption);

// A screen reader that takes a drop-down list's name from its label finds its
// chosen line nowhere else (Qt offers it as the list's name, or through a
// selection interface that this Qt lacks). This keeps the chosen line as the
// list's description, which is read after the label.
void DescribeByChoice(QComboBox& list);

// A line edit tells screen readers of its caret and selection before it tells
// them that it took the focus, and they then move along with it silently,
// speaking only its text. This makes `field` handle the focus once the news is
// out, so its name is spoken when Tab reaches it.
void AnnounceFocusFirst(QWidget& field);

} // namespace cyclo
