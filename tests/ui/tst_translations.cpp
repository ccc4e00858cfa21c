// Every text of the window program has a finished translation in every language.
#include "ui/widgets/resources.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
    QStringList files; // where the sources use it, as lupdate wrote them
};

QVector<Message> readTs(const QString& path)
{
    QVector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, QString(), QString(), false, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("location")) {
            messages.last().files << xml.attributes().value("filename").toString();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().unfinished = !xml.attributes().value("type").isEmpty();
            // A text with plural forms holds them as elements of their own.
            messages.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return messages;
}

// The window shows the core's and the engine's failure messages as well as its own.
const char* const scannedFolders[] = {"app/ui/src", "app/ui/include", "app/core/src",
                                      "app/core/include", "vidweave/src"};

QString sourcePath(const QString& inside)
{
    return QStringLiteral(PICTAVIO_SOURCE_DIR "/") + inside;
}

// The texts the sources hold today, whatever the committed .ts files say.
QVector<Message> extractTexts(const QString& folder)
{
    const QString ts = folder + "/extracted.ts";
    QStringList arguments{"-silent", "-locations", "absolute"};
    for (const char* scanned : scannedFolders)
        arguments << sourcePath(QString::fromLatin1(scanned));
    QProcess lupdate;
    lupdate.start(QStringLiteral(PICTAVIO_LUPDATE), arguments << "-ts" << ts);
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0)
        return {};
    QVector<Message> texts = readTs(ts);
    for (Message& text : texts) {
        for (QString& file : text.files)
            file = QDir::cleanPath(QDir(folder).absoluteFilePath(file));
    }
    return texts;
}

int textsUsedIn(const QVector<Message>& texts, const QString& folder)
{
    const QString prefix = sourcePath(folder) + '/';
    return int(std::count_if(texts.begin(), texts.end(), [&](const Message& text) {
        return std::any_of(text.files.begin(), text.files.end(),
                           [&](const QString& file) { return file.startsWith(prefix); });
    }));
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    auto it = QRegularExpression(QStringLiteral("%(\\d+|p)")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextTranslated_data();
    void everyTextTranslated();

private:
    QTemporaryDir folder;
    QVector<Message> texts;
};

void TestTranslations::initTestCase()
{
    initUiResources(); // as the program does
    QVERIFY(folder.isValid());
    texts = extractTexts(folder.path());
    // Each part holds this many at least; fewer means lupdate no longer reads it.
    const std::pair<const char*, int> least[] = {{"app/ui", 80}, {"app/core", 20}, {"vidweave", 20}};
    for (const auto& part : least) {
        const int found = textsUsedIn(texts, QString::fromLatin1(part.first));
        QVERIFY2(found >= part.second, qPrintable(QStringLiteral("lupdate found %1 texts in %2")
                                                      .arg(found)
                                                      .arg(part.first)));
    }
}

void TestTranslations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const char* lang : {"de", "es", "fr", "id", "it", "ja", "ko", "pt", "zh"})
        QTest::newRow(lang) << QString::fromLatin1(lang);
}

void TestTranslations::everyTextTranslated()
{
    QFETCH(QString, language);
    const QString ts = QStringLiteral(PICTAVIO_SOURCE_DIR "/app/resources/translations/%1.ts");
    for (const Message& entry : readTs(ts.arg(language)))
        QVERIFY2(!entry.unfinished, qPrintable(entry.context + ": " + entry.source));
    QTranslator translator;
    // The embedded file, as main() finds it for a system locale such as ja_JP.
    QVERIFY(translator.load(language + "_XX", QStringLiteral(":/translations")));
    QStringList missing;
    for (const Message& text : qAsConst(texts)) {
        const QString done = translator.translate(qPrintable(text.context),
                                                  qPrintable(text.source));
        if (done.isEmpty() || placeholders(done) != placeholders(text.source))
            missing << text.context + ": " + text.source + " -> " + done;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
