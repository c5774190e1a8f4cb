// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/frame_writer.h"
#include "support/media_probe.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <gif_lib.h>

using Export::Frame_Writer;

namespace {

using Make_Writer = std::unique_ptr<Frame_Writer> (*)();

Make_Writer Writer_For(const QString &extension)
{
    return extension == QLatin1String("gif")   ? &Export::Gif_Writer
           : extension == QLatin1String("mp4") ? &Export::Mp4_Writer
                                               : &Export::Webm_Writer;
}

// Frame i of a small animation with the window's kind of picture: a flat background, a grid and a
// square that moves right by 3 pixels a frame.
QImage Frame(QSize size, int i)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(192, 192, 192));
    QPainter painter(&image);
    painter.setPen(Qt::black);
    for (int x = 0; x < size.width(); x += 10)
        painter.drawLine(x, 0, x, size.height() - 1);
    painter.fillRect(4 + 3 * i, 10, 8, 8, QColor(255, 0, 0));
    painter.fillRect(size.width() - 6, size.height() - 6, 4, 4, i % 2 ? Qt::yellow : Qt::blue);
    return image;
}

QImage Argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_frame_writers : public QObject
{
    Q_OBJECT

private slots:
    void read_back_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("codec");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("stored"); // video pads to even sides
        QTest::addColumn<int>("hold");
        const auto row = [](const char *ext, const char *codec, QSize size, QSize stored,
                            int hold) {
            QTest::addRow("%s %dx%d hold %d", ext, size.width(), size.height(), hold)
                << QString::fromLatin1(ext) << QString::fromLatin1(codec) << size << stored << hold;
        };
        row("gif", "gif", {65, 47}, {65, 47}, 1);
        row("mp4", "h264", {65, 47}, {66, 48}, 4);
        row("webm", "vp9", {65, 47}, {66, 48}, 1);
        row("webm", "vp9", {64, 48}, {64, 48}, 4);
    }

    // ffprobe finds the codec, the size, one frame per frame time (a held GIF frame is one frame
    // with a longer delay; video repeats it) and 25 frames a second; the MP4 starts with its index.
    void read_back()
    {
        QFETCH(QString, extension);
        QFETCH(QString, codec);
        QFETCH(QSize, size);
        QFETCH(QSize, stored);
        QFETCH(int, hold);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("out.") + extension);
        const int count = 7;
        const std::unique_ptr<Frame_Writer> writer = Writer_For(extension)();
        QVERIFY2(writer->Open(path, size, 25), qPrintable(writer->Error()));
        for (int i = 0; i < count; ++i)
            QVERIFY2(writer->Add_Frame(Frame(size, i), hold), qPrintable(writer->Error()));
        QVERIFY2(writer->Finish(), qPrintable(writer->Error()));

        const Media_Probe::Stream stream = Media_Probe::Probe(path);
        QCOMPARE(stream.codec, codec);
        QCOMPARE(QSize(stream.width, stream.height), stored);
        if (extension != QLatin1String("gif"))
            QCOMPARE(stream.pixel_format, QStringLiteral("yuv420p"));
        if (extension == QLatin1String("mp4")) {
            // The index before the data, so that a browser plays it while it loads.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY(bytes.indexOf("moov") >= 0);
            QVERIFY(bytes.indexOf("moov") < bytes.indexOf("mdat"));
        }
        QCOMPARE(stream.frames, extension == QLatin1String("gif") ? count : count * hold);
        QCOMPARE(qRound(stream.duration * 100), count * hold * 4);
    }

    // Qt's reader gives back every frame as it was given, pixel for pixel, with the delay of its
    // hold (slow motion: four frame times), and the animation loops for ever.
    void gif_frames()
    {
        const int hold = 4;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("out.gif"));
        const QSize size(80, 30);
        const std::unique_ptr<Frame_Writer> writer = Export::Gif_Writer();
        QVERIFY(writer->Open(path, size, 25));
        // The third frame repeats the second: nothing changed, still a frame of its own.
        const QList<int> steps = {0, 1, 1, 2, 5};
        for (int step : steps)
            QVERIFY(writer->Add_Frame(Frame(size, step), hold));
        QVERIFY(writer->Finish());

        int loops = 0;
        const QList<Media_Probe::Gif_Frame> frames = Media_Probe::Read_Gif(path, &loops);
        QCOMPARE(loops, -1);
        QCOMPARE(frames.size(), steps.size());
        for (qsizetype i = 0; i < steps.size(); ++i) {
            QVERIFY2(frames[i].image == Argb(Frame(size, steps[i])),
                     qPrintable(QString::number(i)));
            QCOMPARE(frames[i].delay_ms, 40 * hold);
        }
    }

    // Each frame after the first stores only the rectangle that changed, its unchanged pixels
    // transparent; the first stores the whole picture.
    void gif_stores_changes()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("out.gif"));
        const QSize size(80, 30);
        const std::unique_ptr<Frame_Writer> writer = Export::Gif_Writer();
        QVERIFY(writer->Open(path, size, 25));
        for (int i = 0; i < 3; ++i)
            QVERIFY(writer->Add_Frame(Frame(size, i), 1));
        QVERIFY(writer->Finish());

        int error = 0;
        GifFileType *gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
        QVERIFY(gif);
        QCOMPARE(DGifSlurp(gif), GIF_OK);
        QCOMPARE(gif->ImageCount, 3);
        const GifImageDesc &first = gif->SavedImages[0].ImageDesc;
        QCOMPARE(QRect(first.Left, first.Top, first.Width, first.Height), QRect(QPoint(), size));
        // Frame 1: the square moved from x 4..11 to 7..14, and the corner changed colour.
        const GifImageDesc &second = gif->SavedImages[1].ImageDesc;
        QCOMPARE(QRect(second.Left, second.Top, second.Width, second.Height),
                 QRect(QPoint(4, 10), QPoint(size.width() - 3, size.height() - 3)));
        GraphicsControlBlock control{};
        QCOMPARE(DGifSavedExtensionToGCB(gif, 1, &control), GIF_OK);
        QVERIFY(control.TransparentColor != NO_TRANSPARENT_COLOR);
        // Inside the rectangle, a pixel of the grid that stayed is transparent.
        const int x = 10 - second.Left, y = 25 - second.Top;
        QCOMPARE(int(gif->SavedImages[1].RasterBits[y * second.Width + x]),
                 control.TransparentColor);
        DGifCloseFile(gif, &error);
    }

    // A frame of more colours than a palette holds: no dithering, so every pixel read back is one
    // of the frame's own colours and the flat background stays exact.
    void gif_many_colours()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("out.gif"));
        QImage image(60, 40, QImage::Format_ARGB32);
        image.fill(QColor(192, 192, 192));
        QSet<QRgb> colours{image.pixel(0, 0)};
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x) {
                image.setPixel(x, y, qRgb(x * 4, y * 12, 255 - x * 4));
                colours.insert(image.pixel(x, y));
            }
        QVERIFY(colours.size() > 300);
        const std::unique_ptr<Frame_Writer> writer = Export::Gif_Writer();
        QVERIFY(writer->Open(path, image.size(), 25));
        QVERIFY(writer->Add_Frame(image, 1));
        QVERIFY(writer->Finish());
        const QList<Media_Probe::Gif_Frame> frames = Media_Probe::Read_Gif(path);
        QCOMPARE(frames.size(), 1);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY(colours.contains(frames[0].image.pixel(x, y)));
        QCOMPARE(frames[0].image.copy(0, 20, 60, 20), image.copy(0, 20, 60, 20));
    }

    void nothing_left_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("how");
        for (const char *extension : {"gif", "mp4", "webm"})
            for (const char *how : {"cancelled", "a frame of another size", "unwritable folder",
                                    "a folder of that name"})
                QTest::addRow("%s %s", extension, how)
                    << QString::fromLatin1(extension) << QString::fromLatin1(how);
    }

    // A writer dropped before Finish, or one that fails, leaves the folder as it was: an existing
    // file keeps its bytes and no temporary file stays. A failure says what went wrong.
    void nothing_left()
    {
        QFETCH(QString, extension);
        QFETCH(QString, how);
        QTemporaryDir folder;
        QString path = folder.filePath(QStringLiteral("out.") + extension);
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the old file") > 0);
        }
        if (how == QLatin1String("unwritable folder"))
            path = QStringLiteral("/proc/dalvo-out.") + extension;
        if (how == QLatin1String("a folder of that name")) {
            path = folder.filePath(QStringLiteral("sub.") + extension);
            QVERIFY(QDir().mkdir(path));
        }
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
        {
            const std::unique_ptr<Frame_Writer> writer = Writer_For(extension)();
            const QSize size(32, 24);
            bool written = writer->Open(path, size, 25) && writer->Add_Frame(Frame(size, 0), 1);
            if (how == QLatin1String("a frame of another size"))
                written =
                    written && writer->Add_Frame(Frame(QSize(30, 24), 1), 1) && writer->Finish();
            if (how == QLatin1String("cancelled")) {
                QVERIFY(written);
                QVERIFY(writer->Error().isEmpty());
            } else {
                QVERIFY(!written);
                QVERIFY(!writer->Error().isEmpty());
            }
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QFile old(folder.filePath(QStringLiteral("out.") + extension));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the old file"));
    }

    // A finished file replaces the old one, keeping its permissions.
    void replaces_whole()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("out.gif"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the old file") > 0);
            QVERIFY(old.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        }
        const std::unique_ptr<Frame_Writer> writer = Export::Gif_Writer();
        QVERIFY(writer->Open(path, {16, 16}, 25));
        QVERIFY(writer->Add_Frame(Frame({16, 16}, 0), 1));
        QCOMPARE(QFileInfo(path).size(), qint64(12));
        QVERIFY(writer->Finish());
        QCOMPARE(Media_Probe::Read_Gif(path).size(), 1);
        const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFileInfo(path).permissions() & mode,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QCOMPARE(QDir(folder.path())
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                     .size(),
                 1);
    }
};

QTEST_GUILESS_MAIN(tst_frame_writers)
#include "tst_frame_writers.moc"
