#pragma once

#include "common/iscenemedia.h"

#include <QSharedPointer>
#include <QStringList>

#include <list>

using SlideList = std::list<QSharedPointer<ISceneMedia>>;

/// The editor's state of one project: template, music and slides in order.
class PICTAVIO_INTERFACE IUsrData
{
public:
    virtual ~IUsrData() = default;

    virtual int GetTmplId() const = 0;
    virtual QStringList GetAudio() const = 0;
    virtual SlideList::const_iterator GetSlidesBegin() const = 0;
    virtual SlideList::const_iterator GetSlidesEnd() const = 0;
};
