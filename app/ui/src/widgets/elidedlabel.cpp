#include "ui/widgets/elidedlabel.h"

#include <QEvent>
#include <QLabel>
#include <QVariant>

namespace {

const char* const fullProperty = "elidedFullText";
const char* const prefixProperty = "elidedBoldPrefix";

void fit(QLabel* label)
{
    const QString text = label->property(fullProperty).toString();
    const QString prefix = label->property(prefixProperty).toString();
    QFont bold = label->font();
    bold.setBold(true);
    const QString separator = QStringLiteral(": ");
    const int used = prefix.isEmpty() ? 0
                                      : QFontMetrics(bold).horizontalAdvance(prefix)
                                            + label->fontMetrics().horizontalAdvance(separator);
    // Until it is laid out and shown, the label's width means nothing.
    const QString shown = !label->isVisible()
                              ? text
                              : label->fontMetrics().elidedText(text, Qt::ElideRight,
                                                                qMax(0, label->contentsRect().width() - used));
    if (prefix.isEmpty()) {
        label->setText(shown);
    } else {
        label->setTextFormat(Qt::RichText);
        label->setText(QStringLiteral("<b>%1</b>%2%3").arg(prefix.toHtmlEscaped(), separator, shown.toHtmlEscaped()));
    }
    label->setToolTip(shown == text ? QString() : prefix.isEmpty() ? text : prefix + separator + text);
}

class Refitter : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show
            || event->type() == QEvent::FontChange)
            if (auto* label = qobject_cast<QLabel*>(watched))
                fit(label);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void showElided(QLabel* label, const QString& text, const QString& boldPrefix)
{
    static Refitter refitter;
    if (!label->property(fullProperty).isValid()) {
        label->installEventFilter(&refitter);
        // The layout gives the label what is left, not what the whole text wants.
        QSizePolicy policy = label->sizePolicy();
        policy.setHorizontalPolicy(QSizePolicy::Ignored);
        label->setSizePolicy(policy);
        label->setWordWrap(false);
    }
    label->setProperty(fullProperty, text);
    label->setProperty(prefixProperty, boldPrefix);
    fit(label);
}
