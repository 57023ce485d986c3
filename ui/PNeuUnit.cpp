#include "ui/PNeuUnit.h"

#include "controls/DateEdit.h"
#include "controls/ShadowLabel.h"
#include "register/Cp1252.h"
#include "register/PersonRegister.h"
#include "ui/app/MessageBoxes.h"
#include "ui/app/WindowSetUp.h"
#include "ui/widgets/PictureButtons.h"
#include "ui/widgets/ScreenReader.h"
#include "ui/widgets/SeparatorLine.h"

#include <QDate>
#include <QLineEdit>
#include <QPushButton>

namespace cyclo {

namespace {

constexpr QSize kClientSize(427, 136);
constexpr QPoint kNameLabel(16, 16);
constexpr QPoint kBirthdayLabel(16, 40);
constexpr QRect kNameEdit(104, 16, 305, 21);
constexpr QRect kGebdateEdit(104, 40, 305, 21);
constexpr int kSeparatorRow = 80;
constexpr QRect kOkBtn(232, 96, 91, 25);
constexpr QRect kCancelBtn(328, 96, 89, 25);

// The birth-date field shows this until the user types another date; in a
// locale that does not read it, the field shows today instead.
const char* const kStartingBirthDate = "18.01.2001";

} // namespace

TPNeuForm::TPNeuForm(const Clock& clock, const RegionalSettings& settings, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PNeuForm"));
    SetUpWindow(*this, parent, {.title = QStringLiteral("New person"), .clientSize = kClientSize});

    createFields(clock, settings);
    createButtons();
    setTabOrderAndFocus();
}

void TPNeuForm::createFields(const Clock& clock, const RegionalSettings& settings)
{
    nameLabel_ = new ShadowLabel(QStringLiteral("Name:"), this);
    nameLabel_->move(kNameLabel);
    birthdayLabel_ = new ShadowLabel(QStringLiteral("Birthday:"), this);
    birthdayLabel_->move(kBirthdayLabel);

    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setGeometry(kNameEdit);

    GebdateEdit = new TDateEdit(clock, settings, this);
    GebdateEdit->setObjectName(QStringLiteral("GebdateEdit"));
    GebdateEdit->setGeometry(kGebdateEdit);
    // The order matters: the year digits refresh the mask, which the starting
    // text is then fitted to.
    GebdateEdit->setDefaultToday(true);
    GebdateEdit->setNumGlyphs(2);
    GebdateEdit->setYearDigits(TYearDigits::dyFour);
    GebdateEdit->setFieldText(QString::fromLatin1(kStartingBirthDate));
    // Screen readers name each field by its label, and speak the name when
    // Tab reaches a field that holds a text.
    NameByLabel(*NameEdit, nameLabel_->text());
    NameByLabel(*GebdateEdit, birthdayLabel_->text());
    AnnounceFocusFirst(*NameEdit);
    AnnounceFocusFirst(*GebdateEdit);

    new SeparatorLine(this, kSeparatorRow);
}

void TPNeuForm::createButtons()
{
    OkBtn = MakeOkButton(this, kOkBtn);
    connect(OkBtn, &QPushButton::clicked, this, &TPNeuForm::OkBtnClick);
    CancelBtn = MakeCancelButton(this, kCancelBtn);
}

void TPNeuForm::setTabOrderAndFocus()
{
    setTabOrder(NameEdit, GebdateEdit);
    setTabOrder(GebdateEdit, OkBtn);
    setTabOrder(OkBtn, CancelBtn);
    NameEdit->setFocus();
}

QString TPNeuForm::PersonName() const
{
    return NameEdit->text();
}

QDate TPNeuForm::BirthDate() const
{
    return GebdateEdit->date();
}

void TPNeuForm::OkBtnClick()
{
    if (NameEdit->text().isEmpty()) {
        reportMissingName();
        return;
    }
    // The person file keeps names in Windows-1252; a name it cannot hold
    // would be stored with "?" in place of its letters, so it is refused.
    const std::vector<std::string> outside =
        CharactersOutsideCp1252(NameEdit->text().toStdString(), kNameCapacity);
    if (!outside.empty()) {
        reportCharactersOutsideTheList(outside);
        return;
    }
    // A blank birth date means today; a mistyped one would silently store
    // today as well, so it is refused.
    if (GebdateEdit->textState() == TDateEdit::TextState::NotADate) {
        reportInvalidDate();
        return;
    }
    accept();
}

void TPNeuForm::reportMissingName()
{
    ShowMessage(this, QMessageBox::Critical, QStringLiteral("Please enter a name!"),
                QMessageBox::Ok, QStringLiteral("Error: You have to enter a name!"));
}

void TPNeuForm::reportCharactersOutsideTheList(const std::vector<std::string>& characters)
{
    QStringList shown;
    for (const std::string& character : characters)
        shown << QString::fromStdString(character);
    ShowMessage(this, QMessageBox::Critical,
                QStringLiteral("The name has characters the list cannot keep: %1\n\n"
                               "The list of persons keeps Western European letters only.")
                    .arg(shown.join(QStringLiteral(", "))));
    NameEdit->setFocus(Qt::OtherFocusReason);
}

void TPNeuForm::reportInvalidDate()
{
    ShowMessage(this, QMessageBox::Critical, GebdateEdit->invalidDateMessage());
    GebdateEdit->setFocus(Qt::OtherFocusReason);
}

} // namespace cyclo
