#include "vidweave/pixmaputil.h"

#include <QGraphicsDropShadowEffect>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

int ceilPixels(int unit, float factor)
{
    return int(std::ceil(float(unit) * factor));
}

} // namespace

QPixmap PixmapUtil::AddShadow(QPixmap& picture, IMedia::shadow_t shadow, int unit,
                              QPolygonF& imageQuad)
{
    const int blur = ceilPixels(unit, shadow.blurRadius);
    const int dx = ceilPixels(unit, shadow.offsetX);
    const int dy = ceilPixels(unit, shadow.offsetY);
    const int left = std::max(0, blur - dx);
    const int right = std::max(0, blur + dx);
    const int top = std::max(0, blur - dy);
    const int bottom = std::max(0, blur + dy);

    // The scene owns the item, the item owns the effect.
    auto* effect = new QGraphicsDropShadowEffect;
    effect->setBlurRadius(blur);
    effect->setColor(QColor(shadow.red, shadow.green, shadow.blue, shadow.alpha));
    effect->setOffset(dx, dy);
    QGraphicsScene scene(QRectF(-left, -top, picture.width() + left + right,
                                picture.height() + top + bottom));
    scene.addPixmap(picture)->setGraphicsEffect(effect);

    QPixmap result(scene.sceneRect().size().toSize());
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        scene.render(&painter, QRectF(), QRectF(), Qt::KeepAspectRatio);
    }

    imageQuad << QPointF(left, top) << QPointF(picture.width() + left, top)
              << QPointF(picture.width() + left, picture.height() + top)
              << QPointF(left, picture.height() + top);
    return result;
}

QPixmap PixmapUtil::AddShadow(QPixmap& picture, IMedia::shadow_t shadow, int unit)
{
    QPolygonF ignored;
    return AddShadow(picture, shadow, unit, ignored);
}

QPixmap* PixmapUtil::getTextPixmap(int width, int height, QString text, QFont font,
                                   QColor colour, float widthFactor, float heightFactor,
                                   float& fontSize)
{
    auto* pixmap = new QPixmap(std::max(0, width), std::max(0, height));
    fontSize = 0;
    if (pixmap->isNull())
        return pixmap;
    pixmap->fill(Qt::transparent);
    QPainter painter(pixmap);
    painter.setFont(font);

    QRect box = pixmap->rect();
    box.setWidth(int(float(width) * widthFactor));
    box.setHeight(int(float(height) * heightFactor));
    box.moveCenter(pixmap->rect().center());

    const int measureFlags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextDontClip
                             | Qt::TextWordWrap;
    float size = float(box.height());
    for (;;) {
        fontSize = size;
        // Qt refuses sizes below 1 point; the search never tries one that small
        // unless the box is less than a few pixels high.
        font.setPointSize(std::max(1, int(size)));
        painter.setFont(font);
        // Qt measures an empty text as one empty line; there is nothing to fit.
        if (text.isEmpty())
            break;
        const QRect measured = painter.fontMetrics().boundingRect(box, measureFlags, text);
        if (measured.width() <= box.width() && measured.height() <= box.height())
            break;
        if (size < 3.0f)
            break;
        size = float(double(size) * 0.9);
    }

    painter.setPen(colour);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, text);
    return pixmap;
}
