#include "core/placement.h"

#include "docloom/xmltext.h"

#include <utility>

namespace {

using SceneList = std::vector<std::pair<int, IScene*>>;

/// A kind's scenes in ascending id with a cursor that keeps its place
/// across groups and wraps around.
struct SceneCursor
{
    SceneList scenes;
    size_t at = 0;

    bool empty() const { return scenes.empty(); }
    const std::pair<int, IScene*>& current() const { return scenes[at]; }
    void advance() { at = (at + 1) % scenes.size(); }
};

ITextMedia* firstTextMedia(IScene* scene)
{
    auto* text = dynamic_cast<ITextScene*>(scene);
    if (!text || !text->GetMedia() || text->GetMedia()->empty())
        return nullptr;
    return text->GetMedia()->begin()->second;
}

float frameLengthOf(const SceneCursor& text, const std::map<int, IScene*>& all)
{
    IScene* scene = !text.empty() ? text.scenes.front().second
                                  : (all.empty() ? nullptr : all.begin()->second);
    int num = 0, den = 0;
    if (scene)
        scene->GetTimeBase(num, den);
    // A broken time base would make every scene endless: take the output's.
    if (num <= 0 || den <= 0)
        return 1.f / 30.f;
    return float(num) / float(den);
}

ISceneMedia* makeValue(IPrjFactory& factory, const PlacementSlide& slide)
{
    if (slide.kind == SceneImg)
        return factory.GetImgMediaVal(slide.value.toStdWString(), slide.rotation);
    // A character XML cannot hold would make every later save fail.
    return factory.GetTextMediaVal(XmlSafeText(slide.value).toStdWString());
}

class Walk
{
public:
    Walk(const std::vector<PlacementSlide>& slides, const ITmpl& tmpl, float musicLength,
         IPrjFactory* factory, SceneMediaList* out)
        : slides(slides), musicLength(musicLength), factory(factory), out(out)
    {
        const auto scenes = tmpl.GetScenes();
        for (const auto& entry : scenes) {
            if (!entry.second)
                continue;
            if (entry.second->GetType() == SceneText)
                text.scenes.emplace_back(entry);
            else if (entry.second->GetType() == SceneImg)
                images.scenes.emplace_back(entry);
        }
        frameLength = frameLengthOf(text, scenes);
        overlap = float(tmpl.GetSceneOverflow()) * frameLength;
        music = musicLength > 0 ? musicLength : 1000000.f;
        musicLeft = music;
        result.included.assign(slides.size(), false);
        result.sceneOf.assign(slides.size(), -1);
        result.textPreview.assign(slides.size(), nullptr);
    }

    PlacementResult run()
    {
        if (slides.empty())
            return result;
        size_t pos = 0;
        while (pos < slides.size() && !cutOff)
            pos = placeGroup(pos);
        // What is placed is what plays: the music is cut to it.
        result.totalDuration = elapsed;
        result.separatorIndex = cutOff ? result.placedCount : -1;
        markExcluded(pos);
        return result;
    }

private:
    /// Places the group starting at \a pos; returns where the walk goes on.
    size_t placeGroup(size_t pos)
    {
        const int kind = slides[pos].kind;
        size_t end = pos;
        while (end < slides.size() && slides[end].kind == kind)
            ++end;
        const int size = int(end - pos);
        int left = size;
        SceneCursor& cursor = kind == SceneImg ? images : text;
        if (cursor.empty()) {
            cutOff = true;
            return pos;
        }
        const int sceneCount = int(cursor.scenes.size());
        int skipped = 0;
        while (left > 0) {
            const auto [id, scene] = cursor.current();
            const float sceneTime = float(scene->GetFramesNumber()) * frameLength;
            const int slotCount = scene->GetMediaSize();
            // A scene without slots can take no slide.
            if (slotCount > 0 && musicLeft > sceneTime && slotCount <= left) {
                place(pos + size_t(size - left), id, scene, slotCount, kind);
                elapsed = (elapsed > 0 ? elapsed - overlap : elapsed) + sceneTime;
                left -= slotCount;
                result.placedCount += slotCount;
                skipped = 0;
                musicLeft = music - elapsed;
            } else if (++skipped > sceneCount) {
                cutOff = true;
                return pos + size_t(size - left);
            }
            cursor.advance();
        }
        return end;
    }

    void place(size_t first, int id, IScene* scene, int count, int kind)
    {
        SceneMediaPair* pair = factory && out ? new SceneMediaPair(id, {}) : nullptr;
        for (int i = 0; i < count; ++i) {
            result.included[first + size_t(i)] = true;
            result.sceneOf[first + size_t(i)] = id;
            if (pair)
                pair->second[i] = makeValue(*factory, slides[first + size_t(i)]);
        }
        if (pair)
            out->push_back(pair);
        if (kind == SceneText)
            result.textPreview[first] = firstTextMedia(scene);
    }

    /// Excluded texts preview the styles of the text scenes that would follow.
    void markExcluded(size_t from)
    {
        for (size_t i = from; i < slides.size(); ++i) {
            if (slides[i].kind != SceneText || text.empty())
                continue;
            result.textPreview[i] = firstTextMedia(text.current().second);
            text.advance();
        }
    }

    const std::vector<PlacementSlide>& slides;
    float musicLength;
    IPrjFactory* factory;
    SceneMediaList* out;
    SceneCursor text;
    SceneCursor images;
    float frameLength = 1.f / 30.f;
    float overlap = 0;
    float music = 0;
    float musicLeft = 0;
    float elapsed = 0;
    bool cutOff = false;
    PlacementResult result;
};

} // namespace

PlacementResult placeSlides(const std::vector<PlacementSlide>& slides, const ITmpl& tmpl,
                            float musicLength, IPrjFactory* factory, SceneMediaList* out)
{
    return Walk(slides, tmpl, musicLength, factory, out).run();
}
