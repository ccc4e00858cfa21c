#pragma once

#include <QProxyStyle>

/// The program's style: Fusion with a focus ring that shows on the dark
/// pages (the usual dotted frame is black on dark grey).
class FocusStyle : public QProxyStyle
{
    Q_OBJECT

public:
    FocusStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
