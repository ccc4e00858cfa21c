#pragma once

#include <QElapsedTimer>
#include <QPixmap>
#include <QSharedPointer>
#include <QWidget>

namespace Ui {
class RenderProgressForm;
}

// The rendering page: how far the render is and the frame it is writing.
class RenderProgressForm : public QWidget
{
    Q_OBJECT
public:
    explicit RenderProgressForm(QWidget* parent = nullptr);
    ~RenderProgressForm() override;

    /// Back to 0 % without a preview, for a new render; its clock starts.
    void reset();
    /// \a percent done after \a elapsed seconds: the bar, the time taken
    /// and, once it can be told, the time left.
    void progressAt(float percent, double elapsed);

public slots:
    void progress(float progress);
    void preview(QSharedPointer<QPixmap> pm);
    void done(QString path);

private:
    Ui::RenderProgressForm* ui;
    QElapsedTimer clock;
};
