#include "ui/dialogs/backdropoverlay.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

BackdropOverlay::BackdropOverlay(QWidget* parent, const QColor& colour)
    : OverlayWidget(parent)
    , m_colour(colour)
{
    follow(QApplication::activeModalWidget());
}

// Qt tells a window when a modal widget starts or stops blocking it; that
// comes before any repaint, so the dimming never lags behind the dialog.
bool BackdropOverlay::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == parent() && (type == QEvent::WindowBlocked || type == QEvent::WindowUnblocked))
        follow(QApplication::activeModalWidget());
    return OverlayWidget::eventFilter(watched, event);
}

void BackdropOverlay::follow(QWidget* modal)
{
    if (!modal || !parentWidget()) {
        lower();
        hide();
        return;
    }
    connect(modal, &QObject::destroyed, this, &BackdropOverlay::modalWidgetDestroyed,
            Qt::UniqueConnection);
    resize(parentWidget()->size());
    raise();
    show();
}

void BackdropOverlay::modalWidgetDestroyed(QObject*)
{
    // The destroyed widget may still be listed as modal while it dies.
    QWidget* modal = QApplication::activeModalWidget();
    follow(modal == sender() ? nullptr : modal);
}

void BackdropOverlay::paintEvent(QPaintEvent*)
{
    if (!QApplication::activeModalWidget())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
}
