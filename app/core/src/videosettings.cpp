#include "core/videosettings.h"

#include "core/outputfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

QString VideoSettings::defaultResultDir()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return base + QDir::separator() + QStringLiteral("Pictavio");
}

QSize VideoSettings::outputSize() const
{
    return quality == 1 ? QSize(1920, 1080) : QSize(1280, 720);
}

QString outputFilePath(const QString& dir, const QDateTime& when)
{
    const QString stem = when.toString(QStringLiteral("'slideshow_'yyyy.MM.dd'_'hh.mm"));
    const QString first = QDir(dir).filePath(stem + ".mp4");
    QString path = first;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = numberedPath(first, n);
    return path;
}

bool prepareResultDir(const QString& dir, QString* error)
{
    auto fail = [&](const char* text) {
        if (error)
            *error = QCoreApplication::translate("VideoSettings", text)
                         .arg(QDir::toNativeSeparators(dir));
        return false;
    };
    if (dir.trimmed().isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("VideoSettings", "No folder was chosen for the video.");
        return false;
    }
    if (!QDir().mkpath(dir))
        return fail("The folder %1 cannot be created.");
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".pictavio-XXXXXX")));
    if (!probe.open())
        return fail("The folder %1 does not accept new files.");
    return true;
}
