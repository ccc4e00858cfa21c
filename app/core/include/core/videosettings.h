#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QSize>
#include <QString>

/// The size of the video: HD is 1280x720, Full HD 1920x1080.
enum class VideoQuality { HD = 0, FullHD = 1 };

/// The frame size of \a quality; HD for a value that is neither.
QSize videoSize(VideoQuality quality);

/// What the settings page chose for one render. Not persisted.
struct VideoSettings
{
    VideoQuality quality = VideoQuality::HD;
    /// The movies folder + "Pictavio", or the temporary folder without one.
    QString resultDir = defaultResultDir();
    /// Append the end logo.
    bool endLogo = true;

    static QString defaultResultDir();
    QSize outputSize() const { return videoSize(quality); }
};

Q_DECLARE_METATYPE(VideoSettings)

/// "slideshow_yyyy.MM.dd_hh.mm.mp4" of \a when in \a dir; when that file
/// exists, "_2", "_3" ... before ".mp4", so no render overwrites another.
QString outputFilePath(const QString& dir, const QDateTime& when = QDateTime::currentDateTime());

/// Creates \a dir with its missing parents and checks it takes files;
/// false with a reason for the user otherwise.
bool prepareResultDir(const QString& dir, QString* error);
