// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/controls.h"
#include "controls/picture_box.h"
#include "controls/printing.h"
#include "core/pace.h"
#include "core/run_state.h"
#include "core/tick_history.h"
#include "core/wave_maths.h"
#include "file_chooser/frm_dalvo_files.h"
#include "main_window/dalvo_module.h"
#include "main_window/graph_strip.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <array>

// The main window: two panels of ball rows, the wave attribute frames, the speed scroll bars, the
// run buttons and the file, print, about and exit buttons. Controls keep their names; control
// arrays are indexed as in the window's tables. docs/DESIGN.md explains the names.
class frm_dalvo : public QWidget, public Chooser_Owner
{
    Q_OBJECT
    Q_PROPERTY(float Clock_Mode READ Clock_Mode)
    Q_PROPERTY(float End_Time READ End_Time)
    Q_PROPERTY(float Elapsed_Time READ Elapsed_Time)
    Q_PROPERTY(int Zoom READ Zoom WRITE Set_Zoom)

public:
    static constexpr int Balls = Simulation::Ball_Count;
    // The client area as laid out, and the graph strip that grows it downward while shown.
    static constexpr double Client_Width = 15240, Client_Height = 11040, Graph_Height = 3600;
    template <class T, std::size_t N> using Array = std::array<T *, N>;

    explicit frm_dalvo(QWidget *parent = nullptr);
    ~frm_dalvo() override;

    float Clock_Mode() const { return clock_mode_; }
    float End_Time() const { return end_time_; }
    float Elapsed_Time() const { return elapsed_.Seconds(); }

    Dalvo_module::Module_State &Module() { return module_; }
    const Dalvo_module::Module_State &Module() const { return module_; }

    // The window's own procedures (run_control.cpp, marking.cpp).
    void Time_Loop();
    double Clicked_Ball(const float &x) const;
    void Change_Ball_colour(double b, int p);
    // What the window shows of the run's state: the columns the run-state table goes by
    // (run_control.cpp).
    Simulation::Run_Observation Run_Observed() const;

    // Opens a scenario file as if the user had picked it in the chooser and confirmed, with the
    // chooser's messages, and the caption naming the file (the command line, the file manager;
    // scenario_file.cpp). The process's current folder becomes the file's, as with the chooser.
    void Open_File(const QString &path);
    // The y-t graph (graph.cpp). Every tick since t = 0 as the balls took it; the marked balls
    // (panel 1 or 2, ball 0..50) in the order they were marked; and the points of a marked ball's
    // resultant trace, one per tick: (the time the tick placed the balls for, the ball's Top
    // after it). An unmarked ball has no trace.
    const Simulation::Tick_History &History() const { return history_; }
    QList<std::pair<int, int>> Marked_Balls() const { return marks_; }
    Q_INVOKABLE QList<QPointF> Trace(int panel, int ball) const;
    bool Graph_Shown() const;

    // Renders the client area as shown into an image (screenshots).
    QImage Render_Client_Area();

    // The view's zoom in percent (zoom.cpp). It changes what the window shows and nothing it
    // holds: twips, panel units, items, files and prints are the same at any zoom.
    static constexpr int Min_Zoom = 50, Max_Zoom = 300, Zoom_Step = 25;
    int Zoom() const;
    // Clamped to Min_Zoom..Max_Zoom; leaves presentation mode first.
    void Set_Zoom(int percent);
    // Presentation mode: the window fills its screen at the largest zoom at which all of it fits,
    // centred; leaving it restores the zoom and the place the window had.
    bool Presenting() const { return presenting_; }
    void Set_Presenting(bool on);
    // Prints go to the factory's printer instead of the default printer (tests print into PDF
    // files this way); an empty factory restores the default printer (commands.cpp).
    void Set_Printer_Factory(Printing::Printer_Factory factory);
    std::unique_ptr<QPrinter> Printer() const;
    // Export file names come from the asker (given the name offered and the filter) instead of
    // the file dialog (tests); an empty asker restores the dialog (export_dialog.cpp).
    using Export_File_Asker = std::function<QString(const QString &offered, const QString &filter)>;
    void Set_Export_File_Asker(Export_File_Asker asker);

    // Controls on the window itself.
    CommandButton *cmd_Open, *cmd_Save, *cmd_Print, *cmd_Info, *cmd_Exit, *cmd_Export;
    CommandButton *cmd_Back, *cmd_Go, *cmd_Clock;
    // The other language's code ("EN" while the interface is Greek); with more languages shipped
    // it opens a list of them.
    QPushButton *cmd_Language;
    Array<Label, 2> Label1, Label2;
    Label *lbl_c1, *lbl_c2, *Label5, *lbl_time, *Label7, *Label3, *Label4;
    ScrollBar *hsc_c1, *hsc_c2;
    Array<Image, 4> img_hand;
    Image *Image1, *Image2;
    CheckBox *chk_wave1, *chk_wave2, *chk_wave3, *chk_wave4;
    Array<CheckBox, 4> chk_balls;
    PictureBox *Picture1, *Picture2;
    Array<Label, 6> Label_1x, Label_2x;
    Array<Label, 5> Label_1y, Label_2y;
    QTimer *Timer1;
    // The pace of the animation (index 0, the timer's own 5 ms, at every start) and its label.
    Label *lbl_Pace;
    QComboBox *cbo_Pace;
    // The y-t graph: its button in the bottom bar, the strip under the panels, and in the strip
    // the numbers of each wave (row i: wave i) and the speed of each panel.
    CommandButton *cmd_Graph;
    Graph_Strip *pic_Graph;
    Array<Label, 3> lbl_Numbers_Heading;
    Array<Label, 4> lbl_Wave_Name, lbl_Frequency, lbl_Period, lbl_Wavelength;
    Array<Label, 2> lbl_Speed_Name, lbl_Speed;

    // The wave attribute frames and their nine controls, one of each per wave.
    Array<Frame, 4> frm_WaveAttr;
    Array<Label, 4> lbl_syxnot, lbl_f, lbl_ff, lbl_Hz, lbl_Platos, lbl_A, lbl_AA;
    Array<ScrollBar, 4> hsc_f, hsc_A;

    // The ball rows and lines of the panels.
    Array<Shape, Balls> Shape1, Shape11, Shape12, Shape2, Shape21, Shape22;
    Array<Line, 5> Line1, Line2;
    Array<Line, 6> Line1x, Line2x;

    // The wave check box of wave i (chk_wave1 for wave 0, ...).
    CheckBox *chk_wave(int wave) const;
    // The ten attribute controls of wave i: its frame and the frame's nine controls, always
    // handled in this order.
    std::array<QWidget *, 10> Wave_Attr(int wave) const;

public slots:
    // frm_dalvo.cpp
    void Form_Load();
    // run_control.cpp
    void Timer1_Timer();
    void cmd_Go_Click();
    void cmd_Clock_Click();
    void cmd_Back_Click();
    void cbo_Pace_Click();
    // parameters.cpp
    void hsc_A_Change(int Index);
    void hsc_f_Change(int Index);
    void hsc_c1_Change();
    void hsc_c2_Change();
    // layout.cpp
    void chk_wave1_Click();
    void chk_wave2_Click();
    void chk_wave3_Click();
    void chk_wave4_Click();
    void chk_balls_Click(int Index);
    // marking.cpp
    void Picture1_MouseUp(int Button, int Shift, float X, float Y);
    void Picture2_MouseUp(int Button, int Shift, float X, float Y);
    // scenario_file.cpp
    void cmd_Open_Click();
    void cmd_Save_Click();
    // commands.cpp
    void cmd_Print_Click();
    void cmd_Info_Click();
    void cmd_Exit_Click();
    // export_dialog.cpp
    void cmd_Export_Click();
    // graph.cpp
    void cmd_Graph_Click();
    // language.cpp
    void cmd_Language_Click();

public:
    // The graph's numbers, the waves they are shown for and its scale follow the captions, the
    // wave boxes and the panels' scale: called wherever those change (graph.cpp).
    void Show_Set_Up_In_Graph();

    // The file chooser's side of the open and save flows (scenario_file.cpp).
    QWidget &Owner_Window() override { return *this; }
    QString &File_Name() override { return module_.File_Name; }
    double Zoom_Factor() const override { return Zoom_Of(this); }

protected:
    // A LanguageChange gives every text afresh (language.cpp).
    void changeEvent(QEvent *event) override;

private:
    // The steps of those flows, which the chooser runs through Chooser_Owner: the one place that
    // forwards to the Dalvo_module procedures of the same names, which all other code calls.
    void Load_File(const frm_Dalvo_Files &files) override;
    void Init_Sliders() override;
    void Refresh_All() override;
    void Save_File(const frm_Dalvo_Files &files) override;

    void Build_Controls(); // frm_dalvo_inventory.cpp
    void Build_Graph();    // graph.cpp
    void Retranslate_Graph();
    // Records the tick just computed into the history (graph.cpp).
    void Record_Tick(float time, const std::array<bool, 4> &ticked);
    void Connect_Handlers();
    void Connect_Keys(); // the F5, F6 and F7 keys (run_control.cpp)
    // Every text the window shows, in the interface's language, at construction and at each
    // change of language; it sets texts only, so nothing moves and the run goes on (language.cpp).
    void Retranslate_Ui();
    void Name_Controls(); // tooltips and accessible names (classroom.cpp)
    // Starts Timer1 on the schedule of the chosen pace.
    void Start_Timer1();
    // cmd_Go's tooltip and accessible name say what its next click does.
    void Update_Go_Tip();
    // zoom.cpp
    void Add_Zoom_Keys();
    void Show_At_Zoom(double zoom);
    void Step_Zoom(int steps);
    // Presentation mode's layout: the client area as large as the screen holds, centred.
    void Fill_Screen();

    Dalvo_module::Module_State module_;
    float clock_mode_ = 0;
    float end_time_ = 0;
    Simulation::Elapsed_Clock elapsed_;
    Simulation::Tick_Positions tick_{};
    Simulation::Pace_Schedule pace_;
    QElapsedTimer wall_clock_;
    Printing::Printer_Factory printer_factory_;
    Export_File_Asker export_file_asker_;
    bool presenting_ = false;
    double zoom_before_presenting_ = 1;
    QPoint place_before_presenting_;
    QShortcut *leave_presentation_ = nullptr;
    Simulation::Tick_History history_;
    QList<std::pair<int, int>> marks_;
    // The title a window without a file has, in the language it was given in.
    QString new_file_title_;
};
