#pragma once

// A theme whose files all lie in one folder, for tests that write their own.

#include "common/itmplpathmanager.h"

#include <QString>

#include <string>

class FolderPaths : public ITmplPathManager
{
public:
    /// Scene videos are "<scene>.mp4" in \a videos, or in \a dir when empty.
    explicit FolderPaths(const QString& dir, const QString& videos = {})
        : dir(dir.toStdWString() + L"/")
        , videos(videos.isEmpty() ? this->dir : videos.toStdWString() + L"/")
    {
    }
    std::wstring GetTmplPath(int) const override { return dir + L"template.xml"; }
    std::wstring GetTmplInfoPath(int) const override { return dir + L"info.xml"; }
    std::wstring GetTmplDir(int) const override { return dir; }
    std::wstring GetSceneVideoPath(int, int scene) const override
    {
        return videos + std::to_wstring(scene) + L".mp4";
    }

private:
    std::wstring dir;
    std::wstring videos;
};
