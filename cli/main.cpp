// pictavio-render: makes a slideshow video from the command line with the
// same core as the program.
#include "music.h"
#include "options.h"
#include "projects.h"
#include "terminal.h"
#include "themes.h"

#include "core/photoformats.h"
#include "core/rendercontroller.h"
#include "core/slideinput.h"
#include "core/slideshow.h"
#include "core/stills.h"
#include "core/textlength.h"
#include "core/timing.h"
#include "core/tmplpathmanager.h"
#include "core/videosettings.h"
#include "vidweave/qtimagerender.h"
#include "vidweave/vidweave.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace {

/// The slides the render can use: pictures that read, texts the theme's length at most.
std::vector<PlacementSlide> usableSlides(const std::vector<PlacementSlide>& slides, const ITmpl& tmpl)
{
    std::vector<PlacementSlide> kept;
    for (size_t i = 0; i < slides.size(); ++i) {
        PlacementSlide slide = slides[i];
        if (slide.kind == SceneImg && !QtImageRender::CanLoadPicture(slide.value)) {
            warn(QString("%1 cannot be read as a picture; it is left out.").arg(slide.value));
            continue;
        }
        if (slide.kind == SceneText && visibleLength(slide.value) > slideTextLimit(tmpl)) {
            warn(QString("The text of slide %1 is longer than the theme allows; only its first %2 "
                         "characters are kept.")
                     .arg(i + 1)
                     .arg(slideTextLimit(tmpl)));
            slide.value = capSlideText(slide.value, tmpl);
        }
        kept.push_back(slide);
    }
    return kept;
}

void describeSlides(const std::vector<PlacementSlide>& slides, const PlacementResult& result)
{
    for (size_t i = 0; i < slides.size(); ++i) {
        const PlacementSlide& s = slides[i];
        const QString what =
            s.kind == SceneImg ? QFileInfo(s.value).fileName()
                               : "text \"" + s.value.simplified().left(40) + "\"";
        std::printf("  %s %2zu  %s\n", result.included[i] ? "+" : "-", i + 1, qPrintable(what));
    }
}

void describePlacement(const std::vector<PlacementSlide>& slides, const PlacementResult& result,
                       bool withMusic)
{
    describeSlides(slides, result);
    if (result.separatorIndex >= 0 && result.placedCount > 0) {
        const int left = int(slides.size()) - result.separatorIndex;
        warn(QString("Warning: %1 slide(s) from number %2 on %3 and are left out.")
                 .arg(left)
                 .arg(result.separatorIndex + 1)
                 .arg(withMusic ? "run past the end of the music" : "fit no scene of this theme"));
    }
    if (result.placedCount == 0)
        return;
    std::printf("Using %d of %zu slides; the video lasts %s (%.1f s).\n", result.placedCount,
                slides.size(), qPrintable(clockText(result.totalDuration)),
                double(result.totalDuration));
}

bool hasSceneFor(const ITmpl& tmpl, int kind)
{
    for (const auto& entry : tmpl.GetScenes()) {
        if (entry.second && entry.second->GetType() == kind)
            return true;
    }
    return false;
}

/// Why a placement took no slide at all.
QString nothingPlaced(int themeId, const ITmpl& tmpl, const PlacementSlide& first)
{
    if (!hasSceneFor(tmpl, first.kind))
        return QString("theme %1 has no scene for %2")
            .arg(themeId)
            .arg(first.kind == SceneImg ? "pictures" : "texts");
    return "the music is shorter than the first scene";
}

QString chooseOutput(const Options& options, QString* error)
{
    const QString dir = options.output.isEmpty() ? VideoSettings::defaultResultDir()
                        : options.outputIsFile   ? QFileInfo(options.output).absolutePath()
                                                 : options.output;
    if (!prepareResultDir(dir, error))
        return {};
    if (!options.outputIsFile)
        return outputFilePath(dir);
    if (QFileInfo::exists(options.output) && !options.overwrite) {
        *error = QDir::toNativeSeparators(options.output)
                 + " exists; give --overwrite to replace it, or another name";
        return {};
    }
    return options.output;
}

/// A name the user gave is never taken from a file that appeared meanwhile,
/// unless --overwrite; a name made from the time moves on to the next free.
OutputClaim outputClaim(const Options& options)
{
    if (!options.outputIsFile)
        return OutputClaim::NextFree;
    return options.overwrite ? OutputClaim::Replace : OutputClaim::Keep;
}

int renderVideo(const Slideshow& show, const Options& options, const QString& output)
{
    VideoSettings video;
    video.quality = options.fullHd ? VideoQuality::FullHD : VideoQuality::HD;
    video.endLogo = options.logo;
    RenderRequest request = show.renderRequest(video, output);
    request.claim = outputClaim(options);

    RenderController controller;
    ProgressLine line("Rendering");
    InterruptibleLoop loop([&controller] { controller.stop(); });
    int status = 1;
    QString reason;
    QObject::connect(&controller, &RenderController::onProgress, &loop,
                     [&line](float percent) { line.update(percent); });
    QString made;
    QObject::connect(&controller, &RenderController::done, &loop, [&](const QString& path) {
        made = path;
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
    QElapsedTimer clock;
    clock.start();
    controller.start(request);
    loop.exec();
    line.finish();
    if (status == 130)
        return stoppedByUser();
    if (status != 0)
        return failWith(reason);
    std::printf("Made %s in %.1f s.\n", qPrintable(QDir::toNativeSeparators(made)),
                clock.elapsed() / 1000.0);
    return 0;
}

int makeStills(const Slideshow& show, const Options& options)
{
    VideoSettings video;
    video.quality = options.fullHd ? VideoQuality::FullHD : VideoQuality::HD;
    video.endLogo = options.logo;
    const RenderRequest request = show.renderRequest(video, QString());
    const QList<double> moments = options.stillsAt.isEmpty() ? sceneMiddles(request)
                                                             : options.stillsAt;
    QString reason;
    const QStringList written = writeStills(request, moments, options.stills, options.overwrite,
                                              [] { return !interrupted(); }, &reason);
    if (interrupted())
        return stoppedByUser();
    if (written.isEmpty())
        return failWith("the stills cannot be written: " + reason);
    for (const QString& path : written)
        std::printf("Wrote %s\n", qPrintable(QDir::toNativeSeparators(path)));
    return 0;
}

/// The slides placed and the backgrounds checked; false with a reason.
bool place(Slideshow& show, const Job& job, QString* reason)
{
    const PlacementResult placed = show.build(job.slides);
    describePlacement(job.slides, placed, !show.music().empty());
    if (placed.placedCount == 0) {
        *reason = nothingPlaced(job.themeId, *show.theme(), job.slides.front());
        return false;
    }
    const QStringList damaged = show.dropUnusableBackgrounds();
    if (!damaged.isEmpty()) {
        // The file is gone now, so the next run fetches it again.
        *reason = QString("theme %1 has a damaged background: %2 It was removed; the next run "
                          "downloads it again.")
                      .arg(job.themeId)
                      .arg(damaged.first());
        return false;
    }
    return true;
}

/// Everything before the render; the output path, or empty with a reason.
QString prepare(Slideshow& show, const Job& job, const Options& options, QString* reason)
{
    if (!place(show, job, reason))
        return {};
    const QString output = chooseOutput(options, reason);
    if (output.isEmpty())
        return {};
    if (options.saveProject && !saveProject(show, job, reason)) {
        *reason = "the project could not be saved: " + *reason;
        return {};
    }
    return output;
}

int run(Slideshow& show, const Job& asked, const Options& options)
{
    QString reason;
    if (show.themeId() != asked.themeId && !openTheme(show, asked.themeId, &reason))
        return failWith(reason);
    if (!ensureDownloaded(show, &reason))
        return interrupted() ? stoppedByUser() : failWith(reason);
    if (!asked.fromProject) {
        MusicList music;
        if (!readMusic(asked.music, music, &reason))
            return failWith(reason);
        show.setMusic(music);
    }
    describeMusic(show.music());
    Job job = asked;
    job.slides = usableSlides(asked.slides, *show.theme());
    if (job.slides.empty())
        return failWith("no usable slides");
    if (!options.stills.isEmpty())
        return place(show, job, &reason) ? makeStills(show, options) : failWith(reason);
    const QString output = prepare(show, job, options, &reason);
    if (output.isEmpty())
        return failWith(reason);
    return renderVideo(show, options, output);
}

Job demoJob()
{
    Job job;
    job.themeId = 1;
    QStringList photos = picturesInFolder("/usr/share/backgrounds/mate/nature");
    if (photos.size() < 12)
        photos = picturesInFolder(QDir(demoFolder()).filePath("generated"));
    job.slides.push_back({"A summer to remember", SceneText, 0});
    for (int i = 0; i < photos.size(); ++i) {
        job.slides.push_back({photos.at(i), SceneImg, 0});
        if (i == photos.size() / 2)
            job.slides.push_back({"Green days,\nlong evenings", SceneText, 0});
    }
    job.music << QDir(demoFolder()).filePath("music.m4a");
    return job;
}

void prepareEnvironment()
{
    // Nothing here needs a window, so no display is needed either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt complains on every start without one; a private folder will do.
        const QString runtime = QDir::tempPath() + "/pictavio-runtime-" + QString::number(getuid());
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    }
}

int usageMistake(const QString& reason)
{
    warn("pictavio-render: " + reason + " (see --help)");
    return 2;
}

int dispatch(const Options& options)
{
    Job job;
    QString error;
    Slideshow show;
    switch (options.mode) {
    case Options::ListThemes:
        return listThemes();
    case Options::ListProjects:
        return listProjects();
    case Options::Demo:
        job = demoJob();
        break;
    case Options::Project:
        if (!jobFromProject(show, options.project, options.findPictures, job, &error))
            return failWith(error);
        break;
    default:
        job.themeId = options.themeId;
        job.music = options.music;
        job.slides = options.slides;
    }
    return run(show, job, options);
}

/// The JPEG reader and others speak through Qt's messages ("Corrupt JPEG
/// data: …") before the program's own clear line; FFmpeg has its own log.
void keepLibrariesQuiet()
{
    VidweaveSetLibraryLog(false);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
}

} // namespace

int main(int argc, char** argv)
{
    prepareEnvironment();
    QApplication app(argc, argv); // drop shadows draw through a graphics scene
    nameTheProgram();

    Options options;
    QString error;
    const ParseStatus parsed = parseOptions(app.arguments().mid(1), options, &error);
    if (parsed == ParseStatus::Usage)
        return usageMistake(error);
    if (parsed == ParseStatus::Invalid)
        return failWith(error);
    if (options.mode == Options::Help) {
        std::printf("%s", usageText);
        return 0;
    }
    if (!options.themesDir.isEmpty() && !QFileInfo(options.themesDir).isDir())
        return failWith("--themes " + options.themesDir + " is not a folder");
    chooseThemeFolders(options.themesDir);
    catchInterrupts();
    if (!options.verbose)
        keepLibrariesQuiet();
    VidweaveInit();
    registerCoreMetaTypes();
    return dispatch(options);
}
