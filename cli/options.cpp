#include "options.h"

#include "core/photoformats.h"
#include "core/slideinput.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

const char* usageText = R"(Usage:
  pictavio-render --list-themes
  pictavio-render --list-projects
  pictavio-render --theme ID [options] SLIDE...
  pictavio-render --project ID|FOLDER [options]
  pictavio-render --demo [options]

Makes a slideshow video (H.264 MP4, 30 frames a second, AAC music) from a
theme, pictures, short texts and music, as the Pictavio program does.

A SLIDE is a picture, a folder (its pictures, sorted by name ignoring case,
not its subfolders) or --text "words" for a text scene; slides play in the
order given.

Options:
  --theme ID          the theme to use (see --list-themes)
  --music FILE        music to lay under the video; repeat for more files,
                      which play one after another
  --full-hd           1920x1080 instead of 1280x720
  --no-logo           leave out the closing Pictavio picture, which is
                      otherwise laid over the last seconds of the video
  --output PATH       a file ending in .mp4, or a folder (a path ending in
                      "/", an existing folder or a name without an ending)
                      for slideshow_<date>_<time>.mp4 (_2, _3 ... when
                      taken); the default folder is Pictavio in your videos
                      folder (~/Videos/Pictavio)
  --overwrite         replace an existing --output file; without it an
                      existing file stops the run before rendering, and one
                      that appears during the render is kept
  --save-project      also keep the slides as a project for the program
  --list-projects     the saved projects, newest first: id, name, date and
                      number of slides
  --project ID|DIR    render a saved project (its id, with or without the
                      braces, or its folder)
  --stills DIR        write PNG pictures of the slideshow into DIR instead
                      of a video, one from the middle of every scene, at
                      the chosen size; nothing is encoded
  --at TIMES          with --stills: the moments instead, such as
                      0:05,0:12.5 or 75 (seconds)
  --find-pictures DIR with --project: look in DIR and its subfolders for
                      the project's pictures that are no longer where they
                      were (by file name; a name found twice is not
                      guessed), and save the project with their new places
  --demo              render the bundled demo: photos, texts and music
  --themes DIR        look for themes only in DIR/templates/ (and the demo
                      in DIR/demo/); by default ./templates/ is searched
                      first, then the themes installed with the program
  --verbose           also print what the decoding libraries say about the
                      files they read
  --help              this text

Projects are kept in Pictavio/projects/ of the program's data folder
(~/.local/share/Pictavio Ltd./Pictavio/ on Linux), shared with the program.

Missing theme videos are downloaded first from the content server named by
PICTAVIO_CONTENT_HOST (host or host:port, default 127.0.0.1:8642); each file
that fails is tried again up to three times.

Ctrl-C, SIGTERM and a closed terminal stop cleanly and leave no file. Exit status: 0 when the video was
made, 1 when it was not (the reason is on standard error), 2 for a mistake
in the command line, 130 after Ctrl-C.
)";

bool parseMoment(const QString& text, double* seconds)
{
    static const QRegularExpression moment(R"(^(?:(\d+):(?=\d\d))?(\d+(?:\.\d+)?)$)");
    const QRegularExpressionMatch match = moment.match(text);
    if (!match.hasMatch())
        return false;
    const double within = match.captured(2).toDouble();
    if (match.capturedLength(1) > 0 && within >= 60)
        return false;
    *seconds = match.captured(1).toDouble() * 60 + within;
    return true;
}

namespace {

const char* modeName(Options::Mode mode)
{
    switch (mode) {
    case Options::ListThemes:
        return "--list-themes";
    case Options::ListProjects:
        return "--list-projects";
    case Options::Render:
        return "--theme";
    case Options::Project:
        return "--project";
    case Options::Demo:
        return "--demo";
    default:
        return "";
    }
}

class Parser
{
public:
    Parser(const QStringList& args, Options& options) : args(args), options(options) {}

    ParseStatus run(QString* error)
    {
        for (at = 0; at < args.size() && status == ParseStatus::Ok; ++at)
            take(args.at(at));
        if (status == ParseStatus::Ok && options.mode != Options::Help)
            checkCombination();
        if (status != ParseStatus::Ok)
            *error = reason;
        return status;
    }

private:
    void fail(ParseStatus why, const QString& text)
    {
        status = why;
        reason = text;
    }

    bool value(QString& out, const char* missing)
    {
        if (at + 1 >= args.size()) {
            fail(ParseStatus::Usage, missing);
            return false;
        }
        out = args.at(++at);
        return true;
    }

    void setMode(Options::Mode mode)
    {
        if (options.mode != Options::None && options.mode != mode)
            fail(ParseStatus::Usage, QString("%1 cannot be used with %2")
                                         .arg(modeName(mode), modeName(options.mode)));
        options.mode = mode;
    }

    void take(const QString& arg)
    {
        QString text;
        if (arg == "--help" || arg == "-h") {
            options.mode = Options::Help;
            at = args.size();
        } else if (arg == "--list-themes") {
            setMode(Options::ListThemes);
        } else if (arg == "--list-projects") {
            setMode(Options::ListProjects);
        } else if (arg == "--demo") {
            setMode(Options::Demo);
        } else if (arg == "--theme") {
            takeTheme();
        } else if (arg == "--project") {
            if (value(options.project, "--project needs a project id or folder"))
                setMode(Options::Project);
        } else if (arg == "--stills") {
            if (value(text, "--stills needs a folder"))
                options.stills = QFileInfo(text).absoluteFilePath();
        } else if (arg == "--at") {
            if (value(text, "--at needs moments such as 0:05,0:12.5"))
                takeMoments(text);
        } else if (arg == "--find-pictures") {
            if (value(text, "--find-pictures needs a folder"))
                options.findPictures = QFileInfo(text).absoluteFilePath();
        } else if (arg == "--music") {
            if (value(text, "--music needs a file"))
                options.music << QFileInfo(text).absoluteFilePath();
        } else if (arg == "--output") {
            if (value(text, "--output needs a file or folder"))
                setOutput(text);
        } else if (arg == "--themes") {
            if (value(text, "--themes needs a folder"))
                options.themesDir = QFileInfo(text).absoluteFilePath();
        } else if (arg == "--text") {
            if (value(text, "--text needs the words of the text scene"))
                addText(text);
        } else if (!takeFlag(arg)) {
            addSlide(arg);
        }
    }

    bool takeFlag(const QString& arg)
    {
        if (arg == "--full-hd")
            options.fullHd = true;
        else if (arg == "--no-logo")
            options.logo = false;
        else if (arg == "--overwrite")
            options.overwrite = true;
        else if (arg == "--save-project")
            options.saveProject = true;
        else if (arg == "--verbose")
            options.verbose = true;
        else if (arg.startsWith("-") && arg.size() > 1)
            fail(ParseStatus::Usage, "unknown option " + arg);
        else
            return false;
        return true;
    }

    void takeMoments(const QString& text)
    {
        for (const QString& part : text.split(',', Qt::SkipEmptyParts)) {
            double seconds = 0;
            if (!parseMoment(part.trimmed(), &seconds))
                return fail(ParseStatus::Usage, "--at takes moments such as 0:05,0:12.5, not \"" + part + "\"");
            options.stillsAt << seconds;
        }
    }

    void takeTheme()
    {
        QString text;
        if (!value(text, "--theme needs a theme number"))
            return;
        bool ok = false;
        options.themeId = text.toInt(&ok);
        if (!ok)
            return fail(ParseStatus::Usage, "--theme needs a theme number, not \"" + text + "\"");
        setMode(Options::Render);
    }

    void setOutput(const QString& path)
    {
        const QFileInfo info(path);
        options.output = info.absoluteFilePath();
        options.outputIsFile = false;
        if (path.endsWith('/') || path.endsWith(QDir::separator()) || info.isDir())
            return;
        if (info.suffix().compare("mp4", Qt::CaseInsensitive) == 0)
            options.outputIsFile = true;
        else if (!info.suffix().isEmpty())
            fail(ParseStatus::Invalid, "--output " + path + ": only .mp4 files are written");
    }

    void addText(const QString& text)
    {
        if (text.trimmed().isEmpty())
            return fail(ParseStatus::Invalid, "a --text is empty or blank; a text scene needs words");
        options.slides.push_back({text, SceneText, 0});
        hasSlides = true;
    }

    void addSlide(const QString& arg)
    {
        hasSlides = true;
        const QFileInfo slide(arg);
        if (slide.isDir()) {
            const QStringList pictures = picturesInFolder(slide.absoluteFilePath());
            if (pictures.isEmpty())
                return fail(ParseStatus::Invalid, "no pictures in " + arg);
            for (const QString& picture : pictures)
                options.slides.push_back({picture, SceneImg, 0});
        } else if (!slide.exists()) {
            fail(ParseStatus::Invalid, arg + " does not exist");
        } else if (!isRegularFile(arg)) {
            fail(ParseStatus::Invalid, arg + " is not a file (a pipe or a device is no picture)");
        } else {
            options.slides.push_back({slide.absoluteFilePath(), SceneImg, 0});
        }
    }

    void checkCombination()
    {
        const bool render = options.mode == Options::Render;
        if (options.mode == Options::None)
            fail(ParseStatus::Usage,
                 hasSlides || !options.music.isEmpty()
                     ? "no --theme given"
                     : "nothing to do: give --theme, --project, --demo, --list-themes or "
                       "--list-projects");
        else if (render && !hasSlides)
            fail(ParseStatus::Usage, "no slides given (pictures, folders or --text)");
        else if (!render && hasSlides)
            fail(ParseStatus::Usage,
                 QString("slides are taken only with --theme, not with %1").arg(modeName(options.mode)));
        else if (!render && !options.music.isEmpty())
            fail(ParseStatus::Usage,
                 QString("--music is taken only with --theme, not with %1").arg(modeName(options.mode)));
        else if (!options.stillsAt.isEmpty() && options.stills.isEmpty())
            fail(ParseStatus::Usage, "--at is taken only with --stills");
        else if (!options.stills.isEmpty() && !options.output.isEmpty())
            fail(ParseStatus::Usage, "--stills cannot be used with --output");
        else if (!options.findPictures.isEmpty() && options.mode != Options::Project)
            fail(ParseStatus::Usage, "--find-pictures is taken only with --project");
        else if (!options.findPictures.isEmpty() && !QFileInfo(options.findPictures).isDir())
            fail(ParseStatus::Invalid, "--find-pictures " + options.findPictures + " is not a folder");
    }

    const QStringList& args;
    Options& options;
    int at = 0;
    bool hasSlides = false;
    ParseStatus status = ParseStatus::Ok;
    QString reason;
};

} // namespace

ParseStatus parseOptions(const QStringList& args, Options& options, QString* error)
{
    return Parser(args, options).run(error);
}
