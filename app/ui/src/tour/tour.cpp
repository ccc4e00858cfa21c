#include "ui/tour/tour.h"

#include "ui/mainwindow.h"
#include "ui/pages/selectimagesform.h"
#include "ui/pages/settingsform.h"
#include "ui/dialogs/themedownloaderrordialog.h"

#include "core/thumbgenerator.h"
#include "vidweave/audiotools.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QProgressBar>

#include <functional>

namespace {

/// Lets the event loop run until \a done or \a ms pass; false on time-out.
bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

void settle(int ms)
{
    waitFor([] { return false; }, ms);
}

/// The window with the dialogs open over it, as the user sees them.
QImage shot(MainWindow& window)
{
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top == &window || !top->isVisible() || !top->isWindow())
            continue;
        painter.drawPixmap(window.mapFromGlobal(top->mapToGlobal(QPoint(0, 0))), top->grab());
    }
    return image;
}

class Tour
{
public:
    Tour(MainWindow& window, const QString& folder) : window(window), folder(folder) {}

    bool save(const QString& name)
    {
        settle(400);
        if (!shot(window).save(folder.filePath(name + ".png")))
            return fail(QStringLiteral("%1 cannot be written").arg(folder.filePath(name + ".png")));
        return true;
    }
    bool fail(const QString& why)
    {
        error = why;
        return false;
    }

    bool music()
    {
        QString song = QDir::current().filePath("demo/music.m4a");
        const QSharedPointer<MediaFileInfo> track = AudioTools::GetMediaFileInfo(song);
        if (!track)
            return fail("demo/music.m4a cannot be read");
        window.TmplSelected(1);
        window.audioSelected({track, track});
        window.slidesBack();
        return save("music");
    }

    bool slides()
    {
        QStringList photos;
        const QDir demo(QDir::current().filePath("demo"));
        for (const QString& sub : demo.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            photos += picturesInFolder(demo.filePath(sub));
        if (photos.size() < 6)
            return fail("the demo has too few pictures");
        window.audioDone();
        SelectImagesForm* page = window.slidesPage();
        page->addImages(photos.mid(0, 6));
        page->on_TextSceneAdded(QStringLiteral("Our summer by the sea"));
        page->addImages(photos.mid(6, 12));
        waitFor([] { return ThumbGenerator::instance()->runningWorkers() == 0; }, 20000);
        return save("slides");
    }

    bool settingsAndRender()
    {
        window.slidesDone();
        auto* settings = qobject_cast<SettingsForm*>(window.currentPage());
        if (!settings)
            return fail("the settings page did not open");
        VideoSettings chosen = settings->settings();
        chosen.resultDir = folder.filePath("video");
        settings->setSettings(chosen);
        if (!save("settings"))
            return false;
        window.settingsDone();
        auto* bar = window.currentPage() ? window.currentPage()->findChild<QProgressBar*>() : nullptr;
        if (!bar)
            return fail("the rendering page did not open");
        if (!waitFor([bar] { return bar->value() >= 40; }, 300000) || !save("rendering"))
            return fail(error.isEmpty() ? QStringLiteral("the render made no progress") : error);
        if (!waitFor([this] { return window.step() == MainWindow::DoneStep; }, 600000))
            return fail("the render did not finish");
        return save("done");
    }

    bool gallery()
    {
        window.backToImages();
        window.slidesBack();
        window.audioBack();
        return save("gallery");
    }

    bool downloadError()
    {
        qputenv("PICTAVIO_CONTENT_HOST", "127.0.0.1:9"); // nothing answers there
        window.TmplSelected(3);
        const bool shown = waitFor([] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (qobject_cast<ThemeDownloadErrorDialog*>(top) && top->isVisible())
                    return true;
            return false;
        }, 60000);
        if (!shown)
            return true; // the theme's files are here already: nothing to show
        return save("download-error");
    }

    MainWindow& window;
    QDir folder;
    QString error;
};

} // namespace

bool runTour(MainWindow& window, const QString& folder, QString* error)
{
    QDir().mkpath(folder);
    window.resize(1280, 800);
    window.show();
    Tour tour(window, folder);
    const bool ok = tour.save("gallery-empty") && tour.music() && tour.slides()
                    && tour.settingsAndRender() && tour.gallery() && tour.downloadError();
    if (!ok && error)
        *error = tour.error;
    return ok;
}
