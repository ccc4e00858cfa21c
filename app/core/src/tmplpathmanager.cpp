#include "core/tmplpathmanager.h"

#include "docloom/tmplxmlparser.h"

#include <QDir>
#include <QMutexLocker>

#include <sstream>

TmplPathManager* TmplPathManager::instance()
{
    static QMutex mutex;
    static TmplPathManager* single = nullptr;
    QMutexLocker locker(&mutex);
    if (!single)
        single = new TmplPathManager(QStringLiteral("./templates/"));
    return single;
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
