// SPDX-License-Identifier: GPL-3.0-or-later
// The y-t graph seen from the window: its button and key, the strip that grows the window
// downward, the history every tick adds to, the traces of the marked balls and the numbers of
// each wave beside the graph.
#include "controls/colours.h"
#include "controls/handler_guard.h"
#include "core/number_text.h"
#include "core/wave_numbers.h"
#include "main_window/frm_dalvo.h"

#include <algorithm>
#include <cfloat>

using Handler_Guard::Run_Handler;

namespace {

// The numbers beside the graph, in twips inside the strip: a heading row, a row per wave, a row
// per panel's speed.
constexpr double Name_Left = 10560, Name_Width = 1500;
constexpr double Column_Left[] = {12120, 13020, 13980};
constexpr double Column_Width[] = {840, 900, 1140};
constexpr double Heading_Top = 480, Wave_Top = 840, Speed_Top = 2220, Row_Pitch = 300;
constexpr double Row_Height = 240;

Label *Make_Label(QWidget *strip, const QString &name, const QString &caption, double left,
                  double top, double width, Qt::Alignment align, bool bold = false)
{
    auto *label = new Label(name, caption, strip);
    label->setFont(Window_Font(bold));
    label->setAlignment(align | Qt::AlignVCenter);
    label->Set_Geometry(left, top, width, Row_Height);
    return label;
}

QString Indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void Set_If_Changed(Label *label, const QString &caption)
{
    if (label->Caption() != caption)
        label->Set_Caption(caption);
}

// The number a caption starts with, held in the single range: what a caption shows is never an
// error here.
float Reading(const Label *label)
{
    const double value = Simulation::Numeric_Reading(label->Caption());
    return static_cast<float>(std::clamp(value, -double(FLT_MAX), double(FLT_MAX)));
}

} // namespace

void frm_dalvo::Build_Graph()
{
    cmd_Graph = new CommandButton(QStringLiteral("cmd_Graph"), this);
    // In the bottom bar, after the pace box.
    Place(cmd_Graph, 12330, 10395, 495, 495);
    Set_Background(cmd_Graph, Colours::System + 15);
    cmd_Graph->Set_Picture(Load_Picture(QStringLiteral(":/pictures/graph.svg"), QSize(32, 32)));

    pic_Graph = new Graph_Strip(history_, this);
    Place(pic_Graph, 0, Client_Height, Client_Width, Graph_Height);
    pic_Graph->hide();

    const auto right = Qt::AlignRight, left = Qt::AlignLeft;
    for (int c = 0; c < 3; ++c)
        lbl_Numbers_Heading[c] =
            Make_Label(pic_Graph, Indexed("lbl_Numbers_Heading", c), QString(), Column_Left[c],
                       Heading_Top, Column_Width[c], right, true);
    for (int i = 0; i < 4; ++i) {
        const double top = Wave_Top + Row_Pitch * i;
        lbl_Wave_Name[i] = Make_Label(pic_Graph, Indexed("lbl_Wave_Name", i), QString(), Name_Left,
                                      top, Name_Width, left, true);
        Set_Text_Colour(lbl_Wave_Name[i], i % 2 == 0 ? Colours::Red : Colours::Blue);
        const std::array<Array<Label, 4> *, 3> columns = {&lbl_Frequency, &lbl_Period,
                                                          &lbl_Wavelength};
        const char *names[] = {"lbl_Frequency", "lbl_Period", "lbl_Wavelength"};
        for (int c = 0; c < 3; ++c)
            (*columns[c])[i] = Make_Label(pic_Graph, Indexed(names[c], i), QString(),
                                          Column_Left[c], top, Column_Width[c], right);
    }
    for (int p = 0; p < 2; ++p) {
        const double top = Speed_Top + Row_Pitch * p;
        lbl_Speed_Name[p] = Make_Label(pic_Graph, Indexed("lbl_Speed_Name", p), QString(),
                                       Name_Left, top, Column_Left[1] - Name_Left, left, true);
        lbl_Speed[p] = Make_Label(pic_Graph, Indexed("lbl_Speed", p), QString(), Column_Left[1],
                                  top, Column_Width[1], right);
    }
}

// The strip's captions in the interface's language (called by Retranslate_Ui).
void frm_dalvo::Retranslate_Graph()
{
    const QString headings[] = {tr("f (Hz)"), tr("T (s)"),
                                //: The wavelength in ball spacings.
                                tr("λ (σφαιρίδια)")};
    for (std::size_t c = 0; c < 3; ++c)
        lbl_Numbers_Heading[c]->Set_Caption(headings[c]);
    for (int i = 0; i < 4; ++i)
        lbl_Wave_Name[static_cast<std::size_t>(i)]->Set_Caption(
            tr("Μέσο %1, κύμα %2").arg(i / 2 + 1).arg(i % 2 + 1));
    for (int p = 0; p < 2; ++p)
        lbl_Speed_Name[static_cast<std::size_t>(p)]->Set_Caption(
            //: The propagation speed in ball spacings a second.
            tr("Μέσο %1, c (σφαιρίδια/s):").arg(p + 1));
    pic_Graph->update(); // the legend is drawn by the strip itself
}

bool frm_dalvo::Graph_Shown() const
{
    return !pic_Graph->isHidden();
}

// The strip is shown or hidden at any time, also during a run: it changes only what is shown.
void frm_dalvo::cmd_Graph_Click()
{
    Run_Handler([this] {
        const bool show = !Graph_Shown();
        pic_Graph->setVisible(show);
        Set_Client_Size(*this, Client_Width, Client_Height + (show ? Graph_Height : 0));
        if (presenting_)
            Fill_Screen();
        else
            Show_At_Zoom(Zoom_Of(this));
    });
}

void frm_dalvo::Record_Tick(float time, const std::array<bool, 4> &ticked)
{
    using Simulation::Tick_History;
    Tick_History::Rows rows;
    for (int a = 0; a < Balls; ++a) {
        rows[Tick_History::Resultant_Row(1)][a] = tick_.Resultant[a][0];
        rows[Tick_History::Resultant_Row(2)][a] = tick_.Resultant[a][1];
        for (int wave = 0; wave < 4; ++wave)
            rows[Tick_History::Component_Row(wave)][a] =
                tick_.Moved[wave][a] ? tick_.Component[wave][a] : 0.0f;
    }
    history_.Record(time, rows, ticked);
    if (Graph_Shown())
        pic_Graph->update();
}

QList<QPointF> frm_dalvo::Trace(int panel, int ball) const
{
    QList<QPointF> points;
    if (!marks_.contains(std::pair(panel, ball)))
        return points;
    const int row = Simulation::Tick_History::Resultant_Row(panel);
    points.reserve(history_.Size());
    for (int tick = 0; tick < history_.Size(); ++tick)
        points.append(QPointF(history_.Time(tick), history_.Top(tick, row, ball)));
    return points;
}

void frm_dalvo::Show_Set_Up_In_Graph()
{
    const std::array<float, 2> speeds = {Reading(lbl_c1), Reading(lbl_c2)};
    for (int p = 0; p < 2; ++p)
        Set_If_Changed(lbl_Speed[p], Simulation::Number_Text(speeds[p]));
    for (int i = 0; i < 4; ++i) {
        const Simulation::Wave_Numbers numbers =
            Simulation::Wave_Numbers_Of(Reading(lbl_ff[i]), speeds[i / 2]);
        Set_If_Changed(lbl_Frequency[i], numbers.Frequency);
        Set_If_Changed(lbl_Period[i], numbers.Period);
        Set_If_Changed(lbl_Wavelength[i], numbers.Wavelength);
        // The numbers of the waves that are ticked, as the tick tests its boxes.
        const bool ticked = chk_wave(i)->Value() != 0;
        for (Label *label : {lbl_Wave_Name[i], lbl_Frequency[i], lbl_Period[i], lbl_Wavelength[i]})
            label->setVisible(ticked);
    }
    // Panel 1's scale and guide values: panel 2 has the same whenever it is shown.
    Graph::Scale scale;
    scale.Half_Range = -Picture1->ScaleHeight() / 2;
    for (int i = 0; i < 5; ++i)
        scale.Guides[i] = Reading(Label_1y[i]);
    if (end_time_ > 0)
        scale.End_Time = end_time_;
    pic_Graph->Set_Scale(scale);
}
