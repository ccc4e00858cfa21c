#pragma once

#include "animation.h"
#include "backgrounds.h"

#include <QColor>
#include <QString>

#include <vector>

/// One media slot of a scene, in the compact form the tool expands.
struct SlotSpec
{
    std::vector<Key> keys;
    int vPos = 0;
    int hPos = 0;
    /// The scene means the slot to reach past the frame's edges (an entry
    /// from outside, or a photo filling the frame while it zooms).
    bool leaves = false;
    /// No border and no shadow, for photos that fill the frame.
    bool plain = false;
};

struct SceneSpec
{
    int id = 0;
    int type = 1; // 1 pictures, 2 text
    int frames = 120;
    bool still = false; // a still picture instead of a video background
    std::vector<SlotSpec> media;
};

/// The fixed look of a theme's slots.
struct SlotLook
{
    float borderWidth = 0.f;
    QColor borderColor = Qt::white;
    QString shadow; // "x,y blur r,g,b,a", empty for none
    QString font;   // text slots: "Family,SansSerif,size,#rrggbb"
    QString textShadow;
    QString texture; // file name inside the theme folder, or empty
};

struct ThemeSpec
{
    int id = 0;
    QString name;
    BgStyle style = BgStyle::Glow;
    Palette palette;
    SlotLook look;
    int fadeIn = 30;
    int fadeOut = 30;
    int overflow = 15;
    int textMaxSize = 70;
    /// Its background videos live only on the content server.
    bool downloadOnly = false;
    std::vector<SceneSpec> scenes;
    /// The scene and moment (fraction of its frames) the gallery pictures show.
    int previewScene = 1;
    double previewAt = 0.6;
};

/// The themes that ship with the program.
std::vector<ThemeSpec> bundledThemes();
