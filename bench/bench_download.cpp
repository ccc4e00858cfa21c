// What a misbehaving content server costs a theme download with the
// program's own limits: the memory of a body without end, of a stated 10 GB
// body, and the time until a trickle of one byte every 10 s is given up.
#include "httptestserver.h"

#include "core/tmpldownloadmanager.h"

#include "common/basetmplfactory.h"
#include "common/release.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class OneFolder : public ITmplPathManager
{
public:
    explicit OneFolder(const QString& dir) : dir(dir.toStdWString() + L"/") {}
    std::wstring GetTmplPath(int) const override { return dir + L"template.xml"; }
    std::wstring GetTmplInfoPath(int) const override { return dir + L"info.xml"; }
    std::wstring GetTmplDir(int) const override { return dir; }
    std::wstring GetSceneVideoPath(int, int scene) const override
    {
        return dir + std::to_wstring(scene) + L".mp4";
    }

private:
    std::wstring dir;
};

/// A field of /proc/self/status in KiB.
long statusKiB(const char* field)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    return 0;
}

struct Result
{
    double seconds = 0;
    long peakGrowthKiB = 0;
    QString reason;
};

Result fetch(HttpTestServer& server, HttpTestServer::Mode mode, const QString& folder, int limit)
{
    BaseTmplFactory factory;
    std::map<int, IScene*> scenes{
        {1, factory.GetImgScene(new std::map<int, IImgMedia*>, BgVideo, L"", 100, 1, 30)}};
    TmplPtr tmpl(factory.GetTmpl(scenes, 0, 0, 0, 70));
    server.route("/app/1.2.0/themes/1/1.mp4", QByteArray(200, 'v'), mode);
    OneFolder paths(folder);
    TmplDownloadManager manager;
    QSignalSpy failed(&manager, &TmplDownloadManager::failed);
    const long before = statusKiB("VmRSS:");
    const qint64 freeBefore = QStorageInfo(folder).bytesAvailable();
    long peak = before;
    QTimer sample;
    QObject::connect(&sample, &QTimer::timeout, [&] { peak = qMax(peak, statusKiB("VmRSS:")); });
    sample.start(50);
    QElapsedTimer clock;
    clock.start();
    manager.download(1, &paths, tmpl.get());
    failed.wait(limit * 1000);
    Result r;
    r.seconds = clock.elapsed() / 1000.0;
    r.peakGrowthKiB = peak - before;
    // The partial file has no name (O_TMPFILE): the disk's free space tells its size.
    r.reason = failed.isEmpty() ? QString("still running, %1 MB written")
                                      .arg((freeBefore - QStorageInfo(folder).bytesAvailable()) >> 20)
                                : failed.first().first().toString();
    return r;
}

void print(const char* what, const Result& r)
{
    std::printf("%-36s %7.1f s  peak memory %+6.1f MB  (%s)\n", what, r.seconds,
                r.peakGrowthKiB / 1024.0, qPrintable(r.reason));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // On the disk of the working folder: a temporary folder in memory would count the file as memory.
    QTemporaryDir folder(QDir::current().filePath("bench-download-XXXXXX"));
    // Seconds each case may take at most; a download still running then is reported so.
    const int limit = argc > 1 ? QByteArray(argv[1]).toInt() : 120;
    HttpTestServer server;
    qputenv("PICTAVIO_CONTENT_HOST", server.host().toUtf8());
    print("body without end or length", fetch(server, HttpTestServer::Endless, folder.path(), limit));
    print("10 GB stated, body without end", fetch(server, HttpTestServer::HugeLength, folder.path(), limit));
    server.trickleInterval = 10000;
    print("one byte every 10 s", fetch(server, HttpTestServer::Trickle, folder.path(), limit));
    return 0;
}
