// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/frm_dalvo.h"

#include "controls/frame_clock.h"
#include "controls/handler_guard.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

using Handler_Guard::Run_Handler;
frm_dalvo::frm_dalvo(QWidget *parent) : QWidget(parent)
{
    wall_clock_.start();
    Build_Controls();
    Connect_Handlers();
    Connect_Keys();
    Retranslate_Ui();
    Add_Zoom_Keys();
    // Ticks come faster than a screen refreshes; the window paints once per refresh.
    new Frame_Clock(*this);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Form_Load();
}

frm_dalvo::~frm_dalvo() = default;

CheckBox *frm_dalvo::chk_wave(int wave) const
{
    const std::array<CheckBox *, 4> boxes = {chk_wave1, chk_wave2, chk_wave3, chk_wave4};
    return boxes.at(static_cast<std::size_t>(wave));
}

std::array<QWidget *, 10> frm_dalvo::Wave_Attr(int wave) const
{
    const auto i = static_cast<std::size_t>(wave);
    return {frm_WaveAttr.at(i), lbl_syxnot[i], lbl_f[i], lbl_Hz[i], lbl_Platos[i],
            lbl_A[i],           lbl_ff[i],     hsc_f[i], lbl_AA[i], hsc_A[i]};
}

void frm_dalvo::Connect_Handlers()
{
    for (int i = 0; i < 4; ++i) {
        connect(hsc_A[i], &QScrollBar::valueChanged, this, [this, i] { hsc_A_Change(i); });
        connect(hsc_f[i], &QScrollBar::valueChanged, this, [this, i] { hsc_f_Change(i); });
        connect(chk_balls[i], &QCheckBox::stateChanged, this, [this, i] { chk_balls_Click(i); });
    }
    connect(hsc_c1, &QScrollBar::valueChanged, this, &frm_dalvo::hsc_c1_Change);
    connect(hsc_c2, &QScrollBar::valueChanged, this, &frm_dalvo::hsc_c2_Change);
    connect(chk_wave1, &QCheckBox::stateChanged, this, &frm_dalvo::chk_wave1_Click);
    connect(chk_wave2, &QCheckBox::stateChanged, this, &frm_dalvo::chk_wave2_Click);
    connect(chk_wave3, &QCheckBox::stateChanged, this, &frm_dalvo::chk_wave3_Click);
    connect(chk_wave4, &QCheckBox::stateChanged, this, &frm_dalvo::chk_wave4_Click);
    connect(Picture1, &PictureBox::MouseUp, this, &frm_dalvo::Picture1_MouseUp);
    connect(Picture2, &PictureBox::MouseUp, this, &frm_dalvo::Picture2_MouseUp);
    connect(Timer1, &QTimer::timeout, this, &frm_dalvo::Timer1_Timer);
    connect(cmd_Go, &QToolButton::clicked, this, &frm_dalvo::cmd_Go_Click);
    connect(cmd_Clock, &QToolButton::clicked, this, &frm_dalvo::cmd_Clock_Click);
    connect(cmd_Back, &QToolButton::clicked, this, &frm_dalvo::cmd_Back_Click);
    connect(cmd_Open, &QToolButton::clicked, this, &frm_dalvo::cmd_Open_Click);
    connect(cmd_Save, &QToolButton::clicked, this, &frm_dalvo::cmd_Save_Click);
    connect(cmd_Print, &QToolButton::clicked, this, &frm_dalvo::cmd_Print_Click);
    connect(cmd_Info, &QToolButton::clicked, this, &frm_dalvo::cmd_Info_Click);
    connect(cmd_Exit, &QToolButton::clicked, this, &frm_dalvo::cmd_Exit_Click);
    connect(cmd_Export, &QToolButton::clicked, this, &frm_dalvo::cmd_Export_Click);
    connect(cbo_Pace, &QComboBox::currentIndexChanged, this, &frm_dalvo::cbo_Pace_Click);
    connect(cmd_Graph, &QToolButton::clicked, this, &frm_dalvo::cmd_Graph_Click);
    connect(cmd_Language, &QPushButton::clicked, this, &frm_dalvo::cmd_Language_Click);
}

void frm_dalvo::Form_Load()
{
    Run_Handler([this] {
        module_.Panel_Span_Height = static_cast<qint16>(
            std::lround(Picture2->Top() + Picture1->Height() - Picture1->Top()));
        module_.Panel2_Height = static_cast<qint16>(std::lround(Picture2->Height()));
        // From now on cmd_Go shows the very picture object Image2 holds; run control compares
        // by identity.
        cmd_Go->Set_Picture(Image2->Shown_Picture());
        clock_mode_ = 1;
        end_time_ = 20;
        Dalvo_module::Init_Sliders(*this);
        Dalvo_module::Size_Balls(*this);
        Dalvo_module::Refresh_All(*this);
        Update_Go_Tip();
    });
}

QImage frm_dalvo::Render_Client_Area()
{
    // The window fills its own background when it renders.
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    render(&image);
    return image;
}
