#pragma once

#include "common/iprj.h"
#include "common/iendlogo.h"
#include "common/release.h"
#include "core/movedpictures.h"
#include "core/music.h"
#include "core/placement.h"
#include "core/rendercontroller.h"
#include "core/slideinput.h"
#include "core/tmplpathmanager.h"
#include "core/videosettings.h"

#include <QString>
#include <QStringList>

#include <vector>

/// What resuming a project found.
struct ResumedProject
{
    /// The slides to show, pictures that are gone left out.
    ProjectSlides slides;
    /// Music files that are gone or cannot be read, left out.
    QStringList missingMusic;
    /// What the project file held that this version does not know, or empty.
    QString notice;
};

/// The slideshow being made, from theme to render request: the road both the
/// window and the command line take. It owns the theme, the music, the
/// project made of the slides and the id it is saved under.
class Slideshow
{
public:
    Slideshow();
    ~Slideshow();
    Slideshow(const Slideshow&) = delete;
    Slideshow& operator=(const Slideshow&) = delete;

    // The theme.

    /// Reads theme \a id; false with a reason naming the file, its line and
    /// column when it is not installed or damaged. The last theme is kept then.
    bool openTheme(int id, QString* reason);
    int themeId() const { return tmplId; }
    ITmpl* theme() const { return tmpl.get(); }
    /// The theme's name and pictures.
    const TmplRecord& themeRecord() const { return record; }
    /// Every background video of the theme is on disk.
    bool themeComplete() const;
    /// Starts fetching what the theme lacks, in the background.
    void fetchTheme() const;
    /// Removes the background videos on disk that the engine cannot use, so
    /// that fetching the theme brings them again; one reason for each.
    QStringList dropUnusableBackgrounds() const;

    // The music.

    const MusicList& music() const { return tracks; }
    void setMusic(MusicList music) { tracks = std::move(music); }
    void addMusic(const MusicList& more);
    void removeMusic(int index);
    float musicLength() const { return ::musicLength(tracks); }

    // Projects.

    /// Reads the project \a ref (an id, with or without braces, or a project
    /// folder), opens its theme and takes its music; false with a reason:
    /// where its file is damaged (file, line, column), or why its theme is.
    bool resume(const QString& ref, ResumedProject* found, QString* reason);
    /// Saves \a slides under the current project id, a new one the first
    /// time; empty with a reason when a file could not be written.
    QString save(const std::vector<PlacementSlide>& slides, QString* reason);
    /// Looks under \a folder, in depth, for the pictures \a found names as
    /// missing. Those found go back in their places, with their rotation, in
    /// \a found and in the saved project; false with a reason when it could not
    /// be saved.
    bool findPictures(const QString& folder, ResumedProject* found, MovedPictures* moved,
                      QString* reason);
    QString projectId() const { return prjId; }
    /// The next save makes a new project.
    void startNewProject() { prjId.clear(); }

    // The video.

    /// Places \a slides in the theme's scenes under the music and makes the
    /// project of them, replacing the last one.
    PlacementResult build(const std::vector<PlacementSlide>& slides);
    /// The project of the last build; null before one.
    QSharedPointer<IPrj> project() const { return prj; }
    /// A render of the last build into \a output, as \a settings say.
    RenderRequest renderRequest(const VideoSettings& settings, const QString& output) const;

private:
    void releaseProject();
    QString saveValues(SlideList values, int slideCount, QString* reason);

    int tmplId = -1;
    TmplPtr tmpl{nullptr};
    TmplRecord record;
    MusicList tracks;
    SceneMediaList sceneMedia;
    QSharedPointer<IPrj> prj;
    QString prjId;
    /// The resumed project's slides as saved, missing pictures included.
    SlideList resumedValues;
};

/// The Pictavio picture laid over the last seconds of a video.
QSharedPointer<IEndLogo> closingPicture();

/// The organisation and application names, which must agree for the program
/// and the command line to see the same projects.
void nameTheProgram();
