#include "animation.h"

#include <QLineF>
#include <QTransform>

#include <cmath>

double ease(Easing easing, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    switch (easing) {
    case Easing::Linear:
        return t;
    case Easing::EaseIn:
        return t * t * t;
    case Easing::EaseOut:
        return 1 - std::pow(1 - t, 3);
    case Easing::EaseInOut:
        return t < 0.5 ? 4 * t * t * t : 1 - std::pow(-2 * t + 2, 3) / 2;
    case Easing::Back: {
        const double c1 = 1.4;
        const double c3 = c1 + 1;
        return 1 + c3 * std::pow(t - 1, 3) + c1 * std::pow(t - 1, 2);
    }
    }
    return t;
}

Placement interpolate(const Placement& a, const Placement& b, double t)
{
    auto mix = [t](double x, double y) { return x + (y - x) * t; };
    return {mix(a.cx, b.cx),       mix(a.cy, b.cy),          mix(a.w, b.w),
            mix(a.h, b.h),         mix(a.rotation, b.rotation), mix(a.lean, b.lean)};
}

std::array<QPointF, 4> corners(const Placement& p, double frameWidth, double frameHeight)
{
    const double hw = p.w * frameWidth / 2;
    const double hh = p.h * frameHeight / 2;
    // A lean shortens the right edge and lengthens the left one.
    const double leftH = hh * (1 + p.lean / 2);
    const double rightH = hh * (1 - p.lean / 2);
    std::array<QPointF, 4> points{QPointF(-hw, -leftH), QPointF(hw, -rightH), QPointF(hw, rightH),
                                  QPointF(-hw, leftH)};
    QTransform turn;
    turn.rotate(p.rotation);
    for (QPointF& point : points) {
        point = turn.map(point) + QPointF(p.cx * frameWidth, p.cy * frameHeight);
        point = QPointF(point.x() / frameWidth, point.y() / frameHeight);
    }
    return points;
}

IMedia::Transforms expand(const std::vector<Key>& keys, double frameWidth, double frameHeight)
{
    IMedia::Transforms out;
    for (size_t k = 0; k + 1 < keys.size(); ++k) {
        const Key& a = keys[k];
        const Key& b = keys[k + 1];
        const int span = std::max(1, b.frame - a.frame);
        const bool last = k + 2 == keys.size();
        for (int f = a.frame; f < b.frame || (last && f == b.frame); ++f) {
            const double t = ease(a.easing, double(f - a.frame) / span);
            const Placement p = interpolate(a.at, b.at, t);
            const auto c = corners(p, frameWidth, frameHeight);
            IMedia::transformation_t tr;
            tr.x0 = c[0].x(), tr.y0 = c[0].y();
            tr.x1 = c[1].x(), tr.y1 = c[1].y();
            tr.x2 = c[2].x(), tr.y2 = c[2].y();
            tr.x3 = c[3].x(), tr.y3 = c[3].y();
            // Opacity follows the time line itself, not the motion's easing.
            const double linear = double(f - a.frame) / span;
            tr.opacity = float(a.opacity + (b.opacity - a.opacity) * std::clamp(linear, 0.0, 1.0));
            out[f] = tr;
        }
    }
    if (keys.size() == 1) {
        const auto c = corners(keys[0].at, frameWidth, frameHeight);
        IMedia::transformation_t tr;
        tr.x0 = c[0].x(), tr.y0 = c[0].y(), tr.x1 = c[1].x(), tr.y1 = c[1].y();
        tr.x2 = c[2].x(), tr.y2 = c[2].y(), tr.x3 = c[3].x(), tr.y3 = c[3].y();
        tr.opacity = float(keys[0].opacity);
        out[keys[0].frame] = tr;
    }
    return out;
}
