// Where a theme's scene video is looked for and downloaded when its videos
// may live in two folders: the themes (installed, read only) and the user's.
#include "core/tmplpathmanager.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSceneVideos : public QObject
{
    Q_OBJECT

private slots:
    void sceneVideoPath_data();
    void sceneVideoPath();
};

void TestSceneVideos::sceneVideoPath_data()
{
    QTest::addColumn<bool>("ownFolder");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("expected");
    QTest::newRow("shipped with the theme") << true << "themes" << "themes";
    QTest::newRow("fetched since") << true << "videos" << "videos";
    QTest::newRow("in both: the shipped one") << true << "both" << "themes";
    QTest::newRow("not yet fetched: where to fetch it") << true << "none" << "videos";
    QTest::newRow("one folder, missing") << false << "none" << "themes";
}

void TestSceneVideos::sceneVideoPath()
{
    QFETCH(bool, ownFolder);
    QFETCH(QString, existing);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString themes = root.filePath("themes") + "/";
    const QString videos = root.filePath("videos") + "/";
    for (const QString& folder : {QString("themes"), QString("videos")}) {
        QVERIFY(QDir().mkpath(root.filePath(folder + "/3")));
        if (existing == folder || existing == "both") {
            QFile file(root.filePath(folder + "/3/5.mp4"));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    const TmplPathManager paths(themes, ownFolder ? videos : QString());
    QCOMPARE(QString::fromStdWString(paths.GetSceneVideoPath(3, 5)),
             root.filePath(expected + "/3/5.mp4"));
}

QTEST_GUILESS_MAIN(TestSceneVideos)
#include "tst_scenevideos.moc"
