#include "core/outputfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const partialMarker = ".pictavio-";
const int maxNumbered = 9999;
const qint64 aDay = 24 * 3600;

QString text(const char* source)
{
    return QCoreApplication::translate("RenderWorker", source);
}

QString errnoText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

QString randomTag()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString tag;
    for (int i = 0; i < 6; ++i)
        tag += QLatin1Char(letters[QRandomGenerator::global()->bounded(36)]);
    return tag;
}

/// Names \a from as \a to only if \a to does not exist; errno EEXIST if it does.
bool placeNoReplace(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
    // A file system without the flag: a hard link fails on an existing name just as well.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return true;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP)
        return false;
    // Neither (FAT): only a look before the rename is left, which a race can beat.
    struct stat st;
    if (::lstat(to.constData(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.constData(), to.constData()) == 0;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

/// Removes \a path when it is a partial file whose writer is gone: the lock
/// is free and something was written (an empty one may be a render between
/// creating its file and locking it), or nothing touched it for a day.
bool removeIfAbandoned(const QString& path)
{
    const QByteArray name = native(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool removed = false;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        const bool old = QDateTime::currentSecsSinceEpoch() - qint64(st.st_mtime) > aDay;
        const int locked = ::flock(fd, LOCK_EX | LOCK_NB);
        const bool writerGone = locked == 0 && st.st_size > 0;
        struct stat now;
        if ((locked == 0 || errno != EWOULDBLOCK) && (writerGone || old)
            && ::lstat(name.constData(), &now) == 0 && sameFile(st, now))
            removed = ::unlink(name.constData()) == 0;
    }
    ::close(fd);
    return removed;
}

bool removeIfOld(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink()
           && info.lastModified().secsTo(QDateTime::currentDateTime()) > aDay
           && QFile::remove(path);
}

} // namespace

PartialFile::PartialFile(const QString& outputPath) : output(outputPath)
{
    const QFileInfo target(outputPath);
    int code = EEXIST;
    for (int attempt = 0; attempt < 100 && fd < 0 && code == EEXIST; ++attempt) {
        partial = target.dir().filePath(QStringLiteral(".%1%2%3.part")
                                            .arg(target.fileName(), QLatin1String(partialMarker),
                                                 randomTag()));
        fd = ::open(native(partial).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        code = errno;
    }
    if (fd < 0) {
        error = text("The video cannot be written in %1: %2")
                    .arg(QDir::toNativeSeparators(target.absolutePath()), errnoText(code));
        partial.clear();
        return;
    }
    ::flock(fd, LOCK_EX | LOCK_NB); // new and private: nobody else holds it
}

PartialFile::~PartialFile()
{
    remove();
    close();
}

void PartialFile::close()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

qint64 PartialFile::size() const
{
    struct stat st;
    return fd >= 0 && ::fstat(fd, &st) == 0 ? qint64(st.st_size) : 0;
}

void PartialFile::remove()
{
    if (fd < 0 || partial.isEmpty())
        return;
    // The render may have removed it already; a name taken again since is not ours.
    struct stat mine, named;
    const QByteArray name = native(partial);
    if (::fstat(fd, &mine) == 0 && ::lstat(name.constData(), &named) == 0 && sameFile(mine, named))
        ::unlink(name.constData());
}

QString PartialFile::claim(OutputClaim claim, QString* reason)
{
    if (fd < 0) {
        *reason = error;
        return {};
    }
    ::fsync(fd); // the bytes are on disk before the name says the video is there
    QString placed;
    if (claim == OutputClaim::NextFree) {
        placed = placeNextFree(reason);
    } else if (claim == OutputClaim::Replace) {
        if (std::rename(native(partial).constData(), native(output).constData()) == 0)
            placed = output;
    } else if (placeNoReplace(native(partial), native(output))) {
        placed = output;
    } else if (errno == EEXIST) {
        *reason = text("%1 appeared during the render and is kept; the new video was not saved.")
                      .arg(QDir::toNativeSeparators(output));
    }
    const int code = errno;
    if (placed.isEmpty() && reason->isEmpty())
        *reason = text("The video could not be saved as %1: %2")
                      .arg(QDir::toNativeSeparators(output), errnoText(code));
    if (!placed.isEmpty()) {
        partial.clear();
    } else {
        remove();
        // A folder made read-only keeps it; say where, so that it can be found.
        if (QFileInfo::exists(partial))
            *reason += QLatin1Char(' ') + text("The unfinished file %1 could not be removed.")
                                              .arg(QDir::toNativeSeparators(partial));
    }
    close();
    return placed;
}

QString PartialFile::placeNextFree(QString* reason)
{
    const QByteArray from = native(partial);
    for (int n = 1; n <= maxNumbered; ++n) {
        const QString candidate = n == 1 ? output : numberedPath(output, n);
        if (placeNoReplace(from, native(candidate)))
            return candidate;
        if (errno != EEXIST)
            return {};
    }
    *reason = text("The video could not be saved as %1: %2")
                  .arg(QDir::toNativeSeparators(output), errnoText(EEXIST));
    return {};
}

bool isPartialPath(const QString& path, const QString& outputPath)
{
    const QFileInfo file(path);
    const QFileInfo target(outputPath);
    const QRegularExpression name(
        QStringLiteral("^\\.%1%2[a-z0-9]{6}\\.part$")
            .arg(QRegularExpression::escape(target.fileName()),
                 QRegularExpression::escape(QLatin1String(partialMarker))));
    return file.absolutePath() == target.absolutePath() && name.match(file.fileName()).hasMatch();
}

QString numberedPath(const QString& path, int n)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return info.dir().filePath(QStringLiteral("%1_%2%3").arg(info.completeBaseName()).arg(n).arg(suffix));
}

int removeStalePartials(const QString& folder)
{
    static const QRegularExpression ours(
        QStringLiteral("^\\..+%1[a-z0-9]{6}\\.part$")
            .arg(QRegularExpression::escape(QLatin1String(partialMarker))));
    // The fixed name that versions before the locked files used.
    static const QRegularExpression older(QStringLiteral("^\\..+\\.mp4\\.part$"),
                                          QRegularExpression::CaseInsensitiveOption);
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden)) {
        const QString path = dir.filePath(name);
        if (ours.match(name).hasMatch())
            removed += removeIfAbandoned(path);
        else if (older.match(name).hasMatch())
            removed += removeIfOld(path);
    }
    return removed;
}

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}
