#include "ui/dialogs/filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QHash>
#include <QStandardPaths>
#include <QWindow>

namespace {

QHash<int, QString>& lastFolders()
{
    static QHash<int, QString> folders;
    return folders;
}

QString standardFolder(FileKind kind)
{
    const QStandardPaths::StandardLocation where =
        kind == FileKind::Music          ? QStandardPaths::MusicLocation
        : kind == FileKind::ResultFolder ? QStandardPaths::MoviesLocation
                                         : QStandardPaths::PicturesLocation;
    const QString folder = QStandardPaths::writableLocation(where);
    return QDir(folder).exists() ? folder : QDir::homePath();
}

QString startFolder(FileKind kind, const QString& start)
{
    const QString last = lastFolders().value(int(kind));
    if (!last.isEmpty() && QDir(last).exists())
        return last;
    if (!start.isEmpty() && QDir(start).exists())
        return start;
    return standardFolder(kind);
}

bool run(QFileDialog& dialog, FileKind kind)
{
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    const bool folders = dialog.fileMode() == QFileDialog::Directory;
    // Next time the dialog opens where this choice was made.
    lastFolders()[int(kind)] = folders && !chosen.isEmpty() ? QFileInfo(chosen.first()).absolutePath()
                                                            : dialog.directory().absolutePath();
    return true;
}

} // namespace

std::unique_ptr<QFileDialog> makeFileDialog(QWidget* from, FileKind kind, const QString& caption,
                                            const QString& filter, const QString& start)
{
    auto dialog = std::make_unique<QFileDialog>(nullptr, caption, startFolder(kind, start), filter);
    const bool folders = kind == FileKind::PictureFolder || kind == FileKind::ResultFolder;
    dialog->setFileMode(folders ? QFileDialog::Directory
                                : QFileDialog::ExistingFiles);
    if (folders)
        dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setWindowModality(Qt::ApplicationModal);
    if (QWidget* window = from ? from->window() : nullptr) {
        // Stays over the program's window, as a child dialog would.
        dialog->winId();
        if (dialog->windowHandle() && window->windowHandle())
            dialog->windowHandle()->setTransientParent(window->windowHandle());
    }
    return dialog;
}

QStringList askForFiles(QWidget* from, FileKind kind, const QString& caption, const QString& filter)
{
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(from, kind, caption, filter);
    return run(*dialog, kind) ? dialog->selectedFiles() : QStringList();
}

QString askForFolder(QWidget* from, FileKind kind, const QString& caption, const QString& start)
{
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(from, kind, caption, {}, start);
    return run(*dialog, kind) ? dialog->selectedFiles().value(0) : QString();
}
