#pragma once

#include "core/music.h"

#include <QList>
#include <QSharedPointer>
#include <QWidget>

#include <list>
#include <vector>

namespace Ui {
class SelectAudioForm;
}
class AudioFileForm;

// The music page: the user picks music files or goes on without music.
class SelectAudioForm : public QWidget
{
    Q_OBJECT
public:
    explicit SelectAudioForm(QWidget* parent = nullptr);
    ~SelectAudioForm() override;

    void setTheme(const QString& name, const QString& thumbPath);
    /// Shows \a music as the rows, without signals; the main window keeps the list.
    void setAudio(const MusicList& music);
    /// Asks for files and adds those that can be read as music.
    void chooseFiles();
    /// Adds, as one choice, the files of \a paths that can be read as music;
    /// the names of the others.
    QStringList addMusic(const QStringList& paths);
    QList<AudioFileForm*> rows() const;

signals:
    void selected(std::list<QSharedPointer<MediaFileInfo> > files);
    void skip();
    void removed(int index);

private slots:
    void on_SelectAudioLabel_clicked();
    void on_SelectAudioBtn_clicked();
    void on_SkipButton_clicked();

protected slots:
    void fileRemoved(QWidget* row);

protected:
    /// The chosen paths; empty when the dialog was cancelled.
    virtual QStringList askForFiles();
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void addRow(QSharedPointer<MediaFileInfo> info);
    void showListState(bool list);
    void tellRefused(const QStringList& names);

    Ui::SelectAudioForm* ui;
    QList<AudioFileForm*> m_rows;
};
