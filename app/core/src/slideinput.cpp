#include "core/slideinput.h"

#include "core/textlength.h"

#include <QFileInfo>

namespace {

// What the theme reader gives a theme that states no limit.
const int usualTextLimit = 70;

} // namespace

bool isRegularFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

int slideTextLimit(const ITmpl& tmpl)
{
    return tmpl.GetTextMaxSize() > 0 ? tmpl.GetTextMaxSize() : usualTextLimit;
}

QString capSlideText(const QString& text, const ITmpl& tmpl)
{
    return leftVisible(text, slideTextLimit(tmpl));
}
