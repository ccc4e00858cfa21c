#pragma once

// Makes test media with the ffmpeg command.
#include <QProcess>
#include <QString>
#include <QStringList>

inline bool runFfmpeg(const QStringList& args)
{
    return QProcess::execute("ffmpeg", QStringList{"-v", "error", "-y"} + args) == 0;
}
