#include "ui/widgets/filedrop.h"

#include "ui/tiles/mediaform.h"

#include <QDropEvent>
#include <QMimeData>

bool acceptFileDrop(QDropEvent* event)
{
    const QMimeData* mime = event->mimeData();
    const Qt::DropActions offered = event->possibleActions();
    const bool files = mime && mime->hasUrls() && !MediaForm::isTileDrag(mime);
    if (!files || !(offered & (Qt::CopyAction | Qt::LinkAction))) {
        event->ignore();
        return false;
    }
    event->setDropAction(offered & Qt::CopyAction ? Qt::CopyAction : Qt::LinkAction);
    event->accept();
    return true;
}
