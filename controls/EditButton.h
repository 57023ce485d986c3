#pragma once
// The button at the right end of a combo edit field. It can be told to
// ignore its next click (the press that closed the drop-down already acted)
// and draws two lines at its left edge that join it to the field's border.

#include "controls/VoSpeedButton.h"

namespace cyclo {

class TEditButton : public TVoSpeedButton
{
    Q_OBJECT

public:
    explicit TEditButton(QWidget* parent = nullptr);

    void setIgnoreNextClick(bool ignore) { ignoreNextClick_ = ignore; }
    [[nodiscard]] bool ignoresNextClick() const { return ignoreNextClick_; }

protected:
    void click() override;
    void paintButton(QPainter& painter) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool ignoreNextClick_ = false;
};

} // namespace cyclo
