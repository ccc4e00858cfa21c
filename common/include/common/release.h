#pragma once

#include "common/iprj.h"
#include "common/itmpl.h"

#include <memory>

// Header-only on purpose: libraries that see the model only through its
// interfaces (and do not link common) release what they built with these too.

/// Deletes a scene with its media map and every slot in it. Null is allowed.
inline void ReleaseScene(IScene* scene)
{
    if (auto* img = dynamic_cast<IImgScene*>(scene)) {
        if (auto* media = img->GetMedia()) {
            for (const auto& slot : *media)
                delete slot.second;
            delete media;
        }
    } else if (auto* text = dynamic_cast<ITextScene*>(scene)) {
        if (auto* media = text->GetMedia()) {
            for (const auto& slot : *media)
                delete slot.second;
            delete media;
        }
    }
    delete scene;
}

/// Deletes a template with everything reachable from it: each scene, its
/// media map and every slot. Null is allowed. No object may be read after.
inline void ReleaseTmpl(ITmpl* tmpl)
{
    if (!tmpl)
        return;
    for (const auto& entry : tmpl->GetScenes())
        ReleaseScene(entry.second);
    delete tmpl;
}

/// Deletes only the values, maps and pairs of a scene list and empties it;
/// the list itself stays (it is often a member of its owner).
inline void ClearSceneMedia(SceneMediaList& list)
{
    for (SceneMediaPair* pair : list) {
        if (!pair)
            continue;
        for (const auto& slot : pair->second)
            delete slot.second;
        delete pair;
    }
    list.clear();
}

/// Deletes a heap-allocated scene list with its pairs, maps and values.
/// Null is allowed.
inline void ReleaseSceneMedia(SceneMediaList* list)
{
    if (!list)
        return;
    ClearSceneMedia(*list);
    delete list;
}

/// A std::unique_ptr deleter that calls one of the release functions above.
template <auto Release>
struct Releaser
{
    template <typename T>
    void operator()(T* object) const
    {
        Release(object);
    }
};

/// A template and everything reachable from it.
using TmplPtr = std::unique_ptr<ITmpl, Releaser<ReleaseTmpl>>;
/// A scene list with its pairs, maps and values.
using SceneMediaListPtr = std::unique_ptr<SceneMediaList, Releaser<ReleaseSceneMedia>>;
