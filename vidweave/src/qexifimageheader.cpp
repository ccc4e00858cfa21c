#include "vidweave/qexifimageheader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTransform>
#include <QtEndian>
#include <QtGlobal>

#include <algorithm>
#include <climits>

namespace {

using Directory = QMap<quint16, QExifValue>;

// The tags the reader itself acts on.
enum Tag : quint16 {
    Orientation = 0x0112,
    XResolution = 0x011A,
    YResolution = 0x011B,
    ResolutionUnit = 0x0128,
    PreviewStart = 0x0201, // JPEGInterchangeFormat: offset of the embedded preview
    PreviewLength = 0x0202, // JPEGInterchangeFormatLength
    ExifDirectory = 0x8769,
    GpsDirectory = 0x8825,
    // Points at the interoperability directory, which only names the rule
    // set the file follows. Nothing here needs it, so it is not followed:
    // one directory fewer read at an offset taken from the file.
    InteroperabilityDirectory = 0xA005,
};

const int maxPreviewSide = 4096;
// An EXIF block outside JPEG has no 64 KiB limit; more than this is no metadata.
const quint32 maxBlock = 4 * 1024 * 1024;

/// Bounds-checked reads from the EXIF block in its byte order.
class BlockReader
{
public:
    BlockReader(const QByteArray& block, bool littleEndian) : block(block), little(littleEndian) {}

    bool fits(quint64 offset, quint64 length) const
    {
        return offset <= quint64(block.size()) && length <= quint64(block.size()) - offset;
    }
    quint16 u16(quint32 offset) const
    {
        const auto* p = reinterpret_cast<const uchar*>(block.constData()) + offset;
        return little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
    }
    quint32 u32(quint32 offset) const
    {
        const auto* p = reinterpret_cast<const uchar*>(block.constData()) + offset;
        return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
    }
    QByteArray bytes(quint32 offset, quint32 length) const { return block.mid(int(offset), int(length)); }

    const QByteArray& block;
    bool little;
};

int elementSize(quint16 type)
{
    switch (type) {
    case QExifValue::Byte:
    case QExifValue::Ascii:
    case QExifValue::Undefined:
        return 1;
    case QExifValue::Short:
        return 2;
    case QExifValue::Long:
    case QExifValue::SignedLong:
        return 4;
    case QExifValue::Rational:
    case QExifValue::SignedRational:
        return 8;
    default:
        return 0;
    }
}

/// The directory's entries, or none when the directory does not fit.
QVector<ExifIfdHeader> readEntries(const BlockReader& r, quint32 offset, quint32* next)
{
    QVector<ExifIfdHeader> entries;
    *next = 0;
    if (!r.fits(offset, 2))
        return entries;
    const quint16 count = r.u16(offset);
    if (!r.fits(quint64(offset) + 2, quint64(count) * 12))
        return entries; // a count beyond the block: treated as empty
    for (quint32 i = 0; i < count; ++i) {
        const quint32 at = offset + 2 + i * 12;
        ExifIfdHeader h;
        h.tag = r.u16(at);
        h.type = r.u16(at + 2);
        h.count = r.u32(at + 4);
        h.inlineBytes = r.bytes(at + 8, 4);
        h.offset = r.u32(at + 8);
        entries.append(h);
    }
    const quint64 after = quint64(offset) + 2 + quint64(count) * 12;
    if (r.fits(after, 4))
        *next = r.u32(quint32(after));
    return entries;
}

template <typename T>
T element(const BlockReader& r, quint32 at);
template <>
quint16 element<quint16>(const BlockReader& r, quint32 at)
{
    return r.u16(at);
}
template <>
quint32 element<quint32>(const BlockReader& r, quint32 at)
{
    return r.u32(at);
}
template <>
qint32 element<qint32>(const BlockReader& r, quint32 at)
{
    return qint32(r.u32(at));
}
template <>
QPair<quint32, quint32> element<QPair<quint32, quint32>>(const BlockReader& r, quint32 at)
{
    return qMakePair(r.u32(at), r.u32(at + 4));
}
template <>
QPair<qint32, qint32> element<QPair<qint32, qint32>>(const BlockReader& r, quint32 at)
{
    return qMakePair(qint32(r.u32(at)), qint32(r.u32(at + 4)));
}

/// \a count values of type T from \a start, each elementSize() bytes long.
template <typename T>
QExifValue readValues(const BlockReader& r, quint32 start, quint32 count, int size)
{
    QVector<T> values;
    values.reserve(int(count));
    for (quint32 i = 0; i < count; ++i)
        values << element<T>(r, start + i * quint32(size));
    return QExifValue(values);
}

QExifValue readIfdValue(const BlockReader& r, const ExifIfdHeader& h)
{
    const int size = elementSize(h.type);
    if (size == 0) {
        qWarning("Invalid Ifd Type %d", int(h.type));
        return QExifValue();
    }
    const quint64 total = quint64(h.count) * quint64(size);
    const bool inlined = total <= 4 && h.type != QExifValue::Rational
                         && h.type != QExifValue::SignedRational;
    if (!inlined && !r.fits(h.offset, total))
        return QExifValue(); // points outside the block
    // A value of up to four bytes stands in the entry itself.
    const QByteArray inlineBlock = h.inlineBytes.left(int(total));
    const BlockReader source = inlined ? BlockReader(inlineBlock, r.little) : r;
    const quint32 start = inlined ? 0 : h.offset;
    switch (h.type) {
    case QExifValue::Byte:
    case QExifValue::Undefined: {
        const QByteArray bytes = source.bytes(start, h.count);
        return QExifValue(QVector<quint8>(bytes.begin(), bytes.end()), h.type);
    }
    case QExifValue::Ascii: {
        const QByteArray text = source.bytes(start, h.count);
        return QExifValue(QString::fromLatin1(text.left(qMax(0, text.size() - 1))));
    }
    case QExifValue::Short:
        return readValues<quint16>(source, start, h.count, size);
    case QExifValue::Long:
        return readValues<quint32>(source, start, h.count, size);
    case QExifValue::SignedLong:
        return readValues<qint32>(source, start, h.count, size);
    case QExifValue::Rational:
        return readValues<QPair<quint32, quint32>>(source, start, h.count, size);
    default:
        return readValues<QPair<qint32, qint32>>(source, start, h.count, size);
    }
}

Directory readDirectory(const BlockReader& r, quint32 offset, QSet<quint32>& visited,
                        quint32* next)
{
    Directory dir;
    *next = 0;
    if (visited.contains(offset))
        return dir; // directories pointing at each other are read once
    visited.insert(offset);
    for (const ExifIfdHeader& h : readEntries(r, offset, next))
        dir[h.tag] = readIfdValue(r, h);
    return dir;
}

quint32 pointer(const Directory& dir, quint16 tag)
{
    const QExifValue v = dir.value(tag);
    return v.type() == QExifValue::Long && v.count() == 1 ? v.toLongVector().first() : 0;
}

// Writers store the tag as SHORT, but LONG and SLONG occur in the wild.
int orientationNumber(const QExifValue& v)
{
    const long value = v.toInteger();
    return value >= 1 && value <= 8 ? int(value) : 0;
}

QByteArray readExact(QIODevice* device, qint64 size)
{
    const QByteArray data = device->read(size);
    return data.size() == size ? data : QByteArray();
}


/// The numbers of a SHORT, LONG or IFD entry (at most \a most of them).
QVector<quint32> entryNumbers(const BlockReader& r, const ExifIfdHeader& h, quint32 most)
{
    QVector<quint32> numbers;
    const bool shorts = h.type == QExifValue::Short;
    if (!shorts && h.type != QExifValue::Long && h.type != 13) // 13: an IFD offset
        return numbers;
    const quint32 count = std::min(h.count, most);
    const quint64 total = quint64(h.count) * (shorts ? 2 : 4);
    const BlockReader inlineSource(h.inlineBytes, r.little);
    const BlockReader& source = total <= 4 ? inlineSource : r;
    const quint32 start = total <= 4 ? 0 : h.offset;
    if (!source.fits(start, quint64(count) * (shorts ? 2 : 4)))
        return numbers;
    for (quint32 i = 0; i < count; ++i)
        numbers << (shorts ? source.u16(start + 2 * i) : source.u32(start + 4 * i));
    return numbers;
}

/// What a directory of a camera file says about a JPEG stored in it.
struct CameraDirectory
{
    QMap<quint16, QVector<quint32>> numbers;
    quint32 first(quint16 tag) const { return numbers.value(tag).value(0); }
};

CameraDirectory readCameraDirectory(const BlockReader& r, quint32 offset, quint32* next)
{
    CameraDirectory dir;
    for (const ExifIfdHeader& h : readEntries(r, offset, next))
        if (h.tag == 0x103 || h.tag == 0x111 || h.tag == 0x117 || h.tag == 0x14A || h.tag == Orientation
            || h.tag == PreviewStart || h.tag == PreviewLength)
            dir.numbers[h.tag] = entryNumbers(r, h, 8);
    return dir;
}

/// The JPEG streams a directory points at: a JPEG preview, or a single
/// strip compressed as JPEG (a camera's full-size preview).
QVector<QPair<quint32, quint32>> storedJpegs(const CameraDirectory& dir)
{
    QVector<QPair<quint32, quint32>> found;
    if (dir.first(PreviewStart) && dir.first(PreviewLength))
        found << qMakePair(dir.first(PreviewStart), dir.first(PreviewLength));
    const quint32 compression = dir.first(0x103);
    if ((compression == 6 || compression == 7) && dir.numbers.value(0x111).size() == 1
        && dir.numbers.value(0x117).size() == 1)
        found << qMakePair(dir.first(0x111), dir.first(0x117));
    return found;
}

/// Whether \a jpeg is one Qt's reader decodes (not the lossless kind that
/// holds a camera's sensor data) and small enough to be a preview.
QSize previewSize(const QByteArray& jpeg)
{
    if (!jpeg.startsWith("\xFF\xD8"))
        return {};
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&buffer, "JPG").size();
    return size.width() > 0 && size.height() > 0 && size.width() <= 3 * maxPreviewSide
                   && size.height() <= 3 * maxPreviewSide
               ? size
               : QSize();
}

} // namespace

struct QExifImageHeader::Private
{
    int byteOrder = 0;
    Directory imageDirectory;
    Directory exifDirectory;
    Directory gpsDirectory;
    QByteArray thumbnailJpeg;
    QExifValue thumbnailXResolution;
    QExifValue thumbnailYResolution;
    QExifValue thumbnailResolutionUnit;
    QExifValue thumbnailOrientation;
};

QExifImageHeader::QExifImageHeader() : d(new Private) {}

QExifImageHeader::QExifImageHeader(const QString& fileName) : d(new Private)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray magic = file.peek(12);
    if (magic.startsWith("RIFF") && magic.mid(8, 4) == "WEBP")
        parseWebp(&file);
    else
        parseJpeg(&file);
}

QExifImageHeader::~QExifImageHeader()
{
    delete d;
}

void QExifImageHeader::clear()
{
    *d = Private();
}

bool QExifImageHeader::parseJpeg(QIODevice* device)
{
    clear();
    if (!device || readExact(device, 2) != QByteArray("\xFF\xD8", 2))
        return false;
    // Any APP1 may come first (XMP often does): look at each until the EXIF one.
    for (;;) {
        const QByteArray marker = readExact(device, 2);
        // Metadata stands before the image data, whose bytes carry no lengths.
        if (marker.size() != 2 || marker == QByteArray("\xFF\xDA", 2)
            || marker == QByteArray("\xFF\xD9", 2))
            return false;
        const QByteArray length = readExact(device, 2);
        if (length.size() != 2)
            return false;
        const int size = qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(length.constData()));
        // A length below 2 would step backwards for ever.
        if (size < 2)
            return false;
        const qint64 next = device->pos() + size - 2;
        if (marker == QByteArray("\xFF\xE1", 2) && size >= 8
            && readExact(device, 6).startsWith("Exif")) // then two bytes, zero by rule
            return parseTiff(device->read(size - 8));
        if (!device->seek(next) || device->atEnd())
            return false;
    }
}

bool QExifImageHeader::parseWebp(QIODevice* device)
{
    clear();
    const QByteArray head = readExact(device, 12);
    if (!head.startsWith("RIFF") || head.mid(8, 4) != "WEBP")
        return false;
    // Chunks follow one another, each padded to an even length.
    for (;;) {
        const QByteArray chunk = readExact(device, 8);
        if (chunk.size() != 8)
            return false;
        const quint32 size = qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(chunk.constData()) + 4);
        if (chunk.startsWith("EXIF")) {
            if (size > maxBlock)
                return false;
            QByteArray block = readExact(device, size);
            // Some writers keep the "Exif" heading of the JPEG segment.
            if (block.startsWith(QByteArray("Exif\0\0", 6)))
                block.remove(0, 6);
            return parseTiff(block);
        }
        if (!device->seek(device->pos() + size + (size & 1)) || device->atEnd())
            return false;
    }
}

bool QExifImageHeader::parseTiff(const QByteArray& block)
{
    if (block.size() < 8)
        return false;
    const QByteArray order = block.left(2);
    if (order != "II" && order != "MM")
        return false;
    const BlockReader r(block, order == "II");
    if (r.u16(2) != 42)
        return false;
    d->byteOrder = order == "II" ? 1 : 0;

    QSet<quint32> visited;
    quint32 ifd1 = 0;
    quint32 unused = 0;
    d->imageDirectory = readDirectory(r, r.u32(4), visited, &ifd1);
    if (const quint32 exif = pointer(d->imageDirectory, ExifDirectory))
        d->exifDirectory = readDirectory(r, exif, visited, &unused);
    d->exifDirectory.remove(InteroperabilityDirectory);
    if (const quint32 gps = pointer(d->imageDirectory, GpsDirectory))
        d->gpsDirectory = readDirectory(r, gps, visited, &unused);
    if (ifd1 != 0) {
        const Directory thumb = readDirectory(r, ifd1, visited, &unused);
        const quint32 start = pointer(thumb, PreviewStart);
        const quint32 length = pointer(thumb, PreviewLength);
        if (start && length && r.fits(start, length)) {
            d->thumbnailJpeg = r.bytes(start, length);
            d->thumbnailXResolution = thumb.value(XResolution);
            d->thumbnailYResolution = thumb.value(YResolution);
            d->thumbnailResolutionUnit = thumb.value(ResolutionUnit);
            d->thumbnailOrientation = thumb.value(Orientation);
        }
    }
    return true;
}

QExifValue QExifImageHeader::exifValue(int tag) const
{
    return d->exifDirectory.value(quint16(tag));
}

QExifValue QExifImageHeader::imageValue(int tag) const
{
    return d->imageDirectory.value(quint16(tag));
}

QExifValue QExifImageHeader::gpsValue(int tag) const
{
    return d->gpsDirectory.value(quint16(tag));
}

int QExifImageHeader::previewOrientation() const
{
    // The preview's own orientation, else the main picture's, so that the
    // preview stands as upright as the picture does in the video.
    const QExifValue tag = d->thumbnailOrientation.isNull() ? d->imageDirectory.value(Orientation)
                                                            : d->thumbnailOrientation;
    return tag.isNull() ? 0 : orientationNumber(tag);
}

QImage QExifImageHeader::thumbnailImage() const
{
    if (d->thumbnailJpeg.isEmpty())
        return QImage();
    QBuffer buffer(&d->thumbnailJpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "JPG");
    // A preview is small; a header claiming more is not decoded.
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxPreviewSide || size.height() > maxPreviewSide)
        return QImage();
    QImage image = reader.read();
    if (image.isNull())
        return QImage();
    return orient(image, previewOrientation());
}

int QExifImageHeader::orientation() const
{
    return orientationNumber(d->imageDirectory.value(Orientation));
}

int QExifImageHeader::fileOrientation(const QString& fileName)
{
    return QExifImageHeader(fileName).orientation();
}

QByteArray QExifImageHeader::cameraPreview(const QString& fileName, int* orientation)
{
    *orientation = 0;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16 || file.size() > INT_MAX)
        return {};
    const uchar* mapped = file.map(0, file.size());
    if (!mapped)
        return {};
    // Only the directories and the preview are read from the mapped file.
    return cameraPreview(QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), int(file.size())),
                         orientation);
}

QByteArray QExifImageHeader::cameraPreview(const QByteArray& data, int* orientation)
{
    *orientation = 0;
    if (data.size() < 16)
        return {};
    const QByteArray order = data.left(2);
    const BlockReader r(data, order == "II");
    // TIFF's 42, or the marks Olympus ("RO") and Panasonic (0x55) put there.
    const quint16 mark = (order == "II" || order == "MM") ? r.u16(2) : 0;
    if (mark != 42 && mark != 0x4F52 && mark != 0x5352 && mark != 0x55)
        return {};
    QVector<quint32> directories{r.u32(4)};
    QSet<quint32> visited;
    QPair<quint32, quint32> best;
    QSize bestSize;
    // The chain of directories and their sub-directories, each read once.
    for (int i = 0; i < directories.size() && i < 32; ++i) {
        const quint32 offset = directories.at(i);
        if (offset == 0 || visited.contains(offset))
            continue;
        visited.insert(offset);
        quint32 next = 0;
        const CameraDirectory dir = readCameraDirectory(r, offset, &next);
        if (i == 0)
            *orientation = dir.first(Orientation) >= 1 && dir.first(Orientation) <= 8 ? int(dir.first(Orientation)) : 0;
        directories << next << dir.numbers.value(0x14A);
        for (const auto& stream : storedJpegs(dir)) {
            if (!r.fits(stream.first, stream.second))
                continue;
            const QSize size = previewSize(r.bytes(stream.first, stream.second));
            if (size.isValid() && qint64(size.width()) * size.height() > qint64(bestSize.width()) * bestSize.height()) {
                best = stream;
                bestSize = size;
            }
        }
    }
    return bestSize.isValid() ? QByteArray(data.constData() + best.first, int(best.second)) : QByteArray();
}

QImage QExifImageHeader::orient(const QImage& image, int orientation)
{
    QTransform t;
    switch (orientation) {
    case 2: t.rotate(180, Qt::YAxis); break;
    case 3: t.rotate(180, Qt::ZAxis); break;
    case 4: t.rotate(180, Qt::XAxis); break;
    case 5: t.rotate(180, Qt::YAxis).rotate(90, Qt::ZAxis); break;
    case 6: t.rotate(90, Qt::ZAxis); break;
    case 7: t.rotate(180, Qt::XAxis).rotate(90, Qt::ZAxis); break;
    case 8: t.rotate(270, Qt::ZAxis); break;
    default: return image;
    }
    return image.transformed(t, Qt::FastTransformation);
}
