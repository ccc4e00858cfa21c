#pragma once

#include <QDialog>

namespace Ui {
class TextSceneDialog;
}

// Asks for the text of a text slide; it deletes itself once closed.
class TextSceneDialog : public QDialog
{
    Q_OBJECT
public:
    TextSceneDialog(QWidget* parent, const QString& text, int maxLength);
    ~TextSceneDialog() override;

    void done(int result) override;

signals:
    void textEntered(QString text);

private slots:
    void on_DoneButton_clicked();
    void on_CancelButton_clicked();
    void on_TextChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString trimmedText() const;
    void dimPlaceholder();

    Ui::TextSceneDialog* ui;
};
