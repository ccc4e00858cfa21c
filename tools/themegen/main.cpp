// themegen: makes the bundled themes, the content server's files and the
// demo media, and draws contact sheets of the themes for a look.
#include "contactsheet.h"
#include "music.h"
#include "themes.h"
#include "themewriter.h"

#include "common/contentaddress.h"
#include "vidweave/vidweave.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <random>

namespace {

const char* photoPackageDir = "/usr/share/backgrounds/mate/nature";

/// Pictures in place of photographs when the photo package is not there.
void writeGeneratedPhotos(const QString& dir)
{
    QDir().mkpath(dir);
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> u(0, 1);
    for (int i = 0; i < 12; ++i) {
        const QString path = QDir(dir).filePath(QString("generated-%1.jpg").arg(i + 1, 2, 10, QChar('0')));
        if (QFile::exists(path))
            continue;
        const bool portrait = i % 4 == 3;
        QImage photo(portrait ? 1067 : 1600, portrait ? 1600 : 1067, QImage::Format_RGB32);
        QPainter p(&photo);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor sky = QColor::fromHsvF(0.55 + 0.12 * u(rng), 0.35 + 0.3 * u(rng), 0.85);
        QLinearGradient g(0, 0, 0, photo.height());
        g.setColorAt(0, sky);
        g.setColorAt(0.6, QColor::fromHsvF(0.08, 0.3, 0.98));
        p.fillRect(photo.rect(), g);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 244, 214));
        p.drawEllipse(QPointF(photo.width() * (0.2 + 0.6 * u(rng)), photo.height() * 0.3),
                      photo.width() * 0.06, photo.width() * 0.06);
        for (int layer = 0; layer < 3; ++layer) {
            QPainterPath hills;
            const double base = photo.height() * (0.55 + 0.12 * layer);
            hills.moveTo(0, photo.height());
            hills.lineTo(0, base);
            for (int k = 1; k <= 4; ++k)
                hills.quadTo(photo.width() * (k - 0.5) / 4, base - photo.height() * 0.15 * u(rng),
                             photo.width() * k / 4.0, base + photo.height() * 0.04 * (u(rng) - 0.5));
            hills.lineTo(photo.width(), photo.height());
            hills.closeSubpath();
            p.setBrush(QColor::fromHsvF(0.25 + 0.1 * u(rng), 0.45, 0.55 - 0.13 * layer));
            p.drawPath(hills);
        }
        p.end();
        photo.save(path, "JPG", 88);
    }
}

QStringList demoPhotos(const QString& generatedDir)
{
    QDir packaged(photoPackageDir);
    QStringList photos;
    for (const QString& name : packaged.entryList({"*.jpg", "*.jpeg"}, QDir::Files, QDir::Name))
        photos << packaged.filePath(name);
    if (photos.size() >= 12)
        return photos;
    QDir generated(generatedDir);
    for (const QString& name : generated.entryList({"*.jpg"}, QDir::Files, QDir::Name))
        photos << generated.filePath(name);
    return photos;
}

/// Warns of slots that leave the frame where their scene does not mean them to.
void warnOutside(const ThemeSpec& theme)
{
    for (const SceneSpec& scene : theme.scenes) {
        for (size_t i = 0; i < scene.media.size(); ++i) {
            if (scene.media[i].leaves)
                continue;
            for (const auto& [frame, t] : expand(scene.media[i].keys, 1280, 720)) {
                const double xs[] = {t.x0, t.x1, t.x2, t.x3};
                const double ys[] = {t.y0, t.y1, t.y2, t.y3};
                const bool out = std::any_of(std::begin(xs), std::end(xs), [](double v) { return v < 0 || v > 1; })
                    || std::any_of(std::begin(ys), std::end(ys), [](double v) { return v < 0 || v > 1; });
                if (out && t.opacity > 0.01f) {
                    std::fprintf(stderr, "themegen: theme %d scene %d slot %zu leaves the frame at %d\n",
                                 theme.id, scene.id, i, frame);
                    break;
                }
            }
        }
    }
}

int makeThemes(const QString& out, int only)
{
    const QString templates = QDir(out).filePath("templates");
    const QString content = QDir(out).filePath(QLatin1String("content") + ContentThemesPath);
    const QString demo = QDir(out).filePath("demo");
    writeGeneratedPhotos(QDir(demo).filePath("generated"));
    const QStringList photos = demoPhotos(QDir(demo).filePath("generated"));
    QElapsedTimer total;
    total.start();
    for (const ThemeSpec& theme : bundledThemes()) {
        if (only && theme.id != only)
            continue;
        warnOutside(theme);
        QElapsedTimer timer;
        timer.start();
        QString error;
        if (!writeTheme(theme, templates, content, &error)
            || !writePreviews(theme, templates, content, photos, &error)) {
            std::fprintf(stderr, "themegen: %s\n", qPrintable(error));
            return 1;
        }
        std::printf("theme %d \"%s\": %.1f s\n", theme.id, qPrintable(theme.name),
                    timer.elapsed() / 1000.0);
    }
    std::printf("done in %.1f s\n", total.elapsed() / 1000.0);
    const QString music = QDir(demo).filePath("music.m4a");
    QString error;
    if (!QFile::exists(music) && !writeDemoMusic(music, &error)) {
        std::fprintf(stderr, "themegen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

int makeContactSheets(const QString& out, const QString& sheets, int only)
{
    QDir().mkpath(sheets);
    const QStringList photos = demoPhotos(QDir(out).filePath("demo/generated"));
    for (const ThemeSpec& theme : bundledThemes()) {
        if (only && theme.id != only)
            continue;
        const QString dir = QDir(out).filePath(QString("templates/%1").arg(theme.id));
        const QString content = QDir(out).filePath(QString("content/app/1.2.0/themes/%1").arg(theme.id));
        const QString file = QDir(sheets).filePath(QString("contact-%1.png").arg(theme.id));
        QString error;
        if (!writeContactSheet(dir, content, theme.id, photos, file, &error)) {
            std::fprintf(stderr, "themegen: %s\n", qPrintable(error));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The tool draws into images only, so it must not need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // drop shadows draw through a graphics scene
    VidweaveInit();
    QCommandLineParser parser;
    parser.setApplicationDescription("Makes Pictavio's bundled themes and demo media.");
    parser.addHelpOption();
    parser.addOption({"out", "Folder for templates/, content/ and demo/.", "dir", "themes"});
    parser.addOption({"contact-sheet", "Also draw contact sheets of the themes into <dir>.", "dir"});
    parser.addOption({"theme", "Only the theme with this id (for a quick look).", "id"});
    parser.process(app);
    const int only = parser.value("theme").toInt();

    const QString out = parser.value("out");
    if (!parser.isSet("contact-sheet") || !QFile::exists(QDir(out).filePath("templates/1/template.xml"))) {
        if (const int rc = makeThemes(out, only))
            return rc;
    }
    if (parser.isSet("contact-sheet"))
        return makeContactSheets(out, parser.value("contact-sheet"), only);
    return 0;
}
