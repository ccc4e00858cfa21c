#pragma once

#include "vidweave/mediafileinfo.h"

#include <QSharedPointer>
#include <QWidget>

namespace Ui {
class AudioFileForm;
}

// One chosen music file on the music page: title, artist, length and a remove button.
class AudioFileForm : public QWidget
{
    Q_OBJECT
public:
    explicit AudioFileForm(QSharedPointer<MediaFileInfo> info, QWidget* parent = nullptr);
    ~AudioFileForm() override;

    QSharedPointer<MediaFileInfo> info() const;

    /// Whole seconds as "m:ss", or "h:mm:ss" from one hour on.
    static QString durationText(float seconds);

signals:
    void remove(QWidget* row);

private slots:
    void on_RemoveButton_clicked();

private:
    Ui::AudioFileForm* ui;
    QSharedPointer<MediaFileInfo> m_info;
};
