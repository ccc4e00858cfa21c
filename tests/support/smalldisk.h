#pragma once

// A small file system that fills up for real, for tests of a full disk.

#include <QFile>
#include <QString>

#include <sched.h>
#include <sys/mount.h>

/// Mounts a file system of \a kib KiB on \a folder, seen by this process
/// only; false where that is not allowed (no root).
inline bool mountSmallDisk(const QString& folder, int kib)
{
    static bool ownNamespace = ::unshare(CLONE_NEWNS) == 0
                               && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (!ownNamespace)
        return false;
    const QByteArray options = "size=" + QByteArray::number(kib) + "k";
    return ::mount("pictavio-full", QFile::encodeName(folder).constData(), "tmpfs", 0,
                   options.constData())
           == 0;
}
