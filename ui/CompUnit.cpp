#include "ui/CompUnit.h"

#include "calendar/PartnerComparison.h"
#include "controls/ShadowLabel.h"
#include "register/PersonRegister.h"
#include "ui/CompErgUnit.h"
#include "ui/app/MessageBoxes.h"
#include "ui/app/WindowSetUp.h"
#include "ui/widgets/PictureButtons.h"
#include "ui/widgets/ScreenReader.h"
#include "ui/widgets/SeparatorLine.h"

#include <QComboBox>
#include <QPushButton>

namespace cyclo {

namespace {

constexpr QSize kClientSize(376, 146);
constexpr QPoint kPerson1Label(16, 24);
constexpr QPoint kPerson2Label(16, 56);
constexpr QRect kP1Combo(80, 24, 281, 21);
constexpr QRect kP2Combo(80, 56, 281, 21);
constexpr int kSeparatorRow = 96;
constexpr QRect kOkBtn(176, 112, 89, 25);
constexpr QRect kCancelBtn(272, 112, 89, 25);

// The Compare command runs from the window that opens the compare dialog.
void showError(const QWidget* compForm, const QString& text)
{
    ShowMessage(compForm->parentWidget(), QMessageBox::Critical, text, QMessageBox::Ok,
                QStringLiteral("Error"));
}

QString lineOf(const PersonRegister& persons, int position)
{
    return QString::fromStdString(persons.PersonText(position + 1));
}

} // namespace

TCompForm::TCompForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CompForm"));
    SetUpWindow(*this, parent,
                {.title = QStringLiteral("Compare persons"), .clientSize = kClientSize});

    createFields();
    createButtons();
    setTabOrder(P1Combo, P2Combo);
    setTabOrder(P2Combo, OkBtn);
    setTabOrder(OkBtn, CancelBtn);
}

void TCompForm::createFields()
{
    person1Label_ = new ShadowLabel(QStringLiteral("Person 1:"), this);
    person1Label_->move(kPerson1Label);
    person2Label_ = new ShadowLabel(QStringLiteral("Person 2:"), this);
    person2Label_->move(kPerson2Label);

    const auto makeList = [this](const char* name, const QRect& geometry) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setEditable(false);
        combo->setGeometry(geometry);
        return combo;
    };
    P1Combo = makeList("P1Combo", kP1Combo);
    P2Combo = makeList("P2Combo", kP2Combo);
    // Screen readers name each list by its label.
    NameByLabel(*P1Combo, person1Label_->text());
    NameByLabel(*P2Combo, person2Label_->text());
    DescribeByChoice(*P1Combo);
    DescribeByChoice(*P2Combo);

    new SeparatorLine(this, kSeparatorRow);
}

void TCompForm::createButtons()
{
    OkBtn = MakeOkButton(this, kOkBtn);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn = MakeCancelButton(this, kCancelBtn);
}

void TCompForm::FillPersons(const PersonRegister& persons)
{
    P1Combo->clear();
    P2Combo->clear();
    for (int position = 0; position < persons.PersonCount(); ++position) {
        const QString line = lineOf(persons, position);
        P1Combo->addItem(line);
        P2Combo->addItem(line);
    }
    P1Combo->setCurrentIndex(0);
    P2Combo->setCurrentIndex(P2Combo->count() > 1 ? 1 : -1);
}

int TCompForm::Person1Position() const
{
    return P1Combo->currentIndex();
}

int TCompForm::Person2Position() const
{
    return P2Combo->currentIndex();
}

void RunCompareCommand(const PersonRegister& persons, TCompForm& compForm,
                       TCompErgebForm& resultForm)
{
    if (persons.PersonCount() < 2) {
        showError(&compForm, QStringLiteral("There have to exist 2 persons for comparison."));
        return;
    }
    compForm.FillPersons(persons);
    if (compForm.exec() != QDialog::Accepted)
        return;

    const int p1 = compForm.Person1Position();
    const int p2 = compForm.Person2Position();
    const auto chosen = [&persons](int p) { return p >= 0 && p < persons.PersonCount(); };
    if (!chosen(p1) || !chosen(p2) || p1 == p2) {
        showError(&compForm,
                  QStringLiteral("You have to select 2 different persons for the comparison."));
        return;
    }

    const TComparison result =
        CompareCycles(persons.Persons(p1 + 1).BirthDate(), persons.Persons(p2 + 1).BirthDate());
    resultForm.SetComparison(lineOf(persons, p1), lineOf(persons, p2), result);
    resultForm.exec();
}

} // namespace cyclo
