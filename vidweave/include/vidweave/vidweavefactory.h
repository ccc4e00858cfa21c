#pragma once

#include "vidweave/iprjrender.h"
#include "vidweave/vidweave_export.h"

/// Makes the library's renderers.
class VIDWEAVE_EXPORT VidweaveFactory : public IRenderFactory
{
public:
    VidweaveFactory();

    /// A new H.264/MP4 renderer, owned by the caller.
    IPrjRender* GetH264PrjRender() override;
};
