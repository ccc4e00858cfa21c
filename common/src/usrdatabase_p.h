#pragma once

#include "common/iusrdata.h"

/// User data; created only by BasePrjFactory::GetUsrData. Its slide list is
/// its own copy, sharing the values.
class UsrDataBase : public IUsrData
{
public:
    UsrDataBase(int tmplId, QStringList audio, const SlideList& slides);

    int GetTmplId() const override;
    QStringList GetAudio() const override;
    SlideList::const_iterator GetSlidesBegin() const override;
    SlideList::const_iterator GetSlidesEnd() const override;

private:
    int tmplId;
    QStringList audio;
    SlideList slides;
};
