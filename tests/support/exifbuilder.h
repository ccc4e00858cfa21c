#pragma once

// Builds EXIF blocks and JPEG files byte by byte for tests.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QVector>
#include <QtEndian>

#include <cmath>

struct ExifEntry
{
    quint16 tag;
    quint16 type;
    quint32 count;
    QByteArray value; // already in the block's byte order
};

class ExifBuilder
{
public:
    explicit ExifBuilder(bool littleEndian) : little(littleEndian) {}

    QByteArray u16(quint16 v) const
    {
        QByteArray b(2, 0);
        little ? qToLittleEndian(v, b.data()) : qToBigEndian(v, b.data());
        return b;
    }
    QByteArray u32(quint32 v) const
    {
        QByteArray b(4, 0);
        little ? qToLittleEndian(v, b.data()) : qToBigEndian(v, b.data());
        return b;
    }
    ExifEntry shorts(quint16 tag, const QVector<quint16>& values) const
    {
        QByteArray b;
        for (quint16 v : values)
            b += u16(v);
        return {tag, 3, quint32(values.size()), b};
    }
    ExifEntry longs(quint16 tag, const QVector<quint32>& values) const
    {
        QByteArray b;
        for (quint32 v : values)
            b += u32(v);
        return {tag, 4, quint32(values.size()), b};
    }

    /// A TIFF block: IFD 0 at offset 8, then the EXIF directory (pointed to
    /// by 0x8769 when given), then IFD 1 with the preview's 0x201 and 0x202,
    /// then the out-of-line values and the preview.
    QByteArray tiff(QVector<ExifEntry> ifd0, const QVector<ExifEntry>& exif,
                    QVector<ExifEntry> ifd1, const QByteArray& preview, bool withIfd1)
    {
        if (!exif.isEmpty())
            ifd0.append(longs(0x8769, {0})); // patched below
        const quint32 ifd0At = 8;
        const quint32 exifAt = ifd0At + dirSize(ifd0);
        if (withIfd1) {
            ifd1.append(longs(0x201, {0}));
            ifd1.append(longs(0x202, {quint32(preview.size())}));
        }
        const quint32 ifd1At = exifAt + (exif.isEmpty() ? 0 : dirSize(exif));
        quint32 dataAt = ifd1At + (withIfd1 ? dirSize(ifd1) : 0);
        const quint32 previewAt = dataAt + quint32(outOfLine(ifd0) + outOfLine(exif) + outOfLine(ifd1));
        if (!exif.isEmpty())
            ifd0.last().value = u32(exifAt);
        if (withIfd1)
            ifd1[ifd1.size() - 2].value = u32(previewAt);

        QByteArray block = QByteArray(little ? "II" : "MM") + u16(42) + u32(ifd0At);
        QByteArray data;
        block += directory(ifd0, withIfd1 ? ifd1At : 0, dataAt, data);
        if (!exif.isEmpty())
            block += directory(exif, 0, dataAt, data);
        if (withIfd1)
            block += directory(ifd1, 0, dataAt, data);
        return block + data + preview;
    }

private:
    static quint32 dirSize(const QVector<ExifEntry>& entries)
    {
        return 2 + 12 * quint32(entries.size()) + 4;
    }
    static int outOfLine(const QVector<ExifEntry>& entries)
    {
        int total = 0;
        for (const ExifEntry& e : entries)
            total += e.value.size() > 4 || e.type == 5 || e.type == 10 ? e.value.size() : 0;
        return total;
    }
    QByteArray directory(const QVector<ExifEntry>& entries, quint32 next, quint32& dataAt,
                         QByteArray& data)
    {
        QByteArray out = u16(quint16(entries.size()));
        for (const ExifEntry& e : entries) {
            out += u16(e.tag) + u16(e.type) + u32(e.count);
            if (e.value.size() > 4 || e.type == 5 || e.type == 10) {
                out += u32(dataAt);
                data += e.value;
                dataAt += quint32(e.value.size());
            } else {
                out += e.value + QByteArray(4 - e.value.size(), '\0');
            }
        }
        return out + u32(next);
    }

    bool little;
};

/// An APP1 segment holding \a body as it is.
inline QByteArray app1Segment(const QByteArray& body)
{
    QByteArray length(2, 0);
    qToBigEndian(quint16(body.size() + 2), length.data());
    return QByteArray("\xFF\xE1", 2) + length + body;
}

inline QByteArray app1(const QByteArray& tiff)
{
    QByteArray length(2, 0);
    qToBigEndian(quint16(tiff.size() + 8), length.data());
    return QByteArray("\xFF\xE1", 2) + length + QByteArray("Exif\0\0", 6) + tiff;
}

/// A real JPEG of \a image with \a segments inserted right after its start.
inline QByteArray jpegWith(const QImage& image, const QByteArray& segments, int quality = 90)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return jpeg.left(2) + segments + jpeg.mid(2);
}

/// A picture whose top-left quarter is red and the rest blue.
inline QImage markedPicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < h / 2; ++y)
        for (int x = 0; x < w / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

/// A small linear DNG of \a picture: 16-bit RGB in IFD 0 with the
/// \a orientation tag (none when 0) and colour matrices that make the camera's
/// colours sRGB, and \a preview as the JPEG in IFD 1, as cameras store theirs.
inline QByteArray linearDng(const QImage& picture, int orientation, const QByteArray& preview)
{
    ExifBuilder b(true);
    const auto srationals = [&](quint16 tag, const QVector<int>& values, int denominator) {
        QByteArray bytes;
        for (int v : values)
            bytes += b.u32(quint32(v)) + b.u32(quint32(denominator));
        return ExifEntry{tag, 10, quint32(values.size()), bytes};
    };
    const auto ifd0 = [&](quint32 pixelsAt) {
        const quint32 w = quint32(picture.width()), h = quint32(picture.height());
        QVector<ExifEntry> e{b.longs(0xFE, {0}), b.longs(0x100, {w}), b.longs(0x101, {h}),
                             b.shorts(0x102, {16, 16, 16}), b.shorts(0x103, {1}), b.shorts(0x106, {34892}),
                             b.longs(0x111, {pixelsAt})};
        if (orientation)
            e << b.shorts(0x112, {quint16(orientation)});
        e << b.shorts(0x115, {3}) << b.longs(0x116, {h}) << b.longs(0x117, {w * h * 6}) << b.shorts(0x11C, {1})
          << ExifEntry{0xC612, 1, 4, QByteArray("\x01\x04\x00\x00", 4)}
          << ExifEntry{0xC614, 2, 5, QByteArray("Test", 5)}
          << srationals(0xC621, {32406, -15372, -4986, -9689, 18758, 415, 557, -2040, 10570}, 10000)
          << ExifEntry{0xC628, 5, 3, b.u32(1) + b.u32(1) + b.u32(1) + b.u32(1) + b.u32(1) + b.u32(1)}
          << b.shorts(0xC65A, {21});
        return e;
    };
    // Where the pixels go is known once the rest is laid out.
    const int before = b.tiff(ifd0(0), {}, {}, preview, true).size();
    QByteArray dng = b.tiff(ifd0(quint32(before)), {}, {}, preview, true);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            // Linear light: the display's gamma undone, roughly.
            for (int c : {qRed(p), qGreen(p), qBlue(p)})
                dng += b.u16(quint16(65535.0 * std::pow(c / 255.0, 2.2)));
        }
    return dng;
}
