#include "ui/pages/selectthemeform.h"
#include "ui/widgets/resources.h"
#include "ui/widgets/links.h"
#include "ui/dialogs/basedialog.h"
#include "ui/dialogs/messagedialog.h"
#include "ui/tiles/projectform.h"
#include "ui/tiles/themethumbnailform.h"
#include "ui_selectthemeform.h"

#include "core/prjmanager.h"
#include "core/tmplpathmanager.h"

#include <QLabel>
#include <QUrl>

namespace {

const int themeColumns = 3;

void openModal(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

} // namespace

SelectThemeForm::SelectThemeForm(QWidget* parent, TmplPathManager* paths)
    : QWidget(parent)
    , ui(new Ui::SelectThemeForm)
{
    initUiResources();
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    showAllText = ui->ShowAppProjectsButton->text();
    for (QPushButton* button : {ui->ShowAppProjectsButton, ui->HideProjectsButton, ui->FBButton,
                                ui->SubscButton_2})
        button->setCursor(Qt::PointingHandCursor);
    addThemes(paths ? paths : TmplPathManager::instance());
    ui->RecentProjectsBox->hide();
}

SelectThemeForm::~SelectThemeForm()
{
    delete ui;
}

void SelectThemeForm::addThemes(TmplPathManager* paths)
{
    int index = 0;
    for (const TmplRecord* record : paths->templates()) {
        if (record->damaged)
            continue; // a tile without name or picture would say nothing
        auto* tile = new ThemeThumbnailForm(ui->ThemesGrid, record->id, record->name,
                                            record->thumb, record->preview);
        ui->ThemesLayout->addWidget(tile, index / themeColumns, index % themeColumns);
        connect(tile, &ThemeThumbnailForm::selected, this, &SelectThemeForm::onThemeSelected);
        ++index;
    }
}

void SelectThemeForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshProjects();
}

// Rebuilt from the store each time, so a project saved or deleted meanwhile shows as it is now.
void SelectThemeForm::refreshProjects()
{
    removeProjectTiles();
    const QStringList ids = PrjManager::instance()->projectIds();
    ui->RecentProjectsBox->setVisible(!ids.isEmpty());
    if (ids.isEmpty())
        return;
    const int shown = showingAll ? ids.size() : 1;
    for (int i = 0; i < shown; ++i)
        addProjectTile(ids.at(i));
    const bool several = ids.size() > 1;
    ui->ShowAppProjectsButton->setText(QString("%1 (%2)").arg(showAllText).arg(ids.size()));
    ui->ShowAppProjectsButton->setAccessibleName(ui->ShowAppProjectsButton->text());
    ui->ShowAppProjectsButton->setVisible(several && !showingAll);
    ui->HideProjectsButton->setVisible(several && showingAll);
}

void SelectThemeForm::addProjectTile(const QString& id)
{
    auto* tile = new ProjectForm(PrjManager::instance()->projectEntry(id), id, ui->ProjectsList);
    ui->ProjectsLayout->addWidget(tile);
    tiles.append(tile);
    connect(tile, &ProjectForm::projectSelected, this, &SelectThemeForm::onProjectSelected);
    connect(tile, &ProjectForm::projectDeleted, this, &SelectThemeForm::onProjectDeleted);
}

void SelectThemeForm::removeProjectTiles()
{
    for (ProjectForm* tile : qAsConst(tiles)) {
        ui->ProjectsLayout->removeWidget(tile);
        tile->hide();
        tile->deleteLater(); // a tile may be inside its own signal
    }
    tiles.clear();
}

void SelectThemeForm::onThemeSelected(int id)
{
    emit themeSelected(id);
}

void SelectThemeForm::onProjectSelected(QString id)
{
    emit projectSelected(id);
}

// Deleting cannot be undone, so the user confirms first.
void SelectThemeForm::onProjectDeleted(QWidget* widget, QString id)
{
    Q_UNUSED(widget);
    if (confirmDialog)
        return;
    confirmDialog = new BaseDialog(window(), tr("Cancel"), tr("Delete"), tr("Delete Project"));
    auto* question = new QLabel(tr("The project will be removed from this computer. "
                                   "This cannot be undone."));
    question->setObjectName("DeleteQuestionLabel");
    question->setStyleSheet("color: white; font-size: 16pt;");
    question->setWordWrap(true);
    question->setAlignment(Qt::AlignCenter);
    confirmDialog->setContent(question);
    BaseDialog* dialog = confirmDialog;
    connect(dialog, &BaseDialog::done, this, [this, dialog, id] {
        dialog->close();
        deleteConfirmed(id);
    });
    connect(dialog, &BaseDialog::cancel, dialog, &QWidget::close);
    openModal(dialog);
}

void SelectThemeForm::deleteConfirmed(const QString& id)
{
    PrjManager* store = PrjManager::instance();
    // A project removed meanwhile by other means is not a failure to report.
    if (!store->deleteProject(id) && store->projectIds().contains(id))
        openModal(new MessageDialog(window(), tr("The project could not be deleted."), QString()));
    refreshProjects();
}

void SelectThemeForm::on_ShowAppProjectsButton_clicked()
{
    showingAll = true;
    refreshProjects();
}

void SelectThemeForm::on_HideProjectsButton_clicked()
{
    showingAll = false;
    refreshProjects();
}

void SelectThemeForm::on_FBButton_clicked()
{
    Links::openOrTell(this, Links::social());
}

void SelectThemeForm::on_SubscButton_2_clicked()
{
    Links::openOrTell(this, Links::subscribe());
}
