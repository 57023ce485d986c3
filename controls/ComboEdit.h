#pragma once
// A one-line edit field with a button at its right end that drops down a
// floating window under the field. The focus stays in the field while the
// window is open; the field passes the window's keys on and closes it when
// the user leaves, presses elsewhere or picks a value.

#include <QImage>
#include <QKeyCombination>
#include <QLineEdit>
#include <cstdint>

namespace cyclo {

class TEditButton;
class TPopupWindow;

// The picture on the field's button.
enum class TGlyphKind : std::uint8_t
{
    gkCustom,
    gkDefault,
    gkDropDown,
    gkEllipsis
};

// Horizontal placement of the drop-down: right edges lined up, or left edges.
enum class TPopupAlign : std::uint8_t
{
    epaRight,
    epaLeft
};

class TCustomComboEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(bool ReadOnly READ isFieldReadOnly WRITE setFieldReadOnly)

public:
    static constexpr int kDefaultButtonWidth = 21;
    static constexpr int kFieldHeight = 21;

    explicit TCustomComboEdit(QWidget* parent = nullptr);
    ~TCustomComboEdit() override;

    // Where a drop-down of `popupSize` opens for a field at `fieldTopLeft`
    // (screen coordinates) of `fieldSize` on `screen`: under the field, or
    // above it when it would leave the screen at the bottom; aligned as
    // `align` says and kept on the screen horizontally.
    [[nodiscard]] static QPoint dropDownPosition(const QPoint& fieldTopLeft, const QSize& fieldSize,
                                                 const QSize& popupSize, const QRect& screen,
                                                 TPopupAlign align);

    // The field's ReadOnly: when on, neither typing nor the button works.
    // QLineEdit's own read-only switch follows it, and is also on while
    // DirectInput is off or the drop-down is open.
    void setFieldReadOnly(bool readOnly);
    [[nodiscard]] bool isFieldReadOnly() const { return IsReadOnly(); }
    // Typing allowed; when off the text changes only through the drop-down.
    void setDirectInput(bool directInput);
    [[nodiscard]] bool directInput() const { return directInput_; }
    // The key that acts like a click on the button.
    void setClickKey(QKeyCombination key) { clickKey_ = key; }
    [[nodiscard]] QKeyCombination clickKey() const { return clickKey_; }
    // Below 2 the button is hidden; the click key works while it is above 0.
    void setButtonWidth(int width);
    [[nodiscard]] int buttonWidth() const { return buttonWidth_; }
    void setButtonHint(const QString& hint);
    [[nodiscard]] QString buttonHint() const;
    void setGlyphKind(TGlyphKind kind);
    [[nodiscard]] TGlyphKind glyphKind() const { return glyphKind_; }
    // A picture of the owner's; switches the kind to gkCustom.
    void setGlyph(const QImage& picture);
    [[nodiscard]] QImage glyph() const { return customGlyph_; }
    // Images in the button picture; while the kind is gkDefault the
    // control's own count applies instead.
    void setNumGlyphs(int count);
    [[nodiscard]] int numGlyphs() const { return numGlyphs_; }
    void setPopupAlign(TPopupAlign align) { popupAlign_ = align; }
    [[nodiscard]] TPopupAlign popupAlign() const { return popupAlign_; }

    [[nodiscard]] bool popupVisible() const { return popupVisible_; }
    [[nodiscard]] TEditButton* button() const { return button_; }
    [[nodiscard]] QWidget* buttonContainer() const { return buttonContainer_; }
    [[nodiscard]] TPopupWindow* popup() const { return popup_; }

    // Opens the drop-down; `disableEdit` makes the edit read-only until it closes.
    virtual void DropDown(bool disableEdit);
    // Closes the drop-down; connected to its closeUp signal.
    void PopupCloseUp(cyclo::TPopupWindow* sender, bool accept);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

signals:
    // Every click of the button, before the drop-down opens or closes.
    void OnButtonClick();
    // The text changed.
    void OnChange();

protected:
    // Installs the drop-down window (owned by the field, as its child).
    void setPopup(TPopupWindow* popup);
    // The image count of the control's own picture.
    void setDefaultNumGlyphs(int count);
    void refreshGlyph();

    // The picture for gkDefault; none in the base.
    [[nodiscard]] virtual QImage DefaultButtonGlyph() const;
    virtual void ShowDropDown(const QPoint& screenPos);
    virtual void HideDropDown();
    // May refuse the value or change it before it is written.
    virtual bool CanAcceptDropDownValue(QVariant& value);
    // Writes the drop-down's value; the base writes it as text.
    virtual void AcceptDropDownValue(const QVariant& value);
    // Hands the field's text to the drop-down before it opens.
    virtual void SetDropDownValue(const QString& text);
    [[nodiscard]] virtual QVariant GetDropDownValue() const;
    virtual void DropDownChanged();
    [[nodiscard]] virtual bool IsReadOnly() const { return readOnly_; }

    // Keys the drop-down gets while it is open.
    [[nodiscard]] virtual bool isDropDownKey(const QKeyEvent* event) const;
    // Sends a copy of the key to the dialog around the field, where its
    // default and cancel buttons act on Enter and Esc.
    void passToDialog(QKeyEvent* event);
    // The text the field had when it got the focus.
    [[nodiscard]] const QString& textAtFocus() const { return textAtFocus_; }
    // Suppresses OnChange while set.
    void setChangeSignalBlocked(bool blocked) { changeBlocked_ = blocked; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createButton();
    void layoutButton();
    // ButtonWidth, but at least the image width + 6; 0 while the button is hidden.
    [[nodiscard]] int effectiveButtonWidth() const;
    void updateMinimumHeight();
    void restoreEditReadOnly();
    void buttonPressed();
    void buttonClicked();
    [[nodiscard]] bool isClickKey(const QKeyEvent* event) const;
    [[nodiscard]] bool focusMovedToOwnPopup(const QFocusEvent* event) const;

    QWidget* buttonContainer_ = nullptr;
    TEditButton* button_ = nullptr;
    TPopupWindow* popup_ = nullptr;
    bool readOnly_ = false;
    bool directInput_ = true;
    QKeyCombination clickKey_{Qt::AltModifier, Qt::Key_Down};
    TPopupAlign popupAlign_ = TPopupAlign::epaRight;
    TGlyphKind glyphKind_ = TGlyphKind::gkDefault;
    QImage customGlyph_;
    int numGlyphs_ = 1;
    int defaultNumGlyphs_ = 1;
    int buttonWidth_ = kDefaultButtonWidth;
    bool popupVisible_ = false;
    bool focused_ = false;
    bool changeBlocked_ = false;
    QString textAtFocus_;
};

} // namespace cyclo
