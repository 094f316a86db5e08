#pragma once

#include "compose/text_surface.h"

class QTextEdit;

// The composition engine's view of the document editor. Insertions go
// around the editor's undo history, as word clicks are taken back by the
// Remove rule rather than by the editor's undo.
class EditorSurface : public TextSurface
{
public:
    explicit EditorSurface(QTextEdit *editor);

    int length() const override;
    int selStart() const override;
    int selLength() const override;
    QString selectedText() const override;
    void select(int start, int length) override;
    QChar charAt(int pos) const override;
    int lineStart(int pos) const override;
    void replaceSelection(const QString &text) override;
    void sendKey(EditKey key) override;
    void setFocus() override;
    QString text() const override;

private:
    QTextEdit *m_editor;
};
