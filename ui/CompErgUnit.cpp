#include "ui/CompErgUnit.h"

#include "chart/QtChartStyle.h"
#include "controls/ShadowLabel.h"
#include "ui/app/MessageBoxes.h"
#include "ui/app/WindowSetUp.h"
#include "ui/printing/PrintCommand.h"
#include "ui/widgets/PictureButtons.h"
#include "ui/widgets/SeparatorLine.h"
#include "ui/widgets/WindowLook.h"

#include <QPrinter>
#include <QPushButton>
#include <string_view>

namespace cyclo {

namespace {

constexpr QSize kClientSize(427, 194);
constexpr int kResultLeft = 16;
constexpr int kFirstResultRow = 16;
constexpr int kResultRowStep = 24;
constexpr int kSeparatorRow = 143;
constexpr QRect kOkBtn(232, 160, 89, 25);
constexpr QRect kPrintBtn(328, 160, 91, 25);

} // namespace

TCompErgebForm::TCompErgebForm(QWidget* parent) : NoCancelDialog(parent)
{
    setObjectName(QStringLiteral("CompErgebForm"));
    SetUpWindow(*this, parent,
                {.title = QStringLiteral("Result of the comparison"), .clientSize = kClientSize});

    createResultLabels();
    new SeparatorLine(this, kSeparatorRow);
    createButtons();
    setTabOrder(OkBtn, PrintBtn);
}

TCompErgebForm::~TCompErgebForm() = default;

void TCompErgebForm::createResultLabels()
{
    // One line under the other: the cycles' lines, then the average's.
    const auto makeLabel = [this](std::string_view name, const QColor& colour, std::size_t line) {
        auto* label = new ShadowLabel(this);
        label->setObjectName(toQString(name));
        label->setFont(ResultLineFont());
        label->setTextColor(colour);
        label->move(kResultLeft, kFirstResultRow + kResultRowStep * static_cast<int>(line));
        return label;
    };
    for (std::size_t i = 0; i < kCycles.size(); ++i)
        cycleLines_[i] = makeLabel(kCycles[i].resultLabel, ResultColour(kCycles[i]), i);
    Aver = makeLabel("Aver", AverageColour(), kCycles.size());
}

void TCompErgebForm::createButtons()
{
    OkBtn = MakeOkButton(this, kOkBtn);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);

    PrintBtn = MakePictureButton(this, {"PrintBtn", ButtonPicture::Print, "&Print", kPrintBtn});
    connect(PrintBtn, &QPushButton::clicked, this, &TCompErgebForm::PrintBtnClick);
}

void TCompErgebForm::SetComparison(const QString& person1, const QString& person2,
                                   const TComparison& comparison)
{
    page_ = ComparisonPage::from(person1, person2, comparison);
    for (std::size_t i = 0; i < kCycles.size(); ++i)
        cycleLines_[i]->setText(page_.lines[i]);
    Aver->setText(page_.averageLine);
}

void TCompErgebForm::PrintBtnClick()
{
    if (PrintWithDialog(*this, printer_, windowTitle(), [this](QPrinter& printer) {
            return PrintComparison(printer, page_);
        }) == PrintOutcome::Failed)
        ShowMessage(this, QMessageBox::Warning,
                    QStringLiteral("The comparison could not be printed."));
}

} // namespace cyclo
