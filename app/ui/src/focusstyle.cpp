#include "ui/focusstyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

FocusStyle::FocusStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // On a blue button a blue ring would not show: white there.
    const QColor ring(0x00, 0x99, 0xff);
    const QColor under = option->palette.color(QPalette::Button);
    const int distance = qAbs(under.red() - ring.red()) + qAbs(under.green() - ring.green())
                         + qAbs(under.blue() - ring.blue());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(distance < 120 ? QColor(Qt::white) : ring, 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(option->rect).adjusted(1, 1, -1, -1), 4, 4);
    painter->restore();
}
