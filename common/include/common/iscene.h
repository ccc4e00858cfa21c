#pragma once

#include "common/imedia.h"

#include <map>
#include <string>

enum SceneType : int { SceneImg = 1, SceneText = 2 };
enum SceneBgType : int { BgVideo = 1, BgImage = 2 };

/// One animated clip over a background, with numbered media slots.
class PICTAVIO_INTERFACE IScene
{
public:
    virtual ~IScene() = default;

    virtual SceneType GetType() const = 0;
    virtual SceneBgType GetBgType() const = 0;
    /// Background file inside the template folder; empty means the scene's
    /// standard background video.
    virtual std::wstring GetBgFileName() const = 0;
    virtual long GetFramesNumber() const = 0;
    /// Writes both references, whatever their values.
    virtual void GetTimeBase(int& num, int& den) const = 0;
    virtual int GetMediaSize() const = 0;
    /// The film grain laid over a video background while it is rendered:
    /// the largest opacity, in 255ths, of a speck of random grey on each
    /// pixel (0 to 15). Templates without it have none.
    virtual int GetGrain() const { return 0; }
};

class PICTAVIO_INTERFACE IImgScene : public IScene
{
public:
    /// The scene's own map (slot number to slot), not a copy.
    virtual std::map<int, IImgMedia*>* GetMedia() const = 0;
};

class PICTAVIO_INTERFACE ITextScene : public IScene
{
public:
    /// The scene's own map (slot number to slot), not a copy.
    virtual std::map<int, ITextMedia*>* GetMedia() const = 0;
};
