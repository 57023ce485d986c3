#pragma once
// "About the Biorhythm": a read-only text that explains the four cycles and
// the critical and zero days, closed with OK.

#include "ui/widgets/NoCancelDialog.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace cyclo {

class TAboutBioForm : public NoCancelDialog
{
    Q_OBJECT

public:
    explicit TAboutBioForm(QWidget* parent = nullptr);

    // The ten lines of explanation, one paragraph each.
    [[nodiscard]] static QStringList ExplanationLines();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createMemo();
    void createOkButton();

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* OkBtn = nullptr;
};

} // namespace cyclo
