#include "vidweave/vidweavefactory.h"
#include "h264render_p.h"

VidweaveFactory::VidweaveFactory() = default;

IPrjRender* VidweaveFactory::GetH264PrjRender()
{
    return new H264Render;
}
