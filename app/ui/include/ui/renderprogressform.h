#pragma once

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

    /// Back to 0 % without a preview, for a new render.
    void reset();

public slots:
    void progress(float progress);
    void preview(QSharedPointer<QPixmap> pm);
    void done(QString path);

private:
    Ui::RenderProgressForm* ui;
};
