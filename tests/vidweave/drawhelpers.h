#pragma once

// Builders shared by the drawing tests: slots, quads and picture files.

#include "common/imgmediabase.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>

namespace drawtest {

inline IMedia::transformation_t quad(QRectF r, float opacity = 1.0f)
{
    IMedia::transformation_t t;
    t.x0 = r.left();
    t.y0 = r.top();
    t.x1 = r.right();
    t.y1 = r.top();
    t.x2 = r.right();
    t.y2 = r.bottom();
    t.x3 = r.left();
    t.y3 = r.bottom();
    t.opacity = opacity;
    return t;
}

inline IMedia::shadow_t noShadow()
{
    return IMedia::shadow_t{};
}

inline IMedia::shadow_t shadow(float x, float y, float blur, QColor c = Qt::black)
{
    IMedia::shadow_t s;
    s.offsetX = x;
    s.offsetY = y;
    s.blurRadius = blur;
    s.red = c.red();
    s.green = c.green();
    s.blue = c.blue();
    s.alpha = c.alpha();
    return s;
}

inline IMedia::color_t colour(QColor c)
{
    return IMedia::color_t{c.red(), c.green(), c.blue(), 255};
}

struct SlotSpec
{
    IMedia::Transforms transforms;
    float aspect = 1.0f;
    float borderWidth = 0.0f;
    IMedia::color_t borderColour;
    IMedia::shadow_t shadow;
    float maxWidth = 1.0f;
    float maxHeight = 1.0f;
    int vPosition = IMedia::VCenter;
    int hPosition = IMedia::HCenter;
};

inline ImgMediaBase makeSlot(const SlotSpec& s)
{
    return ImgMediaBase(s.transforms, s.aspect, s.borderWidth, s.borderColour, s.shadow,
                        s.maxWidth, s.maxHeight, IMedia::VPosition(s.vPosition),
                        IMedia::HPosition(s.hPosition));
}

/// A JPEG whose first segment is an EXIF block with this orientation tag.
inline QByteArray jpegWithOrientation(const QImage& image, int orientation, int quality = 95)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    if (orientation <= 1)
        return jpeg;
    QByteArray exif("Exif\0\0", 6);
    exif += QByteArray("II*\0\x08\0\0\0", 8);
    exif += QByteArray("\x01\0", 2);
    exif += QByteArray("\x12\x01\x03\0\x01\0\0\0", 8);
    exif += char(orientation);
    exif += QByteArray("\0\0\0", 3);
    exif += QByteArray("\0\0\0\0", 4);
    QByteArray segment("\xFF\xE1", 2);
    const int length = exif.size() + 2;
    segment += char(length >> 8);
    segment += char(length & 0xff);
    segment += exif;
    jpeg.insert(2, segment);
    return jpeg;
}

inline bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

struct Difference
{
    int most = 0;          // largest difference of one colour channel
    double mean = 0;       // mean over all channels
    double overShare = 0;  // share of channel values differing by more than the limit
};

/// Per-channel comparison of two same-sized pictures (alpha included).
inline Difference channelDifference(const QImage& a, const QImage& b, int limit)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    Difference result;
    double sum = 0;
    long over = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            const int d[] = {qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                             qAbs(qBlue(p) - qBlue(q)), qAbs(qAlpha(p) - qAlpha(q))};
            for (int v : d) {
                result.most = qMax(result.most, v);
                sum += v;
                over += v > limit;
            }
        }
    }
    const double samples = 4.0 * x.width() * x.height();
    result.mean = sum / samples;
    result.overShare = over / samples;
    return result;
}

} // namespace drawtest
