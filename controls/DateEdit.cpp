#include "controls/DateEdit.h"

namespace cyclo {

TDateEdit::TDateEdit(const Clock& clock, const RegionalSettings& settings, QWidget* parent)
    : TCustomDateEdit(clock, settings, parent)
{
    RefreshFormatAndMask();
}

} // namespace cyclo
