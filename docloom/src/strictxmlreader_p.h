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
/// next() and readText() only: the stream reader is held, not inherited, so
/// that every token passes these checks.
class StrictXmlReader
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
    /// Why the document was refused: "name, line 12, column 4: what", or
    /// empty when it was read whole.
    QString errorText(const QString& name) const;

    QXmlStreamAttributes attributes() const { return xml.attributes(); }
    bool isStartElement() const { return xml.isStartElement(); }
    bool isEndElement() const { return xml.isEndElement(); }
    bool isWhitespace() const { return xml.isWhitespace(); }
    bool isComment() const { return xml.isComment(); }
    QStringRef name() const { return xml.name(); }

private:
    QXmlStreamReader xml;
    int depth = 0;
};

/// Why \a file cannot be read as a document, for the user: it is missing, not
/// a regular file, or cannot be opened.
QString unopenedText(const QFile& file);
