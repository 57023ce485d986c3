#pragma once
// "Result of the comparison": the result lines of two persons, each in the
// colour of its cycle, and their average, with a Print command.

#include "ui/printing/ComparisonPage.h"
#include "ui/widgets/NoCancelDialog.h"

#include <QDialog>
#include <array>
#include <memory>

class QPrinter;
class QPushButton;

namespace cyclo {

class ShadowLabel;

class TCompErgebForm : public NoCancelDialog
{
    Q_OBJECT

public:
    explicit TCompErgebForm(QWidget* parent = nullptr);
    ~TCompErgebForm() override;

    // Puts the result lines into the labels; the persons' lines are kept for
    // the printed page.
    void SetComparison(const QString& person1, const QString& person2,
                       const TComparison& comparison);
    [[nodiscard]] const ComparisonPage& Page() const { return page_; }

    // Asks for the printer in the print dialog, then prints the page.
    void PrintBtnClick();

private:
    void createResultLabels();
    void createButtons();

    ComparisonPage page_;
    // Made on the first Print, so the choices in the print dialog are kept
    // for the next one and starting the program does not ask for printers.
    std::unique_ptr<QPrinter> printer_;

    // Intel, Emot, Phys, Intu: each cycle's line, in the order of kCycles.
    std::array<ShadowLabel*, kCycles.size()> cycleLines_{};
    ShadowLabel* Aver = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* PrintBtn = nullptr;
};

} // namespace cyclo
