#pragma once

#include "vidweave/vidweave_export.h"

#include "common/iendlogo.h"
#include "common/iprj.h"
#include "common/itmpl.h"
#include "common/itmplpathmanager.h"
#include "common/iwatermark.h"

#include <QImage>
#include <QObject>
#include <QSharedPointer>
#include <QString>

#include <cstdint>
#include <functional>

/// Renders a project into an MP4 file. Created by a factory, used for one
/// Render() call and deleted by the caller.
class VIDWEAVE_EXPORT IPrjRender : public QObject
{
    Q_OBJECT

public:
    explicit IPrjRender(QObject* parent = nullptr);
    ~IPrjRender() override;

    /// Renders synchronously into \a outputPath; returns when the file is
    /// complete, stopped or failed. Note that \a height comes before \a width.
    /// \a watermark and \a endLogo may be null. After a stop or a failure no
    /// output file is left.
    virtual void Render(int tmplId, ITmpl* tmpl, IPrj* prj, ITmplPathManager* paths,
                        QString outputPath, int height, int width,
                        QSharedPointer<IWatermark> watermark,
                        QSharedPointer<IEndLogo> endLogo) = 0;
    /// Called with every frame of a RenderFrames() run, numbered from 0;
    /// \a frame is overwritten by the next one. False ends the run.
    using FrameSink = std::function<bool(int64_t number, const QImage& frame)>;
    /// Draws the frames Render() would encode, at the same size and in the
    /// same order, and hands each to \a sink instead; nothing is encoded or
    /// written and the music is not read. Failed() and Stop() as for Render().
    virtual void RenderFrames(int tmplId, ITmpl* tmpl, IPrj* prj, ITmplPathManager* paths,
                              int height, int width, QSharedPointer<IWatermark> watermark,
                              QSharedPointer<IEndLogo> endLogo, const FrameSink& sink) = 0;
    /// Asks a running Render() to end at its next check; callable from
    /// another thread.
    virtual void Stop() = 0;
    /// True when the last Render() failed (a stop is not a failure);
    /// ErrorString() then tells why in words for the user.
    virtual bool Failed() const = 0;
    virtual QString ErrorString() const = 0;

signals:
    /// Emitted synchronously on the rendering thread for every output frame,
    /// finished as it will be encoded; \a img is overwritten by the next
    /// frame, so copy it to keep it.
    void progress(QImage* img, float percent);
};

class VIDWEAVE_EXPORT IRenderFactory
{
public:
    virtual ~IRenderFactory();

    /// A new renderer owned by the caller.
    virtual IPrjRender* GetH264PrjRender() = 0;
};
