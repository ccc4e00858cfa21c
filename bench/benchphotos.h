#pragma once

// Camera-like JPEGs for the benchmarks: 4000x3000 with a stored 160x120
// preview and the pixel size tags, as cameras write them.
#include "exifbuilder.h"

#include <QDir>
#include <QFile>
#include <QStringList>

inline QStringList makeCameraPhotos(const QString& dir, int count)
{
    QImage photo(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = qRgb((x / 7) & 255, (y / 5) & 255, ((x + y) / 11) & 255);
    }
    QByteArray body;
    QBuffer buffer(&body);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "JPG", 85);
    QStringList files;
    ExifBuilder b(true);
    const QVector<ExifEntry> exif{b.longs(0xA002, {4000}), b.longs(0xA003, {3000})};
    for (int i = 0; i < count; ++i) {
        QImage preview(160, 120, QImage::Format_RGB32);
        preview.fill(QColor::fromHsv(i % 360, 200, 220));
        QByteArray jpeg;
        QBuffer previewBuffer(&jpeg);
        previewBuffer.open(QIODevice::WriteOnly);
        preview.save(&previewBuffer, "JPG", 80);
        const QString path = QDir(dir).filePath(QString("IMG_%1.jpg").arg(i, 4, 10, QChar('0')));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(body.left(2) + app1(b.tiff({}, exif, {}, jpeg, true)) + body.mid(2));
        files << path;
    }
    return files;
}
