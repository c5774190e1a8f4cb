// SPDX-License-Identifier: GPL-3.0-or-later
// The wave parameter set, derived from the value labels, and the scroll bars that write them.
#include "controls/handler_guard.h"
#include "core/dalvo_error.h"
#include "core/number_text.h"
#include "main_window/dalvo_module.h"
#include "main_window/frm_dalvo.h"

using Simulation::Checked_Divide;
using Simulation::Nearest_Integer;
using Simulation::Number_Text;
using Simulation::Numeric_Reading;
using Simulation::To_Single;

namespace Dalvo_module {

namespace {

float Reading(const Label *label)
{
    return To_Single(Numeric_Reading(label->Caption()));
}

} // namespace

void Set_Wave_Values(frm_dalvo &form, int wave)
{
    // First: a caption that moves a scroll bar below comes back here with the new caption.
    form.Show_Set_Up_In_Graph();
    Module_State &m = form.Module();
    m.Speed_1 = Reading(form.lbl_c1);
    m.Speed_2 = Reading(form.lbl_c2);
    const auto i = static_cast<std::size_t>(wave);
    m.Frequency.at(i) = Reading(form.lbl_ff[i]);
    m.Amplitude[i] = Reading(form.lbl_AA[i]);
    const float speed = wave < 2 ? m.Speed_1 : m.Speed_2;
    m.Wavelength[i] = To_Single(Checked_Divide(speed, m.Frequency[i]));
    form.hsc_f[i]->Set_Value(Nearest_Integer(Numeric_Reading(form.lbl_ff[i]->Caption()) * 10));
    form.hsc_A[i]->Set_Value(Nearest_Integer(Numeric_Reading(form.lbl_AA[i]->Caption())));
}

void Init_Sliders(frm_dalvo &form)
{
    for (int wave = 0; wave < 4; ++wave)
        Set_Wave_Values(form, wave);
    form.hsc_c1->Set_Value(Nearest_Integer(Numeric_Reading(form.lbl_c1->Caption())));
    form.hsc_c2->Set_Value(Nearest_Integer(Numeric_Reading(form.lbl_c2->Caption())));
}

namespace {

// A speed change re-derives only the two wavelengths of its panel, from the stored frequencies.
void Speed_Change(frm_dalvo &form, ScrollBar *bar, Label *label, float &speed, int first_wave)
{
    Module_State &m = form.Module();
    label->Set_Caption(Number_Text(bar->value()));
    form.Show_Set_Up_In_Graph();
    speed = Reading(label);
    for (int i = first_wave; i < first_wave + 2; ++i) {
        // A frequency of 0 (only a scenario file gives one) leaves its wave without a
        // wavelength, so it moves no ball, and does not keep the other wave of the panel from
        // following the speed.
        try {
            m.Wavelength[i] = To_Single(Checked_Divide(speed, m.Frequency[i]));
        } catch (const Simulation::Dalvo_Error &) {
            m.Wavelength[i] = 0;
        }
    }
}

} // namespace

} // namespace Dalvo_module

using Handler_Guard::Run_Handler;

void frm_dalvo::hsc_A_Change(int Index)
{
    Run_Handler([this, Index] {
        lbl_AA.at(Index)->Set_Caption(Simulation::Number_Text(hsc_A[Index]->value()));
        Dalvo_module::Set_Wave_Values(*this, Index);
    });
}

void frm_dalvo::hsc_f_Change(int Index)
{
    Run_Handler([this, Index] {
        lbl_ff.at(Index)->Set_Caption(Simulation::Number_Text(hsc_f[Index]->value() / 10.0));
        Dalvo_module::Set_Wave_Values(*this, Index);
    });
}

void frm_dalvo::hsc_c1_Change()
{
    Run_Handler([this] { Dalvo_module::Speed_Change(*this, hsc_c1, lbl_c1, Module().Speed_1, 0); });
}

void frm_dalvo::hsc_c2_Change()
{
    Run_Handler([this] { Dalvo_module::Speed_Change(*this, hsc_c2, lbl_c2, Module().Speed_2, 2); });
}
