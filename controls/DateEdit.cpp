#include "controls/DateEdit.h"

namespace cyclo {

TDateEdit::TDateEdit(const Clock& clock, RegionalSettings& settings, QWidget* parent)
    : TCustomDateEdit(clock, settings, parent)
{
    RefreshFormatAndMask();
}

} // namespace cyclo
