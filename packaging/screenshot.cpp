// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window in the middle of a run into a PNG, with the program's own paint routine:
// all four wave trains chosen, the clock advanced tick by tick until the trains have met. With
// --graph: a standing wave in the upper medium alone, a node and an antinode marked, and the y-t
// graph of the two.
// Usage: dalvo_screenshot [--graph] <output.png> [ticks] [zoom percent]

#include "main_window/frm_dalvo.h"

#include <QApplication>
#include <QImage>
#include <QTextStream>

#include <exception>

namespace {

constexpr int Default_Ticks = 100; // 4 s: the trains have met in the middle, not yet at the ends

// Both waves of the upper medium at 1 Hz with c = 20, so λ = 20: they meet in step at ball 25 and
// half a wavelength out of step at ball 20.
void Standing_Wave(frm_dalvo &form)
{
    form.chk_wave(1)->Set_Value(1);
    form.chk_wave(2)->Set_Value(0);
    form.hsc_c1->Set_Value(20);
    form.Change_Ball_colour(25, 1);
    form.Change_Ball_colour(20, 1);
    form.cmd_Graph_Click();
}

int Run(const QString &output, int ticks, int zoom, bool graph)
{
    frm_dalvo form;
    form.Set_Zoom(zoom);
    form.show();
    QApplication::processEvents();
    if (graph) {
        Standing_Wave(form);
    } else {
        for (int wave = 0; wave < 4; ++wave)
            form.chk_wave(wave)->Set_Value(1);
    }
    for (int i = 0; i < ticks; ++i)
        form.Timer1_Timer();
    QApplication::processEvents();

    const QImage image = form.Render_Client_Area();
    if (image.isNull() || !image.save(output, "PNG")) {
        QTextStream(stderr) << "dalvo_screenshot: cannot write " << output << '\n';
        return 1;
    }
    QTextStream(stdout) << output << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    const bool graph = arguments.removeAll(QStringLiteral("--graph")) > 0;
    bool ticks_ok = true, zoom_ok = true;
    const int ticks = arguments.size() > 2 ? arguments.at(2).toInt(&ticks_ok) : Default_Ticks;
    const int zoom = arguments.size() > 3 ? arguments.at(3).toInt(&zoom_ok) : 100;
    if (arguments.size() < 2 || arguments.size() > 4 || !ticks_ok || ticks < 0 || !zoom_ok ||
        zoom < frm_dalvo::Min_Zoom || zoom > frm_dalvo::Max_Zoom) {
        QTextStream(stderr)
            << "usage: dalvo_screenshot [--graph] <output.png> [ticks] [zoom percent]\n";
        return 2;
    }
    try {
        return Run(arguments.at(1), ticks, zoom, graph);
    } catch (const std::exception &error) {
        QTextStream(stderr) << "dalvo_screenshot: " << error.what() << '\n';
        return 1;
    }
}
