#pragma once

#include "core/thumbgenerator.h"

#include <QPoint>
#include <QSharedPointer>
#include <QWidget>

class ISceneMedia;
class QDrag;
class ThumbForm;

namespace Ui {
class SlideForm;
}

/// One slide on the slides page: a rounded picture with buttons that show
/// while the mouse is over it, and the drag source for reordering.
class SlideForm : public QWidget
{
    Q_OBJECT

public:
    enum Kind { Picture = 1, Text = 2 };

    /// \a icon is the placeholder picture under ":/images/" shown until a
    /// thumbnail arrives.
    SlideForm(QWidget* parent, const QString& value, int kind, const QString& icon,
              bool clickable, bool rotatable, int rotation);
    ~SlideForm() override;

    /// The slide's value for the project; the caller owns it.
    virtual ISceneMedia* mediaValue() = 0;
    virtual void setThumbnail(QSharedPointer<QImage> img);

    int kind() const { return slideKind; }
    QString value() const { return slideValue; }
    int rotation() const { return turns; }
    ThumbGeneratorTask task() const { return thumbTask; }
    ThumbForm* thumb() const;
    /// The picture could not be read: it cannot go into the video.
    bool isBroken() const { return broken; }
    /// Gives up the place in the thumbnail queue while the page is away...
    void withdrawThumbnail();
    /// ... and takes it again unless the full thumbnail has come.
    void resumeThumbnail();

signals:
    void remove(QWidget* slide_form);
    /// Ctrl+Left or Ctrl+Right: one place towards the start (-1) or the end (+1).
    void move(QWidget* slide_form, int step);
    /// The tile is being dragged: the container marks where it may land.
    void dragStarted(QWidget* slide_form);
    /// The picture turned out unreadable, or readable after all.
    void brokenChanged();

protected slots:
    void on_removeButton_clicked();
    virtual void on_valueChanged(QString new_value);
    virtual void thumbClicked();
    void slideHovered(QWidget* slide);
    virtual void thumbGenerated(ThumbGeneratorTask path, QSharedPointer<QImage> img);
    virtual void on_thumbClicked();
    void thumbCompleted(ThumbGeneratorTask task);

private slots:
    void on_rotateLeftButton_clicked();
    void on_rotateRightButton_clicked();

protected:
    /// Asks the thumbnail service for \a path at the picture's size in
    /// device pixels, withdrawing any earlier request.
    void requestThumbnail(const QString& path);
    void setValue(const QString& value) { slideValue = value; }
    /// Whether an answer of the thumbnail service is this tile's to show.
    bool takesAnswer(const ThumbGeneratorTask& task, const QSharedPointer<QImage>& img) const;
    /// Shows the broken-picture mark; \a reason goes into the tooltip.
    void showBroken(const QString& reason);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setControlsVisible(bool on);
    QString keysHint() const;
    void rotateBy(int quarterTurns);
    void startDrag();
    QPixmap dragPixmap() const;

    int slideKind;
    ThumbGeneratorTask thumbTask;
    QPoint pressPosition;
    Ui::SlideForm* ui;
    QString slideValue;
    bool rotatable;
    int turns;
    bool broken = false;
    bool thumbWaiting = false;
    bool thumbDone = false;
};
