#include "backgrounds.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <random>

namespace {

QImage makeGrain(std::mt19937& rng, int strength)
{
    QImage tile(256, 256, QImage::Format_ARGB32_Premultiplied);
    std::uniform_int_distribution<int> level(0, 255);
    std::uniform_int_distribution<int> alpha(0, strength);
    for (int y = 0; y < tile.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < tile.width(); ++x) {
            const int a = alpha(rng);
            const int v = level(rng) * a / 255;
            line[x] = qRgba(v, v, v, a);
        }
    }
    return tile;
}

QImage makePaper(std::mt19937& rng, int width, int height, const Palette& palette)
{
    QImage paper(width, height, QImage::Format_RGB32);
    QLinearGradient base(0, 0, width, height);
    base.setColorAt(0, palette.top);
    base.setColorAt(1, palette.bottom);
    QPainter p(&paper);
    p.fillRect(paper.rect(), base);
    p.setRenderHint(QPainter::Antialiasing);
    std::uniform_real_distribution<double> u(0, 1);
    // Fibres: short, faint strokes in both directions.
    for (int i = 0; i < 5000; ++i) {
        const double x = u(rng) * width;
        const double y = u(rng) * height;
        const double angle = u(rng) * M_PI;
        const double length = 4 + u(rng) * 14;
        const bool dark = u(rng) < 0.5;
        p.setPen(QPen(dark ? QColor(90, 70, 40, 18) : QColor(255, 255, 255, 28), 0.8));
        p.drawLine(QPointF(x, y), QPointF(x + std::cos(angle) * length, y + std::sin(angle) * length));
    }
    // Blotches of slightly different tone.
    for (int i = 0; i < 40; ++i) {
        const QPointF centre(u(rng) * width, u(rng) * height);
        const double r = 40 + u(rng) * 160;
        QRadialGradient g(centre, r);
        g.setColorAt(0, QColor(120, 90, 50, 14));
        g.setColorAt(1, QColor(120, 90, 50, 0));
        p.fillRect(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), g);
    }
    return paper;
}

} // namespace

BackgroundPainter::BackgroundPainter(BgStyle style, Palette palette, unsigned seed, int width,
                                     int height)
    : style(style), palette(palette), width(width), height(height)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(0, 1);
    const int count = style == BgStyle::Night ? 26 : style == BgStyle::Glow ? 18 : 10;
    // A quiet wall: few, faint and small lights.
    const bool quiet = style == BgStyle::Paper || style == BgStyle::Studio;
    for (int i = 0; i < count; ++i) {
        Bokeh b;
        b.x = u(rng) * width;
        b.y = u(rng) * height;
        const double scale = quiet ? 0.35 : 1.0;
        b.radius = (18 + u(rng) * (style == BgStyle::Night ? 60 : 90)) * scale * width / 1280;
        b.vx = (u(rng) - 0.5) * 0.8;
        b.vy = -0.2 - u(rng) * 0.6;
        b.phase = u(rng) * 2 * M_PI;
        QColor c = u(rng) < 0.5 ? palette.light : palette.accent;
        c.setAlpha(style == BgStyle::Paper ? 60 : style == BgStyle::Studio ? 30 : int(35 + u(rng) * (style == BgStyle::Night ? 50 : 70)));
        b.colour = c;
        bokeh.push_back(b);
    }
    if (style == BgStyle::Paper)
        paper = makePaper(rng, width, height, palette);
    for (int i = 0; i < 4; ++i)
        grain.push_back(makeGrain(rng, grainStrength(style)));
}

int BackgroundPainter::grainStrength(BgStyle style)
{
    return style == BgStyle::Night ? 10 : 8;
}

QImage BackgroundPainter::frame(int index, int count, bool grainy) const
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double t = count > 1 ? double(index) / double(count - 1) : 0.0;
    paintBase(p);
    paintLight(p, t);
    paintBokeh(p, t, index);
    paintFinish(p, index, grainy);
    return image;
}

void BackgroundPainter::paintBase(QPainter& p) const
{
    if (style == BgStyle::Paper) {
        p.drawImage(0, 0, paper);
        return;
    }
    QLinearGradient g(0, 0, width * 0.3, height);
    g.setColorAt(0, palette.top);
    g.setColorAt(1, palette.bottom);
    p.fillRect(0, 0, width, height, g);
}

/// Pools of light from lamps above a gallery wall, breathing slowly.
static void paintSpots(QPainter& p, double t, int width, int height, QColor light)
{
    for (int i = 0; i < 3; ++i) {
        const QPointF centre(width * (0.18 + 0.32 * i), -height * 0.05);
        const double r = height * (0.95 + 0.05 * std::sin(t * M_PI * 2 + i));
        QRadialGradient g(centre, r);
        light.setAlpha(110);
        g.setColorAt(0, light);
        light.setAlpha(0);
        g.setColorAt(1, light);
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        p.fillRect(0, 0, width, height, g);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void BackgroundPainter::paintLight(QPainter& p, double t) const
{
    if (style == BgStyle::Studio) {
        paintSpots(p, t, width, height, palette.light);
        return;
    }
    // A warm light leak drifting across the frame.
    const QPointF centre(width * (-0.2 + 1.4 * t), height * (0.25 + 0.2 * std::sin(t * M_PI)));
    const double r = width * (style == BgStyle::Night ? 0.45 : 0.7);
    QRadialGradient g(centre, r);
    QColor inner = palette.light;
    inner.setAlpha(style == BgStyle::Paper ? 55 : style == BgStyle::Night ? 70 : style == BgStyle::Studio ? 90 : 120);
    QColor outer = inner;
    outer.setAlpha(0);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.fillRect(0, 0, width, height, g);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void BackgroundPainter::paintBokeh(QPainter& p, double, int index) const
{
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    for (const Bokeh& b : bokeh) {
        double x = std::fmod(b.x + b.vx * index + width * 10, width + 2 * b.radius) - b.radius;
        double y = std::fmod(b.y + b.vy * index + height * 10, height + 2 * b.radius) - b.radius;
        QColor c = b.colour;
        c.setAlpha(int(c.alpha() * (0.7 + 0.3 * std::sin(b.phase + index * 0.05))));
        QColor edge = c;
        edge.setAlpha(0);
        QRadialGradient g(QPointF(x, y), b.radius);
        g.setColorAt(0, c);
        g.setColorAt(0.75, c);
        g.setColorAt(1, edge);
        p.setBrush(g);
        p.drawEllipse(QPointF(x, y), b.radius, b.radius);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void BackgroundPainter::paintFinish(QPainter& p, int index, bool grainy) const
{
    QRadialGradient vignette(QPointF(width / 2.0, height / 2.0), width * 0.75);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, style == BgStyle::Studio ? 45 : style == BgStyle::Paper ? 70 : 110));
    p.fillRect(0, 0, width, height, vignette);
    if (!grainy)
        return;
    const QImage& tile = grain[size_t(index) % grain.size()];
    p.drawTiledPixmap(QRect(0, 0, width, height), QPixmap::fromImage(tile),
                      QPoint((index * 37) % 256, (index * 91) % 256));
}
