#include "common/baseprjfactory.h"
#include "common/release.h"
#include "docloom/prjxmlparser.h"
#include "docloom/prjxmlsaver.h"
#include "docloom/xmltext.h"

#include "damageddocs.h"
#include "fifofeeder.h"

#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

const QString trickyText = QString::fromUtf8("Line one\nline \"two\" & <three>\ttab 'q' — ünï 日本");

std::wstring wide(const QString& path)
{
    return path.toStdWString();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

/// Also keeps embedded U+0000, which QString::fromUtf16 would stop at.
template <size_t N>
QString utf16(const char16_t (&units)[N])
{
    return QString::fromUtf16(units, int(N - 1));
}

/// Whether the reader of \a kind reads the document at \a path in full: the
/// good documents of damagedDocumentsAreRefused hold template 4, one slide or
/// scene, and name "Trip".
bool readsInFull(const QString& kind, const QString& path, QString* reason = nullptr)
{
    BasePrjFactory factory;
    PrjXmlParser parser;
    struct Tell
    {
        PrjXmlParser& parser;
        QString* reason;
        ~Tell()
        {
            if (reason)
                *reason = parser.ErrorString();
        }
    } tell{parser, reason};
    if (kind == "userdata") {
        std::unique_ptr<IUsrData> data(parser.ParseUsrData(wide(path), &factory));
        return data && data->GetTmplId() == 4 && data->GetAudio().size() == 1
               && std::distance(data->GetSlidesBegin(), data->GetSlidesEnd()) == 1;
    }
    if (kind == "project") {
        std::unique_ptr<IPrj> prj(parser.ParsePrj(wide(path), &factory));
        if (!prj)
            return false;
        SceneMediaListPtr owned(
            const_cast<SceneMediaList*>(prj->GetMedia()));
        return prj->GetTmplId() == 4 && owned->size() == 1 && owned->front()->second.size() == 1;
    }
    const PrjInfo info = parser.ParseInfo(wide(path));
    return info.name == "Trip" && info.audio == "Song" && info.slidesNumber == 2;
}

SlideList sampleSlides(IPrjFactory& factory)
{
    SlideList slides;
    slides.emplace_back(factory.GetImgMediaVal(L"/photos/a b.jpg", 0));
    slides.emplace_back(factory.GetTextMediaVal(trickyText.toStdWString()));
    slides.emplace_back(factory.GetImgMediaVal(L"/photos/ü.png", 3));
    slides.emplace_back(factory.GetImgMediaVal(L"c.jpg", -1));
    return slides;
}

} // namespace

class TestPrjXml : public QObject
{
    Q_OBJECT

private slots:
    void userDataRoundTrip()
    {
        QTemporaryDir dir;
        BasePrjFactory factory;
        SlideList slides = sampleSlides(factory);
        const QStringList audio{"/music/a & b.mp3", QString::fromUtf8("/music/ü.m4a")};
        std::unique_ptr<IUsrData> data(factory.GetUsrData(4, audio, slides));
        const QString path = dir.filePath("prj.xml");
        QVERIFY(PrjXmlSaver().SaveUserData(wide(path), *data));

        const QByteArray written = readAll(path);
        QCOMPARE(written.count('\n'), 1); // one line, then the final line break
        QVERIFY(written.endsWith("\n"));
        QVERIFY(!written.contains("rotation=\"0\""));
        QVERIFY(written.contains("rotation=\"3\""));

        std::unique_ptr<IUsrData> back(PrjXmlParser().ParseUsrData(wide(path), &factory));
        QVERIFY(back);
        QCOMPARE(back->GetTmplId(), 4);
        QCOMPARE(back->GetAudio(), audio);
        auto it = back->GetSlidesBegin();
        for (const auto& original : slides) {
            QVERIFY(it != back->GetSlidesEnd());
            QCOMPARE((*it)->GetType(), original->GetType());
            if (original->GetType() == SceneImg) {
                auto* a = static_cast<IImgMediaVal*>(original.data());
                auto* b = static_cast<IImgMediaVal*>(it->data());
                QVERIFY(a->GetSrc() == b->GetSrc());
                QCOMPARE(b->GetRotation(), a->GetRotation());
            } else {
                QCOMPARE(QString::fromStdWString(static_cast<ITextMediaVal*>(it->data())->GetText()),
                         trickyText);
            }
            ++it;
        }
        QVERIFY(it == back->GetSlidesEnd());
    }

    void emptyUserData()
    {
        QTemporaryDir dir;
        BasePrjFactory factory;
        SlideList none;
        std::unique_ptr<IUsrData> data(factory.GetUsrData(2, {}, none));
        const QString path = dir.filePath("prj.xml");
        QVERIFY(PrjXmlSaver().SaveUserData(wide(path), *data));
        QVERIFY(readAll(path).contains("<audio/><slides/>"));
        std::unique_ptr<IUsrData> back(PrjXmlParser().ParseUsrData(wide(path), &factory));
        QCOMPARE(back->GetTmplId(), 2);
        QVERIFY(back->GetAudio().isEmpty());
        QVERIFY(back->GetSlidesBegin() == back->GetSlidesEnd());
    }

    void userDataReading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("tmplId");
        QTest::addColumn<int>("slides");
        QTest::addColumn<int>("tracks");
        QTest::addColumn<int>("unknown");
        QTest::newRow("no template attribute")
            << QByteArray("<userdata><slides><object type='2' text='t'/></slides></userdata>") << 0
            << 1 << 0 << 0;
        QTest::newRow("unknown types and elements skipped")
            << QByteArray("<userdata template='x'><x/><slides><object type='3' src='a'/>"
                          "<other/><object type='1' src='b' extra='1'/></slides></userdata>")
            << 0 << 1 << 0 << 1;
        QTest::newRow("two slides of unknown kinds, counted")
            << QByteArray("<userdata template='5'><slides><object type='0' src='a'/>"
                          "<object type='2' text='t'/><object src='b'/></slides></userdata>")
            << 5 << 1 << 0 << 2;
    }

    void userDataReading()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, tmplId);
        QFETCH(int, slides);
        QFETCH(int, tracks);
        QTemporaryDir dir;
        const QString path = dir.filePath("prj.xml");
        writeFile(path, content);
        BasePrjFactory factory;
        QFETCH(int, unknown);
        PrjXmlParser parser;
        std::unique_ptr<IUsrData> data(parser.ParseUsrData(wide(path), &factory));
        QVERIFY(data);
        QCOMPARE(data->GetTmplId(), tmplId);
        QCOMPARE(int(std::distance(data->GetSlidesBegin(), data->GetSlidesEnd())), slides);
        QCOMPARE(data->GetAudio().size(), tracks);
        QCOMPARE(parser.unknownSlides(), unknown);
    }

    void aFifoIsNotRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("user data") << "userdata"
                                   << QByteArray("<userdata template='4'><audio><track src='m.mp3'/>"
                                                 "</audio><slides><object type='2' text='hi'/>"
                                                 "</slides></userdata>");
        QTest::newRow("assembled project")
            << "project"
            << QByteArray("<project template='4'><audio><track src='m.mp3'/></audio><media>"
                          "<scene id='1'><object id='0' type='2' text='hi'/></scene></media></project>");
        QTest::newRow("summary") << "info"
                                 << QByteArray("<project><name>Trip</name><audio>Song</audio>"
                                               "<slidesnumber>2</slidesnumber></project>");
    }

    // A FIFO would keep the reader waiting for a writer for ever.
    void aFifoIsNotRead()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("doc.xml");
        FifoFeeder fifo(path, content);
        QVERIFY(fifo.isMade());
        QVERIFY(!readsInFull(kind, path));
        QVERIFY(!fifo.wasOpened());
    }

    void damagedDocumentsAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("accepted");
        const struct
        {
            const char* kind;
            QByteArray doc;
            int depth;
        } goodDocs[] = {
            {"userdata",
             "<userdata template='4'><audio><track src='m.mp3'/></audio>"
             "<slides><object type='2' text='hi'/></slides></userdata>",
             3},
            {"project",
             "<project template='4'><audio><track src='m.mp3'/></audio>"
             "<media><scene id='1'><object id='0' type='2' text='hi'/></scene></media></project>",
             4},
            {"info",
             "<project><name>Tr<b>x</b>ip</name><audio>Song</audio>"
             "<slidesnumber>2</slidesnumber></project>",
             3},
        };
        for (const auto& good : goodDocs) {
            for (const DocVariant& v : docVariants(good.doc, good.depth))
                QTest::addRow("%s, %s", good.kind, v.name.constData())
                    << QString(good.kind) << v.content << v.accepted;
        }
    }

    void damagedDocumentsAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        const QString path = dir.filePath("doc.xml");
        writeFile(path, content);
        QString reason;
        QCOMPARE(readsInFull(kind, path, &reason), accepted);
        const QRegularExpression where(R"(^doc\.xml, line \d+, column \d+: \S)");
        QVERIFY2(accepted ? reason.isEmpty() : where.match(reason).hasMatch(), qPrintable(reason));
    }

    void xmlSafeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("controls; tab, LF and CR stay")
            << utf16(u"a\u0000\u0001\tb\u0008\nc\u000B\u000C\rd\u000E\u001F")
            << QString("a\tb\nc\rd");
        QTest::newRow("lone surrogates; pairs stay")
            << utf16(u"x\xDC00\xD800y\U0001F600z\xD83D") << utf16(u"xy\U0001F600z");
        QTest::newRow("U+FFFE and U+FFFF") << utf16(u"p\xFFFE\xFFFFq\uFFFD")
                                           << utf16(u"pq\uFFFD");
    }

    void xmlSafeText()
    {
        QFETCH(QString, text);
        QFETCH(QString, cleaned);
        QCOMPARE(XmlSafeText(text), cleaned);
    }

    void textXmlCannotHoldIsDroppedOnSave()
    {
        // Lone surrogates cannot reach the saver here: the wide strings of the
        // model hold whole code points.
        const QString text = utf16(u"\u0001tab\there\u0008\nline\u001F\rcr\xFFFE \U0001F600\xFFFF");
        QTemporaryDir dir;
        BasePrjFactory factory;
        SlideList slides{QSharedPointer<ISceneMedia>(factory.GetTextMediaVal(text.toStdWString()))};
        std::unique_ptr<IUsrData> data(factory.GetUsrData(1, {}, slides));
        const QString path = dir.filePath("prj.xml");
        QVERIFY(PrjXmlSaver().SaveUserData(wide(path), *data));
        std::unique_ptr<IUsrData> back(PrjXmlParser().ParseUsrData(wide(path), &factory));
        QVERIFY(back);
        QVERIFY(back->GetSlidesBegin() != back->GetSlidesEnd());
        const auto* value = static_cast<const ITextMediaVal*>(back->GetSlidesBegin()->data());
        QCOMPARE(QString::fromStdWString(value->GetText()),
                 utf16(u"tab\there\nline\rcr \U0001F600"));
    }

    void infoRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("audio");
        QTest::addColumn<int>("slides");
        QTest::newRow("plain") << "Summer" << "Artist - Title" << 12;
        QTest::newRow("tricky") << trickyText << "" << 0;
    }

    void infoRoundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QString, audio);
        QFETCH(int, slides);
        QTemporaryDir dir;
        const QString path = dir.filePath("info.xml");
        QVERIFY(PrjXmlSaver().SavePrjInfo({name, audio, slides}, wide(path)));
        const PrjInfo back = PrjXmlParser().ParseInfo(wide(path));
        QCOMPARE(back.name, name);
        QCOMPARE(back.audio, audio);
        QCOMPARE(back.slidesNumber, slides);
    }

    void projectRoundTrip()
    {
        QTemporaryDir dir;
        BasePrjFactory factory;
        SceneMediaList list;
        list.push_back(new SceneMediaPair(1, {{0, factory.GetImgMediaVal(L"a.jpg", 1)},
                                              {2, factory.GetTextMediaVal(trickyText.toStdWString())}}));
        list.push_back(new SceneMediaPair(1, {{0, factory.GetImgMediaVal(L"b.jpg", 0)}}));
        list.push_back(new SceneMediaPair(4, {}));
        std::unique_ptr<IPrj> prj(factory.GetPrj(9, &list, {"m.mp3"}));
        const QString path = dir.filePath("project.xml");
        QVERIFY(PrjXmlSaver().SavePrj(*prj, wide(path)));

        std::unique_ptr<IPrj> back(PrjXmlParser().ParsePrj(wide(path), &factory));
        QVERIFY(back);
        SceneMediaListPtr owned(
            const_cast<SceneMediaList*>(back->GetMedia()));
        QCOMPARE(back->GetTmplId(), 9);
        QCOMPARE(back->GetAudio(), QStringList{"m.mp3"});
        QCOMPARE(int(owned->size()), 3);
        auto it = owned->begin();
        QCOMPARE((*it)->first, 1);
        QCOMPARE(int((*it)->second.size()), 2);
        QCOMPARE(static_cast<IImgMediaVal*>((*it)->second.at(0))->GetRotation(), 1);
        QCOMPARE(QString::fromStdWString(
                     static_cast<ITextMediaVal*>((*it)->second.at(2))->GetText()),
                 trickyText);
        ++it;
        QCOMPARE((*it)->first, 1); // the same scene twice stays two entries
        QVERIFY(static_cast<IImgMediaVal*>((*it)->second.at(0))->GetSrc() == L"b.jpg");
        ++it;
        QCOMPARE((*it)->first, 4);
        QVERIFY((*it)->second.empty());
        ClearSceneMedia(list);
    }

    void projectReadingToleratesLayoutAndDuplicates()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("project.xml");
        writeFile(path, "<project template='2'>\n  <media>\n    <scene id='3'>"
                        "<object id='0' type='2' text='old'/><object id='0' type='2' text='new'/>"
                        "</scene>\n    <scene id='5'/>\n  </media>\n</project>\n");
        BasePrjFactory factory;
        std::unique_ptr<IPrj> prj(PrjXmlParser().ParsePrj(wide(path), &factory));
        QVERIFY(prj);
        SceneMediaListPtr owned(
            const_cast<SceneMediaList*>(prj->GetMedia()));
        QCOMPARE(int(owned->size()), 2);
        QVERIFY(static_cast<ITextMediaVal*>(owned->front()->second.at(0))->GetText() == L"new");
    }

    void unreadableFiles()
    {
        BasePrjFactory factory;
        PrjXmlParser parser;
        QVERIFY(!parser.ParseUsrData(L"/no/such/prj.xml", &factory));
        QVERIFY(!parser.ParsePrj(L"/no/such/project.xml", &factory));
        const PrjInfo info = parser.ParseInfo(L"/no/such/info.xml");
        QVERIFY(info.name.isEmpty() && info.audio.isEmpty());
        QCOMPARE(info.slidesNumber, 0);

        QTemporaryDir dir;
        const QString other = dir.filePath("other.xml");
        writeFile(other, "<template/>");
        QVERIFY(!parser.ParseUsrData(wide(other), &factory));
        QVERIFY(!parser.ParsePrj(wide(other), &factory));
    }

    void failedSaveKeepsThePreviousFile()
    {
        QTemporaryDir dir;
        BasePrjFactory factory;
        SlideList none;
        std::unique_ptr<IUsrData> data(factory.GetUsrData(1, {}, none));
        PrjXmlSaver saver;
        QVERIFY(!saver.SaveUserData(wide(dir.filePath("missing/prj.xml")), *data));
        QVERIFY(!saver.SavePrjInfo({}, wide(dir.filePath("missing/info.xml"))));

        // A folder whose files cannot be replaced: the old file stays whole.
        const QString locked = dir.filePath("locked");
        QVERIFY(QDir().mkpath(locked));
        const QString path = locked + "/info.xml";
        QVERIFY(saver.SavePrjInfo({"old", "", 1}, wide(path)));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        const bool saved = saver.SavePrjInfo({"new", "", 2}, wide(path));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (saved)
            QSKIP("running as a user who may write anywhere");
        QCOMPARE(PrjXmlParser().ParseInfo(wide(path)).name, QString("old"));
    }
};

QTEST_MAIN(TestPrjXml)
#include "tst_prjxml.moc"
