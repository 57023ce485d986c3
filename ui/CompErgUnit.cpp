#include "ui/CompErgUnit.h"

#include "assets/Artwork.h"
#include "controls/ShadowLabel.h"
#include "ui/CyclographApplication.h"
#include "ui/FormSupport.h"
#include "ui/SeparatorLine.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace cyclo {

namespace {

constexpr QSize kClientSize(427, 194);
constexpr int kResultLeft = 16;
constexpr int kFirstResultRow = 16;
constexpr int kResultRowStep = 24;
constexpr int kSeparatorRow = 143;
constexpr QRect kOkBtn(232, 160, 89, 25);
constexpr QRect kPrintBtn(328, 160, 91, 25);
constexpr QSize kPrintPictureSize(16, 16);

} // namespace

TCompErgebForm::TCompErgebForm(QWidget* parent) : NoCancelDialog(parent)
{
    setObjectName(QStringLiteral("CompErgebForm"));
    setUpWindow(*this, parent,
                {.title = QStringLiteral("Result of the comparison"), .clientSize = kClientSize});

    createResultLabels();
    new SeparatorLine(this, kSeparatorRow);
    createButtons();
    setTabOrder(OkBtn, PrintBtn);
}

TCompErgebForm::~TCompErgebForm() = default;

void TCompErgebForm::createResultLabels()
{
    const auto makeLabel = [this](const char* name, Equality equality) {
        auto* label = new ShadowLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(NamedFont("Times New Roman", 16, true));
        label->setTextColor(EqualityColour(equality));
        const int row = kFirstResultRow + kResultRowStep * static_cast<int>(equality);
        label->move(kResultLeft, row);
        return label;
    };
    Intel = makeLabel("Intel", Equality::Intellectual);
    Emot = makeLabel("Emot", Equality::Emotional);
    Phys = makeLabel("Phys", Equality::Physical);
    Intu = makeLabel("Intu", Equality::Intuitive);
    Aver = makeLabel("Aver", Equality::Average);
}

void TCompErgebForm::createButtons()
{
    OkBtn = makeOkButton(this, kOkBtn);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);

    PrintBtn =
        new QPushButton(Artwork::buttonIcon(ButtonPicture::Print), QStringLiteral("&Print"), this);
    PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
    PrintBtn->setIconSize(kPrintPictureSize);
    PrintBtn->setGeometry(kPrintBtn);
    connect(PrintBtn, &QPushButton::clicked, this, &TCompErgebForm::PrintBtnClick);
}

void TCompErgebForm::SetComparison(const QString& person1, const QString& person2,
                                   const TComparison& comparison)
{
    page_ = ComparisonPage::from(person1, person2, comparison);
    ShadowLabel* const labels[] = {Intel, Emot, Phys, Intu, Aver};
    for (std::size_t i = 0; i < std::size(labels); ++i)
        labels[i]->setText(page_.lines[i]);
}

void TCompErgebForm::PrintBtnClick()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setDocName(windowTitle());
    }
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintComparison(*printer_, page_)) {
        QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kApplicationTitle),
                        QStringLiteral("The comparison could not be printed."), QMessageBox::Ok,
                        this);
        box.exec();
    }
}

} // namespace cyclo
