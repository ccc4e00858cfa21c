#pragma once

#include "vidweave/iprjrender.h"

#include <QImage>
#include <QSharedPointer>

#include <atomic>
#include <functional>
#include <memory>

struct AVOutputFormat;
class AVOutput;
class IAVInput;
class ISceneReader;
class MusicSchedule;

class BaseVidweave : public IPrjRender
{
    Q_OBJECT

public:
    using IPrjRender::IPrjRender;
};

/// Renders a project scene by scene into H.264/AAC MP4 at 1/30 s a frame.
class H264Render : public BaseVidweave
{
    Q_OBJECT

public:
    H264Render();
    ~H264Render() override;

    void Render(int tmplId, ITmpl* tmpl, IPrj* prj, ITmplPathManager* paths, QString outputPath,
                int height, int width, QSharedPointer<IWatermark> watermark,
                QSharedPointer<IEndLogo> endLogo) override;
    void RenderFrames(int tmplId, ITmpl* tmpl, IPrj* prj, ITmplPathManager* paths, int height,
                      int width, QSharedPointer<IWatermark> watermark,
                      QSharedPointer<IEndLogo> endLogo, const FrameSink& sink) override;
    void Stop() override;
    bool Failed() const override;
    QString ErrorString() const override;

private:
    struct Job;
    /// A scene's background and reader, or why they could not be made.
    struct OpenedScene
    {
        QSharedPointer<IAVInput> input;
        std::unique_ptr<ISceneReader> reader;
        QString error;
    };
    class SceneOpener;

    bool begin(Job& job, int tmplId, ITmpl* tmpl, IPrj* prj, ITmplPathManager* paths, int height,
               int width);
    bool checkScenes(Job& job);
    bool prepare(Job& job, const QString& outputPath, QSharedPointer<IWatermark> watermark,
                 QSharedPointer<IEndLogo> endLogo);
    bool renderScenes(Job& job);
    /// Reads \a job only, so it may run on another thread.
    OpenedScene openScene(const Job& job, const SceneMediaPair& entry) const;
    /// \a whenAlone is called on each frame once the previous scene is gone.
    bool renderScene(Job& job, std::unique_ptr<ISceneReader>& reader, const IAVInput& input,
                     bool first, bool last, const std::function<void()>& whenAlone);
    void composeFrame(Job& job, QImage& image, int idx, int64_t n, bool first, bool last);
    bool fail(const QString& reason);

    const AVOutputFormat* outputFormat;
    int timeBaseNum = 1;
    int timeBaseDen = 30;
    int pixelFormat = 0;
    std::atomic_bool stopRequested{false};
    bool failed = false;
    QString error;
};
