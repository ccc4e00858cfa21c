#include "ui/tiles/thumbform.h"

#include "ui/widgets/roundedmask.h"
#include "vidweave/imagerotate.h"

#include <QMouseEvent>
#include <QPainter>

ThumbForm::ThumbForm(QWidget* parent) : QLabel(parent)
{
    setMask(sharedMask());
    setAlignment(Qt::AlignCenter);
}

const QBitmap& ThumbForm::sharedMask()
{
    static const QBitmap mask = roundedMask(side, side, cornerRadius);
    return mask;
}

void ThumbForm::setImage(const QImage& image)
{
    picture = QPixmap::fromImage(image);
    // The placeholder icon would show around a picture narrower than the tile.
    setStyleSheet(QStringLiteral("background: transparent;"));
    redraw();
}

void ThumbForm::setRotation(int quarterTurns)
{
    turns = quarterTurns;
    redraw();
}

void ThumbForm::setActive(bool on)
{
    if (active == on)
        return;
    active = on;
    redraw();
}

QPixmap ThumbForm::shown() const
{
    return pixmap(Qt::ReturnByValue);
}

void ThumbForm::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit clicked();
}

void ThumbForm::redraw()
{
    if (picture.isNull()) {
        clear();
        return;
    }
    QPixmap result = picture;
    if (!active) {
        result = QPixmap(picture.size());
        result.fill(Qt::transparent);
        QPainter painter(&result);
        painter.setOpacity(0.5);
        painter.drawPixmap(0, 0, picture);
    }
    const int quarter = ((turns % 4) + 4) % 4;
    if (quarter != 0)
        result = ImageRotate::rotate(quarter * 90, result);
    result.setDevicePixelRatio(devicePixelRatioF());
    setPixmap(result);
}
