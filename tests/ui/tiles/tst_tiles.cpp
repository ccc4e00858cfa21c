#include "common/imedia.h"
#include "common/iscenemedia.h"
#include "common/textmediabase.h"
#include "core/thumbgenerator.h"
#include "core/tmplpathmanager.h"
#include "ui/tiles/imageslideform.h"
#include "ui/tiles/mediaform.h"
#include "ui/tiles/mediahover.h"
#include "ui/tiles/textslideform.h"
#include "ui/tiles/thumbform.h"

#include <QDialog>
#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

enum Corner { TopLeft, TopRight, BottomRight, BottomLeft };

/// A 300 x 200 blue picture whose top-left quarter is red, so turns show.
QString cornerPicture(const QTemporaryDir& dir, const QString& name)
{
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, 150, 100, Qt::red);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

Corner redCorner(const QImage& image)
{
    const int r = image.width() - 5, b = image.height() - 5;
    const QList<QPoint> points{{5, 5}, {r, 5}, {r, b}, {5, b}};
    for (int i = 0; i < points.size(); ++i) {
        if (QColor(image.pixel(points[i])).red() > 200)
            return Corner(i);
    }
    return Corner(-1);
}

QPushButton* button(QWidget* tile, const char* name)
{
    return tile->findChild<QPushButton*>(QLatin1String(name));
}

QSharedPointer<QImage> filledImage(int side, QColor colour)
{
    auto image = QSharedPointer<QImage>::create(side, side, QImage::Format_ARGB32);
    image->fill(colour);
    return image;
}

void answer(SlideForm& tile, QSharedPointer<QImage> image)
{
    emit ThumbGenerator::instance()->generated(tile.task(), image);
}

TextMediaBase* textMedia(const QString& slideBg)
{
    IMedia::shadow_t shadow;
    shadow.offsetX = 0.02f;
    shadow.blurRadius = 0.1f;
    shadow.alpha = 140;
    return new TextMediaBase({}, 1.7778f, slideBg, QStringLiteral("Sans,SansSerif,40,#fffaf0"),
                             0.8f, 0.8f, shadow, IMedia::VCenter, IMedia::HCenter, QString());
}

/// Yellow pixels of the broken-picture mark.
int markPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 200 && c.green() > 150 && c.blue() < 80;
        }
    }
    return count;
}

} // namespace

class TestTiles : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString picture;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        picture = cornerPicture(dir, QStringLiteral("corner.png"));
        TmplPathManager::setSearchFolders({dir.path() + "/"});
        QDir(dir.path()).mkpath(QStringLiteral("5"));
        QImage bg(320, 180, QImage::Format_RGB32);
        bg.fill(QColor(40, 90, 160));
        bg.save(dir.filePath(QStringLiteral("5/slide-bg.png")));
    }

    void init() { ThumbGenerator::instance()->resumeFullStage(); }

    void rotationAccumulatesAndShowsTurned_data()
    {
        QTest::addColumn<int>("lefts");
        QTest::addColumn<int>("rights");
        QTest::addColumn<bool>("beforeArrival");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<int>("corner");
        QTest::newRow("unturned") << 0 << 0 << false << 0 << int(TopLeft);
        QTest::newRow("one right") << 0 << 1 << false << 1 << int(TopRight);
        QTest::newRow("one left") << 1 << 0 << false << -1 << int(BottomLeft);
        QTest::newRow("two left") << 2 << 0 << false << -2 << int(BottomRight);
        QTest::newRow("three left") << 3 << 0 << false << -3 << int(TopRight);
        QTest::newRow("four right") << 0 << 4 << false << 4 << int(TopLeft);
        QTest::newRow("left then right") << 1 << 1 << false << 0 << int(TopLeft);
        QTest::newRow("turned before the picture came") << 0 << 1 << true << 1 << int(TopRight);
    }
    void rotationAccumulatesAndShowsTurned()
    {
        QFETCH(int, lefts);
        QFETCH(int, rights);
        QFETCH(bool, beforeArrival);
        QFETCH(int, rotation);
        QFETCH(int, corner);
        ImageSlideForm tile(nullptr, picture, 0);
        auto turn = [&] {
            for (int i = 0; i < lefts; ++i)
                button(&tile, "rotateLeftButton")->click();
            for (int i = 0; i < rights; ++i)
                button(&tile, "rotateRightButton")->click();
        };
        if (beforeArrival)
            turn();
        QTRY_VERIFY(!tile.thumb()->shown().isNull());
        if (!beforeArrival)
            turn();
        QCOMPARE(tile.rotation(), rotation);
        const QImage shown = tile.thumb()->shown().toImage();
        const bool odd = rotation % 2 != 0;
        QCOMPARE(shown.width() > shown.height(), !odd);
        QCOMPARE(int(redCorner(shown)), corner);
    }

    void hoverButtonsShowOnlyOverOwnPicture_data()
    {
        QTest::addColumn<bool>("text");
        QTest::addColumn<QString>("hovered");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<bool>("removeShown");
        QTest::addColumn<bool>("rotateShown");
        const QPoint inPicture(80, 80), onFrame(4, 80);
        QTest::newRow("picture, over it") << false << "self" << inPicture << true << true;
        QTest::newRow("text, over it") << true << "self" << inPicture << true << false;
        QTest::newRow("own tile, on the frame") << false << "self" << onFrame << false << false;
        QTest::newRow("another tile hovered") << false << "other" << inPicture << false << false;
        QTest::newRow("no tile hovered") << false << "none" << inPicture << false << false;
    }
    void hoverButtonsShowOnlyOverOwnPicture()
    {
        QFETCH(bool, text);
        QFETCH(QString, hovered);
        QFETCH(QPoint, cursor);
        QFETCH(bool, removeShown);
        QFETCH(bool, rotateShown);
        std::unique_ptr<SlideForm> tile;
        if (text)
            tile.reset(new TextSlideForm(nullptr, QStringLiteral("Hello"), 70));
        else
            tile.reset(new ImageSlideForm(nullptr, picture, 0));
        QWidget other;
        tile->show();
        QVERIFY(QTest::qWaitForWindowExposed(tile.get()));
        QWidget* removeButton = button(tile.get(), "removeButton");
        QVERIFY(!removeButton->isVisible());
        // Shown first, so that the rows that hide have something to hide.
        QCursor::setPos(tile->mapToGlobal(QPoint(80, 80)));
        emit MediaHover::instance()->slideHovered(tile.get());
        QVERIFY(removeButton->isVisible());

        QCursor::setPos(tile->mapToGlobal(cursor));
        QWidget* target = hovered == "self" ? tile.get() : hovered == "other" ? &other : nullptr;
        emit MediaHover::instance()->slideHovered(target);
        QCOMPARE(removeButton->isVisible(), removeShown);
        QCOMPARE(button(tile.get(), "rotateLeftButton")->isVisible(), rotateShown);
        QCOMPARE(button(tile.get(), "rotateRightButton")->isVisible(), rotateShown);
    }

    // Buttons show on one tile at a time, also when a tile missed its Leave
    // because a click or a dialog took the mouse.
    void hoverButtonsNeverOnTwoTiles_data()
    {
        QTest::addColumn<QString>("then");
        QTest::newRow("the mouse enters another tile") << "enter other";
        QTest::newRow("a dialog opens") << "dialog";
    }
    void hoverButtonsNeverOnTwoTiles()
    {
        QFETCH(QString, then);
        ThumbGenerator::instance()->pauseFullStage();
        MediaForm area;
        SlideForm* first = area.addImageSlide(picture, 0);
        SlideForm* second = area.addImageSlide(picture, 0);
        area.show();
        QApplication::setActiveWindow(&area);
        QVERIFY(QTest::qWaitForWindowActive(&area));
        auto enter = [](SlideForm* tile) {
            QWidget* picturePart = tile->findChild<QWidget*>("ItemThumbnail");
            QCursor::setPos(picturePart->mapToGlobal(picturePart->rect().center()));
            QEvent event(QEvent::Enter);
            QApplication::sendEvent(picturePart, &event);
        };
        enter(first);
        QVERIFY(button(first, "removeButton")->isVisible());
        QDialog dialog;
        if (then == "dialog") {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
        } else {
            enter(second);
            QVERIFY(button(second, "removeButton")->isVisible());
        }
        QVERIFY(!button(first, "removeButton")->isVisible());
    }

    void answersForOtherTasksAreIgnored_data()
    {
        QTest::addColumn<QString>("pathSuffix");
        QTest::addColumn<int>("extraHeight");
        QTest::addColumn<int>("extraWidth");
        QTest::addColumn<bool>("taken");
        QTest::newRow("own task") << "" << 0 << 0 << true;
        QTest::newRow("other path") << "x" << 0 << 0 << false;
        QTest::newRow("other height") << "" << 1 << 0 << false;
        QTest::newRow("other width") << "" << 0 << 1 << false;
    }
    void answersForOtherTasksAreIgnored()
    {
        QFETCH(QString, pathSuffix);
        QFETCH(int, extraHeight);
        QFETCH(int, extraWidth);
        QFETCH(bool, taken);
        ThumbGenerator::instance()->pauseFullStage();
        ImageSlideForm tile(nullptr, dir.filePath(QStringLiteral("absent.jpg")), 0);
        ImageSlideForm twin(nullptr, tile.value(), 0);
        const ThumbGeneratorTask own = tile.task();
        QCOMPARE(own.width, ThumbForm::side * tile.devicePixelRatio());
        const ThumbGeneratorTask sent(own.path + pathSuffix, own.height + extraHeight,
                                      own.width + extraWidth);
        emit ThumbGenerator::instance()->generated(sent, filledImage(150, Qt::green));
        QCOMPARE(!tile.thumb()->shown().isNull(), taken);
        QCOMPARE(!twin.thumb()->shown().isNull(), taken);
        // A null picture for another task must not mark this one broken.
        emit ThumbGenerator::instance()->generated(sent, QSharedPointer<QImage>::create());
        QCOMPARE(tile.isBroken(), taken);
    }

    void unreadablePictureShowsBrokenMark_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("broken");
        QTest::newRow("full stage null") << QStringList{"null"} << true;
        QTest::newRow("preview, then full stage null") << QStringList{"good", "null"} << true;
        QTest::newRow("null, then a good answer") << QStringList{"null", "good"} << false;
        QTest::newRow("good") << QStringList{"good"} << false;
        QTest::newRow("unreadable file, real service") << QStringList{} << true;
    }
    void unreadablePictureShowsBrokenMark()
    {
        QFETCH(QStringList, answers);
        QFETCH(bool, broken);
        const QString path = dir.filePath(QStringLiteral("junk-%1.jpg").arg(QTest::currentDataTag()));
        QFile junk(path);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture at all");
        junk.close();
        if (!answers.isEmpty())
            ThumbGenerator::instance()->pauseFullStage();
        ImageSlideForm tile(nullptr, path, 0);
        for (const QString& kind : answers)
            answer(tile, kind == "good" ? filledImage(150, Qt::green) : QSharedPointer<QImage>::create());
        QTRY_COMPARE(tile.isBroken(), broken);
        QCOMPARE(tile.toolTip().contains("cannot be read"), broken);
        QCOMPARE(tile.thumb()->shown().isNull(), broken);
        QCOMPARE(markPixels(tile.thumb()->grab().toImage()) > 20, broken);
    }

    // Answers for the same picture come from several requesters' workers; a
    // stored preview arriving after the full picture must not replace it.
    void aLatePreviewKeepsTheFullPicture()
    {
        ThumbGenerator::instance()->pauseFullStage();
        ImageSlideForm tile(nullptr, picture, 0);
        answer(tile, filledImage(150, Qt::green));
        emit ThumbGenerator::instance()->completed(tile.task());
        answer(tile, filledImage(150, Qt::red));
        const QImage shown = tile.thumb()->shown().toImage();
        QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::green));
    }

    void mediaValueCarriesValueAndTurns_data()
    {
        QTest::addColumn<bool>("text");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<int>("lefts");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<int>("expectedRotation");
        QTest::newRow("picture") << false << "/photos/a b.jpg" << 0 << 0 << "" << 0;
        QTest::newRow("picture, three left") << false << "/p/c.jpg" << 0 << 3 << "" << -3;
        QTest::newRow("picture, turned already") << false << "/p/d.png" << 5 << 1 << "" << 4;
        QTest::newRow("text") << true << "Line one\nline two" << 0 << 0 << "" << 0;
        QTest::newRow("text, edited") << true << "Old" << 0 << 0 << "New words" << 0;
    }
    void mediaValueCarriesValueAndTurns()
    {
        QFETCH(bool, text);
        QFETCH(QString, value);
        QFETCH(int, rotation);
        QFETCH(int, lefts);
        QFETCH(QString, edited);
        QFETCH(int, expectedRotation);
        ThumbGenerator::instance()->pauseFullStage();
        std::unique_ptr<SlideForm> tile;
        if (text) {
            auto* textTile = new TextSlideForm(nullptr, value, 70);
            tile.reset(textTile);
            if (!edited.isEmpty())
                textTile->setText(edited);
        } else {
            tile.reset(new ImageSlideForm(nullptr, value, rotation));
        }
        for (int i = 0; i < lefts; ++i)
            button(tile.get(), "rotateLeftButton")->click();
        const std::unique_ptr<ISceneMedia> media(tile->mediaValue());
        const QString expected = edited.isEmpty() ? value : edited;
        if (text) {
            auto* textValue = dynamic_cast<ITextMediaVal*>(media.get());
            QVERIFY(textValue);
            QCOMPARE(QString::fromStdWString(textValue->GetText()), expected);
            QCOMPARE(tile->kind(), int(SlideForm::Text));
        } else {
            auto* imageValue = dynamic_cast<IImgMediaVal*>(media.get());
            QVERIFY(imageValue);
            QCOMPARE(QString::fromStdWString(imageValue->GetSrc()), expected);
            QCOMPARE(imageValue->GetRotation(), expectedRotation);
            QCOMPARE(tile->kind(), int(SlideForm::Picture));
        }
    }

    void deletingTileWithdrawsRequest_data()
    {
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("twin");
        QTest::newRow("picture") << false << false;
        QTest::newRow("picture with a twin") << false << true;
        QTest::newRow("text") << true << false;
        QTest::newRow("text with a twin") << true << true;
    }
    void deletingTileWithdrawsRequest()
    {
        QFETCH(bool, text);
        QFETCH(bool, twin);
        ThumbGenerator* generator = ThumbGenerator::instance();
        generator->pauseFullStage();
        const std::unique_ptr<TextMediaBase> media(textMedia(QStringLiteral("slide-bg.png")));
        auto make = [&]() -> SlideForm* {
            if (!text)
                return new ImageSlideForm(nullptr, picture, 0);
            auto* tile = new TextSlideForm(nullptr, QStringLiteral("Hi"), 70);
            tile->setScene(5, media.get());
            return tile;
        };
        std::unique_ptr<SlideForm> tile(make());
        std::unique_ptr<SlideForm> other(twin ? make() : nullptr);
        const ThumbGeneratorTask task = tile->task();
        if (text)
            QCOMPARE(task.path, dir.filePath(QStringLiteral("5/slide-bg.png")));
        QCOMPARE(generator->queuedFullTasks().count(task), twin ? 2 : 1);
        tile.reset();
        QCOMPARE(generator->queuedFullTasks().count(task), twin ? 1 : 0);
        other.reset();
        QCOMPARE(generator->queuedFullTasks().count(task), 0);
    }

    void dragStartCarriesMimeType_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("extra");
        QTest::addColumn<bool>("dragged");
        QTest::newRow("left, far enough") << int(Qt::LeftButton) << 0 << true;
        QTest::newRow("left, further") << int(Qt::LeftButton) << 20 << true;
        QTest::newRow("left, too short") << int(Qt::LeftButton) << -1 << false;
        QTest::newRow("right button") << int(Qt::RightButton) << 20 << false;
    }
    void dragStartCarriesMimeType()
    {
        QFETCH(int, button);
        QFETCH(int, extra);
        QFETCH(bool, dragged);
        ThumbGenerator::instance()->pauseFullStage();
        ImageSlideForm tile(nullptr, picture, 0);
        const QPoint start(60, 70);
        const QPoint end = start + QPoint(QApplication::startDragDistance() + extra, 0);
        const auto b = Qt::MouseButton(button);
        QMouseEvent press(QEvent::MouseButtonPress, start, b, b, Qt::NoModifier);
        QApplication::sendEvent(&tile, &press);
        QMouseEvent move(QEvent::MouseMove, end, Qt::NoButton, b, Qt::NoModifier);
        QApplication::sendEvent(&tile, &move);
        // The drag is released later by the event loop: look before that.
        auto* drag = tile.findChild<QDrag*>();
        QCOMPARE(drag != nullptr, dragged);
        if (!drag)
            return;
        QVERIFY(drag->mimeData()->hasFormat(QLatin1String(MediaForm::dragMimeType)));
        QVERIFY(drag->mimeData()->data(QLatin1String(MediaForm::dragMimeType)).isEmpty());
        QCOMPARE(drag->hotSpot(), start - QPoint(12, 12));
        QCOMPARE(drag->pixmap().width(), ThumbForm::side * tile.devicePixelRatio());
    }

    void areaKnowsWhichTileIsDragged_data()
    {
        QTest::addColumn<int>("dragged");
        QTest::addColumn<QString>("order");
        QTest::newRow("first tile to the end") << 0 << "b c a";
        QTest::newRow("middle tile to the end") << 1 << "a c b";
    }
    void areaKnowsWhichTileIsDragged()
    {
        QFETCH(int, dragged);
        QFETCH(QString, order);
        ThumbGenerator::instance()->pauseFullStage();
        MediaForm area;
        for (const char* name : {"a", "b", "c"})
            area.addTextSlide(QString::fromLatin1(name), 70);
        area.resize(800, 400);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QWidget* tile = area.slides().at(dragged);
        QMouseEvent press(QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tile, &press);
        QMouseEvent move(QEvent::MouseMove, {90, 50}, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tile, &move);
        // The drop carries no source widget: only the tile's report tells
        // the area what moves.
        QMimeData data;
        data.setData(MediaForm::dragMimeType, QByteArray());
        QDropEvent drop(QPoint(790, 390), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject&>(area).event(&drop);
        QStringList texts;
        for (QWidget* w : area.slides())
            texts << static_cast<TextSlideForm*>(w)->text();
        QCOMPARE(texts.join(' '), order);
    }

    void setActiveFadesPicture_data()
    {
        QTest::addColumn<QList<bool>>("states");
        QTest::addColumn<int>("alpha");
        QTest::newRow("active") << QList<bool>{true} << 255;
        QTest::newRow("inactive") << QList<bool>{false} << 127;
        QTest::newRow("inactive, twice") << QList<bool>{false, false} << 127;
        QTest::newRow("inactive, then active") << QList<bool>{false, true} << 255;
    }
    void setActiveFadesPicture()
    {
        QFETCH(QList<bool>, states);
        QFETCH(int, alpha);
        ThumbGenerator::instance()->pauseFullStage();
        ImageSlideForm tile(nullptr, picture, 1);
        answer(tile, filledImage(150, Qt::green));
        for (bool active : states)
            tile.thumb()->setActive(active);
        QCOMPARE(tile.thumb()->isActive(), states.last());
        const QImage shown = tile.thumb()->shown().toImage();
        QVERIFY(qAbs(shown.pixelColor(75, 75).alpha() - alpha) <= 1);
        QCOMPARE(shown.pixelColor(75, 75).green() > 0, true);
    }

    void textTileShowsTextOverSceneBackground_data()
    {
        QTest::addColumn<bool>("withScene");
        QTest::addColumn<bool>("themeReplaced");
        QTest::addColumn<QString>("background");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QColor>("corner");
        const QColor scene(40, 90, 160), panel(0x2E, 0x37, 0x45);
        QTest::newRow("before the layout run") << false << false << "slide-bg.png" << false << QColor();
        QTest::newRow("after setScene") << true << false << "slide-bg.png" << true << scene;
        QTest::newRow("theme replaced before the answer") << true << true << "slide-bg.png" << true << scene;
        QTest::newRow("background unreadable") << true << false << "missing.png" << true << panel;
    }
    void textTileShowsTextOverSceneBackground()
    {
        QFETCH(bool, withScene);
        QFETCH(bool, themeReplaced);
        QFETCH(QString, background);
        QFETCH(bool, picture);
        QFETCH(QColor, corner);
        std::unique_ptr<TextMediaBase> media(textMedia(background));
        TextSlideForm tile(nullptr, QStringLiteral("Hello there"), 70);
        if (withScene)
            tile.setScene(5, media.get());
        if (themeReplaced)
            media.reset();
        QTest::qWait(200);
        QTRY_COMPARE(!tile.thumb()->shown().isNull(), picture);
        if (!picture)
            return;
        const QImage shown = tile.thumb()->shown().toImage();
        int textPixels = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                textPixels += shown.pixelColor(x, y).red() > 200;
        QVERIFY(textPixels > 50);
        QCOMPARE(shown.pixelColor(2, 2), corner);
        QVERIFY(!tile.isBroken());
    }

    void textTileClickAsksForEdit_data()
    {
        QTest::addColumn<bool>("text");
        QTest::addColumn<int>("requests");
        QTest::newRow("text tile") << true << 1;
        QTest::newRow("picture tile") << false << 0;
    }
    void textTileClickAsksForEdit()
    {
        QFETCH(bool, text);
        QFETCH(int, requests);
        ThumbGenerator::instance()->pauseFullStage();
        TextSlideForm textTile(nullptr, QStringLiteral("Hi"), 70);
        ImageSlideForm imageTile(nullptr, picture, 0);
        SlideForm* tile = text ? static_cast<SlideForm*>(&textTile) : &imageTile;
        QSignalSpy spy(&textTile, &TextSlideForm::editRequested);
        QTest::mouseClick(tile->thumb(), Qt::LeftButton, {}, QPoint(75, 75));
        QCOMPARE(spy.count(), requests);
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<QDialog*>(top));
    }

    void keysWorkTheTile_data()
    {
        QTest::addColumn<bool>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<int>("removes");
        QTest::addColumn<int>("edits");
        QTest::newRow("picture, [") << false << int(Qt::Key_BracketLeft) << -1 << 0 << 0;
        QTest::newRow("picture, ]") << false << int(Qt::Key_BracketRight) << 1 << 0 << 0;
        QTest::newRow("picture, Delete") << false << int(Qt::Key_Delete) << 0 << 1 << 0;
        QTest::newRow("picture, Enter") << false << int(Qt::Key_Return) << 0 << 0 << 0;
        QTest::newRow("text, Enter") << true << int(Qt::Key_Return) << 0 << 0 << 1;
        QTest::newRow("text, Space") << true << int(Qt::Key_Space) << 0 << 0 << 1;
        QTest::newRow("text, ]") << true << int(Qt::Key_BracketRight) << 0 << 0 << 0;
        QTest::newRow("text, Backspace") << true << int(Qt::Key_Backspace) << 0 << 1 << 0;
    }
    void keysWorkTheTile()
    {
        QFETCH(bool, text);
        QFETCH(int, key);
        QFETCH(int, rotation);
        QFETCH(int, removes);
        QFETCH(int, edits);
        ThumbGenerator::instance()->pauseFullStage();
        TextSlideForm textTile(nullptr, QStringLiteral("Hi"), 70);
        ImageSlideForm imageTile(nullptr, picture, 0);
        SlideForm* tile = text ? static_cast<SlideForm*>(&textTile) : &imageTile;
        QCOMPARE(tile->focusPolicy(), Qt::StrongFocus);
        QVERIFY(!tile->accessibleName().isEmpty());
        QSignalSpy removed(tile, &SlideForm::remove);
        QSignalSpy edited(&textTile, &TextSlideForm::editRequested);
        QTest::keyClick(tile, Qt::Key(key));
        QCOMPARE(tile->rotation(), rotation);
        QCOMPARE(removed.count(), removes);
        QCOMPARE(edited.count(), edits);
    }

    // Moving and removing from the keyboard; the focus stays among the tiles.
    void areaByKeyboard_data()
    {
        QTest::addColumn<int>("tile");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("focused");
        QTest::newRow("first one right") << 0 << int(Qt::Key_Right) << "BAC" << "A";
        QTest::newRow("first one left") << 0 << int(Qt::Key_Left) << "ABC" << "A";
        QTest::newRow("last one left") << 2 << int(Qt::Key_Left) << "ACB" << "C";
        QTest::newRow("last one right") << 2 << int(Qt::Key_Right) << "ABC" << "C";
        QTest::newRow("delete the middle one") << 1 << int(Qt::Key_Delete) << "AC" << "C";
        QTest::newRow("delete the last one") << 2 << int(Qt::Key_Delete) << "AB" << "B";
    }
    void areaByKeyboard()
    {
        QFETCH(int, tile);
        QFETCH(int, key);
        QFETCH(QString, order);
        QFETCH(QString, focused);
        ThumbGenerator::instance()->pauseFullStage();
        MediaForm area;
        for (const char* name : {"A", "B", "C"})
            area.addTextSlide(name, 70);
        area.show();
        QApplication::setActiveWindow(&area);
        QVERIFY(QTest::qWaitForWindowActive(&area));
        auto* chosen = qobject_cast<TextSlideForm*>(area.slides().at(tile));
        chosen->setFocus();
        QTRY_VERIFY(chosen->hasFocus());
        QSignalSpy moved(&area, &MediaForm::slidesOrderCahanged);
        const bool move = key != Qt::Key_Delete;
        QTest::keyClick(chosen, Qt::Key(key), move ? Qt::ControlModifier : Qt::NoModifier);
        QString seen;
        for (QWidget* widget : area.slides())
            seen += qobject_cast<TextSlideForm*>(widget)->text();
        QCOMPARE(seen, order);
        QCOMPARE(moved.count(), move && order != "ABC" ? 1 : 0);
        auto* now = qobject_cast<TextSlideForm*>(QApplication::focusWidget());
        QVERIFY(now);
        QCOMPARE(now->text(), focused);
        QVERIFY(chosen->toolTip().contains("Ctrl+Left"));
    }

    void areaMakesAndRemovesTiles_data()
    {
        QTest::addColumn<bool>("text");
        QTest::newRow("picture") << false;
        QTest::newRow("text") << true;
    }
    void areaMakesAndRemovesTiles()
    {
        QFETCH(bool, text);
        ThumbGenerator::instance()->pauseFullStage();
        MediaForm area;
        SlideForm* tile = text ? static_cast<SlideForm*>(area.addTextSlide("T", 70))
                               : area.addImageSlide(picture, -1);
        QCOMPARE(tile->parentWidget(), area.tileContainer());
        QCOMPARE(area.slides(), QList<QWidget*>{tile});
        QCOMPARE(tile->rotation(), text ? 0 : -1);
        QSignalSpy counts(&area, &MediaForm::slidesCountChanged);
        QPointer<SlideForm> guard(tile);
        button(tile, "removeButton")->click();
        QCOMPARE(counts.count(), 1);
        QCOMPARE(area.slidesCount(), 0);
        QTRY_VERIFY(guard.isNull());
    }
};

QTEST_MAIN(TestTiles)
#include "tst_tiles.moc"
