#pragma once

#include "text_surface.h"

#include <QObject>
#include <QString>

class Composition;

// The editing buttons (space, enter, delete, backspace, word left and right,
// remove, capitalize, GRAB, Repeat OK) and the editor's key and mouse
// handlers. Each breaks the chain of insertions; where the caret moved, the
// capital and the article agreement are derived afresh from the text before
// it. What only the window knows (prose or poetry, where a click fell) is
// passed in.
class EditingKeys : public QObject
{
    Q_OBJECT
public:
    explicit EditingKeys(Composition &composition, QObject *parent = nullptr);

    void btnSpaceClick();
    void btnEnterClick(bool prose);
    void btnDeleteClick();
    void btnBackspaceClick();
    void btnWordLeftClick();
    void btnWordRightClick();
    void btnRemoveClick();
    void btnCapitalizeClick();
    void btnGrabClick();
    void btnRepeatOKClick();

    // key is a Qt::Key. Key-up runs after the editor acted on the key.
    void RichEdit1KeyDown(int key);
    void RichEdit1KeyUp(int key, bool prose);
    // The editor has already put the caret at the click. belowText: the
    // click fell below the last line of text.
    void RichEdit1MouseDown(bool belowText);
    void RichEdit1MouseUp(bool belowText);

    // After the caret moved: a capital after a sentence end or with nothing
    // before the caret, agreement with an "a"/"an" standing before it.
    void afterMoveCheck();
    // The state after the text changed in a way the engine did not make
    // (the editor's own undo): as after a caret move.
    void resetAfterEdit();

    // The Qt::Key of a key the buttons press.
    static int qtKey(EditKey key);

Q_SIGNALS:
    // Remove after a negation: whoever made it puts back the form the
    // negation replaced.
    void negationRemoved();

private:
    void clearIndicators();
    void insertCaseForm(const QString &form);
    void grabWordAt(int pos);
    // Key-up after the key changed the text: typing (or a correction of
    // what was typed) goes on before the caret, or a word typed there has
    // just been ended.
    void followTyping(int key, bool grew);

    Composition &m_c;
    // The three case forms of the word Capitalize works on, and how far the
    // caret stood past the word (over closing marks) when it was captured.
    QString m_caseForms[3];
    int m_caretPastWord = 0;
    // The text's length when the last key went down, to tell typing from
    // keys that only move the caret.
    int m_lengthAtKeyDown = -1;
};
