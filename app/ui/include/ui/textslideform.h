#pragma once

#include "ui/slideform.h"

#include <QImage>
#include <QPolygonF>

class ITextMedia;

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
    /// background picture from the theme \a templateId.
    void setScene(int templateId, ITextMedia* media);
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

    QPolygonF textQuad;
    int maxTextLength;
    ITextMedia* media = nullptr;
    QImage background;
};
