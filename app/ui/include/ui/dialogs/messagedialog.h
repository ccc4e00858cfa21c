#pragma once

#include <QDialog>

namespace Ui {
class MessageDialog;
}

// A message with one button; it deletes itself once closed.
class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    MessageDialog(QWidget* parent, const QString& message, const QString& buttonText);
    ~MessageDialog() override;

    void done(int result) override;

private slots:
    void on_OkButton_clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitMessageWidth();

    Ui::MessageDialog* ui;
};
