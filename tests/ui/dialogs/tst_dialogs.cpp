#include "ui/dialogs/backdropoverlay.h"
#include "ui/dialogs/basedialog.h"
#include "ui/dialogs/filedialogs.h"
#include "ui/widgets/focusstyle.h"
#include "ui/widgets/limitedtextedit.h"
#include "ui/dialogs/messagedialog.h"
#include "ui/dialogs/overlaywidget.h"
#include "ui/widgets/roundedmask.h"
#include "ui/dialogs/textscenedialog.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QFileDialog>
#include <QtTest>

namespace {

const QColor windowColour(0x37, 0x41, 0x50);

// Special keys are written <Name>; anything else is sent as the text of one key press.
void typeInto(QWidget* widget, const QStringList& keys)
{
    static const QHash<QString, Qt::Key> named = {
        {"<Left>", Qt::Key_Left},           {"<Home>", Qt::Key_Home},
        {"<Backspace>", Qt::Key_Backspace}, {"<Delete>", Qt::Key_Delete},
        {"<Return>", Qt::Key_Return},
    };
    for (const QString& key : keys) {
        if (key == "<SelectAll>" || key == "<ShiftLeft>") {
            QTest::keyClick(widget, key == "<SelectAll>" ? Qt::Key_A : Qt::Key_Left,
                            key == "<SelectAll>" ? Qt::ControlModifier : Qt::ShiftModifier);
            continue;
        }
        if (named.contains(key)) {
            QTest::keyClick(widget, named.value(key));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, key);
        QApplication::sendEvent(widget, &press);
    }
}

void paste(QTextEdit* edit, const QString& text, const QString& html = QString())
{
    auto* data = new QMimeData;
    data->setText(text);
    if (!html.isEmpty())
        data->setHtml(html);
    QApplication::clipboard()->setMimeData(data);
    edit->moveCursor(QTextCursor::End);
    edit->paste();
}

void deleteLaterNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void saveShot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("PICTAVIO_SHOT_DIR");
    if (folder.isEmpty())
        return;
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

QColor blend(const QColor& under, const QColor& over)
{
    const double a = over.alphaF();
    auto mix = [a](int u, int o) { return qRound(u * (1 - a) + o * a); };
    return QColor(mix(under.red(), over.red()), mix(under.green(), over.green()),
                  mix(under.blue(), over.blue()));
}

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2
        && qAbs(a.blue() - b.blue()) <= 2;
}

QColor pixelAt(QWidget* widget, const QPoint& at)
{
    return widget->grab().toImage().pixelColor(at);
}

} // namespace

class TstDialogs : public QObject
{
    Q_OBJECT
private slots:
    void focusShowsOnTheDarkPage_data()
    {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QString>("look");
        QTest::addColumn<QColor>("ring");
        const QString plain = "QPushButton { color: white; border: none; padding: 8px; }";
        const QString blue = "QPushButton { color: white; background-color: #0099ff; border: none;"
                             " border-radius: 6px; padding: 8px; }";
        QTest::newRow("focused") << true << plain << QColor(0x00, 0x99, 0xff);
        QTest::newRow("not focused") << false << plain << QColor(0x00, 0x99, 0xff);
        QTest::newRow("blue button, focused") << true << blue << QColor(Qt::white);
        QTest::newRow("blue button, not focused") << false << blue << QColor(Qt::white);
    }
    // Page style sheets take borders away; the focus ring still shows, also
    // on the blue buttons.
    void focusShowsOnTheDarkPage()
    {
        QFETCH(bool, focused);
        QFETCH(QString, look);
        QFETCH(QColor, ring);
        FocusStyle style;
        QWidget page;
        page.setStyleSheet("QWidget { background-color: #374150; } " + look);
        auto* button = new QPushButton("  ", &page);
        auto* other = new QPushButton("Other", &page);
        other->move(0, 60);
        for (QWidget* w : {&page, static_cast<QWidget*>(button), static_cast<QWidget*>(other)})
            w->setStyle(&style);
        page.resize(200, 120);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        (focused ? button : other)->setFocus();
        QTRY_VERIFY((focused ? button : other)->hasFocus());
        const QImage image = button->grab().toImage();
        int ringPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                ringPixels += qAbs(c.red() - ring.red()) < 40 && qAbs(c.green() - ring.green()) < 40
                              && qAbs(c.blue() - ring.blue()) < 40;
            }
        QCOMPARE(ringPixels > 20, focused);
    }

    void typingIsLimited_data();
    void typingIsLimited();
    void pastingIsLimited_data();
    void pastingIsLimited();
    void xmlInvalidCharactersAreDropped_data();
    void xmlInvalidCharactersAreDropped();
    void textSceneDialogCountsAndEmitsTrimmedText_data();
    void textSceneDialogCountsAndEmitsTrimmedText();
    void textSceneDialogByKeyboard_data();
    void textSceneDialogByKeyboard();
    void fileDialogsAreReadableAndStartInPlace_data();
    void fileDialogsAreReadableAndStartInPlace();
    void messageDialogShowsTextsAndCloses_data();
    void messageDialogShowsTextsAndCloses();
    void backdropDimsWhileDialogIsOpen_data();
    void backdropDimsWhileDialogIsOpen();
    void baseDialogElidesButtonTexts_data();
    void baseDialogElidesButtonTexts();
    void baseDialogEmitsAndHoldsContent_data();
    void baseDialogEmitsAndHoldsContent();
    void overlayCoversItsParent_data();
    void overlayCoversItsParent();
    void roundedMaskClearsCorners_data();
    void roundedMaskClearsCorners();
};

void TstDialogs::typingIsLimited_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("expected");

    const QString full = "abcdefghijklmnopqrst";
    QTest::newRow("letter at limit") << 20 << full << QStringList{"x"} << full;
    QTest::newRow("cyrillic letter at limit") << 20 << full << QStringList{"ж"} << full;
    QTest::newRow("backspace at limit") << 20 << full << QStringList{"<Backspace>"} << full.left(19);
    QTest::newRow("delete at limit") << 20 << full << QStringList{"<Home>", "<Delete>"} << full.mid(1);
    QTest::newRow("arrows at limit")
        << 20 << full << QStringList{"<Left>", "<Left>", "<Backspace>"} << "abcdefghijklmnopqst";
    QTest::newRow("enter at limit") << 20 << full << QStringList{"<Return>"} << full + "\n";
    QTest::newRow("letters under limit")
        << 20 << "abc" << QStringList{"d", "e"} << "abcde";
    QTest::newRow("limit 0 means none") << 0 << full << QStringList{"x", "y"} << full + "xy";
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("typing over everything at the limit")
        << 20 << full << QStringList{"<SelectAll>", "x"} << "x";
    QTest::newRow("typing over a part at the limit")
        << 20 << full << QStringList{"<ShiftLeft>", "<ShiftLeft>", "y", "z", "w"} << full.left(18) + "yz";
    QTest::newRow("an emoji counts once") << 3 << "ab" << QStringList{smile, "c"} << "ab" + smile;
}

void TstDialogs::typingIsLimited()
{
    QFETCH(int, limit);
    QFETCH(QString, initial);
    QFETCH(QStringList, keys);
    QFETCH(QString, expected);

    LimitedTextEdit edit;
    edit.SetMaxLength(limit);
    edit.setPlainText(initial);
    edit.moveCursor(QTextCursor::End);
    typeInto(&edit, keys);
    QCOMPARE(edit.toPlainText(), expected);
}

void TstDialogs::pastingIsLimited_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");

    QTest::newRow("15 into 10 of 20")
        << 20 << "0123456789" << "abcdefghijklmno" << "" << "0123456789abcdefghij";
    QTest::newRow("fits") << 20 << "abc" << "def" << "" << "abcdef";
    QTest::newRow("full") << 5 << "abcde" << "x" << "" << "abcde";
    QTest::newRow("already over after enter") << 5 << "abc\ndef" << "x" << "" << "abc\ndef";
    QTest::newRow("limit 0 means none")
        << 0 << "0123456789" << "abcdefghijklmno" << "" << "0123456789abcdefghijklmno";
    QTest::newRow("surrogate pair not split")
        << 3 << "ab" << QString("c") + QChar(0xD83D) + QChar(0xDE00) << "" << "abc";
    QTest::newRow("rich text obeys the limit")
        << 6 << "" << "bold text" << "<b>bold text</b>" << "bold t";
}

void TstDialogs::pastingIsLimited()
{
    QFETCH(int, limit);
    QFETCH(QString, initial);
    QFETCH(QString, text);
    QFETCH(QString, html);
    QFETCH(QString, expected);

    LimitedTextEdit edit;
    edit.SetMaxLength(limit);
    edit.setPlainText(initial);
    paste(&edit, text, html);
    QCOMPARE(edit.toPlainText(), expected);
}

void TstDialogs::xmlInvalidCharactersAreDropped_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    const QString smile = QString(QChar(0xD83D)) + QChar(0xDE00);
    QTest::newRow("typed control characters")
        << "typed" << QString("a") + QChar(0x01) + "b" + QChar(0x1F) << "ab";
    QTest::newRow("typed tab kept") << "typed" << "a\tb" << "a\tb";
    QTest::newRow("typed lone surrogate") << "typed" << QString("x") + QChar(0xD800) + "y" << "xy";
    QTest::newRow("typed non-characters")
        << "typed" << QString("x") + QChar(0xFFFE) + "y" + QChar(0xFFFF) << "xy";
    QTest::newRow("pasted controls, line break and tab kept")
        << "pasted" << QString("one\ttwo\nthree") + QChar(0x07) + QChar(0x0B) + QChar(0x00)
        << "one\ttwo\nthree";
    QTest::newRow("pasted pair kept") << "pasted" << "smile " + smile << "smile " + smile;
    QTest::newRow("pasted lone low surrogate") << "pasted" << QString("a") + QChar(0xDC00) + "b" << "ab";
    QTest::newRow("pasted reversed pair")
        << "pasted" << QString("a") + QChar(0xDE00) + QChar(0xD83D) + "b" << "ab";
    QTest::newRow("composed control character")
        << "composed" << QString("ab") + QChar(0x02) + "c" << "abc";
}

void TstDialogs::xmlInvalidCharactersAreDropped()
{
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, expected);

    LimitedTextEdit edit;
    edit.SetMaxLength(100);
    if (how == "typed") {
        typeInto(&edit, {input});
    } else if (how == "pasted") {
        paste(&edit, input);
    } else {
        QInputMethodEvent event;
        event.setCommitString(input);
        QApplication::sendEvent(&edit, &event);
    }
    QCOMPARE(edit.toPlainText(), expected);
}

void TstDialogs::textSceneDialogCountsAndEmitsTrimmedText_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("doneClass");
    QTest::addColumn<QString>("emitted");

    QTest::newRow("hello padded")
        << "" << 20 << "  Hello  " << "DoneButton" << "5/20" << "enabled" << "Hello";
    QTest::newRow("spaces only") << "" << 20 << "   " << "DoneButton" << "0/20" << "disabled" << "";
    QTest::newRow("nothing typed") << "" << 20 << "" << "DoneButton" << "0/20" << "disabled" << "";
    QTest::newRow("opened too long")
        << "abcdefghijklmnopqrstuvwxyz" << 20 << "" << "DoneButton" << "20/20" << "enabled"
        << "abcdefghijklmnopqrst";
    QTest::newRow("edited text trimmed") << " Hi " << 20 << "!" << "DoneButton" << "4/20" << "enabled"
                                         << "Hi !";
    QTest::newRow("opened with control character")
        << QString("a") + QChar(0x01) + "b" << 20 << "" << "DoneButton" << "2/20" << "enabled" << "ab";
    QTest::newRow("no limit") << QString(30, 'w') << 0 << "" << "DoneButton" << "30" << "enabled"
                              << QString(30, 'w');
    QTest::newRow("cancel") << "Hello" << 20 << "" << "CancelButton" << "5/20" << "enabled" << "";
    // What a person sees counts: an emoji, a flag, a letter and its accent.
    const QString party = QString::fromUtf8("\xF0\x9F\x8E\x89");
    const QString flag = QString::fromUtf8("\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA");
    const QString accented = QString("e") + QChar(0x0301);
    QTest::newRow("two flags count twice")
        << flag + flag << 20 << "" << "DoneButton" << "2/20" << "enabled" << flag + flag;
    QTest::newRow("emoji, flag and accent count once")
        << "Hi " + party + flag + accented << 20 << "" << "DoneButton" << "6/20" << "enabled"
        << "Hi " + party + flag + accented;
    QTest::newRow("opened too long, cut between emoji")
        << party + party + party << 2 << "" << "DoneButton" << "2/2" << "enabled" << party + party;
}

void TstDialogs::textSceneDialogCountsAndEmitsTrimmedText()
{
    QFETCH(QString, initial);
    QFETCH(int, limit);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, counter);
    QFETCH(QString, doneClass);
    QFETCH(QString, emitted);

    QPointer<TextSceneDialog> dialog = new TextSceneDialog(nullptr, initial, limit);
    QSignalSpy spy(dialog.data(), &TextSceneDialog::textEntered);
    dialog->show();
    QTest::keyClicks(dialog->findChild<LimitedTextEdit*>("TextEdit"), typed);
    const auto header = dialog->findChild<QLabel*>("HeaderLabel")->text();
    QCOMPARE(header, initial.isEmpty() ? QString("Add Text Scene") : QString("Edit Text Scene"));
    QCOMPARE(dialog->findChild<QLabel*>("UsedLenLabel")->text(), counter);
    auto* done = dialog->findChild<QPushButton*>("DoneButton");
    QCOMPARE(done->property("class").toString(), doneClass);
    QCOMPARE(dialog->findChild<LimitedTextEdit*>("TextEdit")->accessibleName(),
             QString("Type your text here..."));
    QCOMPARE(done->accessibleName(), done->text());
    saveShot(dialog, QString("textscenedialog-") + QTest::currentDataTag());

    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    deleteLaterNow();
    QCOMPARE(spy.count(), emitted.isEmpty() ? 0 : 1);
    if (!emitted.isEmpty())
        QCOMPARE(spy.at(0).at(0).toString(), emitted);
    const bool staysOpen = button == "DoneButton" && emitted.isEmpty();
    QCOMPARE(!dialog.isNull(), staysOpen);
    delete dialog;
}

void TstDialogs::textSceneDialogByKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("emitted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("editorFocused");
    QTest::newRow("Ctrl+Return confirms") << int(Qt::Key_Return) << int(Qt::ControlModifier) << "Hello"
                                          << "Hello" << false;
    QTest::newRow("Ctrl+Enter confirms") << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier)
                                         << "Hello" << "Hello" << false;
    QTest::newRow("Return makes a new line") << int(Qt::Key_Return) << int(Qt::NoModifier) << ""
                                             << "Hello\n" << true;
    QTest::newRow("Tab leaves the editor") << int(Qt::Key_Tab) << int(Qt::NoModifier) << "" << "Hello"
                                           << false;
}

void TstDialogs::textSceneDialogByKeyboard()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, emitted);
    QFETCH(QString, text);
    QFETCH(bool, editorFocused);
    QPointer<TextSceneDialog> dialog = new TextSceneDialog(nullptr, QString(), 20);
    QSignalSpy spy(dialog.data(), &TextSceneDialog::textEntered);
    dialog->show();
    QApplication::setActiveWindow(dialog);
    auto* edit = dialog->findChild<LimitedTextEdit*>("TextEdit");
    edit->setFocus();
    QTest::keyClicks(edit, "Hello");
    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(spy.count(), emitted.isEmpty() ? 0 : 1);
    if (!emitted.isEmpty())
        QCOMPARE(spy.at(0).at(0).toString(), emitted);
    if (dialog) {
        QCOMPARE(edit->toPlainText(), text);
        QCOMPARE(edit->hasFocus(), editorFocused);
    }
    deleteLaterNow();
    QCOMPARE(dialog.isNull(), !emitted.isEmpty());
    delete dialog;
}

void TstDialogs::fileDialogsAreReadableAndStartInPlace_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("folder");
    QTest::newRow("pictures") << int(FileKind::Pictures) << "Pictures";
    QTest::newRow("folder of pictures") << int(FileKind::PictureFolder) << "Pictures";
    QTest::newRow("music") << int(FileKind::Music) << "Music";
    QTest::newRow("result folder") << int(FileKind::ResultFolder) << "Videos";
}

// The pages' style sheets (white text) must not reach into the file dialog.
void TstDialogs::fileDialogsAreReadableAndStartInPlace()
{
    QFETCH(int, kind);
    QFETCH(QString, folder);
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
    for (const char* name : {"Pictures", "Music", "Videos"})
        QDir(home.path()).mkpath(name);
    QWidget page;
    page.setStyleSheet("QLabel { color: white; font-size: 14pt; } QPushButton { color: white; }");
    page.show();
    const std::unique_ptr<QFileDialog> dialog =
        makeFileDialog(&page, FileKind(kind), "Choose", "(*.jpg)");
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(QDir(dialog->directory()).absolutePath(), QDir(home.filePath(folder)).absolutePath());
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    QVERIFY(!labels.isEmpty());
    for (QLabel* label : labels) {
        if (label->text().isEmpty() || !label->isVisible())
            continue;
        const QImage shot = label->grab().toImage();
        // The text stands out from what is behind it: dark on light or light on dark.
        const int text = qGray(label->palette().color(QPalette::WindowText).rgb());
        const int ground = qGray(shot.pixel(0, 0));
        QVERIFY2(qAbs(text - ground) > 100, qPrintable(label->text()));
    }
    dialog->close();
    qputenv("HOME", oldHome);
}

void TstDialogs::messageDialogShowsTextsAndCloses_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("buttonText");
    QTest::addColumn<QString>("shownButton");
    QTest::addColumn<bool>("waited");

    QTest::newRow("own button text")
        << "Missed image files will be skipped." << "Continue" << "Continue" << false;
    QTest::newRow("empty button text") << "Missed audio file will be skipped." << "" << "OK" << false;
    QTest::newRow("long message wraps")
        << QString("This theme could not be loaded because a file is missing. ").repeated(6) << "OK"
        << "OK" << false;
    QTest::newRow("waited for with exec") << "Missed image files will be skipped." << "" << "OK" << true;
}

void TstDialogs::messageDialogShowsTextsAndCloses()
{
    QFETCH(QString, message);
    QFETCH(QString, buttonText);
    QFETCH(QString, shownButton);
    QFETCH(bool, waited);

    QPointer<MessageDialog> dialog = new MessageDialog(nullptr, message, buttonText);
    dialog->show();
    QCOMPARE(dialog->windowTitle(), QString("Dialog"));
    QVERIFY(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog->findChild<QLabel*>("MessageDialogText")->text(), message);
    auto* ok = dialog->findChild<QPushButton*>("OkButton");
    QCOMPARE(ok->text(), shownButton);
    QCOMPARE(ok->accessibleName(), shownButton);
    QVERIFY2(dialog->width() <= 600, qPrintable(QString::number(dialog->width())));
    saveShot(dialog, QString("messagedialog-") + QTest::currentDataTag());

    if (waited) {
        QTimer::singleShot(0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
        QCOMPARE(dialog->exec(), int(QDialog::Accepted));
    } else {
        QTest::mouseClick(ok, Qt::LeftButton);
    }
    QVERIFY(!dialog->isVisible());
    deleteLaterNow();
    QVERIFY(dialog.isNull());
}

void TstDialogs::backdropDimsWhileDialogIsOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("resizeTo");

    QTest::newRow("message dialog") << "message" << QSize();
    QTest::newRow("text scene dialog") << "text" << QSize();
    QTest::newRow("base dialog") << "base" << QSize();
    QTest::newRow("window grows while open") << "message" << QSize(1000, 700);
    QTest::newRow("window shrinks while open") << "text" << QSize(500, 400);
}

void TstDialogs::backdropDimsWhileDialogIsOpen()
{
    QFETCH(QString, kind);
    QFETCH(QSize, resizeTo);

    QWidget window;
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(windowColour));
    window.resize(800, 600);
    const QColor dim(0, 0, 0, 64);
    auto* backdrop = new BackdropOverlay(&window, dim);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!backdrop->isVisible());

    QPointer<QDialog> dialog;
    if (kind == "message")
        dialog = new MessageDialog(&window, "Message", "OK");
    else if (kind == "text")
        dialog = new TextSceneDialog(&window, "", 20);
    else
        dialog = new BaseDialog(&window, "Cancel", "Done", "Title");
    dialog->setModal(true);
    dialog->show();
    QCoreApplication::processEvents();
    if (resizeTo.isValid())
        window.resize(resizeTo);
    QCoreApplication::processEvents();

    QVERIFY(backdrop->isVisible());
    QCOMPARE(backdrop->geometry(), window.rect());
    const QPoint corner(window.width() - 3, window.height() - 3);
    QVERIFY(near(pixelAt(&window, corner), blend(windowColour, dim)));
    saveShot(&window, QString("backdrop-") + QTest::currentDataTag());

    dialog->close();
    dialog->deleteLater();
    deleteLaterNow();
    QVERIFY(dialog.isNull());
    QVERIFY(!backdrop->isVisible());
    QVERIFY(near(pixelAt(&window, corner), windowColour));
}

void TstDialogs::baseDialogElidesButtonTexts_data()
{
    QTest::addColumn<QString>("cancelText");
    QTest::addColumn<QString>("doneText");
    QTest::addColumn<bool>("cancelElided");
    QTest::addColumn<bool>("doneElided");

    const QString longText = "Leave this theme and go back to the list of all themes";
    QTest::newRow("short texts") << "Cancel" << "Retry" << false << false;
    QTest::newRow("long cancel") << longText << "Retry" << true << false;
    QTest::newRow("long done") << "Cancel" << longText << false << true;
    QTest::newRow("both long") << longText << longText << true << true;
    QTest::newRow("no cancel") << "" << longText << false << true;
}

void TstDialogs::baseDialogElidesButtonTexts()
{
    QFETCH(QString, cancelText);
    QFETCH(QString, doneText);
    QFETCH(bool, cancelElided);
    QFETCH(bool, doneElided);

    // A dialog with no button texts keeps the buttons where the form put them.
    BaseDialog plain(nullptr, "", "", "Title");
    const QRect cancelBefore = plain.findChild<QPushButton*>("CancelBtn")->geometry();
    const QRect doneBefore = plain.findChild<QPushButton*>("DoneBtn")->geometry();
    const int barWidth = plain.findChild<QWidget*>("ButtonsBar")->width();

    BaseDialog dialog(nullptr, cancelText, doneText, "Title");
    auto* cancel = dialog.findChild<QPushButton*>("CancelBtn");
    auto* done = dialog.findChild<QPushButton*>("DoneBtn");
    const QString ellipsis(QChar(0x2026));
    saveShot(&dialog, QString("basedialog-") + QTest::currentDataTag());

    QCOMPARE(cancel->isHidden(), cancelText.isEmpty());
    if (!cancelText.isEmpty()) {
        QCOMPARE(cancel->text().endsWith(ellipsis), cancelElided);
        QVERIFY(cancelText.startsWith(cancel->text().remove(ellipsis)));
        QVERIFY(cancel->fontMetrics().horizontalAdvance(cancel->text()) <= cancelBefore.x() - 8);
        QCOMPARE(cancel->geometry().right(), cancelBefore.right());
        QCOMPARE(cancel->accessibleName(), cancelText); // a screen reader reads it whole
    }
    QCOMPARE(done->accessibleName(), doneText);
    QCOMPARE(done->text().endsWith(ellipsis), doneElided);
    QVERIFY(doneText.startsWith(done->text().remove(ellipsis)));
    QVERIFY(done->fontMetrics().horizontalAdvance(done->text())
            <= barWidth - doneBefore.x() - doneBefore.width() - 8);
    QCOMPARE(done->x(), doneBefore.x());
    QVERIFY(done->geometry().right() < barWidth);
    QVERIFY(cancel->x() >= 0);
}

void TstDialogs::baseDialogEmitsAndHoldsContent_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QSize>("contentSize");
    QTest::addColumn<int>("doneCount");
    QTest::addColumn<int>("cancelCount");

    QTest::newRow("done, wide content") << "DoneBtn" << QSize(640, 80) << 1 << 0;
    QTest::newRow("cancel, small content") << "CancelBtn" << QSize(100, 40) << 0 << 1;
}

void TstDialogs::baseDialogEmitsAndHoldsContent()
{
    QFETCH(QString, button);
    QFETCH(QSize, contentSize);
    QFETCH(int, doneCount);
    QFETCH(int, cancelCount);

    BaseDialog dialog(nullptr, "Cancel", "Retry", "Title");
    auto* content = new QWidget;
    content->setFixedSize(contentSize);
    dialog.setContent(content);
    dialog.show();
    QCOMPARE(content->parentWidget(), dialog.findChild<QWidget*>("ContentArea"));
    QVERIFY2(dialog.width() >= contentSize.width(), qPrintable(QString::number(dialog.width())));
    QCOMPARE(dialog.mask().boundingRect(), dialog.rect());

    QSignalSpy done(&dialog, &BaseDialog::done);
    QSignalSpy cancel(&dialog, &BaseDialog::cancel);
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(done.count(), doneCount);
    QCOMPARE(cancel.count(), cancelCount);
}

void TstDialogs::overlayCoversItsParent_data()
{
    QTest::addColumn<bool>("reparent");
    QTest::addColumn<QSize>("resizeTo");

    QTest::newRow("parent grows") << false << QSize(900, 500);
    QTest::newRow("parent shrinks") << false << QSize(200, 100);
    QTest::newRow("new parent grows") << true << QSize(640, 480);
}

void TstDialogs::overlayCoversItsParent()
{
    QFETCH(bool, reparent);
    QFETCH(QSize, resizeTo);

    QWidget first;
    first.resize(400, 300);
    first.show();
    QWidget second;
    second.resize(320, 200);
    second.show();
    auto* overlay = new OverlayWidget(&first);
    QCOMPARE(overlay->size(), first.size());
    QWidget* parent = &first;
    if (reparent) {
        overlay->setParent(&second);
        parent = &second;
    }
    parent->resize(resizeTo);
    QCOMPARE(overlay->size(), resizeTo);
    first.resize(50, 50); // a former parent no longer moves it
    QCOMPARE(overlay->size(), parent->size());
}

void TstDialogs::roundedMaskClearsCorners_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("radius");

    QTest::newRow("dialog") << QSize(400, 300) << 20;
    QTest::newRow("tile") << QSize(150, 150) << 7;
    QTest::newRow("separator row") << QSize(600, 30) << 7;
}

void TstDialogs::roundedMaskClearsCorners()
{
    QFETCH(QSize, size);
    QFETCH(int, radius);

    const QBitmap mask = roundedMask(size.width(), size.height(), radius);
    QCOMPARE(mask.size(), size);
    const QRegion kept(mask);
    const int w = size.width() - 1;
    const int h = size.height() - 1;
    for (const QPoint& corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
        QVERIFY(!kept.contains(corner));
    for (const QPoint& edge : {QPoint(w / 2, 0), QPoint(0, h / 2), QPoint(w / 2, h), QPoint(w, h / 2)})
        QVERIFY(kept.contains(edge));
    QVERIFY(kept.contains(QPoint(w / 2, h / 2)));
}

QTEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
