#include "ui/widgets/keyboard.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {

QString shownText(const QWidget* control)
{
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        text = button->text();
    // "&Open" reads "Open"; "&&" is a literal ampersand.
    text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    // A symbol such as "+" is no name; the tool tip says what it does.
    const auto saysSomething = [](const QString& s) {
        return std::any_of(s.begin(), s.end(), [](QChar c) { return c.isLetterOrNumber(); });
    };
    for (const QString& other : {control->toolTip(), control->property("placeholderText").toString()}) {
        if (saysSomething(text))
            break;
        text = other;
    }
    return text.simplified();
}

void nameOne(QWidget* control, const QString& context)
{
    if (!(control->focusPolicy() & Qt::TabFocus) || !control->accessibleName().isEmpty())
        return;
    const QString name = shownText(control);
    if (name.isEmpty())
        return;
    control->setAccessibleName(context.isEmpty() ? name
                                                 : QStringLiteral("%1 – %2").arg(name, context));
}

bool isTabStop(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()
           && !widget->focusProxy();
}

struct Placed
{
    QWidget* widget;
    QRect rect; // in the root's coordinates
};

} // namespace

void nameControls(QWidget* root, const QString& context)
{
    nameOne(root, context);
    for (QWidget* child : root->findChildren<QWidget*>())
        nameOne(child, context);
}

QWidgetList tabStops(const QWidget* root)
{
    QList<Placed> placed;
    if (!root)
        return {};
    for (QWidget* child : root->findChildren<QWidget*>())
        if (isTabStop(child))
            placed.append({child, QRect(child->mapTo(root, QPoint(0, 0)), child->size())});
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.rect.center().y() < b.rect.center().y();
    });
    // A row holds what sits beside its first control, whatever their heights.
    QWidgetList order;
    for (int start = 0; start < placed.size();) {
        const QRect& first = placed.at(start).rect;
        int end = start + 1;
        while (end < placed.size() && placed.at(end).rect.center().y() <= first.bottom())
            ++end;
        std::stable_sort(placed.begin() + start, placed.begin() + end,
                         [](const Placed& a, const Placed& b) { return a.rect.x() < b.rect.x(); });
        for (int i = start; i < end; ++i)
            order.append(placed.at(i).widget);
        start = end;
    }
    return order;
}

void focusControl(QWidget* control, Qt::FocusReason reason)
{
    control->setFocus(reason);
    for (QWidget* parent = control->parentWidget(); parent; parent = parent->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(parent))
            area->ensureWidgetVisible(control);
}
