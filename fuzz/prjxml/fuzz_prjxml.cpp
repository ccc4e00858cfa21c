#include "../xmlfuzzfile.h"

#include "common/baseprjfactory.h"
#include "common/release.h"
#include "docloom/prjxmlparser.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::wstring path = scratchFile(data, size).toStdWString();
    BasePrjFactory factory;
    PrjXmlParser parser;
    std::unique_ptr<IUsrData> userData(parser.ParseUsrData(path, &factory));
    parser.ParseInfo(path);
    std::unique_ptr<IPrj> prj(parser.ParsePrj(path, &factory));
    if (prj)
        ReleaseSceneMedia(const_cast<SceneMediaList*>(prj->GetMedia()));
    return 0;
}
