#pragma once

#include "common/common_export.h"
#include "common/itmplpathmanager.h"

/// A base for test path managers: fixed answers for the template file and
/// the scene video, whatever the arguments.
class COMMON_EXPORT MockTmplPathManager : public ITmplPathManager
{
public:
    MockTmplPathManager() = default;

    std::wstring GetTmplPath(int tmplId) const override;
    std::wstring GetSceneVideoPath(int tmplId, int sceneNo) const override;

private:
    std::wstring unused;
};
