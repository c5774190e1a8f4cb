// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

class frm_dalvo;
class frm_Dalvo_Files;
namespace Scenario {
struct Set_Up;
}

// The shared procedures and the module-level state. The state belongs to one main window and
// starts afresh with it; the procedures reach the window's controls through it.
namespace Dalvo_module {

struct Module_State
{
    // The wave parameter set, all zero before the first derivation.
    float Speed_1 = 0;
    float Speed_2 = 0;
    std::array<float, 4> Frequency{};
    std::array<float, 4> Wavelength{};
    std::array<float, 4> Amplitude{};
    // Heights in twips taken from the design geometry at load time.
    qint16 Panel_Span_Height = 0;
    qint16 Panel2_Height = 0;
    // The scenario file as typed or picked in the file chooser, completed to a full path on
    // confirm.
    QString File_Name;
};

// Parameters, derived from the value labels.
void Set_Wave_Values(frm_dalvo &form, int wave);
void Init_Sliders(frm_dalvo &form);

// Start-up and refresh.
void Refresh_All(frm_dalvo &form);
void Size_Balls(frm_dalvo &form);
void Place_Balls(frm_dalvo &form);

// Controls, layout, lines and labels of the current wave selection.
void Disable_Wave_Attr(frm_dalvo &form);
void Set_Controls(frm_dalvo &form);
void Layout_One_Panel(frm_dalvo &form);
void Layout_Two_Panels(frm_dalvo &form);
void Draw_Lines(frm_dalvo &form, const float &Half_Ball_Height);
void Place_Labels(frm_dalvo &form);

// Read and write the file named by File_Name. Both report their own failures and always return;
// the window caption comes from the chooser (the picked name on a load, the typed text on a save).
void Load_File(frm_dalvo &form, const frm_Dalvo_Files &files);
void Save_File(frm_dalvo &form, const frm_Dalvo_Files &files);
// The set-up the window shows, as a file would store it, and that set-up put into the controls
// field by field, each check box running its click handler; Init_Sliders and Refresh_All follow.
Scenario::Set_Up Current_Set_Up(const frm_dalvo &form);
void Apply_Set_Up(frm_dalvo &form, const Scenario::Set_Up &set_up);

} // namespace Dalvo_module
