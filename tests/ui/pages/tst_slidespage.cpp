#include "ui/widgets/flowlayout.h"
#include "ui/tiles/mediaform.h"
#include "ui/tiles/mediaverticalseparator.h"
#include "ui/pages/selectimagesform.h"
#include "ui/tiles/slideform.h"
#include "ui/tiles/thumbform.h"

#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/release.h"
#include "core/thumbgenerator.h"

#include "fifofeeder.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

/// Image scene 1 with three slots of 100 frames, text scene 2 of 50, image
/// scene 3 with one slot of 75; 1/25 s a frame, scenes overlap by 10 frames.
TmplPtr workedExample()
{
    BaseTmplFactory f;
    auto images = [&](int count) {
        auto* media = new std::map<int, IImgMedia*>;
        for (int i = 0; i < count; ++i)
            (*media)[i] = f.GetImgMedia({}, 1.f, 0.f, {}, {}, 1.f, 1.f, IMedia::VCenter, IMedia::HCenter);
        return media;
    };
    auto* texts = new std::map<int, ITextMedia*>{
        {0, f.GetTextMedia({}, 1.f, {}, 1.f, 1.f, "DejaVu Sans,SansSerif,20,#ffffff", {},
                           IMedia::VCenter, IMedia::HCenter, {})}};
    std::map<int, IScene*> scenes{{1, f.GetImgScene(images(3), BgVideo, L"", 100, 1, 25)},
                                  {2, f.GetTextScene(texts, BgVideo, L"", 50, 1, 25)},
                                  {3, f.GetImgScene(images(1), BgVideo, L"", 75, 1, 25)}};
    return TmplPtr(f.GetTmpl(scenes, 0, 0, 10, 70));
}

QString picture(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(path, "PNG");
    return path;
}

/// The page with its file dialogs answered by the test.
class Page : public SelectImagesForm
{
public:
    QStringList pictures;
    QString folder;

protected:
    QStringList askForPictures() override { return pictures; }
    QString askForFolder() override { return folder; }
};

QStringList names(const SelectImagesForm& page)
{
    QStringList list;
    for (const SlideEntry& entry : page.collectSlides())
        list << (entry.kind == SceneImg ? QFileInfo(entry.value).fileName() : entry.value);
    return list;
}

QSharedPointer<MediaFileInfo> track(float seconds, const QString& title = "Song",
                                    const QString& artist = {})
{
    return QSharedPointer<MediaFileInfo>::create(seconds, artist, title, QString(), "/m.mp3");
}


/// The page shown with a.png, b.png and c.png of \a dir over \a tmpl; its slides area.
MediaForm* showThreePictures(Page& page, TmplPtr& tmpl, const QTemporaryDir& dir)
{
    tmpl = workedExample();
    page.setTemplate(1, tmpl.get());
    page.resize(900, 700);
    page.show();
    page.pictures = QStringList{picture(dir, "a.png"), picture(dir, "b.png"), picture(dir, "c.png")};
    page.on_ImportFilesBtn_clicked();
    page.slidesArea()->flowLayout()->activate();
    return page.slidesArea();
}

/// The texts of the messages shown over \a owner, joined by "|".
QString messagesOver(QWidget* owner)
{
    QStringList texts;
    for (QDialog* dialog : owner->findChildren<QDialog*>())
        if (dialog->isVisible())
            for (QLabel* label : dialog->findChildren<QLabel*>())
                texts << label->text();
    return texts.join('|');
}

/// A drag from outside carrying \a mime, moved to \a point of the slides
/// container and dropped there, as the file manager would.
void dropOnSlides(MediaForm* area, QMimeData* mime, QPoint point)
{
    const QPoint at = area->tileContainer()->mapTo(area, point);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    // Straight to the area: the application routes drag events only during a real drag.
    for (QEvent* event : {static_cast<QEvent*>(&enter), static_cast<QEvent*>(&move), static_cast<QEvent*>(&drop)})
        static_cast<QObject*>(area)->event(event);
    // Never a move: the file manager would delete the originals.
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
}

/// The point of tile \a index's left or right half; -1: below every tile.
QPoint pointOnTile(MediaForm* area, int index, bool right)
{
    if (index < 0)
        return QPoint(30, area->tileContainer()->height() - 4);
    const QRect tile = area->slides().at(index)->geometry();
    return QPoint(right ? tile.right() - 10 : tile.left() + 10, tile.center().y());
}

} // namespace

class TestSlidesPage : public QObject
{
    Q_OBJECT

private slots:
    void timelineTexts_data()
    {
        QTest::addColumn<float>("total");
        QTest::addColumn<float>("music");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("percent");
        QTest::newRow("83 s over 225 s") << 83.f << 225.f << "1:23 / 3:45 " << 36;
        QTest::newRow("an hour, no music") << 3600.f << 0.f << "1:00:00 " << 0;
        QTest::newRow("cut at the music's end") << 240.f << 240.f << "4:00 / 4:00 " << 100;
        QTest::newRow("each side by its own length") << 59.9f << 3700.f << "0:59 / 1:01:40 " << 1;
        QTest::newRow("nothing") << 0.f << 0.f << "0:00 " << 0;
    }
    void timelineTexts()
    {
        QFETCH(float, total);
        QFETCH(float, music);
        QFETCH(QString, text);
        QFETCH(int, percent);
        int got = -1;
        QCOMPARE(timelineText(total, music, &got), text);
        QCOMPARE(got, percent);
    }

    void folderImportIgnoresCase()
    {
        QTemporaryDir dir;
        // Cursors, icons and layered documents are no photos, though a reader opens them.
        for (const QString name : {"d.bmp", "c.jpeg", "B.png", "a.JPG", "e.HEIC", "f.webp", "g.Tiff",
                                   "h.dng", "i.ico", "j.xcf", "k.avif", "l.cur", "m.psd"})
            picture(dir, name);
        QDir(dir.path()).mkdir("sub.jpg");
        Page page;
        TmplPtr tmpl = workedExample();
        page.setTemplate(1, tmpl.get());
        QSignalSpy count(&page, &SelectImagesForm::slidesCountChanged);
        page.folder = QString();
        page.on_ImportFolderBtn_clicked(); // cancelled: nothing happens
        QCOMPARE(count.count(), 0);
        page.folder = dir.path();
        page.on_ImportFolderBtn_clicked();
        QCOMPARE(names(page),
                 (QStringList{"a.JPG", "B.png", "c.jpeg", "e.HEIC", "f.webp", "g.Tiff", "h.dng", "k.avif"}));
        QCOMPARE(count.count(), 1);
        QCOMPARE(count.at(0).at(0).toInt(), 8);
    }

    // Files and folders from the file manager go in where they are dropped,
    // in the order given, folders by name as in folder import; what cannot
    // be used is named in one message and changes nothing else.
    void dropsFromTheFileManager_data()
    {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<int>("onto");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("before the first") << QStringList{"x.png", "y.png"} << 0 << false
                                          << "x.png y.png a.png b.png c.png" << QStringList{};
        QTest::newRow("between, as given") << QStringList{"y.png", "x.png"} << 1 << true
                                           << "a.png b.png y.png x.png c.png" << QStringList{};
        QTest::newRow("below the tiles") << QStringList{"x.png"} << -1 << false
                                         << "a.png b.png c.png x.png" << QStringList{};
        QTest::newRow("a folder by name, not its folders")
            << QStringList{"folder"} << 0 << true << "a.png A2.jpg b1.PNG b.png c.png" << QStringList{};
        QTest::newRow("what cannot be used")
            << QStringList{"notes.txt", "gone.png", "empty", "https://example.org/p.jpg", "x.png"} << 2
            << true << "a.png b.png c.png x.png"
            << QStringList{"notes.txt: ", "gone.png: not found", "empty: a folder without photos",
                           "https://example.org/p.jpg: not a file on this computer"};
        QTest::newRow("nothing usable") << QStringList{"notes.txt"} << 0 << false
                                        << "a.png b.png c.png" << QStringList{"notes.txt: "};
    }
    void dropsFromTheFileManager()
    {
        QFETCH(QStringList, dropped);
        QFETCH(int, onto);
        QFETCH(bool, right);
        QFETCH(QString, order);
        QFETCH(QStringList, refused);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("folder/deeper");
        QDir(dir.path()).mkpath("empty");
        for (const QString name : {"x.png", "y.png", "folder/b1.PNG", "folder/A2.jpg", "folder/deeper/z.png"})
            picture(dir, name);
        QFile notes(dir.filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("words\n");
        notes.close();
        Page page;
        TmplPtr tmpl;
        MediaForm* area = showThreePictures(page, tmpl, dir);
        QSignalSpy count(&page, &SelectImagesForm::slidesCountChanged);
        QList<QUrl> urls;
        for (const QString& name : dropped)
            urls << (name.contains("://") ? QUrl(name) : QUrl::fromLocalFile(dir.filePath(name)));
        QMimeData mime;
        mime.setUrls(urls);
        dropOnSlides(area, &mime, pointOnTile(area, onto, right));
        QCOMPARE(names(page).join(' '), order);
        QCOMPARE(count.count(), order.count(' ') > 2 ? 1 : 0);
        const QString message = messagesOver(&page);
        for (const QString& line : refused)
            QVERIFY2(message.contains(line), qPrintable(message));
        QCOMPARE(message.count(": "), refused.size());
        QCOMPARE(message.isEmpty(), refused.isEmpty());
    }

    // A tile's own drag may carry URLs too; it stays a move of that tile.
    void aTileDragIsNoFileDrop()
    {
        QTemporaryDir dir;
        Page page;
        TmplPtr tmpl;
        MediaForm* area = showThreePictures(page, tmpl, dir);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(picture(dir, "x.png"))});
        mime.setData(MediaForm::dragMimeType, QByteArray());
        area->beginDrag(area->slides().at(0));
        const QPoint at = area->tileContainer()->mapTo(area, pointOnTile(area, 2, true));
        QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject*>(area)->event(&move);
        static_cast<QObject*>(area)->event(&drop);
        QCOMPARE(names(page).join(' '), QString("b.png c.png a.png"));
        QVERIFY(messagesOver(&page).isEmpty());
    }

    void layoutRunMarksAndCuts()
    {
        QTemporaryDir dir;
        Page page;
        TmplPtr tmpl = workedExample();
        page.setTemplate(1, tmpl.get());
        page.setAudio({track(9.f, "Waves", "Sea")});
        QSignalSpy updated(&page, &SelectImagesForm::slidesUpdated);
        page.pictures = QStringList{picture(dir, "i1.png"), picture(dir, "i2.png"),
                                    picture(dir, "i3.png"), picture(dir, "i4.png")};
        page.on_ImportFilesBtn_clicked();
        page.on_TextSceneAdded("T1");
        page.pictures = QStringList{picture(dir, "i5.png")};
        page.on_ImportFilesBtn_clicked();
        QVERIFY(updated.count() >= 3);
        QCOMPARE(names(page), (QStringList{"i1.png", "i2.png", "i3.png", "i4.png", "T1", "i5.png"}));

        MediaForm* area = page.slidesArea();
        QVERIFY(area->separatorShown());
        QCOMPARE(area->flowLayout()->indexOf(area->separator()), 5);
        const QList<QWidget*> tiles = area->slides();
        for (int i = 0; i < tiles.size(); ++i)
            QCOMPARE(qobject_cast<SlideForm*>(tiles[i])->thumb()->isActive(), i < 5);
        QVERIFY(qAbs(page.totalDuration() - 8.2f) < 1e-3f);
        QCOMPARE(page.findChild<QLabel*>("DurationLabel")->text(), QString("0:08 / 0:09 "));

        SceneMediaList list = page.buildSceneMedia();
        QCOMPARE(int(list.size()), 3);
        ClearSceneMedia(list);

        // Tab goes from the menu through the tiles in playing order, also
        // after a tile was moved.
        area->flowLayout()->moveItem(0, 3);
        page.slidesOrderCahangedSlot();
        QWidget* focus = page.findChild<QWidget*>("PreviewBtn");
        for (QWidget* tile : area->slides()) {
            focus = focus->nextInFocusChain();
            while (focus->focusPolicy() == Qt::NoFocus || !focus->isVisibleTo(&page))
                focus = focus->nextInFocusChain();
            QCOMPARE(focus, tile);
        }

        page.setAudio({});
        page.slidesOrderCahangedSlot();
        QVERIFY(!area->separatorShown());
        QCOMPARE(page.findChild<QLabel*>("DurationLabel")->text(), QString("0:10 "));
    }

    void unreadablePicturesAreLeftOut()
    {
        QTemporaryDir dir;
        const QString broken = dir.filePath("broken.jpg");
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();
        Page page;
        TmplPtr tmpl = workedExample();
        page.setTemplate(1, tmpl.get());
        page.pictures = QStringList{picture(dir, "a.png"), broken, picture(dir, "b.png")};
        page.on_ImportFilesBtn_clicked();
        auto* tile = qobject_cast<SlideForm*>(page.slidesArea()->slides().at(1));
        QTRY_VERIFY_WITH_TIMEOUT(tile->isBroken(), 10000);
        // The page lays the slides out again by itself: duration and dimming
        // no longer count the broken picture.
        QTRY_VERIFY(!tile->thumb()->isActive());
        const float seen = page.totalDuration();
        page.slidesOrderCahangedSlot();
        QCOMPARE(page.totalDuration(), seen);
        SceneMediaList list = page.buildSceneMedia();
        // The two good pictures play, each in the one-slot scene.
        QCOMPARE(int(list.size()), 2);
        for (const SceneMediaPair* pair : list)
            QCOMPARE(pair->first, 3);
        ClearSceneMedia(list);
    }

    void resumedProjectWithMissingPictures()
    {
        QTemporaryDir dir;
        BasePrjFactory factory;
        SlideList slides;
        slides.emplace_back(factory.GetImgMediaVal(picture(dir, "here.png").toStdWString(), 3));
        slides.emplace_back(factory.GetImgMediaVal(dir.filePath("gone1.png").toStdWString(), 0));
        slides.emplace_back(factory.GetTextMediaVal(L"Hello"));
        slides.emplace_back(factory.GetImgMediaVal(dir.filePath("gone2.png").toStdWString(), 0));
        Page page;
        TmplPtr tmpl = workedExample();
        page.setTemplate(1, tmpl.get());
        page.show();
        int dialogs = 0;
        QString message;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++dialogs;
                for (QLabel* label : modal->findChildren<QLabel*>())
                    message += label->text();
                modal->close();
            }
        });
        closer.start(20);
        page.setSlides(slides);
        QTest::qWait(100);
        QCOMPARE(dialogs, 1);
        QVERIFY2(message.contains("Missed image files will be skipped."), qPrintable(message));
        QCOMPARE(names(page), (QStringList{"here.png", "Hello"}));
        QCOMPARE(page.collectSlides().front().rotation, 3);
    }

    // The music bar: a sound-wave picture where the music is still free, the
    // used share filled, and the share written over it.
    void musicBarShowsItsPictureAndShare()
    {
        QTemporaryDir dir;
        Page page;
        TmplPtr tmpl = workedExample();
        page.setTemplate(1, tmpl.get());
        page.setAudio({track(20.f)});
        page.pictures = QStringList{picture(dir, "a.png")};
        page.on_ImportFilesBtn_clicked();
        page.resize(1000, 700);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto* bar = page.findChild<QProgressBar*>("TimeLineProgressBar");
        QVERIFY(bar->value() > 5 && bar->value() < 60);
        const QImage shot = bar->grab().toImage();
        const int filledTo = shot.width() * bar->value() / 100;
        int wave = 0, white = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                wave += x > filledTo + 4 && c.blue() > 0x5a && c.red() > 0x40 && c.red() < 0x90;
                white += c.red() > 230 && c.green() > 230 && c.blue() > 230;
            }
        QVERIFY2(wave > 50, qPrintable(QString::number(wave)));
        QVERIFY2(white > 20, qPrintable(QString::number(white)));
    }

    // A pipe among the pictures would keep the thumbnail workers waiting for
    // ever, and a text of a project no longer than the editor allows.
    void pipesAndLongTextsOnTheSlidesPage()
    {
        QTemporaryDir dir;
        QFile source(picture(dir, "source.png"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        FifoFeeder chosenPipe(dir.filePath("chosen.png"), source.readAll());
        FifoFeeder savedPipe(dir.filePath("saved.png"), source.readAll());
        QVERIFY(chosenPipe.isMade() && savedPipe.isMade());
        Page page;
        TmplPtr tmpl = workedExample();
        page.setTemplate(1, tmpl.get());
        page.show();
        QStringList messages;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                for (QLabel* label : modal->findChildren<QLabel*>())
                    if (!label->text().isEmpty())
                        messages << label->text();
                modal->close();
            }
        });
        closer.start(20);
        page.pictures = QStringList{picture(dir, "a.png"), dir.filePath("chosen.png")};
        page.on_ImportFilesBtn_clicked();
        QCOMPARE(names(page), QStringList{"a.png"});

        BasePrjFactory factory;
        SlideList slides;
        slides.emplace_back(factory.GetImgMediaVal(dir.filePath("saved.png").toStdWString(), 0));
        const QString longText = QString("word ").repeated(100000);
        slides.emplace_back(factory.GetTextMediaVal(longText.toStdWString()));
        page.setSlides(slides);
        QTest::qWait(100);
        QCOMPARE(names(page), QStringList{longText.left(70)});
        QCOMPARE(messages, (QStringList{"Missed image files will be skipped.", "Missed image files will be skipped."}));
        QVERIFY(!chosenPipe.wasOpened() && !savedPipe.wasOpened());
    }

    // A long title or artist is shortened, the whole in its tool tip; the
    // music bar keeps its room.
    void longMusicTextsKeepTheBar_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("artist");
        const QString longText = QString("A Very Long Song Title That Goes On And On ").repeated(4);
        QTest::newRow("long title, no artist") << longText << "";
        QTest::newRow("long title and artist") << longText << longText;
    }
    void longMusicTextsKeepTheBar()
    {
        QFETCH(QString, title);
        QFETCH(QString, artist);
        Page page;
        page.resize(1000, 700);
        page.setAudio({track(200.f, "Song", "Band")});
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto* bar = page.findChild<QProgressBar*>("TimeLineProgressBar");
        const int room = bar->width();
        page.setAudio({track(200.f, title, artist)});
        QCoreApplication::processEvents();
        QCOMPARE(bar->width(), room);
        auto* shown = page.findChild<QLabel*>(artist.isEmpty() ? "AudioTitleBig" : "AudioTitle");
        QVERIFY(shown->text().endsWith(QChar(0x2026)));
        QCOMPARE(shown->toolTip(), title);
    }

    void musicLabels_data()
    {
        QTest::addColumn<int>("tracks");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("big");
        QTest::addColumn<QString>("title");
        QTest::newRow("none") << 0 << "" << "" << "";
        QTest::newRow("with an artist") << 1 << "Sea" << "" << "Waves";
        QTest::newRow("without an artist") << 1 << "" << "Waves" << "";
        QTest::newRow("three") << 3 << "" << "3 Audio Files" << "";
    }
    void musicLabels()
    {
        QFETCH(int, tracks);
        QFETCH(QString, artist);
        QFETCH(QString, big);
        QFETCH(QString, title);
        MusicList list;
        for (int i = 0; i < tracks; ++i)
            list.push_back(track(10.f, "Waves", tracks == 1 ? artist : QString()));
        Page page;
        page.setAudio({track(5.f, "Earlier", "Someone")}); // replaced below
        page.setAudio(list);
        QCOMPARE(page.findChild<QLabel*>("AudioArtist")->text(), artist);
        QCOMPARE(page.findChild<QLabel*>("AudioTitleBig")->text(), big);
        QCOMPARE(page.findChild<QLabel*>("AudioTitle")->text(), title);
        QCOMPARE(page.findChild<QLabel*>("DurationLabel")->text(),
                 tracks ? QString("0:00 / 0:%1 ").arg(10 * tracks) : QString("0:00 "));
    }
};

QTEST_MAIN(TestSlidesPage)
#include "tst_slidespage.moc"
