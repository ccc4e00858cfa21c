#pragma once

#include "core/videosettings.h"

#include <QWidget>

namespace Ui {
class SettingsForm;
}

// The video settings page: quality, result folder and the closing logo.
class SettingsForm : public QWidget
{
    Q_OBJECT
public:
    explicit SettingsForm(QWidget* parent = nullptr);
    ~SettingsForm() override;

    void setSettings(const VideoSettings& settings);
    VideoSettings settings() const;
    /// Makes sure the result folder exists and takes files; tells the user
    /// why not and returns false otherwise. Run before a render starts.
    bool checkResultDir();

signals:
    void settingsUpdated(VideoSettings settings);
    /// "Preview": the slideshow from its start with these settings.
    void previewRequested();

private slots:
    void on_SettingsDirBtn_clicked();
    void on_LogoCheckBox_clicked();
    void on_HDRadioButton_clicked();
    void on_FullHDRadioButton_clicked();

public slots:
    void updateSettings();

protected:
    /// The chosen folder; empty when the dialog was cancelled.
    virtual QString askForDir(const QString& start);

private:
    void setResultDir(const QString& dir);
    void tell(const QString& message);

    Ui::SettingsForm* ui;
};
