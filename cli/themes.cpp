#include "themes.h"

#include "terminal.h"

#include "common/basetmplfactory.h"
#include "common/release.h"
#include "core/tmpldownloadmanager.h"
#include "core/tmplpathmanager.h"
#include "docloom/tmplxmlparser.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

#include <cstdio>
#include <set>

namespace {

TmplPtr readTheme(int id)
{
    BaseTmplFactory factory;
    const std::wstring file = TmplPathManager::instance()->GetTmplPath(id);
    TmplPtr tmpl(TmplXmlParser().ParseTmpl(file, &factory));
    if (tmpl && tmpl->GetScenes().empty())
        tmpl.reset();
    return tmpl;
}

/// The searched folders as a reader can find them again.
QString searchedText()
{
    QStringList folders;
    for (const QString& folder : TmplPathManager::searchFolders())
        folders << QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(folder)));
    return folders.join(", ");
}

bool checkBackground(int id, int scene, QString* reason)
{
    const QString path =
        QString::fromStdWString(TmplPathManager::instance()->GetSceneVideoPath(id, scene));
    QString why;
    if (isUsableBackground(path, &why))
        return true;
    *reason = QString("theme %1 has a damaged background: %2").arg(id).arg(why);
    // The theme lists it as a video to fetch: without the damaged copy, the next run does.
    if (QFile::remove(path))
        *reason += " It was removed; the next run downloads it again.";
    return false;
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
        TmplPtr tmpl = readTheme(record->id);
        const char* state = !tmpl ? "damaged"
                            : isDownloaded(record->id, paths, tmpl.get()) ? "ready"
                                                                           : "downloads on first use";
        std::printf("%3d  %-24s %s\n", record->id, qPrintable(record->name), state);
    }
    for (const QString& folder : paths->notThemes())
        std::printf("  -  %-24s not a theme (its folder name is no theme number)\n", qPrintable(folder));
    return 0;
}

TmplPtr loadTheme(int id, QString* reason)
{
    const QString file = QString::fromStdWString(TmplPathManager::instance()->GetTmplPath(id));
    if (!QFile::exists(file)) {
        *reason = QString("theme %1 is not installed (searched %2; see --list-themes)")
                      .arg(id)
                      .arg(searchedText());
        return {};
    }
    TmplPtr tmpl = readTheme(id);
    if (!tmpl)
        *reason = QString("theme %1 is damaged: %2 cannot be read")
                      .arg(id)
                      .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()));
    return tmpl;
}

bool ensureDownloaded(int id, ITmpl* tmpl, QString* reason)
{
    TmplPathManager* paths = TmplPathManager::instance();
    if (isDownloaded(id, paths, tmpl))
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
    manager->download(id, paths, tmpl);
    if (!finished)
        loop.exec();
    line.finish();
    manager->setErrorHandler(nullptr);
    if (!finished)
        *reason = interrupted() ? QString("stopped")
                                : "the theme could not be downloaded: " + handler.reason();
    return finished;
}

bool checkBackgrounds(int id, ITmpl* tmpl, const SceneMediaList& media, QString* reason)
{
    std::set<int> used;
    for (const SceneMediaPair* pair : media)
        used.insert(pair->first);
    const auto scenes = tmpl->GetScenes();
    for (int scene : used) {
        const auto it = scenes.find(scene);
        if (it != scenes.end() && it->second && it->second->GetBgType() == BgVideo
            && !checkBackground(id, scene, reason))
            return false;
    }
    return true;
}

QString demoFolder()
{
    const QString base = QString::fromStdWString(TmplPathManager::instance()->GetTmplDir(0));
    return QDir::cleanPath(QDir(base).absoluteFilePath("../../demo"));
}
