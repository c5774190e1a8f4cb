// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes and rest positions of the six ball rows.
#include "main_window/dalvo_module.h"
#include "main_window/frm_dalvo.h"

namespace Dalvo_module {

void Size_Balls(frm_dalvo &form)
{
    auto &S1 = form.Shape1;
    auto &S2 = form.Shape2;
    S1[0]->Set_Width(form.Picture1->ScaleWidth() / frm_dalvo::Balls);
    S1[0]->Set_Height(S1[0]->Width());
    S2[0]->Set_Width(form.Picture2->ScaleWidth() / frm_dalvo::Balls);
    S2[0]->Set_Height(S2[0]->Width());
    for (int i = 1; i < frm_dalvo::Balls; ++i) {
        S1[i]->Set_Width(S1[0]->Width());
        S1[i]->Set_Height(S1[0]->Height());
        S2[i]->Set_Width(S2[0]->Width());
        S2[i]->Set_Height(S2[0]->Height());
    }
    for (int i = 0; i < frm_dalvo::Balls; ++i) {
        for (Shape *ball : {form.Shape11[i], form.Shape12[i], form.Shape21[i], form.Shape22[i]}) {
            ball->Set_Width(S1[0]->Width());
            ball->Set_Height(S1[0]->Height());
        }
    }
}

void Place_Balls(frm_dalvo &form)
{
    auto &S1 = form.Shape1;
    auto &S2 = form.Shape2;
    S1[0]->Set_Left(0);
    S1[0]->Set_Top(0);
    S2[0]->Set_Left(0);
    S2[0]->Set_Top(0);
    form.lbl_time->Set_Caption(QStringLiteral("0.00"));
    // Each Left is the previous ball's, read back, plus the width: the row's rounding is the
    // repeated additions'.
    for (int i = 1; i < frm_dalvo::Balls; ++i) {
        S1[i]->Set_Top(S1[0]->Top());
        S1[i]->Set_Left(S1[i - 1]->Left() + S1[0]->Width());
        S2[i]->Set_Top(S2[0]->Top());
        S2[i]->Set_Left(S2[i - 1]->Left() + S2[0]->Width());
    }
    // Component balls are parked two panel heights below the rest line, out of sight.
    for (int i = 0; i < frm_dalvo::Balls; ++i) {
        for (Shape *ball : {form.Shape11[i], form.Shape12[i]}) {
            ball->Set_Top(2 * form.Picture1->ScaleHeight());
            ball->Set_Left(S1[i]->Left());
        }
        for (Shape *ball : {form.Shape21[i], form.Shape22[i]}) {
            ball->Set_Top(2 * form.Picture2->ScaleHeight());
            ball->Set_Left(S2[i]->Left());
        }
    }
}

void Refresh_All(frm_dalvo &form)
{
    Set_Controls(form);
    Place_Balls(form);
    Place_Labels(form);
    // The graph's scale, numbers and waves follow the layout and the wave boxes.
    form.Show_Set_Up_In_Graph();
}

} // namespace Dalvo_module
