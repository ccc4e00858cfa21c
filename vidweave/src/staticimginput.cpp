#include "staticimginput_p.h"

#include "avptr_p.h"
#include "renderstats_p.h"

extern "C" {
#include <libavutil/imgutils.h>
}

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

StaticImgImput::StaticImgImput(std::wstring path, int height, int width, int timeBaseNum,
                               int timeBaseDen, int64_t framesNumber)
    : framesNumber(framesNumber < 0 ? 0 : framesNumber), timeBaseNum(timeBaseNum),
      timeBaseDen(timeBaseDen)
{
    // A theme that names no time base plays its still at the output rate.
    if (timeBaseNum <= 0 || timeBaseDen <= 0) {
        this->timeBaseNum = 1;
        this->timeBaseDen = 30;
    }
    const QString file = QString::fromStdWString(path);
    QImage picture(file);
    if (picture.isNull() || width <= 0 || height <= 0) {
        error = QCoreApplication::translate("AVInput", "%1 cannot be opened as a picture.")
                    .arg(file);
        return;
    }
    if (picture.size() != QSize(width, height))
        picture = picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Converted once into the working frame's format: each frame is a copy.
    still = QImage(width, height, QImage::Format_RGB32);
    if (still.isNull()) {
        error = QCoreApplication::translate("AVInput", "Out of memory for %1.").arg(file);
        return;
    }
    QPainter painter(&still);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture);
}

StaticImgImput::~StaticImgImput() = default;

std::pair<int, int> StaticImgImput::GetTimeBase() const
{
    return {timeBaseNum, timeBaseDen};
}

int64_t StaticImgImput::GetDuration() const
{
    return framesNumber;
}

int64_t StaticImgImput::GetFramesNumber() const
{
    return framesNumber;
}

AVCodecContext* StaticImgImput::GetCodecContext() const
{
    return nullptr;
}

bool StaticImgImput::ReadFrame(AVFrame* out)
{
    if (still.isNull() || !out || next >= framesNumber || out->width != still.width()
        || out->height != still.height())
        return false;
    const renderstats::Timer timer(renderstats::Background);
    if (out->format == AV_PIX_FMT_RGB32) {
        av_image_copy_plane(out->data[0], out->linesize[0], still.constBits(),
                            still.bytesPerLine(), still.width() * 4, still.height());
    } else {
        const SwsContextUPtr convert(sws_getContext(
            still.width(), still.height(), AV_PIX_FMT_RGB32, out->width, out->height,
            AVPixelFormat(out->format), SWS_POINT, nullptr, nullptr, nullptr));
        const uint8_t* const planes[] = {still.constBits()};
        const int lines[] = {int(still.bytesPerLine())};
        if (!convert)
            return false;
        sws_scale(convert.get(), planes, lines, 0, still.height(), out->data, out->linesize);
    }
    out->pts = next++;
    return true;
}

bool StaticImgImput::IsValid() const
{
    return !still.isNull();
}

QString StaticImgImput::ErrorString() const
{
    return error;
}
