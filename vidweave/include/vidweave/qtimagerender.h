#pragma once

#include "vidweave/vidweave_export.h"

#include "common/imedia.h"
#include "common/iscenemedia.h"

#include <QImage>
#include <QPixmap>
#include <QPolygonF>

/// Draws one image slot: the picture is prepared once (border, down-scaling
/// to the slot's largest size, drop shadow), then mapped onto the slot's
/// quadrilateral of any frame. The slot must outlive the renderer.
class VIDWEAVE_EXPORT QtImageRender
{
public:
    /// Prepares \a picture for \a media; frames later drawn on are
    /// \a frameWidth x \a frameHeight.
    QtImageRender(IImgMedia* media, QPixmap& picture, int frameWidth, int frameHeight);
    /// Loads the picture named by \a value upright (EXIF orientation), turns it
    /// by the value's quarter turns and prepares it. An unreadable file or a
    /// null value gives a renderer that draws nothing.
    QtImageRender(IImgMedia* media, IImgMediaVal* value, int frameWidth, int frameHeight);

    /// Draws the slot as placed at \a frame onto \a target; nothing when the
    /// slot has no key frame there or the quad cannot be mapped.
    void Render(int frame, QImage* target) const;

    /// Draws \a source over \a target at \a opacity, top-left aligned.
    static void Blend(QImage* target, QImage* source, double opacity);
    /// Darkens \a target towards black by \a alpha (0 none, 255 black).
    static void Fade(QImage* target, int alpha);

    /// The picture of \a value upright and turned, as the second constructor
    /// prepares it. For formats that decode scaled (JPEG) it is decoded
    /// smaller when that gives the same prepared picture for \a media at
    /// this frame size. Null when the file cannot be read.
    /// Whether \a path decodes to a picture: a cheap, small decode that also
    /// catches files whose header is fine but whose image data is missing.
    static bool CanLoadPicture(const QString& path);
    static QImage LoadPicture(const IImgMedia* media, const IImgMediaVal* value, int frameWidth,
                              int frameHeight);

    /// \a picture laid on \a ground where it is transparent: a picture with
    /// holes (a GIF or PNG cut-out) shows as a print, not as an empty frame.
    static QImage OnGround(const QImage& picture, const QColor& ground);

    /// The prepared picture, shadow margin included; null when there is none.
    const QPixmap& GetPixmap() const { return pixmap; }
    /// Corners of the framed picture inside GetPixmap(), clockwise from top-left.
    const QPolygonF& GetImageQuad() const { return imageQuad; }
    /// True when the framed picture is relatively wider than the slot.
    bool IsWider() const { return wider; }
    /// Fraction of an edge pulled in on each side to keep the picture's aspect.
    float GetFitShift() const { return fitShift; }

protected:
    void Init(IImgMedia* media, QPixmap& picture, int frameWidth, int frameHeight);

private:
    IImgMedia* media = nullptr;
    bool wider = false;
    float fitShift = 0;
    QPixmap pixmap;
    QPolygonF imageQuad;
};
