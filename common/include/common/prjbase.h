#pragma once

#include "common/common_export.h"
#include "common/iprj.h"

/// A project. It owns only its music list; the scene list stays its
/// builder's.
class COMMON_EXPORT PrjBase : public IPrj
{
public:
    PrjBase(int tmplId, SceneMediaList* media, QStringList audio);

    int GetTmplId() const override;
    const SceneMediaList* GetMedia() const override;
    QStringList GetAudio() const override;

private:
    PrjBase() = delete;

    int tmplId;
    SceneMediaList* media;
    QStringList audio;
};
