#pragma once
// The engraved line that divides a dialog's fields from its buttons: a dark
// line with a light line below it, two pixels high in all.

#include <QWidget>

namespace cyclo {

class SeparatorLine : public QWidget
{
    Q_OBJECT

public:
    // A line across `parent` from x = 0 to its full width, its top line at `row`.
    SeparatorLine(QWidget* parent, int row);

    static constexpr int kHeight = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace cyclo
