// The main window's open and save buttons: both show the file chooser, in their own mode.
#include "main_window/frm_dalvo.h"
#include "main_window/handler_guard.h"
#include "scenario/frm_dalvo_files.h"

using Handler_Guard::Run_Handler;

void frm_dalvo::cmd_Open_Click()
{
    Run_Handler([this] {
        frm_Dalvo_Files &files = Dalvo_Files(*this);
        files.setWindowTitle(frm_Dalvo_Files::Opening_Title);
        files.cmd_OK->setText(QStringLiteral("Open"));
        files.txt_FName->Set_Text(QStringLiteral("*.dlv"));
        files.Show_Modeless();
    });
}

void frm_dalvo::cmd_Save_Click()
{
    Run_Handler([this] {
        frm_Dalvo_Files &files = Dalvo_Files(*this);
        files.setWindowTitle(frm_Dalvo_Files::Saving_Title);
        files.cmd_OK->setText(QStringLiteral("Save"));
        files.Show_Modeless();
    });
}
