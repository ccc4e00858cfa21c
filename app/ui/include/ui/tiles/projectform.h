#pragma once

#include "core/prjmanager.h"

#include <QString>
#include <QWidget>

namespace Ui {
class ProjectForm;
}

/// One recent project: its picture, name and date, music, number of slides,
/// small previews of its pictures, and buttons to resume or delete it.
class ProjectForm : public QWidget
{
    Q_OBJECT

public:
    ProjectForm(const ProjectEntry& entry, const QString& id, QWidget* parent = nullptr);
    ~ProjectForm() override;

    QString projectId() const { return id; }

signals:
    void projectSelected(QString id);
    /// The user asked to delete the project; the page confirms and deletes it.
    void projectDeleted(QWidget* widget, QString id);

private slots:
    void on_ResumeButton_clicked();
    void on_DeleteButton_clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setTexts(const ProjectEntry& entry);
    void addSmallPreviews(const QStringList& paths);

    Ui::ProjectForm* ui;
    QString id;
};
