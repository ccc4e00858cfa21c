#include "exifbuilder.h"

#include "vidweave/qexifimageheader.h"

#include <QtTest>

namespace {

QByteArray previewJpeg(int w = 160, int h = 120)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    markedPicture(w, h).save(&buffer, "JPG", 95);
    return jpeg;
}

/// One entry of every type, some inline and some behind an offset.
QVector<ExifEntry> everyType(const ExifBuilder& b)
{
    QVector<ExifEntry> e;
    e << ExifEntry{0x10, 1, 3, QByteArray("\x01\x02\x03", 3)};
    e << ExifEntry{0x11, 1, 6, QByteArray("\x01\x02\x03\x04\x05\x06", 6)};
    e << ExifEntry{0x12, 2, 6, QByteArray("Hello\0", 6)};
    e << ExifEntry{0x13, 2, 4, QByteArray("abc\0", 4)};
    e << b.shorts(0x14, {7, 65535});
    e << b.shorts(0x15, {1, 2, 3});
    e << b.longs(0x16, {4000000000u});
    e << b.longs(0x17, {1, 2});
    e << ExifEntry{0x18, 5, 1, b.u32(72) + b.u32(1)};
    e << ExifEntry{0x19, 9, 1, b.u32(quint32(-5))};
    e << ExifEntry{0x1A, 10, 1, b.u32(quint32(-1)) + b.u32(3)};
    e << ExifEntry{0x1B, 7, 4, QByteArray("0230", 4)};
    e << ExifEntry{0x1C, 7, 8, QByteArray("ASCII\0\0\0", 8)};
    return e;
}

QExifImageHeader* parse(const QByteArray& bytes, bool* ok = nullptr)
{
    auto* header = new QExifImageHeader;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const bool parsed = header->parseJpeg(&buffer);
    if (ok)
        *ok = parsed;
    return header;
}

QByteArray fileWith(bool little, const QVector<ExifEntry>& ifd0, const QVector<ExifEntry>& ifd1,
                    bool withIfd1 = true, const QVector<ExifEntry>& exif = {})
{
    ExifBuilder b(little);
    return QByteArray("\xFF\xD8", 2) + app1(b.tiff(ifd0, exif, ifd1, previewJpeg(), withIfd1))
           + QByteArray("\xFF\xD9", 2);
}

} // namespace

class TestQExifImageHeader : public QObject
{
    Q_OBJECT

private slots:
    void bothByteOrdersReadTheSame_data()
    {
        QTest::addColumn<bool>("little");
        QTest::newRow("II") << true;
        QTest::newRow("MM") << false;
    }

    void bothByteOrdersReadTheSame()
    {
        QFETCH(bool, little);
        ExifBuilder b(little);
        bool ok = false;
        std::unique_ptr<QExifImageHeader> h(parse(fileWith(little, everyType(b), {}, false), &ok));
        QVERIFY(ok);
        QCOMPARE(h->imageValue(0x10).toByteVector(), (QVector<quint8>{1, 2, 3}));
        QCOMPARE(h->imageValue(0x11).toByteVector(), (QVector<quint8>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(h->imageValue(0x12).toString(), QString("Hello")); // count 6, zero dropped
        QCOMPARE(h->imageValue(0x12).type(), int(QExifValue::Ascii));
        QCOMPARE(h->imageValue(0x13).toString(), QString("abc"));
        QCOMPARE(h->imageValue(0x14).toShortVector(), (QVector<quint16>{7, 65535}));
        QCOMPARE(h->imageValue(0x15).toShortVector(), (QVector<quint16>{1, 2, 3}));
        QCOMPARE(h->imageValue(0x16).toLongVector(), QVector<quint32>{4000000000u});
        QCOMPARE(h->imageValue(0x17).toLongVector(), (QVector<quint32>{1, 2}));
        QCOMPARE(h->imageValue(0x18).toRationalVector().first(), qMakePair(72u, 1u));
        QCOMPARE(h->imageValue(0x19).toSignedLongVector(), QVector<qint32>{-5});
        QCOMPARE(h->imageValue(0x1A).toSignedRationalVector().first(), qMakePair(-1, 3));
        QCOMPARE(h->imageValue(0x1B).toByteArray(), QByteArray("0230"));
        QCOMPARE(h->imageValue(0x1C).type(), int(QExifValue::Undefined));
        QCOMPARE(h->imageValue(0x1C).toByteArray(), QByteArray("ASCII\0\0\0", 8));
        QVERIFY(h->imageValue(0x99).isNull());
        QVERIFY(h->thumbnailImage().isNull()); // no IFD 1
    }

    void toInteger_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<long>("value");
        QTest::newRow("byte, one") << 0 << 9L;
        QTest::newRow("short, one") << 1 << 65535L;
        QTest::newRow("short, two") << 2 << 0L;
        QTest::newRow("long, one") << 3 << 4000000000L;
        QTest::newRow("signed long") << 4 << -7L;
        QTest::newRow("rational") << 5 << 0L;
        QTest::newRow("null") << 6 << 0L;
    }

    void toInteger()
    {
        QFETCH(int, index);
        QFETCH(long, value);
        const QExifValue values[] = {QExifValue(QVector<quint8>{9}),
                                     QExifValue(QVector<quint16>{65535}),
                                     QExifValue(QVector<quint16>{1, 2}),
                                     QExifValue(QVector<quint32>{4000000000u}),
                                     QExifValue(QVector<qint32>{-7}),
                                     QExifValue(QVector<QPair<quint32, quint32>>{{1, 2}}),
                                     QExifValue()};
        QCOMPARE(values[index].toInteger(), value);
    }

    void subDirectoriesAndPreviewTags()
    {
        ExifBuilder b(true);
        const QVector<ExifEntry> exif{b.longs(0xA002, {6000}), b.shorts(0xA003, {4000}),
                                      b.longs(0xA005, {0})};
        bool ok = false;
        std::unique_ptr<QExifImageHeader> h(
            parse(fileWith(true, {}, {b.shorts(0x128, {2})}, true, exif), &ok));
        QVERIFY(ok);
        QCOMPARE(h->exifValue(0xA002).toInteger(), 6000L);
        QCOMPARE(h->exifValue(0xA003).toInteger(), 4000L);
        QVERIFY(h->exifValue(0xA005).isNull()); // the interoperability pointer is dropped
        QCOMPARE(h->thumbnailImage().size(), QSize(160, 120));
    }

    void previewOrientation_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("inPreview");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("red"); // where the red corner ends up
        QTest::newRow("1") << 1 << true << QSize(160, 120) << QPoint(0, 0);
        QTest::newRow("2 mirrored") << 2 << true << QSize(160, 120) << QPoint(159, 0);
        QTest::newRow("3 half turn") << 3 << true << QSize(160, 120) << QPoint(159, 119);
        QTest::newRow("4 flipped") << 4 << true << QSize(160, 120) << QPoint(0, 119);
        QTest::newRow("5") << 5 << true << QSize(120, 160) << QPoint(0, 0);
        QTest::newRow("6 quarter") << 6 << true << QSize(120, 160) << QPoint(119, 0);
        QTest::newRow("7") << 7 << true << QSize(120, 160) << QPoint(119, 159);
        QTest::newRow("8 three quarters") << 8 << true << QSize(120, 160) << QPoint(0, 159);
        QTest::newRow("0 unchanged") << 0 << true << QSize(160, 120) << QPoint(0, 0);
        QTest::newRow("9 unchanged") << 9 << true << QSize(160, 120) << QPoint(0, 0);
        QTest::newRow("the picture's own, 6") << 6 << false << QSize(120, 160) << QPoint(119, 0);
    }

    void previewOrientation()
    {
        QFETCH(int, orientation);
        QFETCH(bool, inPreview);
        QFETCH(QSize, size);
        QFETCH(QPoint, red);
        ExifBuilder b(false);
        const QVector<ExifEntry> tag{b.shorts(0x112, {quint16(orientation)})};
        std::unique_ptr<QExifImageHeader> h(
            parse(fileWith(false, inPreview ? QVector<ExifEntry>{} : tag, inPreview ? tag : QVector<ExifEntry>{})));
        const QImage thumb = h->thumbnailImage();
        QCOMPARE(thumb.size(), size);
        const QColor c = thumb.pixelColor(red);
        QVERIFY2(c.red() > 200 && c.blue() < 60, qPrintable(c.name()));
    }

    void orientationOfEveryIntegerType_data()
    {
        QTest::addColumn<bool>("little");
        QTest::addColumn<int>("type");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("expected");
        for (bool little : {true, false})
            for (int type : {int(QExifValue::Short), int(QExifValue::Long), int(QExifValue::SignedLong)}) {
                for (quint32 value = 1; value <= 8; ++value)
                    QTest::addRow("%s, type %d, %u", little ? "II" : "MM", type, value)
                        << little << type << value << int(value);
                QTest::addRow("%s, type %d, 9", little ? "II" : "MM", type) << little << type << 9u << 0;
                QTest::addRow("%s, type %d, 65542", little ? "II" : "MM", type)
                    << little << type << 65542u << 0;
            }
        QTest::newRow("SLONG -6") << true << int(QExifValue::SignedLong) << quint32(-6) << 0;
        QTest::newRow("RATIONAL is no orientation")
            << true << int(QExifValue::Rational) << 6u << 0;
    }
    void orientationOfEveryIntegerType()
    {
        QFETCH(bool, little);
        QFETCH(int, type);
        QFETCH(quint32, value);
        QFETCH(int, expected);
        ExifBuilder b(little);
        QByteArray bytes;
        if (type == QExifValue::Short) {
            if (value > 0xFFFF)
                QSKIP("does not fit a SHORT");
            bytes = b.u16(quint16(value)) + QByteArray(2, 0);
        } else {
            bytes = b.u32(value) + (type == QExifValue::Rational ? b.u32(1) : QByteArray());
        }
        const ExifEntry tag{0x112, quint16(type), 1, bytes};
        std::unique_ptr<QExifImageHeader> h(parse(fileWith(little, {tag}, {}, false)));
        QCOMPARE(h->orientation(), expected);
        QCOMPARE(h->previewOrientation(), expected);
    }

    void noPreviewWhenItsStartIsAShort()
    {
        ExifBuilder b(true);
        QByteArray tiff = b.tiff({}, {}, {}, previewJpeg(), true);
        // Turn the 0x201 entry's type from LONG into SHORT in place.
        const int at = tiff.indexOf(b.u16(0x201) + b.u16(4));
        QVERIFY(at > 0);
        tiff.replace(at + 2, 2, b.u16(3));
        bool ok = false;
        std::unique_ptr<QExifImageHeader> h(
            parse(QByteArray("\xFF\xD8", 2) + app1(tiff), &ok));
        QVERIFY(ok);
        QVERIFY(h->thumbnailImage().isNull());
    }

    void streamsWithoutAnExifBlock_data()
    {
        ExifBuilder b(true);
        const QByteArray exif = app1(b.tiff({}, {}, {}, previewJpeg(), true));
        QByteArray xmpLength(2, 0);
        qToBigEndian(quint16(2 + 30), xmpLength.data());
        const QByteArray xmp = QByteArray("\xFF\xE1", 2) + xmpLength
                               + QByteArray("http://ns.adobe.com/xap/1.0/\0\0", 30);
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no start of image") << QByteArray("\xFF\xD9", 2) + exif;
        QTest::newRow("XMP alone") << QByteArray("\xFF\xD8", 2) + xmp;
        QTest::newRow("EXIF after the start of scan")
            << QByteArray("\xFF\xD8\xFF\xDA\x00\x02", 6) + exif;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no APP1") << QByteArray("\xFF\xD8\xFF\xE0\x00\x04" "ab", 8);
        QTest::newRow("segment length below 2") << QByteArray("\xFF\xD8\xFF\xE0\x00\x00", 6);
        QTest::newRow("bad byte order") << QByteArray("\xFF\xD8", 2) + app1("XX" + b.u16(42) + b.u32(8));
        QTest::newRow("bad magic") << QByteArray("\xFF\xD8", 2) + app1("II" + b.u16(43) + b.u32(8));
    }

    void streamsWithoutAnExifBlock()
    {
        QFETCH(QByteArray, bytes);
        bool ok = true;
        std::unique_ptr<QExifImageHeader> h(parse(bytes, &ok));
        QVERIFY(!ok);
        QVERIFY(h->thumbnailImage().isNull());
        QVERIFY(h->imageValue(0x112).isNull());
    }

    // Cameras and editors put XMP (or another APP1) before the EXIF block.
    void exifAfterOtherApp1Segments_data()
    {
        QTest::addColumn<bool>("little");
        QTest::addColumn<QByteArray>("before");
        const QByteArray xmp = app1Segment(QByteArrayLiteral("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>"));
        const QByteArray other = app1Segment(QByteArrayLiteral("MakerNotes\0\x01\x02"));
        for (bool little : {true, false}) {
            const char* order = little ? "II" : "MM";
            QTest::addRow("%s, XMP first", order) << little << xmp;
            QTest::addRow("%s, XMP and another APP1 first", order) << little << xmp + other;
            QTest::addRow("%s, EXIF first", order) << little << QByteArray();
        }
    }

    void exifAfterOtherApp1Segments()
    {
        QFETCH(bool, little);
        QFETCH(QByteArray, before);
        ExifBuilder b(little);
        const QVector<ExifEntry> turned{b.shorts(0x112, {6})};
        const QByteArray exif = app1(b.tiff(turned, {}, turned, previewJpeg(), true));
        QTemporaryDir dir;
        const QString photo = dir.filePath("photo.jpg");
        QFile file(photo);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(jpegWith(markedPicture(64, 48), before + exif));
        file.close();
        // The video and the tiles both ask this.
        QCOMPARE(QExifImageHeader::fileOrientation(photo), 6);
        const QImage preview = QExifImageHeader(photo).thumbnailImage();
        QCOMPARE(preview.size(), QSize(120, 160));
        const QColor c = preview.pixelColor(119, 0);
        QVERIFY2(c.red() > 200 && c.blue() < 60, qPrintable(c.name()));
    }

    void damagedBlocksStayInside_data()
    {
        ExifBuilder b(true);
        QTest::addColumn<QByteArray>("tiff");
        const QByteArray whole = b.tiff(everyType(b), {}, {}, previewJpeg(), true);
        for (int cut : {9, 20, 60, 120, 200, whole.size() - 100})
            QTest::newRow(qPrintable(QString("cut at %1").arg(cut))) << whole.left(cut);
        QByteArray pastEnd = b.tiff({ExifEntry{0x11, 1, 6, QByteArray("\x01\x02\x03\x04\x05\x06", 6)}},
                                    {}, {}, {}, false);
        pastEnd.replace(8 + 2 + 8, 4, b.u32(0xFFFFFF00)); // the value's offset
        QTest::newRow("offset past the end") << pastEnd;
        QByteArray hugeCount = b.tiff({b.longs(0x16, {1})}, {}, {}, {}, false);
        hugeCount.replace(8 + 2 + 4, 4, b.u32(0x40000000)); // a billion LONGs
        QTest::newRow("count beyond the block") << hugeCount;
        QByteArray manyEntries = b.tiff({b.longs(0x16, {1})}, {}, {}, {}, false);
        manyEntries.replace(8, 2, b.u16(0xFFFF));
        QTest::newRow("entry count beyond the block") << manyEntries;
        QByteArray loop = b.tiff({b.longs(0x16, {1})}, {}, {}, {}, false);
        loop.replace(8 + 2 + 12, 4, b.u32(8)); // IFD 1 is IFD 0 again
        QTest::newRow("directories in a loop") << loop;
    }

    void damagedBlocksStayInside()
    {
        QFETCH(QByteArray, tiff);
        std::unique_ptr<QExifImageHeader> h(parse(QByteArray("\xFF\xD8", 2) + app1(tiff)));
        // Whatever was read lies inside the block; nothing more is promised.
        const QExifValue v = h->imageValue(0x11);
        QVERIFY(v.isNull() || v.count() == 6);
        QVERIFY(h->imageValue(0x16).isNull() || h->imageValue(0x16).count() == 1);
        h->thumbnailImage();
    }

    void previewClaimingAHugeSizeIsNotDecoded()
    {
        QByteArray preview = previewJpeg();
        const int sof = preview.indexOf(QByteArray("\xFF\xC0", 2));
        QVERIFY(sof > 0);
        ExifBuilder big(false); // frame sizes are big-endian in a JPEG
        preview.replace(sof + 5, 4, big.u16(30000) + big.u16(30000));
        ExifBuilder b(true);
        std::unique_ptr<QExifImageHeader> h(
            parse(QByteArray("\xFF\xD8", 2) + app1(b.tiff({}, {}, {}, preview, true))));
        QVERIFY(h->thumbnailImage().isNull());
    }

    void unsupportedTypeWarns()
    {
        ExifBuilder b(true);
        QTest::ignoreMessage(QtWarningMsg, "Invalid Ifd Type 6");
        std::unique_ptr<QExifImageHeader> h(
            parse(fileWith(true, {ExifEntry{0x30, 6, 1, QByteArray("\x05", 1)}}, {}, false)));
        QVERIFY(h->imageValue(0x30).isNull());
    }

    void unreadableFile()
    {
        const QExifImageHeader h(QStringLiteral("/no/such/photo.jpg"));
        QVERIFY(h.thumbnailImage().isNull());
        QVERIFY(h.exifValue(0xA002).isNull());
    }
};

QTEST_MAIN(TestQExifImageHeader)
#include "tst_qexifimageheader.moc"
