// pictavio-render: makes a slideshow video from the command line with the
// same core as the program.
#include "options.h"
#include "terminal.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/endlogobase.h"
#include "common/release.h"
#include "core/placement.h"
#include "core/prjmanager.h"
#include "core/rendercontroller.h"
#include "core/tmpldownloadmanager.h"
#include "core/tmplpathmanager.h"
#include "core/videosettings.h"
#include "docloom/prjxmlparser.h"
#include "docloom/tmplxmlparser.h"
#include "vidweave/audiotools.h"
#include "vidweave/vidweave.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QImageReader>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

std::atomic_bool interrupted{false};

void onInterrupt(int)
{
    interrupted = true;
}

/// Ends the program with a one-line reason.
int failWith(const QString& reason)
{
    warn("pictavio-render: " + reason);
    return 1;
}

struct Job
{
    int themeId = 0;
    QStringList music;
    std::vector<PlacementSlide> slides;
};

struct TmplDeleter
{
    void operator()(ITmpl* tmpl) const { ReleaseTmpl(tmpl); }
};
using TmplPtr = std::unique_ptr<ITmpl, TmplDeleter>;

int listThemes()
{
    TmplPathManager* paths = TmplPathManager::instance();
    BaseTmplFactory factory;
    if (paths->templates().empty())
        return failWith("no themes in " + QDir::current().filePath("templates"));
    for (const TmplRecord* record : paths->templates()) {
        TmplPtr tmpl(TmplXmlParser().ParseTmpl(paths->GetTmplPath(record->id), &factory));
        const char* state = !tmpl ? "cannot be read"
                            : isDownloaded(record->id, paths, tmpl.get()) ? "ready"
                                                                           : "downloads on first use";
        std::printf("%3d  %-24s %s\n", record->id, qPrintable(record->name), state);
    }
    return 0;
}

/// Fetches what is missing of the theme; false with a reason when it can't.
bool ensureDownloaded(int id, ITmpl* tmpl, QString* reason)
{
    TmplPathManager* paths = TmplPathManager::instance();
    if (isDownloaded(id, paths, tmpl))
        return true;
    TmplDownloadManager* manager = TmplDownloadManager::instance();
    TerminalDownloadHandler handler(manager);
    manager->setErrorHandler(&handler);
    ProgressLine line("Downloading the theme");
    QEventLoop loop;
    bool finished = false;
    QObject::connect(manager, &TmplDownloadManager::progress, &loop,
                     [&line](float percent) { line.update(percent); });
    QObject::connect(manager, &TmplDownloadManager::done, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QObject::connect(manager, &TmplDownloadManager::reselectTheme, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (interrupted)
            manager->onReselectTheme();
    });
    poll.start(100);
    manager->download(id, paths, tmpl);
    if (!finished)
        loop.exec();
    line.finish();
    manager->setErrorHandler(nullptr);
    if (!finished)
        *reason = interrupted ? QString("stopped") : "the theme could not be downloaded: " + handler.reason();
    return finished;
}

float musicLength(const QStringList& music, QStringList& usable)
{
    float total = 0;
    for (QString path : music) {
        const QSharedPointer<MediaFileInfo> info = AudioTools::GetMediaFileInfo(path);
        if (!info) {
            warn(QString("Missed audio file will be skipped. (%1)").arg(path));
            continue;
        }
        usable << path;
        total += info->getDuration();
    }
    return total;
}

std::vector<PlacementSlide> readableSlides(const std::vector<PlacementSlide>& slides)
{
    std::vector<PlacementSlide> kept;
    for (const PlacementSlide& slide : slides) {
        if (slide.kind == SceneImg && !QImageReader(slide.value).canRead()) {
            warn(QString("%1 cannot be read as a picture; it is left out.").arg(slide.value));
            continue;
        }
        kept.push_back(slide);
    }
    return kept;
}

void describePlacement(const std::vector<PlacementSlide>& slides, const PlacementResult& result,
                       bool withMusic)
{
    for (size_t i = 0; i < slides.size(); ++i) {
        const PlacementSlide& s = slides[i];
        const QString what =
            s.kind == SceneImg ? QFileInfo(s.value).fileName()
                               : "text \"" + s.value.simplified().left(40) + "\"";
        std::printf("  %s %2zu  %s\n", result.included[i] ? "+" : "-", i + 1, qPrintable(what));
    }
    if (result.separatorIndex >= 0) {
        const int left = int(slides.size()) - result.separatorIndex;
        if (withMusic)
            warn(QString("Warning: %1 slide(s) from number %2 on run past the end of the music "
                         "and are left out.")
                     .arg(left)
                     .arg(result.separatorIndex + 1));
        else
            warn(QString("Warning: %1 slide(s) from number %2 on fit no scene of this theme and "
                         "are left out.")
                     .arg(left)
                     .arg(result.separatorIndex + 1));
    }
    const int seconds = int(result.totalDuration + 0.5f);
    std::printf("Using %d of %zu slides; the video lasts %d:%02d.\n", result.placedCount,
                slides.size(), seconds / 60, seconds % 60);
}

QString chooseOutput(const QString& asked, QString* error)
{
    const bool isFile = asked.endsWith(".mp4", Qt::CaseInsensitive);
    const QString dir = asked.isEmpty() ? VideoSettings::defaultResultDir()
                        : isFile        ? QFileInfo(asked).absolutePath()
                                        : asked;
    if (!prepareResultDir(dir, error))
        return {};
    return isFile ? asked : outputFilePath(dir);
}

int renderVideo(int themeId, ITmpl* tmpl, SceneMediaList& media, const QStringList& music,
                const Options& options, const QString& output)
{
    BasePrjFactory factory;
    QSharedPointer<IPrj> prj(factory.GetPrj(themeId, &media, music));
    QSharedPointer<IEndLogo> logo;
    if (options.logo)
        logo.reset(new EndLogoBase(":/images/credits.png", 30, 60));
    const QSize size = options.fullHd ? QSize(1920, 1080) : QSize(1280, 720);

    RenderController controller;
    ProgressLine line("Rendering");
    QEventLoop loop;
    int status = 1;
    QString reason;
    QObject::connect(&controller, &RenderController::onProgress, &loop,
                     [&line](float percent) { line.update(percent); });
    QObject::connect(&controller, &RenderController::done, &loop, [&] {
        status = 0;
        loop.quit();
    });
    QObject::connect(&controller, &RenderController::stopped, &loop, [&] {
        status = 130;
        loop.quit();
    });
    QObject::connect(&controller, &RenderController::failed, &loop, [&](const QString& why) {
        reason = why;
        loop.quit();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (interrupted)
            controller.stop();
    });
    poll.start(100);
    QElapsedTimer clock;
    clock.start();
    controller.start(themeId, tmpl, prj, output, size.width(), size.height(),
                     TmplPathManager::instance(), {}, logo);
    loop.exec();
    line.finish();
    if (status == 130) {
        warn("pictavio-render: stopped; no video was written.");
        return status;
    }
    if (status != 0)
        return failWith(reason);
    std::printf("Made %s in %.1f s.\n", qPrintable(QDir::toNativeSeparators(output)),
                clock.elapsed() / 1000.0);
    return 0;
}

void saveProject(int themeId, ITmpl* tmpl, const std::vector<PlacementSlide>& slides,
                 const QStringList& music)
{
    BasePrjFactory factory;
    SlideList values;
    for (const PlacementSlide& s : slides) {
        if (s.kind == SceneImg)
            values.emplace_back(factory.GetImgMediaVal(s.value.toStdWString(), s.rotation));
        else
            values.emplace_back(factory.GetTextMediaVal(s.value.toStdWString()));
    }
    std::unique_ptr<IUsrData> data(factory.GetUsrData(themeId, music, values));
    PrjInfo info;
    info.name = TmplPathManager::instance()->tmplRecord(themeId).name;
    info.slidesNumber = int(slides.size());
    QString error;
    const QString id = PrjManager::instance()->save({}, data.get(), info, tmpl, &error);
    if (id.isEmpty())
        warn("The project could not be saved: " + error);
    else
        std::printf("Saved as project %s\n", qPrintable(id));
}

int run(const Job& job, const Options& options)
{
    TmplPathManager* paths = TmplPathManager::instance();
    if (!QFile::exists(QString::fromStdWString(paths->GetTmplPath(job.themeId))))
        return failWith(QString("theme %1 is not installed (see --list-themes)").arg(job.themeId));
    BaseTmplFactory tmplFactory;
    TmplPtr tmpl(TmplXmlParser().ParseTmpl(paths->GetTmplPath(job.themeId), &tmplFactory));
    if (!tmpl || tmpl->GetScenes().empty())
        return failWith(QString("theme %1 cannot be read").arg(job.themeId));
    QString reason;
    if (!ensureDownloaded(job.themeId, tmpl.get(), &reason))
        return interrupted ? 130 : failWith(reason);

    QStringList music;
    const float length = musicLength(job.music, music);
    const std::vector<PlacementSlide> slides = readableSlides(job.slides);
    if (slides.empty())
        return failWith("no usable slides");
    BasePrjFactory factory;
    SceneMediaList media;
    const PlacementResult placed = placeSlides(slides, *tmpl, length, &factory, &media);
    describePlacement(slides, placed, length > 0);
    int status = 0;
    if (placed.placedCount == 0) {
        status = failWith("no slide fits this theme under this music");
    } else {
        if (options.saveProject)
            saveProject(job.themeId, tmpl.get(), slides, music);
        QString error;
        const QString output = chooseOutput(options.output, &error);
        status = output.isEmpty() ? failWith(error)
                                  : renderVideo(job.themeId, tmpl.get(), media, music, options, output);
    }
    ClearSceneMedia(media);
    return status;
}

bool jobFromProject(const QString& ref, Job& job, QString* error)
{
    BasePrjFactory factory;
    QSharedPointer<IUsrData> data;
    if (QFileInfo(ref).isDir())
        data.reset(PrjXmlParser().ParseUsrData(QDir(ref).filePath("prj.xml").toStdWString(), &factory));
    else
        data = PrjManager::instance()->loadUserData(ref);
    if (!data) {
        *error = "project " + ref + " cannot be read";
        return false;
    }
    job.themeId = data->GetTmplId();
    job.music = data->GetAudio();
    for (auto it = data->GetSlidesBegin(); it != data->GetSlidesEnd(); ++it) {
        if ((*it)->GetType() == SceneImg) {
            auto* img = static_cast<IImgMediaVal*>(it->data());
            const QString path = QString::fromStdWString(img->GetSrc());
            if (!QFile::exists(path)) {
                warn(path + " is missing; it is left out.");
                continue;
            }
            job.slides.push_back({path, SceneImg, img->GetRotation()});
        } else if ((*it)->GetType() == SceneText) {
            job.slides.push_back(
                {QString::fromStdWString(static_cast<ITextMediaVal*>(it->data())->GetText()),
                 SceneText, 0});
        }
    }
    return true;
}

Job demoJob()
{
    Job job;
    job.themeId = 1;
    QStringList photos = picturesIn("/usr/share/backgrounds/mate/nature");
    if (photos.size() < 12)
        photos = picturesIn(QDir::current().filePath("demo/generated"));
    job.slides.push_back({"A summer to remember", SceneText, 0});
    for (int i = 0; i < photos.size(); ++i) {
        job.slides.push_back({photos.at(i), SceneImg, 0});
        if (i == photos.size() / 2)
            job.slides.push_back({"Green days,\nlong evenings", SceneText, 0});
    }
    job.music << QDir::current().filePath("demo/music.m4a");
    return job;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt complains on every start without one; a private folder will do.
        const QByteArray runtime = QDir::tempPath().toUtf8() + "/pictavio-runtime-" + QByteArray::number(getuid());
        QDir().mkpath(QString::fromUtf8(runtime));
        QFile::setPermissions(QString::fromUtf8(runtime), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QApplication app(argc, argv); // drop shadows draw through a graphics scene
    QApplication::setOrganizationName("Pictavio");
    QApplication::setApplicationName("Pictavio");

    Options options;
    QString error;
    if (!parseOptions(app.arguments().mid(1), options, &error))
        return failWith(error);
    if (options.mode == Options::Help) {
        std::printf("%s", usageText);
        return argc > 1 ? 0 : 1;
    }
    if (!options.themesDir.isEmpty() && !QDir::setCurrent(options.themesDir))
        return failWith("cannot enter " + options.themesDir);
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    VidweaveInit();
    registerCoreMetaTypes();

    Job job;
    switch (options.mode) {
    case Options::ListThemes:
        return listThemes();
    case Options::Demo:
        job = demoJob();
        break;
    case Options::Project:
        if (!jobFromProject(options.project, job, &error))
            return failWith(error);
        break;
    default:
        job.themeId = options.themeId;
        job.music = options.music;
        job.slides = options.slides;
    }
    return run(job, options);
}
