#include "ui/widgets/roundedmask.h"

#include <QPainter>
#include <QWidget>

QBitmap roundedMask(int width, int height, int radius)
{
    QBitmap mask(width, height);
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::color1);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(0, 0, width - 1, height - 1, radius, radius);
    return mask;
}

void roundWidget(QWidget* widget, int radius)
{
    widget->setMask(roundedMask(widget->width(), widget->height(), radius));
}
