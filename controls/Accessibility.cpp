#include "controls/Accessibility.h"

#include "controls/ShadowLabel.h"
#include "controls/VoCalendar.h"
#include "controls/VoSpeedButton.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace cyclo {

namespace {

// A caption as it reads: "&&" is one "&", a single "&" marks the next letter.
QString withoutAccelerators(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain += caption.at(i);
    }
    return plain;
}

// The caption as text, without the accelerator marks.
class ShadowLabelAccessible : public QAccessibleWidget
{
public:
    explicit ShadowLabelAccessible(ShadowLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        const auto* label = static_cast<const ShadowLabel*>(widget());
        if (t == QAccessible::Name && label->accessibleName().isEmpty())
            return label->ShowAccelChar() ? withoutAccelerators(label->text()) : label->text();
        return QAccessibleWidget::text(t);
    }
};

// A push button: its accessible name, or else its hint.
class SpeedButtonAccessible : public QAccessibleWidget
{
public:
    explicit SpeedButtonAccessible(TVoSpeedButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {}

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = static_cast<const TVoSpeedButton*>(widget())->isDown();
        return s;
    }
};

// The month grid: its value is the selected date in full.
class CalendarAccessible : public QAccessibleWidget
{
public:
    explicit CalendarAccessible(TVoCalendar* calendar)
        : QAccessibleWidget(calendar, QAccessible::Table)
    {}

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        const auto* calendar = static_cast<const TVoCalendar*>(widget());
        if (t == QAccessible::Value ||
            (t == QAccessible::Name && calendar->accessibleName().isEmpty()))
            return calendar->selectedDateText();
        return QAccessibleWidget::text(t);
    }
};

// A line edit, as Qt's own accessibility tells of it, but for its text
// attributes: Qt reports an empty run at each offset (start and end both at
// the offset). A screen reader that reads a field's line run by run (Orca
// joins the runs to split the text by language) then ends the text at the
// start of the last run and drops its last character: the birthday
// "12/11/2026" was spoken as "12/11/202". Here the whole text is one run,
// without attributes.
class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        QString text;
        if (t == QAccessible::Value) {
            if (edit()->echoMode() == QLineEdit::Normal)
                text = edit()->text();
            else if (edit()->echoMode() != QLineEdit::NoEcho)
                text = edit()->displayText();
        }
        if (text.isEmpty())
            text = QAccessibleWidget::text(t);
        if (text.isEmpty() && t == QAccessible::Description)
            text = edit()->placeholderText();
        return text;
    }

    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        if (!edit()->isReadOnly())
            edit()->setText(text);
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (edit()->isReadOnly())
            s.readOnly = true;
        else
            s.editable = true;
        s.selectableText = true;
        if (edit()->echoMode() != QLineEdit::Normal)
            s.passwordEdit = true;
        return s;
    }

    // The text interface.
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }

    [[nodiscard]] QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        const int count = characterCount();
        if (offset >= 0 && offset < count) {
            *startOffset = 0;
            *endOffset = count;
        } else {
            *startOffset = *endOffset = offset;
        }
        return {};
    }

    [[nodiscard]] int cursorPosition() const override { return edit()->cursorPosition(); }

    [[nodiscard]] QRect characterRect(int offset) const override
    {
        const QString shown = edit()->displayText();
        if (offset < 0 || offset >= shown.size())
            return {};
        const QFontMetrics metrics = edit()->fontMetrics();
        const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        // The caret stands before the character at the cursor position.
        const int x = caret.x() + metrics.horizontalAdvance(shown.left(offset)) -
                      metrics.horizontalAdvance(shown.left(edit()->cursorPosition()));
        const QRect local(x, caret.y(), metrics.horizontalAdvance(shown.at(offset)),
                          caret.height());
        return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
    }

    [[nodiscard]] int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }

    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !edit()->hasSelectedText())
            return;
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }

    [[nodiscard]] QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset || edit()->echoMode() != QLineEdit::Normal)
            return {};
        return edit()->text().mid(startOffset, endOffset - startOffset);
    }

    [[nodiscard]] QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const override
    {
        if (hidesText(startOffset, endOffset))
            return {};
        return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset,
                                                          endOffset);
    }

    [[nodiscard]] QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const override
    {
        if (hidesText(startOffset, endOffset))
            return {};
        return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset,
                                                         endOffset);
    }

    [[nodiscard]] QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const override
    {
        if (hidesText(startOffset, endOffset))
            return {};
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    }

    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            edit()->deselect();
    }

    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            edit()->setSelection(startOffset, endOffset - startOffset);
    }

    [[nodiscard]] int characterCount() const override
    {
        return static_cast<int>(edit()->text().size());
    }

    void scrollToSubstring(int startIndex, int endIndex) override
    {
        edit()->setCursorPosition(endIndex);
        edit()->setCursorPosition(startIndex);
    }

    // The editable text interface.
    void deleteText(int startOffset, int endOffset) override
    {
        edit()->setText(edit()->text().remove(startOffset, endOffset - startOffset));
    }

    void insertText(int offset, const QString& text) override
    {
        edit()->setText(edit()->text().insert(offset, text));
    }

    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    [[nodiscard]] QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }

    // A password's characters are not told.
    bool hidesText(int* startOffset, int* endOffset) const
    {
        if (edit()->echoMode() == QLineEdit::Normal)
            return false;
        *startOffset = *endOffset = -1;
        return true;
    }
};

} // namespace

void InstallControlsAccessibility()
{
    QAccessible::installFactory(&AccessibleFactoryFor<ShadowLabel, ShadowLabelAccessible>);
    QAccessible::installFactory(&AccessibleFactoryFor<TVoSpeedButton, SpeedButtonAccessible>);
    QAccessible::installFactory(&AccessibleFactoryFor<TVoCalendar, CalendarAccessible>);
    QAccessible::installFactory(&AccessibleFactoryFor<QLineEdit, LineEditAccessible>);
}

} // namespace cyclo
