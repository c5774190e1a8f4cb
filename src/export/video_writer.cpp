// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/frame_writer.h"
#include "export/temporary_output.h"

#include <QFile>
#include <QPainter>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace Export {

namespace {

// What each container is written with: its muxer, its encoder and the encoder's settings, chosen
// for the window's flat colours and sharp edges at a small size and a fast pace.
struct Video_Kind
{
    const char *muxer;
    const char *encoder;
    AVCodecID codec;
    std::vector<std::pair<const char *, const char *>> settings;
    const char *header_settings; // for the muxer, "" for none
};

const Video_Kind Mp4_Kind{
    "mp4",
    "libx264",
    AV_CODEC_ID_H264,
    {{"preset", "veryfast"}, {"crf", "23"}, {"x264-params", "subme=1:me=dia:ref=1:trellis=0"}},
    "+faststart"};
const Video_Kind Webm_Kind{
    "webm",
    "libvpx-vp9",
    AV_CODEC_ID_VP9,
    {{"deadline", "realtime"}, {"cpu-used", "8"}, {"row-mt", "1"}, {"crf", "32"}, {"b", "0"}},
    ""};

QString Av_Error(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// Even sides, as 4:2:0 needs: the last row and column are repeated where one is added.
QImage Even_Sized(const QImage &frame, QSize even)
{
    if (frame.size() == even)
        return frame.convertToFormat(QImage::Format_RGB32);
    QImage padded(even, QImage::Format_RGB32);
    QPainter painter(&padded);
    painter.drawImage(0, 0, frame);
    if (even.width() > frame.width())
        painter.drawImage(QPoint(frame.width(), 0),
                          frame.copy(frame.width() - 1, 0, 1, frame.height()));
    if (even.height() > frame.height())
        painter.drawImage(QPoint(0, frame.height()),
                          padded.copy(0, frame.height() - 1, even.width(), 1));
    return padded;
}

class Video_File final : public Frame_Writer
{
public:
    explicit Video_File(const Video_Kind &kind) : kind_(kind) {}
    ~Video_File() override { Close(); }

    bool Open(const QString &path, QSize size, int frames_per_second) override
    {
        path_ = path;
        size_ = size;
        even_ = QSize(size.width() + size.width() % 2, size.height() + size.height() % 2);
        if (size.isEmpty() || frames_per_second <= 0)
            return Fail(
                QStringLiteral("Could not write %1: the size or rate is not possible").arg(path));
        if (!output_.Create(path))
            return Fail(output_.Error());
        av_log_set_level(AV_LOG_ERROR);
        const AVCodec *codec = avcodec_find_encoder_by_name(kind_.encoder);
        if (!codec)
            codec = avcodec_find_encoder(kind_.codec);
        if (!codec)
            return Fail(QStringLiteral("Could not write %1: no %2 encoder is installed")
                            .arg(path, QString::fromLatin1(kind_.encoder)));
        const QByteArray file = QFile::encodeName(output_.Path());
        if (const int error =
                avformat_alloc_output_context2(&format_, nullptr, kind_.muxer, file.constData());
            error < 0)
            return Fail(Encoder_Error(error));
        encoder_ = avcodec_alloc_context3(codec);
        frame_ = av_frame_alloc();
        packet_ = av_packet_alloc();
        if (!encoder_ || !frame_ || !packet_)
            return Fail(Encoder_Error(AVERROR(ENOMEM)));
        encoder_->width = even_.width();
        encoder_->height = even_.height();
        encoder_->pix_fmt = AV_PIX_FMT_YUV420P;
        encoder_->time_base = {1, frames_per_second};
        encoder_->framerate = {frames_per_second, 1};
        encoder_->gop_size = 10 * frames_per_second;
        encoder_->thread_count = 2;
        // Browsers take untagged video as BT.709 at limited range: say so, and convert so.
        encoder_->color_range = AVCOL_RANGE_MPEG;
        encoder_->colorspace = AVCOL_SPC_BT709;
        encoder_->color_primaries = AVCOL_PRI_BT709;
        encoder_->color_trc = AVCOL_TRC_BT709;
        if (format_->oformat->flags & AVFMT_GLOBALHEADER)
            encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        AVDictionary *settings = nullptr;
        for (const auto &[key, value] : kind_.settings)
            av_dict_set(&settings, key, value, 0);
        int error = avcodec_open2(encoder_, codec, &settings);
        av_dict_free(&settings);
        if (error < 0)
            return Fail(Encoder_Error(error));
        stream_ = avformat_new_stream(format_, nullptr);
        if (!stream_)
            return Fail(Encoder_Error(AVERROR(ENOMEM)));
        stream_->time_base = encoder_->time_base;
        if ((error = avcodec_parameters_from_context(stream_->codecpar, encoder_)) < 0)
            return Fail(Encoder_Error(error));
        if ((error = avio_open(&format_->pb, file.constData(), AVIO_FLAG_WRITE)) < 0)
            return Fail(Write_Error(error));
        AVDictionary *header = nullptr;
        if (*kind_.header_settings)
            av_dict_set(&header, "movflags", kind_.header_settings, 0);
        error = avformat_write_header(format_, &header);
        av_dict_free(&header);
        if (error < 0)
            return Fail(Write_Error(error));
        frame_->format = encoder_->pix_fmt;
        frame_->width = encoder_->width;
        frame_->height = encoder_->height;
        if ((error = av_frame_get_buffer(frame_, 0)) < 0)
            return Fail(Encoder_Error(error));
        scaler_ = sws_getContext(even_.width(), even_.height(), AV_PIX_FMT_RGB32, even_.width(),
                                 even_.height(), AV_PIX_FMT_YUV420P, SWS_POINT, nullptr, nullptr,
                                 nullptr);
        if (!scaler_)
            return Fail(Encoder_Error(AVERROR(EINVAL)));
        sws_setColorspaceDetails(scaler_, sws_getCoefficients(SWS_CS_ITU709), 1,
                                 sws_getCoefficients(SWS_CS_ITU709), 0, 0, 1 << 16, 1 << 16);
        open_ = true;
        return true;
    }

    bool Add_Frame(const QImage &frame, int hold) override
    {
        if (!Takes_Frame(open_, path_, size_, frame, hold))
            return false;
        const QImage image = Even_Sized(frame, even_);
        if (const int error = av_frame_make_writable(frame_); error < 0)
            return Fail(Encoder_Error(error));
        const uint8_t *source[] = {image.constBits()};
        const int stride[] = {static_cast<int>(image.bytesPerLine())};
        sws_scale(scaler_, source, stride, 0, image.height(), frame_->data, frame_->linesize);
        for (int i = 0; i < hold; ++i) {
            frame_->pts = next_pts_++;
            if (!Encode(frame_))
                return false;
        }
        return true;
    }

    bool Finish() override
    {
        if (!open_ || Failed() || next_pts_ == 0)
            return Fail(QStringLiteral("Could not write %1: there is nothing to write").arg(path_));
        if (!Encode(nullptr))
            return false;
        if (const int error = av_write_trailer(format_); error < 0)
            return Fail(Write_Error(error));
        const int closed = avio_closep(&format_->pb);
        if (closed < 0)
            return Fail(Write_Error(closed));
        Close();
        if (!output_.Commit())
            return Fail(output_.Error());
        return true;
    }

private:
    QString Encoder_Error(int code) const
    {
        return QStringLiteral("Could not encode %1: %2").arg(path_, Av_Error(code));
    }
    QString Write_Error(int code) const
    {
        return QStringLiteral("Could not write %1: %2").arg(path_, Av_Error(code));
    }

    // Sends a frame (none: the end) and writes every packet the encoder has ready.
    bool Encode(const AVFrame *frame)
    {
        int error = avcodec_send_frame(encoder_, frame);
        if (error < 0)
            return Fail(Encoder_Error(error));
        while ((error = avcodec_receive_packet(encoder_, packet_)) >= 0) {
            // Each frame lasts one frame time; the last one's end is the file's duration.
            if (packet_->duration <= 0)
                packet_->duration = 1;
            av_packet_rescale_ts(packet_, encoder_->time_base, stream_->time_base);
            packet_->stream_index = stream_->index;
            error = av_interleaved_write_frame(format_, packet_);
            if (error < 0)
                return Fail(Write_Error(error));
        }
        if (error != AVERROR(EAGAIN) && error != AVERROR_EOF)
            return Fail(Encoder_Error(error));
        return true;
    }

    void Close()
    {
        open_ = false;
        sws_freeContext(scaler_);
        scaler_ = nullptr;
        av_packet_free(&packet_);
        av_frame_free(&frame_);
        avcodec_free_context(&encoder_);
        if (format_) {
            if (format_->pb)
                avio_closep(&format_->pb);
            avformat_free_context(format_);
            format_ = nullptr;
        }
        stream_ = nullptr;
    }

    const Video_Kind &kind_;
    QString path_;
    QSize size_, even_;
    Temporary_Output output_;
    AVFormatContext *format_ = nullptr;
    AVCodecContext *encoder_ = nullptr;
    AVStream *stream_ = nullptr;
    AVFrame *frame_ = nullptr;
    AVPacket *packet_ = nullptr;
    SwsContext *scaler_ = nullptr;
    int64_t next_pts_ = 0;
    bool open_ = false;
};

} // namespace

std::unique_ptr<Frame_Writer> Mp4_Writer()
{
    return std::make_unique<Video_File>(Mp4_Kind);
}

std::unique_ptr<Frame_Writer> Webm_Writer()
{
    return std::make_unique<Video_File>(Webm_Kind);
}

} // namespace Export
