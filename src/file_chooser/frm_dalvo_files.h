// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/controls.h"
#include "controls/file_lists.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>

class frm_Dalvo_Files;

// The window a chooser serves: it owns the scenario file name and carries out the steps of the
// open and save flows. The chooser knows nothing else of it.
class Chooser_Owner
{
public:
    virtual QWidget &Owner_Window() = 0;
    // The scenario file as typed or picked, completed to a full path on confirm.
    virtual QString &File_Name() = 0;
    // The steps of the flows; each may raise an error, which the chooser traps.
    virtual void Load_File(const frm_Dalvo_Files &files) = 0;
    virtual void Init_Sliders() = 0;
    virtual void Refresh_All() = 0;
    virtual void Save_File(const frm_Dalvo_Files &files) = 0;
    // The zoom the chooser is shown at, as the window's own; an owner that does not zoom shows
    // it at 100 %.
    virtual double Zoom_Factor() const { return 1.0; }

protected:
    ~Chooser_Owner() = default;
};

// The file chooser: a name box, the drive, directory and file lists and the confirm and cancel
// buttons. One window serves opening and saving; its title says which, and the confirm handler
// goes by the title. It exists from the first reference until it is unloaded (confirmed, cancelled
// or closed), and the next reference builds it afresh from its design-time settings.
class frm_Dalvo_Files : public QWidget
{
    Q_OBJECT

public:
    static inline const QString Opening_Title = QStringLiteral("Opening dalvo file ....");
    static inline const QString Saving_Title = QStringLiteral("Saving dalvo file ...");

    explicit frm_Dalvo_Files(Chooser_Owner &owner);

    Label *Label1, *Label2, *Label3;
    TextBox *txt_FName;
    FileListBox *fil_list;
    DriveListBox *Drv_list;
    DirListBox *dir_list;
    QPushButton *cmd_OK, *cmd_Cancel;

    // Goes to a file's folder and picks the file in the list, as a user does before confirming;
    // a file the list does not show (there is none of that name, or its folder cannot be listed)
    // is typed into the name box instead, so that confirming reports it.
    void Pick_File(const QString &path);
    // Shows the chooser modeless and brings it to the front.
    void Show_Modeless();
    // Closes the chooser for good; its controls' state goes with it.
    void Unload();
    bool Unloaded() const { return unloaded_; }
    // Lays the chooser out at its owner's new zoom, as it was made at the old one.
    void Rezoom(double zoom);
    // The captions in the interface's language, at construction and at each change of language;
    // the confirm button's says what the title says the chooser is for.
    void Retranslate_Ui();

public slots:
    void cmd_OK_Click();
    void cmd_Cancel_Click();
    void Drv_list_Change();
    void Drv_list_Probed(const QString &folder, bool answers);
    void dir_list_Change();
    void fil_list_Click();
    void fil_list_PathChange();
    void fil_list_PatternChange();
    void txt_FName_Change();
    void txt_FName_LostFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Build_Controls();
    void Connect_Handlers();
    void Show_Probing(bool on);

    Chooser_Owner &owner_;
    bool unloaded_ = false;
    bool probing_ = false;
    QPointer<QWidget> focus_before_probe_;
};

// The chooser of this window while it is loaded; null when there is none.
frm_Dalvo_Files *Loaded_Dalvo_Files(Chooser_Owner &owner);
// The chooser of this window, loaded afresh when there is none.
frm_Dalvo_Files &Dalvo_Files(Chooser_Owner &owner);
