#pragma once

#include "vidweave/vidweave_export.h"

#include <QByteArray>
#include <QExplicitlySharedDataPointer>
#include <QPair>
#include <QString>
#include <QVector>

class QExifValuePrivate;

/// One EXIF tag value; copies share their data. The default value is null.
class VIDWEAVE_EXPORT QExifValue
{
public:
    enum Type {
        Byte = 1,
        Ascii = 2,
        Short = 3,
        Long = 4,
        Rational = 5,
        Undefined = 7,
        SignedLong = 9,
        SignedRational = 10
    };

    QExifValue();
    explicit QExifValue(const QVector<quint8>& bytes, int type = Byte);
    explicit QExifValue(const QString& ascii);
    explicit QExifValue(const QVector<quint16>& shorts);
    explicit QExifValue(const QVector<quint32>& longs);
    explicit QExifValue(const QVector<qint32>& signedLongs);
    explicit QExifValue(const QVector<QPair<quint32, quint32>>& rationals);
    explicit QExifValue(const QVector<QPair<qint32, qint32>>& signedRationals);
    QExifValue(const QExifValue& other);
    QExifValue& operator=(const QExifValue& other);
    ~QExifValue();

    bool isNull() const;
    int type() const;
    int count() const;

    QVector<quint8> toByteVector() const;
    QByteArray toByteArray() const;
    QString toString() const;
    QVector<quint16> toShortVector() const;
    QVector<quint32> toLongVector() const;
    QVector<qint32> toSignedLongVector() const;
    QVector<QPair<quint32, quint32>> toRationalVector() const;
    QVector<QPair<qint32, qint32>> toSignedRationalVector() const;

    /// The single element of a one-element BYTE, SHORT, LONG or SLONG value;
    /// 0 for anything else.
    long toInteger() const;

private:
    QExplicitlySharedDataPointer<QExifValuePrivate> d;
};
