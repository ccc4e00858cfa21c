#include "ui/dialogs/overlaywidget.h"

#include <QEvent>
#include <QResizeEvent>

OverlayWidget::OverlayWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    watchParent();
}

void OverlayWidget::watchParent()
{
    if (!parentWidget())
        return;
    parentWidget()->installEventFilter(this);
    resize(parentWidget()->size());
}

bool OverlayWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        resize(static_cast<QResizeEvent*>(event)->size());
    return QWidget::eventFilter(watched, event);
}

bool OverlayWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ParentAboutToChange && parent())
        parent()->removeEventFilter(this);
    else if (event->type() == QEvent::ParentChange)
        watchParent();
    return QWidget::event(event);
}
