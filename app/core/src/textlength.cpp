#include "core/textlength.h"

#include <QTextBoundaryFinder>
#include <QVector>

namespace {

bool isRegionalIndicator(uint code)
{
    return code >= 0x1F1E6 && code <= 0x1F1FF;
}

/// Where each visible character ends, in UTF-16 units. Qt's finder splits a
/// flag (two regional indicators) that follows other text: those pairs are
/// joined again here.
QVector<int> characterEnds(const QString& text)
{
    QVector<int> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int indicators = 0; // regional indicators in the run before the boundary
    for (int end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        const int start = ends.isEmpty() ? 0 : ends.last();
        const uint first = QString(text.mid(start, end - start)).toUcs4().value(0);
        indicators = isRegionalIndicator(first) && end - start == 2 ? indicators + 1 : 0;
        if (indicators == 2) {
            ends.last() = end;
            indicators = 0;
            continue;
        }
        ends << end;
    }
    return ends;
}

} // namespace

int visibleLength(const QString& text)
{
    return characterEnds(text).size();
}

QString leftVisible(const QString& text, int count)
{
    if (count <= 0)
        return QString();
    const QVector<int> ends = characterEnds(text);
    return count >= ends.size() ? text : text.left(ends.at(count - 1));
}
