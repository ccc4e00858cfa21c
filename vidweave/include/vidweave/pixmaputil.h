#pragma once

#include "vidweave/vidweave_export.h"

#include "common/imedia.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPolygonF>
#include <QString>

/// Drop shadows and fitted text pictures.
class VIDWEAVE_EXPORT PixmapUtil
{
public:
    /// \a picture with a blurred drop shadow; offsets and blur are the
    /// shadow's factors times \a unit pixels. The result grows by the margins
    /// the shadow needs; the picture's four corners inside it (clockwise from
    /// top-left) are appended to \a imageQuad.
    static QPixmap AddShadow(QPixmap& picture, IMedia::shadow_t shadow, int unit,
                             QPolygonF& imageQuad);
    /// As above, without the corners.
    static QPixmap AddShadow(QPixmap& picture, IMedia::shadow_t shadow, int unit);

    /// A new transparent \a width x \a height pixmap with \a text word-wrapped
    /// and centred in a box of the given fractions of each side, at the
    /// largest point size found by shrinking by 0.9 from the box height (it
    /// gives up after the first failing size below 3). \a fontSize receives
    /// that size. The caller owns the result.
    static QPixmap* getTextPixmap(int width, int height, QString text, QFont font,
                                  QColor colour, float widthFactor, float heightFactor,
                                  float& fontSize);

private:
    PixmapUtil() = delete;
};
