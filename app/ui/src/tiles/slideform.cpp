#include "ui/tiles/slideform.h"
#include "ui/widgets/resources.h"

#include "ui/tiles/mediaform.h"
#include "ui/tiles/mediahover.h"
#include "ui/widgets/roundedmask.h"
#include "ui/tiles/thumbform.h"
#include "ui_slideform.h"

#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

// Resources of a static library are dropped by the linker unless referenced.

namespace {

QIcon buttonIcon(const char* name)
{
    return QIcon(QStringLiteral(":/images/%1.png").arg(QLatin1String(name)));
}

void setupButton(QAbstractButton* button, const char* icon)
{
    button->setIcon(buttonIcon(icon));
    button->setIconSize(button->size());
    button->setCursor(Qt::PointingHandCursor);
    button->hide();
}

} // namespace

SlideForm::SlideForm(QWidget* parent, const QString& value, int kind, const QString& icon,
                     bool clickable, bool rotatable, int rotation)
    : QWidget(parent), slideKind(kind), ui(new Ui::SlideForm), slideValue(value),
      rotatable(rotatable), turns(rotation)
{
    initUiResources();
    ui->setupUi(this);
    ui->Thumb->setStyleSheet(QStringLiteral("background-image: url(:/images/") + icon
                             + QStringLiteral(");background-repeat: none;background-position: "
                                              "center;background-color: #2E3745;"));
    setupButton(ui->removeButton, "icon-slide-remove");
    setupButton(ui->rotateLeftButton, "icon-rotate-left");
    setupButton(ui->rotateRightButton, "icon-rotate-right");
    if (clickable) {
        ui->Thumb->setCursor(Qt::PointingHandCursor);
        connect(ui->Thumb, &ThumbForm::clicked, this, &SlideForm::on_thumbClicked);
    }
    ui->Thumb->setRotation(turns);
    ui->ItemThumbnail->installEventFilter(this);
    connect(MediaHover::instance(), &MediaHover::slideHovered, this, &SlideForm::slideHovered);
    // Tiles are reached with Tab and worked with keys (see keyPressEvent).
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(kind == Picture ? QFileInfo(value).fileName() : value);
    setAccessibleDescription(rotatable ? tr("Delete removes the slide; [ and ] turn the picture.")
                                       : tr("Delete removes the slide; Enter edits the text."));
    setToolTip(keysHint());
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(ui->removeButton),
                                    static_cast<QAbstractButton*>(ui->rotateLeftButton),
                                    static_cast<QAbstractButton*>(ui->rotateRightButton)}) {
        button->setFocusPolicy(Qt::NoFocus); // the tile's keys do what they do
        button->setAccessibleName(button->toolTip());
    }
}

void SlideForm::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        emit remove(this);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (event->modifiers() & Qt::ControlModifier) {
            emit move(this, event->key() == Qt::Key_Left ? -1 : 1);
            return;
        }
        break;
    case Qt::Key_BracketLeft:
        if (rotatable)
            rotateBy(-1);
        return;
    case Qt::Key_BracketRight:
        if (rotatable)
            rotateBy(1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        thumbClicked();
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

QString SlideForm::keysHint() const
{
    return tr("Ctrl+Left and Ctrl+Right move the slide.");
}

bool SlideForm::event(QEvent* event)
{
    // A dialog over the window takes the mouse; the buttons would stay.
    if (event->type() == QEvent::WindowDeactivate)
        setControlsVisible(false);
    return QWidget::event(event);
}

void SlideForm::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void SlideForm::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

SlideForm::~SlideForm()
{
    if (!thumbTask.path.isEmpty())
        ThumbGenerator::instance()->removeTask(thumbTask, this);
    delete ui;
}

ThumbForm* SlideForm::thumb() const
{
    return ui->Thumb;
}

void SlideForm::setThumbnail(QSharedPointer<QImage> img)
{
    ui->Thumb->setRotation(turns);
    ui->Thumb->setImage(*img);
}

void SlideForm::on_removeButton_clicked()
{
    emit remove(this);
}

void SlideForm::on_valueChanged(QString new_value)
{
    slideValue = new_value;
    if (thumbTask.path.isEmpty())
        return;
    withdrawThumbnail();
    thumbDone = false;
    resumeThumbnail();
}

void SlideForm::withdrawThumbnail()
{
    if (thumbWaiting)
        ThumbGenerator::instance()->removeTask(thumbTask, this);
    thumbWaiting = false;
}

void SlideForm::resumeThumbnail()
{
    if (thumbWaiting || thumbDone || thumbTask.path.isEmpty())
        return;
    thumbWaiting = true;
    ThumbGenerator::instance()->addTask(thumbTask, this);
}

void SlideForm::thumbCompleted(ThumbGeneratorTask task)
{
    if (!(task == thumbTask))
        return;
    // Another tile's answer for the same picture is as good as our own.
    withdrawThumbnail();
    thumbDone = true;
}

void SlideForm::thumbClicked() {}

void SlideForm::on_thumbClicked()
{
    thumbClicked();
}

void SlideForm::slideHovered(QWidget* slide)
{
    if (slide != this) {
        setControlsVisible(false);
        return;
    }
    const QRect picture(ui->ItemThumbnail->mapToGlobal(QPoint(0, 0)),
                        ui->ItemThumbnail->size());
    setControlsVisible(picture.contains(QCursor::pos()));
}

bool SlideForm::takesAnswer(const ThumbGeneratorTask& task, const QSharedPointer<QImage>& img) const
{
    // Once the full picture has come, a stored preview arriving late would
    // only replace it with a rougher (and often unturned) one.
    return task == thumbTask && img && !thumbDone;
}

void SlideForm::thumbGenerated(ThumbGeneratorTask path, QSharedPointer<QImage> img)
{
    if (!takesAnswer(path, img))
        return;
    const bool wasBroken = broken;
    if (img->isNull()) {
        showBroken(tr("This picture cannot be read; it is left out of the video."));
    } else {
        broken = false;
        setToolTip(keysHint());
        setThumbnail(img);
    }
    if (broken != wasBroken)
        emit brokenChanged();
}

void SlideForm::on_rotateLeftButton_clicked()
{
    rotateBy(-1);
}

void SlideForm::on_rotateRightButton_clicked()
{
    rotateBy(1);
}

void SlideForm::rotateBy(int quarterTurns)
{
    turns += quarterTurns;
    ui->Thumb->setRotation(turns);
}

void SlideForm::requestThumbnail(const QString& path)
{
    ThumbGenerator* generator = ThumbGenerator::instance();
    withdrawThumbnail();
    connect(generator, &ThumbGenerator::generated, this, &SlideForm::thumbGenerated,
            Qt::UniqueConnection);
    connect(generator, &ThumbGenerator::completed, this, &SlideForm::thumbCompleted,
            Qt::UniqueConnection);
    const int ratio = ui->Thumb->devicePixelRatio();
    thumbTask = ThumbGeneratorTask(path, ui->Thumb->height() * ratio, ui->Thumb->width() * ratio);
    thumbDone = false;
    resumeThumbnail();
}

void SlideForm::showBroken(const QString& reason)
{
    broken = true;
    ui->Thumb->clear();
    ui->Thumb->setStyleSheet(QStringLiteral(
        "background-image: url(:/images/icon-broken-image.png);background-repeat: none;"
        "background-position: center;background-color: #2E3745;"));
    setToolTip(reason + QLatin1Char('\n') + keysHint());
}

void SlideForm::setControlsVisible(bool on)
{
    ui->removeButton->setVisible(on);
    ui->rotateLeftButton->setVisible(on && rotatable);
    ui->rotateRightButton->setVisible(on && rotatable);
}

bool SlideForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->ItemThumbnail) {
        // Another tile that missed its Leave (a click or a dialog took the
        // mouse) hides its buttons when this one shows them.
        if (event->type() == QEvent::Enter)
            emit MediaHover::instance()->slideHovered(this);
        else if (event->type() == QEvent::Leave)
            setControlsVisible(false);
    }
    return QWidget::eventFilter(watched, event);
}

void SlideForm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressPosition = event->pos();
    QWidget::mousePressEvent(event);
}

void SlideForm::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton)
        && (event->pos() - pressPosition).manhattanLength() >= QApplication::startDragDistance())
        startDrag();
    QWidget::mouseMoveEvent(event);
}

// The slides area marks where a drop goes with a border in the tile's style
// sheet; a plain widget subclass draws none by itself.
void SlideForm::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    if (hasFocus()) {
        // The focus must show on the dark page: a ring in the link colour.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x00, 0x99, 0xff), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 15, 15);
    }
}

void SlideForm::startDrag()
{
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(MediaForm::dragMimeType), QByteArray());
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setHotSpot(ui->Thumb->mapFrom(this, pressPosition));
    drag->setPixmap(dragPixmap());
    emit dragStarted(this);
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

QPixmap SlideForm::dragPixmap() const
{
    QPixmap picture = ui->Thumb->grab();
    const qreal ratio = picture.devicePixelRatio();
    picture.setMask(roundedMask(picture.width(), picture.height(),
                                qRound(ThumbForm::cornerRadius * ratio)));
    return picture;
}
