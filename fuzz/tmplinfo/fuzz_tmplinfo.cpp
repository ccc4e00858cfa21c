#include "../xmlfuzzfile.h"

#include "docloom/tmplxmlparser.h"

// The theme summary ("info.xml") alone: the theme list reads it for every
// folder under templates/, before any theme is chosen.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ITmplParser::TmplInfo info = TmplXmlParser().GetInfo(scratchFile(data, size));
    static volatile int seen = 0; // keeps the read from being optimised away
    seen = seen + info.name.size() + info.preview.size();
    return 0;
}
