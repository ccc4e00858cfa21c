#include "../xmlfuzzfile.h"

#include "common/basetmplfactory.h"
#include "common/release.h"
#include "docloom/tmplxmlparser.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Text slots make QFonts, which want an application.
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    Q_UNUSED(app)

    const QString path = scratchFile(data, size);
    BaseTmplFactory factory;
    TmplXmlParser parser;
    ITmpl* tmpl = parser.ParseTmpl(path.toStdWString(), &factory);
    if (tmpl) {
        for (const auto& scene : tmpl->GetScenes()) {
            int num = 0, den = 0;
            scene.second->GetTimeBase(num, den);
        }
    }
    ReleaseTmpl(tmpl);
    parser.GetInfo(path);
    return 0;
}
