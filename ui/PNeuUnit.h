#pragma once
// "New person": asks for the name and birth date of a person to add. The
// fields keep what was entered last between uses.

#include <QDialog>
#include <string>
#include <vector>

class QDate;
class QLineEdit;
class QPushButton;

namespace cyclo {

class Clock;
class RegionalSettings;
class ShadowLabel;
class TDateEdit;

class TPNeuForm : public QDialog
{
    Q_OBJECT

public:
    // The birth-date field reads "today" from `clock` and its date format from
    // `settings`; both must outlive the dialog.
    TPNeuForm(const Clock& clock, const RegionalSettings& settings, QWidget* parent = nullptr);

    // What the dialog holds after OK: the name as typed and the birth date
    // (today for a field left blank).
    [[nodiscard]] QString PersonName() const;
    [[nodiscard]] QDate BirthDate() const;

    // Closes the dialog with OK once there is a name the person file can keep
    // and the birth date is either blank or a real date; otherwise says what
    // is wrong and stays.
    void OkBtnClick();

private:
    void createFields(const Clock& clock, const RegionalSettings& settings);
    void createButtons();
    void setTabOrderAndFocus();

    void reportMissingName();
    void reportCharactersOutsideTheList(const std::vector<std::string>& characters);
    void reportInvalidDate();

    ShadowLabel* nameLabel_ = nullptr;
    ShadowLabel* birthdayLabel_ = nullptr;
    QLineEdit* NameEdit = nullptr;
    TDateEdit* GebdateEdit = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

} // namespace cyclo
