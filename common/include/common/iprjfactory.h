#pragma once

#include "common/iprj.h"
#include "common/iusrdata.h"

#include <QStringList>

#include <string>

/// Creates the user's side of the model. Each call allocates a new object
/// that the caller owns.
class PICTAVIO_INTERFACE IPrjFactory
{
public:
    virtual ~IPrjFactory() = default;

    /// The project stores \a media as given; the caller keeps owning it and
    /// must keep it alive as long as the project is read.
    virtual IPrj* GetPrj(int tmplId, SceneMediaList* media, QStringList audio) = 0;
    virtual IImgMediaVal* GetImgMediaVal(std::wstring src, int rotation) = 0;
    virtual ITextMediaVal* GetTextMediaVal(std::wstring text) = 0;
    /// The user data copies \a slides, sharing the values.
    virtual IUsrData* GetUsrData(int tmplId, QStringList audio, SlideList& slides) = 0;
};
