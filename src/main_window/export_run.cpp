// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/export_run.h"

#include "controls/placement.h"
#include "core/scenario_format.h"
#include "export/frame_writer.h"
#include "main_window/dalvo_module.h"
#include "main_window/frm_dalvo.h"

#include <cmath>
#include <exception>

namespace Exporting {

namespace {

// A step of setting up the copy whose run error is the source's own: the source showed its
// message when it met it, and the copy takes the source's numbers afterwards.
template <class Step> void Quietly(Step &&step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

// cmd_Go's click, without the timer: the export gives the ticks.
void Start_Run(frm_dalvo &copy)
{
    copy.cmd_Go_Click();
    copy.Timer1->stop();
}

std::unique_ptr<Export::Frame_Writer> Writer_For(Format format)
{
    switch (format) {
    case Format::Gif:
        return Export::Gif_Writer();
    case Format::Mp4:
        return Export::Mp4_Writer();
    case Format::Webm:
        return Export::Webm_Writer();
    default:
        return nullptr;
    }
}

} // namespace

int Ticks_To(const frm_dalvo &window, float until)
{
    const qint64 tick = Simulation::Elapsed_Clock::Tick_Hundredths;
    // The tick that takes t past the end time is the run's last.
    const auto last = static_cast<int>(std::lround(window.End_Time() * 100) / tick + 1);
    if (!(until > 0))
        return 0;
    const double ticks = std::floor(static_cast<double>(until) * 100 / tick + 0.01);
    return ticks >= last ? last : static_cast<int>(ticks);
}

std::unique_ptr<frm_dalvo> Copy_Window(const frm_dalvo &source)
{
    auto copy = std::make_unique<frm_dalvo>();
    // The chooser's open flow, step by step, from the source's controls instead of a file.
    const Scenario::Set_Up set_up = Dalvo_module::Current_Set_Up(source);
    Quietly([&] { Dalvo_module::Apply_Set_Up(*copy, set_up); });
    Quietly([&] { Dalvo_module::Init_Sliders(*copy); });
    Quietly([&] { Dalvo_module::Refresh_All(*copy); });
    // The numbers the ticks use, exactly as the source holds them.
    const QString file_name = copy->Module().File_Name;
    copy->Module() = source.Module();
    copy->Module().File_Name = file_name;
    copy->cbo_Pace->setCurrentIndex(source.cbo_Pace->currentIndex());
    for (const auto &[panel, ball] : source.Marked_Balls())
        copy->Change_Ball_colour(ball, panel);
    if (source.Graph_Shown() != copy->Graph_Shown())
        copy->cmd_Graph_Click();
    return copy;
}

std::unique_ptr<frm_dalvo> Run_Copy(const frm_dalvo &source, float until)
{
    std::unique_ptr<frm_dalvo> copy = Copy_Window(source);
    const int ticks = Ticks_To(*copy, until);
    if (ticks == 0)
        return copy;
    Start_Run(*copy);
    for (int i = 0; i < ticks; ++i)
        copy->Timer1_Timer();
    if (copy->cmd_Go->isEnabled())
        copy->cmd_Go_Click();
    return copy;
}

QString Cancelled_Text()
{
    return QStringLiteral("The export was cancelled");
}

QString Write_Animation(const frm_dalvo &source, const QString &path, Format format,
                        const Options &options, const Progress &progress)
{
    try {
        std::unique_ptr<Export::Frame_Writer> writer = Writer_For(format);
        if (!writer)
            return QStringLiteral("Not an animation: %1").arg(path);
        std::unique_ptr<frm_dalvo> copy = Copy_Window(source);
        // The run's frames end at its end time; the tick past it only finishes the run.
        const int last = Ticks_To(*copy, copy->End_Time());
        const int ticks = std::min(Ticks_To(*copy, options.Until.value_or(copy->End_Time())), last);
        const int hold = options.Slow ? Slow_Hold : 1;
        const double zoom = options.Zoom / 100.0;
        // Every frame shows the window running, as the user sees it during a run.
        if (ticks > 0)
            Start_Run(*copy);
        QImage frame = Render_At_Zoom(*copy, zoom);
        if (!writer->Open(path, frame.size(), Frames_Per_Second))
            return writer->Error();
        for (int done = 0;; ++done) {
            if (!writer->Add_Frame(frame, hold))
                return writer->Error();
            if (progress && !progress(done + 1, ticks + 1))
                return Cancelled_Text();
            if (done == ticks)
                break;
            copy->Timer1_Timer();
            frame = Render_At_Zoom(*copy, zoom);
        }
        if (!writer->Finish())
            return writer->Error();
        return {};
    } catch (const std::exception &error) {
        return QStringLiteral("Could not write %1: %2")
            .arg(path, QString::fromLocal8Bit(error.what()));
    }
}

} // namespace Exporting
