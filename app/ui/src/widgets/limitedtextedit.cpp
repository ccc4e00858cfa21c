#include "ui/widgets/limitedtextedit.h"

#include "core/slideinput.h"
#include "core/textlength.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

LimitedTextEdit::LimitedTextEdit(QWidget* parent)
    : QTextEdit(parent)
{
    setAutoFillBackground(false);
    // Pasted HTML would bypass the limit, and the slide keeps plain text only.
    setAcceptRichText(false);
}

void LimitedTextEdit::SetMaxLength(int length)
{
    m_maxLength = length;
    const QString text = toPlainText();
    if (length > 0 && visibleLength(text) > length)
        setPlainText(leftVisible(text, length));
}

// What stays of the text when the selection is typed over.
int LimitedTextEdit::keptLength() const
{
    return visibleLength(toPlainText()) - visibleLength(textCursor().selectedText());
}

bool LimitedTextEdit::keyAllowed(const QKeyEvent& event) const
{
    if (m_maxLength <= 0 || keptLength() < m_maxLength)
        return true;
    // Shortcuts (Ctrl+A, Ctrl+Z …) insert nothing; Ctrl with Alt may be AltGr typing.
    const Qt::KeyboardModifiers mods = event.modifiers();
    if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier))
        return true;
    const QString text = event.text();
    const int key = event.key();
    if (text.isEmpty() || key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Cancel)
        return true;
    const ushort code = text.at(0).unicode();
    return text.size() == 1 && (code < 32 || code == 127);
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (!keyAllowed(*event))
        return;
    const QString text = event->text();
    const QString clean = cleanSlideText(text);
    // A single control character is a shortcut (Ctrl+A...) that the editor never inserts.
    if (clean == text || text.size() == 1) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent cleaned(event->type(), event->key(), event->modifiers(), clean,
                      event->isAutoRepeat(), static_cast<ushort>(event->count()));
    QTextEdit::keyPressEvent(&cleaned);
}

// Input methods commit whole words, which must obey the same rules as a paste.
void LimitedTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    const QString kept = fitting(commit);
    if (kept == commit) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cleaned(event->preeditString(), event->attributes());
    cleaned.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QTextEdit::inputMethodEvent(&cleaned);
}

QString LimitedTextEdit::fitting(const QString& incoming) const
{
    const QString clean = cleanSlideText(incoming);
    if (m_maxLength <= 0)
        return clean;
    return leftVisible(clean, m_maxLength - keptLength());
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source)
{
    QMimeData data;
    if (source->hasColor())
        data.setColorData(source->colorData());
    if (source->hasHtml())
        data.setHtml(cleanSlideText(source->html()));
    if (source->hasImage())
        data.setImageData(source->imageData());
    if (source->hasText())
        data.setText(fitting(source->text()));
    if (source->hasUrls())
        data.setUrls(source->urls());
    QTextEdit::insertFromMimeData(&data);
}
