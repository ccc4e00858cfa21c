#pragma once

#include <QColor>
#include <QImage>

#include <vector>

enum class BgStyle { Glow, Paper, Night, Studio };

struct Palette
{
    QColor top;
    QColor bottom;
    QColor light;
    QColor accent;
};

/// Paints the frames of one procedural background: soft gradients, drifting
/// bokeh, a sweeping light leak or paper, film grain and a vignette.
class BackgroundPainter
{
public:
    BackgroundPainter(BgStyle style, Palette palette, unsigned seed, int width, int height);

    /// Frame \a index of \a count, ready to encode; \a grainy false leaves
    /// the grain to the renderer (see grainStrength).
    QImage frame(int index, int count, bool grainy = true) const;
    /// The grain's strength: the largest opacity, in 255ths, of the grey
    /// speck laid on each pixel.
    static int grainStrength(BgStyle style);

private:
    struct Bokeh
    {
        double x, y, radius, vx, vy, phase;
        QColor colour;
    };

    void paintBase(QPainter& p) const;
    void paintBokeh(QPainter& p, double t, int index) const;
    void paintLight(QPainter& p, double t) const;
    void paintFinish(QPainter& p, int index, bool grainy) const;

    BgStyle style;
    Palette palette;
    int width;
    int height;
    std::vector<Bokeh> bokeh;
    QImage paper;
    std::vector<QImage> grain;
};
