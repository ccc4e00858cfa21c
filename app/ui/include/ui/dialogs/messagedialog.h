#pragma once

#include <QDialog>
#include <QStringList>

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

/// Opens one message over \a window naming what a drop left out and why
/// ("name: why" lines); a long list is cut after its first lines.
void tellLeftOut(QWidget* window, const QStringList& lines);
