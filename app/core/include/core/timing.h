#pragma once

#include <QString>

/// Whole seconds as a clock reads them: "m:ss" under an hour, else "h:mm:ss".
/// Parts of a second are dropped, as a clock does; negative is 0:00.
QString clockText(double seconds);

/// Seconds a render still needs after \a elapsed seconds with \a percent
/// done, at the pace so far; -1 while too little is done to tell.
int secondsLeft(double elapsed, float percent);
