#include "vidweave/imagerotate.h"

namespace {

// The per-pixel copy moves 32-bit values; other depths are widened first.
QImage as32Bit(const QImage& image)
{
    if (image.depth() == 32)
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

// Copies source pixel (x, y) to place(x, y) in a new image of outSize.
template<typename Place>
QImage turn(const QImage& image, bool swapSides, Place place)
{
    const QImage src = as32Bit(image);
    if (src.isNull())
        return QImage();
    const int w = src.width();
    const int h = src.height();
    QImage out(swapSides ? h : w, swapSides ? w : h, src.format());
    if (out.isNull())
        return out;
    uchar* bits = out.bits();
    const qsizetype stride = out.bytesPerLine();
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const quint32*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QPoint to = place(x, y, w, h);
            reinterpret_cast<quint32*>(bits + to.y() * stride)[to.x()] = line[x];
        }
    }
    return out;
}

} // namespace

QImage ImageRotate::rotate(int degrees, const QImage& image)
{
    switch (degrees) {
    case 0:
    case 360:
        return image;
    case 90:
        return rotate90(image);
    case 180:
        return rotate180(image);
    case 270:
    case -90:
        return rotate270(image);
    default:
        return QImage();
    }
}

QPixmap ImageRotate::rotate(int degrees, const QPixmap& pixmap)
{
    switch (degrees) {
    case 0:
    case 360:
        return pixmap;
    case 90:
        return rotate90(pixmap);
    case 180:
        return rotate180(pixmap);
    case 270:
    case -90:
        return rotate270(pixmap);
    default:
        return QPixmap();
    }
}

QImage ImageRotate::rotate90(const QImage& image)
{
    return turn(image, true, [](int x, int y, int, int h) { return QPoint(h - 1 - y, x); });
}

QImage ImageRotate::rotate180(const QImage& image)
{
    return turn(image, false,
                [](int x, int y, int w, int h) { return QPoint(w - 1 - x, h - 1 - y); });
}

QImage ImageRotate::rotate270(const QImage& image)
{
    return turn(image, true, [](int x, int y, int w, int) { return QPoint(y, w - 1 - x); });
}

QPixmap ImageRotate::rotate90(const QPixmap& pixmap)
{
    return QPixmap::fromImage(rotate90(pixmap.toImage()));
}

QPixmap ImageRotate::rotate180(const QPixmap& pixmap)
{
    return QPixmap::fromImage(rotate180(pixmap.toImage()));
}

QPixmap ImageRotate::rotate270(const QPixmap& pixmap)
{
    return QPixmap::fromImage(rotate270(pixmap.toImage()));
}
