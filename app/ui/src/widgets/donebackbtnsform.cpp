#include "ui/widgets/donebackbtnsform.h"
#include "ui_donebackbtnsform.h"

DoneBackBtnsForm::DoneBackBtnsForm(QWidget* parent, const QString& doneText,
                                   const QString& backText)
    : QWidget(parent)
    , ui(new Ui::DoneBackBtnsForm)
{
    ui->setupUi(this);
    ui->DoneButton->setCursor(Qt::PointingHandCursor);
    ui->BackButton->setCursor(Qt::PointingHandCursor);
    if (doneText.isEmpty())
        ui->DoneButton->hide();
    else
        ui->DoneButton->setText(doneText);
    if (backText.isEmpty()) {
        ui->BackButton->hide();
        ui->ButtonsSpacer->changeSize(0, 0);
        ui->ButtonsLayout->setAlignment(ui->DoneButton, Qt::AlignHCenter);
    } else {
        ui->BackButton->setText(backText);
    }
}

DoneBackBtnsForm::~DoneBackBtnsForm()
{
    delete ui;
}

void DoneBackBtnsForm::hideDone()
{
    ui->DoneButton->hide();
}

void DoneBackBtnsForm::showDone()
{
    ui->DoneButton->show();
}

void DoneBackBtnsForm::on_DoneButton_clicked()
{
    emit done();
}

void DoneBackBtnsForm::on_BackButton_clicked()
{
    emit back();
}
