// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_chooser/frm_dalvo_files.h"

#include "controls/handler_guard.h"
#include "core/dalvo_error.h"
#include "core/scenario_format.h"
#include "file_chooser/file_messages.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

using Handler_Guard::Run_Handler;
using namespace Scenario;

frm_Dalvo_Files::frm_Dalvo_Files(Chooser_Owner &owner)
    : QWidget(&owner.Owner_Window(), Qt::Dialog), owner_(owner)
{
    setObjectName(QStringLiteral("frm_Dalvo_Files"));
    setWindowTitle(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    Set_Client_Size(*this, 7050, 4530);
    setFont(Window_Font(false));
    setPalette(Classic_Palette());
    Build_Controls();
    Retranslate_Ui();
    Use_Classic_Style(*this);
    Connect_Handlers();
    if (const double zoom = owner.Zoom_Factor(); zoom != 1.0)
        Rezoom(zoom);
}

void frm_Dalvo_Files::Rezoom(double zoom)
{
    Apply_Zoom(*this, zoom);
    setFixedSize(Client_Size(*this, zoom));
}

void frm_Dalvo_Files::Retranslate_Ui()
{
    Label1->Set_Caption(tr("Όνομα αρχείου:"));
    Label2->Set_Caption(tr("Οδηγός δίσκου:"));
    Label3->Set_Caption(tr("Κατάλογοι:"));
    //: The confirm button before a title says what the chooser is for: OK in Greek capitals.
    QString confirm = tr("ΟΚ");
    if (windowTitle() == Opening_Title)
        confirm = tr("Open");
    else if (windowTitle() == Saving_Title)
        confirm = tr("Save");
    cmd_OK->setText(confirm);
    cmd_Cancel->setText(tr("Cancel"));
}

void frm_Dalvo_Files::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        Run_Handler([this] { Retranslate_Ui(); });
    QWidget::changeEvent(event);
}

void frm_Dalvo_Files::Pick_File(const QString &path)
{
    const QFileInfo file(QDir::current().absoluteFilePath(path));
    try {
        // The lists follow, as when the user picks the folder; the folder becomes the current one.
        dir_list->Set_Path(file.absolutePath());
    } catch (...) {
        txt_FName->Set_Text(file.absoluteFilePath());
        return;
    }
    for (int index = 0; index < fil_list->ListCount(); ++index) {
        if (fil_list->List(index) == file.fileName()) {
            fil_list->Set_ListIndex(index);
            return;
        }
    }
    txt_FName->Set_Text(file.fileName());
}

void frm_Dalvo_Files::Show_Modeless()
{
    show();
    raise();
    activateWindow();
}

void frm_Dalvo_Files::Unload()
{
    unloaded_ = true;
    close();
}

void frm_Dalvo_Files::closeEvent(QCloseEvent *event)
{
    unloaded_ = true;
    event->accept();
}

void frm_Dalvo_Files::keyPressEvent(QKeyEvent *event)
{
    // Keys the focused control leaves alone: Enter presses the default button, Esc cancels.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        cmd_OK->click();
        break;
    case Qt::Key_Escape:
        cmd_Cancel->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// The open or save flow. Each step is trapped on its own: a failure shows "File problem" and the
// flow goes on with the next step, so it always ends by unloading the chooser.
void frm_Dalvo_Files::cmd_OK_Click()
{
    Run_Handler([this] {
        const auto step = [this](auto &&body) { Trap(this, File_Problem, body); };
        QString &file_name = owner_.File_Name();
        step([&] { file_name = Join_Path(fil_list->Path(), file_name); });
        if (windowTitle() == Opening_Title) {
            step([&] {
                txt_FName->Set_Text(file_name);
                txt_FName->Set_SelLength(static_cast<int>(txt_FName->text().size()));
            });
            step([&] { owner_.Load_File(*this); });
            step([&] { owner_.Init_Sliders(); });
            step([&] { owner_.Refresh_All(); });
        } else {
            step([&] { owner_.Save_File(*this); });
        }
        Unload();
    });
}

void frm_Dalvo_Files::cmd_Cancel_Click()
{
    Run_Handler([this] { Unload(); });
}

void frm_Dalvo_Files::Drv_list_Change()
{
    Run_Handler([this] {
        // A drive picked while another is probed is taken up when that probe ends.
        if (Drv_list->Probing())
            return;
        Drv_list->Probe(
            Volumes::Directory_On_Drive(Drv_list->Drive(), dir_list->Path(), Drv_list->Drives()));
        Show_Probing(Drv_list->Probing());
    });
}

// A drive that does not answer in time gets the message instead of the lists waiting for it.
void frm_Dalvo_Files::Drv_list_Probed(const QString &folder, bool answers)
{
    Run_Handler([&] {
        Show_Probing(false);
        const QStringList &drives = Drv_list->Drives();
        const QString drive = Volumes::Drive_Of(folder, drives);
        Trap(this, Disk_Problem, [&] {
            if (!answers)
                throw Simulation::Dalvo_Error(Simulation::Error_Code::Invalid_Property_Value,
                                              QStringLiteral("Device unavailable"));
            dir_list->Set_Path(folder);
            if (Volumes::Drive_Of(QDir::currentPath(), drives) != drive && !QDir::setCurrent(drive))
                throw Simulation::Dalvo_Error(Simulation::Error_Code::Invalid_Property_Value,
                                              QStringLiteral("Device unavailable"));
        });
        if (Drv_list->Drive() != drive)
            Drv_list_Change();
    });
}

// While a drive is probed, the lists, the name box and the confirm button take no input, so no
// handler acts on a folder about to change; the chooser can still be cancelled, and the window
// and its run go on.
void frm_Dalvo_Files::Show_Probing(bool on)
{
    if (on == probing_)
        return;
    probing_ = on;
    if (on)
        focus_before_probe_ = focusWidget();
    for (QWidget *control :
         std::initializer_list<QWidget *>{fil_list, dir_list, Drv_list, txt_FName, cmd_OK})
        control->setEnabled(!on);
    if (on) {
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
        if (focus_before_probe_ && focusWidget() == cmd_Cancel)
            focus_before_probe_->setFocus();
    }
}

void frm_Dalvo_Files::dir_list_Change()
{
    Run_Handler([this] {
        fil_list->Set_Path(dir_list->Path());
        if (!QDir::setCurrent(dir_list->Path()))
            throw Simulation::Dalvo_Error(Simulation::Error_Code::Invalid_Property_Value,
                                          QStringLiteral("Path not found"));
    });
}

void frm_Dalvo_Files::fil_list_Click()
{
    Run_Handler([this] { txt_FName->Set_Text(fil_list->List(fil_list->ListIndex())); });
}

void frm_Dalvo_Files::fil_list_PathChange()
{
    Run_Handler([this] {
        txt_FName->Set_Text(fil_list->Pattern());
        Drv_list->Set_Drive(fil_list->Path());
        dir_list->Set_Path(fil_list->Path());
    });
}

void frm_Dalvo_Files::fil_list_PatternChange()
{
    Run_Handler([this] {
        Drv_list->Set_Drive(fil_list->Path());
        dir_list->Set_Path(fil_list->Path());
    });
}

void frm_Dalvo_Files::txt_FName_Change()
{
    Run_Handler([this] { owner_.File_Name() = txt_FName->text(); });
}

void frm_Dalvo_Files::txt_FName_LostFocus()
{
    Run_Handler([this] { owner_.File_Name() = With_Extension(txt_FName->text()); });
}

frm_Dalvo_Files *Loaded_Dalvo_Files(Chooser_Owner &owner)
{
    const auto choosers =
        owner.Owner_Window().findChildren<frm_Dalvo_Files *>(QString(), Qt::FindDirectChildrenOnly);
    for (frm_Dalvo_Files *files : choosers) {
        if (!files->Unloaded())
            return files;
    }
    return nullptr;
}

frm_Dalvo_Files &Dalvo_Files(Chooser_Owner &owner)
{
    frm_Dalvo_Files *loaded = Loaded_Dalvo_Files(owner);
    return loaded ? *loaded : *new frm_Dalvo_Files(owner);
}
