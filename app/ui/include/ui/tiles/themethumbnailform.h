#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class ThemeThumbnailForm;
}

/// One theme of the gallery: its picture and name; while the mouse is over an
/// interactive tile, a button to choose the theme and one to watch its preview.
class ThemeThumbnailForm : public QWidget
{
    Q_OBJECT

public:
    ThemeThumbnailForm(QWidget* parent, int id, const QString& name, const QString& thumbPath,
                       const QString& previewUrl, bool interactive = true);
    ~ThemeThumbnailForm() override;

    void setData(const QString& name, const QString& thumbPath);
    int templateId() const { return id; }

signals:
    void selected(int id);

private slots:
    void on_StartButton_clicked();
    void on_PreviewButton_clicked();

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showButtons(bool show);
    void fitButtons();

    Ui::ThemeThumbnailForm* ui;
    int id;
    QString previewUrl;
    bool interactive;
};
