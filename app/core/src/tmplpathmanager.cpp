#include "core/tmplpathmanager.h"

#include "docloom/tmplxmlparser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QStandardPaths>

#include <sstream>

namespace {

QStringList& chosenFolders()
{
    static QStringList folders;
    return folders;
}

QStringList installedFolders()
{
    // Without an application object the program's folder is unknown.
    if (!QCoreApplication::instance())
        return {};
    const QDir bin(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(bin.filePath("../themes/templates")) + "/",
            QDir::cleanPath(bin.filePath("../share/pictavio/templates")) + "/"};
}

/// Theme videos fetched later go where the user can write: not into the
/// themes installed with the program, which belong to the system.
QString downloadFolderFor(const QString& themes)
{
    const QStringList installed = installedFolders();
    if (installed.isEmpty() || themes != installed.last())
        return themes;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? themes : data + "/templates/";
}

} // namespace

TmplPathManager* TmplPathManager::instance()
{
    static QMutex mutex;
    static TmplPathManager* single = nullptr;
    QMutexLocker locker(&mutex);
    if (!single) {
        const QString themes = firstWithThemes(searchFolders());
        single = new TmplPathManager(themes, downloadFolderFor(themes));
    }
    return single;
}

QStringList TmplPathManager::searchFolders()
{
    if (!chosenFolders().isEmpty())
        return chosenFolders();
    return QStringList{QStringLiteral("./templates/")} + installedFolders();
}

void TmplPathManager::setSearchFolders(const QStringList& folders)
{
    chosenFolders() = folders;
}

QString TmplPathManager::firstWithThemes(const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (!QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty())
            return folder;
    }
    return folders.value(0, QStringLiteral("./templates/"));
}

TmplPathManager::TmplPathManager(const QString& base, const QString& videos)
    : base(base), videosBase(videos.isEmpty() ? base : videos)
{
    readCatalogue();
}

void TmplPathManager::readCatalogue()
{
    const QStringList names =
        QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    TmplXmlParser parser;
    for (const QString& name : names) {
        bool number = false;
        const int id = name.toInt(&number, 10);
        // Only the folder GetTmplDir() names for an id is that theme.
        if (!number || QString::number(id) != name) {
            others << name;
            continue;
        }
        const QString dir = base + name;
        // An unreadable summary leaves the name and preview empty.
        const ITmplParser::TmplInfo info = parser.GetInfo(dir + "/info.xml");
        catalogue[id] = TmplRecord{id, info.name, dir + "/thumb.jpg", dir + "/thumb-prj.jpg",
                                   info.preview, info.name.trimmed().isEmpty()};
    }
    others.sort();
}

std::wstring TmplPathManager::GetTmplPath(int tmplId) const
{
    return GetTmplDir(tmplId) + L"template.xml";
}

std::wstring TmplPathManager::GetTmplInfoPath(int tmplId) const
{
    return GetTmplDir(tmplId) + L"info.xml";
}

std::wstring TmplPathManager::GetTmplDir(int tmplId) const
{
    std::wostringstream out;
    out << base.toStdWString() << tmplId << L"/";
    return out.str();
}

std::wstring TmplPathManager::GetSceneVideoPath(int tmplId, int sceneId) const
{
    const QString name = QStringLiteral("%1/%2.mp4").arg(tmplId).arg(sceneId);
    // The videos shipped with the theme first, then those fetched since.
    if (videosBase != base && !QFileInfo::exists(base + name))
        return (videosBase + name).toStdWString();
    return (base + name).toStdWString();
}

std::list<const TmplRecord*> TmplPathManager::templates() const
{
    std::list<const TmplRecord*> records;
    for (const auto& entry : catalogue)
        records.push_back(&entry.second);
    return records;
}

TmplRecord TmplPathManager::tmplRecord(int id) const
{
    const auto it = catalogue.find(id);
    return it == catalogue.end() ? TmplRecord{id, {}, {}, {}, {}, false} : it->second;
}
