#include "themes.h"

#include "terminal.h"

#include "core/slideshow.h"
#include "core/tmpldownloadmanager.h"
#include "core/tmplpathmanager.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

#include <cstdio>

namespace {

/// The searched folders as a reader can find them again.
QString searchedText()
{
    QStringList folders;
    for (const QString& folder : TmplPathManager::searchFolders())
        folders << QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(folder)));
    return folders.join(", ");
}

} // namespace

void chooseThemeFolders(const QString& themesDir)
{
    if (!themesDir.isEmpty())
        TmplPathManager::setSearchFolders({QDir(themesDir).filePath("templates") + "/"});
}

int listThemes()
{
    TmplPathManager* paths = TmplPathManager::instance();
    if (paths->templates().empty() && paths->notThemes().isEmpty())
        return failWith("no themes in " + searchedText());
    for (const TmplRecord* record : paths->templates()) {
        Slideshow show;
        QString why;
        const QString state = !show.openTheme(record->id, &why) ? "damaged (" + why + ")"
                              : show.themeComplete()            ? QString("ready")
                                                                : QString("downloads on first use");
        std::printf("%3d  %-24s %s\n", record->id, qPrintable(record->name), qPrintable(state));
    }
    for (const QString& folder : paths->notThemes())
        std::printf("  -  %-24s not a theme (its folder name is no theme number)\n", qPrintable(folder));
    return 0;
}

bool openTheme(Slideshow& show, int id, QString* reason)
{
    const QString file = QString::fromStdWString(TmplPathManager::instance()->GetTmplPath(id));
    if (!QFile::exists(file)) {
        *reason = QString("theme %1 is not installed (searched %2; see --list-themes)")
                      .arg(id)
                      .arg(searchedText());
        return false;
    }
    QString why;
    if (show.openTheme(id, &why))
        return true;
    *reason = QString("theme %1 is damaged: %2 cannot be read (%3)")
                  .arg(id)
                  .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()), why);
    return false;
}

bool ensureDownloaded(const Slideshow& show, QString* reason)
{
    if (show.themeComplete())
        return true;
    TmplDownloadManager* manager = TmplDownloadManager::instance();
    TerminalDownloadHandler handler(manager);
    manager->setErrorHandler(&handler);
    manager->setAutomaticRetries(3);
    ProgressLine line("Downloading the theme");
    InterruptibleLoop loop([manager] { manager->onReselectTheme(); });
    bool finished = false;
    QObject::connect(manager, &TmplDownloadManager::retrying, &loop,
                     [](QString why, int attempt, int of) {
                         if (why.endsWith('.'))
                             why.chop(1);
                         warn(QString("Download failed (%1); trying again (%2 of %3).")
                                  .arg(why)
                                  .arg(attempt)
                                  .arg(of));
                     });
    QObject::connect(manager, &TmplDownloadManager::progress, &loop,
                     [&line](float percent) { line.update(percent); });
    QObject::connect(manager, &TmplDownloadManager::done, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QObject::connect(manager, &TmplDownloadManager::reselectTheme, &loop, &QEventLoop::quit);
    show.fetchTheme();
    if (!finished)
        loop.exec();
    line.finish();
    manager->setErrorHandler(nullptr);
    if (!finished)
        *reason = interrupted() ? QString("stopped")
                                : "the theme could not be downloaded: " + handler.reason();
    return finished;
}

QString demoFolder()
{
    const QString base = QString::fromStdWString(TmplPathManager::instance()->GetTmplDir(0));
    return QDir::cleanPath(QDir(base).absoluteFilePath("../../demo"));
}
