#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace Ui {
class SelectThemeForm;
}
class BaseDialog;
class ProjectForm;
class TmplPathManager;

/// The first page: the recent projects, to resume or delete, and the gallery
/// of themes, three to a row.
class SelectThemeForm : public QWidget
{
    Q_OBJECT

public:
    /// \a paths is the theme catalogue; null takes the program's one.
    explicit SelectThemeForm(QWidget* parent = nullptr, TmplPathManager* paths = nullptr);
    ~SelectThemeForm() override;

    /// The project tiles in the order shown.
    QList<ProjectForm*> projectTiles() const { return tiles; }

signals:
    void projectSelected(QString id);
    void themeSelected(int id);

private slots:
    void onThemeSelected(int id);
    void onProjectSelected(QString id);
    void onProjectDeleted(QWidget* widget, QString id);
    void on_ShowAppProjectsButton_clicked();
    void on_HideProjectsButton_clicked();
    void on_FBButton_clicked();
    void on_SubscButton_2_clicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addThemes(TmplPathManager* paths);
    void refreshProjects();
    void addProjectTile(const QString& id);
    void removeProjectTiles();
    void deleteConfirmed(const QString& id);

    Ui::SelectThemeForm* ui;
    QList<ProjectForm*> tiles;
    QString showAllText;
    bool showingAll = false;
    QPointer<BaseDialog> confirmDialog;
};
