// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls as laid out at design time: geometry in twips, relative to the
// control's container. Their texts come from Retranslate_Ui (language.cpp).
#include "controls/colours.h"
#include "main_window/frm_dalvo.h"

namespace {

QString Indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

struct Rect
{
    double left, top, width, height;
};

Label *Make_Label(QWidget *parent, const QString &name, const QString &caption, Rect r,
                  Qt::Alignment align = Qt::AlignLeft, bool bold = false, quint32 colour = 0)
{
    auto *label = new Label(name, caption, parent);
    label->setFont(Window_Font(bold));
    label->setAlignment(align | Qt::AlignTop);
    if (colour)
        Set_Text_Colour(label, colour);
    label->Set_Geometry(r.left, r.top, r.width, r.height);
    return label;
}

CheckBox *Make_Check_Box(QWidget *parent, const QString &name, const QString &caption, Rect r,
                         int value, quint32 colour)
{
    auto *box = new CheckBox(name, caption, parent);
    box->setFont(Window_Font(false));
    box->setCheckState(value ? Qt::Checked : Qt::Unchecked);
    Set_Text_Colour(box, colour);
    // The box is painted on the window's face, over a frame's edge.
    box->setAutoFillBackground(true);
    Place(box, r.left, r.top, r.width, r.height);
    return box;
}

ScrollBar *Make_Scroll_Bar(QWidget *parent, const QString &name, Rect r, int min, int max,
                           int value)
{
    auto *bar = new ScrollBar(name, min, max, value, parent);
    Place(bar, r.left, r.top, r.width, r.height);
    return bar;
}

CommandButton *Make_Button(QWidget *parent, const char *name, double left, double top,
                           Picture picture)
{
    auto *button = new CommandButton(QLatin1String(name), parent);
    Place(button, left, top, 495, 495);
    Set_Background(button, Colours::System + 0);
    button->Set_Picture(std::move(picture));
    return button;
}

// The nine controls of a wave attribute frame, with the frame-by-frame deviations.
struct Wave_Attr_Layout
{
    Rect syxnot{135, 405, 975, 255};
    Rect f{180, 720, 255, 255};
    Rect ff{450, 720, 375, 255};
    Rect hz{855, 720, 255, 210};
    Rect hsc_f{135, 1035, 1005, 195};
    Rect platos{165, 1575, 870, 285};
    Rect a{225, 1905, 300, 195};
    Rect aa{630, 1905, 330, 195};
    Rect hsc_a{135, 2250, 1005, 195};
};

Wave_Attr_Layout Layout_Of_Frame(int i)
{
    Wave_Attr_Layout layout;
    if (i == 1) {
        layout.syxnot.left = 90;
        layout.syxnot.top = 360;
        layout.ff.width = 420;
        layout.aa.width = 285;
    } else if (i == 3) {
        layout.ff.left = 495;
    }
    return layout;
}

} // namespace

void frm_dalvo::Build_Controls()
{
    setObjectName(QStringLiteral("frm_dalvo"));
    Set_Client_Size(*this, Client_Width, Client_Height);
    setFont(Window_Font(false));
    setPalette(Classic_Palette());
    setAutoFillBackground(true);

    const QSize bitmap(24, 23), icon(32, 32);
    const auto right = Qt::AlignRight, centre = Qt::AlignHCenter;
    const quint32 window_frame = Colours::System + 6, background = Colours::System + 1,
                  caption = Colours::System + 2, highlight = Colours::System + 13;

    // The window's labels come first: the panels and check boxes made later lie above them.
    Label1[0] = Make_Label(this, Indexed("Label1", 0), {}, {5850, 270, 2355, 240}, right);
    Label2[0] = Make_Label(this, Indexed("Label2", 0), {}, {8235, 270, 420, 240}, right, true);
    lbl_c1 = Make_Label(this, QStringLiteral("lbl_c1"), QStringLiteral("10"), {8730, 270, 375, 240},
                        Qt::AlignLeft, true, window_frame);
    Label5 =
        Make_Label(this, QStringLiteral("Label5"), {}, {12195, 450, 285, 240}, Qt::AlignLeft, true);
    lbl_time = Make_Label(this, QStringLiteral("lbl_time"), QStringLiteral("0.0"),
                          {12465, 450, 555, 240}, right, true);
    Label7 =
        Make_Label(this, QStringLiteral("Label7"), {}, {13050, 450, 375, 240}, Qt::AlignLeft, true);
    Label1[1] = Make_Label(this, Indexed("Label1", 1), {}, {5895, 5325, 2355, 240}, right);
    Label2[1] = Make_Label(this, Indexed("Label2", 1), {}, {8280, 5325, 420, 240}, right, true);
    lbl_c2 = Make_Label(this, QStringLiteral("lbl_c2"), QStringLiteral("10"),
                        {8775, 5325, 330, 240}, Qt::AlignLeft, true, window_frame);
    Label3 = Make_Label(this, QStringLiteral("Label3"), {}, {45, 10800, 1815, 240});
    Label4 = Make_Label(this, QStringLiteral("Label4"), QStringLiteral("Dalvo 1.0"),
                        {13950, 10823, 1320, 195}, right);

    static constexpr double Label_1x_Left[] = {3015, 4635, 6300, 7965, 9765, 11970};
    static constexpr double Label_2x_Left[] = {2970, 4545, 6300, 8010, 9810, 11925};
    static constexpr double Label_1y_Top[] = {4500, 1260, 2160, 2970, 3690};
    static constexpr double Label_2y_Top[] = {6255, 7155, 7965, 8685, 9315};
    for (int i = 0; i < 6; ++i) {
        const QString text = QString::number(10 * i);
        Label_1x[i] = Make_Label(this, Indexed("Label_1x", i), text,
                                 {Label_1x_Left[i], 4995, 285, 240}, centre);
        Label_2x[i] = Make_Label(this, Indexed("Label_2x", i), text,
                                 {Label_2x_Left[i], 10035, 285, 240}, centre);
    }
    for (int i = 0; i < 5; ++i) {
        Label_1y[i] = Make_Label(this, Indexed("Label_1y", i), QStringLiteral("-20"),
                                 {1485, Label_1y_Top[i], 240, 195}, right);
        Label_2y[i] = Make_Label(this, Indexed("Label_2y", i), QStringLiteral("20"),
                                 {1485, Label_2y_Top[i], 240, 195}, right);
    }

    // Pictures: the buttons' own, and the two picture stores of cmd_Go.
    cmd_Open = Make_Button(this, "cmd_Open", 180, 225, Load_Picture(":/pictures/open.svg", bitmap));
    cmd_Save = Make_Button(this, "cmd_Save", 810, 225, Load_Picture(":/pictures/save.svg", bitmap));
    cmd_Print =
        Make_Button(this, "cmd_Print", 1440, 225, Load_Picture(":/pictures/print.svg", bitmap));
    cmd_Info = Make_Button(this, "cmd_Info", 2070, 225, Load_Picture(":/pictures/info.svg", icon));
    Set_Background(cmd_Info, Colours::System + 15);
    cmd_Exit = Make_Button(this, "cmd_Exit", 2700, 225, nullptr);
    cmd_Exit->setFont(Window_Font(true));
    cmd_Export =
        Make_Button(this, "cmd_Export", 3330, 225, Load_Picture(":/pictures/export.svg", bitmap));
    cmd_Back =
        Make_Button(this, "cmd_Back", 6750, 10395, Load_Picture(":/pictures/back.svg", icon));
    cmd_Go = Make_Button(this, "cmd_Go", 7470, 10395, Load_Picture(":/pictures/start.svg", icon));
    cmd_Clock =
        Make_Button(this, "cmd_Clock", 8190, 10395, Load_Picture(":/pictures/clock.svg", icon));
    for (auto *button : {cmd_Info, cmd_Back, cmd_Go, cmd_Clock})
        Set_Background(button, Colours::System + 15);
    Image2 = new Image(QStringLiteral("Image2"), Load_Picture(":/pictures/start.svg", icon), this);
    Place(Image2, 1035, 10170, 480, 480);
    Image2->hide();
    Image1 = new Image(QStringLiteral("Image1"), Load_Picture(":/pictures/stop.svg", icon), this);
    Place(Image1, 1575, 10170, 480, 480);
    Image1->hide();

    hsc_c1 = Make_Scroll_Bar(this, QStringLiteral("hsc_c1"), {7200, 540, 1005, 195}, 1, 20, 10);
    hsc_c2 = Make_Scroll_Bar(this, QStringLiteral("hsc_c2"), {7155, 5580, 1005, 195}, 1, 20, 10);

    static constexpr Rect Hand[] = {{495, 1170, 510, 375},
                                    {14085, 1170, 510, 375},
                                    {495, 6165, 510, 375},
                                    {14085, 6165, 510, 375}};
    const Picture hand_right = Load_Picture(":/pictures/hand_right.svg", QSize(34, 25));
    const Picture hand_left = Load_Picture(":/pictures/hand_left.svg", QSize(34, 25));
    for (int i = 0; i < 4; ++i) {
        img_hand[i] = new Image(Indexed("img_hand", i), i % 2 == 0 ? hand_right : hand_left, this);
        Place(img_hand[i], Hand[i].left, Hand[i].top, Hand[i].width, Hand[i].height);
    }

    // The wave attribute frames, each with its nine controls.
    static constexpr Rect Frame_Rect[] = {{143, 1620, 1260, 2715},
                                          {13770, 1620, 1260, 2715},
                                          {180, 6660, 1260, 2715},
                                          {13770, 6615, 1260, 2715}};
    static constexpr quint32 Frame_Colour[] = {Colours::System + 1, Colours::System + 2,
                                               Colours::System + 1, Colours::System + 1};
    for (int i = 0; i < 4; ++i) {
        Frame *frame = frm_WaveAttr[i] = new Frame(Indexed("frm_WaveAttr", i), this);
        Place(frame, Frame_Rect[i].left, Frame_Rect[i].top, Frame_Rect[i].width,
              Frame_Rect[i].height);
        Set_Text_Colour(frame, Frame_Colour[i]);
        const Wave_Attr_Layout l = Layout_Of_Frame(i);
        const quint32 value_colour = i % 2 == 0 ? background : highlight;
        lbl_syxnot[i] = Make_Label(frame, Indexed("lbl_syxnot", i), {}, l.syxnot, right);
        lbl_f[i] = Make_Label(frame, Indexed("lbl_f", i), {}, l.f, right, true);
        lbl_ff[i] = Make_Label(frame, Indexed("lbl_ff", i), QStringLiteral("1"), l.ff, centre, true,
                               value_colour);
        lbl_Hz[i] = Make_Label(frame, Indexed("lbl_Hz", i), {}, l.hz, centre);
        hsc_f[i] = Make_Scroll_Bar(frame, Indexed("hsc_f", i), l.hsc_f, 1, 20, 10);
        lbl_Platos[i] = Make_Label(frame, Indexed("lbl_Platos", i), {}, l.platos, centre);
        lbl_A[i] = Make_Label(frame, Indexed("lbl_A", i), {}, l.a, right, true);
        lbl_AA[i] = Make_Label(frame, Indexed("lbl_AA", i), QStringLiteral("5"), l.aa,
                               Qt::AlignLeft, true, value_colour);
        hsc_A[i] = Make_Scroll_Bar(frame, Indexed("hsc_A", i), l.hsc_a, 1, 15, 5);
    }

    // Check boxes lie on the frames' top edges, as children of the window.
    chk_wave1 =
        Make_Check_Box(this, QStringLiteral("chk_wave1"), {}, {225, 1620, 870, 240}, 1, highlight);
    chk_wave2 = Make_Check_Box(this, QStringLiteral("chk_wave2"), {}, {13860, 1620, 960, 240}, 0,
                               highlight);
    chk_wave3 =
        Make_Check_Box(this, QStringLiteral("chk_wave3"), {}, {270, 6615, 915, 195}, 1, background);
    chk_wave4 = Make_Check_Box(this, QStringLiteral("chk_wave4"), {}, {13860, 6615, 915, 240}, 0,
                               highlight);
    static constexpr Rect Balls_Rect[] = {{180, 4455, 1185, 240},
                                          {13815, 4455, 1185, 240},
                                          {270, 9495, 1185, 240},
                                          {13815, 9450, 1185, 240}};
    for (int i = 0; i < 4; ++i) {
        chk_balls[i] = Make_Check_Box(this, Indexed("chk_balls", i), {}, Balls_Rect[i], 1,
                                      i % 2 == 0 ? background : caption);
        chk_balls[i]->setEnabled(false);
    }

    // The panels with their lines and ball rows.
    Picture1 = new PictureBox(QStringLiteral("Picture1"), 1755, 855, 11850, 4110,
                              Colours::System + 20, this);
    Picture2 = new PictureBox(QStringLiteral("Picture2"), 1755, 5895, 11850, 4110,
                              Colours::System + 9, this);
    struct Panel_Items
    {
        PictureBox *panel;
        const char *lines, *vertical_lines;
        Array<Line, 5> &line;
        Array<Line, 6> &line_x;
    };
    for (const Panel_Items &p : {Panel_Items{Picture1, "Line1", "Line1x", Line1, Line1x},
                                 Panel_Items{Picture2, "Line2", "Line2x", Line2, Line2x}}) {
        for (int i = 0; i < 5; ++i)
            p.line[i] = new Line(Indexed(p.lines, i), 0, 810.0 * i, 11880, 810.0 * i, p.panel);
        for (int i = 0; i < 6; ++i)
            p.line_x[i] =
                new Line(Indexed(p.vertical_lines, i), 2358.0 * i, 0, 2358.0 * i, 4050, p.panel);
    }
    struct Row
    {
        Array<Shape, Balls> &row;
        const char *name;
        PictureBox *panel;
        quint32 body, second;
        int pattern;
    };
    // Component rows first, so the resultant row is painted over them.
    for (const Row &r :
         {Row{Shape11, "Shape11", Picture1, Colours::System + 4, Colours::Red, 5},
          Row{Shape12, "Shape12", Picture1, Colours::System + 4, Colours::Blue, 5},
          Row{Shape1, "Shape1", Picture1, Colours::System + 6, Colours::White, 5},
          Row{Shape21, "Shape21", Picture2, Colours::System + 4, Colours::System + 1, 4},
          Row{Shape22, "Shape22", Picture2, Colours::System + 4, Colours::System + 2, 4},
          Row{Shape2, "Shape2", Picture2, Colours::System + 12, Colours::White, 4}}) {
        for (int i = 0; i < Balls; ++i)
            r.row[i] = new Shape(Indexed(r.name, i), r.body, r.second, r.pattern, r.panel);
    }

    // The pace of the animation, in the bottom bar between cmd_Clock and Label4.
    lbl_Pace =
        Make_Label(this, QStringLiteral("lbl_Pace"), {}, {8835, 10530, 810, 240}, right, true);
    cbo_Pace = new QComboBox(this);
    cbo_Pace->setObjectName(QStringLiteral("cbo_Pace"));
    cbo_Pace->setFont(Window_Font(false));
    cbo_Pace->addItems(QStringList(3, QString()));
    Place(cbo_Pace, 9705, 10485, 2340, 315);
    lbl_Pace->setBuddy(cbo_Pace);

    // The language button, between the pace box and the version caption Label4.
    cmd_Language = new QPushButton(this);
    cmd_Language->setObjectName(QStringLiteral("cmd_Language"));
    Place(cmd_Language, 13290, 10500, 570, 300);
    cmd_Language->setFont(Window_Font(true));
    // A click leaves the focus where it was, as on the picture buttons.
    cmd_Language->setFocusPolicy(Qt::TabFocus);

    Build_Graph();
    Use_Classic_Style(*this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5);
    Timer1->setTimerType(Qt::PreciseTimer);
}
