#pragma once

#include <QDialog>

namespace Ui {
class BaseDialog;
}
class QPushButton;

// The frame of a two-button dialog; callers put their own widget inside.
class BaseDialog : public QDialog
{
    Q_OBJECT
public:
    BaseDialog(QWidget* parent, const QString& cancelText, const QString& doneText,
               const QString& title);
    ~BaseDialog() override;

    void setContent(QWidget* content);

signals:
    void done();
    void cancel();

private slots:
    void on_DoneBtn_clicked();
    void on_CancelBtn_clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setCancelText(const QString& text);
    void setDoneText(const QString& text);

    Ui::BaseDialog* ui;
};
