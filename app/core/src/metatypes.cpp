#include "core/metatypes.h"

#include "core/thumbgenerator.h"
#include "core/videosettings.h"
#include "vidweave/mediafileinfo.h"

void registerCoreMetaTypes()
{
    qRegisterMetaType<std::list<QSharedPointer<MediaFileInfo>>>(
        "std::list< QSharedPointer<MediaFileInfo> >");
    qRegisterMetaType<MediaFileInfoSharedPointerList>("MediaFileInfoSharedPointerList");
    qRegisterMetaType<QSharedPointer<MediaFileInfo>>("QSharedPointer<MediaFileInfo>");
    qRegisterMetaType<MediaFileInfoSharedPointer>("MediaFileInfoSharedPointer");
    qRegisterMetaType<QSharedPointer<QImage>>("QSharedPointer<QImage>");
    qRegisterMetaType<ImageSharedPointer>("ImageSharedPointer");
    qRegisterMetaType<ThumbGeneratorTask>("ThumbGeneratorTask");
    qRegisterMetaType<QSharedPointer<QPixmap>>("QSharedPointer<QPixmap>");
    qRegisterMetaType<PixmapSharedPointer>("PixmapSharedPointer");
    qRegisterMetaType<VideoSettings>("VideoSettings");
}
