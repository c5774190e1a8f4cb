// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QImageReader>
#include <QList>
#include <QProcess>
#include <QStringList>

// Animations read back by readers of their own: ffprobe for the stream, Qt's GIF reader for the
// frames of a GIF.
namespace Media_Probe {

struct Stream
{
    QString codec;
    int width = 0, height = 0;
    int frames = 0;
    double duration = 0;
    QString pixel_format;
};

// The first video stream as ffprobe decodes it, every frame counted; no codec when it cannot.
inline Stream Probe(const QString &path)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"),
                   QStringLiteral("-select_streams"), QStringLiteral("v:0"),
                   QStringLiteral("-show_entries"),
                   QStringLiteral("stream=codec_name,width,height,nb_read_frames,pix_fmt:format="
                                  "duration"),
                   QStringLiteral("-of"), QStringLiteral("default=noprint_wrappers=1"), path});
    if (!ffprobe.waitForFinished(120000) || ffprobe.exitCode() != 0)
        return {};
    Stream stream;
    for (const QString &line : QString::fromUtf8(ffprobe.readAllStandardOutput()).split('\n')) {
        const QString key = line.section('=', 0, 0), value = line.section('=', 1);
        if (key == QLatin1String("codec_name"))
            stream.codec = value;
        else if (key == QLatin1String("width"))
            stream.width = value.toInt();
        else if (key == QLatin1String("height"))
            stream.height = value.toInt();
        else if (key == QLatin1String("nb_read_frames"))
            stream.frames = value.toInt();
        else if (key == QLatin1String("duration"))
            stream.duration = value.toDouble();
        else if (key == QLatin1String("pix_fmt"))
            stream.pixel_format = value;
    }
    return stream;
}

struct Gif_Frame
{
    QImage image; // the whole picture after this frame, ARGB32
    int delay_ms = 0;
};

inline QList<Gif_Frame> Read_Gif(const QString &path, int *loops = nullptr)
{
    QImageReader reader(path, "gif");
    QList<Gif_Frame> frames;
    if (loops)
        *loops = reader.loopCount();
    for (QImage image; reader.read(&image);) {
        frames.append({image.convertToFormat(QImage::Format_ARGB32), 0});
        frames.back().delay_ms = reader.nextImageDelay();
    }
    return frames;
}

} // namespace Media_Probe
