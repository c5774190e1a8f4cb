// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the animation is: the maths of one tick, one tick through the window, one painted frame
// (also with the y-t graph), recording a tick for the graph,
// the pace the real 5 ms timer keeps with painting, the time to the first frame, how well the
// real-time pace holds to the wall clock, and the export of the whole run as an animation. All
// with the four waves ticked (two panels), mid-run (t = 10 s, every ball of the six rows moving).
#include "controls/placement.h"
#include "core/vector_state.h"
#include "core/wave_maths.h"
#include "main_window/export_run.h"
#include "main_window/frm_dalvo.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QScreen>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

// From a reset, 250 ticks reach t = 10 s; 250 more reach the end of the run at 20 s, so a
// benchmark that ticks on goes back to 10 s every 250 ticks and never leaves the run's middle.
constexpr int Mid_Run_Ticks = 250;
constexpr int Ticks_Before_End = 250;
// The 5 ms interval asks for 200 ticks a second.
constexpr double Requested_Rate = 200;

double First_Window_Ms = 0;

void Tick_All_Waves(frm_dalvo &form)
{
    for (int wave = 0; wave < 4; ++wave)
        form.chk_wave(wave)->Set_Value(1);
}

// Back to t = 0, then on to t = 10 s.
void Go_Mid_Run(frm_dalvo &form)
{
    form.cmd_Back_Click();
    for (int i = 0; i < Mid_Run_Ticks; ++i)
        form.Timer1_Timer();
}

std::unique_ptr<frm_dalvo> Mid_Run_Window()
{
    auto form = std::make_unique<frm_dalvo>();
    Tick_All_Waves(*form);
    Go_Mid_Run(*form);
    return form;
}

// The wave set the window opens with.
std::array<Simulation::Wave, Simulation::Wave_Count> Opening_Waves()
{
    frm_dalvo form;
    const Dalvo_module::Module_State &m = form.Module();
    std::array<Simulation::Wave, Simulation::Wave_Count> waves;
    for (std::size_t i = 0; i < waves.size(); ++i)
        waves[i] = {m.Frequency[i], m.Wavelength[i], m.Amplitude[i]};
    return waves;
}

constexpr std::array<bool, Simulation::Wave_Count> All_Ticked = {true, true, true, true};

// The times of the ticks from 10 s to the end of the run, as the window's clock gives them.
std::array<float, Ticks_Before_End> Mid_Run_Times()
{
    Simulation::Elapsed_Clock clock;
    for (int i = 0; i < Mid_Run_Ticks; ++i)
        clock.Advance();
    std::array<float, Ticks_Before_End> times{};
    for (float &t : times) {
        t = clock.Seconds();
        clock.Advance();
    }
    return times;
}

int Hundredths(const frm_dalvo &form)
{
    return static_cast<int>(std::lround(static_cast<double>(form.Elapsed_Time()) * 100));
}

double Peak_Rss_Mb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double Process_Cpu_Seconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Lets the event loop run (timers, repaints) for a while.
void Run_Events_For(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Calls back on every event of one type (a paint, a timer's tick) of the objects it watches,
// before they handle it.
class Event_Watch : public QObject
{
public:
    Event_Watch(QEvent::Type type, std::function<void(QObject *)> on_event)
        : type_(type), on_event_(std::move(on_event))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == type_)
            on_event_(watched);
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void(QObject *)> on_event_;
};

// From constructing the window to its first painted frame. A frame is painted in one go, the
// window first and then its children, so the loop ends once the event that painted the window
// has been handled in full. Returns seconds, or -1 when no frame came within ten seconds.
double Time_To_First_Frame()
{
    QEventLoop loop;
    bool window_painted = false;
    bool panel_painted = false;
    QElapsedTimer clock;
    clock.start();
    auto form = std::make_unique<frm_dalvo>();
    Event_Watch watch(QEvent::Paint, [&](QObject *watched) {
        if (watched == form.get()) {
            window_painted = true;
            loop.quit();
        } else {
            panel_painted = true;
        }
    });
    form->installEventFilter(&watch);
    form->Picture1->installEventFilter(&watch);
    form->show();
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    if (!window_painted)
        loop.exec();
    const qint64 elapsed = clock.nsecsElapsed();
    form.reset();
    return window_painted && panel_painted ? static_cast<double>(elapsed) / 1e9 : -1;
}

// 1. The pure maths of one tick for the 306 balls.
void tick_maths(benchmark::State &state)
{
    const auto waves = Opening_Waves();
    const auto times = Mid_Run_Times();
    Simulation::Tick_Positions out{};
    std::size_t k = 0;
    for (auto _ : state) {
        Simulation::Compute_Tick(waves, All_Ticked, times[k], out);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
        k = (k + 1) % times.size();
    }
    Simulation::Compute_Tick(waves, All_Ticked, times[0], out);
    int sines = 0;
    for (const auto &row : out.Moved)
        sines += static_cast<int>(std::count(row.begin(), row.end(), true));
    state.counters["sines"] = sines;
}

// 2. One tick through the real window: maths, the Top of every ball, the time caption. The
// window is never shown, so nothing is painted.
void tick_window(benchmark::State &state)
{
    const auto form = Mid_Run_Window();
    int left = Ticks_Before_End;
    for (auto _ : state) {
        if (left == 0) {
            state.PauseTiming();
            Go_Mid_Run(*form);
            left = Ticks_Before_End;
            state.ResumeTiming();
        }
        form->Timer1_Timer();
        --left;
    }
}

// 3. The whole window (both panels with their balls, lines and labels) into an image, at the
// zoom in percent the argument gives (at 200 %, four times the pixels).
void paint_frame(benchmark::State &state)
{
    const auto form = Mid_Run_Window();
    form->Set_Zoom(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QImage image = form->Render_Client_Area();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(form->width()) + "x" + std::to_string(form->height()));
}

// 3b. The same window with the y-t graph shown, four marked balls and their traces. From t = 10 s
// each frame follows one tick, so the strip draws what that tick added over the traces kept from
// before, as during a run; at 20 s it starts again from 10 s (untimed, as is that tick).
void paint_frame_graph(benchmark::State &state)
{
    const auto form = Mid_Run_Window();
    for (const auto &[ball, panel] : {std::pair(20, 1), {25, 1}, {10, 2}, {40, 2}})
        form->Change_Ball_colour(ball, panel);
    form->cmd_Graph_Click();
    form->Set_Zoom(static_cast<int>(state.range(0)));
    int left = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (left == 0) {
            Go_Mid_Run(*form);
            QImage whole = form->Render_Client_Area(); // the traces of the first 10 s drawn
            benchmark::DoNotOptimize(whole.constBits());
            left = Ticks_Before_End;
        }
        form->Timer1_Timer();
        --left;
        state.ResumeTiming();
        QImage image = form->Render_Client_Area();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(form->width()) + "x" + std::to_string(form->height()));
}

// 3c. The history's part of a tick: the 306 balls' places recorded for the graph.
void tick_record(benchmark::State &state)
{
    Simulation::Tick_History history;
    Simulation::Tick_History::Rows rows{};
    int left = 0;
    for (auto _ : state) {
        if (left == 0) {
            state.PauseTiming();
            history.Clear();
            left = 525;
            state.ResumeTiming();
        }
        rows[0][0] = static_cast<float>(left);
        history.Record(0.04f * static_cast<float>(left), rows, All_Ticked);
        benchmark::DoNotOptimize(history);
        --left;
    }
}

// 4. The floor: as many double sines and single stores as the tick, and nothing else. The
// angles are the ones the tick takes, advancing by one tick's step from 10 s on.
void floor_sines(benchmark::State &state)
{
    const auto waves = Opening_Waves();
    struct Term
    {
        int wave, ball;
        double angle, step;
        double amplitude;
    };
    std::vector<Term> terms;
    for (int a = 0; a < Simulation::Ball_Count; ++a)
        for (int wave = 0; wave < Simulation::Wave_Count; ++wave) {
            const Simulation::Wave &w = waves[static_cast<std::size_t>(wave)];
            const int position = wave % 2 == 0 ? a : Simulation::Ball_Count - 1 - a;
            const double angle = Simulation::Phase_Angle(w, 10.0f, static_cast<float>(position));
            if (angle != 0)
                terms.push_back({wave, a, angle, 2 * Simulation::Pi * w.Frequency * 0.04,
                                 static_cast<double>(w.Amplitude)});
        }
    Simulation::Tick_Positions out{};
    int k = 0;
    // In the clean vector state the tick starts from, which Qt's start-up code does not leave.
    Simulation::Clear_Vector_Upper_State();
    for (auto _ : state) {
        std::array<std::array<double, Simulation::Wave_Count>, Simulation::Ball_Count> product{};
        for (const Term &term : terms) {
            const double p = term.amplitude * std::sin(term.angle + k * term.step);
            product[term.ball][term.wave] = p;
            out.Component[term.wave][term.ball] = static_cast<float>(p);
        }
        for (int a = 0; a < Simulation::Ball_Count; ++a) {
            out.Resultant[a][0] = static_cast<float>(product[a][1] + product[a][0]);
            out.Resultant[a][1] = static_cast<float>(product[a][3] + product[a][2]);
        }
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
        k = (k + 1) % Ticks_Before_End;
    }
    state.counters["sines"] = static_cast<double>(terms.size());
}

// Counts the ticks that came later than one period after they were due. Tick k is due one period
// after tick k - 1 was; a late tick starts the schedule afresh from its own time, as the timer and
// the pace's schedule do, so one hold-up counts once.
class Late_Ticks
{
public:
    explicit Late_Ticks(qint64 period_ns) : period_ns_(period_ns) {}
    void Start(qint64 now_ns)
    {
        due_ns_ = now_ns + period_ns_;
        late_ = 0;
    }
    void Tick(qint64 now_ns)
    {
        if (now_ns > due_ns_ + period_ns_) {
            ++late_;
            due_ns_ = now_ns;
        }
        due_ns_ += period_ns_;
    }
    int Late() const { return late_; }

private:
    qint64 period_ns_;
    qint64 due_ns_ = 0;
    int late_ = 0;
};

constexpr qint64 Fastest_Period_Ns = 5'000'000;

// 5. The real timer with real painting on the offscreen platform, at a zoom (percent, the
// argument): three one-second runs from t = 10 s (a run that went on would end at 20 s, after 250
// ticks). Counts the ticks the timer delivers, the frames panel 1 paints and the process's CPU
// time; a tick is painted or coalesced when a later frame shows it, and late when it came more
// than one period after it was due. After each run the last tick must be on the panel.
void sustained_rate(benchmark::State &state)
{
    constexpr int Runs = 3;
    constexpr int Run_Ms = 1000;
    auto form = std::make_unique<frm_dalvo>();
    Tick_All_Waves(*form);
    form->Set_Zoom(static_cast<int>(state.range(0)));
    form->show();
    int ticks = 0, frames = 0, ticks_since_frame = 0, most_per_frame = 0;
    // A tick's own time, from the timer's event to the end of its handlers (the window's
    // Time_Loop first, this counter last).
    QElapsedTimer tick_clock, run_clock;
    qint64 tick_nanoseconds = 0;
    Late_Ticks late(Fastest_Period_Ns);
    Event_Watch tick_watch(QEvent::Timer, [&](QObject *) { tick_clock.start(); });
    form->Timer1->installEventFilter(&tick_watch);
    QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] {
        tick_nanoseconds += tick_clock.nsecsElapsed();
        late.Tick(run_clock.nsecsElapsed());
        ++ticks;
        ++ticks_since_frame;
    });
    Event_Watch paint_watch(QEvent::Paint, [&](QObject *) {
        ++frames;
        most_per_frame = std::max(most_per_frame, ticks_since_frame);
        ticks_since_frame = 0;
    });
    form->Picture1->installEventFilter(&paint_watch);

    double seconds = 0, cpu_seconds = 0;
    int all_ticks = 0, all_frames = 0, all_late = 0, unpainted = 0;
    for (auto _ : state) {
        for (int run = 0; run < Runs; ++run) {
            Go_Mid_Run(*form);
            Run_Events_For(50);
            ticks = frames = ticks_since_frame = 0;
            const double cpu_start = Process_Cpu_Seconds();
            run_clock.start();
            late.Start(0);
            form->cmd_Go_Click();
            Run_Events_For(Run_Ms);
            form->cmd_Go_Click();
            seconds += static_cast<double>(run_clock.nsecsElapsed()) / 1e9;
            cpu_seconds += Process_Cpu_Seconds() - cpu_start;
            const int run_ticks = ticks, run_frames = frames;
            Run_Events_For(50);
            unpainted += ticks_since_frame;
            all_ticks += run_ticks;
            all_frames += run_frames;
            all_late += late.Late();
        }
    }
    const double rate = all_ticks / seconds;
    const QScreen *screen = form->screen();
    state.counters["ticks_per_s"] = rate;
    state.counters["frames_per_s"] = all_frames / seconds;
    state.counters["refresh_Hz"] = screen ? screen->refreshRate() : 0;
    state.counters["ratio_to_200"] = rate / Requested_Rate;
    state.counters["most_ticks_per_frame"] = most_per_frame;
    state.counters["ticks_late"] = all_late;
    state.counters["ticks_unpainted"] = unpainted;
    state.counters["tick_us"] = static_cast<double>(tick_nanoseconds) / 1e3 / all_ticks;
    state.counters["cpu_load"] = cpu_seconds / seconds;
    state.counters["peak_rss_MB"] = Peak_Rss_Mb();
    state.SetLabel(std::to_string(form->width()) + "x" + std::to_string(form->height()));
}

// 6. From constructing the window to its first painted frame, with the application's fonts,
// styles and pictures already loaded; the first window of the process is the counter.
void startup(benchmark::State &state)
{
    for (auto _ : state) {
        const double seconds = Time_To_First_Frame();
        if (seconds < 0) {
            state.SkipWithError("the window painted no frame");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["first_window_ms"] = First_Window_Ms;
}

// 7. The real-time pace with the real timer and real painting: a 5 s run from t = 0 (it would end
// at 20 s). Simulated seconds per second of the wall clock, taken at the last tick, and the ticks
// that came later than one period (40 ms) after they were due.
void pace_real_time(benchmark::State &state)
{
    constexpr int Run_Ms = 5000;
    auto form = std::make_unique<frm_dalvo>();
    Tick_All_Waves(*form);
    form->cbo_Pace->setCurrentIndex(1);
    form->show();
    QElapsedTimer clock;
    int ticks = 0;
    double last_tick_seconds = 0;
    Late_Ticks late(static_cast<qint64>(form->Timer1->interval()) * 1'000'000);
    QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] {
        ++ticks;
        late.Tick(clock.nsecsElapsed());
        last_tick_seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    });
    double rate = 0;
    for (auto _ : state) {
        form->cmd_Back_Click();
        Run_Events_For(50);
        ticks = 0;
        clock.start();
        late.Start(0);
        form->cmd_Go_Click();
        Run_Events_For(Run_Ms);
        form->cmd_Go_Click();
        const int hundredths = Hundredths(*form);
        rate = hundredths / 100.0 / last_tick_seconds;
    }
    state.counters["sim_s_per_wall_s"] = rate;
    state.counters["ticks_late"] = late.Late();
    state.counters["ticks"] = ticks;
}

// 8. The export of the whole run (t = 0 to 20 s, 501 frames) at 100 %, of the start-up set-up and
// with the four waves ticked: the seconds it takes, the processor's seconds (the machine may be
// shared), and the file's size.
void export_run(benchmark::State &state)
{
    static const char *const names[] = {"mp4", "gif", "webm"};
    const char *name = names[state.range(0)];
    const QString path =
        QDir(QDir::tempPath()).filePath(QStringLiteral("dalvo_bench.") + QLatin1String(name));
    auto form = std::make_unique<frm_dalvo>();
    if (state.range(1))
        Tick_All_Waves(*form);
    double cpu_seconds = 0;
    for (auto _ : state) {
        const double cpu_start = Process_Cpu_Seconds();
        const QString error = Exporting::Export_To_File(*form, path, Exporting::Options{});
        cpu_seconds += Process_Cpu_Seconds() - cpu_start;
        if (!error.isEmpty()) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
    }
    state.counters["cpu_s"] = cpu_seconds / static_cast<double>(state.iterations());
    state.counters["file_MB"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
    state.SetLabel(std::string(name) + (state.range(1) ? ", four waves" : ", start-up set-up"));
    QFile::remove(path);
}

// 9. One frame of an export: the copy drawn at 100 % after a tick.
void export_frame(benchmark::State &state)
{
    auto form = std::make_unique<frm_dalvo>();
    Tick_All_Waves(*form);
    const std::unique_ptr<frm_dalvo> copy = Exporting::Run_Copy(*form, 10);
    for (auto _ : state) {
        copy->Time_Loop();
        benchmark::DoNotOptimize(Render_At_Zoom(*copy, 1.0));
        if (copy->Elapsed_Time() > 19)
            Go_Mid_Run(*copy);
    }
}

BENCHMARK(tick_maths)->Unit(benchmark::kMicrosecond);
BENCHMARK(tick_window)->Unit(benchmark::kMicrosecond);
BENCHMARK(paint_frame)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(paint_frame_graph)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(tick_record)->Unit(benchmark::kMicrosecond);
BENCHMARK(floor_sines)->Unit(benchmark::kMicrosecond);
BENCHMARK(sustained_rate)
    ->Arg(100)
    ->Arg(300)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(startup)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(pace_real_time)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(export_run)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(export_frame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Headless, unless a platform is named (QT_QPA_PLATFORM=xcb to measure on an X server).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The very first window pays for loading fonts, style and pictures, as a starting program does.
    First_Window_Ms = Time_To_First_Frame() * 1000;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
