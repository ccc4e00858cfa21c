#include "vidweave/qexifimageheader.h"

#include <QBuffer>
#include <QGuiApplication>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qInstallMessageHandler(quiet); // "Invalid Ifd Type" would flood the output
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(app)

    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), int(size));
    buffer.open(QIODevice::ReadOnly);
    QExifImageHeader header;
    header.parseJpeg(&buffer);
    header.exifValue(0xA002).toInteger();
    header.imageValue(0x112).toInteger();
    header.thumbnailImage();
    buffer.seek(0);
    header.parseWebp(&buffer);
    header.imageValue(0x112).toInteger();
    int orientation = 0;
    QExifImageHeader::cameraPreview(QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size)),
                                    &orientation);
    return 0;
}
