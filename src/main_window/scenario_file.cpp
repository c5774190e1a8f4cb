// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario file from the main window's side: the open and save buttons, and the set-up read
// into and written from the window's controls.
#include "controls/handler_guard.h"
#include "core/scenario_format.h"
#include "file_chooser/file_messages.h"
#include "file_chooser/frm_dalvo_files.h"
#include "main_window/dalvo_module.h"
#include "main_window/frm_dalvo.h"

#include <QFile>
#include <QFileInfo>

using Handler_Guard::Run_Handler;
using namespace Scenario;

namespace {

// The chooser as cmd_Open sets it up for opening.
frm_Dalvo_Files &Chooser_For_Opening(frm_dalvo &form)
{
    frm_Dalvo_Files &files = Dalvo_Files(form);
    files.setWindowTitle(frm_Dalvo_Files::Opening_Title);
    files.Retranslate_Ui();
    files.txt_FName->Set_Text(QStringLiteral("*.dlv"));
    return files;
}

} // namespace

void frm_dalvo::cmd_Open_Click()
{
    Run_Handler([this] { Chooser_For_Opening(*this).Show_Modeless(); });
}

// The user's own way, without showing the chooser: the same steps, traps, messages and caption.
void frm_dalvo::Open_File(const QString &path)
{
    Run_Handler([&] {
        frm_Dalvo_Files &files = Chooser_For_Opening(*this);
        files.Pick_File(path);
        files.cmd_OK_Click();
    });
}

void frm_dalvo::cmd_Save_Click()
{
    Run_Handler([this] {
        frm_Dalvo_Files &files = Dalvo_Files(*this);
        files.setWindowTitle(frm_Dalvo_Files::Saving_Title);
        files.Retranslate_Ui();
        files.Show_Modeless();
    });
}

namespace Dalvo_module {

namespace {

// A reading step that did not succeed.
struct Step_Failed
{
};

void Open_For_Reading(QFile &file)
{
    // Only a plain file is opened: a folder cannot be read and a pipe could wait for ever.
    const QString name = file.fileName();
    if (Names_No_File(name) || !QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly))
        throw Step_Failed();
}

// Sets the control a field of the file belongs to; a check box runs its click handler at once.
void Apply(frm_dalvo &form, Field_Place place, const Set_Up &set_up)
{
    const auto i = static_cast<std::size_t>(place.wave);
    switch (place.field) {
    case Field::Speed_1:
        form.lbl_c1->Set_Caption(set_up.Speed_1);
        break;
    case Field::Speed_2:
        form.lbl_c2->Set_Caption(set_up.Speed_2);
        break;
    case Field::Wave:
        form.chk_wave(place.wave)->Set_Value(set_up.Wave.at(i));
        break;
    case Field::Amplitude:
        form.lbl_AA.at(i)->Set_Caption(set_up.Amplitude.at(i));
        break;
    case Field::Frequency:
        form.lbl_ff.at(i)->Set_Caption(set_up.Frequency.at(i));
        break;
    case Field::Balls:
        form.chk_balls.at(i)->Set_Value(set_up.Balls.at(i));
        break;
    }
}

} // namespace

Set_Up Current_Set_Up(const frm_dalvo &form)
{
    Set_Up set_up;
    set_up.Speed_1 = form.lbl_c1->Caption();
    set_up.Speed_2 = form.lbl_c2->Caption();
    for (std::size_t i = 0; i < 4; ++i) {
        set_up.Wave[i] = static_cast<qint16>(form.chk_wave(static_cast<int>(i))->Value());
        set_up.Amplitude[i] = form.lbl_AA[i]->Caption();
        set_up.Frequency[i] = form.lbl_ff[i]->Caption();
        set_up.Balls[i] = static_cast<qint16>(form.chk_balls[i]->Value());
    }
    return set_up;
}

void Apply_Set_Up(frm_dalvo &form, const Set_Up &set_up)
{
    for (const Field_Place &place : Field_Order)
        Apply(form, place, set_up);
}

// Each field is read, then set, each step trapped on its own: a field that fails shows the
// message and the flow goes on with what the reader holds.
void Load_File(frm_dalvo &form, const frm_Dalvo_Files &files)
{
    const auto step = [&form](auto &&body) { Trap(&form, Opening_Problem, body); };
    QFile file(form.Module().File_Name);
    step([&] { Open_For_Reading(file); });
    Set_Up_Reader reader(&file);
    step([&] {
        if (!reader.Read_Magic())
            throw Step_Failed();
    });
    if (!reader.Is_Dalvo_File()) {
        Sorry(&form, Not_A_Dalvo_File);
        return;
    }
    Set_Up set_up;
    for (const Field_Place &place : Field_Order) {
        step([&] {
            if (!reader.Read(place, set_up))
                throw Step_Failed();
        });
        step([&] { Apply(form, place, set_up); });
        if (place.field == Field::Balls)
            form.frm_WaveAttr.at(static_cast<std::size_t>(place.wave))->setEnabled(false);
    }
    file.close();
    form.setWindowTitle(QStringLiteral("Dalvo: ") +
                        files.fil_list->List(files.fil_list->ListIndex()));
}

void Save_File(frm_dalvo &form, const frm_Dalvo_Files &files)
{
    if (!Save_Set_Up(form.Module().File_Name, Current_Set_Up(form))) {
        Sorry(&form, Saving_Problem);
        return;
    }
    form.setWindowTitle(QStringLiteral("Dalvo: ") + files.txt_FName->text());
}

} // namespace Dalvo_module

// The chooser's steps of the open and save flows, which it runs through Chooser_Owner.

void frm_dalvo::Load_File(const frm_Dalvo_Files &files)
{
    Dalvo_module::Load_File(*this, files);
}

void frm_dalvo::Init_Sliders()
{
    Dalvo_module::Init_Sliders(*this);
}

void frm_dalvo::Refresh_All()
{
    Dalvo_module::Refresh_All(*this);
}

void frm_dalvo::Save_File(const frm_Dalvo_Files &files)
{
    Dalvo_module::Save_File(*this, files);
}
