#pragma once

#include <QTextEdit>

// A text edit that refuses typing and pasting beyond a maximum length
// (0 or less: no limit) and drops what XML cannot hold.
class LimitedTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit LimitedTextEdit(QWidget* parent = nullptr);

    int maxLength() const { return m_maxLength; }

public slots:
    void SetMaxLength(int length);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool keyAllowed(const QKeyEvent& event) const;
    int keptLength() const;
    QString fitting(const QString& incoming) const;

    int m_maxLength = 0;
};
