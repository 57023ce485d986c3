#pragma once
// The date entry field as forms place it: a TCustomDateEdit that derives its
// format and mask once on construction. The new-person dialog's birth-date
// field is one.
//
//   auto* edit = new TDateEdit(clock, regionalSettings, dialog);
//   edit->setDefaultToday(true);
//   edit->setNumGlyphs(2);
//   edit->setYearDigits(TYearDigits::dyFour);
//   edit->setFieldText("18.01.2001");
//   ...
//   if (edit->textState() == TDateEdit::TextState::NotADate)
//       QMessageBox::critical(..., edit->invalidDateMessage());
//   const QDate birth = edit->date();

#include "controls/CustomDateEdit.h"

namespace cyclo {

class TDateEdit : public TCustomDateEdit
{
    Q_OBJECT

public:
    TDateEdit(const Clock& clock, const RegionalSettings& settings, QWidget* parent = nullptr);
};

} // namespace cyclo
