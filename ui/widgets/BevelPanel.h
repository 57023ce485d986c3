#pragma once
// A panel with an outer and an inner bevel of one pixel each (raised,
// lowered or none), filled with its own colour: the title band, the columns
// and the framed areas of the windows.

#include <QColor>
#include <QWidget>

namespace cyclo {

class BevelPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Bevel
    {
        None,
        Raised,
        Lowered
    };

    explicit BevelPanel(QWidget* parent = nullptr, Bevel outer = Bevel::Raised,
                        Bevel inner = Bevel::None);

    [[nodiscard]] Bevel outerBevel() const { return outer_; }
    [[nodiscard]] Bevel innerBevel() const { return inner_; }
    void setBevels(Bevel outer, Bevel inner);

    // Fills the panel with `colour` instead of the palette's window colour;
    // children that do not set their own colour take it too.
    void setColour(const QColor& colour);

    // Pixels taken by the bevels on each side.
    [[nodiscard]] int bevelWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_;
    Bevel inner_;
};

} // namespace cyclo
