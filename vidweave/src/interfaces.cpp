#include "iavinput_p.h"
#include "vidweave/iprjrender.h"
#include "iscenereader_p.h"

// Out-of-line destructors give the interfaces one home for their vtables.
IAVInput::~IAVInput() = default;
ISceneReader::~ISceneReader() = default;
IRenderFactory::~IRenderFactory() = default;

IPrjRender::IPrjRender(QObject* parent) : QObject(parent) {}
IPrjRender::~IPrjRender() = default;
