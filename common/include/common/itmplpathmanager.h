#pragma once

#include "common/interfaceglobal.h"

#include <string>

/// Where a template's files lie.
class PICTAVIO_INTERFACE ITmplPathManager
{
public:
    virtual ~ITmplPathManager() = default;

    /// The template's scene description: GetTmplDir() + "template.xml".
    virtual std::wstring GetTmplPath(int tmplId) const = 0;
    /// The template's summary: GetTmplDir() + "info.xml".
    virtual std::wstring GetTmplInfoPath(int tmplId) const = 0;
    /// The template's folder, ending in "/".
    virtual std::wstring GetTmplDir(int tmplId) const = 0;
    /// The standard background video of a scene ("<scene>.mp4").
    virtual std::wstring GetSceneVideoPath(int tmplId, int sceneNo) const = 0;
};
