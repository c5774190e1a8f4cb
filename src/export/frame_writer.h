// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

// Writers of animations: frames of one size in, a whole file out. A writer puts its file in
// place only at Finish; destroyed before, or after any failure, it leaves nothing behind and an
// existing file of that name as it was.
namespace Export {

class Frame_Writer
{
public:
    virtual ~Frame_Writer() = default;
    Frame_Writer() = default;
    Frame_Writer(const Frame_Writer &) = delete;
    Frame_Writer &operator=(const Frame_Writer &) = delete;

    // Starts `path` for frames of `size` shown `frames_per_second` a second.
    virtual bool Open(const QString &path, QSize size, int frames_per_second) = 0;
    // One frame of the opened size, shown for `hold` frame times.
    virtual bool Add_Frame(const QImage &frame, int hold = 1) = 0;
    // Ends the file and puts it in place of `path`.
    virtual bool Finish() = 0;
    // What went wrong, in plain words; empty while nothing has.
    QString Error() const { return error_; }

protected:
    bool Fail(const QString &error)
    {
        if (error_.isEmpty())
            error_ = error;
        return false;
    }
    bool Failed() const { return !error_.isEmpty(); }
    // Whether a writer opened on `path` for frames of `size` can take this frame; fails if not.
    bool Takes_Frame(bool open, const QString &path, QSize size, const QImage &frame, int hold)
    {
        if (!open || Failed())
            return Fail(QStringLiteral("Could not write %1: the file is not open").arg(path));
        if (frame.size() != size || hold < 1)
            return Fail(QStringLiteral("Could not write %1: a frame does not fit").arg(path));
        return true;
    }

private:
    QString error_;
};

// A looping GIF: one exact palette where the colours fit, each frame only the rectangle that
// changed, unchanged pixels in it transparent, a frame's hold in its delay.
std::unique_ptr<Frame_Writer> Gif_Writer();
// MP4 with H.264 in yuv420p, its index at the front; a held frame is repeated.
std::unique_ptr<Frame_Writer> Mp4_Writer();
// WebM with VP9 in yuv420p; a held frame is repeated.
std::unique_ptr<Frame_Writer> Webm_Writer();

} // namespace Export
