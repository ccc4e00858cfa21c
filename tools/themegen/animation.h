#pragma once

#include "common/imedia.h"

#include <QPointF>

#include <array>
#include <vector>

/// Where a slot stands on one key: centre and size as fractions of the
/// frame, a turn in degrees, and a perspective lean (0 none; positive makes
/// the right edge shorter, as if the card turned away).
struct Placement
{
    double cx = 0.5;
    double cy = 0.5;
    double w = 0.5;
    double h = 0.5;
    double rotation = 0;
    double lean = 0;
};

enum class Easing { Linear, EaseIn, EaseOut, EaseInOut, Back };

/// One key of a slot's animation; the motion to the next key uses \a easing.
struct Key
{
    int frame = 0;
    Placement at;
    double opacity = 1.0;
    Easing easing = Easing::EaseInOut;
};

double ease(Easing easing, double t);
Placement interpolate(const Placement& a, const Placement& b, double t);

/// The four corners around the quad, as fractions of a frame of the given
/// pixel size (turns happen in pixels so that they stay square).
std::array<QPointF, 4> corners(const Placement& p, double frameWidth, double frameHeight);

/// One key frame for every frame from the first key to the last: the
/// renderer draws a slot only on frames it has a key for.
IMedia::Transforms expand(const std::vector<Key>& keys, double frameWidth, double frameHeight);
