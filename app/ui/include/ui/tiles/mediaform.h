#pragma once

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

class FlowLayout;
class QMimeData;
class ImageSlideForm;
class MediaVerticalSeparator;
class QScrollArea;
class TextSlideForm;

/// The scrollable area of the slides page: tiles flow and wrap like words,
/// are reordered by drag and drop with a white insertion mark, and a
/// full-width warning row shows where the music ends.
class MediaForm : public QWidget
{
    Q_OBJECT

public:
    /// The MIME type of a tile being dragged; the payload is empty.
    static const char* const dragMimeType;
    /// Whether \a mime is a tile's own drag, whatever else it carries.
    static bool isTileDrag(const QMimeData* mime);

    explicit MediaForm(QWidget* parent = nullptr);

    /// Puts \a tile (made a child of the tile container) at layout index
    /// \a at, or at the end when that is -1; a tile with a
    /// remove(QWidget*) signal is removed through removeSlide().
    void addSlide(QWidget* tile, int at = -1);
    /// A new picture tile at layout index \a at (-1: the end); owned by the area.
    ImageSlideForm* addImageSlide(const QString& path, int rotation, int at = -1);
    /// A new text tile at layout index \a at (-1: the end); owned by the area.
    TextSlideForm* addTextSlide(const QString& text, int maxLength, int at = -1);
    /// Layout items, less the separator while it is shown.
    int slidesCount() const;
    /// The tiles in order, without the separator.
    QList<QWidget*> slides() const;
    void showSeparatorAt(int index);
    void hideSeparator();
    bool separatorShown() const;
    MediaVerticalSeparator* separator() const { return warningRow; }
    void scrollToBottom();
    void setAutoScroll(bool on);
    void clearSlides();

    /// Where a drop would go: a layout index, or -1 for the end.
    int dropIndex() const { return dropAt; }
    QWidget* tileContainer() const { return container; }
    FlowLayout* flowLayout() const { return flow; }

signals:
    /// Files or folders from outside dropped before the slide at \a slide
    /// (-1: after the last).
    void filesDropped(const QList<QUrl>& urls, int slide);
    void slidesCountChanged(int slides_count);
    void slidesOrderCahanged();

public slots:
    /// The tile a drag started from, for drops whose source is not known
    /// to Qt (a tile's dragStarted signal reaches it before the drag runs).
    void beginDrag(QWidget* tile);
    void removeSlide(QWidget* slide_form);
    /// Moves \a tile one place towards the start (-1) or the end (+1).
    void moveSlide(QWidget* tile, int step);

private slots:
    void moveScrollBarToBottom(int min, int max);
    void doDragScroll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum ScrollDirection { NoScroll = 0, ScrollUp = 1, ScrollDown = 2 };

    QWidget* tileAt(const QPoint& inContainer) const;
    int slideIndexAt(int layoutIndex) const;
    void dropTiles(QDropEvent* event);
    void endDrag();
    void updateDropTarget(const QPoint& inContainer);
    void markTile(QWidget* tile, const QString& left, const QString& right);
    void clearMarks();
    void updateAutoScroll(int y);
    void broadcastHover();

    QScrollArea* scrollArea;
    QWidget* container;
    FlowLayout* flow;
    MediaVerticalSeparator* warningRow;
    bool autoScroll = false;
    QPointer<QWidget> marked;
    QPointer<QWidget> neighbour;
    QPointer<QWidget> dragged;
    int dropAt = -1;
    ScrollDirection direction = NoScroll;
    float scrollSpeed = 0;
    QTimer scrollTimer;
};
