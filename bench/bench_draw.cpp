// Prints the cost of preparing a 6000x4000 JPEG for a slot (scaled decode as
// the renderer does it, and a full decode for comparison) and of one Render
// call on a 1920x1080 frame. Run from build/bin/.

#include "vidweave/qtimagerender.h"

#include "common/imgmediabase.h"
#include "common/imgmediavalbase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QImage photoLike(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb(255 * x / w, 255 * y / h, ((x ^ y) & 0xff));
    }
    QPainter painter(&image);
    painter.fillRect(QRect(w / 10, h / 10, w / 5, h / 4), QColor(250, 240, 20));
    return image;
}

// Median wall time of \a runs calls, in milliseconds.
double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

ImgMediaBase benchSlot()
{
    IMedia::transformation_t t;
    t.x0 = 0.10, t.y0 = 0.12;
    t.x1 = 0.88, t.y1 = 0.08;
    t.x2 = 0.90, t.y2 = 0.90;
    t.x3 = 0.12, t.y3 = 0.86;
    t.opacity = 1.0f;
    IMedia::shadow_t shadow;
    shadow.offsetX = 0.5f;
    shadow.offsetY = 0.5f;
    shadow.blurRadius = 1.0f;
    shadow.alpha = 160;
    return ImgMediaBase({{0, t}}, 1.5f, 0.02f, IMedia::color_t{}, shadow, 1.0f, 1.0f,
                        IMedia::VCenter, IMedia::HCenter);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    if (!photoLike(6000, 4000).save(path, "JPG", 90))
        return 1;

    ImgMediaBase slot = benchSlot();
    ImgMediaValBase value(path.toStdWString(), 0);
    const int width = 1920;
    const int height = 1080;

    const QSize decoded = QtImageRender::LoadPicture(&slot, &value, width, height).size();
    const double prepareScaled =
        medianMs(5, [&] { QtImageRender render(&slot, &value, width, height); });
    const double prepareFull = medianMs(3, [&] {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        QPixmap picture = QPixmap::fromImage(reader.read());
        QtImageRender render(&slot, picture, width, height);
    });

    const QtImageRender render(&slot, &value, width, height);
    QImage frame(width, height, QImage::Format_RGB888);
    frame.fill(Qt::darkGray);
    const double draw = medianMs(50, [&] { render.Render(0, &frame); });
    // For comparison: the same draw onto Qt's native 32-bit format.
    QImage frame32(width, height, QImage::Format_RGB32);
    frame32.fill(Qt::darkGray);
    const double draw32 = medianMs(50, [&] { render.Render(0, &frame32); });

    std::printf("6000x4000 JPEG, slot max 1920x1080, border 0.02, shadow\n");
    std::printf("  decoded at             %dx%d\n", decoded.width(), decoded.height());
    std::printf("  prepared picture       %dx%d\n", render.GetPixmap().width(),
                render.GetPixmap().height());
    std::printf("  prepare (scaled decode) %8.1f ms (median of 5)\n", prepareScaled);
    std::printf("  prepare (full decode)   %8.1f ms (median of 3)\n", prepareFull);
    std::printf("  Render on 1920x1080 RGB888 %5.2f ms (median of 50)\n", draw);
    std::printf("  Render on 1920x1080 RGB32  %5.2f ms (median of 50)\n", draw32);
    return 0;
}
