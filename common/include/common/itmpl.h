#pragma once

#include "common/iscene.h"

#include <map>

/// A theme: scenes by number plus whole-template settings (in frames,
/// except the text size in characters).
class PICTAVIO_INTERFACE ITmpl
{
public:
    virtual ~ITmpl() = default;

    /// A fresh copy of the scene map; the scene pointers are the template's.
    virtual std::map<int, IScene*> GetScenes() const = 0;
    virtual int GetFadeIn() const = 0;
    virtual int GetFadeOut() const = 0;
    virtual int GetSceneOverflow() const = 0;
    virtual int GetTextMaxSize() const = 0;
};
