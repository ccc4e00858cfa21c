#include "ui/widgets/links.h"
#include "ui/dialogs/basedialog.h"
#include "ui/pages/downloadingthemeform.h"
#include "ui/dialogs/messagedialog.h"
#include "ui/tiles/projectform.h"
#include "ui/widgets/resources.h"
#include "ui/pages/selectthemeform.h"
#include "ui/dialogs/themedownloaderrordialog.h"
#include "ui/tiles/themethumbnailform.h"

#include "common/basetmplfactory.h"
#include "common/release.h"
#include "core/prjmanager.h"
#include "core/tmpldownloadmanager.h"
#include "core/tmplpathmanager.h"
#include "docloom/prjxmlsaver.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <memory>
#include <utime.h>

namespace {

/// One picture scene over a background video, so a download has one file to fetch.
ITmpl* videoTemplate()
{
    BaseTmplFactory f;
    IMedia::Transforms keys;
    IMedia::transformation_t t;
    t.x0 = 0.25, t.y0 = 0.25, t.x1 = 0.75, t.y1 = 0.25;
    t.x2 = 0.75, t.y2 = 0.75, t.x3 = 0.25, t.y3 = 0.75;
    t.opacity = 1.f;
    keys[0] = t;
    auto* images = new std::map<int, IImgMedia*>{
        {0, f.GetImgMedia(keys, 16.f / 9.f, 0.f, {}, {}, 1.f, 1.f, IMedia::VCenter, IMedia::HCenter)}};
    std::map<int, IScene*> scenes{{1, f.GetImgScene(images, BgVideo, L"", 10, 1, 30)}};
    return f.GetTmpl(scenes, 0, 0, 0, 70);
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void savePicture(const QString& path, const QColor& colour, QSize size = {320, 180})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(image.save(path));
}

/// Themes with the given ids under \a base + "templates/", named "Theme <id>".
QString makeThemes(const QString& base, const QList<int>& ids)
{
    const QString folder = base + "/templates/";
    for (int id : ids) {
        const QString dir = folder + QString::number(id) + "/";
        writeFile(dir + "info.xml", QString("<info><name>Theme %1</name><preview>http://example.test/"
                                            "%1.mp4</preview></info>")
                                        .arg(id)
                                        .toUtf8());
        savePicture(dir + "thumb.jpg", QColor::fromHsv((id * 37) % 360, 160, 200));
    }
    return folder;
}

QString projectFolder(const QString& id)
{
    return PrjManager::projectsFolder() + id;
}

/// Gives the project folder its own age in minutes, so the list order is known.
void setAge(const QString& id, int minutes)
{
    const time_t when = time(nullptr) - minutes * 60;
    utimbuf times{when, when};
    QVERIFY(utime(QFile::encodeName(projectFolder(id)).constData(), &times) == 0);
}

/// \a count projects "p0" (newest) to "p<count-1>", each with a summary and a picture.
QStringList makeProjects(int count)
{
    QDir(PrjManager::projectsFolder()).removeRecursively();
    QStringList ids;
    for (int i = 0; i < count; ++i) {
        const QString id = QString("p%1").arg(i);
        QDir().mkpath(projectFolder(id));
        PrjXmlSaver().SavePrjInfo({QString("Project %1").arg(i), "Artist - Song", i + 1},
                                  (projectFolder(id) + "/info.xml").toStdWString());
        savePicture(projectFolder(id) + "/thumb.png", QColor::fromHsv(i * 60, 200, 220), {160, 90});
        setAge(id, i + 1);
        ids << id;
    }
    return ids;
}

void deleteLaterNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void hover(QWidget* widget, bool inside)
{
    QEvent event(inside ? QEvent::Enter : QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

QPushButton* button(QWidget* parent, const char* name)
{
    return parent->findChild<QPushButton*>(name);
}

QList<QString> tileIds(const SelectThemeForm& page)
{
    QList<QString> ids;
    for (ProjectForm* tile : page.projectTiles())
        ids << tile->projectId();
    return ids;
}

BaseDialog* openDialog(QWidget* parent)
{
    for (BaseDialog* dialog : parent->findChildren<BaseDialog*>())
        if (dialog->isVisible())
            return dialog;
    return nullptr;
}

void saveShot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("PICTAVIO_SHOT_DIR");
    if (folder.isEmpty())
        return;
    QTest::qWait(50); // layouts of widgets shown late settle from the event loop
    QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    // The offscreen platform ignores window masks; show what the mask leaves.
    if (!widget->mask().isEmpty()) {
        QPainter painter(&shot);
        painter.setClipRegion(QRegion(shot.rect()).subtracted(widget->mask()));
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(shot.rect(), Qt::transparent);
    }
    shot.save(folder + "/" + name + ".png");
}

} // namespace

/// Receives the addresses QDesktopServices would open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestThemePages : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    QTemporaryDir work;
    UrlCatcher urls;

private slots:
    void initTestCase()
    {
        // Projects and themes of this run only, never the user's.
        qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
        qputenv("HOME", home.path().toUtf8());
        // Nothing listens there, so every download fails at once.
        qputenv("PICTAVIO_CONTENT_HOST", "127.0.0.1:1");
        QCoreApplication::setApplicationName("PictavioThemePagesTest");
        QVERIFY(QDir::setCurrent(work.path()));
        makeThemes(work.path(), {1, 2, 3, 4, 5, 6, 7});
        TmplPathManager::setSearchFolders({"./templates/"});
        QVERIFY(PrjManager::projectsFolder().startsWith(home.path()));
        QDesktopServices::setUrlHandler("http", &urls, "open");
        QDesktopServices::setUrlHandler("https", &urls, "open");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("https");
    }

    void themeGrid_data()
    {
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("one") << QList<int>{4};
        QTest::newRow("three fill a row") << QList<int>{1, 2, 3};
        // Ascending by number, not by folder name: 11 after 9.
        QTest::newRow("seven in rows of 3, 3, 1") << QList<int>{11, 2, 3, 5, 6, 8, 9};
    }

    void themeGrid()
    {
        QFETCH(QList<int>, ids);
        QTemporaryDir dir;
        TmplPathManager paths(makeThemes(dir.path(), ids));
        SelectThemeForm page(nullptr, &paths);
        QSignalSpy chosen(&page, &SelectThemeForm::themeSelected);
        auto* grid = page.findChild<QGridLayout*>("ThemesLayout");
        QVERIFY(grid);
        QCOMPARE(grid->count(), ids.size());
        QList<int> sorted = ids;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < sorted.size(); ++i) {
            QLayoutItem* item = grid->itemAtPosition(i / 3, i % 3);
            QVERIFY(item);
            auto* tile = qobject_cast<ThemeThumbnailForm*>(item->widget());
            QVERIFY(tile);
            QCOMPARE(tile->templateId(), sorted.at(i));
            QCOMPARE(tile->findChild<QLabel*>("NameLabel")->text(), QString("Theme %1").arg(sorted.at(i)));
            const QImage picture =
                tile->findChild<QLabel*>("PreviewLabel")->pixmap(Qt::ReturnByValue).toImage();
            const int hue = picture.pixelColor(picture.width() / 2, picture.height() / 2).hue();
            QVERIFY(qAbs(hue - (sorted.at(i) * 37) % 360) < 8); // the theme's own thumb.jpg
            hover(tile, true);
            QTest::mouseClick(button(tile, "StartButton"), Qt::LeftButton);
            QCOMPARE(chosen.count(), i + 1);
            QCOMPARE(chosen.last().at(0).toInt(), sorted.at(i));
        }
        QCOMPARE(grid->columnCount(), qMin(3, ids.size()));
        QCOMPARE(grid->rowCount(), (ids.size() + 2) / 3);
    }

    // A theme whose summary cannot be read would be a tile without name or
    // picture; a folder that is no theme number is no theme at all.
    void damagedThemesAreLeftOut()
    {
        QTemporaryDir dir;
        const QString folder = makeThemes(dir.path(), {2, 5});
        writeFile(folder + "3/info.xml", "<info><name>Thr");
        QDir().mkpath(folder + "4");
        makeThemes(dir.path() + "/other", {6});
        QVERIFY(QDir().rename(dir.path() + "/other/templates/6", folder + "abc"));
        TmplPathManager paths(folder);
        SelectThemeForm page(nullptr, &paths);
        QList<int> shown;
        for (ThemeThumbnailForm* tile : page.findChildren<ThemeThumbnailForm*>()) {
            shown << tile->templateId();
            QVERIFY(!tile->findChild<QLabel*>("NameLabel")->text().isEmpty());
        }
        std::sort(shown.begin(), shown.end());
        QCOMPARE(shown, (QList<int>{2, 5}));
    }

    void tileButtons_data()
    {
        QTest::addColumn<bool>("interactive");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<bool>("startShown");
        QTest::addColumn<bool>("previewShown");
        QTest::newRow("gallery tile") << true << "http://example.test/a.mp4" << true << true;
        QTest::newRow("no preview address") << true << "" << true << false;
        QTest::newRow("music page tile") << false << "http://example.test/a.mp4" << false << false;
    }

    void tileButtons()
    {
        QFETCH(bool, interactive);
        QFETCH(QString, preview);
        QFETCH(bool, startShown);
        QFETCH(bool, previewShown);
        ThemeThumbnailForm tile(nullptr, 3, "Name", "templates/1/thumb.jpg", preview, interactive);
        tile.show();
        QPushButton* start = button(&tile, "StartButton");
        QPushButton* previewButton = button(&tile, "PreviewButton");
        QVERIFY(!start->isVisible() && !previewButton->isVisible());
        hover(&tile, true);
        QCOMPARE(start->isVisible(), startShown);
        QCOMPARE(previewButton->isVisible(), previewShown);
        if (previewShown) {
            saveShot(&tile, "theme-tile-hover");
            urls.opened.clear();
            QTest::mouseClick(previewButton, Qt::LeftButton);
            QCOMPARE(urls.opened, QList<QUrl>{QUrl(preview)});
        }
        hover(&tile, false);
        QVERIFY(!start->isVisible() && !previewButton->isVisible());
    }

    // A long translation of "Use this theme" must not widen the tile.
    void tileKeepsItsWidthInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* lang : {"en", "de", "fr", "id", "it", "es", "pt"})
            QTest::newRow(lang) << QString(lang);
    }
    void tileKeepsItsWidthInEveryLanguage()
    {
        QFETCH(QString, language);
        initUiResources();
        QTranslator translator;
        if (language != "en")
            QVERIFY(translator.load(language, ":/translations"));
        QCoreApplication::installTranslator(&translator);
        ThemeThumbnailForm tile(nullptr, 3, "Name", "templates/1/thumb.jpg", "http://example.test/a.mp4");
        tile.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        const int width = tile.sizeHint().width();
        hover(&tile, true);
        QCoreApplication::processEvents();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(tile.sizeHint().width(), width);
        QVERIFY(tile.sizeHint().width() <= 300);
        QPushButton* start = button(&tile, "StartButton");
        QVERIFY(start->geometry().right() < tile.width());
        QVERIFY(!start->text().isEmpty());
    }

    // No program for the preview: the user is told, as on the done page.
    void previewThatCannotBeOpenedIsTold()
    {
        ThemeThumbnailForm tile(nullptr, 3, "Name", "templates/1/thumb.jpg",
                                "http://example.test/a.mp4");
        tile.show();
        Links::setOpener([](const QUrl&) { return false; });
        hover(&tile, true);
        QTest::mouseClick(button(&tile, "PreviewButton"), Qt::LeftButton);
        Links::setOpener({});
        QStringList told;
        for (MessageDialog* dialog : tile.findChildren<MessageDialog*>())
            told << dialog->findChild<QLabel*>("MessageDialogText")->text();
        QCOMPARE(told, QStringList{"http://example.test/a.mp4 could not be opened."});
    }

    void tileKeys_data()
    {
        QTest::addColumn<bool>("interactive");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("selections");
        QTest::addColumn<int>("previews");
        QTest::newRow("Enter chooses") << true << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("Space chooses") << true << int(Qt::Key_Space) << 1 << 0;
        QTest::newRow("P previews") << true << int(Qt::Key_P) << 0 << 1;
        QTest::newRow("other keys nothing") << true << int(Qt::Key_A) << 0 << 0;
        QTest::newRow("music page tile takes no keys") << false << int(Qt::Key_Return) << 0 << 0;
    }
    // Without a mouse a theme is reached with Tab and chosen with a key; its
    // buttons show while it has the focus.
    void tileKeys()
    {
        QFETCH(bool, interactive);
        QFETCH(int, key);
        QFETCH(int, selections);
        QFETCH(int, previews);
        ThemeThumbnailForm tile(nullptr, 3, "Name", "templates/1/thumb.jpg",
                                "http://example.test/a.mp4", interactive);
        QCOMPARE(tile.focusPolicy() != Qt::NoFocus, interactive);
        tile.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tile));
        if (interactive) {
            tile.setFocus();
            QTRY_VERIFY(tile.hasFocus());
            QVERIFY(button(&tile, "StartButton")->isVisible());
            QCOMPARE(tile.accessibleName(), QString("Name"));
        }
        QSignalSpy chosen(&tile, &ThemeThumbnailForm::selected);
        urls.opened.clear();
        QTest::keyClick(&tile, Qt::Key(key));
        QCOMPARE(chosen.count(), selections);
        QCOMPARE(urls.opened.size(), previews);
    }

    void pageLinks_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QUrl>("address");
        QTest::newRow("subscribe") << "SubscButton_2" << Links::subscribe();
        QTest::newRow("social network") << "FBButton" << Links::social();
    }

    void pageLinks()
    {
        QFETCH(QString, buttonName);
        QFETCH(QUrl, address);
        SelectThemeForm page;
        urls.opened.clear();
        QTest::mouseClick(button(&page, qPrintable(buttonName)), Qt::LeftButton);
        QCOMPARE(urls.opened, QList<QUrl>{address});
    }

    void projectList_data()
    {
        QTest::addColumn<int>("projects");
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<bool>("showAllShown");
        QTest::addColumn<bool>("hideAllShown");
        QTest::newRow("none") << 0 << QStringList{} << 0 << false << false;
        QTest::newRow("one") << 1 << QStringList{} << 1 << false << false;
        QTest::newRow("five") << 5 << QStringList{} << 1 << true << false;
        QTest::newRow("five, show all") << 5 << QStringList{"ShowAppProjectsButton"} << 5 << false
                                        << true;
        QTest::newRow("five, show then hide")
            << 5 << QStringList{"ShowAppProjectsButton", "HideProjectsButton"} << 1 << true << false;
    }

    void projectList()
    {
        QFETCH(int, projects);
        QFETCH(QStringList, presses);
        QFETCH(int, tiles);
        QFETCH(bool, showAllShown);
        QFETCH(bool, hideAllShown);
        const QStringList ids = makeProjects(projects);
        SelectThemeForm page;
        page.resize(1280, 800);
        page.show();
        for (const QString& name : presses)
            QTest::mouseClick(button(&page, qPrintable(name)), Qt::LeftButton);
        deleteLaterNow();
        QCOMPARE(page.findChild<QWidget*>("RecentProjectsBox")->isVisible(), projects > 0);
        QCOMPARE(tileIds(page), ids.mid(0, tiles)); // newest first
        QCOMPARE(page.findChildren<ProjectForm*>().size(), tiles);
        QPushButton* showAll = button(&page, "ShowAppProjectsButton");
        QCOMPARE(showAll->isVisible(), showAllShown);
        QCOMPARE(button(&page, "HideProjectsButton")->isVisible(), hideAllShown);
        if (showAllShown)
            QCOMPARE(showAll->text(), QString("Show all (%1)").arg(projects));
        saveShot(&page, QString("theme-page-%1").arg(QTest::currentDataTag()).replace(", ", "-").replace(' ', '-'));
    }

    void projectTile_data()
    {
        QTest::addColumn<QByteArray>("summary");
        QTest::addColumn<int>("smallPreviews");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("audio");
        QTest::addColumn<QString>("slides");
        QTest::newRow("complete")
            << QByteArray("<info><name>Trip &lt;2026&gt;</name><audio>Band - Tune</audio>"
                          "<slidesnumber>12</slidesnumber></info>")
            << 3 << "<b>Trip &lt;2026&gt;</b> - " << "<b>Audio</b>: Band - Tune"
            << "<b>Slides</b>: 12";
        QTest::newRow("no music") << QByteArray("<info><name>Quiet</name><audio></audio>"
                                                "<slidesnumber>2</slidesnumber></info>")
                                  << 0 << "<b>Quiet</b> - " << "<b>Audio</b>: none"
                                  << "<b>Slides</b>: 2";
        QTest::newRow("damaged summary") << QByteArray("<info><name>Half") << 5
                                         << "<b>Untitled project</b> - " << "<b>Audio</b>: none"
                                         << "<b>Slides</b>: 0";
        QTest::newRow("no summary") << QByteArray() << 0 << "<b>Untitled project</b> - "
                                    << "<b>Audio</b>: none" << "<b>Slides</b>: 0";
    }

    void projectTile()
    {
        QFETCH(QByteArray, summary);
        QFETCH(int, smallPreviews);
        QFETCH(QString, name);
        QFETCH(QString, audio);
        QFETCH(QString, slides);
        makeProjects(0);
        const QString id = "{damaged-or-not}";
        QDir().mkpath(projectFolder(id));
        if (!summary.isEmpty())
            writeFile(projectFolder(id) + "/info.xml", summary);
        for (int i = 0; i < smallPreviews; ++i)
            savePicture(projectFolder(id) + QString("/%1_thumb.png").arg(i), Qt::yellow, {100, 100});

        SelectThemeForm page;
        page.resize(1280, 800);
        page.show();
        QCoreApplication::processEvents(); // tiles added to a shown page show from the event loop
        QSignalSpy resumed(&page, &SelectThemeForm::projectSelected);
        QCOMPARE(page.projectTiles().size(), 1);
        ProjectForm* tile = page.projectTiles().first();
        const QString date = QLocale().toString(QFileInfo(projectFolder(id)).lastModified().date(), QLocale::LongFormat);
        QCOMPARE(tile->findChild<QLabel*>("NameLabel")->text(), name + date);
        QCOMPARE(tile->findChild<QLabel*>("AudioLabel")->text(), audio);
        QCOMPARE(tile->findChild<QLabel*>("SlidesLabel")->text(), slides);
        QWidget* row = tile->findChild<QWidget*>("SmallPreviews");
        QCOMPARE(row->isVisible(), smallPreviews > 0);
        QCOMPARE(row->findChildren<QLabel*>().size(), smallPreviews);
        QTest::mouseClick(button(tile, "ResumeButton"), Qt::LeftButton);
        QCOMPARE(resumed.count(), 1);
        QCOMPARE(resumed.first().at(0).toString(), id);
        saveShot(tile, QString("project-tile-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
    }

    void deleteProject_data()
    {
        QTest::addColumn<int>("projects");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("goneMeanwhile");
        QTest::addColumn<QStringList>("remaining");
        QTest::newRow("confirmed") << 3 << 1 << true << false << QStringList{"p0", "p2"};
        QTest::newRow("cancelled") << 3 << 1 << false << false << QStringList{"p0", "p1", "p2"};
        QTest::newRow("down to one") << 2 << 0 << true << false << QStringList{"p1"};
        QTest::newRow("the last one") << 1 << 0 << true << false << QStringList{};
        QTest::newRow("removed while asking") << 3 << 2 << true << true << QStringList{"p0", "p1"};
    }

    void deleteProject()
    {
        QFETCH(int, projects);
        QFETCH(int, deleted);
        QFETCH(bool, confirm);
        QFETCH(bool, goneMeanwhile);
        QFETCH(QStringList, remaining);
        const QStringList ids = makeProjects(projects);
        SelectThemeForm page;
        page.resize(1280, 800);
        page.show();
        if (projects > 1)
            QTest::mouseClick(button(&page, "ShowAppProjectsButton"), Qt::LeftButton);
        ProjectForm* tile = page.projectTiles().at(deleted);
        QTest::mouseClick(button(tile, "DeleteButton"), Qt::LeftButton);
        BaseDialog* dialog = openDialog(&page);
        QVERIFY(dialog);
        QVERIFY(dialog->isModal() || dialog->windowModality() != Qt::NonModal);
        QCOMPARE(PrjManager::instance()->projectIds().size(), projects); // nothing gone yet
        saveShot(dialog, "delete-project-dialog");
        if (goneMeanwhile)
            QVERIFY(QDir(projectFolder(ids.at(deleted))).removeRecursively());
        QTest::mouseClick(button(dialog, confirm ? "DoneBtn" : "CancelBtn"), Qt::LeftButton);
        deleteLaterNow();
        QVERIFY(!openDialog(&page));
        QVERIFY(!page.findChild<MessageDialog*>()); // nothing failed
        QCOMPARE(PrjManager::instance()->projectIds(), remaining);
        QCOMPARE(tileIds(page), remaining);
        QCOMPARE(page.findChild<QWidget*>("RecentProjectsBox")->isVisible(), !remaining.isEmpty());
        QCOMPARE(button(&page, "HideProjectsButton")->isVisible(), remaining.size() > 1);
    }

    void downloadProgress_data()
    {
        QTest::addColumn<QList<float>>("reports");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing yet") << QList<float>{} << 0 << "0%";
        QTest::newRow("99.7 truncated") << QList<float>{12.f, 99.7f} << 99 << "99%";
        QTest::newRow("complete") << QList<float>{50.f, 100.f} << 100 << "100%";
        QTest::newRow("above 100") << QList<float>{150.f} << 100 << "100%";
        QTest::newRow("not a number") << QList<float>{42.5f, std::nanf("")} << 42 << "42%";
    }

    void downloadProgress()
    {
        QFETCH(QList<float>, reports);
        QFETCH(int, value);
        QFETCH(QString, text);
        TmplDownloadManager manager;
        DownloadingThemeForm page(nullptr, &manager);
        for (float percent : reports)
            emit manager.progress(percent);
        auto* bar = page.findChild<QProgressBar*>("ProgressBar");
        QCOMPARE(bar->value(), value);
        QCOMPARE(bar->text(), text);
    }

    void downloadPreview_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red theme") << QColor(Qt::red);
        QTest::newRow("blue theme") << QColor(Qt::blue);
    }

    void downloadPreview()
    {
        QFETCH(QColor, colour);
        QTemporaryDir dir;
        const QString thumb = dir.filePath("thumb.jpg");
        savePicture(thumb, colour, {640, 360});
        TmplDownloadManager manager;
        DownloadingThemeForm page(nullptr, &manager);
        page.resize(1280, 800);
        page.show();
        auto* preview = page.findChild<QLabel*>("PreviewLabel");
        page.setThumb(thumb);
        QTRY_VERIFY_WITH_TIMEOUT(!preview->pixmap(Qt::ReturnByValue).isNull(), 10000);
        const QImage shown = preview->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(shown.height(), preview->height() - 12);
        const QColor middle = shown.pixelColor(shown.width() / 2, shown.height() / 2);
        QVERIFY(qAbs(middle.hue() - colour.hue()) < 10);
        emit manager.progress(37.2f);
        saveShot(&page, "downloading-page");
    }

    void errorDialog_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("failures");
        QTest::addColumn<int>("givenUp");
        QTest::newRow("Retry download") << "DoneBtn" << 2 << 0;
        QTest::newRow("Select other theme") << "CancelBtn" << 1 << 1;
        QTest::newRow("Escape") << "Escape" << 1 << 1;
    }

    void errorDialog()
    {
        QFETCH(QString, answer);
        QFETCH(int, failures);
        QFETCH(int, givenUp);
        QTemporaryDir dir;
        TmplPathManager paths(dir.path() + "/templates/");
        TmplPtr tmpl(videoTemplate());
        TmplDownloadManager manager;
        QWidget window;
        window.resize(1280, 800);
        window.show();
        ThemeDownloadErrorHandler handler(&manager, &window);
        manager.setErrorHandler(&handler);
        QSignalSpy failed(&manager, &TmplDownloadManager::failed);
        QSignalSpy reselect(&manager, &TmplDownloadManager::reselectTheme);
        manager.download(7, &paths, tmpl.get());
        QTRY_VERIFY_WITH_TIMEOUT(handler.dialog() && handler.dialog()->isVisible(), 10000);
        ThemeDownloadErrorDialog* dialog = handler.dialog();
        QCOMPARE(dialog->parentWidget(), &window);
        QCOMPARE(dialog->findChild<QLabel*>("TitleLabel")->text(), QString("Network problem"));
        QCOMPARE(button(dialog, "DoneBtn")->text(), QString("Retry download"));
        QCOMPARE(button(dialog, "CancelBtn")->text(), QString("Select other theme"));
        QVERIFY(!dialog->findChild<QLabel*>("ReasonLabel")->text().isEmpty());
        saveShot(dialog, "download-error-dialog");
        if (answer == "Escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(button(dialog, qPrintable(answer)), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), failures, 10000);
        QTRY_COMPARE(reselect.count(), givenUp);
        QTest::qWait(200); // no further failure or answer arrives
        QCOMPARE(failed.count(), failures);
        QCOMPARE(reselect.count(), givenUp);
        const bool asksAgain = failures > 1;
        QCOMPARE(handler.dialog() != nullptr && handler.dialog()->isVisible(), asksAgain);
        if (asksAgain)
            QTest::mouseClick(button(handler.dialog(), "CancelBtn"), Qt::LeftButton);
        manager.setErrorHandler(nullptr);
        deleteLaterNow();
    }
};

QTEST_MAIN(TestThemePages)
#include "tst_themepages.moc"
