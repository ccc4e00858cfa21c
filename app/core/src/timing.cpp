#include "core/timing.h"

#include <cmath>

QString clockText(double seconds)
{
    const int whole = seconds > 0 ? int(seconds) : 0;
    const QString ss = QStringLiteral("%1").arg(whole % 60, 2, 10, QChar('0'));
    if (whole < 3600)
        return QStringLiteral("%1:%2").arg(whole / 60).arg(ss);
    return QStringLiteral("%1:%2:%3").arg(whole / 3600).arg(whole / 60 % 60, 2, 10, QChar('0')).arg(ss);
}

int secondsLeft(double elapsed, float percent)
{
    // The first seconds are the slowest (the first scenes are prepared): an
    // estimate from them would jump about.
    if (!std::isfinite(percent) || percent < 1.f || elapsed < 3.0)
        return -1;
    if (percent >= 100.f)
        return 0;
    return int(std::lround(elapsed * (100.0 - double(percent)) / double(percent)));
}
