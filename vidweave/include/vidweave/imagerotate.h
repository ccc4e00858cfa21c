#pragma once

#include "vidweave/vidweave_export.h"

#include <QImage>
#include <QPixmap>

/// Quarter turns of pictures, pixel by pixel (no resampling).
class VIDWEAVE_EXPORT ImageRotate
{
public:
    /// A turned copy: 0 and 360 unchanged, 90 clockwise, 180 half turn,
    /// 270 and -90 counter-clockwise; any other angle gives a null image.
    static QImage rotate(int degrees, const QImage& image);
    /// As above, through toImage() and QPixmap::fromImage.
    static QPixmap rotate(int degrees, const QPixmap& pixmap);

private:
    ImageRotate() = delete;

    static QImage rotate90(const QImage& image);
    static QImage rotate180(const QImage& image);
    static QImage rotate270(const QImage& image);
    static QPixmap rotate90(const QPixmap& pixmap);
    static QPixmap rotate180(const QPixmap& pixmap);
    static QPixmap rotate270(const QPixmap& pixmap);
};
