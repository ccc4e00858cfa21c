#include "options.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

const char* usageText = R"(Usage:
  pictavio-render --list-themes
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
  --no-logo           leave out the closing Pictavio picture
  --output PATH       a file ending in .mp4, or a folder for
                      slideshow_<date>_<time>.mp4 (default: Movies/Pictavio)
  --save-project      also keep the slides as a project for the program
  --project ID|DIR    render a saved project (its id or its folder)
  --demo              render the bundled demo: photos, texts and music
  --themes DIR        the folder holding templates/ and demo/ (default: the
                      current folder)
  --help              this text

Missing theme files are downloaded first. Ctrl-C stops cleanly and leaves no
file. The exit status is 0 when the video was made, otherwise 1 with the
reason on standard error (130 after Ctrl-C).
)";

namespace {

bool isPicture(const QFileInfo& file)
{
    static const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    return formats.contains(file.suffix().toLower().toLatin1());
}

QString absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

QStringList picturesIn(const QString& dir)
{
    QStringList pictures;
    const QFileInfoList entries =
        QDir(dir).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        if (isPicture(entry))
            pictures << entry.absoluteFilePath();
    }
    return pictures;
}

bool parseOptions(const QStringList& args, Options& options, QString* error)
{
    auto fail = [error](const QString& reason) {
        *error = reason;
        return false;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        auto value = [&](QString& out) {
            if (i + 1 >= args.size())
                return false;
            out = args.at(++i);
            return true;
        };
        QString text;
        if (arg == "--help" || arg == "-h") {
            options.mode = Options::Help;
            return true;
        } else if (arg == "--list-themes") {
            options.mode = Options::ListThemes;
        } else if (arg == "--demo") {
            options.mode = Options::Demo;
        } else if (arg == "--theme") {
            bool ok = false;
            if (value(text))
                options.themeId = text.toInt(&ok);
            if (!ok)
                return fail("--theme needs a theme number");
            options.mode = Options::Render;
        } else if (arg == "--project") {
            if (!value(options.project))
                return fail("--project needs a project id or folder");
            options.mode = Options::Project;
        } else if (arg == "--music") {
            if (!value(text))
                return fail("--music needs a file");
            options.music << absolute(text);
        } else if (arg == "--output") {
            if (!value(text))
                return fail("--output needs a file or folder");
            options.output = absolute(text);
        } else if (arg == "--themes") {
            if (!value(text))
                return fail("--themes needs a folder");
            options.themesDir = absolute(text);
        } else if (arg == "--text") {
            if (!value(text))
                return fail("--text needs the words of the text scene");
            options.slides.push_back({text, SceneText, 0});
        } else if (arg == "--full-hd") {
            options.fullHd = true;
        } else if (arg == "--no-logo") {
            options.logo = false;
        } else if (arg == "--save-project") {
            options.saveProject = true;
        } else if (arg.startsWith("--")) {
            return fail("unknown option " + arg + " (see --help)");
        } else {
            const QFileInfo slide(arg);
            if (slide.isDir()) {
                const QStringList pictures = picturesIn(slide.absoluteFilePath());
                if (pictures.isEmpty())
                    return fail("no pictures in " + arg);
                for (const QString& picture : pictures)
                    options.slides.push_back({picture, SceneImg, 0});
            } else if (!slide.exists()) {
                return fail(arg + " does not exist");
            } else {
                options.slides.push_back({slide.absoluteFilePath(), SceneImg, 0});
            }
        }
    }
    if (options.mode == Options::Render && options.slides.empty())
        return fail("no slides given (pictures, folders or --text)");
    return true;
}
