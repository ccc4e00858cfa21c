#pragma once

#include "common/itmpl.h"
#include "common/iusrdata.h"
#include "common/prjinfo.h"
#include "core/thumbgenerator.h"
#include "vidweave/mediafileinfo.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSharedPointer>
#include <QStringList>

/// What the project list shows of one saved project.
struct ProjectEntry
{
    QString name;
    QString audio;
    int slidesNumber = 0;
    /// "thumb.png" in the folder, whether or not it exists.
    QString thumb;
    /// The small previews that exist, "0_thumb.png" to "4_thumb.png" in order.
    QStringList smallThumbs;
    QDateTime modified;
    /// "prj.xml" cannot be read, so the project cannot be resumed.
    bool damaged = false;
};

/// The summary's music text: the first track's "artist - title", or its
/// title alone without an artist; empty without music.
QString audioSummary(const MediaFileInfo* firstTrack);

/// Saves, lists, resumes and deletes projects under the per-user data folder
/// + "/Pictavio/projects/". GUI thread only.
class PrjManager : public QObject
{
    Q_OBJECT

public:
    /// The process-wide instance; never destroyed.
    static PrjManager* instance();

    /// The folder that holds one folder per project, ending in "/".
    static QString projectsFolder();

    /// Project folder names, newest first.
    QStringList projectIds() const;
    /// Read from "info.xml"; when that cannot be read, the name of the
    /// project's theme and its number of slides come from "prj.xml".
    ProjectEntry projectEntry(const QString& id) const;
    /// The project's user data, or null when "prj.xml" cannot be read;
    /// \a notice, when given, says what was left out of it.
    QSharedPointer<IUsrData> loadUserData(const QString& id, QString* notice = nullptr) const;
    /// The user data in the project file \a prjXml, as loadUserData() reads it.
    static QSharedPointer<IUsrData> readUserData(const QString& prjXml, QString* notice = nullptr);
    /// Saves under \a id (a new id when empty) and returns the id; returns an
    /// empty string and sets \a error when a file could not be written, in
    /// which case earlier files of the project are left as they were.
    QString save(const QString& id, IUsrData* data, const PrjInfo& info, ITmpl* tmpl,
                 QString* error = nullptr);
    /// Removes the project's folder; false for an id that is not a project.
    bool deleteProject(const QString& id);

signals:
    void projectDeleted(const QString& id);

private slots:
    void thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> image);

private:
    PrjManager();

    /// The project's picture; \a smallSources gets the pictures of the small previews.
    QImage drawPreview(IUsrData* data, ITmpl* tmpl, QStringList* smallSources);
    void queueSmallPreviews(const QString& folder, const QStringList& pictures);

    struct PendingPreview
    {
        ThumbGeneratorTask task;
        QString folder;
        QString file;
    };

    QMutex lock;
    QList<PendingPreview> pending;
    /// The pictures each project folder's small previews were last made of.
    QHash<QString, QStringList> cachedSources;
};
