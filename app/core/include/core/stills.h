#pragma once

#include "core/rendercontroller.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

/// The length of \a request's video in seconds.
double videoSeconds(const RenderRequest& request);

/// The middle of every scene of \a request's video, in seconds.
QList<double> sceneMiddles(const RenderRequest& request);

/// How a still is named: its place in the list and its moment, such as
/// "still_02_0m12.5s.png".
QString stillName(int index, double seconds);

/// Draws the frames of \a request at \a seconds, as the render would, and
/// writes each as a PNG into \a folder, without encoding anything. A file of
/// the same name is replaced only when \a overwrite. \a keepGoing is asked at
/// every frame. The files written, or empty with a reason.
QStringList writeStills(const RenderRequest& request, const QList<double>& seconds,
                        const QString& folder, bool overwrite,
                        const std::function<bool()>& keepGoing, QString* reason);
