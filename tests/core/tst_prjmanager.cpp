#include "core/prjmanager.h"
#include "core/tmplpathmanager.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/release.h"
#include "docloom/prjxmlparser.h"

#include <QPainter>
#include <QtTest>

#include <memory>

namespace {

/// Scene 1: pictures, one slot covering the middle; scene 2: one text slot.
ITmpl* makeTemplate()
{
    BaseTmplFactory f;
    IMedia::Transforms keys;
    for (int frame = 0; frame < 10; ++frame) {
        IMedia::transformation_t t;
        t.x0 = 0.25, t.y0 = 0.25, t.x1 = 0.75, t.y1 = 0.25;
        t.x2 = 0.75, t.y2 = 0.75, t.x3 = 0.25, t.y3 = 0.75;
        t.opacity = 1.f;
        keys[frame] = t;
    }
    auto* images = new std::map<int, IImgMedia*>{
        {0, f.GetImgMedia(keys, 16.f / 9.f, 0.f, {}, {}, 1.f, 1.f, IMedia::VCenter, IMedia::HCenter)}};
    auto* texts = new std::map<int, ITextMedia*>{
        {0, f.GetTextMedia(keys, 16.f / 9.f, {}, 1.f, 1.f, "DejaVu Sans,SansSerif,40,#ff0000", {},
                           IMedia::VCenter, IMedia::HCenter, {})}};
    std::map<int, IScene*> scenes{{1, f.GetImgScene(images, BgVideo, L"", 10, 1, 30)},
                                  {2, f.GetTextScene(texts, BgVideo, L"", 10, 1, 30)}};
    return f.GetTmpl(scenes, 0, 0, 0, 70);
}

QString picture(const QTemporaryDir& dir, int index, QColor colour)
{
    const QString path = dir.filePath(QString("p%1.png").arg(index));
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path);
    return path;
}

} // namespace

class TestPrjManager : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    QTemporaryDir work;
    TmplPtr tmpl{nullptr};
    BasePrjFactory factory;

    IUsrData* userData(const QList<QPair<int, QString>>& slides)
    {
        SlideList list;
        for (const auto& [kind, value] : slides) {
            if (kind == SceneImg)
                list.emplace_back(factory.GetImgMediaVal(value.toStdWString(), 0));
            else
                list.emplace_back(factory.GetTextMediaVal(value.toStdWString()));
        }
        return factory.GetUsrData(7, {"/music/a.mp3"}, list);
    }

private slots:
    void initTestCase()
    {
        // Projects and themes of this run only, never the user's.
        qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
        qputenv("HOME", home.path().toUtf8());
        QCoreApplication::setApplicationName("PictavioTest");
        QVERIFY(QDir::setCurrent(work.path()));
        QDir().mkpath("templates/7");
        QDir().mkpath("templates/abc");
        QDir().mkpath("templates/007");
        QDir().mkpath("templates/8");
        QFile damaged("templates/8/info.xml");
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("<info><name>Eig");
        damaged.close();
        QFile info("templates/7/info.xml");
        QVERIFY(info.open(QIODevice::WriteOnly));
        info.write("<info><name>Seven</name><preview>http://x/7.mp4</preview></info>");
        info.close();
        QImage thumb(160, 90, QImage::Format_RGB32);
        thumb.fill(QColor(10, 20, 30));
        QVERIFY(thumb.save("templates/7/thumb-prj.jpg"));
        tmpl.reset(makeTemplate());
        QVERIFY(PrjManager::projectsFolder().startsWith(home.path()));
    }

    void catalogue()
    {
        TmplPathManager* paths = TmplPathManager::instance();
        QVERIFY(paths->GetTmplPath(7) == L"./templates/7/template.xml");
        QVERIFY(paths->GetTmplInfoPath(7) == L"./templates/7/info.xml");
        QVERIFY(paths->GetSceneVideoPath(7, 12) == L"./templates/7/12.mp4");
        const TmplRecord seven = paths->tmplRecord(7);
        QCOMPARE(seven.name, QString("Seven"));
        QCOMPARE(seven.preview, QString("http://x/7.mp4"));
        QCOMPARE(seven.thumbPrj, QString("./templates/7/thumb-prj.jpg"));
        QVERIFY(!seven.damaged);
        // Not a number, so no theme: "--theme 0" would look in "0/", not here.
        QVERIFY(paths->tmplRecord(0).thumb.isEmpty());
        QCOMPARE(paths->notThemes(), (QStringList{"007", "abc"}));
        QVERIFY(paths->tmplRecord(99).name.isEmpty());
        QCOMPARE(int(paths->templates().size()), 2);
        QCOMPARE(paths->templates().front()->id, 7);
        // A summary that cannot be read leaves no name: such a theme is marked.
        QCOMPARE(paths->templates().back()->id, 8);
        QVERIFY(paths->tmplRecord(8).damaged);
    }

    void saveListAndReload()
    {
        PrjManager* store = PrjManager::instance();
        std::unique_ptr<IUsrData> data(userData({{SceneText, "Hello"}}));
        QString error;
        const QString id = store->save({}, data.get(), {"Seven", "Artist - Song", 1}, tmpl.get(), &error);
        QVERIFY2(!id.isEmpty(), qPrintable(error));
        QTest::qWait(1100); // folder times have a resolution of a second on some systems
        std::unique_ptr<IUsrData> other(userData({}));
        const QString second = store->save({}, other.get(), {"Seven", "", 0}, tmpl.get());
        QCOMPARE(store->projectIds().first(), second);

        QTest::qWait(1100);
        QCOMPARE(store->save(id, data.get(), {"Seven", "Artist - Song", 1}, tmpl.get()), id);
        QCOMPARE(store->projectIds(), (QStringList{id, second}));
        QVERIFY(!QFile::exists(PrjManager::projectsFolder() + id + "/dummy.tmp"));

        const ProjectEntry entry = store->projectEntry(id);
        QCOMPARE(entry.name, QString("Seven"));
        QCOMPARE(entry.audio, QString("Artist - Song"));
        QCOMPARE(entry.slidesNumber, 1);
        QVERIFY(QFile::exists(entry.thumb));
        QVERIFY(entry.modified.isValid());

        const QSharedPointer<IUsrData> back = store->loadUserData(id);
        QVERIFY(back);
        QCOMPARE(back->GetTmplId(), 7);
        QCOMPARE(back->GetAudio(), QStringList{"/music/a.mp3"});
        QVERIFY(store->loadUserData("missing-project").isNull());
    }

    void previews()
    {
        QTemporaryDir pictures;
        QList<QPair<int, QString>> slides;
        for (int i = 0; i < 8; ++i)
            slides << qMakePair(int(SceneImg), picture(pictures, i, QColor::fromHsv(i * 40, 255, 255)));
        std::unique_ptr<IUsrData> data(userData(slides));
        PrjManager* store = PrjManager::instance();
        const QString id = store->save({}, data.get(), {"Seven", "", 8}, tmpl.get());
        const QString folder = PrjManager::projectsFolder() + id + "/";
        QTRY_COMPARE_WITH_TIMEOUT(store->projectEntry(id).smallThumbs.size(), 5, 10000);
        for (int i = 0; i < 5; ++i) {
            // Previews 0 to 4 show pictures 2 to 6.
            QTRY_VERIFY(!QImage(folder + QString("%1_thumb.png").arg(i)).isNull());
            const QColor expected = QColor::fromHsv((i + 1) * 40, 255, 255);
            const QColor seen = QImage(folder + QString("%1_thumb.png").arg(i)).pixelColor(50, 50);
            QVERIFY(qAbs(seen.hue() - expected.hue()) < 8);
        }
        // The first picture lands in the middle of the project picture.
        const QImage thumb(folder + "thumb.png");
        QCOMPARE(thumb.size(), QSize(160, 90));
        QVERIFY(qAbs(thumb.pixelColor(80, 45).hue() - 0) < 8 || thumb.pixelColor(80, 45).hue() > 350);
        QCOMPARE(thumb.pixelColor(5, 5), QImage("templates/7/thumb-prj.jpg").pixelColor(5, 5));
    }

    // The hue of each small preview, -1 where there is none.
    static QList<int> previewHues(const QString& id)
    {
        QList<int> hues;
        for (int i = 0; i < 5; ++i) {
            const QImage image(PrjManager::projectsFolder() + id + QString("/%1_thumb.png").arg(i));
            hues << (image.isNull() ? -1 : image.pixelColor(image.width() / 2, image.height() / 2).hue());
        }
        return hues;
    }

    void previewsFollowEachSave()
    {
        QTemporaryDir dir;
        const QString red = picture(dir, 0, Qt::red), green = picture(dir, 1, Qt::green),
                      blue = picture(dir, 2, Qt::blue), yellow = picture(dir, 3, Qt::yellow);
        auto slides = [](const QStringList& paths) {
            QList<QPair<int, QString>> list;
            for (const QString& path : paths)
                list << qMakePair(int(SceneImg), path);
            return list;
        };
        PrjManager* store = PrjManager::instance();
        std::unique_ptr<IUsrData> first(userData(slides({red, green, blue, yellow})));
        const QString id = store->save({}, first.get(), {"Seven", "", 4}, tmpl.get());
        const QList<int> ordered{120, 240, 60, -1, -1};
        QTRY_COMPARE_WITH_TIMEOUT(previewHues(id), ordered, 10000);

        std::unique_ptr<IUsrData> swapped(userData(slides({red, blue, green})));
        QCOMPARE(store->save(id, swapped.get(), {"Seven", "", 3}, tmpl.get()), id);
        const QList<int> reordered{240, 120, -1, -1, -1};
        QTRY_COMPARE_WITH_TIMEOUT(previewHues(id), reordered, 10000);
        QTest::qWait(300); // late answers must not undo it
        QCOMPARE(previewHues(id), reordered);

        // Another project of the same theme and pictures gets its own previews.
        const QString other = store->save({}, first.get(), {"Seven", "", 4}, tmpl.get());
        QTRY_COMPARE_WITH_TIMEOUT(previewHues(other), ordered, 10000);
    }

    void failedSaveQueuesNoPreviews()
    {
        QTemporaryDir dir;
        const QString folder = PrjManager::projectsFolder() + "unwritable";
        QVERIFY(QDir().mkpath(folder + "/prj.xml")); // a folder where the file goes
        std::unique_ptr<IUsrData> data(userData({{SceneImg, picture(dir, 0, Qt::red)},
                                                 {SceneImg, picture(dir, 1, Qt::green)}}));
        QString error;
        QVERIFY(PrjManager::instance()->save("unwritable", data.get(), {}, tmpl.get(), &error).isEmpty());
        QVERIFY(!error.isEmpty());
        QTest::qWait(1000);
        QCOMPARE(previewHues("unwritable"), (QList<int>{-1, -1, -1, -1, -1}));
    }

    void unreadableProjectIsNotWrittenOver()
    {
        const QString folder = PrjManager::projectsFolder() + "damaged";
        QVERIFY(QDir().mkpath(folder));
        const QByteArray damaged("\x01 not a project");
        QFile file(folder + "/prj.xml");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damaged);
        file.close();
        std::unique_ptr<IUsrData> data(userData({{SceneText, "Hello"}}));
        QString error;
        QVERIFY(PrjManager::instance()->save("damaged", data.get(), {}, tmpl.get(), &error).isEmpty());
        QVERIFY(error.contains("cannot be read"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), damaged);
    }

    // The theme's picture shows its own photo in the slot; the project's
    // first picture takes the whole slot, whatever its shape or holes.
    void firstPictureCoversTheThemesPhoto_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("cutOut");
        QTest::newRow("tall") << QSize(45, 90) << false;
        QTest::newRow("wide") << QSize(300, 60) << false;
        QTest::newRow("cut out") << QSize(160, 90) << true;
    }
    void firstPictureCoversTheThemesPhoto()
    {
        QFETCH(QSize, size);
        QFETCH(bool, cutOut);
        QTemporaryDir dir;
        QImage image(size, QImage::Format_ARGB32);
        image.fill(cutOut ? QColor(Qt::transparent) : QColor(Qt::red));
        QPainter(&image).fillRect(QRect(QPoint(), size / 2).translated(size.width() / 4, size.height() / 4), Qt::red);
        const QString path = dir.filePath("first.png");
        QVERIFY(image.save(path));
        std::unique_ptr<IUsrData> data(userData({{SceneImg, path}}));
        const QString id = PrjManager::instance()->save({}, data.get(), {"Seven", "", 1}, tmpl.get());
        const QImage thumb(PrjManager::projectsFolder() + id + "/thumb.png");
        QCOMPARE(thumb.size(), QSize(160, 90));
        int themePixels = 0;
        for (int y = 25; y < 65; ++y)
            for (int x = 42; x < 118; ++x)
                themePixels += thumb.pixelColor(x, y).red() < 100;
        QCOMPARE(themePixels, 0);
    }

    void textOnlyPreview()
    {
        std::unique_ptr<IUsrData> data(userData({{SceneText, "Big red words"}}));
        const QString id = PrjManager::instance()->save({}, data.get(), {"Seven", "", 1}, tmpl.get());
        const QImage thumb(PrjManager::projectsFolder() + id + "/thumb.png");
        int red = 0;
        for (int y = 0; y < thumb.height(); ++y)
            for (int x = 0; x < thumb.width(); ++x)
                red += thumb.pixelColor(x, y).red() > 150 && thumb.pixelColor(x, y).green() < 90;
        QVERIFY(red > 20);
    }

    void deleting()
    {
        PrjManager* store = PrjManager::instance();
        std::unique_ptr<IUsrData> data(userData({}));
        const QString id = store->save({}, data.get(), {}, tmpl.get());
        QSignalSpy deleted(store, &PrjManager::projectDeleted);
        QVERIFY(store->deleteProject(id));
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(deleted.at(0).at(0).toString(), id);
        QVERIFY(!QFileInfo::exists(PrjManager::projectsFolder() + id));
        QVERIFY(!store->deleteProject(".."));
        QVERIFY(!store->deleteProject("../../etc"));
        QVERIFY(!store->deleteProject(""));
        QCOMPARE(deleted.count(), 1);
        QVERIFY(QFileInfo::exists(PrjManager::projectsFolder()));
    }

    void failedSaveIsReported()
    {
        QFile blocker(PrjManager::projectsFolder() + "blocked");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        std::unique_ptr<IUsrData> data(userData({}));
        QString error;
        QVERIFY(PrjManager::instance()->save("blocked", data.get(), {}, tmpl.get(), &error).isEmpty());
        QVERIFY(!error.isEmpty());
        QVERIFY(PrjManager::instance()->save("../escape", data.get(), {}, tmpl.get(), &error).isEmpty());
    }

    void entriesOfDamagedFiles_data()
    {
        const QByteArray project("<userdata template='7'><slides><object type='2' text='a'/>"
                                 "<object type='2' text='b'/><object type='2' text='c'/></slides></userdata>");
        const QByteArray summary("<project><name>Named</name><audio/><slidesnumber>3</slidesnumber></project>");
        QTest::addColumn<QByteArray>("prjXml");
        QTest::addColumn<QByteArray>("infoXml");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("slides");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("both whole") << project << summary << "Named" << 3 << false;
        QTest::newRow("summary damaged: named from the project")
            << project << summary.left(20) << "Seven" << 3 << false;
        QTest::newRow("summary missing: named from the project") << project << QByteArray() << "Seven" << 3 << false;
        QTest::newRow("project damaged") << project.left(30) << summary << "Named" << 3 << true;
        QTest::newRow("both damaged") << project.left(30) << summary.left(20) << "" << 0 << true;
    }

    void entriesOfDamagedFiles()
    {
        QFETCH(QByteArray, prjXml);
        QFETCH(QByteArray, infoXml);
        QFETCH(QString, name);
        QFETCH(int, slides);
        QFETCH(bool, damaged);
        const QString id = QUuid::createUuid().toString();
        QDir folder(PrjManager::projectsFolder() + id);
        QVERIFY(QDir().mkpath(folder.path()));
        for (const auto& [file, content] : {qMakePair(QString("prj.xml"), prjXml), qMakePair(QString("info.xml"), infoXml)}) {
            if (content.isEmpty())
                continue;
            QFile out(folder.filePath(file));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        const ProjectEntry entry = PrjManager::instance()->projectEntry(id);
        QCOMPARE(entry.name, name);
        QCOMPARE(entry.slidesNumber, slides);
        QCOMPARE(entry.damaged, damaged);
        QVERIFY(folder.removeRecursively());
    }

    void slidesOfUnknownKindsAreNamed_data()
    {
        QTest::addColumn<QString>("objects");
        QTest::addColumn<QString>("notice");
        QTest::newRow("none") << "<object type='2' text='a'/>" << "";
        QTest::newRow("one") << "<object type='2' text='a'/><object type='3' src='v.mov'/>"
                             << "1 slide of an unknown kind was left out.";
        QTest::newRow("two") << "<object type='9'/><object type='2' text='a'/><object src='x'/>"
                             << "2 slides of an unknown kind were left out.";
    }

    void slidesOfUnknownKindsAreNamed()
    {
        QFETCH(QString, objects);
        QFETCH(QString, notice);
        const QString file = work.filePath("unknown-prj.xml");
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(("<userdata template='7'><slides>" + objects + "</slides></userdata>").toUtf8());
        out.close();
        QString said = "not set";
        const QSharedPointer<IUsrData> data = PrjManager::readUserData(file, &said);
        QVERIFY(data);
        QCOMPARE(int(std::distance(data->GetSlidesBegin(), data->GetSlidesEnd())), 1);
        QCOMPARE(said, notice);
    }

    void folderWithoutSummaryStillLists()
    {
        QDir().mkpath(PrjManager::projectsFolder() + "half-written");
        const ProjectEntry entry = PrjManager::instance()->projectEntry("half-written");
        QVERIFY(entry.name.isEmpty());
        QCOMPARE(entry.slidesNumber, 0);
        QVERIFY(PrjManager::instance()->projectIds().contains("half-written"));
    }
};

QTEST_MAIN(TestPrjManager)
#include "tst_prjmanager.moc"
