#pragma once

#include <QLabel>
#include <QPixmap>

/// The rounded picture of a slide tile: the received thumbnail, turned by
/// quarter turns, at full or half opacity.
class ThumbForm : public QLabel
{
    Q_OBJECT

public:
    explicit ThumbForm(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    /// Quarter turns; any count, negative ones turn left.
    void setRotation(int quarterTurns);
    /// Inactive pictures (left out of the video) show at half opacity.
    void setActive(bool on);
    bool isActive() const { return active; }
    int rotation() const { return turns; }
    /// The picture as shown, turned and faded; null before one arrives.
    QPixmap shown() const;

    /// The mask every tile picture shares.
    static const QBitmap& sharedMask();
    static const int side = 150;
    static const int cornerRadius = 7;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void redraw();

    bool active = true;
    QPixmap picture;
    int turns = 0;
};
