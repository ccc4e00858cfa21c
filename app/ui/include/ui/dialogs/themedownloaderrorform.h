#pragma once

#include <QWidget>

namespace Ui {
class ThemeDownloadErrorForm;
}

/// What the download error dialog says: the problem, what to do, where to
/// get help, and the reason in small print.
class ThemeDownloadErrorForm : public QWidget
{
    Q_OBJECT

public:
    explicit ThemeDownloadErrorForm(QWidget* parent = nullptr, const QString& reason = QString());
    ~ThemeDownloadErrorForm() override;

private:
    Ui::ThemeDownloadErrorForm* ui;
};
