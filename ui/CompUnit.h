#pragma once
// "Compare persons": the user picks two persons from the list, and the
// Compare command shows how closely their cycles run in step.

#include <QDialog>

class QComboBox;
class QPushButton;

namespace cyclo {

class PersonRegister;
class ShadowLabel;
class TCompErgebForm;

class TCompForm : public QDialog
{
    Q_OBJECT

public:
    explicit TCompForm(QWidget* parent = nullptr);

    // Refills both lists with one line per person in slot order and
    // preselects the first person in P1Combo and the second in P2Combo.
    void FillPersons(const PersonRegister& persons);

    // The chosen list positions (slot - 1), -1 where a list has no selection.
    [[nodiscard]] int Person1Position() const;
    [[nodiscard]] int Person2Position() const;

private:
    void createFields();
    void createButtons();

    ShadowLabel* person1Label_ = nullptr;
    ShadowLabel* person2Label_ = nullptr;
    QComboBox* P1Combo = nullptr;
    QComboBox* P2Combo = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

// The main window's Compare command: needs two persons, lets the user pick
// them in `compForm`, compares their birth dates and shows the result in
// `resultForm`. Wrong choices are answered with an error box.
void RunCompareCommand(const PersonRegister& persons, TCompForm& compForm,
                       TCompErgebForm& resultForm);

} // namespace cyclo
