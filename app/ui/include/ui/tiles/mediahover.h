#pragma once

#include <QObject>

class QWidget;

/// Tells every slide tile which one the mouse is over, so that only that
/// tile shows its buttons.
class MediaHover : public QObject
{
    Q_OBJECT

public:
    /// The process-wide instance; never destroyed.
    static MediaHover* instance();

signals:
    void slideHovered(QWidget* slide);

private:
    MediaHover() = default;
};
