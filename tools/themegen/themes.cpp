#include "themes.h"

// Scene layouts shared by the themes: each returns the slots of one scene of
// F frames. Sizes are fractions of the frame; a photo slot of aspect a is
// w wide and w * 16 / 9 / a high.

namespace {

double heightFor(double w, double aspect)
{
    return w * 16.0 / 9.0 / aspect;
}

Placement card(double cx, double cy, double w, double aspect, double rotation = 0, double lean = 0)
{
    return {cx, cy, w, heightFor(w, aspect), rotation, lean};
}

Placement scaled(Placement p, double factor)
{
    p.w *= factor;
    p.h *= factor;
    return p;
}

Placement moved(Placement p, double dx, double dy)
{
    p.cx += dx;
    p.cy += dy;
    return p;
}

/// One photo, gentle zoom and pan (Ken Burns) after a soft fade in.
std::vector<SlotSpec> hero(int f)
{
    const Placement start = card(0.49, 0.5, 0.72, 1.5);
    const Placement end = moved(scaled(start, 1.07), 0.02, -0.01);
    return {{{{0, start, 0.0, Easing::EaseOut}, {20, start, 1.0, Easing::Linear}, {f - 1, end, 1.0}},
             0,
             0}};
}

/// Two photos sliding in from the sides, slightly turned.
std::vector<SlotSpec> pair(int f)
{
    const Placement left = card(0.28, 0.5, 0.38, 4.0 / 3.0, -4);
    const Placement right = card(0.72, 0.52, 0.38, 4.0 / 3.0, 3);
    return {{{{0, moved(left, -0.75, 0), 1.0, Easing::EaseOut},
              {26, left, 1.0, Easing::Linear},
              {f - 1, moved(scaled(left, 1.03), 0.01, 0), 1.0}},
             1,
             1},
            {{{8, moved(right, 0.75, 0), 1.0, Easing::EaseOut},
              {34, right, 1.0, Easing::Linear},
              {f - 1, moved(scaled(right, 1.03), -0.01, 0), 1.0}},
             2,
             2}};
}

/// One large photo and two small ones, rising into place one after another.
std::vector<SlotSpec> trio(int f)
{
    const Placement big = card(0.3, 0.5, 0.46, 1.32);
    const Placement top = card(0.745, 0.285, 0.36, 1.68, 2);
    const Placement bottom = card(0.735, 0.715, 0.36, 1.68, -2);
    auto rise = [f](Placement p, int from) {
        return std::vector<Key>{{from, moved(p, 0, 0.08), 0.0, Easing::EaseOut},
                                {from + 22, p, 1.0, Easing::Linear},
                                {f - 1, moved(p, 0, -0.015), 1.0}};
    };
    return {{rise(big, 0), 0, 0}, {rise(top, 10), 1, 2}, {rise(bottom, 20), 2, 1}};
}

/// A card dropping in with a little bounce, then settling.
std::vector<SlotSpec> drop(int f)
{
    const Placement rest = card(0.5, 0.5, 0.44, 1.2, -3);
    Placement above = moved(rest, 0, -1.0);
    above.rotation = 14;
    Placement settled = rest;
    settled.rotation = -1.5;
    return {{{{0, above, 1.0, Easing::Back}, {30, rest, 1.0, Easing::EaseInOut}, {f - 1, settled, 1.0}},
             1,
             0}};
}

/// A photo swinging round from a perspective lean to face the viewer.
std::vector<SlotSpec> swing(int f)
{
    const Placement facing = card(0.5, 0.5, 0.62, 1.5);
    Placement leaning = facing;
    leaning.lean = 0.45;
    leaning.w *= 0.8;
    leaning.cx = 0.56;
    return {{{{0, leaning, 0.0, Easing::EaseOut},
              {32, facing, 1.0, Easing::Linear},
              {f - 1, scaled(facing, 1.05), 1.0}},
             2,
             1}};
}

/// One photo settling from close up, another sliding up beside it.
std::vector<SlotSpec> zoomPair(int f)
{
    const Placement main = card(0.36, 0.46, 0.5, 1.5, -2);
    Placement close = scaled(main, 1.7);
    close.rotation = 0;
    const Placement side = card(0.75, 0.62, 0.32, 4.0 / 3.0, 4);
    return {{{{0, close, 0.0, Easing::EaseOut}, {28, main, 1.0, Easing::Linear},
              {f - 1, moved(main, 0.01, 0.01), 1.0}},
             0,
             2},
            {{{18, moved(side, 0, 0.75), 1.0, Easing::EaseOut}, {44, side, 1.0, Easing::Linear},
              {f - 1, moved(side, 0, -0.02), 1.0}},
             1,
             0}};
}

/// Text rising gently into place while it fades in.
std::vector<SlotSpec> textRise(int f)
{
    const Placement at = card(0.5, 0.5, 0.76, 16.0 / 9.0);
    return {{{{0, moved(at, 0, 0.05), 0.0, Easing::EaseOut}, {28, at, 1.0, Easing::Linear},
              {f - 1, moved(at, 0, -0.01), 1.0}},
             0,
             0}};
}

/// Text growing slowly towards the viewer.
std::vector<SlotSpec> textZoom(int f)
{
    const Placement at = card(0.5, 0.5, 0.66, 16.0 / 9.0);
    return {{{{0, scaled(at, 0.9), 0.0, Easing::EaseOut}, {24, at, 1.0, Easing::Linear},
              {f - 1, scaled(at, 1.1), 1.0}},
             0,
             0}};
}

std::vector<SceneSpec> scenesWith(const std::vector<int>& frames)
{
    return {{1, 1, frames[0], false, hero(frames[0])},
            {2, 1, frames[1], false, pair(frames[1])},
            {3, 1, frames[2], false, trio(frames[2])},
            {4, 1, frames[3], false, drop(frames[3])},
            {5, 1, frames[4], true, swing(frames[4])},
            {6, 1, frames[5], false, zoomPair(frames[5])},
            {7, 2, frames[6], false, textRise(frames[6])},
            {8, 2, frames[7], true, textZoom(frames[7])}};
}

} // namespace

std::vector<ThemeSpec> bundledThemes()
{
    ThemeSpec golden;
    golden.id = 1;
    golden.name = "Golden Hour";
    golden.style = BgStyle::Glow;
    golden.palette = {QColor(255, 196, 150), QColor(196, 98, 120), QColor(255, 226, 170),
                      QColor(255, 170, 120)};
    golden.look = {0.02f, QColor(255, 255, 255), "0.5,0.9 3 60,20,10,120",
                   "Lato,SansSerif,64,#fffaf0", "0,0.02 0.12 80,30,20,140", ""};
    golden.fadeIn = 30;
    golden.fadeOut = 36;
    golden.overflow = 15;
    golden.textMaxSize = 70;
    golden.scenes = scenesWith({135, 120, 150, 105, 120, 135, 105, 120});

    ThemeSpec paper;
    paper.id = 2;
    paper.name = "Paper Album";
    paper.style = BgStyle::Paper;
    paper.palette = {QColor(238, 226, 204), QColor(214, 196, 166), QColor(255, 244, 222),
                     QColor(200, 160, 110)};
    paper.look = {0.045f, QColor(252, 249, 242), "0.3,0.5 1.6 50,35,20,110",
                  "Dancing Script,SansSerif,72,#4a3424", "0,0.01 0.06 255,255,255,160", ""};
    paper.fadeIn = 24;
    paper.fadeOut = 30;
    paper.overflow = 12;
    paper.textMaxSize = 60;
    paper.scenes = scenesWith({120, 120, 135, 120, 105, 120, 120, 105});

    ThemeSpec night;
    night.id = 3;
    night.name = "City Nights";
    night.style = BgStyle::Night;
    night.palette = {QColor(16, 20, 52), QColor(58, 22, 78), QColor(120, 170, 255),
                     QColor(255, 110, 190)};
    night.look = {0.008f, QColor(225, 235, 255), "0,0 5 110,150,255,170",
                  "Comfortaa,SansSerif,60,#f4d58d", "0,0 0.2 255,200,120,150", "gold.png"};
    night.fadeIn = 40;
    night.fadeOut = 40;
    night.overflow = 18;
    night.textMaxSize = 80;
    night.downloadOnly = true;
    night.scenes = scenesWith({120, 135, 135, 105, 120, 120, 105, 120});

    return {golden, paper, night};
}
