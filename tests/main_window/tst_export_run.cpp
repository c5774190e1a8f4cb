// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/placement.h"
#include "main_window/export_run.h"
#include "main_window/frm_dalvo.h"
#include "support/media_probe.h"
#include "support/window_test_support.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Exporting;

namespace {

QImage Argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// How far a frame read back is from the window's picture: the largest difference in a channel
// and the share of pixels not exactly equal. The window has more colours than a GIF palette holds
// (the edges of text and pictures), so a few are given as the nearest colour there is.
struct Difference
{
    int largest = 255;
    double share = 1;
};

Difference Compare(const QImage &read, const QImage &window)
{
    if (read.size() != window.size())
        return {};
    const QImage a = Argb(read), b = Argb(window);
    Difference difference{0, 0};
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (p == q)
                continue;
            ++differing;
            difference.largest =
                std::max({difference.largest, std::abs(qRed(p) - qRed(q)),
                          std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    difference.share = double(differing) / (double(a.width()) * a.height());
    return difference;
}

// A set-up unlike the start-up one in every part the copy takes over: a second wave ticked, its
// own amplitude, frequency and speed, a component row hidden, the pace, three marks made in an
// order, and the graph strip.
void Set_Lesson(frm_dalvo &form)
{
    form.chk_wave2->Set_Value(1);
    form.hsc_A[0]->Set_Value(8);
    form.hsc_f[1]->Set_Value(15);
    form.hsc_c1->Set_Value(7);
    form.chk_balls[1]->Set_Value(0);
    form.cbo_Pace->setCurrentIndex(1);
    form.Change_Ball_colour(30, 1);
    form.Change_Ball_colour(40, 2);
    form.Change_Ball_colour(5, 1);
    form.cmd_Graph_Click();
}

// The run up to a time, at a zoom.
Options Up_To(float until, int zoom = 100)
{
    return {.Zoom = zoom, .Until = until, .Slow = false, .Csv = {}};
}

// cmd_Go's click with the ticks given by hand, as the export gives them.
void Start(frm_dalvo &form)
{
    form.cmd_Go_Click();
    form.Timer1->stop();
}

} // namespace

class tst_export_run : public QObject
{
    Q_OBJECT

private slots:
    void ticks_to_data()
    {
        QTest::addColumn<float>("until");
        QTest::addColumn<int>("ticks");
        QTest::addRow("before the start") << -1.0f << 0;
        QTest::addRow("between ticks") << 0.07f << 1;
        QTest::addRow("three ticks, not quite 0.12 in single precision") << 0.12f << 3;
        QTest::addRow("past the end") << 30.0f << 501;
    }

    void ticks_to()
    {
        QFETCH(float, until);
        QFETCH(int, ticks);
        frm_dalvo form;
        QCOMPARE(Ticks_To(form, until), ticks);
    }

    // Each frame read back by Qt's GIF reader is the window itself, run tick by tick: frame 0 at
    // t = 0, frame k after k ticks, every pixel of a colour the palette holds exact.
    void gif_frames()
    {
        frm_dalvo form;
        Set_Lesson(form);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("out.gif"));
        QCOMPARE(Export_To_File(form, path, Up_To(0.4f)), QString());

        const QList<Media_Probe::Gif_Frame> frames = Media_Probe::Read_Gif(path);
        QCOMPARE(frames.size(), 11);
        Start(form);
        for (qsizetype k = 0; k < frames.size(); ++k) {
            const Difference difference = Compare(frames[k].image, Render_At_Zoom(form, 1.0));
            QVERIFY2(difference.largest <= 12 && difference.share < 0.02,
                     qPrintable(QStringLiteral("frame %1: %2 of the pixels differ, by up to %3")
                                    .arg(k)
                                    .arg(difference.share)
                                    .arg(difference.largest)));
            QCOMPARE(frames[k].delay_ms, 40);
            Window_Test::Ticks(form, 1);
        }
    }

    void read_back_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<float>("until");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("slow");
        QTest::addColumn<QString>("codec");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("hundredths");
        QTest::addRow("mp4 at 150 %%")
            << "out.mp4" << 0.2f << 150 << false << "h264" << QSize(1524, 1104) << 6 << 24;
        QTest::addRow("gif, slow")
            << "out.gif" << 0.4f << 100 << true << "gif" << QSize(1016, 736) << 11 << 176;
    }

    // ffprobe reads the codec, the size, the frames (a slow video repeats each tick four times,
    // a slow GIF holds it four times as long) and the duration.
    void read_back()
    {
        QFETCH(QString, file);
        QFETCH(float, until);
        QFETCH(int, zoom);
        QFETCH(bool, slow);
        QFETCH(QString, codec);
        QFETCH(QSize, size);
        QFETCH(int, frames);
        QFETCH(int, hundredths);
        frm_dalvo form;
        QTemporaryDir folder;
        const Options options{.Zoom = zoom, .Until = until, .Slow = slow, .Csv = {}};
        // The progress counts the ticks' frames one by one, of their number.
        int reported = 0, of = 0;
        QCOMPARE(Export_To_File(form, folder.filePath(file), options,
                                [&](int done, int total) {
                                    reported = done == reported + 1 ? done : -1;
                                    of = total;
                                    return true;
                                }),
                 QString());
        QCOMPARE(reported, frames);
        QCOMPARE(of, reported);
        const Media_Probe::Stream stream = Media_Probe::Probe(folder.filePath(file));
        QCOMPARE(stream.codec, codec);
        QCOMPARE(QSize(stream.width, stream.height), size);
        QCOMPARE(stream.frames, frames);
        QCOMPARE(qRound(stream.duration * 100), hundredths);
    }

    void picture_until_data()
    {
        QTest::addColumn<float>("until");
        QTest::addColumn<int>("ticks");
        QTest::addRow("the start") << 0.0f << 0;
        QTest::addRow("one second") << 1.0f << 25;
        QTest::addRow("past the end") << 25.0f << 501;
    }

    // A picture of a time is the window run to that time and paused there, or finished.
    void picture_until()
    {
        QFETCH(float, until);
        QFETCH(int, ticks);
        frm_dalvo form;
        Set_Lesson(form);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("a.png"));
        QCOMPARE(Export_To_File(form, path, Up_To(until, 150)), QString());
        if (ticks > 0) {
            Start(form);
            Window_Test::Ticks(form, ticks);
            if (form.cmd_Go->isEnabled())
                form.cmd_Go_Click();
        }
        QVERIFY(Argb(QImage(path)) == Argb(Render_At_Zoom(form, 1.5)));
    }
};

QTEST_MAIN(tst_export_run)
#include "tst_export_run.moc"
