// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser's controls as laid out at design time (geometry in twips) and the handlers they
// raise. Their texts come from Retranslate_Ui.
#include "file_chooser/frm_dalvo_files.h"

#include <QDir>

void frm_Dalvo_Files::Build_Controls()
{
    const auto make_label = [this](const char *name, const QString &caption, double left,
                                   double top) {
        auto *label = new Label(QLatin1String(name), caption, this);
        label->setFont(Window_Font(true));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->Set_Geometry(left, top, 2175, 285);
        return label;
    };
    const auto make_button = [this](const char *name, const QString &caption, double top) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setFont(Window_Font(true));
        // Enter presses the button that has the focus.
        button->setAutoDefault(true);
        Place(button, 5580, top, 1095, 330);
        return button;
    };

    // The lists start at the process's current folder.
    const QString here = QDir::currentPath();
    Label1 = make_label("Label1", {}, 315, 450);
    txt_FName = new TextBox(QStringLiteral("txt_FName"), QStringLiteral("*.dlv"), this);
    Place(txt_FName, 270, 855, 2265, 315);
    fil_list = new FileListBox(QStringLiteral("fil_list"), here, QStringLiteral("*.dlv"), this);
    Place(fil_list, 225, 1305, 2265, 2820);
    Label2 = make_label("Label2", {}, 2880, 450);
    Drv_list = new DriveListBox(QStringLiteral("Drv_list"), this);
    Place(Drv_list, 2880, 855, 2400, 315);
    Label3 = make_label("Label3", {}, 2835, 1620);
    dir_list = new DirListBox(QStringLiteral("dir_list"), here, this);
    Place(dir_list, 2880, 2010, 2400, 2115);
    cmd_OK = make_button("cmd_OK", {}, 3240);
    cmd_OK->setDefault(true);
    cmd_Cancel = make_button("cmd_Cancel", {}, 3795);

    // Tab order by tab index; the labels take no focus.
    setTabOrder(fil_list, dir_list);
    setTabOrder(dir_list, Drv_list);
    setTabOrder(Drv_list, txt_FName);
    setTabOrder(txt_FName, cmd_OK);
    setTabOrder(cmd_OK, cmd_Cancel);
    fil_list->setFocus();
}

void frm_Dalvo_Files::Connect_Handlers()
{
    connect(cmd_OK, &QPushButton::clicked, this, &frm_Dalvo_Files::cmd_OK_Click);
    connect(cmd_Cancel, &QPushButton::clicked, this, &frm_Dalvo_Files::cmd_Cancel_Click);
    connect(Drv_list, &DriveListBox::Change, this, &frm_Dalvo_Files::Drv_list_Change);
    connect(Drv_list, &DriveListBox::Probed, this, &frm_Dalvo_Files::Drv_list_Probed);
    connect(dir_list, &DirListBox::Change, this, &frm_Dalvo_Files::dir_list_Change);
    connect(fil_list, &FileListBox::Click, this, &frm_Dalvo_Files::fil_list_Click);
    connect(fil_list, &FileListBox::PathChange, this, &frm_Dalvo_Files::fil_list_PathChange);
    connect(fil_list, &FileListBox::PatternChange, this, &frm_Dalvo_Files::fil_list_PatternChange);
    connect(txt_FName, &TextBox::Change, this, &frm_Dalvo_Files::txt_FName_Change);
    connect(txt_FName, &TextBox::LostFocus, this, [this] {
        // Closing the window takes the focus away too; that is no leaving of the box.
        if (!unloaded_)
            txt_FName_LostFocus();
    });
}
