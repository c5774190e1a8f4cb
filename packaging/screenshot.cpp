// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window in the middle of a run into a PNG, with the program's own paint routine:
// all four wave trains chosen, the clock advanced tick by tick until the trains have met.
// Usage: dalvo_screenshot <output.png> [ticks] [zoom percent]

#include "main_window/frm_dalvo.h"

#include <QApplication>
#include <QImage>
#include <QTextStream>

#include <exception>

namespace {

constexpr int Default_Ticks = 100; // 4 s: the trains have met in the middle, not yet at the ends

int Run(const QString &output, int ticks, int zoom)
{
    frm_dalvo form;
    form.Set_Zoom(zoom);
    form.show();
    QApplication::processEvents();
    for (int wave = 0; wave < 4; ++wave)
        form.chk_wave(wave)->Set_Value(1);
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
    const QStringList arguments = QApplication::arguments();
    bool ticks_ok = true, zoom_ok = true;
    const int ticks = arguments.size() > 2 ? arguments.at(2).toInt(&ticks_ok) : Default_Ticks;
    const int zoom = arguments.size() > 3 ? arguments.at(3).toInt(&zoom_ok) : 100;
    if (arguments.size() < 2 || arguments.size() > 4 || !ticks_ok || ticks < 0 || !zoom_ok ||
        zoom < frm_dalvo::Min_Zoom || zoom > frm_dalvo::Max_Zoom) {
        QTextStream(stderr) << "usage: dalvo_screenshot <output.png> [ticks] [zoom percent]\n";
        return 2;
    }
    try {
        return Run(arguments.at(1), ticks, zoom);
    } catch (const std::exception &error) {
        QTextStream(stderr) << "dalvo_screenshot: " << error.what() << '\n';
        return 1;
    }
}
