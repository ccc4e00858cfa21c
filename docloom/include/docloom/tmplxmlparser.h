#pragma once

#include "docloom/docloom_export.h"

#include "common/itmpl.h"
#include "common/itmplfactory.h"

#include <QString>

#include <string>

class DOCLOOM_EXPORT ITmplParser
{
public:
    /// A theme's summary for the gallery.
    struct TmplInfo
    {
        QString name;
        QString preview;
    };

    virtual ~ITmplParser() = default;

    virtual ITmpl* ParseTmpl(std::wstring path, ITmplFactory* factory) = 0;
    virtual TmplInfo GetInfo(QString path) = 0;
};

/// Reads "template.xml" and "info.xml" of a theme.
class DOCLOOM_EXPORT TmplXmlParser : public ITmplParser
{
public:
    /// Builds the template through \a factory; the caller owns the result and
    /// every scene, media map and slot reachable from it (ReleaseTmpl).
    /// Null when the file cannot be opened, is damaged (not well-formed,
    /// truncated, with a DOCTYPE or nested deeper than 32 elements) or holds
    /// neither a "template" nor a "scene" element. Unknown elements and
    /// attributes are ignored.
    ITmpl* ParseTmpl(std::wstring path, ITmplFactory* factory) override;
    /// The name and preview address; empty fields when the file cannot be
    /// read or is damaged.
    TmplInfo GetInfo(QString path) override;
    /// Why the last ParseTmpl or GetInfo refused its file, naming the file,
    /// line and column ("template.xml, line 12, column 4: …"); empty after
    /// a file that was read.
    QString ErrorString() const { return error; }

private:
    QString error;
};
