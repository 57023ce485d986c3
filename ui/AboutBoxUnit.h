#pragma once
// "Info.": the program's identity (icon, name, version and three lines about
// the program), closed with OK.

#include "ui/widgets/NoCancelDialog.h"

#include <QDialog>

class QPushButton;

namespace cyclo {

class BevelPanel;

class TAboutBox : public NoCancelDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

private:
    void createPanel();
    void createOkButton();

    BevelPanel* Panel1 = nullptr;
    QPushButton* OkBtn = nullptr;
};

} // namespace cyclo
