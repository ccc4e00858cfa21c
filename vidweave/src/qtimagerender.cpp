#include "vidweave/qtimagerender.h"

#include "vidweave/imagerotate.h"
#include "vidweave/pixmaputil.h"
#include "vidweave/qexifimageheader.h"

#include <QImageReader>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

int quarterTurns(int rotation)
{
    int turns = rotation % 4;
    return turns < 0 ? turns + 4 : turns;
}

int borderPixels(const IImgMedia& media, int reference)
{
    // A negative width would shrink the frame below the picture.
    return std::max(0, int(media.GetBorderWidth() * float(reference)));
}

// The down-scaling factor of the framed picture; above 1 it is shrunk.
double limitFactor(const IImgMedia& media, QSize framed, int frameWidth, int frameHeight)
{
    const double sx = double(framed.width()) / double(media.GetMaxWidth() * float(frameWidth));
    const double sy = double(framed.height())
                      / double(media.GetMaxHeight() * float(frameHeight));
    return sx > sy ? sx : sy;
}

struct Prepared
{
    QSize size;           // of the framed picture after down-scaling
    bool shrinks = false; // whether Init down-scales it
    double border = 0;    // border thickness at that size, in pixels
    double factor = 0;    // the down-scaling factor
};

// Shrinking by less than this in the second step leaves hard edges sharper
// than one smooth step from the full picture would.
constexpr double minDecodeMargin = 1.5;

// What Init makes of a \a picture-sized image, using the rounding of
// QImage's smooth scaling.
Prepared prepare(const IImgMedia& media, QSize picture, int frameWidth, int frameHeight)
{
    const float pictureAspect = float(picture.width()) / float(picture.height());
    const int reference = pictureAspect > media.GetAspect() ? picture.width() : picture.height();
    const int border = borderPixels(media, reference);
    const QSize framed = picture + QSize(2 * border, 2 * border);
    const double s = limitFactor(media, framed, frameWidth, frameHeight);
    Prepared result;
    result.factor = s;
    result.shrinks = s > 1.0;
    if (!result.shrinks) {
        result.size = framed;
        result.border = border;
        return result;
    }
    const int height = int(double(framed.height()) / s);
    const qreal factor = qreal(height) / framed.height();
    result.size = QSize(int(factor * framed.width() + 0.9999),
                        int(factor * framed.height() + 0.9999));
    result.border = border * factor;
    return result;
}

// A smaller size to decode \a stored at: one that Init shrinks to the very
// size the full picture gives, with the border (and so the picture inside it)
// within a tenth of a pixel of its place; invalid when there is none.
QSize scaledDecodeSize(const IImgMedia& media, QSize stored, bool transposed, int frameWidth,
                       int frameHeight)
{
    if (stored.isEmpty())
        return QSize();
    auto upright = [transposed](QSize s) { return transposed ? s.transposed() : s; };
    const Prepared full = prepare(media, upright(stored), frameWidth, frameHeight);
    if (!full.shrinks || full.size.isEmpty())
        return QSize();
    const QSize target = upright(full.size);
    const int most = int(std::min(double(stored.width()) / target.width(),
                                  double(stored.height()) / target.height()));
    auto matches = [&](QSize candidate) {
        const Prepared p = prepare(media, upright(candidate), frameWidth, frameHeight);
        return p.factor >= minDecodeMargin && p.size == full.size && std::abs(p.border - full.border) <= 0.1;
    };
    // The decoder's own eighths need no resampling afterwards; whole divisors
    // keep the aspect exact; rounded sizes are the fallback.
    for (int eighths = 1; eighths < 8; ++eighths) {
        const QSize candidate = stored * eighths / 8;
        if (candidate * 8 == stored * eighths && matches(candidate))
            return candidate;
    }
    for (int divisor = most; divisor >= 2; --divisor) {
        if (stored.width() % divisor == 0 && stored.height() % divisor == 0
            && matches(stored / divisor))
            return stored / divisor;
    }
    for (int divisor = most; divisor >= 2; --divisor) {
        const QSize candidate(qRound(double(stored.width()) / divisor),
                              qRound(double(stored.height()) / divisor));
        if (matches(candidate))
            return candidate;
    }
    return QSize();
}

struct Point
{
    float x;
    float y;
};

Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(Point a, float f) { return {a.x * f, a.y * f}; }
Point& operator+=(Point& a, Point b)
{
    a.x += b.x;
    a.y += b.y;
    return a;
}
Point& operator-=(Point& a, Point b)
{
    a.x -= b.x;
    a.y -= b.y;
    return a;
}

// Pulls in the edges across which the picture is too short, keeping its aspect.
void fitCorners(Point p[4], bool wider, float shift, int vPosition, int hPosition)
{
    if (wider) {
        const Point d03 = (p[3] - p[0]) * shift;
        const Point d12 = (p[2] - p[1]) * shift;
        if (vPosition == IMedia::VCenter) {
            p[0] += d03, p[3] -= d03, p[1] += d12, p[2] -= d12;
        } else if (vPosition == IMedia::Top) {
            p[3] -= d03 * 2.0f, p[2] -= d12 * 2.0f;
        } else if (vPosition == IMedia::Bottom) {
            p[0] += d03 * 2.0f, p[1] += d12 * 2.0f;
        }
        return;
    }
    const Point d01 = (p[1] - p[0]) * shift;
    const Point d32 = (p[2] - p[3]) * shift;
    if (hPosition == IMedia::HCenter) {
        p[0] += d01, p[1] -= d01, p[3] += d32, p[2] -= d32;
    } else if (hPosition == IMedia::Left) {
        p[1] -= d01 * 2.0f, p[2] -= d32 * 2.0f;
    } else if (hPosition == IMedia::Right) {
        p[0] += d01 * 2.0f, p[3] += d32 * 2.0f;
    }
}

// Corners further than this from a parallelogram are drawn in perspective.
constexpr double maxParallelogramDefect = 0.05;

// The affine map of the rectangle \a from onto corners \a p that form a
// parallelogram to within float rounding. Qt draws through a projective map
// pixel by pixel with divisions, and quadToQuad makes one of the rounding.
bool parallelogramMap(const QPolygonF& from, const Point p[4], QTransform& out)
{
    const double defectX = double(p[0].x) + p[2].x - p[1].x - p[3].x;
    const double defectY = double(p[0].y) + p[2].y - p[1].y - p[3].y;
    const QRectF r = from.boundingRect();
    if (std::hypot(defectX, defectY) > maxParallelogramDefect || from.size() != 4
        || r.width() <= 0 || r.height() <= 0)
        return false;
    const double m11 = (double(p[1].x) - p[0].x) / r.width();
    const double m12 = (double(p[1].y) - p[0].y) / r.width();
    const double m21 = (double(p[3].x) - p[0].x) / r.height();
    const double m22 = (double(p[3].y) - p[0].y) / r.height();
    if (std::abs(m11 * m22 - m12 * m21) < 1e-12)
        return false; // flat: nothing to draw
    out = QTransform(m11, m12, m21, m22, p[0].x - m11 * r.left() - m21 * r.top(),
                     p[0].y - m12 * r.left() - m22 * r.top());
    return true;
}

QPixmap framedPicture(const QPixmap& picture, int border, IMedia::color_t colour)
{
    QPixmap framed(picture.width() + 2 * border, picture.height() + 2 * border);
    framed.fill(Qt::transparent);
    QPainter painter(&framed);
    if (border > 0) {
        const QColor band(colour.red, colour.green, colour.blue, 255);
        const int w = framed.width();
        const int h = framed.height();
        painter.fillRect(0, 0, border, h, band);
        painter.fillRect(0, 0, w, border, band);
        painter.fillRect(picture.width() + border, 0, border, h, band);
        painter.fillRect(0, picture.height() + border, w, border, band);
    }
    painter.drawPixmap(border, border, picture);
    return framed;
}

} // namespace

QtImageRender::QtImageRender(IImgMedia* media, QPixmap& picture, int frameWidth,
                             int frameHeight)
{
    Init(media, picture, frameWidth, frameHeight);
}

QtImageRender::QtImageRender(IImgMedia* media, IImgMediaVal* value, int frameWidth,
                             int frameHeight)
{
    QPixmap picture = QPixmap::fromImage(LoadPicture(media, value, frameWidth, frameHeight));
    Init(media, picture, frameWidth, frameHeight);
}

QImage QtImageRender::LoadPicture(const IImgMedia* media, const IImgMediaVal* value,
                                  int frameWidth, int frameHeight)
{
    if (!value)
        return QImage();
    const QString path = QString::fromStdWString(value->GetSrc());
    QImageReader reader(path);
    // Photos store their orientation apart from the pixels. Our own EXIF
    // reader knows every type the tag is written with, so the tiles and the
    // video agree; other formats keep the decoder's own handling.
    const int orientation = QExifImageHeader::fileOrientation(path);
    reader.setAutoTransform(orientation == 0);
    const int turns = quarterTurns(value->GetRotation());
    if (media && reader.supportsOption(QImageIOHandler::ScaledSize)) {
        const bool turnedByTag =
            orientation ? QExifImageHeader::swapsSides(orientation)
                        : bool(reader.transformation() & QImageIOHandler::TransformationRotate90);
        const bool transposed = turnedByTag != bool(turns % 2);
        const QSize decode =
            scaledDecodeSize(*media, reader.size(), transposed, frameWidth, frameHeight);
        if (decode.isValid())
            reader.setScaledSize(decode);
    }
    QImage image = reader.read(); // an animation's first frame
    if (image.isNull())
        return image;
    const IMedia::color_t paper = media ? media->GetBorderColor() : IMedia::color_t();
    image = OnGround(QExifImageHeader::orient(image, orientation),
                     QColor(paper.red, paper.green, paper.blue));
    if (turns == 0)
        return image;
    return ImageRotate::rotate(turns * 90, image);
}

QImage QtImageRender::OnGround(const QImage& picture, const QColor& ground)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.setDevicePixelRatio(picture.devicePixelRatio());
    flat.fill(ground);
    QPainter(&flat).drawImage(0, 0, picture);
    return flat;
}

bool QtImageRender::CanLoadPicture(const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isEmpty())
        return false;
    if (reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(size.scaled(64, 64, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return !reader.read().isNull();
}

void QtImageRender::Init(IImgMedia* slot, QPixmap& picture, int frameWidth, int frameHeight)
{
    media = slot;
    wider = false;
    fitShift = 0;
    pixmap = QPixmap();
    imageQuad.clear();
    if (!media || picture.isNull())
        return;

    const float pictureAspect = float(picture.width()) / float(picture.height());
    const float slotAspect = media->GetAspect();
    const int reference = pictureAspect > slotAspect ? picture.width() : picture.height();
    int border = borderPixels(*media, reference);
    QPixmap framed = framedPicture(picture, border, media->GetBorderColor());

    const float framedAspect = float(framed.width()) / float(framed.height());
    wider = framedAspect > slotAspect;
    // Each pulled-in edge moves by half of what the quad has too much: the
    // height for a wider picture, the width for a narrower one.
    const double keep = wider ? double(slotAspect / framedAspect) : double(framedAspect / slotAspect);
    fitShift = float((1.0 - keep) * 0.5);

    const double s = limitFactor(*media, framed.size(), frameWidth, frameHeight);
    if (s > 1.0) {
        const int height = int(double(framed.height()) / s);
        if (height < 1)
            return;
        framed = framed.scaledToHeight(height, Qt::SmoothTransformation);
        border = borderPixels(*media, pictureAspect > slotAspect ? framed.width()
                                                                 : framed.height());
    }
    pixmap = PixmapUtil::AddShadow(framed, media->GetShadow(), border, imageQuad);
}

void QtImageRender::Render(int frame, QImage* target) const
{
    if (!media || !target || target->isNull() || pixmap.isNull() || !std::isfinite(fitShift))
        return;
    IMedia::transformation_t t;
    if (!media->GetTransform(frame, t))
        return;

    const double w = target->width();
    const double h = target->height();
    Point p[4] = {{float(w * t.x0), float(h * t.y0)},
                  {float(w * t.x1), float(h * t.y1)},
                  {float(w * t.x2), float(h * t.y2)},
                  {float(w * t.x3), float(h * t.y3)}};
    fitCorners(p, wider, fitShift, int(media->GetVPosition()), int(media->GetHPosition()));

    QTransform transform;
    if (!parallelogramMap(imageQuad, p, transform)) {
        QPolygonF quad;
        for (const Point& point : p)
            quad << QPointF(point.x, point.y);
        if (!QTransform::quadToQuad(imageQuad, quad, transform))
            return;
    }

    QPainter painter(target);
    if (t.opacity < 0.99f)
        painter.setOpacity(t.opacity);
    painter.setTransform(transform);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, pixmap);
}

void QtImageRender::Blend(QImage* target, QImage* source, double opacity)
{
    if (!target || !source || target->isNull() || source->isNull())
        return;
    QPainter painter(target);
    painter.setOpacity(opacity);
    painter.drawImage(source->rect(), *source);
}

void QtImageRender::Fade(QImage* target, int alpha)
{
    if (!target || target->isNull())
        return;
    QPainter painter(target);
    painter.fillRect(target->rect(), QColor(0, 0, 0, qBound(0, alpha, 255)));
}
