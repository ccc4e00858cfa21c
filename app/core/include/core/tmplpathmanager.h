#pragma once

#include "common/itmplpathmanager.h"

#include <QString>

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
};

/// Where every file of a theme lies, and the catalogue of the themes under
/// "./templates/", read once on first use.
class TmplPathManager : public ITmplPathManager
{
public:
    /// The process-wide instance; never destroyed.
    static TmplPathManager* instance();

    /// Builds a catalogue of \a base (ending in "/"); for tests and tools.
    explicit TmplPathManager(const QString& base);

    std::wstring GetTmplPath(int tmplId) const override;
    std::wstring GetTmplInfoPath(int tmplId) const override;
    std::wstring GetTmplDir(int tmplId) const override;
    std::wstring GetSceneVideoPath(int tmplId, int sceneId) const override;

    /// The catalogue's records in ascending id; owned by the manager.
    std::list<const TmplRecord*> templates() const;
    /// A copy of the record for \a id; empty strings when there is none.
    TmplRecord tmplRecord(int id) const;

private:
    void readCatalogue();

    QString base;
    QString videosBase;
    std::map<int, TmplRecord> catalogue;
};
