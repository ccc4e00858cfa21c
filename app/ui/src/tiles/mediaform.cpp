#include "ui/tiles/mediaform.h"

#include "ui/widgets/filedrop.h"
#include "ui/widgets/flowlayout.h"
#include "ui/tiles/imageslideform.h"
#include "ui/tiles/mediahover.h"
#include "ui/tiles/mediaverticalseparator.h"
#include "ui/tiles/textslideform.h"

#include <QCursor>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QString oneLine = QStringLiteral("1px solid #FFFFFF");
const QString twoLines = QStringLiteral("2px solid #FFFFFF");
const QString noLine = QStringLiteral("none");
// How close to the top or bottom edge a drag scrolls the area.
const int scrollZone = 150;

bool acceptDrag(QDropEvent* event)
{
    if (!MediaForm::isTileDrag(event->mimeData()))
        return acceptFileDrop(event);
    event->acceptProposedAction();
    return true;
}

} // namespace

const char* const MediaForm::dragMimeType = "application/x-dndSlidedata";

bool MediaForm::isTileDrag(const QMimeData* mime)
{
    return mime && mime->hasFormat(QString::fromLatin1(dragMimeType));
}

MediaForm::MediaForm(QWidget* parent)
    : QWidget(parent), scrollArea(new QScrollArea(this)), container(new QWidget),
      flow(new FlowLayout(container, 12, 0, 0)), warningRow(new MediaVerticalSeparator(flow, container))
{
    setObjectName(QStringLiteral("MediaForm"));
    setAcceptDrops(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollArea);
    scrollArea->setWidgetResizable(true);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setFocusPolicy(Qt::NoFocus); // the tiles take the focus, not their frame
    scrollArea->setStyleSheet(QStringLiteral("QScrollArea, #slidesContainer { background: transparent; }"));
    container->setObjectName(QStringLiteral("slidesContainer"));
    container->setContentsMargins(24, 12, 24, 12);
    container->setMouseTracking(true);
    container->installEventFilter(this);
    scrollArea->setWidget(container);
    warningRow->hide();
    scrollTimer.setInterval(0);
    connect(&scrollTimer, &QTimer::timeout, this, &MediaForm::doDragScroll);
    connect(scrollArea->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            &MediaForm::moveScrollBarToBottom);
}

void MediaForm::addSlide(QWidget* tile, int at)
{
    tile->setParent(container);
    tile->setMouseTracking(true);
    tile->installEventFilter(this);
    flow->insertWidget(at, tile);
    tile->show();
    if (tile->metaObject()->indexOfSignal("remove(QWidget*)") >= 0)
        connect(tile, SIGNAL(remove(QWidget*)), this, SLOT(removeSlide(QWidget*)));
    if (tile->metaObject()->indexOfSignal("move(QWidget*,int)") >= 0)
        connect(tile, SIGNAL(move(QWidget*,int)), this, SLOT(moveSlide(QWidget*,int)));
    if (tile->metaObject()->indexOfSignal("dragStarted(QWidget*)") >= 0)
        connect(tile, SIGNAL(dragStarted(QWidget*)), this, SLOT(beginDrag(QWidget*)));
}

ImageSlideForm* MediaForm::addImageSlide(const QString& path, int rotation, int at)
{
    auto* tile = new ImageSlideForm(container, path, rotation);
    addSlide(tile, at);
    return tile;
}

TextSlideForm* MediaForm::addTextSlide(const QString& text, int maxLength, int at)
{
    auto* tile = new TextSlideForm(container, text, maxLength);
    addSlide(tile, at);
    return tile;
}

int MediaForm::slidesCount() const
{
    return flow->count() - (separatorShown() ? 1 : 0);
}

QList<QWidget*> MediaForm::slides() const
{
    QList<QWidget*> tiles;
    for (int i = 0; i < flow->count(); ++i) {
        QWidget* widget = flow->itemAt(i)->widget();
        if (widget && widget != warningRow)
            tiles << widget;
    }
    return tiles;
}

bool MediaForm::separatorShown() const
{
    return flow->indexOf(warningRow) >= 0;
}

void MediaForm::showSeparatorAt(int index)
{
    hideSeparator();
    flow->insertWidget(index, warningRow);
    warningRow->show();
}

void MediaForm::hideSeparator()
{
    const int index = flow->indexOf(warningRow);
    if (index >= 0)
        delete flow->takeAt(index);
    warningRow->hide();
}

void MediaForm::scrollToBottom()
{
    QScrollBar* bar = scrollArea->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void MediaForm::setAutoScroll(bool on)
{
    autoScroll = on;
}

void MediaForm::clearSlides()
{
    hideSeparator();
    clearMarks();
    while (QLayoutItem* item = flow->takeAt(0)) {
        if (QWidget* widget = item->widget())
            widget->deleteLater();
        delete item;
    }
}

void MediaForm::removeSlide(QWidget* slide_form)
{
    const int index = flow->indexOf(slide_form);
    if (index < 0)
        return;
    // The keyboard stays in the slides: the focus goes to the neighbour.
    if (slide_form->hasFocus()) {
        const QList<QWidget*> tiles = slides();
        const int at = tiles.indexOf(slide_form);
        QWidget* next = tiles.value(at + 1, tiles.value(at - 1));
        if (next && next != slide_form)
            next->setFocus(Qt::OtherFocusReason);
    }
    delete flow->takeAt(index);
    slide_form->hide();
    emit slidesCountChanged(slidesCount());
    // The request came from the tile itself: it goes once that returns.
    slide_form->deleteLater();
}

void MediaForm::moveSlide(QWidget* tile, int step)
{
    const QList<QWidget*> tiles = slides();
    const int at = tiles.indexOf(tile);
    QWidget* neighbour = at < 0 ? nullptr : tiles.value(at + (step < 0 ? -1 : 1));
    if (!neighbour)
        return;
    flow->moveItem(flow->indexOf(tile), flow->indexOf(neighbour));
    emit slidesOrderCahanged();
    flow->activate();
    scrollArea->ensureWidgetVisible(tile);
    broadcastHover(); // the tile under the mouse is another one now
}

void MediaForm::moveScrollBarToBottom(int, int max)
{
    if (autoScroll)
        scrollArea->verticalScrollBar()->setValue(max);
}

void MediaForm::doDragScroll()
{
    QScrollBar* bar = scrollArea->verticalScrollBar();
    if (!bar->isVisible() || direction == NoScroll)
        return;
    const int step = int(scrollSpeed * 5);
    bar->setValue(bar->value() + (direction == ScrollUp ? -step : step));
}

void MediaForm::beginDrag(QWidget* tile)
{
    dragged = tile;
}

bool MediaForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::HoverMove:
    case QEvent::Enter:
    case QEvent::Leave:
        broadcastHover();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void MediaForm::broadcastHover()
{
    emit MediaHover::instance()->slideHovered(tileAt(container->mapFromGlobal(QCursor::pos())));
}

QWidget* MediaForm::tileAt(const QPoint& inContainer) const
{
    QWidget* child = container->childAt(inContainer);
    while (child && child->parentWidget() != container)
        child = child->parentWidget();
    return child;
}

int MediaForm::slideIndexAt(int layoutIndex) const
{
    if (layoutIndex < 0)
        return -1;
    int slides = 0;
    for (int i = 0; i < layoutIndex && i < flow->count(); ++i)
        if (flow->itemAt(i)->widget() != warningRow)
            ++slides;
    return slides;
}

void MediaForm::dragEnterEvent(QDragEnterEvent* event)
{
    acceptDrag(event);
}

void MediaForm::dragMoveEvent(QDragMoveEvent* event)
{
    if (!acceptDrag(event))
        return;
    updateDropTarget(container->mapFrom(this, event->pos()));
    updateAutoScroll(scrollArea->viewport()->mapFrom(this, event->pos()).y());
}

void MediaForm::dragLeaveEvent(QDragLeaveEvent* event)
{
    endDrag();
    dropAt = -1;
    QWidget::dragLeaveEvent(event);
}

void MediaForm::endDrag()
{
    clearMarks();
    scrollTimer.stop();
    direction = NoScroll;
}

void MediaForm::dropEvent(QDropEvent* event)
{
    if (!acceptDrag(event))
        return;
    endDrag();
    if (isTileDrag(event->mimeData())) {
        dropTiles(event);
    } else {
        const int slide = slideIndexAt(dropAt);
        dropAt = -1;
        emit filesDropped(event->mimeData()->urls(), slide);
    }
}

void MediaForm::dropTiles(QDropEvent* event)
{
    auto* source = qobject_cast<QWidget*>(event->source());
    if (!source)
        source = dragged;
    dragged = nullptr;
    const int from = source ? flow->indexOf(source) : -1;
    if (from < 0) {
        dropAt = -1;
        return;
    }
    int target = dropAt == -1 ? flow->count() - 1 : dropAt;
    if (from < dropAt)
        --target;
    if (from != dropAt) {
        flow->moveItem(from, target);
        emit slidesOrderCahanged();
    }
    dropAt = -1;
}

void MediaForm::updateDropTarget(const QPoint& p)
{
    QWidget* w = tileAt(p);
    if (w && w != warningRow) {
        const bool right = p.x() - w->x() > w->width() / 2;
        QWidget* n = tileAt(p + QPoint(right ? w->width() : -w->width(), 0));
        if (n == w || n == warningRow)
            n = nullptr;
        if (marked && marked != w)
            markTile(marked, noLine, noLine);
        if (neighbour && neighbour != w && neighbour != n)
            markTile(neighbour, noLine, noLine);
        marked = w;
        neighbour = n;
        if (n)
            markTile(n, right ? oneLine : noLine, right ? noLine : oneLine);
        const QString line = n ? oneLine : twoLines;
        markTile(w, right ? noLine : line, right ? line : noLine);
        const int index = flow->indexOf(w);
        if (index == flow->count() - 1)
            dropAt = right ? -1 : index;
        else
            dropAt = index + (right ? 1 : 0);
        return;
    }
    const int separatorIndex = flow->indexOf(warningRow);
    QWidget* last = nullptr;
    if (separatorIndex >= 0 && warningRow->geometry().bottom() >= p.y()) {
        // Above the warning row: after the last slide that plays.
        last = separatorIndex > 0 ? flow->itemAt(separatorIndex - 1)->widget() : nullptr;
        dropAt = separatorIndex;
    } else {
        last = flow->count() > 0 ? flow->itemAt(flow->count() - 1)->widget() : nullptr;
        dropAt = -1;
    }
    if (marked && marked != last)
        markTile(marked, noLine, noLine);
    if (neighbour && neighbour != last)
        markTile(neighbour, noLine, noLine);
    neighbour = nullptr;
    marked = last;
    if (last && last != warningRow)
        markTile(last, noLine, twoLines);
}

void MediaForm::markTile(QWidget* tile, const QString& left, const QString& right)
{
    tile->setStyleSheet(QStringLiteral("border-left: %1; border-right: %2;").arg(left, right));
}

void MediaForm::clearMarks()
{
    if (marked)
        markTile(marked, noLine, noLine);
    if (neighbour)
        markTile(neighbour, noLine, noLine);
    marked = nullptr;
    neighbour = nullptr;
}

void MediaForm::updateAutoScroll(int y)
{
    const int h = scrollArea->viewport()->height();
    if (y < scrollZone) {
        direction = ScrollUp;
        scrollSpeed = (2.f - float(y) / scrollZone) * 3.f;
        scrollTimer.start();
    } else if (y > h - scrollZone) {
        direction = ScrollDown;
        scrollSpeed = (2.f - float(y - h + scrollZone) / scrollZone) * 3.f;
        scrollTimer.start();
    } else {
        scrollTimer.stop();
    }
}
