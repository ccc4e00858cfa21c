#pragma once

#include "avptr_p.h"

#include "iavinput_p.h"
#include "iscenereader_p.h"

#include "common/iprj.h"
#include "common/iscene.h"

#include <QList>
#include <QSharedPointer>
#include <QString>

#include <memory>
#include <vector>

class FakeImgMedia;
class QtImageRender;

/// What both scene readers share: the background input, the working frame
/// (32-bit RGB as QImage::Format_RGB32 stores it, allocated by FFmpeg) with its
/// QImage view over the same memory, and the slot renderers in ascending slot
/// order.
class SceneReaderBase : public ISceneReader
{
public:
    ~SceneReaderBase() override;

    /// The working frame; owned by the reader.
    AVFrame* GetFrame() override;
    int GetFrameIndex() const override;
    /// A view of the working frame; it shows the latest frame and is valid
    /// while the reader lives.
    QSharedPointer<QImage> GetImage() override;
    bool NextFrame() override;
    bool SkipFrame() override;
    bool IsValid() const override;
    QString ErrorString() const override;

protected:
    SceneReaderBase(QSharedPointer<IAVInput> input, int width, int height);

    /// The user's value for \a slot in \a entry, or null.
    static ISceneMedia* ValueFor(const SceneMediaPair* entry, int slot);

    QList<QSharedPointer<QtImageRender>> renders;

private:
    SceneReaderBase(const SceneReaderBase&) = delete;
    SceneReaderBase& operator=(const SceneReaderBase&) = delete;

    void refreshView();

    QSharedPointer<IAVInput> input;
    AVFrameUPtr frame;
    QSharedPointer<QImage> image;
    int frameIndex = -1;
    QString error;
};

/// Frames of an image scene: background plus the user's pictures. A slot
/// without a picture value in \a entry (or with one that cannot be read)
/// draws nothing. \a entry may be null; the scene and the values must
/// outlive the reader.
class ImgSceneReader : public SceneReaderBase
{
public:
    ImgSceneReader(QSharedPointer<IAVInput> input, int width, int height, IImgScene* scene,
                   const SceneMediaPair* entry);
};

/// Frames of a text scene: background plus the user's texts, each made into
/// a picture once (fitted size, optional texture from \a templateDir, shadow).
class TextSceneReader : public SceneReaderBase
{
public:
    TextSceneReader(QSharedPointer<IAVInput> input, int width, int height, ITextScene* scene,
                    const SceneMediaPair* entry, QString templateDir);
    ~TextSceneReader() override;

private:
    std::vector<std::unique_ptr<FakeImgMedia>> adapters;
};
