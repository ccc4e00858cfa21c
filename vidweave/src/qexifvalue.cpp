#include "vidweave/qexifvalue.h"

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
