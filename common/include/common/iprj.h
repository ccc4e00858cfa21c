#pragma once

#include "common/iscenemedia.h"

#include <QStringList>

#include <list>
#include <map>
#include <utility>

/// Slot position to value for one scene occurrence.
using SceneMediaMap = std::map<int, ISceneMedia*>;
/// A scene number (key in the template's scene map) and its values.
using SceneMediaPair = std::pair<int, SceneMediaMap>;
/// Scene occurrences in playing order; a scene number may repeat.
using SceneMediaList = std::list<SceneMediaPair*>;

/// An assembled project: what the renderer consumes.
class PICTAVIO_INTERFACE IPrj
{
public:
    virtual ~IPrj() = default;

    virtual int GetTmplId() const = 0;
    /// The very list given at construction; the project does not own it.
    virtual const SceneMediaList* GetMedia() const = 0;
    /// Music file paths in playing order (a copy).
    virtual QStringList GetAudio() const = 0;
};
