#pragma once

#include <QUrl>
#include <QWidget>

namespace Ui {
class DoneForm;
}

// The last page: play the finished video, show it in its folder or share it.
class DoneForm : public QWidget
{
    Q_OBJECT
public:
    explicit DoneForm(const QString& resultPath, QWidget* parent = nullptr);
    ~DoneForm() override;

    QString resultPath() const;
    /// The maker's contact page, on the host that also serves the themes.
    static QUrl supportUrl();

private slots:
    void on_ShowResFileButton_clicked();
    void on_showFile();
    void on_DoneSign_clicked();
    void on_PlayVideoButton_clicked();
    void on_FBButton_clicked();
    void on_YTButton_clicked();
    void on_VimeoButton_clicked();

protected:
    /// Hands \a url to the system; false when nothing could open it.
    virtual bool openUrl(const QUrl& url);

private:
    void playVideo();
    void openOrTell(const QUrl& url);

    Ui::DoneForm* ui;
    QString m_resultPath;
};
