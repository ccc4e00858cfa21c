#include "core/tmplpathmanager.h"

#include "docloom/tmplxmlparser.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutexLocker>

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

} // namespace

TmplPathManager* TmplPathManager::instance()
{
    static QMutex mutex;
    static TmplPathManager* single = nullptr;
    QMutexLocker locker(&mutex);
    if (!single)
        single = new TmplPathManager(firstWithThemes(searchFolders()));
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

TmplPathManager::TmplPathManager(const QString& base) : base(base), videosBase(base)
{
    readCatalogue();
}

void TmplPathManager::readCatalogue()
{
    const QStringList names =
        QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    TmplXmlParser parser;
    for (const QString& name : names) {
        const int id = name.toInt(nullptr, 10);
        if (catalogue.count(id))
            continue; // the first folder read for an id stays
        const QString dir = base + name;
        // An unreadable summary leaves the name and preview empty.
        const ITmplParser::TmplInfo info = parser.GetInfo(dir + "/info.xml");
        catalogue[id] = TmplRecord{id, info.name, dir + "/thumb.jpg", dir + "/thumb-prj.jpg",
                                   info.preview};
    }
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
    std::wostringstream out;
    out << videosBase.toStdWString() << tmplId << L"/" << sceneId << L".mp4";
    return out.str();
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
    return it == catalogue.end() ? TmplRecord{id, {}, {}, {}, {}} : it->second;
}
