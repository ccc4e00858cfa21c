#pragma once

#include <QString>
#include <QStringList>

/// The photo formats that the installed image readers open, as lower-case
/// file suffixes ("jpg", "heic", "dng" …). Cursors, icons and layered
/// documents are left out even when a reader opens them.
QStringList photoSuffixes();

/// photoSuffixes() as name patterns: "*.jpg", "*.heic" …
QStringList photoNamePatterns();

/// The photos directly in \a folder, by name ignoring case.
QStringList picturesInFolder(const QString& folder);

/// Whether \a path ends in one of photoSuffixes(), in any case.
bool isPhotoFile(const QString& path);

/// Whether \a path ends in a camera RAW suffix (DNG, CR2, NEF …), in any case.
bool isCameraRawFile(const QString& path);

/// Whether Qt's reader of \a path decodes it straight at a reduced size
/// (JPEG); every other format is decoded whole, then scaled.
bool decodesAtReducedSize(const QString& path);
