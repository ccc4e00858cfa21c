#pragma once

#include "docloom/docloom_export.h"

#include "common/iprj.h"
#include "common/iusrdata.h"
#include "common/prjinfo.h"

#include <string>

class DOCLOOM_EXPORT IPrjSaver
{
public:
    virtual ~IPrjSaver() = default;

    virtual bool SavePrj(IPrj& prj, std::wstring path) = 0;
    virtual bool SavePrjInfo(const PrjInfo& info, std::wstring path) = 0;
    virtual bool SaveUserData(std::wstring path, IUsrData& data) = 0;
};

/// Writes the project documents, each as one line of XML. A document is
/// written to a temporary file and put in place only when complete, so a
/// failed save leaves the previous file as it was. Each returns false when
/// the file could not be written. Characters that XML cannot hold are
/// dropped from every text and path written (XmlSafeText).
class DOCLOOM_EXPORT PrjXmlSaver : public IPrjSaver
{
public:
    bool SavePrj(IPrj& prj, std::wstring path) override;
    bool SavePrjInfo(const PrjInfo& info, std::wstring path) override;
    bool SaveUserData(std::wstring path, IUsrData& data) override;
};
