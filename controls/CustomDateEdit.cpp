#include "controls/CustomDateEdit.h"

#include "assets/Artwork.h"
#include "controls/Clock.h"
#include "controls/EditButton.h"
#include "controls/PopupCalendar.h"
#include "controls/QtDate.h"
#include "controls/RegionalSettings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

namespace cyclo {

namespace {

constexpr int kDateEditGlyphs = 2;

bool isWritableDate(QDate date)
{
    return date.isValid() && date.year() >= kMinYear && date.year() <= kMaxYear;
}

// The date field's button picture for a screen of `ratio`, drawn at 1x and at
// 2x; each is loaded once and shared by every field.
const QImage& dateEditPicture(qreal ratio)
{
    static const QImage normal = Artwork::dateEditPicture(1.0).toImage();
    static const QImage sharp = Artwork::dateEditPicture(2.0).toImage();
    return ratio > 1.0 ? sharp : normal;
}

bool isTypedLetterT(const QKeyEvent* event)
{
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != Qt::NoModifier)
        return false;
    return event->text().compare(QStringLiteral("t"), Qt::CaseInsensitive) == 0;
}

} // namespace

TCustomDateEdit::TCustomDateEdit(const Clock& clock, const RegionalSettings& settings,
                                 QWidget* parent)
    : TCustomComboEdit(parent), clock_(clock), settings_(settings),
      popupColor_(palette().color(QPalette::Button))
{
    calendar_ = new TPopupCalendar(clock, settings, this);
    setPopup(calendar_);
    calendar_->setPopupColor(popupColor_);
    passSettingsToCalendar();
    setDefaultNumGlyphs(kDateEditGlyphs);
    setNumGlyphs(kDateEditGlyphs);
    button()->setAccessibleName(QStringLiteral("Choose a date"));
    connect(this, &QLineEdit::textChanged, this, &TCustomDateEdit::reportDate);
}

void TCustomDateEdit::reportDate()
{
    if (holdDateReport_)
        return;
    const QDate current = date();
    if (current == reportedDate_)
        return;
    reportedDate_ = current;
    emit dateChanged(current);
}

void TCustomDateEdit::setDefaultToday(bool on)
{
    defaultToday_ = on;
    reportDate();
}

std::optional<QDate> TCustomDateEdit::parseText(const QString& fieldText) const
{
    const std::optional<TYmd> ymd = ParseDateText(format_, fieldText.toStdU16String(),
                                                  settings_.dateSettings(), clock_.today().year());
    if (!ymd)
        return std::nullopt;
    const QDate date = toQDate(*ymd);
    if (!isWritableDate(date))
        return std::nullopt;
    return date;
}

QDate TCustomDateEdit::date() const
{
    const QString fieldText = this->fieldText();
    if (fieldText.isEmpty())
        return {};
    if (const std::optional<QDate> read = parseText(fieldText))
        return *read;
    return defaultToday_ ? clock_.today() : QDate();
}

void TCustomDateEdit::setDate(QDate date)
{
    if (!isWritableDate(date))
        date = defaultToday_ ? clock_.today() : QDate();
    const QDate before = this->date();
    if (date.isNull()) {
        QLineEdit::setText(QString());
    } else {
        const std::u16string fieldText =
            FormatDateText(format_, settings_.dateSeparator(), toYmd(date));
        QLineEdit::setText(QString::fromStdU16String(
            editMask_.empty() ? fieldText : DisplayTextOf(fieldText, editMask_)));
    }
    setModified(this->date() != before);
}

void TCustomDateEdit::SetDateAndSelect(QDate date)
{
    setDate(date);
    if (directInput())
        selectAll();
}

QString TCustomDateEdit::fieldText() const
{
    if (editMask_.empty())
        return QLineEdit::text();
    return QString::fromStdU16String(FieldTextOf(displayText().toStdU16String(), editMask_));
}

void TCustomDateEdit::setFieldText(const QString& text)
{
    if (editMask_.empty()) {
        QLineEdit::setText(text);
        return;
    }
    const std::u16string fitted =
        FitTextToMask(text.toStdU16String(), editMask_, settings_.dateSeparator());
    QLineEdit::setText(QString::fromStdU16String(DisplayTextOf(fitted, editMask_)));
}

TCustomDateEdit::TextState TCustomDateEdit::textState() const
{
    const QString fieldText = this->fieldText();
    QString rest = fieldText;
    rest.remove(QChar(u' '));
    rest.remove(blanksChar_);
    rest.remove(QChar(settings_.dateSeparator()));
    if (rest.isEmpty())
        return TextState::Blank;
    return parseText(fieldText) ? TextState::ValidDate : TextState::NotADate;
}

QString TCustomDateEdit::invalidDateMessage() const
{
    return QStringLiteral("''%1'' is not a valid date").arg(fieldText());
}

void TCustomDateEdit::RefreshFormatAndMask()
{
    const QDate current = date();
    const std::u16string oldFormat = format_;
    const RegionalDateSettings& regional = settings_.dateSettings();
    const DateOrder order = DateOrderOf(regional.shortDateFormat);
    const bool fourDigits = UsesFourDigitYear(yearDigits_, regional.fourDigitYearByDefault);
    format_ = DateFieldFormat(order, fourDigits);
    const std::u16string newMask = DateEditMask(order, fourDigits, blanksChar_.unicode());
    const QString qtMask =
        QString::fromStdU16String(QtInputMaskOf(newMask, regional.dateSeparator));
    holdDateReport_ = true;
    if (qtMask != qtMask_ || format_ != oldFormat) {
        setInputMask(QString());
        setInputMask(qtMask);
        qtMask_ = qtMask;
    }
    editMask_ = newMask;
    passSettingsToCalendar();
    setDate(current);
    holdDateReport_ = false;
    reportDate();
}

void TCustomDateEdit::setBlanksChar(QChar blanks)
{
    const QChar effective(EffectiveBlanksChar(blanks.unicode()));
    if (effective == blanksChar_)
        return;
    blanksChar_ = effective;
    RefreshFormatAndMask();
}

void TCustomDateEdit::setYearDigits(TYearDigits digits)
{
    if (digits == yearDigits_)
        return;
    yearDigits_ = digits;
    RefreshFormatAndMask();
}

void TCustomDateEdit::setStartOfWeek(TDayOfWeekName day)
{
    startOfWeek_ = day;
    calendar_->setStartOfWeek(day);
}

void TCustomDateEdit::setWeekends(TDaysOfWeek days)
{
    weekends_ = days;
    calendar_->setWeekends(days);
}

void TCustomDateEdit::setWeekendColor(const QColor& color)
{
    weekendColor_ = color;
    calendar_->setWeekendColor(color);
}

void TCustomDateEdit::setPopupColor(const QColor& color)
{
    popupColor_ = color;
    calendar_->setPopupColor(color);
}

void TCustomDateEdit::setCalendarHints(const QStringList& hints)
{
    calendarHints_ = hints.mid(0, TPopupCalendar::kCalendarHintCount);
    calendar_->setCalendarHints(calendarHints_);
}

void TCustomDateEdit::passSettingsToCalendar()
{
    calendar_->setStartOfWeek(startOfWeek_);
    calendar_->setWeekends(weekends_);
    calendar_->setWeekendColor(weekendColor_);
    calendar_->setCalendarHints(calendarHints_);
}

QImage TCustomDateEdit::DefaultButtonGlyph() const
{
    return dateEditPicture(devicePixelRatioF());
}

bool TCustomDateEdit::CanAcceptDropDownValue(QVariant& value)
{
    bool accept = true;
    if (onAcceptDate_) {
        QDate date = value.toDate();
        onAcceptDate_(date, accept);
        value = date;
    }
    return accept;
}

void TCustomDateEdit::AcceptDropDownValue(const QVariant& value)
{
    setDate(value.toDate());
}

void TCustomDateEdit::SetDropDownValue(const QString& /*displayText*/)
{
    const QString fieldText = this->fieldText();
    if (fieldText.isEmpty()) {
        calendar_->PresetValue(QVariant());
        return;
    }
    calendar_->PresetValue(parseText(fieldText).value_or(clock_.today()));
}

void TCustomDateEdit::keyPressEvent(QKeyEvent* event)
{
    if (!popupVisible()) {
        const bool canWrite = directInput() && !IsReadOnly();
        const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
        const bool held =
            (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) !=
            Qt::NoModifier;
        if (keypad && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus)) {
            if (canWrite && !held) {
                // No date counts as today.
                const QDate current = date().isNull() ? clock_.today() : date();
                SetDateAndSelect(current.addDays(event->key() == Qt::Key_Plus ? 1 : -1));
            }
            event->accept();
            return;
        }
        if (isTypedLetterT(event)) {
            if (canWrite)
                SetDateAndSelect(clock_.today());
            event->accept();
            return;
        }
        if (event->text() == QStringLiteral("+") || event->text() == QStringLiteral("-")) {
            event->accept();
            return;
        }
    }
    TCustomComboEdit::keyPressEvent(event);
}

void TCustomDateEdit::focusOutEvent(QFocusEvent* event)
{
    TCustomComboEdit::focusOutEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        if (checkOnExit_ && !reportingInvalid_)
            checkOnLeaving();
        break;
    default: // the window went inactive: the user has not left the field
        break;
    }
}

void TCustomDateEdit::checkOnLeaving()
{
    switch (textState()) {
    case TextState::Blank:
        break;
    case TextState::ValidDate:
        setChangeSignalBlocked(true);
        setDate(*parseText(fieldText()));
        setChangeSignalBlocked(false);
        break;
    case TextState::NotADate:
        // Reported once the focus change is over; the text stays as typed.
        QMetaObject::invokeMethod(this, &TCustomDateEdit::showInvalidDate, Qt::QueuedConnection);
        break;
    }
}

void TCustomDateEdit::showInvalidDate()
{
    reportingInvalid_ = true;
    QMessageBox::critical(window(), QApplication::applicationDisplayName(), invalidDateMessage());
    reportingInvalid_ = false;
    if (isVisible() && isEnabled())
        setFocus(Qt::OtherFocusReason);
}

void TCustomDateEdit::showEvent(QShowEvent* event)
{
    TCustomComboEdit::showEvent(event);
    if (windowCreated_)
        return;
    windowCreated_ = true;
    RefreshFormatAndMask();
    connect(&settings_, &RegionalSettings::changed, this, &TCustomDateEdit::RefreshFormatAndMask);
}

} // namespace cyclo
