#pragma once

#include "ui/dialogs/overlaywidget.h"

#include <QColor>

// Dims its window while a modal widget is open.
class BackdropOverlay : public OverlayWidget
{
    Q_OBJECT
public:
    BackdropOverlay(QWidget* parent, const QColor& colour);

protected slots:
    void modalWidgetDestroyed(QObject* modal);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* modal);

    QColor m_colour;
};
