// artwork: paints the program's own pictures: the window background and the
// closing picture of the videos. Run by hand after a change of look:
//   build/bin/artwork app/resources/images
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cstdio>
#include <random>

namespace {

const QColor panel(0x2E, 0x37, 0x45);
const QColor page(0x37, 0x41, 0x50);
const QColor link(0x00, 0x99, 0xff);

/// The window's background: the page colour with a faint light from the top
/// and a few soft discs, quiet enough to sit behind every page.
QImage background(QSize size, qreal scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fall(0, 0, 0, image.height());
    fall.setColorAt(0, page.lighter(112));
    fall.setColorAt(1, page.darker(112));
    p.fillRect(image.rect(), fall);
    std::mt19937 rng(5);
    std::uniform_real_distribution<qreal> u(0, 1);
    for (int i = 0; i < 14; ++i) {
        const QPointF centre(u(rng) * image.width(), u(rng) * image.height());
        const qreal radius = (40 + 120 * u(rng)) * scale;
        QRadialGradient glow(centre, radius);
        glow.setColorAt(0, QColor(255, 255, 255, 10));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, radius, radius);
    }
    return image;
}

/// The closing picture: "Made with" over the name and a short rule.
QImage credits(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient fall(0, 0, 0, size.height());
    fall.setColorAt(0, panel);
    fall.setColorAt(1, panel.darker(140));
    p.fillRect(image.rect(), fall);
    const qreal unit = size.height() / 1080.0;
    QFont line(QStringLiteral("Lato"));
    line.setPixelSize(int(46 * unit));
    p.setFont(line);
    p.setPen(QColor(0xa7, 0xb0, 0xc0));
    const QRectF madeWith(0, size.height() * 0.30, size.width(), 70 * unit);
    p.drawText(madeWith, Qt::AlignCenter, QStringLiteral("Made with"));
    QFont name(QStringLiteral("Lato"));
    name.setWeight(QFont::Light);
    name.setPixelSize(int(150 * unit));
    p.setFont(name);
    p.setPen(Qt::white);
    const QRectF nameBox(0, madeWith.bottom(), size.width(), 190 * unit);
    p.drawText(nameBox, Qt::AlignCenter, QStringLiteral("Pictavio"));
    const qreal ruleY = nameBox.bottom() + 24 * unit;
    p.setPen(QPen(link, 5 * unit, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size.width() / 2.0 - 120 * unit, ruleY),
               QPointF(size.width() / 2.0 + 120 * unit, ruleY));
    return image;
}

bool save(const QImage& image, const QDir& dir, const QString& name)
{
    const bool ok = image.save(dir.filePath(name));
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(dir.filePath(name)));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artwork <images folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const bool ok = save(background({1280, 800}, 1), dir, "bg.png")
                    && save(background({1280, 800}, 2), dir, "bg@2x.png")
                    && save(credits({1920, 1080}), dir, "credits.png");
    return ok ? 0 : 1;
}
