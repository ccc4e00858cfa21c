#pragma once

#include "common/iendlogo.h"
#include "common/iprj.h"
#include "common/itmpl.h"
#include "common/itmplpathmanager.h"
#include "common/iwatermark.h"
#include "core/metatypes.h"
#include "core/outputfile.h"
#include "core/uniquethread.h"
#include "vidweave/iprjrender.h"

#include <QMutex>
#include <QObject>
#include <QPixmap>
#include <QSharedPointer>
#include <atomic>
#include <functional>
#include <memory>

/// Makes the render for one run; the worker owns and deletes it.
using RenderMaker = std::function<IPrjRender*()>;

/// Runs one render on the render thread. The video is written to a
/// PartialFile of its own and named only once it is complete, as the claim
/// says; leftovers of renders that were killed in that folder go first.
class RenderWorker : public QObject
{
    Q_OBJECT

public:
    RenderWorker(int tmplId, ITmpl* tmpl, QSharedPointer<IPrj> prj, QString outputPath, int width,
                 int height, ITmplPathManager* paths, QSharedPointer<IWatermark> overlay,
                 QSharedPointer<IEndLogo> endLogo, RenderMaker maker);

    /// Asks the render to end; safe from any thread. A stop before the render
    /// starts means no render at all.
    void stop();
    /// Before the render starts; Replace unless set.
    void setClaim(OutputClaim how) { claim = how; }

public slots:
    void process();
    void onRenderProgress(QImage* img, float percent);

signals:
    void finished();
    /// The video is complete under \a path, which a claim other than Replace
    /// may have numbered.
    void done(const QString& path);
    void stopped();
    void failed(const QString& reason);
    void onProgress(float percent);
    /// A copy of the frame at height 300; pixmaps are made on the GUI thread.
    void onPreview(const QImage& preview);

private:
    QSharedPointer<IPrj> prj;
    int tmplId;
    ITmpl* tmpl;
    QString outputPath;
    int width;
    int height;
    ITmplPathManager* paths;
    QMutex renderLock; // guards render against stop() while it is deleted
    IPrjRender* render = nullptr;
    std::atomic_bool stopFlag{false};
    /// The partial file vanished during the render (its folder removed); the
    /// render thread alone reads and writes it.
    bool lostOutput = false;
    QString lostReason() const;
    /// Where the render writes; the render thread alone uses it.
    QString partialName;
    OutputClaim claim = OutputClaim::Replace;
    /// The finished video's path, or empty with \a reason.
    QString placeVideo(PartialFile& partial, bool failed, QString* reason);
    int progressCount = -1;
    QSharedPointer<IWatermark> overlay;
    QSharedPointer<IEndLogo> endLogo;
    RenderMaker maker;
};

/// Runs renders on a thread of their own and reports back on the GUI thread.
class RenderController : public QObject
{
    Q_OBJECT

public:
    explicit RenderController(QObject* parent = nullptr);
    /// Waits for a running render to end.
    ~RenderController() override;

    /// Starts rendering; \a maker defaults to the library's H.264 renderer.
    void start(int tmplId, ITmpl* tmpl, QSharedPointer<IPrj> prj, QString outputPath, int width,
               int height, ITmplPathManager* paths, QSharedPointer<IWatermark> overlay,
               QSharedPointer<IEndLogo> endLogo, RenderMaker maker = {});
    void stop();
    /// How the renders started from now on take their name; Replace unless set.
    void setOutputClaim(OutputClaim how) { claim = how; }

signals:
    void done(const QString& result_path);
    void stopped();
    /// The render failed; nothing was left behind.
    void failed(const QString& reason);
    void onProgress(float progress);
    void onPreview(QSharedPointer<QPixmap> preview);

private slots:
    void workerDone(const QString& path);
    void renderProgress(float progress);
    void renderPreview(const QImage& preview);
    void workerStopped();
    void workerFailed(const QString& reason);

private:
    void finish();

    // Declared before the thread, so that the thread has ended before the
    // worker is deleted.
    std::unique_ptr<RenderWorker> worker;
    UniqueThread thread;
    OutputClaim claim = OutputClaim::Replace;
};
