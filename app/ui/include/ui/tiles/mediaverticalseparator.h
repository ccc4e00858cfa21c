#pragma once

#include <QWidget>

class QLabel;
class QLayout;

/// The full-width row that warns where the music ends: slides after it are
/// left out of the video.
class MediaVerticalSeparator : public QWidget
{
    Q_OBJECT

public:
    explicit MediaVerticalSeparator(QLayout* flow, QWidget* parent = nullptr);

    /// One whole row of the flow: its contents width, and the height the
    /// text needs at that width.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLayout* flow;
    QLabel* icon;
    QLabel* text;
};
