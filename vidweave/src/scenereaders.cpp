#include "scenereaders_p.h"

#include "avptr_p.h"
#include "fakeimgmedia_p.h"
#include "renderstats_p.h"
#include "vidweave/pixmaputil.h"
#include "vidweave/qtimagerender.h"

#include <QBrush>
#include <QDir>
#include <QPainter>
#include <QThread>

#include <vector>

namespace {

// Line alignment of the working frame: QImage needs 32-bit lines, FFmpeg's
// SIMD converters want 32 bytes.
constexpr int frameAlign = 32;

// The glyphs of \a text filled with the picture at \a path, tiled from the
// top-left. An unreadable texture keeps the plain coloured text.
QPixmap textured(const QPixmap& text, const QString& path)
{
    const QImage texture(path);
    if (texture.isNull())
        return text;
    QPixmap out(text.size());
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.fillRect(out.rect(), QBrush(texture));
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawPixmap(0, 0, text);
    return out;
}

} // namespace

SceneReaderBase::SceneReaderBase(QSharedPointer<IAVInput> input, int width, int height)
    : input(std::move(input))
    , image(QSharedPointer<QImage>::create())
{
    if (width <= 0 || height <= 0) {
        error = QStringLiteral("Invalid frame size %1x%2").arg(width).arg(height);
        return;
    }
    AVFrameUPtr owned(av_frame_alloc());
    if (!owned) {
        error = QStringLiteral("Could not allocate the working frame");
        return;
    }
    owned->format = AV_PIX_FMT_RGB32;
    owned->width = width;
    owned->height = height;
    const int result = av_frame_get_buffer(owned.get(), frameAlign);
    if (result < 0) {
        error = QStringLiteral("Could not allocate the working frame: %1").arg(avErrorText(result));
        return;
    }
    frame = std::move(owned);
    refreshView();
}

SceneReaderBase::~SceneReaderBase() = default;

AVFrame* SceneReaderBase::GetFrame()
{
    return frame.get();
}

int SceneReaderBase::GetFrameIndex() const
{
    return frameIndex;
}

QSharedPointer<QImage> SceneReaderBase::GetImage()
{
    return image;
}

bool SceneReaderBase::NextFrame()
{
    if (!IsValid())
        return false;
    ++frameIndex;
    if (!input->ReadFrame(frame.get()))
        return false;
    refreshView();
    const renderstats::Timer timer(renderstats::Compose);
    for (const auto& render : renders)
        render->Render(frameIndex, image.data());
    return true;
}

bool SceneReaderBase::SkipFrame()
{
    if (!IsValid())
        return false;
    ++frameIndex;
    return input->SkipFrame(frame.get());
}

bool SceneReaderBase::IsValid() const
{
    return error.isEmpty() && input && input->IsValid();
}

QString SceneReaderBase::ErrorString() const
{
    if (!error.isEmpty())
        return error;
    if (!input)
        return QStringLiteral("No background input");
    return input->ErrorString();
}

ISceneMedia* SceneReaderBase::ValueFor(const SceneMediaPair* entry, int slot)
{
    if (!entry)
        return nullptr;
    const auto found = entry->second.find(slot);
    return found == entry->second.end() ? nullptr : found->second;
}

// A fresh view each frame: a copy of the image taken by a caller would
// otherwise make the painter detach and draw beside the encoder's buffer.
void SceneReaderBase::refreshView()
{
    *image = QImage(frame->data[0], frame->width, frame->height, frame->linesize[0],
                    QImage::Format_RGB32);
}

ImgSceneReader::ImgSceneReader(QSharedPointer<IAVInput> input, int width, int height,
                               IImgScene* scene, const SceneMediaPair* entry)
    : SceneReaderBase(std::move(input), width, height)
{
    if (!IsValid() || !scene || !scene->GetMedia())
        return;
    std::vector<std::pair<IImgMedia*, IImgMediaVal*>> pictures;
    for (const auto& slot : *scene->GetMedia()) {
        auto* value = dynamic_cast<IImgMediaVal*>(ValueFor(entry, slot.first));
        if (slot.second && value)
            pictures.emplace_back(slot.second, value);
    }
    // Two pictures are decoded at a time, the second half on a helper (a
    // QThread: the drop shadow's graphics scene needs one).
    std::vector<QSharedPointer<QtImageRender>> made(pictures.size());
    const auto prepare = [&](size_t from) {
        for (size_t i = from; i < pictures.size(); i += 2)
            made[i] = QSharedPointer<QtImageRender>::create(pictures[i].first, pictures[i].second, width, height);
    };
    std::unique_ptr<QThread> helper;
    if (pictures.size() > 1) {
        helper.reset(QThread::create(prepare, size_t(1)));
        helper->start();
    }
    prepare(0);
    if (helper)
        helper->wait();
    for (const auto& render : made)
        if (!render->GetPixmap().isNull())
            renders.append(render);
}

TextSceneReader::TextSceneReader(QSharedPointer<IAVInput> input, int width, int height,
                                 ITextScene* scene, const SceneMediaPair* entry,
                                 QString templateDir)
    : SceneReaderBase(std::move(input), width, height)
{
    if (!IsValid() || !scene || !scene->GetMedia())
        return;
    for (const auto& slot : *scene->GetMedia()) {
        ITextMedia* media = slot.second;
        auto* value = dynamic_cast<ITextMediaVal*>(ValueFor(entry, slot.first));
        if (!media || !value)
            continue;
        float fontSize = 0;
        const std::unique_ptr<QPixmap> text(PixmapUtil::getTextPixmap(
            width, height, QString::fromStdWString(value->GetText()), media->GetFont(),
            media->GetFontColor(), 0.96f, 0.96f, fontSize));
        QPixmap picture = *text;
        if (!media->GetTexture().isEmpty())
            picture = textured(picture, QDir(templateDir).filePath(media->GetTexture()));
        picture = PixmapUtil::AddShadow(picture, media->GetShadow(), int(fontSize));
        adapters.push_back(std::make_unique<FakeImgMedia>(media));
        renders.append(
            QSharedPointer<QtImageRender>::create(adapters.back().get(), picture, width, height));
    }
}

TextSceneReader::~TextSceneReader() = default;
