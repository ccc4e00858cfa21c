#include "themes.h"

// Each theme has its own scene layouts and its own way of moving. A layout
// returns the slots of one scene of f frames. Sizes are fractions of the
// frame; a photo slot of aspect a (in output pixels) is w wide and
// w * 16 / 9 / a high. Every move eases in and out: no linear starts or stops.

namespace {

const Easing InOut = Easing::EaseInOut;
const Easing Out = Easing::EaseOut;
const Easing Overshoot = Easing::Back;

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

Placement turned(Placement p, double rotation)
{
    p.rotation = rotation;
    return p;
}

Placement leant(Placement p, double lean)
{
    p.lean = lean;
    return p;
}

SlotSpec slot(std::vector<Key> keys, int vPos = 0, int hPos = 0)
{
    SlotSpec s;
    s.keys = std::move(keys);
    s.vPos = vPos;
    s.hPos = hPos;
    return s;
}

SlotSpec leaving(SlotSpec s)
{
    s.leaves = true;
    return s;
}

/// Fades in while easing from \a from to \a rest, then drifts to \a end.
std::vector<Key> arrive(int start, int length, Placement from, Placement rest, Placement end,
                        int f, Easing how = Out, double startOpacity = 0.0)
{
    return {{start, from, startOpacity, how}, {start + length, rest, 1.0, InOut}, {f - 1, end, 1.0}};
}

// ---- Golden Hour: warm light, photos sliding in with a little overshoot ----

std::vector<SlotSpec> glowHero(int f)
{
    const Placement rest = card(0.5, 0.5, 0.68, 1.5);
    return {slot(arrive(0, 26, scaled(moved(rest, 0, 0.03), 0.94), rest,
                        moved(scaled(rest, 1.07), 0.015, -0.01), f))};
}

std::vector<SlotSpec> glowPair(int f)
{
    const Placement left = card(0.28, 0.5, 0.4, 4.0 / 3.0, -3);
    const Placement right = card(0.72, 0.52, 0.4, 4.0 / 3.0, 3);
    return {leaving(slot(arrive(0, 30, moved(left, -0.7, 0), left, moved(left, 0.015, 0), f,
                                Overshoot, 1.0),
                         1, 1)),
            leaving(slot(arrive(10, 30, moved(right, 0.7, 0), right, moved(right, -0.015, 0), f,
                                Overshoot, 1.0),
                         2, 2))};
}

/// A tall card rising from below: the portrait scene of the theme.
std::vector<SlotSpec> glowTall(int f)
{
    const Placement tall = card(0.5, 0.5, 0.36, 0.8, 2);
    return {leaving(slot(arrive(0, 34, turned(moved(tall, 0, 0.95), 9), tall,
                                turned(scaled(tall, 1.04), 0), f, Overshoot, 1.0)))};
}

std::vector<SlotSpec> glowTrio(int f)
{
    const Placement big = card(0.3, 0.5, 0.46, 1.32);
    const Placement top = card(0.745, 0.285, 0.36, 1.68, 2);
    const Placement bottom = card(0.735, 0.715, 0.36, 1.68, -2);
    return {leaving(slot(arrive(0, 30, moved(big, -0.8, 0), big, moved(big, 0.01, 0), f,
                                Overshoot, 1.0))),
            leaving(slot(arrive(12, 30, moved(top, 0, -0.8), top, moved(top, 0, 0.01), f,
                                Overshoot, 1.0),
                         1, 2)),
            leaving(slot(arrive(24, 30, moved(bottom, 0, 0.8), bottom, moved(bottom, 0, -0.01), f,
                                Overshoot, 1.0),
                         2, 1))};
}

/// A tall photo settling from close up, a wide one rising beside it.
std::vector<SlotSpec> glowMixed(int f)
{
    const Placement tall = card(0.31, 0.5, 0.32, 0.8, -2);
    const Placement wide = card(0.69, 0.5, 0.4, 1.5, 2);
    return {slot(arrive(0, 30, turned(scaled(tall, 1.22), 0), tall, moved(tall, 0.01, 0.005), f)),
            slot(arrive(16, 30, moved(wide, 0, 0.06), wide, moved(wide, -0.01, -0.01), f))};
}

std::vector<SlotSpec> textRise(int f)
{
    const Placement at = card(0.5, 0.5, 0.76, 16.0 / 9.0);
    return {slot(arrive(0, 28, moved(at, 0, 0.06), at, moved(at, 0, -0.01), f))};
}

std::vector<SlotSpec> textGlide(int f)
{
    const Placement at = card(0.5, 0.5, 0.72, 16.0 / 9.0);
    return {slot(arrive(0, 34, moved(at, -0.08, 0), at, moved(at, 0.01, 0), f, Overshoot))};
}

// ---- Paper Album: prints dealt onto a table, pushing the earlier ones aside ----

/// A print falling onto the table: larger and more turned while it is
/// still in the air, landing in \a land frames.
std::vector<Key> dealt(Placement rest, int from, double spin, int land = 20)
{
    Placement high = turned(moved(scaled(rest, 1.16), 0, 0.03), rest.rotation + spin);
    return {{from, high, 0.0, Out}, {from + land, rest, 1.0, InOut}};
}

/// Appends a move to \a to that runs from frame \a from to \a until.
std::vector<Key> then(std::vector<Key> keys, int from, int until, Placement to)
{
    keys.push_back({from, keys.back().at, 1.0, InOut});
    keys.push_back({until, to, 1.0, InOut});
    return keys;
}

std::vector<SlotSpec> paperOne(int f)
{
    const Placement rest = card(0.5, 0.5, 0.5, 1.4, -3);
    return {slot(then(dealt(rest, 0, 7), 24, f - 1, turned(moved(rest, 0.015, -0.01), -1.5)))};
}

std::vector<SlotSpec> paperTwo(int f)
{
    const Placement first = card(0.5, 0.5, 0.44, 4.0 / 3.0, -2);
    const Placement aside = card(0.29, 0.47, 0.4, 4.0 / 3.0, -6);
    const Placement second = card(0.69, 0.54, 0.42, 4.0 / 3.0, 4);
    auto a = then(dealt(first, 0, 6), 34, 56, aside);
    a.push_back({f - 1, moved(aside, -0.01, 0), 1.0});
    return {slot(a, 1, 1), slot(then(dealt(second, 38, -6), 60, f - 1, moved(second, 0.01, 0)), 2, 2)};
}

std::vector<SlotSpec> paperThree(int f)
{
    const Placement a0 = card(0.5, 0.5, 0.4, 4.0 / 3.0, -2);
    const Placement a1 = card(0.26, 0.4, 0.34, 4.0 / 3.0, -7);
    const Placement b0 = card(0.52, 0.52, 0.4, 4.0 / 3.0, 3);
    const Placement b1 = card(0.74, 0.42, 0.34, 4.0 / 3.0, 6);
    const Placement c = card(0.5, 0.62, 0.38, 4.0 / 3.0, -1);
    auto a = then(dealt(a0, 0, 6), 28, 46, a1);
    a.push_back({f - 1, moved(a1, -0.005, 0), 1.0});
    auto b = then(dealt(b0, 30, -6), 62, 80, b1);
    b.push_back({f - 1, moved(b1, 0.005, 0), 1.0});
    return {slot(a, 1, 1), slot(b, 1, 2), slot(then(dealt(c, 64, 5), 90, f - 1, turned(c, 0)), 2, 0)};
}

/// A tall print, the portrait scene of the theme.
std::vector<SlotSpec> paperTall(int f)
{
    const Placement rest = card(0.5, 0.5, 0.34, 0.82, 3);
    return {slot(then(dealt(rest, 0, -7), 26, f - 1, turned(rest, 1)))};
}

/// A wide print, then a tall one dealt over its corner.
std::vector<SlotSpec> paperOverlap(int f)
{
    const Placement wide = card(0.4, 0.47, 0.48, 1.5, -3);
    const Placement tall = card(0.7, 0.53, 0.3, 0.82, 5);
    return {slot(then(dealt(wide, 0, 6), 24, f - 1, moved(wide, -0.01, 0))),
            slot(then(dealt(tall, 28, -7), 52, f - 1, turned(tall, 3)))};
}

/// A note dropped onto the table.
std::vector<SlotSpec> paperNote(int f)
{
    const Placement at = card(0.5, 0.5, 0.7, 16.0 / 9.0, -1.5);
    return {slot(then(dealt(at, 0, 4, 24), 30, f - 1, turned(at, 0)))};
}

// ---- City Nights: photos turning in depth, like cards and doors ----

std::vector<SlotSpec> nightSwing(int f)
{
    const Placement facing = card(0.5, 0.5, 0.62, 1.5);
    Placement away = leant(scaled(facing, 0.8), 0.5);
    away.cx = 0.58;
    return {slot(arrive(0, 38, away, facing, leant(scaled(facing, 1.05), -0.05), f))};
}

/// Two photos opening like doors on hinges at the frame's sides.
std::vector<SlotSpec> nightDoors(int f)
{
    const Placement left = card(0.28, 0.5, 0.4, 4.0 / 3.0);
    const Placement right = card(0.72, 0.5, 0.4, 4.0 / 3.0);
    Placement leftShut = leant(left, 0.7);
    leftShut.w = 0.1;
    leftShut.cx = left.cx - left.w / 2 + leftShut.w / 2;
    Placement rightShut = leant(right, -0.7);
    rightShut.w = 0.1;
    rightShut.cx = right.cx + right.w / 2 - rightShut.w / 2;
    return {slot(arrive(0, 40, leftShut, left, leant(scaled(left, 1.03), 0.08), f), 0, 2),
            slot(arrive(10, 40, rightShut, right, leant(scaled(right, 1.03), -0.08), f), 0, 1)};
}

/// Three photos in a row, the side ones turned towards the middle one.
std::vector<SlotSpec> nightFlow(int f)
{
    const Placement middle = card(0.5, 0.5, 0.42, 4.0 / 3.0);
    const Placement left = {0.19, 0.5, 0.24, 0.5, 0, 0.35};
    const Placement right = {0.81, 0.5, 0.24, 0.5, 0, -0.35};
    return {slot(arrive(8, 40, leant(moved(left, 0.1, 0), 0), left, leant(moved(left, 0.01, 0), 0.3), f), 0, 2),
            slot(arrive(16, 40, leant(moved(right, -0.1, 0), 0), right,
                        leant(moved(right, -0.01, 0), -0.3), f),
                 0, 1),
            slot(arrive(0, 34, scaled(middle, 0.85), middle, scaled(middle, 1.05), f))};
}

/// A tall photo turning to face the viewer: the portrait scene.
std::vector<SlotSpec> nightTall(int f)
{
    const Placement tall = card(0.5, 0.5, 0.36, 0.82);
    Placement away = leant(tall, -0.55);
    away.w *= 0.6;
    return {slot(arrive(0, 40, away, tall, leant(scaled(tall, 1.04), 0.06), f))};
}

std::vector<SlotSpec> textZoom(int f)
{
    const Placement at = card(0.5, 0.5, 0.66, 16.0 / 9.0);
    return {slot(arrive(0, 26, scaled(at, 0.88), at, scaled(at, 1.1), f))};
}

std::vector<SlotSpec> textTurn(int f)
{
    const Placement at = card(0.5, 0.5, 0.7, 16.0 / 9.0);
    return {slot(arrive(0, 36, leant(scaled(at, 0.85), -0.4), at, leant(at, 0.04), f))};
}

// ---- Gallery Wall: small photos hung on a wall, one stepping forward ----

Placement forward(Placement p, double factor = 1.16)
{
    return moved(scaled(p, factor), 0, -0.015);
}

/// Hangs in with a small pop at \a start and steps forward from \a step
/// for \a stay frames (to the end when \a stay is 0).
std::vector<Key> hung(Placement p, int start, int step, int stay, int f, double factor = 1.16)
{
    std::vector<Key> keys{{start, scaled(p, 0.9), 0.0, Out},
                          {start + 16, p, 1.0, InOut},
                          {step, p, 1.0, InOut},
                          {step + 20, forward(p, factor), 1.0, InOut}};
    if (stay > 0 && step + 40 + stay < f - 1) {
        keys.push_back({step + 20 + stay, forward(p, factor), 1.0, InOut});
        keys.push_back({step + 40 + stay, p, 1.0, InOut});
    }
    keys.push_back({f - 1, stay > 0 ? p : forward(p, factor * 1.02), 1.0});
    return keys;
}

/// One small photo on the wall that steps forward to fill the view.
std::vector<SlotSpec> wallOne(int f)
{
    const Placement tile = card(0.36, 0.4, 0.3, 1.5);
    const Placement front = card(0.5, 0.5, 0.62, 1.5);
    return {slot({{0, scaled(tile, 0.9), 0.0, Out},
                  {16, tile, 1.0, InOut},
                  {30, tile, 1.0, InOut},
                  {66, front, 1.0, InOut},
                  {f - 1, scaled(front, 1.03), 1.0}})};
}

std::vector<SlotSpec> wallTwo(int f)
{
    const Placement left = card(0.29, 0.5, 0.36, 4.0 / 3.0);
    const Placement right = card(0.71, 0.5, 0.36, 4.0 / 3.0);
    return {slot(hung(left, 0, 24, 20, f)), slot(hung(right, 8, 70, 0, f))};
}

/// Three tall tiles stepping forward in turn: the portrait scene.
std::vector<SlotSpec> wallTall(int f)
{
    std::vector<SlotSpec> tiles;
    for (int i = 0; i < 3; ++i) {
        const Placement p = card(0.21 + 0.29 * i, 0.5, 0.27, 0.8);
        tiles.push_back(slot(hung(p, i * 8, 28 + i * 30, i < 2 ? 6 : 0, f, 1.12)));
    }
    return tiles;
}

/// A large photo and two small ones; the last steps forward over the wall.
std::vector<SlotSpec> wallGrid(int f)
{
    const Placement big = card(0.34, 0.5, 0.5, 1.5);
    const Placement top = card(0.77, 0.3, 0.3, 1.5);
    const Placement bottom = card(0.77, 0.7, 0.3, 1.5);
    std::vector<Key> big_{{0, scaled(big, 0.9), 0.0, Out}, {16, big, 1.0, InOut}, {f - 1, big, 1.0}};
    std::vector<Key> top_{{8, scaled(top, 0.9), 0.0, Out}, {24, top, 1.0, InOut}, {f - 1, top, 1.0}};
    Placement front = scaled(moved(bottom, -0.1, -0.16), 1.45);
    return {slot(big_), slot(top_),
            slot({{16, scaled(bottom, 0.9), 0.0, Out},
                  {32, bottom, 1.0, InOut},
                  {50, bottom, 1.0, InOut},
                  {76, front, 1.0, InOut},
                  {f - 1, scaled(front, 1.02), 1.0}})};
}

std::vector<SlotSpec> textPop(int f)
{
    const Placement at = card(0.5, 0.5, 0.7, 16.0 / 9.0);
    return {slot(arrive(0, 24, scaled(at, 0.86), at, scaled(at, 1.03), f, Overshoot))};
}

// ---- Quiet Cinema: photos filling the frame, slow zoom and pan ----

/// The whole frame, in the shape of most camera photos (3:2): they fill
/// it, cropped a little at the top and bottom.
Placement whole(double factor = 1.0)
{
    return scaled(card(0.5, 0.5, 1.0, 1.5), factor);
}

/// The photo fills the frame and grows a few percent while it pans.
std::vector<SlotSpec> cinemaPan(int f)
{
    SlotSpec s = leaving(slot({{0, whole(1.0), 1.0, InOut},
                               {f - 1, moved(whole(1.1), -0.03, 0.02), 1.0}}));
    s.plain = true;
    return {s};
}

/// Two tall halves drifting in opposite directions.
std::vector<SlotSpec> cinemaSplit(int f)
{
    const Placement left = {0.255, 0.5, 0.47, 0.88, 0, 0};
    const Placement right = {0.745, 0.5, 0.47, 0.88, 0, 0};
    return {slot(arrive(0, 30, scaled(left, 1.04), left, moved(scaled(left, 1.03), 0, -0.02), f)),
            slot(arrive(12, 30, scaled(right, 1.04), right, moved(scaled(right, 1.03), 0, 0.02), f))};
}

/// Three tall strips revealed one after another: the portrait scene.
std::vector<SlotSpec> cinemaStrips(int f)
{
    std::vector<SlotSpec> strips;
    for (int i = 0; i < 3; ++i) {
        const Placement p = {0.18 + 0.32 * i, 0.5, 0.3, 0.84, 0, 0};
        const double drift = i % 2 ? 0.02 : -0.02;
        strips.push_back(slot(arrive(i * 12, 34, moved(p, 0, -drift), p, moved(p, 0, drift / 2), f)));
    }
    return strips;
}

/// A wide letterbox slot for panoramas, pushing in slowly.
std::vector<SlotSpec> cinemaWide(int f)
{
    const Placement wide = card(0.5, 0.5, 0.94, 2.35);
    return {slot(arrive(0, 30, scaled(wide, 0.97), wide, moved(scaled(wide, 1.05), -0.005, 0), f))};
}

std::vector<SlotSpec> textSettle(int f)
{
    const Placement at = card(0.5, 0.55, 0.72, 16.0 / 9.0);
    return {slot(arrive(0, 40, moved(at, 0, 0.04), at, scaled(at, 1.04), f))};
}

// ---- The themes ----

ThemeSpec goldenHour()
{
    ThemeSpec t;
    t.id = 1;
    t.name = "Golden Hour";
    t.style = BgStyle::Glow;
    t.palette = {QColor(255, 196, 150), QColor(196, 98, 120), QColor(255, 226, 170),
                 QColor(255, 170, 120)};
    t.look = {0.02f, QColor(255, 255, 255), "0.5,0.9 3 60,20,10,120", "Lato,SansSerif,64,#fffaf0",
              "0,0.02 0.12 80,30,20,140", ""};
    t.fadeIn = 30;
    t.fadeOut = 36;
    t.overflow = 15;
    t.textMaxSize = 70;
    t.scenes = {{1, 1, 135, false, glowHero(135)},    {2, 1, 120, false, glowPair(120)},
                {3, 1, 120, false, glowTall(120)},    {4, 1, 150, false, glowTrio(150)},
                {5, 1, 120, true, glowMixed(120)},    {6, 2, 105, false, textRise(105)},
                {7, 2, 120, true, textGlide(120)}};
    t.previewScene = 4;
    return t;
}

ThemeSpec paperAlbum()
{
    ThemeSpec t;
    t.id = 2;
    t.name = "Paper Album";
    t.style = BgStyle::Paper;
    t.palette = {QColor(238, 226, 204), QColor(214, 196, 166), QColor(255, 244, 222),
                 QColor(200, 160, 110)};
    t.look = {0.045f, QColor(252, 249, 242), "0.3,0.5 1.6 50,35,20,110",
              "Dancing Script,SansSerif,72,#4a3424", "0,0.01 0.06 255,255,255,160", ""};
    t.fadeIn = 24;
    t.fadeOut = 30;
    t.overflow = 12;
    t.textMaxSize = 60;
    t.scenes = {{1, 1, 120, false, paperOne(120)},    {2, 1, 120, false, paperTwo(120)},
                {3, 1, 135, false, paperThree(135)},  {4, 1, 120, false, paperTall(120)},
                {5, 1, 120, true, paperOverlap(120)}, {6, 2, 120, false, paperNote(120)},
                {7, 2, 105, true, textRise(105)}};
    t.previewScene = 3;
    t.previewAt = 0.9;
    return t;
}

ThemeSpec cityNights()
{
    ThemeSpec t;
    t.id = 3;
    t.name = "City Nights";
    t.style = BgStyle::Night;
    t.palette = {QColor(16, 20, 52), QColor(58, 22, 78), QColor(120, 170, 255),
                 QColor(255, 110, 190)};
    t.look = {0.008f, QColor(225, 235, 255), "0,0 5 110,150,255,170",
              "Comfortaa,SansSerif,60,#f4d58d", "0,0 0.2 255,200,120,150", "gold.png"};
    t.fadeIn = 40;
    t.fadeOut = 40;
    t.overflow = 18;
    t.textMaxSize = 80;
    t.downloadOnly = true;
    t.scenes = {{1, 1, 120, false, nightSwing(120)}, {2, 1, 135, false, nightDoors(135)},
                {3, 1, 135, false, nightFlow(135)},  {4, 1, 120, true, nightTall(120)},
                {5, 2, 120, false, textZoom(120)},   {6, 2, 105, true, textTurn(105)}};
    t.previewScene = 3;
    return t;
}

ThemeSpec galleryWall()
{
    ThemeSpec t;
    t.id = 4;
    t.name = "Gallery Wall";
    t.style = BgStyle::Studio;
    t.palette = {QColor(226, 221, 212), QColor(190, 184, 175), QColor(255, 250, 236),
                 QColor(190, 200, 214)};
    t.look = {0.03f, QColor(255, 255, 255), "0.4,0.8 2.2 40,40,50,90",
              "Lato,SansSerif,60,#3a3f4a", "0,0.01 0.05 255,255,255,120", ""};
    t.fadeIn = 20;
    t.fadeOut = 30;
    t.overflow = 12;
    t.textMaxSize = 70;
    t.scenes = {{1, 1, 120, false, wallOne(120)},  {2, 1, 120, false, wallTwo(120)},
                {3, 1, 135, false, wallTall(135)}, {4, 1, 120, true, wallGrid(120)},
                {5, 2, 105, false, textGlide(105)}, {6, 2, 105, true, textPop(105)}};
    t.previewScene = 4;
    t.previewAt = 0.8;
    return t;
}

ThemeSpec quietCinema()
{
    ThemeSpec t;
    t.id = 5;
    t.name = "Quiet Cinema";
    t.style = BgStyle::Night;
    t.palette = {QColor(18, 18, 22), QColor(34, 30, 36), QColor(120, 110, 100),
                 QColor(90, 96, 110)};
    t.look = {0.006f, QColor(20, 20, 24), "0,1.5 12 0,0,0,160", "DejaVu Serif,Serif,54,#f2efe8",
              "0,0.02 0.1 0,0,0,170", ""};
    t.fadeIn = 45;
    t.fadeOut = 45;
    t.overflow = 20;
    t.textMaxSize = 70;
    t.scenes = {{1, 1, 150, true, cinemaPan(150)},     {2, 1, 135, false, cinemaSplit(135)},
                {3, 1, 135, false, cinemaStrips(135)}, {4, 1, 120, true, cinemaWide(120)},
                {5, 2, 120, false, textSettle(120)},   {6, 2, 105, true, textZoom(105)}};
    t.previewScene = 2;
    t.previewAt = 0.8;
    return t;
}

} // namespace

std::vector<ThemeSpec> bundledThemes()
{
    return {goldenHour(), paperAlbum(), cityNights(), galleryWall(), quietCinema()};
}
