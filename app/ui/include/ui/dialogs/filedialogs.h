#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QFileDialog;
class QWidget;

/// What a file dialog asks for; each kind starts in its own folder and, within
/// a run, where the user last was.
enum class FileKind { Pictures, PictureFolder, Music, ResultFolder };

/// A file dialog for \a kind over the window of \a from. It has no parent
/// widget, so that the pages' style sheets do not reach into it.
std::unique_ptr<QFileDialog> makeFileDialog(QWidget* from, FileKind kind, const QString& caption,
                                            const QString& filter = QString(),
                                            const QString& start = QString());
/// The files chosen; empty when the dialog was cancelled.
QStringList askForFiles(QWidget* from, FileKind kind, const QString& caption, const QString& filter);
/// The folder chosen; empty when the dialog was cancelled. \a start, when
/// given, is where it opens the first time.
QString askForFolder(QWidget* from, FileKind kind, const QString& caption,
                     const QString& start = QString());
