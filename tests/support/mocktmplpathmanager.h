#pragma once

#include "common/itmplpathmanager.h"

/// A base for test path managers: fixed answers for the template file and
/// the scene video, whatever the arguments.
class MockTmplPathManager : public ITmplPathManager
{
public:
    MockTmplPathManager() = default;

    std::wstring GetTmplPath(int) const override { return L"../../data/theme.xml"; }
    std::wstring GetSceneVideoPath(int, int) const override { return L"../../data/1.mp4"; }

private:
    std::wstring unused;
};
