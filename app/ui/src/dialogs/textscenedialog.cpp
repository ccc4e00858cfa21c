#include "ui/dialogs/textscenedialog.h"
#include "ui/widgets/keyboard.h"
#include "ui/widgets/limitedtextedit.h"
#include "ui/widgets/roundedmask.h"
#include "ui_textscenedialog.h"

#include "core/slideinput.h"
#include "core/textlength.h"

#include <QKeyEvent>

#include <QStyle>

TextSceneDialog::TextSceneDialog(QWidget* parent, const QString& text, int maxLength)
    : QDialog(parent)
    , ui(new Ui::TextSceneDialog)
{
    ui->setupUi(this);
    ui->DoneButton->setCursor(Qt::PointingHandCursor);
    ui->CancelButton->setCursor(Qt::PointingHandCursor);
    ui->TextEdit->SetMaxLength(maxLength);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    roundWidget(this, 20);
    if (!text.isEmpty()) {
        ui->HeaderLabel->setText(tr("Edit Text Scene"));
        ui->TextEdit->setPlainText(cleanSlideText(text));
        ui->TextEdit->SetMaxLength(maxLength); // cuts a text that came in too long
    }
    ui->TextEdit->setPlaceholderText(tr("Type your text here..."));
    dimPlaceholder();
    ui->TextEdit->moveCursor(QTextCursor::End);
    connect(ui->TextEdit, &QTextEdit::textChanged, this, &TextSceneDialog::on_TextChanged);
    // Return makes a new line; Tab leaves the editor; Ctrl+Return confirms.
    ui->TextEdit->setTabChangesFocus(true);
    ui->TextEdit->installEventFilter(this);
    on_TextChanged();
    nameControls(this);
}

// Style sheets cannot colour a placeholder, and a white one reads as typed text.
void TextSceneDialog::dimPlaceholder()
{
    ui->TextEdit->ensurePolished();
    QPalette palette = ui->TextEdit->palette();
    palette.setColor(QPalette::PlaceholderText, QColor(0x72, 0x7c, 0x8d));
    ui->TextEdit->setPalette(palette);
}

TextSceneDialog::~TextSceneDialog()
{
    delete ui;
}

QString TextSceneDialog::trimmedText() const
{
    return ui->TextEdit->toPlainText().trimmed();
}

void TextSceneDialog::on_TextChanged()
{
    const QString text = trimmedText();
    QPushButton* done = ui->DoneButton;
    done->setProperty("class", text.isEmpty() ? "disabled" : "enabled");
    done->style()->unpolish(done);
    done->style()->polish(done);
    const int limit = ui->TextEdit->maxLength();
    const int used = visibleLength(text);
    ui->UsedLenLabel->setText(limit > 0 ? tr("%1/%2").arg(used).arg(limit) : QString::number(used));
}

void TextSceneDialog::on_DoneButton_clicked()
{
    const QString text = trimmedText();
    if (text.isEmpty())
        return;
    emit textEntered(text);
    accept();
}

bool TextSceneDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->TextEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool confirm = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                             && (key->modifiers() & Qt::ControlModifier);
        if (confirm) {
            on_DoneButton_clicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TextSceneDialog::on_CancelButton_clicked()
{
    reject();
}

// Escape and close end here as well as the buttons, so no dialog is left behind.
void TextSceneDialog::done(int result)
{
    QDialog::done(result);
    deleteLater();
}

void TextSceneDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    roundWidget(this, 20);
}
