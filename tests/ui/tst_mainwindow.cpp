#include "ui/donebackbtnsform.h"
#include "ui/flowlayout.h"
#include "ui/mediaform.h"
#include "ui/mediaverticalseparator.h"
#include "ui/mainwindow.h"
#include "ui/selectimagesform.h"
#include "ui/settingsform.h"

#include "core/prjmanager.h"
#include "core/tmpldownloadmanager.h"

#include <QProcess>
#include <QPushButton>
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

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir home;

private slots:
    void initTestCase()
    {
        // The themes beside the build, projects of this run only.
        QVERIFY(QDir::setCurrent(themes));
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
        window.audioDone();
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
        QCOMPARE(buttonTexts(window), (QStringList{"", "Back to Music"}));
        window.slidesPage()->addImages(photos(2));
        window.slidesCountChanged(window.slidesPage()->slidesCount());
        QCOMPARE(buttonTexts(window), (QStringList{"Done", "Back to Music"}));
        window.slidesDone();
        QCOMPARE(window.step(), int(MainWindow::SettingsStep));
        QCOMPARE(buttonTexts(window), (QStringList{"Make Video", "Back"}));
        QVERIFY(!window.projectId().isEmpty());
        QVERIFY(PrjManager::instance()->projectIds().contains(window.projectId()));
        window.settingsBack();
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
        QCOMPARE(window.slidesPage()->slidesCount(), 2); // the slides stay
        window.slidesBack();
        QCOMPARE(window.step(), int(MainWindow::MusicStep));
        window.audioBack();
        QCOMPARE(window.step(), int(MainWindow::ThemeStep));
        QVERIFY(!window.buttons());
        QVERIFY(window.told.isEmpty());
    }

    void missingFilesWaitForTheDownload()
    {
        Window window;
        window.TmplSelected(3); // its videos live on the content server
        window.audioDone();
        window.slidesPage()->addImages(photos(1));
        window.slidesDone();
        window.settingsDone();
        QCOMPARE(window.step(), int(MainWindow::WaitStep));
        QCOMPARE(buttonTexts(window), (QStringList{"", "Back"}));
        window.backToImages();
        QCOMPARE(window.step(), int(MainWindow::SlidesStep));
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
        QCOMPARE(window.musicList().at(0)->getPath(), a);
        QCOMPARE(window.musicList().at(1)->getPath(), b);
        QCOMPARE(window.slidesPage()->slidesCount(), 1);
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

    void makesTheVideo()
    {
        QTemporaryDir out;
        Window window;
        window.TmplSelected(2);
        window.audioDone();
        window.slidesPage()->addImages(photos(1));
        window.slidesDone();
        VideoSettings settings;
        settings.resultDir = out.path();
        settings.endLogo = false; // the closing picture is the program's resource
        auto* settingsPage = qobject_cast<SettingsForm*>(window.currentPage());
        QVERIFY(settingsPage);
        settingsPage->setSettings(settings);
        window.settingsDone();
        QCOMPARE(window.step(), int(MainWindow::RenderStep));
        QCOMPARE(buttonTexts(window), (QStringList{"", "Cancel"}));
        QTRY_COMPARE_WITH_TIMEOUT(window.step(), int(MainWindow::DoneStep), 120000);
        const QStringList videos = QDir(out.path()).entryList({"slideshow_*.mp4"}, QDir::Files);
        QCOMPARE(videos.size(), 1);
        QVERIFY(QFileInfo(out.filePath(videos.first())).size() > 10000);
        QVERIFY(window.told.isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
