#pragma once

#include "common/iprj.h"
#include "common/iprjfactory.h"
#include "common/itmpl.h"

#include <QString>

#include <vector>

/// One slide as the placement sees it.
struct PlacementSlide
{
    /// Image slides: the picture's path; text slides: the text.
    QString value;
    /// SceneImg or SceneText.
    int kind = SceneImg;
    /// Clockwise quarter turns of a picture.
    int rotation = 0;
};

/// Where the slides went. Vectors run parallel to the slides.
struct PlacementResult
{
    std::vector<bool> included;
    /// Scene id each slide plays in; -1 for excluded slides.
    std::vector<int> sceneOf;
    /// The text slot whose style a text slide previews; null for pictures.
    std::vector<ITextMedia*> textPreview;
    int placedCount = 0;
    /// Where the cut-off separator stands; -1 when everything fits.
    int separatorIndex = -1;
    /// Seconds of video that the placed slides make.
    float totalDuration = 0;
};

/// Distributes \a slides over the template's scenes in order, each kind
/// cycling through its scenes in ascending id, as long as the music lasts
/// (\a musicLength seconds; 0 or less means no music, so time cuts nothing).
/// With a \a factory and \a out (a build run) it also appends one pair per
/// placed scene to \a out, values keyed 0, 1, ... by position and made by
/// the factory; the caller owns them. A group of slides whose kind the
/// template has no scene for, and everything after it, is excluded; so is
/// everything when the template has no scenes.
PlacementResult placeSlides(const std::vector<PlacementSlide>& slides, const ITmpl& tmpl,
                            float musicLength, IPrjFactory* factory = nullptr,
                            SceneMediaList* out = nullptr);
