#pragma once

#include <QWidget>

namespace Ui {
class DoneBackBtnsForm;
}

// The back and forward buttons under a page; an empty text leaves a button out.
class DoneBackBtnsForm : public QWidget
{
    Q_OBJECT
public:
    DoneBackBtnsForm(QWidget* parent, const QString& doneText, const QString& backText);
    ~DoneBackBtnsForm() override;

    void hideDone();
    void showDone();

signals:
    void done();
    void back();

private slots:
    void on_DoneButton_clicked();
    void on_BackButton_clicked();

private:
    Ui::DoneBackBtnsForm* ui;
};
