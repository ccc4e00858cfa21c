#include "ui/widgets/donebackbtnsform.h"
#include "ui/widgets/flowlayout.h"
#include "ui/tiles/mediaform.h"
#include "ui/tiles/mediaverticalseparator.h"
#include "ui/mainwindow.h"
#include "ui/pages/selectimagesform.h"
#include "ui/pages/settingsform.h"
#include "ui/tiles/slideform.h"
#include "ui/tiles/thumbform.h"

#include "core/thumbgenerator.h"

#include "core/prjmanager.h"
#include "core/stills.h"
#include "ui/dialogs/previewdialog.h"
#include "core/tmpldownloadmanager.h"

#include "exifbuilder.h"
#include "httptestserver.h"

#include "fifofeeder.h"

#include <QApplication>
#include <QCheckBox>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QProcess>
#include <QPushButton>
#include <QUuid>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString themes = QStringLiteral(PICTAVIO_THEMES_DIR);

/// The window with its messages collected instead of shown.
class Window : public MainWindow
{
public:
    QStringList told;

protected:
    void tell(const QString& message) override { told << message; }
};

QStringList photos(int count)
{
    QStringList list;
    const QDir dir(themes + "/demo/generated");
    for (const QString& name : dir.entryList({"*.jpg"}, QDir::Files, QDir::Name).mid(0, count))
        list << dir.filePath(name);
    return list;
}

QString tone(const QString& path, int seconds)
{
    const int rc = QProcess::execute(
        "ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                   QString("sine=frequency=330:duration=%1").arg(seconds), "-c:a", "aac", path});
    return rc == 0 ? path : QString();
}

QSharedPointer<MediaFileInfo> musicInfo(const QString& path)
{
    return QSharedPointer<MediaFileInfo>::create(2.f, QString(), QFileInfo(path).baseName(),
                                                 QString(), path);
}

void press(MainWindow& window, const char* name)
{
    QVERIFY(window.buttons());
    auto* button = window.buttons()->findChild<QPushButton*>(name);
    QVERIFY(button && button->isVisibleTo(window.buttons()));
    QTest::mouseClick(button, Qt::LeftButton);
}
void forward(MainWindow& window) { press(window, "DoneButton"); }
void back(MainWindow& window) { press(window, "BackButton"); }

/// Closes every modal window that opens while it lives (file dialogs).
struct ModalCloser
{
    QTimer timer;
    int closed = 0;
    ModalCloser()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
                ++closed;
            }
        });
        timer.start(20);
    }
};

void copyTemplates(const QString& from, const QString& to)
{
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir()) {
            QDir().mkpath(target);
            copyTemplates(entry.filePath(), target);
        } else {
            QFile::copy(entry.filePath(), target);
        }
    }
}

/// The texts of the visible buttons of the bar, forward first.
QStringList buttonTexts(const MainWindow& window)
{
    QStringList texts;
    if (!window.buttons())
        return texts;
    for (const char* name : {"DoneButton", "BackButton"}) {
        auto* button = window.buttons()->findChild<QPushButton*>(name);
        texts << (button && button->isVisibleTo(window.buttons()) ? button->text() : QString());
    }
    return texts;
}

/// The controls Tab walks through, from the window's first, until it comes round.
QWidgetList tabChain(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
    QWidgetList chain;
    for (int i = 0; i < 200; ++i) {
        QWidget* from = QApplication::focusWidget();
        QTest::keyClick(from ? from : &window, Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || chain.contains(now))
            break;
        chain << now;
    }
    return chain;
}

/// The names of the controls Tab visits, from \a start round the page, and
/// "left out: …" for each control that takes the focus but Tab never reaches.
QStringList tabNames(QWidget& window, const QString& start)
{
    const QWidgetList chain = tabChain(window);
    QStringList names;
    for (QWidget* control : chain)
        names << control->accessibleName();
    const int first = qMax(0, names.indexOf(start));
    names = names.mid(first) + names.mid(0, first);
    for (QWidget* control : window.findChildren<QWidget*>())
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisible() && control->isEnabled()
            && !chain.contains(control))
            names << "left out: " + control->objectName();
    return names;
}

/// A camera JPEG whose stored preview (red) shows another scene than the
/// picture itself (green), so that a tile tells which one it shows.
QString twoScenePhoto(const QString& path)
{
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QImage preview(160, 120, QImage::Format_RGB32);
    preview.fill(Qt::red);
    QByteArray previewJpeg;
    QBuffer buffer(&previewJpeg);
    buffer.open(QIODevice::WriteOnly);
    preview.save(&buffer, "JPG", 95);
    ExifBuilder b(true);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(jpegWith(picture, app1(b.tiff({}, {}, {}, previewJpeg, true))));
    return path;
}

QStringList repeated(int count, const QString& text)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << text;
    return list;
}

QString colourAtCentre(const QImage& image)
{
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    return c.red() > 150 && c.green() < 100 ? "red" : c.green() > 150 && c.red() < 100 ? "green" : c.name();
}

/// The colour in the middle of each tile's picture; "none" before one shows.
QStringList tileColours(MainWindow& window)
{
    QStringList colours;
    for (QWidget* widget : window.slidesPage()->slidesArea()->slides()) {
        const QImage shown = qobject_cast<SlideForm*>(widget)->thumb()->shown().toImage();
        if (shown.isNull()) {
            colours << "none";
            continue;
        }
        colours << colourAtCentre(shown);
    }
    return colours;
}

} // namespace

#define COMPARE_TABS(window, ...)                                                                  \
    do {                                                                                           \
        const QStringList want{__VA_ARGS__};                                                       \
        QCOMPARE(tabNames(window, want.first()), want);                                            \
    } while (false)

class TestMainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    QTemporaryDir work;

    /// Settings for a quick render into \a folder.
    static void renderInto(MainWindow& window, const QString& folder, int quality = 0)
    {
        VideoSettings settings;
        settings.resultDir = folder;
        settings.quality = VideoQuality(quality);
        settings.endLogo = false; // the closing picture is the program's resource
        auto* page = qobject_cast<SettingsForm*>(window.currentPage());
        QVERIFY(page);
        page->setSettings(settings);
    }

private slots:
    void initTestCase()
    {
        // A copy of the bundled themes, so that downloads stay in this run;
        // projects of this run only.
        copyTemplates(themes + "/templates", work.filePath("templates"));
        QVERIFY(QDir::setCurrent(work.path()));
        qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
        qputenv("HOME", home.path().toUtf8());
        qputenv("PICTAVIO_CONTENT_HOST", "127.0.0.1:9");
        QCoreApplication::setOrganizationName("Pictavio Ltd.");
        QCoreApplication::setApplicationName("Pictavio");
        QVERIFY(PrjManager::projectsFolder().startsWith(home.path()));
    }

    void pageFlow()
    {
        Window window;
        QCOMPARE(window.step(), int(MainWindow::ThemeStep));
        QVERIFY(!window.buttons());
        window.TmplSelected(2);
        QCOMPARE(window.step(), int(MainWindow::MusicStep));
        QCOMPARE(buttonTexts(window), (QStringList{"Skip Audio", "Back to Themes"}));
        forward(window);
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
        QCOMPARE(buttonTexts(window), (QStringList{"", "Back to Music"}));
        window.slidesPage()->addImages(photos(2));
        QCOMPARE(buttonTexts(window), (QStringList{"Done", "Back to Music"}));
        forward(window);
        QCOMPARE(window.step(), int(MainWindow::SettingsStep));
        QCOMPARE(buttonTexts(window), (QStringList{"Make Video", "Back"}));
        QVERIFY(!window.projectId().isEmpty());
        QVERIFY(PrjManager::instance()->projectIds().contains(window.projectId()));
        back(window);
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
        QCOMPARE(window.slidesPage()->slidesCount(), 2); // the slides stay
        back(window);
        QCOMPARE(window.step(), int(MainWindow::MusicStep));
        window.audioSelected({musicInfo("/music/a.m4a")});
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
        {
            ModalCloser closer; // the music page opens its file dialog at once
            window.onAddAudio();
            QCOMPARE(window.step(), int(MainWindow::MusicStep));
        }
        QCOMPARE(buttonTexts(window), (QStringList{"Done", "Back to Themes"}));
        window.audioRemoved(0);
        QCOMPARE(buttonTexts(window), (QStringList{"Skip Audio", "Back to Themes"}));
        back(window);
        QCOMPARE(window.step(), int(MainWindow::ThemeStep));
        QVERIFY(!window.buttons());
        window.TmplSelected(2);
        window.audioDone();
        window.onReselectTheme(); // the download was given up
        QCOMPARE(window.step(), int(MainWindow::ThemeStep));
        QVERIFY(window.told.isEmpty());
    }

    void aThemeThatCannotBeReadIsRefused()
    {
        const QString folder = work.filePath("templates/2");
        QFile xml(folder + "/template.xml");
        QVERIFY(xml.open(QIODevice::ReadOnly));
        const QByteArray good = xml.readAll();
        xml.close();
        QVERIFY(xml.open(QIODevice::WriteOnly | QIODevice::Truncate));
        xml.write(good.left(good.size() / 2));
        xml.close();
        Window window;
        window.TmplSelected(2);
        QVERIFY(xml.open(QIODevice::WriteOnly | QIODevice::Truncate));
        xml.write(good);
        xml.close();
        QCOMPARE(window.step(), int(MainWindow::ThemeStep));
        QCOMPARE(window.told.size(), 1);
        QVERIFY(window.told.first().contains("cannot be read"));
        // … and where: the file, its line and column.
        QVERIFY2(window.told.first().contains(QRegularExpression(R"(template\.xml, line \d+, column \d+: )")),
                 qPrintable(window.told.first()));

        // A damaged project says so too, and stays as it is.
        const QString id = QUuid::createUuid().toString();
        const QString projectFolder = PrjManager::projectsFolder() + id;
        QVERIFY(QDir().mkpath(projectFolder));
        QFile project(projectFolder + "/prj.xml");
        QVERIFY(project.open(QIODevice::WriteOnly));
        project.write("<userdata template='2'><slides><object type='1'");
        project.close();
        window.told.clear();
        window.onProjectSelected(id);
        QCOMPARE(window.step(), int(MainWindow::ThemeStep));
        QCOMPARE(window.told.size(), 1);
        QVERIFY2(window.told.first().contains(QRegularExpression(R"(prj\.xml, line \d+, column \d+: )")),
                 qPrintable(window.told.first()));
        QVERIFY(QDir(projectFolder).removeRecursively());
    }

    void theRenderStartsWhenTheDownloadEnds()
    {
        HttpTestServer server;
        const QString content = themes + "/content/app/1.2.0/themes/3/";
        for (const QString& name : QDir(content).entryList({"*.mp4"}, QDir::Files)) {
            QFile file(content + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            server.route("/app/1.2.0/themes/3/" + name.toUtf8(), file.readAll());
        }
        server.hold(true);
        qputenv("PICTAVIO_CONTENT_HOST", server.host().toUtf8());
        QTemporaryDir out;
        Window window;
        window.TmplSelected(3);
        window.audioDone();
        window.slidesPage()->addImages(photos(1));
        forward(window);
        renderInto(window, out.path());
        forward(window); // "Make Video" before the theme's files are here
        QCOMPARE(window.step(), int(MainWindow::WaitStep));
        QCOMPARE(buttonTexts(window), (QStringList{"", "Back"}));
        server.hold(false);
        QTRY_COMPARE_WITH_TIMEOUT(window.step(), int(MainWindow::DoneStep), 120000);
        QCOMPARE(QDir(out.path()).entryList({"slideshow_*.mp4"}, QDir::Files).size(), 1);
        back(window);
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
        // The files are here now: "Make Video" renders at once.
        forward(window);
        renderInto(window, out.path());
        forward(window);
        QCOMPARE(window.step(), int(MainWindow::RenderStep));
        QCOMPARE(buttonTexts(window), (QStringList{"", "Cancel"}));
        back(window); // "Cancel"
        QTRY_COMPARE_WITH_TIMEOUT(window.step(), int(MainWindow::SlidesStep), 60000);
        qputenv("PICTAVIO_CONTENT_HOST", "127.0.0.1:9");
        QVERIFY(window.told.isEmpty());
    }

    void resumeSkipsMissingMusic()
    {
        QTemporaryDir dir;
        const QString a = tone(dir.filePath("a.m4a"), 2);
        const QString b = tone(dir.filePath("b.m4a"), 3);
        QVERIFY(!a.isEmpty() && !b.isEmpty());
        QString id;
        {
            Window window;
            window.TmplSelected(2);
            window.audioSelected({musicInfo(dir.filePath("gone1.m4a")), musicInfo(a),
                                  musicInfo(dir.filePath("gone2.m4a")), musicInfo(b)});
            window.slidesPage()->addImages(photos(1));
            window.slidesDone();
            id = window.projectId();
        }
        Window window;
        window.onProjectSelected(id);
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
        QCOMPARE(window.told, (QStringList{"Missed audio file will be skipped.",
                                           "Missed audio file will be skipped."}));
        QCOMPARE(int(window.musicList().size()), 2);
        QCOMPARE(musicPaths(window.musicList()), (QStringList{a, b}));
        QCOMPARE(window.slidesPage()->slidesCount(), 1);
    }

    // Resuming one project after another in the same run shows the second
    // one's slides, each tile ending on its own file's full thumbnail.
    void resumingAnotherProjectShowsItsOwnSlides_data()
    {
        QTest::addColumn<int>("firstPhotos");
        QTest::addColumn<int>("secondPhotos");
        // More photos than thumbnail workers, so that requests wait in line.
        QTest::newRow("the same photos in both") << 10 << 10;
        QTest::newRow("then fewer of them") << 10 << 7;
        QTest::newRow("then a project without slides") << 10 << 0;
    }
    void resumingAnotherProjectShowsItsOwnSlides()
    {
        QFETCH(int, firstPhotos);
        QFETCH(int, secondPhotos);
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < firstPhotos; ++i)
            paths << twoScenePhoto(dir.filePath(QString("camera%1.jpg").arg(i)));
        QStringList previews;
        auto saved = [&](int count) {
            Window window;
            window.TmplSelected(1);
            window.audioDone();
            if (count)
                window.slidesPage()->addImages(paths.mid(0, count));
            window.slidesDone(); // saves, and leaves the page at once
            // The small previews of the card are made after the page was left,
            // from the photos themselves.
            const QDir folder(PrjManager::projectsFolder() + window.projectId());
            auto previewColours = [&] {
                QStringList colours;
                for (const QString& name : folder.entryList({"?_thumb.png"}, QDir::Files, QDir::Name)) {
                    colours << colourAtCentre(QImage(folder.filePath(name)));
                }
                return colours;
            };
            (void)QTest::qWaitFor([&] { return previewColours() == repeated(qBound(0, count - 1, 5), "green"); }, 20000);
            previews << previewColours();
            return window.projectId();
        };
        const QString first = saved(firstPhotos);
        const QString second = saved(secondPhotos);
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        QCOMPARE(previews, repeated(qBound(0, firstPhotos - 1, 5), "green")
                               + repeated(qBound(0, secondPhotos - 1, 5), "green"));

        Window window;
        window.onProjectSelected(first);
        QTRY_COMPARE_WITH_TIMEOUT(tileColours(window), repeated(firstPhotos, "green"), 20000);
        back(window);
        back(window);
        QCOMPARE(window.step(), int(MainWindow::ThemeStep));
        window.onProjectSelected(second);
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
        QCOMPARE(window.slidesPage()->slidesCount(), secondPhotos);
        QTRY_COMPARE_WITH_TIMEOUT(tileColours(window), repeated(secondPhotos, "green"), 20000);
        QVERIFY(window.told.isEmpty());
    }

    // Minimising hides the page too, but the user has not left it.
    void minimisingKeepsTheQueuedThumbnails()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < 8; ++i)
            paths << twoScenePhoto(dir.filePath(QString("p%1.jpg").arg(i)));
        Window window;
        window.show();
        window.TmplSelected(1);
        window.audioDone();
        window.slidesPage()->addImages(paths);
        ThumbGenerator::instance()->pauseFullStage(); // the full decodes wait in the queue
        window.showMinimized();
        QApplication::processEvents();
        window.showNormal();
        ThumbGenerator::instance()->resumeFullStage();
        QTRY_COMPARE_WITH_TIMEOUT(tileColours(window), repeated(8, "green"), 20000);
    }

    void resumeLeavesOutPipesAndUnknownSlides()
    {
        QTemporaryDir dir;
        const QString a = tone(dir.filePath("a.m4a"), 2);
        QFile sound(a);
        QVERIFY(sound.open(QIODevice::ReadOnly));
        FifoFeeder pipe(dir.filePath("pipe.m4a"), sound.readAll());
        QVERIFY(pipe.isMade());
        const QString id = QUuid::createUuid().toString();
        const QString folder = PrjManager::projectsFolder() + id;
        QVERIFY(QDir().mkpath(folder));
        QFile project(folder + "/prj.xml");
        QVERIFY(project.open(QIODevice::WriteOnly));
        project.write("<userdata template='2'><audio><track src='" + dir.filePath("pipe.m4a").toUtf8()
                      + "'/><track src='" + a.toUtf8() + "'/></audio><slides><object type='3' src='x.mov'/>"
                      + "<object type='1' src='" + photos(1).first().toUtf8() + "'/></slides></userdata>");
        project.close();
        Window window;
        window.onProjectSelected(id);
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
        QCOMPARE(window.told, (QStringList{"1 slide of an unknown kind was left out.",
                                           "Missed audio file will be skipped."}));
        QCOMPARE(int(window.musicList().size()), 1);
        QCOMPARE(musicPaths(window.musicList()), QStringList{a});
        QCOMPARE(window.slidesPage()->slidesCount(), 1);
        QVERIFY(!pipe.wasOpened());
    }

    // The row's own button: the page is shown anew while the row's handler runs.
    // Pictures moved into nested folders are found by name and keep their
    // places and rotation; a name found twice is not guessed.
    void movedPicturesAreLookedFor_data()
    {
        QTest::addColumn<bool>("look");
        QTest::newRow("looked for") << true;
        QTest::newRow("skipped") << false;
    }
    void movedPicturesAreLookedFor()
    {
        QFETCH(bool, look);
        QTemporaryDir dir;
        const QStringList sources = photos(2);
        const QString now = dir.filePath("now");
        const QStringList places{now + "/2024/a.jpg", now + "/2024/trip/b.jpg", now + "/x/c.jpg",
                                 now + "/y/c.jpg"};
        for (int i = 0; i < places.size(); ++i) {
            QVERIFY(QDir().mkpath(QFileInfo(places.at(i)).path()));
            QVERIFY(QFile::copy(sources.at(i % 2), places.at(i)));
        }
        const QString was = dir.filePath("was/");
        const QString id = QUuid::createUuid().toString();
        const QString folder = PrjManager::projectsFolder() + id;
        QVERIFY(QDir().mkpath(folder));
        QFile project(folder + "/prj.xml");
        QVERIFY(project.open(QIODevice::WriteOnly));
        project.write("<userdata template='2'><slides><object type='1' src='" + was.toUtf8()
                      + "a.jpg' rotation='1'/><object type='2' text='Between'/><object type='1' src='"
                      + was.toUtf8() + "b.jpg'/><object type='1' src='" + was.toUtf8()
                      + "c.jpg'/></slides></userdata>");
        project.close();

        struct Asked : Window
        {
            QString answer;
            QList<int> counts;
            QString askWhereMissingPicturesAre(int count) override
            {
                counts << count;
                return answer;
            }
        } window;
        window.answer = look ? now : QString();
        ModalCloser closer; // the slides page says what is left out
        window.onProjectSelected(id);
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
        QCOMPARE(window.counts, QList<int>{3});
        QCOMPARE(window.projectId(), id); // saved under its own id, not as a copy
        QStringList shown;
        for (const PlacementSlide& slide : window.slidesPage()->slideValues())
            shown << QString("%1 %2").arg(slide.value).arg(slide.rotation);
        QFile savedFile(folder + "/prj.xml");
        QVERIFY(savedFile.open(QIODevice::ReadOnly));
        const QByteArray saved = savedFile.readAll();
        if (look) {
            QCOMPARE(shown, (QStringList{places.at(0) + " 1", "Between 0", places.at(1) + " 0"}));
            QCOMPARE(window.told, QStringList{"2 of 3 missing pictures were found.\n"
                                              "In that folder more than once, so left out: c.jpg"});
            QVERIFY2(saved.contains(places.at(0).toUtf8()) && saved.contains(places.at(1).toUtf8())
                         && saved.contains((was + "c.jpg").toUtf8()),
                     saved.constData());
            QCOMPARE(closer.closed, 0);
        } else {
            QCOMPARE(shown, QStringList{"Between 0"});
            QVERIFY(window.told.isEmpty());
            QVERIFY(saved.contains((was + "a.jpg").toUtf8()));
            QCOMPARE(closer.closed, 1);
        }
        QDir(folder).removeRecursively();
    }

    // The player shows the render's own frames, from the scene of a tile or
    // wherever it is sent, and can be closed while it plays.
    void previewPlaysTheRendersFrames_data()
    {
        QTest::addColumn<int>("slide");
        QTest::addColumn<int>("seekTo");
        QTest::addColumn<bool>("music");
        QTest::newRow("from the start") << -1 << -1 << false;
        QTest::newRow("with music, by the sound or the clock") << -1 << -1 << true;
        QTest::newRow("with music, a drag of the bar") << -1 << 0 << true;
        QTest::newRow("from the scene of the last tile, the window closed") << 3 << -1 << false;
        QTest::newRow("sent into a cross-fade") << -1 << 113 << false;
        QTest::newRow("sent into the text scene") << -1 << 170 << false;
    }
    void previewPlaysTheRendersFrames()
    {
        QFETCH(int, slide);
        QFETCH(int, seekTo);
        QFETCH(bool, music);
        QTemporaryDir dir;
        Window window;
        window.resize(1000, 680);
        window.show();
        window.TmplSelected(2);
        if (music) {
            const QString song = tone(dir.filePath("song.m4a"), 20);
            QVERIFY(!song.isEmpty());
            window.audioSelected({QSharedPointer<MediaFileInfo>::create(20.f, QString(), "song", QString(), song)});
        } else {
            window.audioDone();
        }
        const QStringList pictures = photos(3);
        window.slidesPage()->addImages(pictures.mid(0, 1));
        window.slidesPage()->on_TextSceneAdded("Hello there");
        window.slidesPage()->addImages(pictures.mid(1));
        QPointer<PreviewDialog> player = window.openPreview(slide);
        QVERIFY(player);
        QCOMPARE(player->request().size, QSize(800, 450));
        const std::vector<int64_t> starts = sceneStarts(player->request());
        QCOMPARE(int(starts.size()), 3); // picture, text, pair
        const int64_t from = slide < 0 ? 0 : starts.at(2);
        QTRY_VERIFY_WITH_TIMEOUT(player->shownFrame() >= 0, 10000);
        QVERIFY2(player->shownFrame() >= from && player->shownFrame() < from + 30,
                 qPrintable(QString::number(player->shownFrame())));
        QVERIFY(player->isPlaying());
        // Without a sound device the pictures keep time by the clock.
        QCOMPARE(player->followsSound(), music && PreviewSound::deviceFound());
        const int64_t first = player->shownFrame();
        QTRY_VERIFY_WITH_TIMEOUT(player->shownFrame() > first + 15, 10000);
        if (seekTo < 0) {
            if (slide >= 0)
                return; // the window goes while the player draws ahead
            player->close(); // in the middle, drawing ahead
            QTRY_VERIFY(!player);
            return;
        }
        player->pause();
        if (music) {
            // A drag of the position bar seeks where it is let go.
            auto* bar = player->findChild<QSlider*>("PositionBar");
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.orientation = Qt::Horizontal;
            option.minimum = bar->minimum();
            option.maximum = bar->maximum();
            option.sliderPosition = option.sliderValue = bar->value();
            const QPoint handle = bar->style()
                                      ->subControlRect(QStyle::CC_Slider, &option,
                                                       QStyle::SC_SliderHandle, bar)
                                      .center();
            QTest::mousePress(bar, Qt::LeftButton, {}, handle);
            QVERIFY(bar->isSliderDown());
            for (int x = handle.x(); x < bar->width() * 3 / 4; x += 7) {
                QMouseEvent move(QEvent::MouseMove, QPoint(x, bar->height() / 2), Qt::NoButton,
                                 Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(bar, &move);
            }
            QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() * 3 / 4, bar->height() / 2));
            seekTo = bar->value();
            QVERIFY2(seekTo > bar->maximum() / 2, qPrintable(QString::number(seekTo)));
        } else {
            player->seek(seekTo);
        }
        QTRY_COMPARE_WITH_TIMEOUT(player->shownFrame(), int64_t(seekTo), 10000);
        player->grab().save(QDir::tempPath() + QString("/preview-%1.png").arg(seekTo));
        const QImage shown = player->shownImage().convertToFormat(QImage::Format_RGB32);
        const RenderRequest request = player->request();
        player->close(); // one drawing of the theme at a time, as renders are
        QTRY_VERIFY(!player);
        QString why;
        const QStringList still = writeStills(request, {(seekTo + 0.5) / 30.0}, dir.path(),
                                              false, [] { return true; }, &why);
        QVERIFY2(still.size() == 1, qPrintable(why));
        const QImage expected = QImage(still.first()).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), expected.size());
        int worst = 0;
        for (int y = 0; y < shown.height(); y += 3)
            for (int x = 0; x < shown.width(); x += 3)
                worst = std::max(worst, qAbs(qGray(shown.pixel(x, y)) - qGray(expected.pixel(x, y))));
        QVERIFY2(worst <= 1, qPrintable(QString::number(worst)));
    }

    // The settings page's "Preview" plays from the start with the closing
    // picture as ticked there.
    void previewFromTheSettingsPage_data()
    {
        QTest::addColumn<bool>("logo");
        QTest::newRow("with the closing picture") << true;
        QTest::newRow("without") << false;
    }
    void previewFromTheSettingsPage()
    {
        QFETCH(bool, logo);
        Window window;
        window.resize(1000, 680);
        window.show();
        window.TmplSelected(2);
        window.audioDone();
        window.slidesPage()->addImages(photos(2));
        window.slidesDone();
        QCOMPARE(window.step(), int(MainWindow::SettingsStep));
        auto* page = window.findChild<SettingsForm*>();
        QVERIFY(page && page->isVisible());
        auto* box = page->findChild<QCheckBox*>("LogoCheckBox");
        if (box->isChecked() != logo)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QCOMPARE(box->isChecked(), logo);
        QTest::mouseClick(page->findChild<QPushButton*>("PreviewBtn"), Qt::LeftButton);
        auto* player = window.findChild<PreviewDialog*>();
        QVERIFY(player);
        QCOMPARE(!player->request().closing.isNull(), logo);
        QTRY_VERIFY_WITH_TIMEOUT(player->shownFrame() >= 0, 10000);
        QVERIFY(player->shownFrame() < 30);
        player->close();
    }

    void removingTracksByTheirButtons_data()
    {
        QTest::addColumn<int>("tracks");
        QTest::newRow("the only track") << 1;
        QTest::newRow("two tracks") << 2;
    }
    void removingTracksByTheirButtons()
    {
        QFETCH(int, tracks);
        Window window;
        window.show();
        window.TmplSelected(2);
        std::list<QSharedPointer<MediaFileInfo>> music;
        for (int i = 0; i < tracks; ++i)
            music.push_back(musicInfo(QString("/music/%1.m4a").arg(i)));
        window.audioSelected(music);
        window.slidesBack(); // to the music page, rows and all
        QCOMPARE(window.step(), int(MainWindow::MusicStep));
        for (int left = tracks; left > 0; --left) {
            QList<QPushButton*> buttons;
            for (QPushButton* b : window.currentPage()->findChildren<QPushButton*>("RemoveButton"))
                if (b->isVisibleTo(window.currentPage()))
                    buttons << b;
            QCOMPARE(buttons.size(), left);
            QTest::mouseClick(buttons.first(), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(int(window.musicList().size()), left - 1);
        }
        QCOMPARE(buttonTexts(window), (QStringList{"Skip Audio", "Back to Themes"}));
    }

    void everySixthUpdateSaves()
    {
        Window window;
        window.TmplSelected(2);
        window.audioDone();
        window.slidesPage()->addImages(photos(1));
        for (int i = 0; i < 6 && window.projectId().isEmpty(); ++i)
            window.slidesUpdated();
        const QString id = window.projectId();
        QVERIFY(!id.isEmpty());
        QVERIFY(PrjManager::instance()->deleteProject(id));
        for (int i = 0; i < 5; ++i)
            window.slidesUpdated();
        QVERIFY(!PrjManager::instance()->projectIds().contains(id));
        window.slidesUpdated();
        QVERIFY(PrjManager::instance()->projectIds().contains(id));
    }

    // Twelve pictures and a text over 20 s of music: the music ends before
    // the slides do. With PICTAVIO_SHOT_DIR set the page is saved there.
    void slidesPastTheMusic()
    {
        QTemporaryDir dir;
        const QString song = tone(dir.filePath("song.m4a"), 20);
        QVERIFY(!song.isEmpty());
        Window window;
        window.resize(1280, 800);
        window.show();
        window.TmplSelected(1);
        window.audioSelected({QSharedPointer<MediaFileInfo>::create(20.f, "The Band", "Summer Song",
                                                                    QString(), song)});
        QStringList pictures = photos(12);
        QCOMPARE(pictures.size(), 12);
        window.slidesPage()->addImages(pictures.mid(0, 6));
        window.slidesPage()->on_TextSceneAdded("Our summer by the sea");
        window.slidesPage()->addImages(pictures.mid(6));
        MediaForm* area = window.slidesPage()->slidesArea();
        QVERIFY(area->separatorShown());
        const int cut = area->flowLayout()->indexOf(area->separator());
        QVERIFY2(cut > 0 && cut < 13, qPrintable(QString::number(cut)));
        QVERIFY(window.slidesPage()->totalDuration() <= 20.f);
        QTest::qWait(1500); // the thumbnails arrive
        const QString shots = qEnvironmentVariable("PICTAVIO_SHOT_DIR");
        if (!shots.isEmpty())
            window.grab().save(QDir(shots).filePath("slides-page.png"));
    }

    void aFailedSaveIsToldOnceAndTheWorkKept()
    {
        Window window;
        window.TmplSelected(2);
        window.audioDone();
        window.slidesPage()->addImages(photos(2));
        // A file where the projects folder should be: nothing can be saved.
        const QString folder = PrjManager::projectsFolder();
        const QString aside = folder.chopped(1) + ".aside";
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().rename(folder, aside));
        QFile blocker(folder.chopped(1));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        window.slidesDone();
        window.settingsBack();
        window.slidesDone();
        QVERIFY(blocker.remove());
        QVERIFY(QDir().rename(aside, folder));
        QCOMPARE(window.told.size(), 1);
        QVERIFY(window.projectId().isEmpty());
        QCOMPARE(window.step(), int(MainWindow::SettingsStep));
        QCOMPARE(window.slidesPage()->slidesCount(), 2);
        window.settingsBack();
        window.slidesDone(); // saving works again
        QVERIFY(!window.projectId().isEmpty());
    }

    // Tab reaches every control of each page once, in reading order, and each has a name.
    void everyPageByKeyboard()
    {
        for (const QString& id : PrjManager::instance()->projectIds())
            QVERIFY(PrjManager::instance()->deleteProject(id)); // the first page as a new user sees it
        QTemporaryDir out;
        Window window;
        window.resize(1280, 800);
        const QStringList themeTiles{"Golden Hour", "Paper Album", "City Nights", "Gallery Wall",
                                     "Quiet Cinema"};
        const QStringList links{"Subscribe for new Themes and Updates", "Follow us"};
        COMPARE_TABS(window, themeTiles + links);
        window.TmplSelected(1);
        COMPARE_TABS(window, "Choose Music Files", "Skip Audio", "Back to Themes", "Skip Audio");
        window.audioSelected({musicInfo("/music/a.m4a"), musicInfo("/music/b.m4a")});
        {
            ModalCloser closer;
            window.onAddAudio();
        }
        COMPARE_TABS(window, "Remove – a", "Remove – b", "Add More Music", "Skip Audio",
                           "Back to Themes", "Done");
        forward(window);
        window.slidesPage()->addImages(photos(3));
        COMPARE_TABS(window, "Add Images", "Add Folder with Images", "Add Text Scene", "Preview",
                           "generated-01.jpg", "generated-02.jpg", "generated-03.jpg",
                           "Add music", "Back to Music", "Done");
        forward(window);
        COMPARE_TABS(window, "HD (1280x720)", "Browse...", "Add Pictavio logo at the end of the video",
                     "Preview", "Back", "Make Video");
        renderInto(window, out.path(), 0);
        forward(window);
        COMPARE_TABS(window, "Cancel");
        QTRY_COMPARE_WITH_TIMEOUT(window.step(), int(MainWindow::DoneStep), 300000);
        COMPARE_TABS(window, "Play Video", "Open Folder with Video", "Facebook", "YouTube", "Vimeo",
                           "Back");
        back(window);
        back(window);
        back(window);
        QCOMPARE(window.step(), int(MainWindow::ThemeStep));
        COMPARE_TABS(window, QStringList{"Resume – Golden Hour", "Delete Project – Golden Hour"}
                              + themeTiles + links);
        QVERIFY(window.told.isEmpty());
    }

    // From the theme page to a video and back to the project.
    void endToEnd()
    {
        QTemporaryDir out;
        Window window;
        window.TmplSelected(1);
        forward(window); // "Skip Audio"
        window.slidesPage()->addImages(photos(3));
        forward(window);
        renderInto(window, out.path(), 0);
        forward(window);
        QCOMPARE(window.step(), int(MainWindow::RenderStep));
        QTRY_COMPARE_WITH_TIMEOUT(window.step(), int(MainWindow::DoneStep), 300000);
        const QStringList videos = QDir(out.path()).entryList({"slideshow_*.mp4"}, QDir::Files);
        QCOMPARE(videos.size(), 1);
        QProcess probe;
        probe.start("ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries",
                                "stream=codec_name,width,height", "-of", "csv=p=0",
                                out.filePath(videos.first())});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).trimmed(), QString("h264,1280,720"));
        const QString id = window.projectId();
        back(window);
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
        back(window);
        back(window);
        QCOMPARE(window.step(), int(MainWindow::ThemeStep));

        Window resumed;
        resumed.onProjectSelected(id);
        QCOMPARE(resumed.step(), int(MainWindow::SlidesStep));
        QCOMPARE(resumed.slidesPage()->slidesCount(), 3);
        QVERIFY(window.told.isEmpty() && resumed.told.isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
