#pragma once
// A flat speed button that repeats its click while held down: the
// navigation buttons of the drop-down calendar.

#include "controls/VoSpeedButton.h"

namespace cyclo {

class TVoTimerSpeedButton : public TVoSpeedButton
{
    Q_OBJECT

public:
    explicit TVoTimerSpeedButton(QWidget* parent = nullptr) : TVoSpeedButton(parent)
    {
        setAllowTimer(true);
        setFlat(true);
    }
};

} // namespace cyclo
