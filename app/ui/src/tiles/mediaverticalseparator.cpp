#include "ui/tiles/mediaverticalseparator.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {

const int cornerRadius = 7;
const int rowMargin = 6;

} // namespace

MediaVerticalSeparator::MediaVerticalSeparator(QLayout* flow, QWidget* parent)
    : QWidget(parent), flow(flow), icon(new QLabel(this)), text(new QLabel(this))
{
    setObjectName(QStringLiteral("MediaVerticalSeparator"));
    icon->setObjectName(QStringLiteral("warningIcon"));
    icon->setFixedSize(32, 32);
    icon->setAlignment(Qt::AlignCenter);
    icon->setStyleSheet(QStringLiteral("background: #FFCC00; border-radius: 16px;"));
    icon->setPixmap(QPixmap(QStringLiteral(":/images/icon-warning.png")));
    text->setObjectName(QStringLiteral("warningText"));
    text->setWordWrap(true);
    text->setStyleSheet(QStringLiteral("color: #FFCC00; font-size: 14px;"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, rowMargin, 12, rowMargin);
    row->setSpacing(12);
    row->addWidget(icon);
    row->addWidget(text, 1);
    retranslate();
}

QSize MediaVerticalSeparator::sizeHint() const
{
    const int width = flow ? flow->contentsRect().width() : QWidget::sizeHint().width();
    if (width <= 0)
        return QWidget::sizeHint();
    return QSize(width, heightForWidth(width));
}

void MediaVerticalSeparator::paintEvent(QPaintEvent*)
{
    // Keeps filling the row as the area is resized.
    if (sizeHint() != size())
        resize(sizeHint());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    painter.fillPath(path, QColor(0x2E, 0x37, 0x45));
}

void MediaVerticalSeparator::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void MediaVerticalSeparator::retranslate()
{
    text->setText(tr("You have more content than your music track duration. Photos and text "
                     "scenes under this line will be excluded from video."));
}
