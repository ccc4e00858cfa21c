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
    /// Malformed or truncated input gives what was read before the fault.
    /// Null when the file cannot be opened or holds neither a "template" nor
    /// a "scene" element.
    ITmpl* ParseTmpl(std::wstring path, ITmplFactory* factory) override;
    /// The name and preview address; empty fields when the file cannot be
    /// read.
    TmplInfo GetInfo(QString path) override;
};
