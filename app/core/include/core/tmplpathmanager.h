#pragma once

#include "common/itmplpathmanager.h"

#include <QString>
#include <QStringList>

#include <list>
#include <map>

/// One installed theme.
struct TmplRecord
{
    int id = 0;
    QString name;
    QString thumb;
    QString thumbPrj;
    QString preview;
    /// Its "info.xml" gives no name (missing, unreadable or damaged): the
    /// gallery leaves it out rather than show a blank tile.
    bool damaged = false;
};

/// Where every file of a theme lies, and the catalogue of the themes of one
/// folder, read once on first use.
class TmplPathManager : public ITmplPathManager
{
public:
    /// The process-wide instance over the first of searchFolders() that holds
    /// a theme; never destroyed. Over the installed themes, videos fetched
    /// later go to "templates/" of the user's data folder.
    static TmplPathManager* instance();

    /// Where instance() looks for themes, each ending in "/": "./templates/",
    /// then the themes installed beside the program ("../themes/templates/"
    /// of a build, "../share/pictavio/templates/" of an install), unless
    /// setSearchFolders() said otherwise.
    static QStringList searchFolders();
    /// Replaces searchFolders(); only before instance() is first used.
    static void setSearchFolders(const QStringList& folders);
    /// The first of \a folders with a theme folder in it; the first of all
    /// when none has one.
    static QString firstWithThemes(const QStringList& folders);

    /// Builds a catalogue of \a base (ending in "/"); for tests and tools.
    /// A scene video that \a base lacks is looked for, and downloaded, in
    /// \a videos (ending in "/"); in \a base itself when that is empty.
    explicit TmplPathManager(const QString& base, const QString& videos = {});

    std::wstring GetTmplPath(int tmplId) const override;
    std::wstring GetTmplInfoPath(int tmplId) const override;
    std::wstring GetTmplDir(int tmplId) const override;
    std::wstring GetSceneVideoPath(int tmplId, int sceneId) const override;

    /// The catalogue's records in ascending id; owned by the manager.
    std::list<const TmplRecord*> templates() const;
    /// A copy of the record for \a id; empty strings when there is none.
    TmplRecord tmplRecord(int id) const;
    /// The folders beside the themes whose names are no theme number (such
    /// as "abc" or "07"), sorted; no theme id would find them.
    QStringList notThemes() const { return others; }

private:
    void readCatalogue();

    QString base;
    QString videosBase;
    std::map<int, TmplRecord> catalogue;
    QStringList others;
};
