#pragma once

#include <QPixmap>
#include <QSharedPointer>

using PixmapSharedPointer = QSharedPointer<QPixmap>;
Q_DECLARE_METATYPE(QSharedPointer<QPixmap>)

/// Registers every type that crosses threads by queued signals, with its
/// typedef names. Call once at start-up; the objects that send them call it
/// too, and calling it again does nothing.
void registerCoreMetaTypes();
