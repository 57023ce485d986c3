#include "controls/PopupCalendar.h"

#include "calendar/DateTextRules.h"
#include "controls/Clock.h"
#include "controls/DevicePixels.h"
#include "controls/LocCalendar.h"
#include "controls/QtDate.h"
#include "controls/RegionalSettings.h"
#include "controls/VoTimerSpeedButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace cyclo {

namespace {

constexpr qreal kBaseDpi = 96.0;
// Positions in the title bar at the default size; B is the bar's width.
constexpr int kPrevMonthButtonX = 12;
constexpr int kNextMonthButtonFromRight = 26;
constexpr int kNextYearButtonFromRight = 13;
constexpr int kButtonOffset = -1;
constexpr int kTitleX = 29;
constexpr int kTitleY = 1;
constexpr int kTitleMargins = 58;
constexpr int kTitleHeight = 14;
constexpr int kFallbackFontPointSize = 8;

// Tooltips of the navigation buttons; the tooltip shows the text before "|".
const std::array<const char*, TPopupCalendar::kCalendarHintCount> kDefaultHints = {
    "Previous Year|", "Previous Month|", "Next Month|", "Next Year|"};

// The navigation pictures, 8 x 6 units, black on white (white is
// transparent): one or two triangles each, given by their base column and the
// column of their tip; all reach from row 0 to row 5, the tip half-way down.
constexpr QSize kNavPictureSize(8, 6);
constexpr qreal kNavTriangleHeight = 5.0;
struct NavTriangles
{
    std::array<std::pair<qreal, qreal>, 2> baseAndTip;
    int count;
};
constexpr std::array<NavTriangles, TPopupCalendar::kCalendarHintCount> kNavPictures = {{
    {{{{4.0, 1.0}, {8.0, 5.0}}}, 2}, // PREV2
    {{{{5.0, 2.0}, {0.0, 0.0}}}, 1}, // PREV1
    {{{{3.0, 6.0}, {0.0, 0.0}}}, 1}, // NEXT1
    {{{{0.0, 3.0}, {4.0, 7.0}}}, 2}, // NEXT2
}};

// A navigation picture drawn for `ratio` device pixels per unit, so that its
// slopes stay fine at any screen scale.
QImage navPicture(const NavTriangles& picture, qreal ratio)
{
    QImage image(static_cast<int>(std::lround(kNavPictureSize.width() * ratio)),
                 static_cast<int>(std::lround(kNavPictureSize.height() * ratio)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(ratio, ratio);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int i = 0; i < picture.count; ++i) {
        const auto [base, tip] = picture.baseAndTip[static_cast<std::size_t>(i)];
        const std::array<QPointF, 3> corners = {QPointF(base, 0.0),
                                                QPointF(base, kNavTriangleHeight),
                                                QPointF(tip, kNavTriangleHeight / 2)};
        painter.drawPolygon(corners.data(), static_cast<int>(corners.size()));
    }
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

// The raised panel inside the window: one line, in whole device pixels at
// any screen scale.
class RaisedPanel : public QFrame
{
public:
    explicit RaisedPanel(QWidget* parent) : QFrame(parent)
    {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setLineWidth(1);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        DevicePainter device(painter);
        device.ring(device.toDevice(rect()), device.lineWidth(lineWidth()),
                    palette().color(QPalette::Light), palette().color(QPalette::Dark));
    }
};

QString shortHint(const QString& hint)
{
    return hint.section(QLatin1Char('|'), 0, 0);
}

// The system's message-box font where the platform names one, else the
// classic dialog font.
QFont popupFont()
{
    const QFont messageBoxFont = QApplication::font("QMessageBox");
    if (messageBoxFont != QApplication::font())
        return messageBoxFont;
    return QFont(QStringLiteral("MS Sans Serif"), kFallbackFontPointSize);
}

int scaled(int value, qreal scale)
{
    return static_cast<int>(std::lround(value * scale));
}

bool inYearRange(QDate date)
{
    return date.isValid() && date.year() >= kMinYear && date.year() <= kMaxYear;
}

} // namespace

TPopupCalendar::TPopupCalendar(const Clock& clock, const RegionalSettings& settings, QWidget* owner)
    : TPopupWindow(owner), clock_(clock), settings_(settings)
{
    setFont(popupFont());
    setPopupColor(palette().color(QPalette::Button));
    createPanel();
    createTitleBar();
    createCalendar();
    applyHints();
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    scaleForDpi(screen != nullptr ? screen->logicalDotsPerInch() : kBaseDpi);
    writeTitle();
}

void TPopupCalendar::createPanel()
{
    panel_ = new RaisedPanel(this);
}

void TPopupCalendar::createTitleBar()
{
    titleBar_ = new QWidget(panel_);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* button = new TVoTimerSpeedButton(titleBar_);
        button->setGlyph(navPicture(kNavPictures[i], devicePixelRatioF()));
        button->setAttribute(Qt::WA_AlwaysShowToolTips);
        buttons_[i] = button;
    }
    connect(buttons_[PrevYearButton], &TVoSpeedButton::clicked, this,
            [this] { calendar_->PrevYear(); });
    connect(buttons_[PrevMonthButton], &TVoSpeedButton::clicked, this,
            [this] { calendar_->PrevMonth(); });
    connect(buttons_[NextMonthButton], &TVoSpeedButton::clicked, this,
            [this] { calendar_->NextMonth(); });
    connect(buttons_[NextYearButton], &TVoSpeedButton::clicked, this,
            [this] { calendar_->NextYear(); });

    title_ = new QLabel(titleBar_);
    title_->setAlignment(Qt::AlignCenter);
    title_->installEventFilter(this);
}

void TPopupCalendar::createCalendar()
{
    calendar_ = new TLocCalendar(clock_, settings_, panel_);
    connect(calendar_, &TVoCalendar::OnChange, this, &TPopupCalendar::writeTitle);
    connect(calendar_, &TVoCalendar::dayCellReleased, this,
            [this](Qt::KeyboardModifiers modifiers) {
                if ((modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) ==
                    Qt::NoModifier)
                    CloseWithResult(true);
            });
}

QSize TPopupCalendar::sizeForDpi(qreal dpi)
{
    const qreal scale = dpi / kBaseDpi;
    return {std::max(scaled(kDefaultSize.width(), scale), kMinimumSize.width()),
            std::max(scaled(kDefaultSize.height(), scale), kMinimumSize.height())};
}

void TPopupCalendar::scaleForDpi(qreal dpi)
{
    setFixedSize(sizeForDpi(dpi));
    layoutChildren(dpi / kBaseDpi);
    // Set the font again so that every child takes it at the new size.
    setFont(popupFont());
}

void TPopupCalendar::layoutChildren(qreal scale)
{
    const int border = lineWidth();
    panel_->setGeometry(border, border, width() - 2 * border, height() - 2 * border);
    const int bevel = panel_->lineWidth();
    const int barWidth = panel_->width() - 2 * bevel;
    const int barHeight = scaled(kTitleBarHeight, scale);
    titleBar_->setGeometry(bevel, bevel, barWidth, barHeight);

    const int buttonSize = scaled(kNavButtonSize, scale);
    const int offset = kButtonOffset;
    const std::array<int, kCalendarHintCount> xs = {
        offset, scaled(kPrevMonthButtonX, scale),
        barWidth - scaled(kNextMonthButtonFromRight, scale),
        barWidth - scaled(kNextYearButtonFromRight, scale)};
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setGeometry(xs[i], offset, buttonSize, buttonSize);
    title_->setGeometry(scaled(kTitleX, scale), scaled(kTitleY, scale),
                        barWidth - scaled(kTitleMargins, scale), scaled(kTitleHeight, scale));

    calendar_->setGeometry(bevel, bevel + barHeight, barWidth,
                           panel_->height() - 2 * bevel - barHeight);
}

void TPopupCalendar::showEvent(QShowEvent* event)
{
    // The screen it opens on decides the pictures' resolution.
    const qreal ratio = devicePixelRatioF();
    if (ratio != navPictureRatio_) {
        navPictureRatio_ = ratio;
        for (std::size_t i = 0; i < buttons_.size(); ++i)
            buttons_[i]->setGlyph(navPicture(kNavPictures[i], ratio));
    }
    TPopupWindow::showEvent(event);
}

QVariant TPopupCalendar::ReadValue() const
{
    return calendar_->calendarDate();
}

void TPopupCalendar::PresetValue(const QVariant& value)
{
    QDate date;
    if (value.typeId() == QMetaType::QString)
        date = dateOfText(value.toString());
    else if (value.typeId() == QMetaType::QDate)
        date = value.toDate();
    if (!inYearRange(date))
        date = clock_.today();
    calendar_->setCalendarDate(date);
    // Today may have moved since the last opening.
    calendar_->update();
    writeTitle();
}

QDate TPopupCalendar::dateOfText(const QString& text) const
{
    QString digits = text;
    digits.remove(QChar(settings_.dateSeparator()));
    if (digits.trimmed().isEmpty())
        return {};
    const RegionalDateSettings& regional = settings_.dateSettings();
    const std::u16string format =
        DateFieldFormat(DateOrderOf(regional.shortDateFormat),
                        UsesFourDigitYear(TYearDigits::dyDefault, regional.fourDigitYearByDefault));
    const std::optional<TYmd> ymd =
        ParseDateText(format, text.toStdU16String(), regional, clock_.today().year());
    if (!ymd)
        return {};
    return toQDate(*ymd);
}

bool TPopupCalendar::handleKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    switch (event->key()) {
    case Qt::Key_PageDown:
        event->modifiers().testFlag(Qt::ControlModifier) ? calendar_->NextYear()
                                                         : calendar_->NextMonth();
        return true;
    case Qt::Key_PageUp:
        event->modifiers().testFlag(Qt::ControlModifier) ? calendar_->PrevYear()
                                                         : calendar_->PrevMonth();
        return true;
    case Qt::Key_Right:
        held == Qt::NoModifier ? calendar_->NextDay() : void(calendar_->moveSelection(1, 0));
        return true;
    case Qt::Key_Left:
        held == Qt::NoModifier ? calendar_->PrevDay() : void(calendar_->moveSelection(-1, 0));
        return true;
    case Qt::Key_Up:
        calendar_->moveSelection(0, -1);
        return true;
    case Qt::Key_Down:
        calendar_->moveSelection(0, 1);
        return true;
    case Qt::Key_Plus:
        if (keypad && held == Qt::NoModifier)
            calendar_->NextDay();
        return true;
    case Qt::Key_Minus:
        if (keypad && held == Qt::NoModifier)
            calendar_->PrevDay();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CloseWithResult(true);
        return true;
    case Qt::Key_Escape:
        CloseWithResult(false);
        return true;
    default:
        break;
    }
    if (event->text().compare(QStringLiteral("t"), Qt::CaseInsensitive) == 0) {
        calendar_->Today();
        return true;
    }
    return false;
}

void TPopupCalendar::setStartOfWeek(TDayOfWeekName day)
{
    calendar_->setStartOfWeek(day);
}

void TPopupCalendar::setWeekends(TDaysOfWeek days)
{
    calendar_->setWeekends(days);
}

void TPopupCalendar::setWeekendColor(const QColor& color)
{
    calendar_->setWeekendColor(color);
}

void TPopupCalendar::setPopupColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Button, color);
    setPalette(p);
}

void TPopupCalendar::setCalendarHints(const QStringList& hints)
{
    hints_ = hints.mid(0, kCalendarHintCount);
    applyHints();
}

void TPopupCalendar::applyHints()
{
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const QString own = hints_.value(static_cast<qsizetype>(i));
        buttons_[i]->setToolTip(
            shortHint(own.isEmpty() ? QString::fromLatin1(kDefaultHints[i]) : own));
    }
}

void TPopupCalendar::writeTitle()
{
    const QDate date = calendar_->calendarDate();
    title_->setText(QStringLiteral("%1, %2")
                        .arg(settings_.longMonthName(date.month()))
                        .arg(date.year(), 4, 10, QLatin1Char('0')));
}

bool TPopupCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == title_ && event->type() == QEvent::MouseButtonDblClick) {
        calendar_->Today();
        return true;
    }
    return TPopupWindow::eventFilter(watched, event);
}

} // namespace cyclo
