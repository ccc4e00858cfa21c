#include "vidweave/iavinput.h"
#include "vidweave/iscenereader.h"

// Out-of-line destructors give the interfaces one home for their vtables.
IAVInput::~IAVInput() = default;
ISceneReader::~ISceneReader() = default;
