#include "ui/widgets/coverpixmap.h"

#include <QImage>

QPixmap coverPixmap(const QString& path, const QSize& size, qreal ratio)
{
    QImage image(path);
    if (image.isNull() || size.isEmpty())
        return {};
    const QSize box = size * ratio;
    image = image.scaled(box, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    image = image.copy((image.width() - box.width()) / 2, (image.height() - box.height()) / 2,
                       box.width(), box.height());
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}
