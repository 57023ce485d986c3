#pragma once
// The main window: the list of persons with the commands to add, delete,
// analyse and compare persons, the two information windows and Quit.
// Closing it ends the program.

#include <QDialog>

class QDate;
class QListWidget;
class QStatusBar;

namespace cyclo {

class BevelPanel;
class GlyphButton;
class PersonRegister;
class ShadowLabel;
class TAboutBioForm;
class TAboutBox;
class TBioForm;
class TCompErgebForm;
class TCompForm;
class TPNeuForm;
struct RegisterResult;

class TPersonForm : public QDialog
{
    Q_OBJECT

public:
    // The windows the main window opens. They are created after the main
    // window and handed in once they exist; a command whose window is absent
    // does nothing.
    struct Windows
    {
        TBioForm* bio = nullptr;
        TPNeuForm* pneu = nullptr;
        TCompForm* comp = nullptr;
        TCompErgebForm* compErgeb = nullptr;
        TAboutBioForm* aboutBio = nullptr;
        TAboutBox* aboutBox = nullptr;
    };

    // Takes the lock on the person file (a second copy of the program finds
    // it held and only shows the list), fills `persons` from the file and
    // the list from `persons`.
    explicit TPersonForm(PersonRegister& persons, QWidget* parent = nullptr);

    void SetWindows(const Windows& windows) { windows_ = windows; }

    // The list position of the selected person, or -1 when no person is
    // selected (no current line, or the current line not marked selected).
    [[nodiscard]] int SelectedPosition() const;

    // Appends a person to the register and the list and saves the file; a
    // full list, or a list that another copy of the program holds, is
    // refused with a message, a failed save is reported (the person stays in
    // the list). Returns whether the person was added.
    bool AddPerson(const QString& name, const QDate& birth);

    void NeuBtnClick();
    void DelBtnClick();
    void BioBtnClick();
    void CompBtnClick();
    void AboutProgBtnClick();
    void AboutBtnClick();
    void QuitBtnClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createTitleBand();
    void createPictureColumn();
    void createListArea();
    void createButtonBand();
    void createStatusBar();
    void connectCommands();
    void setTabOrderAndFocus();
    void FormCreate();

    void appendLine(int slot);
    void reportSaveFailure(const RegisterResult& result);
    // The start-up notice of a program that may not change the list, and
    // the refusal of a change ("added", "deleted") there.
    void reportInUse();
    void reportReadOnly(const QString& change);
    void reportListFull();

    PersonRegister& persons_;
    Windows windows_;

    BevelPanel* titleBand_ = nullptr;
    ShadowLabel* titleLabel_ = nullptr;
    BevelPanel* pictureColumn_ = nullptr;
    ShadowLabel* pictureText_ = nullptr;
    BevelPanel* listArea_ = nullptr;
    BevelPanel* buttonBand_ = nullptr;
    QStatusBar* statusBar_ = nullptr;

    QListWidget* PersonList = nullptr;
    GlyphButton* NeuBtn = nullptr;
    GlyphButton* DelBtn = nullptr;
    GlyphButton* BioBtn = nullptr;
    GlyphButton* CompBtn = nullptr;
    GlyphButton* AboutProgBtn = nullptr;
    GlyphButton* AboutBtn = nullptr;
    GlyphButton* QuitBtn = nullptr;
};

} // namespace cyclo
