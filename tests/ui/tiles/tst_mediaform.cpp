#include "ui/widgets/flowlayout.h"
#include "ui/tiles/mediaform.h"
#include "ui/tiles/mediaverticalseparator.h"

#include <QMimeData>
#include <QtTest>

namespace {

const int tileSide = 174;

QWidget* tile(const QString& name)
{
    auto* w = new QWidget;
    w->setObjectName(name);
    w->setFixedSize(tileSide, tileSide);
    return w;
}

/// Eight tiles named 0 to 7 in an area four tiles wide.
struct Area
{
    MediaForm form;

    Area()
    {
        for (int i = 0; i < 8; ++i)
            form.addSlide(tile(QString::number(i)));
        // Four tiles a row: the container adds 24 px left and right to the flow's 12.
        form.resize(4 * tileSide + 24 + 48 + 40, 700);
        form.show();
        QCoreApplication::processEvents();
    }
    // Straight to the area: the application would route drag events through
    // a drag in progress, and a test has none.
    void deliver(QEvent* event) { static_cast<QObject&>(form).event(event); }
    QWidget* at(int i) const { return form.slides().at(i); }
    QString order() const
    {
        QStringList names;
        for (QWidget* w : form.slides())
            names << w->objectName();
        return names.join(' ');
    }
    /// Moves a tile drag to \a point of the container; true when accepted.
    bool dragTo(QPoint point, const char* mime = MediaForm::dragMimeType)
    {
        QMimeData data;
        data.setData(mime, QByteArray());
        QDragMoveEvent move(form.tileContainer()->mapTo(&form, point), Qt::MoveAction, &data,
                            Qt::LeftButton, Qt::NoModifier);
        deliver(&move);
        return move.isAccepted();
    }
    void dropAt(QPoint point)
    {
        QMimeData data;
        data.setData(MediaForm::dragMimeType, QByteArray());
        QDropEvent drop(form.tileContainer()->mapTo(&form, point), Qt::MoveAction, &data,
                        Qt::LeftButton, Qt::NoModifier);
        deliver(&drop);
    }
};

} // namespace

class TestMediaForm : public QObject
{
    Q_OBJECT

private slots:
    void flowWrapsAndNeedsItsHeight_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("perRow");
        QTest::newRow("four fit exactly") << 4 * tileSide + 24 << 10 << 4;
        QTest::newRow("one pixel short") << 4 * tileSide + 23 << 10 << 3;
        QTest::newRow("narrower than a tile") << 100 << 3 << 1;
        QTest::newRow("one row") << 2000 << 5 << 5;
        QTest::newRow("empty") << 500 << 0 << 1;
    }
    void flowWrapsAndNeedsItsHeight()
    {
        QFETCH(int, width);
        QFETCH(int, items);
        QFETCH(int, perRow);
        QWidget host;
        auto* flow = new FlowLayout(&host, 12, 0, 0);
        for (int i = 0; i < items; ++i)
            flow->addWidget(tile(QString::number(i)));
        const int rows = (items + perRow - 1) / perRow;
        QCOMPARE(flow->heightForWidth(width), 24 + rows * tileSide);
        flow->setGeometry(QRect(0, 0, width, 1000));
        for (int i = 0; i < items; ++i)
            QCOMPARE(flow->itemAt(i)->geometry().topLeft(),
                     QPoint(12 + (i % perRow) * tileSide, 12 + (i / perRow) * tileSide));
        QCOMPARE(flow->minimumSize(), items ? QSize(tileSide + 24, tileSide + 24) : QSize(24, 24));
    }

    void dropsMoveTiles_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("onto"); // a tile, or -1 for below the last row
        QTest::addColumn<bool>("rightHalf");
        QTest::addColumn<int>("dropIndex");
        QTest::addColumn<QString>("order");
        QTest::addColumn<bool>("emitted");
        QTest::newRow("right half of the tile before it")
            << 2 << 1 << true << 2 << "0 1 2 3 4 5 6 7" << false;
        QTest::newRow("left half of the tile after it")
            << 2 << 3 << false << 3 << "0 1 2 3 4 5 6 7" << true;
        QTest::newRow("tile 0 onto the right half of tile 3")
            << 0 << 3 << true << 4 << "1 2 3 0 4 5 6 7" << true;
        QTest::newRow("backwards onto a left half")
            << 6 << 1 << false << 1 << "0 6 1 2 3 4 5 7" << true;
        QTest::newRow("right half of the last tile")
            << 1 << 7 << true << -1 << "0 2 3 4 5 6 7 1" << true;
        QTest::newRow("below the last row") << 0 << -1 << false << -1 << "1 2 3 4 5 6 7 0" << true;
    }
    void dropsMoveTiles()
    {
        QFETCH(int, from);
        QFETCH(int, onto);
        QFETCH(bool, rightHalf);
        QFETCH(int, dropIndex);
        QFETCH(QString, order);
        QFETCH(bool, emitted);
        Area area;
        QSignalSpy changed(&area.form, &MediaForm::slidesOrderCahanged);
        const QPoint point = onto < 0 ? QPoint(20, 2 * tileSide + 100)
                                      : area.at(onto)->geometry().center()
                                            + QPoint(rightHalf ? 40 : -40, 0);
        area.form.beginDrag(area.at(from));
        QVERIFY(area.dragTo(point));
        QCOMPARE(area.form.dropIndex(), dropIndex);
        area.dropAt(point);
        QCOMPARE(area.order(), order);
        QCOMPARE(changed.count(), emitted ? 1 : 0);
        QCOMPARE(area.form.dropIndex(), -1);
        for (QWidget* w : area.form.slides())
            QVERIFY2(!w->styleSheet().contains("solid"), qPrintable(w->objectName()));
    }

    void insertionMarks_data()
    {
        QTest::addColumn<int>("onto");
        QTest::addColumn<bool>("rightHalf");
        QTest::addColumn<int>("neighbour"); // -1: none
        QTest::addColumn<QString>("marked");
        QTest::newRow("between two tiles")
            << 1 << true << 2 << "border-left: none; border-right: 1px solid #FFFFFF;";
        QTest::newRow("left end of a row")
            << 4 << false << -1 << "border-left: 2px solid #FFFFFF; border-right: none;";
        QTest::newRow("right end of a row")
            << 3 << true << -1 << "border-left: none; border-right: 2px solid #FFFFFF;";
    }
    void insertionMarks()
    {
        QFETCH(int, onto);
        QFETCH(bool, rightHalf);
        QFETCH(int, neighbour);
        QFETCH(QString, marked);
        Area area;
        QVERIFY(area.dragTo(area.at(onto)->geometry().center() + QPoint(rightHalf ? 40 : -40, 0)));
        QCOMPARE(area.at(onto)->styleSheet(), marked);
        if (neighbour >= 0)
            QCOMPARE(area.at(neighbour)->styleSheet(),
                     QString("border-left: 1px solid #FFFFFF; border-right: none;"));
        // Moving on clears the old marks.
        QVERIFY(area.dragTo(area.at(6)->geometry().center()));
        QVERIFY(!area.at(onto)->styleSheet().contains("solid"));
        QMimeData data;
        QDragLeaveEvent leave;
        area.deliver(&leave);
        QVERIFY(!area.at(6)->styleSheet().contains("solid"));
    }

    void otherDragsAreRefused()
    {
        Area area;
        QSignalSpy changed(&area.form, &MediaForm::slidesOrderCahanged);
        QVERIFY(!area.dragTo(area.at(2)->geometry().center(), "text/plain"));
        QVERIFY(!area.at(2)->styleSheet().contains("solid"));
        QCOMPARE(changed.count(), 0);
    }

    void separatorFillsARow()
    {
        Area area;
        area.form.showSeparatorAt(5);
        QCoreApplication::processEvents();
        QCOMPARE(area.form.slidesCount(), 8);
        QCOMPARE(area.form.slides().size(), 8);
        const QRect row = area.form.separator()->geometry();
        QCOMPARE(row.x(), 24 + 12);
        QCOMPARE(row.width(), area.form.flowLayout()->contentsRect().width());
        QCOMPARE(row.y(), 12 + 2 * tileSide + 12);
        QCOMPARE(area.at(4)->pos(), QPoint(24 + 12, 12 + tileSide + 12));
        QCOMPARE(area.at(5)->pos(), QPoint(24 + 12, row.bottom() + 1));
        // Above the warning row a drop goes after the last slide that plays.
        area.form.beginDrag(area.at(7));
        QVERIFY(area.dragTo(QPoint(600, tileSide + 100)));
        QCOMPARE(area.form.dropIndex(), 5);
        area.dropAt(QPoint(600, tileSide + 100));
        QCOMPARE(area.order(), QString("0 1 2 3 4 7 5 6"));
        area.form.hideSeparator();
        QCOMPARE(area.form.slidesCount(), 8);
        QVERIFY(area.form.separator()->isHidden());
    }

    void removingATileMovesTheRestUp()
    {
        Area area;
        QSignalSpy count(&area.form, &MediaForm::slidesCountChanged);
        QPointer<QWidget> gone = area.at(3);
        area.form.removeSlide(gone);
        QCoreApplication::processEvents();
        QCOMPARE(count.count(), 1);
        QCOMPARE(count.at(0).at(0).toInt(), 7);
        QCOMPARE(area.at(3)->objectName(), QString("4"));
        QCOMPARE(area.at(3)->pos(), QPoint(24 + 12 + 3 * tileSide, 12 + 12));
        QTRY_VERIFY(gone.isNull());
        area.form.clearSlides();
        QCOMPARE(area.form.slidesCount(), 0);
    }
};

QTEST_MAIN(TestMediaForm)
#include "tst_mediaform.moc"
