#pragma once

#include <QString>
#include <QXmlStreamReader>

class QFile;
class QIODevice;

/// Opens \a file read-only as text when it is a regular file (links
/// followed): a FIFO or a device would keep a reader waiting for ever.
bool openDocument(QFile& file);

/// The reader of every docloom document. The formats need neither a DOCTYPE
/// nor deep nesting, so both are refused as errors: no entity definition is
/// ever expanded, and a hostile file cannot nest without bound. Callers use
/// next() and readText() only, so that every token passes these checks.
class StrictXmlReader : public QXmlStreamReader
{
public:
    static constexpr int maxDepth = 32;

    explicit StrictXmlReader(QIODevice* device);

    /// Advances to the next token; false at the end of input or on an error.
    bool next();
    /// The text directly inside the current start element, read up to its
    /// end element; the text of child elements is left out.
    QString readText();
    /// True once the whole document was read without an error: a damaged
    /// document is refused as a whole, never half read.
    bool complete() const;

private:
    int depth = 0;
};
