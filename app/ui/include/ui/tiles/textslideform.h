#pragma once

#include "ui/tiles/slideform.h"

#include "common/imedia.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPolygonF>

/// A text slide: its text drawn over the background of the text scene it
/// lands in. A click asks the page to edit the text (editRequested); the
/// edited text comes back through setText().
class TextSlideForm : public SlideForm
{
    Q_OBJECT

public:
    TextSlideForm(QWidget* parent, const QString& text, int maxLength);

    ISceneMedia* mediaValue() override;
    void setThumbnail(QSharedPointer<QImage> img) override;

    /// The scene the layout run put this slide in; a new one brings its
    /// background picture from the theme \a templateId. The look of the text
    /// is copied, so the tile outlives a replaced theme.
    void setScene(int templateId, ITextMedia* media);
    /// Only for telling scenes apart; it may point to a replaced theme.
    ITextMedia* scene() const { return media; }
    int maxLength() const { return maxTextLength; }
    QString text() const { return value(); }
    void setText(const QString& text) { on_valueChanged(text); }

signals:
    /// The user clicked the picture to edit the text.
    void editRequested(TextSlideForm* slide);

protected slots:
    void on_valueChanged(QString new_value) override;
    void thumbClicked() override;
    void thumbGenerated(ThumbGeneratorTask path, QSharedPointer<QImage> img) override;

private:
    QImage withText(const QImage& background);
    static QString backgroundPath(int templateId, ITextMedia* media);

    struct TextLook
    {
        QFont font;
        QColor colour;
        float widthFactor = 0;
        float heightFactor = 0;
        IMedia::shadow_t shadow;
    };

    QPolygonF textQuad;
    int maxTextLength;
    ITextMedia* media = nullptr;
    int templateId = 0;
    TextLook look;
    QImage background;
};
