#include "ui/AboutBoxUnit.h"

#include "assets/Artwork.h"
#include "ui/ProductVersion.h"
#include "ui/app/WindowSetUp.h"
#include "ui/widgets/BevelPanel.h"
#include "ui/widgets/PictureButtons.h"
#include "ui/widgets/ScreenReader.h"
#include "ui/widgets/WindowLook.h"

#include <QLabel>
#include <QPushButton>

namespace cyclo {

namespace {

constexpr QSize kClientSize(298, 213);
constexpr QRect kPanel(8, 8, 281, 161);
constexpr QRect kProgramIcon(8, 16, 33, 33);
constexpr QPoint kProductName(56, 16);
constexpr QPoint kVersion(88, 40);
constexpr QPoint kFirstLine(8, 80);
constexpr QRect kSecondLine(8, 96, 257, 33);
constexpr QPoint kThirdLine(8, 136);
constexpr QRect kOkBtn(107, 180, 83, 25);

QLabel* makeLabel(QWidget* parent, const QString& text, QPoint pos)
{
    auto* label = new QLabel(text, parent);
    label->move(pos);
    label->adjustSize();
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : NoCancelDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    SetUpWindow(*this, parent, {.title = QStringLiteral("Info."), .clientSize = kClientSize});

    createPanel();
    createOkButton();
}

void TAboutBox::createPanel()
{
    Panel1 = new BevelPanel(this, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised);
    Panel1->setColour(kPanelColour);
    Panel1->setGeometry(kPanel);

    auto* icon = new QLabel(Panel1);
    HideFromScreenReaders(*icon);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(kProgramIcon);
    icon->setScaledContents(true);
    icon->setPixmap(Artwork::programIconPixmap());

    QLabel* product = makeLabel(Panel1, QString::fromLatin1(kProgramName), kProductName);
    product->setObjectName(QStringLiteral("ProductName"));
    product->setFont(NamedFont("MS Sans Serif", 8, true));
    product->adjustSize();

    makeLabel(Panel1, QString::fromLatin1(kVersionLine), kVersion)
        ->setObjectName(QStringLiteral("Version"));
    makeLabel(Panel1, QStringLiteral("Biorhythm charts for your list of persons."), kFirstLine)
        ->setObjectName(QStringLiteral("FirstLine"));

    auto* second = new QLabel(QStringLiteral("It draws the four cycles of a person month by "
                                             "month and compares the cycles of two persons."),
                              Panel1);
    second->setObjectName(QStringLiteral("SecondLine"));
    second->setWordWrap(true);
    second->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    second->setGeometry(kSecondLine);

    makeLabel(Panel1, QStringLiteral("For entertainment, not for medical advice."), kThirdLine)
        ->setObjectName(QStringLiteral("ThirdLine"));
}

void TAboutBox::createOkButton()
{
    OkBtn = MakeOkButton(this, kOkBtn);
    OkBtn->setFocus();
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace cyclo
