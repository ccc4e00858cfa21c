#include "core/photoformats.h"

#include "core/slideinput.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

const QStringList& cameraRawSuffixes()
{
    static const QStringList suffixes{"3fr", "arw", "cr2", "cr3", "crw", "dcr", "dng", "erf", "iiq",
                                      "k25", "kdc", "mef", "mos", "mrw", "nef", "nrw", "orf", "pef",
                                      "raf", "raw", "rw2", "rwl", "sr2", "srf", "srw", "x3f"};
    return suffixes;
}

QStringList wantedSuffixes()
{
    QStringList suffixes{"jpg", "jpeg", "png", "gif", "webp", "tif", "tiff", "heic", "heif", "avif", "jxl"};
    return suffixes + cameraRawSuffixes();
}

QString suffixOf(const QString& path)
{
    return QFileInfo(path).suffix().toLower();
}

} // namespace

QStringList photoSuffixes()
{
    // Plugins are found once per process; the list cannot change afterwards.
    static const QStringList offered = [] {
        const QList<QByteArray> readable = QImageReader::supportedImageFormats();
        QStringList suffixes;
        for (const QString& suffix : wantedSuffixes())
            if (readable.contains(suffix.toLatin1()))
                suffixes << suffix;
        return suffixes;
    }();
    return offered;
}

QStringList photoNamePatterns()
{
    QStringList patterns;
    for (const QString& suffix : photoSuffixes())
        patterns << QStringLiteral("*.") + suffix;
    return patterns;
}

QStringList picturesInFolder(const QString& folder)
{
    return filesInFolder(folder, photoNamePatterns());
}

bool isPhotoFile(const QString& path)
{
    return photoSuffixes().contains(suffixOf(path));
}

bool isCameraRawFile(const QString& path)
{
    return cameraRawSuffixes().contains(suffixOf(path));
}

bool decodesAtReducedSize(const QString& path)
{
    const QString suffix = suffixOf(path);
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
}
