#include "ui/PersonUnit.h"

#include "assets/Artwork.h"
#include "controls/QtDate.h"
#include "controls/ShadowLabel.h"
#include "register/PersonRegister.h"
#include "ui/AboutBoxUnit.h"
#include "ui/AboutForm.h"
#include "ui/BioUnit.h"
#include "ui/CompErgUnit.h"
#include "ui/CompUnit.h"
#include "ui/PNeuUnit.h"
#include "ui/ProductVersion.h"
#include "ui/app/MessageBoxes.h"
#include "ui/app/WindowSetUp.h"
#include "ui/widgets/BevelPanel.h"
#include "ui/widgets/GlyphButton.h"
#include "ui/widgets/PictureButtons.h"
#include "ui/widgets/ScreenReader.h"
#include "ui/widgets/WholePixelFrame.h"
#include "ui/widgets/WindowLook.h"

#include <QAccessible>
#include <QDate>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTimer>

namespace cyclo {

namespace {

constexpr int kClientWidth = 614;
constexpr int kClientHeight = 393;

constexpr int kTitleBandHeight = 41;
constexpr QPoint kTitlePos(16, 8);

constexpr int kPictureColumnWidth = 188;
// The picture sits in a frame of its own, two pixels in from each edge.
constexpr QPoint kPictureFramePos(8, 8);
constexpr int kPictureInset = 2;
constexpr QRect kPictureTextPanel(8, 8, 153, 65);
constexpr QRect kPictureText(6, 6, 141, 53);

constexpr int kButtonBandHeight = 65;
constexpr QRect kGroupBox(10, 8, 409, 249);
constexpr QRect kPersonList(16, 16, 377, 153);
constexpr int kListButtonRow = 184;
constexpr int kNeuBtnX = 16;
constexpr int kDelBtnX = 104;
constexpr int kBioBtnX = 192;
constexpr int kCompBtnX = 280;
constexpr QRect kAboutProgBtn(8, 8, 131, 49);
constexpr QRect kAboutBtn(144, 8, 131, 49);
constexpr QRect kQuitBtn(280, 8, 89, 49);

// Lines of the person list are 13 pixels high.
constexpr int kListItemHeight = 13;

class FixedHeightDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(kListItemHeight);
        return size;
    }
};

// The person list. Entering it speaks the selected person, as moving to a
// person with the arrow keys does; without a selection it speaks the list.
class PersonListBox : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QListWidget::focusInEvent(event);
        // The window tells screen readers that the list has the focus after
        // this handler; the selected person follows that news.
        QMetaObject::invokeMethod(this, &PersonListBox::announceSelected, Qt::QueuedConnection);
    }

private:
    void announceSelected()
    {
        const QList<QListWidgetItem*> chosen = selectedItems();
        if (!hasFocus() || chosen.isEmpty())
            return;
        // The keys go on from the selected person.
        if (currentItem() != chosen.first())
            setCurrentItem(chosen.first(), QItemSelectionModel::NoUpdate);
        if (!QAccessible::isActive())
            return;
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
        QAccessibleTableInterface* table = list != nullptr ? list->tableInterface() : nullptr;
        QAccessibleInterface* line = table != nullptr ? table->cellAt(currentRow(), 0) : nullptr;
        if (line == nullptr)
            return;
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(list->indexOfChild(line));
        QAccessible::updateAccessibility(&focus);
    }
};

} // namespace

TPersonForm::TPersonForm(PersonRegister& persons, QWidget* parent)
    : QDialog(parent), persons_(persons)
{
    setObjectName(QStringLiteral("PersonForm"));
    SetUpWindow(*this, parent,
                {.title = QString::fromLatin1(kProgramName),
                 .border = WindowFrame::Border::Fixed,
                 .clientSize = QSize(kClientWidth, kClientHeight)});

    createTitleBand();
    createPictureColumn();
    createListArea();
    createButtonBand();
    createStatusBar();
    connectCommands();
    setTabOrderAndFocus();

    FormCreate();
    // The program's window, which screen readers should not call a dialog.
    AnnounceAsWindow(*this);
}

void TPersonForm::createTitleBand()
{
    titleBand_ = new BevelPanel(this, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised);
    titleBand_->setColour(kPanelColour);
    titleBand_->setGeometry(0, 0, kClientWidth, kTitleBandHeight);

    titleLabel_ = new ShadowLabel(titleBand_);
    titleLabel_->setObjectName(QStringLiteral("TitleLabel"));
    titleLabel_->setFont(NamedFont("Arial", 16, true));
    titleLabel_->move(kTitlePos);
    titleLabel_->setText(QString::fromLatin1(kProgramName));
}

void TPersonForm::createPictureColumn()
{
    const int columnHeight = kClientHeight - kTitleBandHeight - kStatusBarHeight;
    pictureColumn_ = new BevelPanel(this);
    pictureColumn_->setGeometry(0, kTitleBandHeight, kPictureColumnWidth, columnHeight);

    auto* frame =
        new BevelPanel(pictureColumn_, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised);
    const QSize pictureSize = Artwork::mainPictureSize();
    frame->setGeometry(
        QRect(kPictureFramePos, pictureSize + QSize(2 * kPictureInset, 2 * kPictureInset)));

    auto* picture = new QLabel(frame);
    HideFromScreenReaders(*picture);
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setGeometry(QRect(QPoint(kPictureInset, kPictureInset), pictureSize));
    picture->setPixmap(Artwork::mainPicture());

    auto* textPanel = new BevelPanel(frame, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised);
    textPanel->setColour(kPanelColour);
    textPanel->setGeometry(kPictureTextPanel);

    pictureText_ = new ShadowLabel(textPanel);
    pictureText_->setObjectName(QStringLiteral("PictureText"));
    pictureText_->setAutoSize(false);
    pictureText_->setWordWrap(true);
    pictureText_->setFont(NamedFont("Arial", 10, true));
    pictureText_->setGeometry(kPictureText);
    pictureText_->setText(QStringLiteral("List of persons - Add/remove  and analyse persons"));
}

void TPersonForm::createListArea()
{
    const int areaHeight = kClientHeight - kTitleBandHeight - kStatusBarHeight - kButtonBandHeight;
    listArea_ = new BevelPanel(this);
    listArea_->setGeometry(kPictureColumnWidth, kTitleBandHeight,
                           kClientWidth - kPictureColumnWidth, areaHeight);

    auto* group = new QGroupBox(QStringLiteral("List of persons"), listArea_);
    group->setGeometry(kGroupBox);

    PersonList = new PersonListBox(group);
    PersonList->setObjectName(QStringLiteral("PersonList"));
    PersonList->setGeometry(kPersonList);
    PersonList->setSelectionMode(QAbstractItemView::SingleSelection);
    PersonList->setUniformItemSizes(true);
    PersonList->setItemDelegate(new FixedHeightDelegate(PersonList));
    PersonList->setSortingEnabled(false);
    // Its border stays whole at every screen scale.
    DrawWholePixelFrame(*PersonList);

    const auto at = [](int x) { return QRect(QPoint(x, kListButtonRow), kBandButtonSize); };
    NeuBtn = MakeGlyphButton(
        group, {"NeuBtn", ButtonPicture::New, "&New", at(kNeuBtnX), "Create new person"});
    DelBtn = MakeGlyphButton(group, {"DelBtn", ButtonPicture::Delete, "&Delete", at(kDelBtnX),
                                     "Delete selected person"});
    BioBtn = MakeGlyphButton(group, {"BioBtn", ButtonPicture::Analyze, "&Analyze", at(kBioBtnX),
                                     "Render Biorhythm for selected person"});
    CompBtn = MakeGlyphButton(group, {"CompBtn", ButtonPicture::Compare, "&Compare", at(kCompBtnX),
                                      "Compare the Biorhythms of 2 persons"});

    // Enter in the list analyses the selected person.
    BioBtn->setDefault(true);
    // Analyze and About the Biorhythm both mark "A"; Alt+A belongs to About
    // the Biorhythm, so Analyze keeps the underline but not the shortcut.
    BioBtn->setShortcut(QKeySequence());
}

void TPersonForm::createButtonBand()
{
    buttonBand_ = new BevelPanel(this);
    buttonBand_->setGeometry(kPictureColumnWidth,
                             kClientHeight - kStatusBarHeight - kButtonBandHeight,
                             kClientWidth - kPictureColumnWidth, kButtonBandHeight);

    AboutProgBtn = MakeGlyphButton(buttonBand_, {"AboutProgBtn", ButtonPicture::AboutProgram,
                                                 "About the program", kAboutProgBtn,
                                                 "Information about the program"});
    AboutBtn = MakeGlyphButton(buttonBand_,
                               {"AboutBtn", ButtonPicture::AboutBiorhythm, "&About the Biorhythm",
                                kAboutBtn, "Informations about the Biorhythm"});
    QuitBtn = MakeGlyphButton(
        buttonBand_, {"QuitBtn", ButtonPicture::Cancel, "&Quit", kQuitBtn, "Quit the program"});
}

void TPersonForm::createStatusBar()
{
    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setGeometry(0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight);
}

void TPersonForm::connectCommands()
{
    connect(NeuBtn, &QPushButton::clicked, this, &TPersonForm::NeuBtnClick);
    connect(DelBtn, &QPushButton::clicked, this, &TPersonForm::DelBtnClick);
    connect(BioBtn, &QPushButton::clicked, this, &TPersonForm::BioBtnClick);
    connect(CompBtn, &QPushButton::clicked, this, &TPersonForm::CompBtnClick);
    connect(AboutProgBtn, &QPushButton::clicked, this, &TPersonForm::AboutProgBtnClick);
    connect(AboutBtn, &QPushButton::clicked, this, &TPersonForm::AboutBtnClick);
    connect(QuitBtn, &QPushButton::clicked, this, &TPersonForm::QuitBtnClick);
}

void TPersonForm::setTabOrderAndFocus()
{
    // The button band comes first, so the window opens with the focus on
    // About the program.
    QWidget* const order[] = {AboutProgBtn, AboutBtn, QuitBtn, PersonList,
                              NeuBtn,       DelBtn,   BioBtn,  CompBtn};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    AboutProgBtn->setFocus();
}

void TPersonForm::FormCreate()
{
    // Only one running program changes the person file. A second one shows
    // the list and says so once, when the program's windows are up.
    if (persons_.TakeLock() == FileAccess::ReadOnly)
        QTimer::singleShot(0, this, &TPersonForm::reportInUse);
    persons_.StartupFill();
    for (int slot = 1; slot <= persons_.PersonCount(); ++slot)
        appendLine(slot);
    if (persons_.PersonCount() > 0)
        PersonList->setCurrentRow(0);
}

void TPersonForm::appendLine(int slot)
{
    PersonList->addItem(QString::fromStdString(persons_.PersonText(slot)));
}

int TPersonForm::SelectedPosition() const
{
    const int p = PersonList->currentRow();
    if (p < 0 || p >= PersonList->count() || !PersonList->item(p)->isSelected())
        return -1;
    return p;
}

bool TPersonForm::AddPerson(const QString& name, const QDate& birth)
{
    const RegisterResult result = persons_.AddPerson(name.toStdString(), toYmd(birth));
    if (result.status == RegisterResult::Status::ReadOnly) {
        reportReadOnly(QStringLiteral("added"));
        return false;
    }
    if (result.status == RegisterResult::Status::TableFull) {
        reportListFull();
        return false;
    }
    appendLine(persons_.PersonCount());
    if (!result.ok())
        reportSaveFailure(result);
    return true;
}

void TPersonForm::NeuBtnClick()
{
    // Refused before the dialog opens, so no name is typed in vain.
    if (persons_.access() == FileAccess::ReadOnly) {
        reportReadOnly(QStringLiteral("added"));
        return;
    }
    if (persons_.PersonCount() >= kMaxPersons) {
        reportListFull();
        return;
    }
    if (windows_.pneu != nullptr && windows_.pneu->exec() == QDialog::Accepted)
        AddPerson(windows_.pneu->PersonName(), windows_.pneu->BirthDate());
}

void TPersonForm::DelBtnClick()
{
    const int p = SelectedPosition();
    if (p < 0)
        return;
    if (persons_.access() == FileAccess::ReadOnly) {
        reportReadOnly(QStringLiteral("deleted"));
        return;
    }
    if (ShowMessage(this, QMessageBox::Question,
                    QStringLiteral("Do you want to delete this person?"),
                    QMessageBox::Yes | QMessageBox::No,
                    QStringLiteral("Delete person")) != QMessageBox::Yes)
        return;
    const RegisterResult result = persons_.DeletePerson(p);
    if (result.status == RegisterResult::Status::NoSuchPerson)
        return;
    delete PersonList->takeItem(p);
    // No line is selected after a delete until the user picks one.
    PersonList->selectionModel()->clear();
    if (!result.ok())
        reportSaveFailure(result);
}

void TPersonForm::BioBtnClick()
{
    const int p = SelectedPosition();
    if (p < 0 || windows_.bio == nullptr)
        return;
    windows_.bio->ShowPerson(p + 1);
    windows_.bio->exec();
}

void TPersonForm::CompBtnClick()
{
    if (windows_.comp != nullptr && windows_.compErgeb != nullptr)
        RunCompareCommand(persons_, *windows_.comp, *windows_.compErgeb);
}

void TPersonForm::AboutProgBtnClick()
{
    if (windows_.aboutBox != nullptr)
        windows_.aboutBox->exec();
}

void TPersonForm::AboutBtnClick()
{
    if (windows_.aboutBio != nullptr)
        windows_.aboutBio->exec();
}

void TPersonForm::QuitBtnClick()
{
    close();
}

void TPersonForm::keyPressEvent(QKeyEvent* event)
{
    // Quit is the cancel button: Esc presses it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        QuitBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPersonForm::reportSaveFailure(const RegisterResult& result)
{
    const QString file = QString::fromStdString(persons_.filePath().filename().string());
    ShowMessage(this, QMessageBox::Warning,
                QStringLiteral("The list of persons could not be saved to %1:\n%2\n\n"
                               "The change stays in the list until the program ends, "
                               "but the file still holds the previous list.")
                    .arg(file, QString::fromStdString(result.reason)));
}

void TPersonForm::reportInUse()
{
    ShowMessage(this, QMessageBox::Information,
                QStringLiteral("The list of persons is in use by another copy of %1. You "
                               "can view it here, but not change it.")
                    .arg(ApplicationTitle()));
}

void TPersonForm::reportReadOnly(const QString& change)
{
    ShowMessage(this, QMessageBox::Warning,
                QStringLiteral("No person can be %1 here: the list of persons is in use by "
                               "another copy of %2.")
                    .arg(change, ApplicationTitle()));
}

void TPersonForm::reportListFull()
{
    ShowMessage(this, QMessageBox::Critical,
                QStringLiteral("The list of persons is full: it holds at most %1 persons.\n"
                               "Delete a person before you add a new one.")
                    .arg(kMaxPersons),
                QMessageBox::Ok, QStringLiteral("Error"));
}

} // namespace cyclo
