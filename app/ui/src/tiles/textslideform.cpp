#include "ui/tiles/textslideform.h"

#include "common/baseprjfactory.h"
#include "common/imedia.h"
#include "common/iscenemedia.h"
#include "core/tmplpathmanager.h"
#include "vidweave/pixmaputil.h"

#include <QPainter>

#include <memory>

namespace {

// What the renderer uses when a theme gives no text box.
const float defaultTextBox = 0.96f;

float boxFactor(float factor)
{
    return factor > 0 && factor <= 1 ? factor : defaultTextBox;
}

} // namespace

TextSlideForm::TextSlideForm(QWidget* parent, const QString& text, int maxLength)
    : SlideForm(parent, text, Text, QStringLiteral("icon-addtext-big.png"), true, false, 0),
      maxTextLength(maxLength)
{
}

ISceneMedia* TextSlideForm::mediaValue()
{
    BasePrjFactory factory;
    return factory.GetTextMediaVal(value().toStdWString());
}

void TextSlideForm::setScene(int tmplId, ITextMedia* textMedia)
{
    if (!textMedia || (textMedia == media && tmplId == templateId))
        return;
    media = textMedia;
    templateId = tmplId;
    look = {media->GetFont(), media->GetFontColor(), boxFactor(media->GetMaxWidth()),
            boxFactor(media->GetMaxHeight()), media->GetShadow()};
    background = QImage();
    requestThumbnail(backgroundPath(templateId, media));
}

QString TextSlideForm::backgroundPath(int templateId, ITextMedia* media)
{
    TmplPathManager* store = TmplPathManager::instance();
    const QString name = media->GetSlideBg();
    if (name.isEmpty())
        return store->tmplRecord(templateId).thumb;
    return QString::fromStdWString(store->GetTmplDir(templateId)) + name;
}

void TextSlideForm::thumbGenerated(ThumbGeneratorTask path, QSharedPointer<QImage> img)
{
    if (!takesAnswer(path, img))
        return;
    // A background that cannot be read must not hide the text: a plain panel
    // takes its place.
    if (img->isNull()) {
        QImage panel(path.width, path.height, QImage::Format_ARGB32_Premultiplied);
        panel.fill(QColor(0x2E, 0x37, 0x45));
        img = QSharedPointer<QImage>::create(panel);
    }
    background = *img;
    setThumbnail(img);
}

void TextSlideForm::setThumbnail(QSharedPointer<QImage> img)
{
    if (!media || img->isNull()) {
        SlideForm::setThumbnail(img);
        return;
    }
    SlideForm::setThumbnail(QSharedPointer<QImage>::create(withText(*img)));
}

QImage TextSlideForm::withText(const QImage& picture)
{
    // The background covers the picture and overhangs it; the text must fit
    // the part that shows, so the overhang goes first.
    const QSize box = QSize(task().width, task().height).boundedTo(picture.size());
    const QRect shown(QPoint((picture.width() - box.width()) / 2,
                             (picture.height() - box.height()) / 2), box);
    QImage copy = picture.copy(shown).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    float fontSize = 0;
    const std::unique_ptr<QPixmap> text(PixmapUtil::getTextPixmap(
        copy.width(), copy.height(), value(), look.font, look.colour, look.widthFactor,
        look.heightFactor, fontSize));
    if (!text)
        return copy;
    textQuad.clear();
    const QPixmap shadowed = PixmapUtil::AddShadow(*text, look.shadow, int(fontSize), textQuad);
    QPainter painter(&copy);
    painter.drawPixmap(-int(textQuad.value(0).x()), -int(textQuad.value(0).y()), shadowed);
    return copy;
}

void TextSlideForm::on_valueChanged(QString new_value)
{
    // The background is at hand: paint the new text at once rather than
    // decoding the background again.
    if (!background.isNull()) {
        setValue(new_value);
        setThumbnail(QSharedPointer<QImage>::create(background));
        return;
    }
    SlideForm::on_valueChanged(new_value);
}

void TextSlideForm::thumbClicked()
{
    emit editRequested(this);
}
