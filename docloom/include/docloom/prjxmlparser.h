#pragma once

#include "docloom/docloom_export.h"

#include "common/iprj.h"
#include "common/iprjfactory.h"
#include "common/iusrdata.h"
#include "common/prjinfo.h"

#include <QString>

#include <string>

class QFile;
class StrictXmlReader;

class DOCLOOM_EXPORT IPrjParser
{
public:
    virtual ~IPrjParser() = default;

    virtual IPrj* ParsePrj(std::wstring path, IPrjFactory* factory) = 0;
    virtual PrjInfo ParseInfo(std::wstring path) = 0;
    virtual IUsrData* ParseUsrData(std::wstring path, IPrjFactory* factory) = 0;
};

/// Reads the project documents. A damaged document (not well-formed,
/// truncated, with a DOCTYPE or nested deeper than 32 elements) is refused as
/// a whole: null, or the empty summary. Unknown elements and attributes are
/// ignored.
class DOCLOOM_EXPORT PrjXmlParser : public IPrjParser
{
public:
    /// An assembled project. The caller owns the result and also its scene
    /// list with pairs and values (ReleaseSceneMedia on GetMedia()). Null when
    /// the file cannot be opened or has no "project" element.
    IPrj* ParsePrj(std::wstring path, IPrjFactory* factory) override;
    /// A project summary; the empty record when the file cannot be read or
    /// is damaged.
    PrjInfo ParseInfo(std::wstring path) override;
    /// User data owned by the caller. Null when the file cannot be opened, is
    /// not a regular file or has no "userdata" element.
    IUsrData* ParseUsrData(std::wstring path, IPrjFactory* factory) override;
    /// The slides of a kind other than picture or text that the last
    /// ParseUsrData left out.
    int unknownSlides() const { return unknown; }
    /// Why the last reading refused its file, naming the file, line and
    /// column ("prj.xml, line 3, column 9: …"); empty after a file that was read.
    QString ErrorString() const { return error; }

private:
    bool opened(QFile& file, const void* factory);
    bool accepted(const StrictXmlReader& xml, bool recognised, const QFile& file, const char* element);

    int unknown = 0;
    QString error;
};
