#pragma once

#include "vidweave/qexifvalue.h"
#include "vidweave/vidweave_export.h"

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>

class QIODevice;

/// One 12-byte directory entry as it stands in the file.
struct ExifIfdHeader
{
    quint16 tag = 0;
    quint16 type = 0;
    quint32 count = 0;
    /// The value itself when it fits in four bytes, else its offset.
    quint32 offset = 0;
    QByteArray inlineBytes; // the same four bytes in file order
};

/// Reads the EXIF block of a JPEG or WebP file: tags of the image, EXIF and GPS
/// directories and the embedded preview. Never reads outside the block and
/// never trusts a count beyond the bytes it holds.
class VIDWEAVE_EXPORT QExifImageHeader
{
public:
    QExifImageHeader();
    /// Reads \a fileName; an unreadable file leaves the header empty.
    explicit QExifImageHeader(const QString& fileName);
    ~QExifImageHeader();

    /// True when an EXIF block with a valid TIFF header was found.
    bool parseJpeg(QIODevice* device);
    /// As parseJpeg(), for the EXIF chunk of a WebP file.
    bool parseWebp(QIODevice* device);
    void clear();

    /// A tag of the EXIF sub-directory, or the null value.
    QExifValue exifValue(int tag) const;
    /// A tag of the image directory (IFD 0), or the null value.
    QExifValue imageValue(int tag) const;
    QExifValue gpsValue(int tag) const;

    /// The embedded preview turned upright by its orientation (the main
    /// picture's when the preview has none); null when there is none.
    QImage thumbnailImage() const;
    /// The orientation (1 to 8) thumbnailImage() turns the preview by; 0 for none.
    int previewOrientation() const;
    /// The main picture's orientation (1 to 8); 0 when there is none or it is
    /// not one of those values.
    int orientation() const;

    /// The orientation tag of the JPEG or WebP file \a fileName, as
    /// orientation(). Other formats keep their decoder's own handling: HEIC's
    /// rotation lives in its container, and EXIF there must not turn it again.
    static int fileOrientation(const QString& fileName);
    /// The largest JPEG preview stored in the TIFF-like camera RAW file
    /// \a fileName (DNG, NEF, CR2, ARW, ORF, RW2, PEF …), empty when there is
    /// none; \a orientation gets the file's orientation (0 for none), which
    /// turns the preview as it turns the sensor's picture.
    static QByteArray cameraPreview(const QString& fileName, int* orientation);
    /// As above, for a camera file's bytes \a data.
    static QByteArray cameraPreview(const QByteArray& data, int* orientation);
    /// \a image turned and mirrored upright for \a orientation (1 to 8).
    static QImage orient(const QImage& image, int orientation);
    /// Whether \a orientation swaps width and height.
    static bool swapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

private:
    QExifImageHeader(const QExifImageHeader&) = delete;
    QExifImageHeader& operator=(const QExifImageHeader&) = delete;

    bool parseTiff(const QByteArray& block);

    struct Private;
    Private* d;
};
