#pragma once

#include <QString>

/// How a finished video takes its name when another file holds it by then.
enum class OutputClaim
{
    /// The last render to finish wins, whole (--overwrite).
    Replace,
    /// An automatic name: the next free "_2", "_3" ... is taken instead.
    NextFree,
    /// A name the user gave: the other file stays and the render fails.
    Keep,
};

/// The hidden file beside a video that one render writes until the video is
/// complete. Its name is new and created exclusively, so that no two renders
/// share one; it stays locked while its writer lives, so that a later start
/// can tell the leftover of a killed render from a render still running.
class PartialFile
{
public:
    explicit PartialFile(const QString& outputPath);
    /// Removes the file unless claim() gave it its name.
    ~PartialFile();
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    bool isOpen() const { return fd >= 0; }
    QString path() const { return partial; }
    /// Why the file could not be created.
    QString errorString() const { return error; }
    /// Bytes written so far, also when the name was removed meanwhile.
    qint64 size() const;
    /// Puts the complete file in place as \a claim says; the path it took, or
    /// empty with \a reason (the partial file is then removed when it can be).
    QString claim(OutputClaim claim, QString* reason);
    /// Removes the file if it still has its name.
    void remove();

private:
    QString placeNextFree(QString* reason);
    void close();

    QString output;
    QString partial;
    QString error;
    int fd = -1;
};

/// True when \a path is the name of a PartialFile of \a outputPath.
bool isPartialPath(const QString& path, const QString& outputPath);

/// "name_<n>.mp4" beside "name.mp4".
QString numberedPath(const QString& path, int n);

/// Removes what renders in \a folder left when they ended without cleaning up
/// (killed, a closed terminal, a lost power): partial files whose writer is
/// gone, and partial files of older versions untouched for a day. Returns how
/// many were removed.
int removeStalePartials(const QString& folder);

/// Makes a write past the file size limit (ulimit -f) fail with EFBIG, which
/// the writer reports, instead of ending the process with SIGXFSZ.
void ignoreFileSizeSignal();
