#include "core/droppedfiles.h"

#include "core/photoformats.h"
#include "core/slideinput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

struct Kind
{
    QStringList (*inFolder)(const QString& folder);
    bool (*accepts)(const QString& path);
    const char* notThisKind;
    const char* noneInFolder;
};

QString translated(const char* text)
{
    return QCoreApplication::translate("DroppedFiles", text);
}

QString nameOf(const QUrl& url)
{
    if (!url.isLocalFile())
        return url.toDisplayString();
    const QString path = url.toLocalFile();
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}

QStringList musicInFolder(const QString& folder)
{
    static const QStringList patterns{"*.mp3", "*.m4a", "*.aac", "*.flac", "*.ogg", "*.oga",
                                      "*.opus", "*.wav"};
    return filesInFolder(folder, patterns);
}

DroppedFiles sortDrop(const QList<QUrl>& urls, const Kind& kind)
{
    DroppedFiles drop;
    auto refuse = [&drop](const QUrl& url, const char* why) {
        drop.refused << nameOf(url) + QStringLiteral(": ") + translated(why);
    };
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) {
            refuse(url, QT_TRANSLATE_NOOP("DroppedFiles", "not a file on this computer"));
            continue;
        }
        const QFileInfo info(url.toLocalFile());
        const QString path = info.absoluteFilePath();
        if (info.isDir()) {
            const QStringList files = kind.inFolder(path);
            if (files.isEmpty())
                refuse(url, kind.noneInFolder);
            drop.paths += files;
        } else if (!info.exists()) {
            refuse(url, QT_TRANSLATE_NOOP("DroppedFiles", "not found"));
        } else if (!isRegularFile(path)) {
            // A pipe or a device would keep the readers waiting for ever.
            refuse(url, QT_TRANSLATE_NOOP("DroppedFiles", "not a regular file"));
        } else if (!kind.accepts(path)) {
            refuse(url, kind.notThisKind);
        } else {
            drop.paths << path;
        }
    }
    return drop;
}

} // namespace

DroppedFiles droppedPictures(const QList<QUrl>& urls)
{
    static const Kind pictures{
        picturesInFolder, isPhotoFile,
        QT_TRANSLATE_NOOP("DroppedFiles", "not a kind of photo that can be opened"),
        QT_TRANSLATE_NOOP("DroppedFiles", "a folder without photos")};
    return sortDrop(urls, pictures);
}

DroppedFiles droppedMusic(const QList<QUrl>& urls)
{
    static const Kind music{musicInFolder, [](const QString&) { return true; }, "",
                            QT_TRANSLATE_NOOP("DroppedFiles", "a folder without music")};
    return sortDrop(urls, music);
}
