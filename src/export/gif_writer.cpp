// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/frame_writer.h"
#include "export/gif_palette.h"
#include "export/temporary_output.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <gif_lib.h>
#include <optional>
#include <vector>

namespace Export {

namespace {

// The smallest rectangle holding every pixel that differs; empty when none does.
QRect Changed_Rect(const QImage &before, const QImage &after)
{
    int top = -1, bottom = -1, left = after.width(), right = -1;
    for (int y = 0; y < after.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(after.constScanLine(y));
        if (std::equal(a, a + after.width(), b))
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int x = 0;
        while (a[x] == b[x])
            ++x;
        left = std::min(left, x);
        x = after.width() - 1;
        while (a[x] == b[x])
            --x;
        right = std::max(right, x);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QString Gif_Error(int code)
{
    const char *text = GifErrorString(code);
    return text ? QString::fromUtf8(text) : QStringLiteral("GIF error %1").arg(code);
}

class Gif_File final : public Frame_Writer
{
public:
    ~Gif_File() override { Close(); }

    bool Open(const QString &path, QSize size, int frames_per_second) override
    {
        path_ = path;
        size_ = size;
        frames_per_second_ = frames_per_second;
        if (size.isEmpty() || size.width() > 65535 || size.height() > 65535 ||
            frames_per_second <= 0)
            return Fail(
                QStringLiteral("Could not write %1: the size or rate is not possible").arg(path));
        if (!output_.Create(path))
            return Fail(output_.Error());
        int error = 0;
        gif_ = EGifOpenFileName(QFile::encodeName(output_.Path()).constData(), false, &error);
        if (!gif_)
            return Fail(Write_Error(error));
        EGifSetGifVersion(gif_, true);
        return true;
    }

    bool Add_Frame(const QImage &frame, int hold) override
    {
        if (!Takes_Frame(gif_ != nullptr, path_, size_, frame, hold))
            return false;
        const QImage image = frame.convertToFormat(QImage::Format_RGB32);
        const bool first = previous_.isNull();
        QRect rect = first ? image.rect() : Changed_Rect(previous_, image);
        if (rect.isEmpty())
            rect = QRect(0, 0, 1, 1); // nothing changed: one transparent pixel holds the delay
        Histogram counts;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            const auto *now = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            const auto *was =
                first ? now : reinterpret_cast<const QRgb *>(previous_.constScanLine(y));
            // Neighbours mostly share a colour: one look-up per run of it.
            QRgb colour = 0;
            int *count = nullptr;
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (first || now[x] != was[x]) {
                    if (!count || now[x] != colour)
                        count = &counts[colour = now[x]];
                    ++*count;
                }
        }
        if (first && !Start(counts))
            return false;
        std::optional<Palette> local;
        if (!global_->Holds(counts))
            local.emplace(Choose_Colours(counts));
        Palette &palette = local ? *local : *global_;
        if (!Put_Control(hold, first ? NO_TRANSPARENT_COLOR : palette.Transparent()))
            return false;
        ColorMapObject *map = local ? local->Map() : nullptr;
        // giflib drops its copy of the last frame's local colours without freeing it when the
        // next frame has none, so free that copy here.
        if (!map && gif_->Image.ColorMap) {
            GifFreeMapObject(gif_->Image.ColorMap);
            gif_->Image.ColorMap = nullptr;
        }
        const int put = EGifPutImageDesc(gif_, rect.left(), rect.top(), rect.width(), rect.height(),
                                         false, map);
        GifFreeMapObject(map);
        if (put != GIF_OK)
            return Fail(Write_Error(gif_->Error));
        std::vector<GifByteType> line(static_cast<std::size_t>(rect.width()));
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            const auto *now = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            const auto *was =
                first ? now : reinterpret_cast<const QRgb *>(previous_.constScanLine(y));
            // An unchanged pixel is transparent, or, where the pixel before it has its very colour,
            // that pixel's index again: the same picture, in longer runs that compress better.
            GifByteType run = palette.Transparent();
            for (int x = rect.left(); x <= rect.right(); ++x) {
                if (first || now[x] != was[x])
                    run = palette.Index_Of(now[x]);
                else if (run == palette.Transparent() || palette.Colour(run) != now[x])
                    run = palette.Transparent();
                line[std::size_t(x - rect.left())] = run;
            }
            if (EGifPutLine(gif_, line.data(), rect.width()) != GIF_OK)
                return Fail(Write_Error(gif_->Error));
        }
        previous_ = image;
        return true;
    }

    bool Finish() override
    {
        if (!gif_ || Failed() || previous_.isNull())
            return Fail(QStringLiteral("Could not write %1: there is nothing to write").arg(path_));
        int error = 0;
        const int closed = EGifCloseFile(gif_, &error);
        gif_ = nullptr;
        if (closed != GIF_OK)
            return Fail(Write_Error(error));
        if (!output_.Commit())
            return Fail(output_.Error());
        return true;
    }

private:
    QString Write_Error(int code) const
    {
        return QStringLiteral("Could not write %1: %2").arg(path_, Gif_Error(code));
    }

    void Close()
    {
        if (gif_) {
            int error = 0;
            EGifCloseFile(gif_, &error);
            gif_ = nullptr;
        }
    }

    // The screen with the first frame's palette for all, and the loop for ever.
    bool Start(const Histogram &counts)
    {
        global_.emplace(Choose_Colours(counts));
        ColorMapObject *map = global_->Map();
        const int put =
            map ? EGifPutScreenDesc(gif_, size_.width(), size_.height(), 8, 0, map) : GIF_ERROR;
        GifFreeMapObject(map);
        static const GifByteType application[] = "NETSCAPE2.0";
        static const GifByteType loop_for_ever[] = {1, 0, 0};
        if (put != GIF_OK || EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
            EGifPutExtensionBlock(gif_, 11, application) != GIF_OK ||
            EGifPutExtensionBlock(gif_, 3, loop_for_ever) != GIF_OK ||
            EGifPutExtensionTrailer(gif_) != GIF_OK)
            return Fail(Write_Error(gif_->Error));
        return true;
    }

    // The frame's delay in hundredths and its transparent index; each frame is drawn over the last.
    bool Put_Control(int hold, int transparent)
    {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime = static_cast<int>(
            std::clamp(std::lround(hold * 100.0 / frames_per_second_), 1L, 65535L));
        control.TransparentColor = transparent;
        GifByteType bytes[4];
        EGifGCBToExtension(&control, bytes);
        if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, bytes) != GIF_OK)
            return Fail(Write_Error(gif_->Error));
        return true;
    }

    QString path_;
    QSize size_;
    int frames_per_second_ = 25;
    Temporary_Output output_;
    GifFileType *gif_ = nullptr;
    QImage previous_;
    std::optional<Palette> global_;
};

} // namespace

std::unique_ptr<Frame_Writer> Gif_Writer()
{
    return std::make_unique<Gif_File>();
}

} // namespace Export
