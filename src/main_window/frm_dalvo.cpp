#include "main_window/frm_dalvo.h"

#include "main_window/colours.h"
#include "main_window/handler_guard.h"
#include "main_window/twips.h"
#include "simulation/number_text.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

using namespace Dalvo_module;
using Handler_Guard::Run_Handler;

namespace {

// Library code that runs in the event loop between two ticks can leave the upper halves of the
// AVX registers in use. Until they are cleared, every SSE instruction of the tick and each sine
// pays for it: the tick took ten times as long. Clearing them costs a few cycles.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
__attribute__((target("avx"))) void Zero_Upper_Avx()
{
    _mm256_zeroupper();
}

void Clear_Vector_Upper_State()
{
    static const bool has_avx = __builtin_cpu_supports("avx");
    if (has_avx)
        Zero_Upper_Avx();
}
#else
void Clear_Vector_Upper_State() {}
#endif

} // namespace

frm_dalvo::frm_dalvo(QWidget *parent) : QWidget(parent)
{
    Build_Controls();
    Connect_Handlers();
    setWindowTitle(QStringLiteral("Dalvo: New file"));
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
        Init_Sliders(*this);
        Size_Balls(*this);
        Refresh_All(*this);
    });
}

void frm_dalvo::Timer1_Timer()
{
    Run_Handler([this] { Time_Loop(); });
}

void frm_dalvo::Time_Loop()
{
    std::array<Simulation::Wave, 4> waves;
    std::array<bool, 4> ticked;
    for (int i = 0; i < 4; ++i) {
        waves[i] = {module_.Frequency[i], module_.Wavelength[i], module_.Amplitude[i]};
        ticked[i] = chk_wave(i)->Value() != 0;
    }
    Clear_Vector_Upper_State();
    Simulation::Compute_Tick(waves, ticked, elapsed_.Seconds(), tick_);
    const std::array<const Array<Shape, Balls> *, 4> component = {&Shape11, &Shape12, &Shape21,
                                                                  &Shape22};
    for (int a = 0; a < Balls; ++a) {
        for (int wave = 0; wave < 4; ++wave)
            if (tick_.Moved[wave][a])
                (*component[wave])[a]->Set_Top(tick_.Component[wave][a]);
        Shape1[a]->Set_Top(tick_.Resultant[a][0]);
        Shape2[a]->Set_Top(tick_.Resultant[a][1]);
    }

    elapsed_.Advance();
    lbl_time->Set_Caption(Simulation::Number_Text(Elapsed_Time()));
    if (elapsed_.On_Whole_Second() && clock_mode_ != 0)
        Timer1->stop();
    if (Elapsed_Time() > end_time_) {
        clock_mode_ = 1;
        cmd_Go->setEnabled(false);
        cmd_Back->setEnabled(true);
    }
}

// Run control.

void frm_dalvo::cmd_Go_Click()
{
    Run_Handler([this] {
        if (cmd_Go->Shown_Picture() == Image2->Shown_Picture()) {
            cmd_Go->Set_Picture(Image1->Shown_Picture());
            Disable_Wave_Attr(*this);
            for (CheckBox *box : {chk_wave1, chk_wave2, chk_wave3, chk_wave4})
                box->setEnabled(false);
            for (CommandButton *button :
                 {cmd_Clock, cmd_Back, cmd_Save, cmd_Open, cmd_Print, cmd_Info, cmd_Exit})
                button->setEnabled(false);
            clock_mode_ = 0;
            if (!Timer1->isActive())
                Timer1->start();
        } else {
            cmd_Go->Set_Picture(Image2->Shown_Picture());
            cmd_Clock->setEnabled(true);
            cmd_Back->setEnabled(true);
            Timer1->stop();
        }
    });
}

void frm_dalvo::cmd_Clock_Click()
{
    Run_Handler([this] {
        clock_mode_ = 1;
        if (!Timer1->isActive())
            Timer1->start();
    });
}

void frm_dalvo::cmd_Back_Click()
{
    Run_Handler([this] {
        elapsed_.Reset();
        cmd_Go->setEnabled(true);
        cmd_Go->Set_Picture(Image2->Shown_Picture());
        cmd_Clock->setEnabled(true);
        cmd_Back->setEnabled(false);
        for (CommandButton *button : {cmd_Save, cmd_Open, cmd_Print, cmd_Info, cmd_Exit})
            button->setEnabled(true);
        for (CheckBox *box : {chk_wave1, chk_wave2, chk_wave3, chk_wave4})
            box->setEnabled(true);
        Refresh_All(*this);
    });
}

// Wave selection and component rows.

void frm_dalvo::chk_wave1_Click()
{
    Run_Handler([this] { Refresh_All(*this); });
}

void frm_dalvo::chk_wave2_Click()
{
    Run_Handler([this] { Refresh_All(*this); });
}

void frm_dalvo::chk_wave3_Click()
{
    Run_Handler([this] { Refresh_All(*this); });
}

void frm_dalvo::chk_wave4_Click()
{
    Run_Handler([this] { Refresh_All(*this); });
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

// Ball marking.

void frm_dalvo::Picture1_MouseUp(int, int, float X, float)
{
    Run_Handler([this, X] { Change_Ball_colour(Clicked_Ball(X), 1); });
}

void frm_dalvo::Picture2_MouseUp(int, int, float X, float)
{
    Run_Handler([this, X] { Change_Ball_colour(Clicked_Ball(X), 2); });
}

double frm_dalvo::Clicked_Ball(const float &x) const
{
    // Divided in single precision, as x and W are: a click exactly on k W is ball k.
    const float W = Picture1->ScaleWidth() / 51;
    return std::floor(static_cast<double>(x / W));
}

void frm_dalvo::Change_Ball_colour(double b, int p)
{
    // A release outside the panel names no ball: it is ignored.
    if (!(b > -0.5 && b < Balls - 0.5))
        return;
    const auto ball = static_cast<std::size_t>(std::nearbyint(b));
    const auto toggle = [](Shape *shape, quint32 unmarked) {
        shape->Set_BackColor(shape->BackColor() == unmarked ? Colours::Yellow : unmarked);
    };
    if (p == 1)
        toggle(Shape1[ball], Colours::System + 6);
    else if (p == 2)
        toggle(Shape2[ball], Colours::System + 12);
}

QImage frm_dalvo::Render_Client_Area()
{
    // The window fills its own background when it renders.
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    render(&image);
    return image;
}
