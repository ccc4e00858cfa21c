#include "ui/dialogs/previewdialog.h"

#include "core/timing.h"
#include "ui/widgets/roundedmask.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionSlider>
#include <QVBoxLayout>

namespace {

constexpr double framesPerSecond = 30.0;

} // namespace

SceneSlider::SceneSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

void SceneSlider::setSceneStarts(std::vector<int64_t> starts)
{
    sceneStarts = std::move(starts);
    update();
}

void SceneSlider::paintEvent(QPaintEvent* event)
{
    QSlider::paintEvent(event);
    if (maximum() <= minimum())
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option,
                                                 QStyle::SC_SliderGroove, this);
    QPainter painter(this);
    painter.setPen(QColor(0x0099ff));
    for (int64_t start : sceneStarts) {
        const int x = groove.left()
                      + int(double(start - minimum()) / double(maximum() - minimum())
                            * double(groove.width()));
        painter.drawLine(x, groove.top() - 4, x, groove.top() + 1);
    }
}

PreviewDialog::PreviewDialog(QWidget* parent, const RenderRequest& request,
                             std::vector<int64_t> sceneStarts, int64_t frames, int64_t from)
    : QDialog(parent), feed(request), frames(frames),
      sound(request.project ? request.project->GetAudio() : QStringList(), double(frames) / framesPerSecond),
      view(new QLabel), playButton(new QPushButton),
      closeButton(new QPushButton(tr("Close"))), bar(new SceneSlider), time(new QLabel)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setObjectName("PreviewDialog");
    setWindowTitle(tr("Preview"));
    setStyleSheet("#PreviewDialog { background-color: #374150; }"
                  "QLabel { color: white; font-size: 14pt; }"
                  "QPushButton { color: white; background: transparent; border: none;"
                  " font-size: 14pt; padding: 6px 12px; }"
                  "QPushButton:hover, QPushButton:focus { color: #0099ff; }");
    view->setObjectName("PreviewPicture");
    view->setFixedSize(request.size);
    view->setAlignment(Qt::AlignCenter);
    view->setStyleSheet("background-color: black;");
    view->setAccessibleName(tr("Preview of the slideshow"));
    playButton->setObjectName("PlayButton");
    closeButton->setObjectName("CloseButton");
    bar->setObjectName("PositionBar");
    bar->setAccessibleName(tr("Position"));
    bar->setRange(0, int(std::max<int64_t>(frames - 1, 0)));
    bar->setPageStep(int(framesPerSecond * 5));
    bar->setSingleStep(int(framesPerSecond));
    bar->setSceneStarts(std::move(sceneStarts));
    time->setObjectName("PreviewTime");
    for (QPushButton* button : {playButton, closeButton})
        button->setCursor(Qt::PointingHandCursor);

    auto* controls = new QHBoxLayout;
    controls->addWidget(playButton);
    controls->addWidget(bar, 1);
    controls->addWidget(time);
    controls->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addWidget(view, 0, Qt::AlignCenter);
    layout->addLayout(controls);

    connect(playButton, &QPushButton::clicked, this, [this] { playing ? pause() : play(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    // A drag seeks when it rests a moment and where it is let go: every
    // seek restarts the drawing, which a drag would otherwise do per pixel.
    dragSeek.setSingleShot(true);
    dragSeek.setInterval(120);
    connect(&dragSeek, &QTimer::timeout, this, [this] { seek(bar->sliderPosition()); });
    connect(bar, &QSlider::sliderMoved, this, [this] { dragSeek.start(); });
    connect(bar, &QSlider::sliderReleased, this, [this] {
        dragSeek.stop();
        seek(bar->sliderPosition());
    });
    connect(bar, &QSlider::actionTriggered, this, [this](int action) {
        // Clicks in the groove and the arrow keys; a drag is sliderMoved's.
        if (action != QAbstractSlider::SliderMove)
            seek(bar->sliderPosition());
    });
    connect(&feed, &PreviewFeed::failed, this, [this](const QString& reason) {
        pause();
        view->setText(reason);
        view->setWordWrap(true);
    });
    connect(&ticker, &QTimer::timeout, this, &PreviewDialog::tick);
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.start(5);
    playFrom = std::clamp<int64_t>(from, 0, std::max<int64_t>(frames - 1, 0));
    feed.start(playFrom);
    play();
    adjustSize();
    roundWidget(this, 20);
    playButton->setFocus();
}

PreviewDialog::~PreviewDialog()
{
    feed.stop();
}

void PreviewDialog::done(int result)
{
    ticker.stop();
    feed.stop();
    sound.stop();
    playing = false;
    QDialog::done(result);
}

int64_t PreviewDialog::due() const
{
    if (!playing || waiting)
        return playFrom;
    if (sound.available())
        return std::clamp<int64_t>(int64_t(sound.position() * framesPerSecond), playFrom, frames - 1);
    return std::min(frames - 1, playFrom + int64_t(double(clock.elapsed()) * framesPerSecond / 1000.0));
}

// Time runs from the frame on screen, so that sound and picture start together.
void PreviewDialog::startClock()
{
    waiting = false;
    clock.restart();
    sound.play(double(playFrom) / framesPerSecond);
}

void PreviewDialog::play()
{
    if (shown >= frames - 1 && frames > 0)
        seek(0); // from the start again once it has ended
    playFrom = std::max<int64_t>(shown, playFrom);
    playing = true;
    waiting = shown < 0;
    if (!waiting)
        startClock();
    playButton->setText(tr("Pause"));
    playButton->setAccessibleName(tr("Pause"));
}

void PreviewDialog::pause()
{
    playFrom = due();
    playing = false;
    sound.stop();
    playButton->setText(tr("Play"));
    playButton->setAccessibleName(tr("Play"));
}

void PreviewDialog::seek(int64_t frame)
{
    playFrom = std::clamp<int64_t>(frame, 0, std::max<int64_t>(frames - 1, 0));
    sound.stop();
    waiting = playing;
    lastDue = -1;
    shown = -1;
    feed.start(playFrom);
    bar->setValue(int(playFrom));
    updateTime();
}

void PreviewDialog::tick()
{
    const int64_t wanted = due();
    QImage image;
    int64_t got = -1;
    if (wanted != shown && feed.take(wanted, &image, &got)) {
        showFrame(image, got);
        if (playing && waiting) {
            playFrom = got;
            startClock();
        }
    } else if (playing && wanted != lastDue && shown < wanted) {
        ++late;
    }
    lastDue = wanted;
    if (playing && shown >= frames - 1)
        pause();
}

void PreviewDialog::showFrame(const QImage& image, int64_t number)
{
    picture = image;
    shown = number;
    view->setPixmap(QPixmap::fromImage(image));
    if (!bar->isSliderDown())
        bar->setValue(int(number));
    updateTime();
}

void PreviewDialog::updateTime()
{
    const int64_t at = shown >= 0 ? shown : playFrom;
    time->setText(QStringLiteral("%1 / %2")
                      .arg(clockText(double(at) / framesPerSecond),
                           clockText(double(frames) / framesPerSecond)));
}

void PreviewDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        playing ? pause() : play();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PreviewDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* over = parentWidget()) {
        const QPoint centre = over->mapToGlobal(over->rect().center());
        move(centre - rect().center());
    }
}

void PreviewDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    roundWidget(this, 20);
}
