#include "vidweave/qexifimageheader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTransform>
#include <QtEndian>
#include <QtGlobal>

class QExifValuePrivate : public QSharedData
{
public:
    QExifValuePrivate(quint16 type, quint32 count) : type(type), count(count) {}
    virtual ~QExifValuePrivate() = default;

    quint16 type;
    quint32 count;
};

namespace {

template <typename T, int TypeCode>
class Values : public QExifValuePrivate
{
public:
    explicit Values(const QVector<T>& values, quint16 type = TypeCode)
        : QExifValuePrivate(type, quint32(values.size())), values(values)
    {
    }
    QVector<T> values;
};

// One class per stored type, as the tag types of the format.
using QExifByteValuePrivate = Values<quint8, QExifValue::Byte>;
using QExifShortValuePrivate = Values<quint16, QExifValue::Short>;
using QExifLongValuePrivate = Values<quint32, QExifValue::Long>;
using QExifSignedLongValuePrivate = Values<qint32, QExifValue::SignedLong>;
using QExifRationalValuePrivate = Values<QPair<quint32, quint32>, QExifValue::Rational>;
using QExifSignedRationalValuePrivate = Values<QPair<qint32, qint32>, QExifValue::SignedRational>;

class QExifAsciiValuePrivate : public QExifValuePrivate
{
public:
    explicit QExifAsciiValuePrivate(const QString& text)
        : QExifValuePrivate(QExifValue::Ascii, quint32(text.size())), text(text)
    {
    }
    QString text;
};

QExifValuePrivate* nullPrivate()
{
    static QExifValuePrivate* empty = [] {
        auto* d = new QExifValuePrivate(0, 0);
        d->ref.ref(); // never freed
        return d;
    }();
    return empty;
}

template <typename Private>
const Private* as(const QExifValuePrivate* d)
{
    return dynamic_cast<const Private*>(d);
}

} // namespace

QExifValue::QExifValue() : d(nullPrivate()) {}
QExifValue::QExifValue(const QVector<quint8>& bytes, int type)
    : d(new QExifByteValuePrivate(bytes, quint16(type == Undefined ? Undefined : Byte)))
{
}
QExifValue::QExifValue(const QString& ascii) : d(new QExifAsciiValuePrivate(ascii)) {}
QExifValue::QExifValue(const QVector<quint16>& shorts) : d(new QExifShortValuePrivate(shorts)) {}
QExifValue::QExifValue(const QVector<quint32>& longs) : d(new QExifLongValuePrivate(longs)) {}
QExifValue::QExifValue(const QVector<qint32>& values) : d(new QExifSignedLongValuePrivate(values)) {}
QExifValue::QExifValue(const QVector<QPair<quint32, quint32>>& values)
    : d(new QExifRationalValuePrivate(values))
{
}
QExifValue::QExifValue(const QVector<QPair<qint32, qint32>>& values)
    : d(new QExifSignedRationalValuePrivate(values))
{
}
QExifValue::QExifValue(const QExifValue& other) = default;
QExifValue& QExifValue::operator=(const QExifValue& other) = default;
QExifValue::~QExifValue() = default;

bool QExifValue::isNull() const { return d->type == 0; }
int QExifValue::type() const { return d->type; }
int QExifValue::count() const { return int(d->count); }

QVector<quint8> QExifValue::toByteVector() const
{
    const auto* v = as<QExifByteValuePrivate>(d.data());
    return v ? v->values : QVector<quint8>();
}

QByteArray QExifValue::toByteArray() const
{
    const QVector<quint8> bytes = toByteVector();
    return QByteArray(reinterpret_cast<const char*>(bytes.constData()), bytes.size());
}

QString QExifValue::toString() const
{
    const auto* v = as<QExifAsciiValuePrivate>(d.data());
    return v ? v->text : QString();
}

QVector<quint16> QExifValue::toShortVector() const
{
    const auto* v = as<QExifShortValuePrivate>(d.data());
    return v ? v->values : QVector<quint16>();
}

QVector<quint32> QExifValue::toLongVector() const
{
    const auto* v = as<QExifLongValuePrivate>(d.data());
    return v ? v->values : QVector<quint32>();
}

QVector<qint32> QExifValue::toSignedLongVector() const
{
    const auto* v = as<QExifSignedLongValuePrivate>(d.data());
    return v ? v->values : QVector<qint32>();
}

QVector<QPair<quint32, quint32>> QExifValue::toRationalVector() const
{
    const auto* v = as<QExifRationalValuePrivate>(d.data());
    return v ? v->values : QVector<QPair<quint32, quint32>>();
}

QVector<QPair<qint32, qint32>> QExifValue::toSignedRationalVector() const
{
    const auto* v = as<QExifSignedRationalValuePrivate>(d.data());
    return v ? v->values : QVector<QPair<qint32, qint32>>();
}

long QExifValue::toInteger() const
{
    if (d->count != 1)
        return 0;
    switch (d->type) {
    case Byte:
        return toByteVector().value(0);
    case Short:
        return toShortVector().value(0);
    case Long:
        return long(toLongVector().value(0));
    case SignedLong:
        return toSignedLongVector().value(0);
    default:
        return 0;
    }
}

namespace {

using Directory = QMap<quint16, QExifValue>;

const int maxPreviewSide = 4096;

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
    QByteArray raw;
    quint32 start = 0;
    if (inlined) {
        raw = h.inlineBytes.left(int(total));
    } else {
        if (!r.fits(h.offset, total))
            return QExifValue(); // points outside the block
        start = h.offset;
    }
    auto u16At = [&](quint32 i) {
        return inlined ? BlockReader(raw, r.little).u16(i * 2) : r.u16(start + i * 2);
    };
    auto u32At = [&](quint32 i) {
        return inlined ? BlockReader(raw, r.little).u32(i * 4) : r.u32(start + i * 4);
    };
    switch (h.type) {
    case QExifValue::Byte:
    case QExifValue::Undefined: {
        const QByteArray bytes = inlined ? raw : r.bytes(start, h.count);
        return QExifValue(QVector<quint8>(bytes.begin(), bytes.end()), h.type);
    }
    case QExifValue::Ascii: {
        const QByteArray text = inlined ? raw : r.bytes(start, h.count);
        return QExifValue(QString::fromLatin1(text.left(qMax(0, text.size() - 1))));
    }
    case QExifValue::Short: {
        QVector<quint16> v;
        for (quint32 i = 0; i < h.count; ++i)
            v << u16At(i);
        return QExifValue(v);
    }
    case QExifValue::Long: {
        QVector<quint32> v;
        for (quint32 i = 0; i < h.count; ++i)
            v << u32At(i);
        return QExifValue(v);
    }
    case QExifValue::SignedLong: {
        QVector<qint32> v;
        for (quint32 i = 0; i < h.count; ++i)
            v << qint32(u32At(i));
        return QExifValue(v);
    }
    case QExifValue::Rational: {
        QVector<QPair<quint32, quint32>> v;
        for (quint32 i = 0; i < h.count; ++i)
            v << qMakePair(r.u32(start + i * 8), r.u32(start + i * 8 + 4));
        return QExifValue(v);
    }
    default: {
        QVector<QPair<qint32, qint32>> v;
        for (quint32 i = 0; i < h.count; ++i)
            v << qMakePair(qint32(r.u32(start + i * 8)), qint32(r.u32(start + i * 8 + 4)));
        return QExifValue(v);
    }
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
    if (file.open(QIODevice::ReadOnly))
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
    for (;;) {
        const QByteArray marker = readExact(device, 2);
        if (marker.size() != 2)
            return false;
        if (marker == QByteArray("\xFF\xE1", 2))
            break;
        const QByteArray length = readExact(device, 2);
        if (length.size() != 2)
            return false;
        const int size = qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(length.constData()));
        // A length below 2 would step backwards for ever.
        if (size < 2 || !device->seek(device->pos() + size - 2) || device->atEnd())
            return false;
    }
    const QByteArray length = readExact(device, 2);
    if (length.size() != 2)
        return false;
    const int size = qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(length.constData()));
    if (size < 8 || readExact(device, 4) != "Exif" || readExact(device, 2).size() != 2)
        return false;
    return parseTiff(device->read(size - 8));
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
    if (const quint32 exif = pointer(d->imageDirectory, 0x8769))
        d->exifDirectory = readDirectory(r, exif, visited, &unused);
    d->exifDirectory.remove(0xA005);
    if (const quint32 gps = pointer(d->imageDirectory, 0x8825))
        d->gpsDirectory = readDirectory(r, gps, visited, &unused);
    if (ifd1 != 0) {
        const Directory thumb = readDirectory(r, ifd1, visited, &unused);
        const quint32 start = pointer(thumb, 0x201);
        const quint32 length = pointer(thumb, 0x202);
        if (start && length && r.fits(start, length)) {
            d->thumbnailJpeg = r.bytes(start, length);
            d->thumbnailXResolution = thumb.value(0x11A);
            d->thumbnailYResolution = thumb.value(0x11B);
            d->thumbnailResolutionUnit = thumb.value(0x128);
            d->thumbnailOrientation = thumb.value(0x112);
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
    const QExifValue tag = d->thumbnailOrientation.isNull() ? d->imageDirectory.value(0x112)
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
    return orientationNumber(d->imageDirectory.value(0x112));
}

int QExifImageHeader::fileOrientation(const QString& fileName)
{
    return QExifImageHeader(fileName).orientation();
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
