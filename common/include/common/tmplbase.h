#pragma once

#include "common/common_export.h"
#include "common/itmpl.h"

/// A template. It owns its copy of the scene map, not the scenes.
class COMMON_EXPORT TmplBase : public ITmpl
{
public:
    TmplBase(const std::map<int, IScene*>& scenes, int fadeIn, int fadeOut, int sceneOverflow,
             int textMaxSize);

    std::map<int, IScene*> GetScenes() const override;
    int GetFadeIn() const override;
    int GetFadeOut() const override;
    int GetSceneOverflow() const override;
    int GetTextMaxSize() const override;

private:
    TmplBase() = delete;

    std::map<int, IScene*> scenes;
    int fadeIn;
    int fadeOut;
    int sceneOverflow;
    int textMaxSize;
};
