#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

/// The picture at \a path scaled to cover \a size (logical pixels) and cut to
/// it, sharp at the screen's \a ratio; a null pixmap when it cannot be read.
QPixmap coverPixmap(const QString& path, const QSize& size, qreal ratio);
