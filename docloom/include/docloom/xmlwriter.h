#pragma once

#include "docloom/docloom_export.h"

#include <QString>

#include <functional>

class QXmlStreamWriter;

/// Writes one XML document with \a body into a temporary file and puts it at
/// \a path only when everything was written; false otherwise, and \a path is
/// left as it was. \a indent lays it out for reading.
DOCLOOM_EXPORT bool WriteXmlDocument(const QString& path,
                                     const std::function<void(QXmlStreamWriter&)>& body,
                                     bool indent = false);
