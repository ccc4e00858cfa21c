#include "ui/widgets/focusstyle.h"

#include <QPainter>
#include <QPushButton>
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
    // Round a push button whole: a ring round its text would cut through the letters.
    const bool button = qobject_cast<const QPushButton*>(widget) != nullptr;
    const QRectF around = button ? QRectF(widget->rect()).adjusted(2, 2, -2, -2)
                                 : QRectF(option->rect).adjusted(1, 1, -1, -1);
    painter->drawRoundedRect(around, button ? 6 : 4, button ? 6 : 4);
    painter->restore();
}
