#pragma once

#include "common/iscene.h"

#include <string>

/// What the user puts into a media slot.
class PICTAVIO_INTERFACE ISceneMedia
{
public:
    virtual ~ISceneMedia() = default;

    /// SceneImg for a picture, SceneText for a text.
    virtual SceneType GetType() const = 0;
};

class PICTAVIO_INTERFACE IImgMediaVal : public ISceneMedia
{
public:
    virtual std::wstring GetSrc() const = 0;
    /// Clockwise quarter turns, not normalised (-1 stays -1).
    virtual int GetRotation() const = 0;
};

class PICTAVIO_INTERFACE ITextMediaVal : public ISceneMedia
{
public:
    /// May contain line breaks.
    virtual std::wstring GetText() const = 0;
};
