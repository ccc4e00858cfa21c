#pragma once

#include <QLayout>
#include <QList>
#include <QStyle>

/// Lays its items out left to right and wraps them like words in a line.
class FlowLayout : public QLayout
{
    Q_OBJECT

public:
    /// A negative spacing takes the style's layout spacing.
    explicit FlowLayout(QWidget* parent, int margin = -1, int hSpacing = -1, int vSpacing = -1);
    explicit FlowLayout(int margin = -1, int hSpacing = -1, int vSpacing = -1);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    /// Adopts \a widget and puts its item at \a index (at the end when out of range).
    void insertWidget(int index, QWidget* widget);
    /// Moves the item at \a from to \a to and lays the items out again.
    void moveItem(int from, int to);

    int horizontalSpacing() const;
    int verticalSpacing() const;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    QSize sizeHint() const override;
    QLayoutItem* takeAt(int index) override;

private:
    int doLayout(const QRect& rect, bool testOnly) const;
    int smartSpacing(QStyle::PixelMetric pm) const;

    QList<QLayoutItem*> items;
    int hSpace;
    int vSpace;
};
