#pragma once
// A push button that shows its picture above its caption, the block of both
// centred in the button, and keeps the default and cancel roles of a push
// button in a dialog.

#include <QPushButton>

namespace cyclo {

class GlyphButton : public QPushButton
{
    Q_OBJECT

public:
    GlyphButton(const QIcon& picture, const QString& caption, QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace cyclo
