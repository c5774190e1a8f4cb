// SPDX-License-Identifier: GPL-3.0-or-later
// The display of the current wave selection: which controls are usable, one panel or two, the
// guide lines and the axis labels.
#include "controls/handler_guard.h"
#include "main_window/dalvo_module.h"
#include "main_window/frm_dalvo.h"

namespace Dalvo_module {

namespace {

// The partner of a wave is the other wave of its panel.
int Partner(int wave)
{
    return wave ^ 1;
}

// Lines and labels take a greyed box as selected (any bit set), unlike the layout's choice.
bool Two_Panel_Values(const frm_dalvo &form)
{
    return (form.chk_wave3->Value() | form.chk_wave4->Value()) != 0;
}

// Gives a panel its height in twips and its height in panel units (negative: upward), with the
// axis through its middle shifted down by half a ball, so that a ball's centre sits on its Top.
// Returns that half ball height in panel units.
float Scale_Panel(PictureBox *panel, qint16 height, float scale_height, const Shape *ball)
{
    panel->Set_Height(height);
    panel->Set_ScaleHeight(scale_height);
    const float Half_Ball_Height = ball->Height() / 2;
    panel->Set_ScaleTop(-(panel->ScaleHeight()) / 2 - Half_Ball_Height);
    return Half_Ball_Height;
}

} // namespace

void Disable_Wave_Attr(frm_dalvo &form)
{
    for (int i = 0; i < 4; ++i)
        for (QWidget *control : form.Wave_Attr(i))
            control->setEnabled(false);
}

void Set_Controls(frm_dalvo &form)
{
    bool one_panel = true;
    Disable_Wave_Attr(form);
    for (int wave = 0; wave < 4; ++wave) {
        if (form.chk_wave(wave)->Value() == 1) {
            for (QWidget *control : form.Wave_Attr(wave))
                control->setEnabled(true);
            if (form.chk_wave(Partner(wave))->Value() != 0)
                form.chk_balls[wave]->setEnabled(true);
            if (wave >= 2)
                one_panel = false;
        } else {
            form.chk_balls[wave]->setEnabled(false);
        }
    }
    if (one_panel)
        Layout_One_Panel(form);
    else
        Layout_Two_Panels(form);
}

void Layout_One_Panel(frm_dalvo &form)
{
    const float Half_Ball_Height =
        Scale_Panel(form.Picture1, form.Module().Panel_Span_Height, -70, form.Shape1[0]);
    form.Picture2->setVisible(false);
    form.hsc_c2->setVisible(false);
    form.lbl_c2->setVisible(false);
    for (Label *label : form.Label_2y)
        label->setVisible(false);
    Draw_Lines(form, Half_Ball_Height);
}

void Layout_Two_Panels(frm_dalvo &form)
{
    Scale_Panel(form.Picture1, form.Module().Panel2_Height, -25, form.Shape1[0]);
    form.Picture1->setVisible(true);
    const float Half_Ball_Height =
        Scale_Panel(form.Picture2, form.Module().Panel2_Height, -25, form.Shape2[0]);
    form.Picture2->setVisible(true);
    form.hsc_c2->setVisible(true);
    form.lbl_c2->setVisible(true);
    for (Label *label : form.Label_2y)
        label->setVisible(true);
    Draw_Lines(form, Half_Ball_Height);
}

void Draw_Lines(frm_dalvo &form, const float &Half_Ball_Height)
{
    static constexpr float One_Panel_Level[] = {30, 15, 0, -15, -30};
    static constexpr float Two_Panel_Level[] = {10, 5, 0, -5, -10};
    const float hb = Half_Ball_Height;
    const float d = form.Picture1->ScaleWidth() / frm_dalvo::Balls;
    const float B = form.Picture1->ScaleHeight() / 2 - hb;
    const auto column = [d](int i) { return d / 2 + 10 * static_cast<float>(i) * d; };
    if (Two_Panel_Values(form)) {
        for (int i = 0; i < 5; ++i) {
            const float y = Two_Panel_Level[i] - hb;
            for (Line *line : {form.Line1[i], form.Line2[i]}) {
                line->Set_Y1(y);
                line->Set_Y2(y);
            }
        }
        for (auto *lines : {&form.Line1x, &form.Line2x})
            for (int i = 0; i < 6; ++i) {
                (*lines)[i]->Set_X1(column(i));
                (*lines)[i]->Set_X2(column(i));
            }
    } else {
        for (int i = 0; i < 5; ++i) {
            form.Line1[i]->Set_Y1(One_Panel_Level[i] - hb);
            form.Line1[i]->Set_Y2(One_Panel_Level[i] - hb);
        }
        for (int i = 0; i < 6; ++i) {
            form.Line1x[i]->Set_X1(column(i));
            form.Line1x[i]->Set_X2(column(i));
            form.Line1x[i]->Set_Y2(B);
        }
    }
}

void Place_Labels(frm_dalvo &form)
{
    static constexpr int One_Panel_Value[] = {30, 15, 0, -15, -30};
    static constexpr int Two_Panel_Value[] = {10, 5, 0, -5, -10};
    const auto place_column = [](const PictureBox *P, const std::array<Label *, 5> &Y,
                                 const int(&values)[5], double R) {
        const double C = P->Height() / 2 + P->Top() - Y[0]->Height() / 2;
        for (int i = 0; i < 5; ++i) {
            Y[i]->Set_Caption(QString::number(values[i]));
            Y[i]->Set_Top(static_cast<float>(C - (values[i] / R) * P->Height() / 2));
        }
    };
    if (Two_Panel_Values(form)) {
        place_column(form.Picture1, form.Label_1y, Two_Panel_Value, 12.5);
        place_column(form.Picture2, form.Label_2y, Two_Panel_Value, 12.5);
    } else {
        place_column(form.Picture1, form.Label_1y, One_Panel_Value, 35);
    }
    const double p = form.Picture1->Width() / frm_dalvo::Balls;
    const double w = form.Label_1x[0]->Width() / 2;
    for (int i = 0; i < 6; ++i) {
        form.Label_1x[i]->Set_Left(
            static_cast<float>(form.Picture1->Left() + 10 * i * p + p / 2 - w));
        form.Label_2x[i]->Set_Left(form.Label_1x[i]->Left());
    }
}

} // namespace Dalvo_module

using Handler_Guard::Run_Handler;

void frm_dalvo::chk_wave1_Click()
{
    Run_Handler([this] { Dalvo_module::Refresh_All(*this); });
}

void frm_dalvo::chk_wave2_Click()
{
    Run_Handler([this] { Dalvo_module::Refresh_All(*this); });
}

void frm_dalvo::chk_wave3_Click()
{
    Run_Handler([this] { Dalvo_module::Refresh_All(*this); });
}

void frm_dalvo::chk_wave4_Click()
{
    Run_Handler([this] { Dalvo_module::Refresh_All(*this); });
}

void frm_dalvo::chk_balls_Click(int Index)
{
    Run_Handler([this, Index] {
        const std::array<Array<Shape, Balls> *, 4> rows = {&Shape11, &Shape12, &Shape21, &Shape22};
        if (Index < 0 || Index > 3)
            return;
        const bool shown = chk_balls[Index]->Value() != 0;
        for (Shape *ball : *rows[Index])
            ball->Set_Visible(shown);
    });
}
