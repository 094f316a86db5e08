#pragma once

#include <QChar>
#include <QString>

// The keys that the on-screen editing buttons press in the editor.
enum class EditKey { Space, Enter, Delete, Backspace };

// The text with a caret and a selection, as the composition engine sees it.
// Positions are character positions from 0; a line break reads as '\n'.
// The caret is the start of the selection.
class TextSurface
{
public:
    virtual ~TextSurface() = default;

    virtual int length() const = 0;
    virtual int selStart() const = 0;
    virtual int selLength() const = 0;
    virtual QString selectedText() const = 0;
    // Clamped to the text; an empty selection puts the caret at start.
    virtual void select(int start, int length) = 0;
    // The character at pos, or a null QChar outside the text.
    virtual QChar charAt(int pos) const = 0;
    // The position where the line (paragraph) holding pos starts.
    virtual int lineStart(int pos) const = 0;
    // Replaces the selection with text, outside the undo history; the caret
    // ends after the new text.
    virtual void replaceSelection(const QString &text) = 0;
    // Presses and releases key in the editor, synchronously, so the editor's
    // own key handlers run.
    virtual void sendKey(EditKey key) = 0;
    virtual void setFocus() {}
    // The whole text (for tests and the script's print).
    virtual QString text() const = 0;

    int caret() const { return selStart(); }
    void setCaret(int pos) { select(pos, 0); }
    bool hasSelection() const { return selLength() > 0; }
    // Deletes the characters [start, start + count).
    void remove(int start, int count)
    {
        select(start, count);
        replaceSelection(QString());
    }
    void insertAt(int pos, const QString &text)
    {
        select(pos, 0);
        replaceSelection(text);
    }
};
