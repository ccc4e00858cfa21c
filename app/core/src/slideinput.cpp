#include "core/slideinput.h"

#include "core/textlength.h"

#include "common/baseprjfactory.h"
#include "common/iscenemedia.h"
#include "docloom/xmltext.h"

#include <QDir>
#include <QFileInfo>

namespace {

// What the theme reader gives a theme that states no limit.
const int usualTextLimit = 70;

} // namespace

bool isRegularFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

QStringList filesInFolder(const QString& folder, const QStringList& patterns)
{
    // Cameras write "IMG_0001.JPG": name filters ignore case unless told not to.
    QStringList paths;
    const QFileInfoList files =
        QDir(folder).entryInfoList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files)
        paths << file.absoluteFilePath();
    return paths;
}

int slideTextLimit(const ITmpl& tmpl)
{
    return tmpl.GetTextMaxSize() > 0 ? tmpl.GetTextMaxSize() : usualTextLimit;
}

QString capSlideText(const QString& text, const ITmpl& tmpl)
{
    return leftVisible(text, slideTextLimit(tmpl));
}

QString cleanSlideText(const QString& text)
{
    return XmlSafeText(text);
}

ProjectSlides slidesOfProject(const SlideList& values, const ITmpl* tmpl)
{
    ProjectSlides out;
    for (const QSharedPointer<ISceneMedia>& value : values) {
        if (value && value->GetType() == SceneImg) {
            const auto* picture = static_cast<const IImgMediaVal*>(value.data());
            const QString path = QString::fromStdWString(picture->GetSrc());
            if (!QFileInfo::exists(path))
                out.missing << path;
            else if (!isRegularFile(path))
                out.notFiles << path;
            else
                out.slides.push_back({path, SceneImg, picture->GetRotation()});
        } else if (value && value->GetType() == SceneText) {
            const auto* text = static_cast<const ITextMediaVal*>(value.data());
            const QString words = QString::fromStdWString(text->GetText());
            // No longer than the text editor lets it be written.
            const QString kept = tmpl ? capSlideText(words, *tmpl) : words;
            if (kept.size() != words.size())
                out.shortened.push_back(int(out.slides.size()));
            out.slides.push_back({kept, SceneText, 0});
        }
    }
    return out;
}

SlideList valuesOfSlides(const std::vector<PlacementSlide>& slides)
{
    BasePrjFactory factory;
    SlideList values;
    for (const PlacementSlide& slide : slides) {
        if (slide.kind == SceneImg)
            values.emplace_back(factory.GetImgMediaVal(slide.value.toStdWString(), slide.rotation));
        else
            values.emplace_back(factory.GetTextMediaVal(slide.value.toStdWString()));
    }
    return values;
}
