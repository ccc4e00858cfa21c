#include "common/basetmplfactory.h"
#include "common/release.h"
#include "docloom/tmplxmlparser.h"

#include "damageddocs.h"
#include "fifofeeder.h"

#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& content,
                  const QString& name = "template.xml")
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(content);
    return path;
}

TmplPtr parse(const QByteArray& content)
{
    QTemporaryDir dir;
    BaseTmplFactory factory;
    return TmplPtr(TmplXmlParser().ParseTmpl(writeFile(dir, content).toStdWString(), &factory));
}

IImgMedia* imgSlot(ITmpl* tmpl, int scene, int slot)
{
    auto* s = dynamic_cast<IImgScene*>(tmpl->GetScenes().at(scene));
    return s ? s->GetMedia()->at(slot) : nullptr;
}

ITextMedia* textSlotOf(ITmpl* tmpl, int scene, int slot)
{
    auto* s = dynamic_cast<ITextScene*>(tmpl->GetScenes().at(scene));
    return s ? s->GetMedia()->at(slot) : nullptr;
}

// Plain literals: moc does not read raw string literals.
const QByteArray fullTemplate =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<template fade-in=\"20\" fade-out=\"30\" scene-overflow=\"15\" text-max-size=\"90\" unknown=\"x\">\n"
    "  <info>ignored <b>element</b></info>\n"
    "  <scene id=\"3\" type=\"1\" bg-type=\"2\" bg-file-name=\"still.jpg\" frames=\"120\" time-base=\"1.9,25\">\n"
    "    <object id=\"1\" aspect=\"1.5\" v-pos=\"1\" h-pos=\"2\" border-color=\"10,20,30\" border-width=\"0.05\"\n"
    "            shadow=\"2,3 4 5,6,7,8\" max-size=\"0.5,0.6\" font=\"ignored\">\n"
    "      <transform>\n"
    "        <frame id=\"0\">0,0,1,0,0,1,1,1</frame>\n"
    "        <frame id=\"1\" opacity=\"50\">0.1,0.2,0.3,0.4,0.5,0.6,0.7,0.8</frame>\n"
    "        <frame id=\"1\" opacity=\"25\">0.9,0.2,0.3,0.4,0.5,0.6,0.7,0.8</frame>\n"
    "      </transform>\n"
    "    </object>\n"
    "    <object id=\"0\"><transform><frame id=\"5\">0.5,0.5</frame></transform></object>\n"
    "  </scene>\n"
    "  <scene id=\"7\" type=\"2\" frames=\"90\" time-base=\"1,30\">\n"
    "    <object id=\"0\" aspect=\"1.7778\" font=\"Lato,SansSerif,40,#102030\" slide-bg=\"bg.png\"\n"
    "            texture=\"gold.png\" shadow=\"1,1 2\" border-color=\"1,2,3\">\n"
    "      <transform><frame id=\"2\">0,0,1,0,0,1,1,1</frame></transform>\n"
    "    </object>\n"
    "  </scene>\n"
    "  <scene id=\"8\" type=\"5\" frames=\"10\"><object id=\"0\"/></scene>\n"
    "</template>\n"
    "";

} // namespace

class TestTmplXmlParser : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryField()
    {
        TmplPtr tmpl = parse(fullTemplate);
        QVERIFY(tmpl);
        QCOMPARE(tmpl->GetFadeIn(), 20);
        QCOMPARE(tmpl->GetFadeOut(), 30);
        QCOMPARE(tmpl->GetSceneOverflow(), 15);
        QCOMPARE(tmpl->GetTextMaxSize(), 90);
        const auto scenes = tmpl->GetScenes();
        QCOMPARE(scenes.size(), size_t(2)); // the scene of type 5 is skipped

        IScene* still = scenes.at(3);
        QCOMPARE(still->GetType(), SceneImg);
        QCOMPARE(still->GetBgType(), BgImage);
        QVERIFY(still->GetBgFileName() == L"still.jpg");
        QCOMPARE(still->GetFramesNumber(), 120L);
        int num = 0, den = 0;
        still->GetTimeBase(num, den);
        QCOMPARE(num, 1); // 1.9 truncated
        QCOMPARE(den, 25);
        QCOMPARE(still->GetMediaSize(), 2);

        IImgMedia* slot = imgSlot(tmpl.get(), 3, 1);
        QCOMPARE(slot->GetAspect(), 1.5f);
        QCOMPARE(slot->GetVPosition(), IMedia::Top);
        QCOMPARE(slot->GetHPosition(), IMedia::Right);
        QCOMPARE(slot->GetBorderColor().red, 10);
        QCOMPARE(slot->GetBorderColor().blue, 30);
        QCOMPARE(slot->GetBorderColor().alpha, 255);
        QCOMPARE(slot->GetBorderWidth(), 0.05f);
        QCOMPARE(slot->GetMaxWidth(), 0.5f);
        QCOMPARE(slot->GetMaxHeight(), 0.6f);
        const IMedia::shadow_t shadow = slot->GetShadow();
        QCOMPARE(shadow.offsetX, 2.f);
        QCOMPARE(shadow.offsetY, 3.f);
        QCOMPARE(shadow.blurRadius, 4.f);
        QCOMPARE(shadow.red, 5);
        QCOMPARE(shadow.alpha, 8);

        IMedia::transformation_t t;
        QVERIFY(slot->GetTransform(0, t));
        // Whole frame: corners around the quad.
        QCOMPARE(t.x0, 0.0);
        QCOMPARE(t.y0, 0.0);
        QCOMPARE(t.x1, 1.0);
        QCOMPARE(t.y1, 0.0);
        QCOMPARE(t.x2, 1.0);
        QCOMPARE(t.y2, 1.0);
        QCOMPARE(t.x3, 0.0);
        QCOMPARE(t.y3, 1.0);
        QCOMPARE(t.opacity, 1.f);
        QVERIFY(slot->GetTransform(1, t));
        QCOMPARE(t.x0, 0.9); // the later frame with the same id replaces the earlier
        QCOMPARE(t.opacity, 0.25f);
        QCOMPARE(t.x3, 0.5); // fifth and sixth numbers: bottom-left
        QCOMPARE(t.y3, 0.6);
        QCOMPARE(t.x2, 0.7); // seventh and eighth: bottom-right
        QCOMPARE(t.y2, 0.8);
        QVERIFY(!slot->GetTransform(2, t));
    }

    void defaults()
    {
        TmplPtr tmpl = parse(fullTemplate);
        IImgMedia* bare = imgSlot(tmpl.get(), 3, 0);
        QCOMPARE(bare->GetAspect(), 1.f);
        QCOMPARE(bare->GetVPosition(), IMedia::VCenter);
        QCOMPARE(bare->GetBorderWidth(), 0.f);
        QCOMPARE(bare->GetBorderColor().red, 255);
        QCOMPARE(bare->GetBorderColor().green, 255);
        QCOMPARE(bare->GetMaxWidth(), 1.f);
        QCOMPARE(bare->GetMaxHeight(), 1.f);
        QCOMPARE(bare->GetShadow().blurRadius, 0.f);
        QCOMPARE(bare->GetShadow().red, 0);
        QCOMPARE(bare->GetShadow().alpha, 255);
        // A frame of two numbers: the other six read as 0.
        IMedia::transformation_t t;
        QVERIFY(bare->GetTransform(5, t));
        QCOMPARE(t.x0, 0.5);
        QCOMPARE(t.y0, 0.5);
        QCOMPARE(t.x1, 0.0);
        QCOMPARE(t.y2, 0.0);

        TmplPtr empty = parse("<template/>");
        QVERIFY(empty);
        QCOMPARE(empty->GetFadeIn(), 0);
        QCOMPARE(empty->GetFadeOut(), 0);
        QCOMPARE(empty->GetSceneOverflow(), 0);
        QCOMPARE(empty->GetTextMaxSize(), 70);
        QVERIFY(empty->GetScenes().empty());

        TmplPtr scene = parse("<template><scene id='1' type='1'/></template>");
        IScene* s = scene->GetScenes().at(1);
        QCOMPARE(s->GetBgType(), BgVideo);
        QVERIFY(s->GetBgFileName().empty());
        int num = 7, den = 7;
        s->GetTimeBase(num, den);
        QCOMPARE(num, 0);
        QCOMPARE(den, 0);

        // An object without "transform" ends at its own end tag.
        TmplPtr bareObject = parse("<template><scene id='3' type='1'><object id='0'/>"
                                   "<object id='1'><transform><frame id='0'>1</frame>"
                                   "</transform></object></scene><scene id='4' type='1'/>"
                                   "</template>");
        QCOMPARE(bareObject->GetScenes().size(), size_t(2));
        QCOMPARE(bareObject->GetScenes().at(3)->GetMediaSize(), 2);
    }

    void sceneGrain_data()
    {
        QTest::addColumn<QByteArray>("scene");
        QTest::addColumn<int>("grain");
        QTest::newRow("image scene") << QByteArray("type='1' grain='8'") << 8;
        QTest::newRow("text scene") << QByteArray("type='2' grain='10'") << 10;
        QTest::newRow("older template: none") << QByteArray("type='1'") << 0;
        QTest::newRow("not a number") << QByteArray("type='1' grain='x'") << 0;
    }

    void sceneGrain()
    {
        QFETCH(QByteArray, scene);
        QFETCH(int, grain);
        TmplPtr tmpl = parse("<template><scene id='1' " + scene + " frames='10'/></template>");
        QCOMPARE(tmpl->GetScenes().at(1)->GetGrain(), grain);
    }

    void textSlot_data()
    {
        QTest::addColumn<QByteArray>("object");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pointSize");
        QTest::newRow("given font") << QByteArray("font=\"Lato,SansSerif,40,#102030\"") << "Lato"
                                    << 40;
        QTest::newRow("default font") << QByteArray() << "Oswald Book" << 84;
    }

    void textSlot()
    {
        QFETCH(QByteArray, object);
        QFETCH(QString, family);
        QFETCH(int, pointSize);
        TmplPtr tmpl = parse("<scene id='2' type='2'><object id='4' slide-bg='bg.png' "
                             "texture='gold.png' shadow='1,1 2' border-color='1,2,3' "
                             + object + "><transform/></object></scene>");
        QVERIFY(tmpl);
        ITextMedia* slot = textSlotOf(tmpl.get(), 2, 4);
        QCOMPARE(slot->GetFont().family(), family);
        QCOMPARE(slot->GetFont().pointSize(), pointSize);
        QCOMPARE(slot->GetSlideBg(), QString("bg.png"));
        QCOMPARE(slot->GetTexture(), QString("gold.png"));
        QCOMPARE(slot->GetShadow().blurRadius, 2.f);
        QCOMPARE(slot->GetShadow().alpha, 255);
    }

    void duplicatesReplaceEarlierOnes()
    {
        TmplPtr tmpl = parse("<template><scene id='1' type='1' frames='10'>"
                             "<object id='0' aspect='2'/><object id='0' aspect='3'/></scene>"
                             "<scene id='1' type='2' frames='20'/></template>");
        QCOMPARE(tmpl->GetScenes().size(), size_t(1));
        QCOMPARE(tmpl->GetScenes().at(1)->GetType(), SceneText);
        QCOMPARE(tmpl->GetScenes().at(1)->GetFramesNumber(), 20L);

        TmplPtr slotsTmpl = parse("<scene id='1' type='1'><object id='0' aspect='2'/>"
                              "<object id='0' aspect='3'/></scene>");
        QCOMPARE(imgSlot(slotsTmpl.get(), 1, 0)->GetAspect(), 3.f);
    }

    void damagedDocumentsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("accepted");
        // "name" is unknown to the template reader, and an unknown element may
        // stand even among a frame's numbers.
        const QByteArray doc = "<template fade-in='5'><name>Theme</name>"
                               "<scene id='1' type='1'><object id='0'><transform>"
                               "<frame id='0'>0,0,1,0,0,1<note>9</note>,1,1</frame>"
                               "</transform></object></scene></template>";
        for (const DocVariant& v : docVariants(doc, 6))
            QTest::newRow(v.name.constData()) << v.content << v.accepted;
    }

    void damagedDocumentsAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, accepted);
        TmplPtr tmpl = parse(content);
        QCOMPARE(bool(tmpl), accepted);
        if (tmpl) {
            QCOMPARE(tmpl->GetFadeIn(), 5);
            IMedia::transformation_t t;
            QVERIFY(imgSlot(tmpl.get(), 1, 0)->GetTransform(0, t));
            QCOMPARE(t.x2, 1.0);
            QCOMPARE(t.y2, 1.0);
        }
        QTemporaryDir dir;
        TmplXmlParser parser;
        const ITmplParser::TmplInfo info = parser.GetInfo(writeFile(dir, content, "info.xml"));
        QCOMPARE(info.name, accepted ? QString("Theme") : QString());
        // A refusal says where: the file, its line and column, and what is wrong.
        BaseTmplFactory factory;
        TmplPtr again(parser.ParseTmpl(writeFile(dir, content, "template.xml").toStdWString(), &factory));
        const QRegularExpression where(R"(^template\.xml, line \d+, column \d+: \S)");
        QVERIFY2(accepted ? parser.ErrorString().isEmpty() : where.match(parser.ErrorString()).hasMatch(),
                 qPrintable(parser.ErrorString()));
    }

    void nothingUsable_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("not xml") << QByteArray("\xff\xd8\xff\xe0 a picture");
        QTest::newRow("other document") << QByteArray("<userdata template='1'/>");
    }

    void nothingUsable()
    {
        QFETCH(QByteArray, content);
        QVERIFY(!parse(content));
        QTemporaryDir dir;
        BaseTmplFactory factory;
        TmplXmlParser parser;
        TmplPtr none(parser.ParseTmpl(writeFile(dir, content, "template.xml").toStdWString(), &factory));
        QVERIFY2(parser.ErrorString().startsWith("template.xml"), qPrintable(parser.ErrorString()));
    }

    void missingFile()
    {
        BaseTmplFactory factory;
        TmplXmlParser parser;
        QVERIFY(!parser.ParseTmpl(L"/no/such/template.xml", &factory));
        QCOMPARE(parser.ErrorString(), QString("template.xml is missing."));
        const ITmplParser::TmplInfo info = parser.GetInfo("/no/such/info.xml");
        QVERIFY(info.name.isEmpty() && info.preview.isEmpty());
    }

    // A FIFO in a theme folder would keep the catalogue waiting for ever.
    void aFifoIsNotRead()
    {
        QTemporaryDir dir;
        BaseTmplFactory factory;
        TmplXmlParser parser;
        FifoFeeder theme(dir.filePath("template.xml"), fullTemplate);
        FifoFeeder summary(dir.filePath("info.xml"), "<info><name>Trip</name></info>");
        QVERIFY(theme.isMade() && summary.isMade());
        QVERIFY(!TmplPtr(parser.ParseTmpl(dir.filePath("template.xml").toStdWString(), &factory)));
        QVERIFY(parser.GetInfo(dir.filePath("info.xml")).name.isEmpty());
        QVERIFY(!theme.wasOpened() && !summary.wasOpened());
    }

    void info_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("preview");
        QTest::newRow("plain") << QByteArray("<info><name>Summer &amp; Sea</name>"
                                             "<preview>http://h/p.mp4</preview></info>")
                               << "Summer & Sea" << "http://h/p.mp4";
        QTest::newRow("later wins, anywhere")
            << QByteArray("<a><name>one</name><b><name>Ünïcode</name></b></a>") << "Ünïcode"
            << "";
    }

    void info()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(QString, preview);
        QTemporaryDir dir;
        const ITmplParser::TmplInfo info =
            TmplXmlParser().GetInfo(writeFile(dir, content, "info.xml"));
        QCOMPARE(info.name, name);
        QCOMPARE(info.preview, preview);
    }
};

QTEST_MAIN(TestTmplXmlParser)
#include "tst_tmplxmlparser.moc"
