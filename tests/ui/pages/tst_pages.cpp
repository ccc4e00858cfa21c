#include "core/slideshow.h"
#include "ui/tiles/audiofileform.h"
#include "ui/widgets/donebackbtnsform.h"
#include "ui/pages/doneform.h"
#include "ui/dialogs/messagedialog.h"
#include "ui/pages/renderprogressform.h"
#include "ui/widgets/resources.h"
#include "ui/pages/selectaudioform.h"
#include "ui/pages/settingsform.h"

#include "fifofeeder.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QMimeData>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(QList<QStringList>)

namespace {

void deleteLaterNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void saveShot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("PICTAVIO_SHOT_DIR");
    if (!folder.isEmpty())
        widget->grab().save(folder + "/" + name + ".png");
}

/// The page at the window's size over its button bar, as the main window shows it.
struct Stage
{
    QWidget window;
    QWidget* page;
    Stage(QWidget* shown, const QString& doneText, const QString& backText)
        : page(shown)
    {
        window.setObjectName("Stage");
        window.setStyleSheet("#Stage { background-color: #374150; }");
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(page, 1);
        auto* bar = new QWidget;
        bar->setFixedHeight(66);
        bar->setObjectName("Bar");
        bar->setAttribute(Qt::WA_StyledBackground);
        bar->setStyleSheet("#Bar { background-color: #2E3745; }");
        auto* barLayout = new QVBoxLayout(bar);
        barLayout->setContentsMargins(30, 11, 30, 11);
        barLayout->addWidget(new DoneBackBtnsForm(bar, doneText, backText));
        layout->addWidget(bar);
        window.resize(1280, 800);
        window.show();
        QCoreApplication::processEvents();
    }
    // The page belongs to the test, not to the stage.
    ~Stage() { page->setParent(nullptr); }
    void save(const QString& name) { saveShot(&window, name); }
};

/// \a text with %1 filled in, when it has one.
QString filled(const QString& text, const QString& path)
{
    return text.contains("%1") ? text.arg(QDir::toNativeSeparators(path)) : text;
}

QString messageShown(QWidget* owner)
{
    QStringList texts;
    for (MessageDialog* dialog : owner->findChildren<MessageDialog*>())
        if (dialog->isVisible())
            texts << dialog->findChild<QLabel*>("MessageDialogText")->text();
    return texts.join('|');
}

class ScriptedAudioForm : public SelectAudioForm
{
public:
    QList<QStringList> answers;

protected:
    QStringList askForFiles() override
    {
        return answers.isEmpty() ? QStringList() : answers.takeFirst();
    }
};

class ScriptedSettingsForm : public SettingsForm
{
public:
    QString answer;
    int asked = 0;
    QString askedAt;

protected:
    QString askForDir(const QString& start) override
    {
        ++asked;
        askedAt = start;
        return answer;
    }
};

class RecordingDoneForm : public DoneForm
{
public:
    using DoneForm::DoneForm;
    QList<QUrl> opened;
    bool opens = true;

protected:
    bool openUrl(const QUrl& url) override
    {
        opened << url;
        return opens;
    }
};

QSharedPointer<MediaFileInfo> track(float seconds, const QString& title = "Song",
                                    const QString& artist = "Band",
                                    const QString& tag = QString(),
                                    const QString& path = "/music/song.mp3")
{
    return QSharedPointer<MediaFileInfo>::create(seconds, artist, title, tag, path);
}

QStringList rowTitles(const SelectAudioForm& form)
{
    QStringList titles;
    for (AudioFileForm* row : form.rows())
        titles << row->findChild<QLabel*>("TitleLabel")->text();
    return titles;
}

bool emptyStateShown(const SelectAudioForm& form)
{
    const bool empty = form.findChild<QWidget*>("EmptyArea")->isVisibleTo(&form);
    const bool list = form.findChild<QWidget*>("ListArea")->isVisibleTo(&form);
    return empty && !list;
}

} // namespace

class TestPages : public QObject
{
    Q_OBJECT

    QTemporaryDir music;

    QString musicPath(const QString& name) const { return music.filePath(name + ".mp3"); }
    QStringList musicPaths(const QString& names) const
    {
        QStringList paths;
        for (const QString& name : names.split(' ', Qt::SkipEmptyParts))
            paths << musicPath(name);
        return paths;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(music.isValid());
        // One second of tone per file, tagged so the rows can be told apart.
        for (const QString name : {"a", "b", "c"}) {
            const QStringList args{"-v", "error", "-y", "-f", "lavfi", "-i",
                                   "sine=frequency=440:duration=1", "-metadata",
                                   "title=Track " + name.toUpper(), "-metadata",
                                   "artist=Band", musicPath(name)};
            QCOMPARE(QProcess::execute("ffmpeg", args), 0);
        }
        QImage thumb(480, 270, QImage::Format_RGB32);
        QPainter painter(&thumb);
        QLinearGradient sky(0, 0, 0, 270);
        sky.setColorAt(0, QColor("#f7b267"));
        sky.setColorAt(1, QColor("#5a8f3c"));
        painter.fillRect(thumb.rect(), sky);
        painter.end();
        QVERIFY(thumb.save(music.filePath("thumb.png")));
        QFile text(musicPath("notmusic"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("these are words, not sound\n");
    }

    void durationText_data()
    {
        QTest::addColumn<float>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("83 s") << 83.0f << "1:23";
        QTest::newRow("59.6 s truncated") << 59.6f << "0:59";
        QTest::newRow("nothing") << 0.0f << "0:00";
        QTest::newRow("59 min 59 s") << 3599.0f << "59:59";
        QTest::newRow("one hour") << 3600.0f << "1:00:00";
        QTest::newRow("ten hours and a bit") << 36061.5f << "10:01:01";
        QTest::newRow("over a day") << 90061.0f << "25:01:01";
        QTest::newRow("negative") << -4.0f << "0:00";
        QTest::newRow("not a number") << std::nanf("") << "0:00";
    }
    void durationText()
    {
        QFETCH(float, seconds);
        QFETCH(QString, text);
        QCOMPARE(AudioFileForm::durationText(seconds), text);
        AudioFileForm row(track(seconds));
        QCOMPARE(row.findChild<QLabel*>("DurationLabel")->text(), text);
    }

    void rowShowsTrack_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("shownTitle");
        QTest::addColumn<bool>("artistShown");
        QTest::newRow("title and artist") << "Blue Sky" << "Band" << "tag.mp3" << "Blue Sky" << true;
        QTest::newRow("no artist") << "Blue Sky" << "" << "" << "Blue Sky" << false;
        QTest::newRow("file name tag") << "" << "Band" << "tagged.mp3" << "tagged.mp3" << true;
        QTest::newRow("file's own name") << "" << "" << "" << "song.mp3" << false;
    }
    void rowShowsTrack()
    {
        QFETCH(QString, title);
        QFETCH(QString, artist);
        QFETCH(QString, tag);
        QFETCH(QString, shownTitle);
        QFETCH(bool, artistShown);
        AudioFileForm row(track(83, title, artist, tag));
        QCOMPARE(row.findChild<QLabel*>("TitleLabel")->text(), shownTitle);
        auto* artistLabel = row.findChild<QLabel*>("ArtistLabel");
        QCOMPARE(artistLabel->isVisibleTo(&row), artistShown);
        QCOMPARE(artistLabel->text(), artist);
        QSignalSpy removed(&row, &AudioFileForm::remove);
        row.findChild<QPushButton*>("RemoveButton")->click();
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.first().first().value<QWidget*>(), &row);
    }

    void chooseAndRemoveMusic_data()
    {
        QTest::addColumn<QList<QStringList>>("choices");
        QTest::addColumn<QList<int>>("removals");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QList<int>>("selectedSizes");
        QTest::addColumn<QList<int>>("removedIndexes");
        QTest::newRow("two, then one more")
            << QList<QStringList>{musicPaths("a b"), musicPaths("c")} << QList<int>{}
            << QStringList{"Track A", "Track B", "Track C"} << QList<int>{2, 1} << QList<int>{};
        QTest::newRow("second of three removed")
            << QList<QStringList>{musicPaths("a b c")} << QList<int>{1}
            << QStringList{"Track A", "Track C"} << QList<int>{3} << QList<int>{1};
        QTest::newRow("last row removed")
            << QList<QStringList>{musicPaths("b")} << QList<int>{0} << QStringList{}
            << QList<int>{1} << QList<int>{0};
        QTest::newRow("all removed, first first")
            << QList<QStringList>{musicPaths("a b")} << QList<int>{0, 0} << QStringList{}
            << QList<int>{2} << QList<int>{0, 0};
        QTest::newRow("dialog cancelled")
            << QList<QStringList>{QStringList{}} << QList<int>{} << QStringList{} << QList<int>{}
            << QList<int>{};
    }
    void chooseAndRemoveMusic()
    {
        QFETCH(QList<QStringList>, choices);
        QFETCH(QList<int>, removals);
        QFETCH(QStringList, titles);
        QFETCH(QList<int>, selectedSizes);
        QFETCH(QList<int>, removedIndexes);
        ScriptedAudioForm form;
        form.answers = choices;
        QSignalSpy selected(&form, SIGNAL(selected(std::list<QSharedPointer<MediaFileInfo> >)));
        QSignalSpy removed(&form, &SelectAudioForm::removed);
        for (int i = 0; i < choices.size(); ++i)
            form.findChild<QPushButton*>(i == 0 ? "SelectAudioBtn" : "AddMoreButton")->click();
        for (int index : removals) {
            form.rows().at(index)->findChild<QPushButton*>("RemoveButton")->click();
            deleteLaterNow();
        }
        QCOMPARE(rowTitles(form), titles);
        QList<int> sizes;
        for (const QList<QVariant>& args : selected)
            sizes << int(args.first().value<MediaFileInfoSharedPointerList>().size());
        QCOMPARE(sizes, selectedSizes);
        QList<int> indexes;
        for (const QList<QVariant>& args : removed)
            indexes << args.first().toInt();
        QCOMPARE(indexes, removedIndexes);
        QCOMPARE(emptyStateShown(form), titles.isEmpty());
        QVERIFY(messageShown(&form).isEmpty());
        if (titles.size() == 3) {
            Stage stage(&form, "Done", "Back to Themes");
            form.setTheme("Summer Holiday", music.filePath("thumb.png"));
            stage.save("music-list");
        }
    }

    void keptMusicShownAndSkipped_data()
    {
        QTest::addColumn<int>("kept");
        QTest::newRow("no music") << 0;
        QTest::newRow("two tracks") << 2;
    }
    void keptMusicShownAndSkipped()
    {
        QFETCH(int, kept);
        ScriptedAudioForm form;
        form.setAudio({track(10, "Old"), track(20, "Older"), track(30, "Oldest")});
        MusicList music;
        for (int i = 0; i < kept; ++i)
            music.push_back(track(60 + i, QString("Kept %1").arg(i)));
        QSignalSpy selected(&form, SIGNAL(selected(std::list<QSharedPointer<MediaFileInfo> >)));
        QSignalSpy removed(&form, &SelectAudioForm::removed);
        QSignalSpy skipped(&form, &SelectAudioForm::skip);
        form.setAudio(music);
        deleteLaterNow();
        QCOMPARE(form.rows().size(), kept);
        for (int i = 0; i < kept; ++i)
            QCOMPARE(form.rows().at(i)->info(), *std::next(music.begin(), i));
        QCOMPARE(emptyStateShown(form), kept == 0);
        form.findChild<QPushButton*>("SkipButton")->click();
        QCOMPARE(skipped.count(), 1);
        QCOMPARE(selected.count(), 0);
        QCOMPARE(removed.count(), 0);
        QCOMPARE(form.findChildren<AudioFileForm*>().size(), kept);
    }

    void unreadableMusicRefused_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("message");
        QTest::newRow("text file among music")
            << musicPaths("a notmusic") << QStringList{"Track A"}
            << "\"notmusic.mp3\" cannot be read as music and was not added.";
        QTest::newRow("only a text file")
            << musicPaths("notmusic") << QStringList{}
            << "\"notmusic.mp3\" cannot be read as music and was not added.";
        QTest::newRow("two missing files")
            << musicPaths("gone lost") << QStringList{}
            << "These files cannot be read as music and were not added:\ngone.mp3\nlost.mp3";
    }
    void unreadableMusicRefused()
    {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, titles);
        QFETCH(QString, message);
        ScriptedAudioForm form;
        form.answers = {chosen};
        QSignalSpy selected(&form, SIGNAL(selected(std::list<QSharedPointer<MediaFileInfo> >)));
        form.show();
        form.findChild<QPushButton*>("SelectAudioLabel")->click();
        QCOMPARE(rowTitles(form), titles);
        QCOMPARE(selected.count(), titles.isEmpty() ? 0 : 1);
        QCOMPARE(emptyStateShown(form), titles.isEmpty());
        QCOMPARE(messageShown(&form), message);
        saveShot(form.findChild<MessageDialog*>(),
                 QString("music-refused-") + QTest::currentDataTag());
        if (titles.isEmpty() && chosen.size() == 1) {
            Stage stage(&form, "Skip Audio", "Back to Themes");
            stage.save("music-empty");
        }
    }

    // Music from the file manager: files as one choice, folders by name,
    // one message naming what was left out and why.
    void musicDroppedFromTheFileManager()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(musicPath("c"), folder.filePath("2.mp3")));
        QVERIFY(QFile::copy(musicPath("b"), folder.filePath("1.MP3")));
        QVERIFY(QFile::copy(music.filePath("thumb.png"), folder.filePath("cover.png")));
        ScriptedAudioForm form;
        QSignalSpy selected(&form, SIGNAL(selected(std::list<QSharedPointer<MediaFileInfo> >)));
        form.show();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(musicPath("a")), QUrl::fromLocalFile(musicPath("notmusic")),
                      QUrl::fromLocalFile(folder.path()), QUrl("https://example.org/song.mp3")});
        QDropEvent drop(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                        Qt::NoModifier);
        static_cast<QObject&>(form).event(&drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(rowTitles(form), (QStringList{"Track A", "Track B", "Track C"}));
        QCOMPARE(selected.count(), 1);
        QCOMPARE(messageShown(&form),
                 QString("These were not added:\nhttps://example.org/song.mp3: not a file on this "
                         "computer\nnotmusic.mp3: cannot be read as music"));
    }

    // Opening a pipe would wait for a writer for ever.
    void aPipeIsRefusedAsMusic()
    {
        QFile track(musicPath("b"));
        QVERIFY(track.open(QIODevice::ReadOnly));
        FifoFeeder pipe(musicPath("pipe"), track.readAll());
        QVERIFY(pipe.isMade());
        ScriptedAudioForm form;
        form.answers = {musicPaths("a pipe")};
        form.show();
        form.findChild<QPushButton*>("SelectAudioLabel")->click();
        QCOMPARE(rowTitles(form), QStringList{"Track A"});
        QCOMPARE(messageShown(&form), QString("\"pipe.mp3\" cannot be read as music and was not added."));
        QVERIFY(!pipe.wasOpened());
    }

    void themeTileShown_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("pictureShown");
        QTest::newRow("theme picture") << "thumb.png" << true;
        QTest::newRow("picture missing") << "none.png" << false;
    }
    void themeTileShown()
    {
        QFETCH(QString, picture);
        QFETCH(bool, pictureShown);
        SelectAudioForm form;
        form.setTheme("First", music.filePath("thumb.png"));
        form.setTheme("Summer Holiday", music.filePath(picture));
        QCOMPARE(form.findChild<QLabel*>("ThemeName")->text(), QString("Summer Holiday"));
        const QPixmap shown = form.findChild<QLabel*>("ThemePicture")->pixmap(Qt::ReturnByValue);
        QCOMPARE(!shown.isNull(), pictureShown);
        if (pictureShown)
            QCOMPARE(shown.size(), QSize(240, 135));
    }

    void settingsReported_data()
    {
        QTest::addColumn<int>("startQuality");
        QTest::addColumn<bool>("startLogo");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("quality");
        QTest::addColumn<bool>("logo");
        QTest::newRow("Full HD then HD") << 0 << true << QStringList{"fullhd", "hd"} << 2 << 0 << true;
        QTest::newRow("Full HD") << 0 << true << QStringList{"fullhd"} << 1 << 1 << true;
        QTest::newRow("logo off") << 1 << true << QStringList{"logo"} << 1 << 1 << false;
        QTest::newRow("logo on") << 0 << false << QStringList{"logo"} << 1 << 0 << true;
        QTest::newRow("partly checked logo") << 0 << true << QStringList{"partial"} << 1 << 0 << false;
    }
    void settingsReported()
    {
        QFETCH(int, startQuality);
        QFETCH(bool, startLogo);
        QFETCH(QStringList, actions);
        QFETCH(int, count);
        QFETCH(int, quality);
        QFETCH(bool, logo);
        SettingsForm form;
        VideoSettings start;
        start.quality = VideoQuality(startQuality);
        start.endLogo = startLogo;
        start.resultDir = "/videos/mine";
        form.setSettings(start);
        QSignalSpy updated(&form, &SettingsForm::settingsUpdated);
        auto* logoBox = form.findChild<QCheckBox*>("LogoCheckBox");
        for (const QString& action : actions) {
            if (action == "hd")
                form.findChild<QRadioButton*>("HDRadioButton")->click();
            else if (action == "fullhd")
                form.findChild<QRadioButton*>("FullHDRadioButton")->click();
            else if (action == "logo")
                logoBox->click();
            else {
                logoBox->setTristate(true);
                logoBox->setCheckState(Qt::PartiallyChecked);
                form.updateSettings();
            }
        }
        QCOMPARE(updated.count(), count);
        const auto reported = updated.last().first().value<VideoSettings>();
        QCOMPARE(int(reported.quality), quality);
        QCOMPARE(reported.endLogo, logo);
        QCOMPARE(reported.resultDir, QDir::toNativeSeparators("/videos/mine"));
    }

    void setSettingsFillsControls_data()
    {
        QTest::addColumn<int>("quality");
        QTest::addColumn<bool>("logo");
        QTest::addColumn<bool>("hd");
        QTest::addColumn<bool>("fullHd");
        QTest::newRow("HD with logo") << 0 << true << true << false;
        QTest::newRow("Full HD without logo") << 1 << false << false << true;
        QTest::newRow("unknown quality") << 7 << true << false << false;
    }
    void setSettingsFillsControls()
    {
        QFETCH(int, quality);
        QFETCH(bool, logo);
        QFETCH(bool, hd);
        QFETCH(bool, fullHd);
        SettingsForm form;
        form.setSettings(VideoSettings{VideoQuality::FullHD, "/first", false});
        VideoSettings settings;
        settings.quality = VideoQuality(quality);
        settings.endLogo = logo;
        settings.resultDir = "/movies/Pictavio";
        form.setSettings(settings);
        const QString dir = QDir::toNativeSeparators("/movies/Pictavio");
        QCOMPARE(form.findChild<QLineEdit*>("SettingsDirEdit")->text(), dir);
        QCOMPARE(form.findChild<QLineEdit*>("SettingsDirEdit")->toolTip(), dir);
        QCOMPARE(form.findChild<QCheckBox*>("LogoCheckBox")->isChecked(), logo);
        QCOMPARE(form.findChild<QRadioButton*>("HDRadioButton")->isChecked(), hd);
        QCOMPARE(form.findChild<QRadioButton*>("FullHDRadioButton")->isChecked(), fullHd);
        if (quality == 0) {
            Stage stage(&form, "Make Video", "Back");
            stage.save("settings");
        }
    }

    void defaultSettingsShown()
    {
        SettingsForm form;
        const VideoSettings defaults;
        QCOMPARE(form.settings().resultDir, QDir::toNativeSeparators(defaults.resultDir));
        QCOMPARE(form.settings().quality, defaults.quality);
        QCOMPARE(form.settings().endLogo, defaults.endLogo);
    }

    void browseResultDir_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled") << "" << false << "";
        QTest::newRow("writable folder") << "out/videos" << true << "";
        QTest::newRow("folder under a file")
            << "file.txt/videos" << false << "The folder %1 cannot be created.";
    }
    void browseResultDir()
    {
        QFETCH(QString, choice);
        QFETCH(bool, taken);
        QFETCH(QString, message);
        QTemporaryDir base;
        QFile file(base.filePath("file.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString chosen = choice.isEmpty() ? QString() : base.filePath(choice);
        ScriptedSettingsForm form;
        form.setSettings(VideoSettings{VideoQuality::HD, base.path(), true});
        form.answer = chosen;
        form.show();
        QSignalSpy updated(&form, &SettingsForm::settingsUpdated);
        form.findChild<QPushButton*>("SettingsDirBtn")->click();
        QCOMPARE(form.asked, 1);
        QCOMPARE(form.askedAt, QDir::toNativeSeparators(base.path()));
        QCOMPARE(updated.count(), taken ? 1 : 0);
        const QString expected = QDir::toNativeSeparators(taken ? chosen : base.path());
        QCOMPARE(form.settings().resultDir, expected);
        if (taken)
            QCOMPARE(updated.first().first().value<VideoSettings>().resultDir, expected);
        QCOMPARE(messageShown(&form), filled(message, chosen));
    }

    void resultDirCheckedBeforeRender_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing folder is made") << "new/nested" << true << "";
        QTest::newRow("folder under a file")
            << "file.txt/videos" << false << "The folder %1 cannot be created.";
        QTest::newRow("no folder") << "" << false << "No folder was chosen for the video.";
    }
    void resultDirCheckedBeforeRender()
    {
        QFETCH(QString, dir);
        QFETCH(bool, usable);
        QFETCH(QString, message);
        QTemporaryDir base;
        QFile file(base.filePath("file.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString path = dir.isEmpty() ? QString() : base.filePath(dir);
        SettingsForm form;
        form.setSettings(VideoSettings{VideoQuality::HD, path, true});
        form.show();
        QCOMPARE(form.checkResultDir(), usable);
        QCOMPARE(QFileInfo(path).isDir(), usable);
        QCOMPARE(messageShown(&form), filled(message, path));
    }

    void progressShown_data()
    {
        QTest::addColumn<QList<float>>("reports");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << QList<float>{0.0f} << 0 << "0%";
        QTest::newRow("halfway") << QList<float>{12.0f, 42.5f} << 42 << "42%";
        QTest::newRow("99.99") << QList<float>{99.99f} << 99 << "99%";
        QTest::newRow("done") << QList<float>{100.0f} << 100 << "100%";
        QTest::newRow("over the end") << QList<float>{150.0f} << 100 << "100%";
        QTest::newRow("below zero") << QList<float>{-3.0f} << 0 << "0%";
        QTest::newRow("not a number kept out") << QList<float>{30.0f, std::nanf("")} << 30 << "30%";
    }
    void progressShown()
    {
        QFETCH(QList<float>, reports);
        QFETCH(int, value);
        QFETCH(QString, text);
        RenderProgressForm form;
        for (float report : reports)
            form.progress(report);
        auto* bar = form.findChild<QProgressBar*>("RenderingProgressBar");
        QCOMPARE(bar->value(), value);
        QCOMPARE(bar->text(), text);
    }

    // Time taken, and time left at the pace so far once that can be told.
    void timeShownBesideTheBar_data()
    {
        QTest::addColumn<float>("percent");
        QTest::addColumn<double>("elapsed");
        QTest::addColumn<QString>("text");
        QTest::newRow("first seconds") << 10.f << 2.0 << "0:02 so far";
        QTest::newRow("hardly begun") << 0.5f << 30.0 << "0:30 so far";
        QTest::newRow("a quarter") << 25.f << 40.0 << "0:40 so far\nabout 2:00 left";
        QTest::newRow("halfway through an hour") << 50.f << 1830.0 << "30:30 so far\nabout 30:30 left";
        QTest::newRow("long") << 20.f << 1000.0 << "16:40 so far\nabout 1:06:40 left";
        QTest::newRow("done") << 100.f << 75.0 << "1:15 so far\nabout 0:00 left";
    }
    void timeShownBesideTheBar()
    {
        QFETCH(float, percent);
        QFETCH(double, elapsed);
        QFETCH(QString, text);
        RenderProgressForm form;
        form.progressAt(percent, elapsed);
        QCOMPARE(form.findChild<QLabel*>("TimeLabel")->text(), text);
        form.reset();
        QVERIFY(form.findChild<QLabel*>("TimeLabel")->text().isEmpty());
    }

    void previewShown_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QSize>("label");
        QTest::newRow("640 x 360") << QSize(640, 360) << true << QSize(652, 372);
        QTest::newRow("render preview at height 300") << QSize(533, 300) << true << QSize(545, 312);
        QTest::newRow("no picture") << QSize() << false << QSize();
    }
    void previewShown()
    {
        QFETCH(QSize, picture);
        QFETCH(bool, shown);
        QFETCH(QSize, label);
        RenderProgressForm form;
        Stage stage(&form, "", "Cancel");
        auto* frame = form.findChild<QWidget*>("ProgressPreview");
        auto* previewLabel = form.findChild<QLabel*>("PreviewLabel");
        QVERIFY(!frame->isVisible());
        QVERIFY(!previewLabel->isVisible());
        auto pixmap = QSharedPointer<QPixmap>::create(picture);
        if (!picture.isEmpty())
            pixmap->fill(QColor("#5a8f3c"));
        form.progress(37.4f);
        form.preview(pixmap);
        QCoreApplication::processEvents();
        QCOMPARE(frame->isVisible(), shown);
        QCOMPARE(previewLabel->isVisible(), shown);
        if (shown) {
            QCOMPARE(previewLabel->size(), label);
            QCOMPARE(frame->width(), 700);
            QCOMPARE(previewLabel->pixmap(Qt::ReturnByValue).size(), picture + QSize(12, 12)); // with its white edge
            stage.save(QString("progress-") + QTest::currentDataTag());
        }
        form.reset();
        QVERIFY(!frame->isVisible());
        QCOMPARE(form.findChild<QProgressBar*>("RenderingProgressBar")->value(), 0);
    }

    void doneButtonsOpen_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("resultIsFolder");
        QTest::addColumn<QString>("url");
        // %1 stands for the folder of the video.
        const QString file = "file://%1/slideshow_2026.12.08_13.40.mp4";
        QTest::newRow("play") << "PlayVideoButton" << false << file;
        QTest::newRow("done sign") << "DoneSign" << false << file;
        QTest::newRow("open folder") << "ShowResFileButton" << false << "file://%1";
        QTest::newRow("result is a folder") << "ShowResFileButton" << true << "file://%1";
        QTest::newRow("facebook") << "FBButton" << false << "https://www.facebook.com/";
        QTest::newRow("youtube") << "YTButton" << false << "https://www.youtube.com/upload";
        QTest::newRow("vimeo") << "VimeoButton" << false << "https://vimeo.com/upload";
        QTest::newRow("support") << "SupportLabel" << false << DoneForm::supportUrl().toString();
    }
    void doneButtonsOpen()
    {
        QFETCH(QString, button);
        QFETCH(bool, resultIsFolder);
        QFETCH(QString, url);
        QTemporaryDir folder;
        url = url.arg(folder.path());
        const QString path =
            resultIsFolder ? folder.path() : folder.filePath("slideshow_2026.12.08_13.40.mp4");
        RecordingDoneForm form(path);
        if (button == "SupportLabel") {
            auto* label = form.findChild<QLabel*>("SupportLabel");
            QVERIFY(label->text().contains(url));
            emit label->linkActivated(url);
        } else {
            form.findChild<QPushButton*>(button)->click();
        }
        QCOMPARE(form.opened, QList<QUrl>{QUrl(url)});
        QVERIFY(messageShown(&form).isEmpty());
        if (button == "PlayVideoButton") {
            Stage stage(&form, "", "Back");
            stage.save("done");
        }
    }

    void doneFailureTold_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("play") << "PlayVideoButton"
                              << QDir::toNativeSeparators("/videos/a.mp4") + " could not be opened.";
        QTest::newRow("share") << "FBButton" << "https://www.facebook.com/ could not be opened.";
    }
    void doneFailureTold()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        RecordingDoneForm form("/videos/a.mp4");
        form.opens = false;
        form.show();
        form.findChild<QPushButton*>(button)->click();
        QCOMPARE(form.opened.size(), 1);
        QCOMPARE(messageShown(&form), message);
    }

    // A picture the code names but the program does not carry shows as
    // nothing, or as a stand-in drawn in its place.
    void everyPictureNamedIsBuiltIn()
    {
        initUiResources();
        closingPicture(); // carries the core's own picture
        QStringList missing;
        const QRegularExpression named(QStringLiteral(":/images/([A-Za-z0-9_@.-]+\\.png)"));
        QDirIterator files(QStringLiteral(PICTAVIO_SOURCE_DIR "/app"), {"*.cpp", "*.ui"}, QDir::Files,
                           QDirIterator::Subdirectories);
        int seen = 0;
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            auto it = named.globalMatch(QString::fromUtf8(file.readAll()));
            while (it.hasNext()) {
                const QString resource = ":/images/" + it.next().captured(1);
                ++seen;
                if (!QFile::exists(resource))
                    missing << resource + " (" + QFileInfo(file.fileName()).fileName() + ")";
            }
        }
        QVERIFY(seen > 10);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    }

    void navigationButtons_data()
    {
        QTest::addColumn<QString>("doneText");
        QTest::addColumn<QString>("backText");
        QTest::addColumn<bool>("doneShown");
        QTest::addColumn<bool>("backShown");
        QTest::newRow("both") << "Make Video" << "Back" << true << true;
        QTest::newRow("no forward") << "" << "Cancel" << false << true;
        QTest::newRow("no back") << "Done" << "" << true << false;
    }
    void navigationButtons()
    {
        QFETCH(QString, doneText);
        QFETCH(QString, backText);
        QFETCH(bool, doneShown);
        QFETCH(bool, backShown);
        DoneBackBtnsForm form(nullptr, doneText, backText);
        form.resize(1000, 44);
        form.show();
        QCoreApplication::processEvents();
        auto* done = form.findChild<QPushButton*>("DoneButton");
        auto* back = form.findChild<QPushButton*>("BackButton");
        QCOMPARE(done->isVisible(), doneShown);
        QCOMPARE(back->isVisible(), backShown);
        if (doneShown)
            QCOMPARE(done->text(), doneText);
        if (backShown)
            QCOMPARE(back->text(), backText);
        // A hidden done button may be shown again later, so both always point.
        QCOMPARE(done->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(back->cursor().shape(), Qt::PointingHandCursor);
        if (doneShown && !backShown)
            QVERIFY(qAbs(done->geometry().center().x() - form.width() / 2) <= 1);
        if (doneShown && backShown)
            QCOMPARE(done->geometry().right(), form.width() - 1);
        QSignalSpy doneSpy(&form, &DoneBackBtnsForm::done);
        QSignalSpy backSpy(&form, &DoneBackBtnsForm::back);
        done->click();
        back->click();
        QCOMPARE(doneSpy.count(), 1);
        QCOMPARE(backSpy.count(), 1);
        form.hideDone();
        QVERIFY(!done->isVisible());
        form.showDone();
        QVERIFY(done->isVisible());
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
