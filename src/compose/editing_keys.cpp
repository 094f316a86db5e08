#include "editing_keys.h"

#include "composition.h"

#include <QtCore/qnamespace.h>
#include <algorithm>

using namespace TextRules;

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\n');
}

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The keys whose release derives capitals and agreement from the context;
// typed characters do not.
bool isEditingKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

// Tags after which Enter on the keyboard leaves the state alone.
bool keepsStateOnEnter(const QString &tag)
{
    static const char *const tags[] = {"verb",     "say",       "go",        "noun",   "custom",
                                       "person",   "Character", "plant",     "animal", "place",
                                       "bodypart", "object",    "substance", "event",  "concept",
                                       "he",       "she",       "it"};
    return std::any_of(std::begin(tags), std::end(tags),
                       [&](const char *t) { return tag == QLatin1String(t); });
}

// The nearest character before pos that is neither a space nor a line
// break, or -1 when there is none.
int nearestCharBefore(const TextSurface &t, int pos)
{
    for (int i = std::min(pos, t.length()) - 1; i >= 0; --i) {
        const QChar c = t.charAt(i);
        if (!c.isNull() && !isBlank(c))
            return i;
    }
    return -1;
}

// An "a" at pos that is a word of its own start: at a line start or after a
// space.
bool startsWord(const TextSurface &t, int pos)
{
    return pos == t.lineStart(pos) || t.charAt(pos - 1) == QLatin1Char(' ');
}

bool isA(QChar c)
{
    return c == QLatin1Char('a') || c == QLatin1Char('A');
}

// Where the word GRAB copies ends, looking back and forward from a click.
bool endsGrabBackward(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('\'') ||
           c == QLatin1Char('"') || c == QLatin1Char('\n');
}

bool endsGrabForward(QChar c)
{
    static const QString stops = QStringLiteral(" .,?-!'\";:\n");
    return stops.contains(c);
}

// Marks that close a word; Capitalize looks past them to the word.
bool isClosingMark(QChar c)
{
    static const QString marks = QStringLiteral(".!?,;:\"')");
    return marks.contains(c);
}

QString titleCase(const QString &lower)
{
    QString out = lower;
    for (int i = 0; i < out.size(); ++i)
        if (i == 0 || out.at(i - 1) == QLatin1Char(' '))
            out[i] = upperAscii(out.at(i));
    return out;
}

} // namespace

EditingKeys::EditingKeys(Composition &composition, QObject *parent)
    : QObject(parent)
    , m_c(composition)
{}

int EditingKeys::qtKey(EditKey key)
{
    switch (key) {
    case EditKey::Space:
        return Qt::Key_Space;
    case EditKey::Enter:
        return Qt::Key_Return;
    case EditKey::Delete:
        return Qt::Key_Delete;
    case EditKey::Backspace:
        return Qt::Key_Backspace;
    }
    return Qt::Key_unknown;
}

void EditingKeys::clearIndicators()
{
    m_c.state.GrabArmed = false;
    m_c.setIndicators(false, false);
}

void EditingKeys::afterMoveCheck()
{
    CompositionState &s = m_c.state;
    const TextSurface &t = m_c.surface();
    const int i = nearestCharBefore(t, t.caret());
    if (i < 0) {
        s.CapsMode = CapsFirstArmed;
        return;
    }
    const QChar c = t.charAt(i);
    if (isSentenceEnd(c))
        s.CapsMode = CapsFirstArmed;
    if (isA(c) && startsWord(t, i)) {
        s.ArticleState = ArticleArmed;
        s.ArticleWord = QStringLiteral("a");
        if (i == 0)
            s.CapsMode = CapsNone;
    } else if (c == QLatin1Char('n') && i >= 1 && isA(t.charAt(i - 1)) && startsWord(t, i - 1)) {
        s.ArticleState = ArticleArmed;
        s.ArticleWord = QStringLiteral("an");
    }
}

void EditingKeys::resetAfterEdit()
{
    CompositionState &s = m_c.state;
    m_c.noteTypedBeforeCaret(false);
    s.WordStart = m_c.surface().caret();
    s.WordLength = 0;
    s.ReplaceMode = 0;
    s.LastAction = kMouseClick;
    s.CapsMode = CapsNone;
    s.ArticleState = ArticleNone;
    afterMoveCheck();
}

void EditingKeys::btnSpaceClick()
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    clearIndicators();
    t.setFocus();
    s.WordStart = t.caret();
    // The editor inserts the space itself; its key-up handler runs inside.
    t.sendKey(EditKey::Space);
    s.LastAction = QStringLiteral("space");
    s.ReplaceMode = 0;
    s.CurrentWord = QStringLiteral(" ");
}

void EditingKeys::btnEnterClick(bool prose)
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    clearIndicators();
    t.setFocus();
    s.LastAction = kMouseClick;
    s.WordStart = t.caret();
    t.sendKey(EditKey::Enter);
    // In poetry a new line does not start a sentence.
    if (prose)
        s.CapsMode = CapsFirstArmed;
}

void EditingKeys::btnDeleteClick()
{
    TextSurface &t = m_c.surface();
    clearIndicators();
    t.setFocus();
    if (t.hasSelection()) {
        m_c.FindWordBeforeCaret();
        m_c.ReadContextBeforeCaret();
        return;
    }
    t.sendKey(EditKey::Delete);
    if (t.caret() == 0)
        m_c.state.CapsMode = CapsFirstArmed;
}

void EditingKeys::btnBackspaceClick()
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    clearIndicators();
    t.setFocus();
    s.LastAction = kMouseClick;
    if (t.caret() > 0) {
        // The sentence end is going away.
        if (isSentenceEnd(t.charAt(t.caret() - 1)))
            s.CapsMode = CapsNone;
        if (t.hasSelection()) {
            t.replaceSelection(QString());
            return;
        }
    }
    t.sendKey(EditKey::Backspace);
}

void EditingKeys::btnWordLeftClick()
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    clearIndicators();
    if (t.hasSelection())
        return;
    s.CapsMode = CapsNone;
    s.ArticleState = ArticleNone;
    int p = t.caret();
    if (p > 0) {
        while (p > 0 && isBlank(t.charAt(p - 1)))
            --p;
        while (p > 0 && !isBlank(t.charAt(p - 1)))
            --p;
        t.setCaret(p);
        s.WordStart = p;
        s.WordLength = 0;
    }
    s.LastAction = kMouseClick;
    afterMoveCheck();
}

void EditingKeys::btnWordRightClick()
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    clearIndicators();
    if (t.hasSelection())
        return;
    s.CapsMode = CapsNone;
    s.ArticleState = ArticleNone;
    const int start = t.caret();
    const int n = t.length();
    int q = start;
    if (q < n && t.charAt(q) == QLatin1Char('\n')) {
        ++q; // a line break is a step of its own
    } else {
        bool passedEnd = false;
        while (q < n && !isBlank(t.charAt(q))) {
            passedEnd = passedEnd || isSentenceEnd(t.charAt(q));
            ++q;
        }
        if (q < n && t.charAt(q) == QLatin1Char(' ')) {
            ++q;
            if (passedEnd && t.charAt(q) == QLatin1Char(' '))
                ++q;
        }
    }
    // The passed word counts as the last span, so Remove takes it.
    s.WordStart = start;
    s.WordLength = q - start;
    t.setCaret(q);
    s.LastAction = kMouseClick;
    afterMoveCheck();
}

void EditingKeys::btnRemoveClick()
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    clearIndicators();
    t.setFocus();
    if (t.hasSelection()) {
        t.replaceSelection(QString());
        m_c.FindWordBeforeCaret();
    } else if (t.caret() > 0) {
        s.CapsMode = CapsNone;
        if (t.caret() != s.WordStart && s.WordLength > 0) {
            // The last insertion still stands before the caret: take it back.
            const bool negation = s.LastAction == QLatin1String("not");
            m_c.ReadContextBeforeCaret();
            if (negation)
                Q_EMIT negationRemoved();
        } else {
            // The caret was placed by the user: take the word before it.
            s.LastAction = kMouseClick;
            m_c.FindWordBeforeCaret();
            m_c.ReadContextBeforeCaret();
        }
    }
    s.LastAction = kMouseClick;
    s.ReplaceMode = 0;
}

void EditingKeys::insertCaseForm(const QString &form)
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    s.ActionTag = QStringLiteral("capitalize");
    s.ReplaceMode = 1;
    if (m_caretPastWord > 0)
        t.setCaret(s.WordStart + s.WordLength);
    // The chosen case is final: a pending capital must not change it. One
    // armed for the next word stays armed; one in force for this word ends
    // with it.
    const int caps = s.CapsMode;
    s.CapsMode = CapsNone;
    // Seen as a repeated click, InsertWord keeps a following mark joined to
    // the word instead of putting a space before it.
    s.LastAction = QStringLiteral("capitalize");
    m_c.InsertWord(form);
    s.CapsMode = caps == CapsFirstArmed || caps == CapsAllArmed ? caps : CapsNone;
    s.CurrentWord = form;
    if (m_caretPastWord > 0)
        t.setCaret(t.caret() + m_caretPastWord);
}

void EditingKeys::btnCapitalizeClick()
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    s.ReplaceMode = 1;
    // GRAB pressed since the last click moved the span to the caret: the
    // word before the caret is captured afresh.
    if (s.LastAction == QLatin1String("capitalize") && !t.hasSelection() && !s.GrabArmed) {
        s.FormIndex = nextFormNumber(s.FormIndex, 3);
        insertCaseForm(m_caseForms[s.FormIndex - 1]);
        return;
    }
    clearIndicators();
    s.LastAction = kMouseClick;

    // After "word." or "word," the word is meant, not the mark.
    const int caret = t.caret();
    m_caretPastWord = 0;
    if (!t.hasSelection()) {
        int end = caret;
        while (end > 0 && t.charAt(end - 1) == QLatin1Char(' '))
            --end;
        int wordEnd = end;
        while (wordEnd > 0 && isClosingMark(t.charAt(wordEnd - 1)))
            --wordEnd;
        if (wordEnd < end && wordEnd > 0 && !isBlank(t.charAt(wordEnd - 1))) {
            m_caretPastWord = caret - wordEnd;
            t.setCaret(wordEnd);
        }
    }
    m_c.FindWordBeforeCaret();
    // A selected phrase is replaced as the span just captured.
    if (t.hasSelection())
        t.setCaret(s.WordStart + s.WordLength);

    QString word = s.CurrentWord;
    while (word.endsWith(QLatin1Char(' ')))
        word.chop(1);
    m_caseForms[0] = lowerAscii(word);
    m_caseForms[1] = titleCase(m_caseForms[0]);
    m_caseForms[2] = upperAscii(word);

    int form = 0;
    if (word.trimmed().isEmpty())
        form = 0; // nothing before the caret to capitalise
    else if (word == m_caseForms[0])
        form = 2;
    else if (word == m_caseForms[2])
        form = 1;
    else if (word == m_caseForms[1])
        form = 3;
    if (form == 0) {
        t.setCaret(caret);
        m_caretPastWord = 0;
        return;
    }
    s.FormIndex = form;
    insertCaseForm(m_caseForms[form - 1]);
}

void EditingKeys::btnGrabClick()
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    clearIndicators();
    s.GrabArmed = true;
    if (t.hasSelection())
        t.replaceSelection(QString());
    s.WordStart = t.caret();
    s.WordLength = 0;
    m_c.setIndicators(false, true);
}

void EditingKeys::btnRepeatOKClick()
{
    CompositionState &s = m_c.state;
    clearIndicators();
    m_c.surface().setFocus();
    s.LastAction = QStringLiteral("RepeatOK");
    s.ReplaceMode = 0;
    if (s.CapsMode == CapsFirstInForce)
        s.CapsMode = CapsNone;
    s.ArticleState = ArticleNone;
    m_c.setIndicators(true, false);
}

void EditingKeys::RichEdit1KeyDown(int key)
{
    // Key-up tells by this whether Down moved the caret.
    if (key == Qt::Key_Down)
        m_c.state.WordStart = m_c.surface().caret();
    m_lengthAtKeyDown = m_c.surface().length();
}

void EditingKeys::followTyping(int key, bool grew)
{
    TextSurface &t = m_c.surface();
    const int p = t.caret();
    const QChar before = p > 0 ? t.charAt(p - 1) : QChar();
    if (t.hasSelection() || p == 0 ||
        (!grew && key != Qt::Key_Backspace && key != Qt::Key_Delete)) {
        m_c.noteTypedBeforeCaret(false);
        return;
    }
    if (isWordChar(before)) {
        // Backspace corrects typing; after a clicked word it types nothing.
        m_c.noteTypedBeforeCaret(grew || m_c.typedBeforeCaret());
        return;
    }
    // A space, a line break or a mark typed right after a word ends it.
    if (grew && p >= 2 && isWordChar(t.charAt(p - 2)))
        m_c.agreeArticleWithTyped(t.caret() - 1);
    static const QString closers = QStringLiteral(".,;:!?)");
    m_c.noteTypedBeforeCaret(grew && closers.contains(before));
}

void EditingKeys::RichEdit1KeyUp(int key, bool prose)
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    // Keys that change nothing (Shift, Ctrl) leave typing as it was.
    const bool grew = m_lengthAtKeyDown >= 0 && t.length() > m_lengthAtKeyDown;
    const bool changed = m_lengthAtKeyDown >= 0 && t.length() != m_lengthAtKeyDown;
    m_lengthAtKeyDown = t.length();
    if (changed || isEditingKey(key))
        followTyping(key, grew);
    if (isEnterKey(key) && keepsStateOnEnter(s.LastAction))
        return;
    // Down on the last line goes to the end of the text.
    if (key == Qt::Key_Down && t.caret() == s.WordStart)
        t.setCaret(t.length());
    s.WordStart = t.caret();
    s.ReplaceMode = 0;
    s.LastAction = kMouseClick;
    s.CapsMode = CapsNone;
    s.ArticleState = ArticleNone;
    if (!isEditingKey(key)) {
        // A typed full stop ends a sentence as the button's does.
        if (grew && t.caret() > 0 && isSentenceEnd(t.charAt(t.caret() - 1)))
            s.CapsMode = CapsFirstArmed;
        return;
    }

    const int p = t.caret();
    const int i = nearestCharBefore(t, p);
    if (i < 0) {
        s.CapsMode = CapsFirstArmed;
        return;
    }
    const QChar c = t.charAt(i);
    if (isA(c) && startsWord(t, i)) {
        s.ArticleState = ArticleArmed;
        s.ArticleWord = QStringLiteral("a");
    } else {
        m_c.readArticleBeforeCaret(); // "an", which agrees as "a" does
    }
    if (isSentenceEnd(c))
        s.CapsMode = CapsFirstArmed;
    if (isEnterKey(key) && prose && t.lineStart(p) == p)
        s.CapsMode = CapsFirstArmed;
}

void EditingKeys::grabWordAt(int pos)
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    const int at = s.WordStart;
    if (s.WordLength > 0) {
        const int len = s.WordLength;
        t.remove(at, len);
        if (pos >= at + len)
            pos -= len;
        else if (pos > at)
            pos = at;
    }
    s.WordLength = 0;
    int first = pos;
    while (first > 0 && !endsGrabBackward(t.charAt(first - 1)))
        --first;
    int last = pos;
    while (last < t.length() && !endsGrabForward(t.charAt(last)))
        ++last;
    QString word;
    for (int i = first; i < last; ++i)
        word += t.charAt(i);
    t.setCaret(at);
    if (word.isEmpty())
        return; // a click between words: nothing to copy
    // Capitals and agreement as for any word put at that point.
    s.CapsMode = CapsNone;
    s.ArticleState = ArticleNone;
    afterMoveCheck();
    m_c.insert(QStringLiteral("grab"), word, false);
}

void EditingKeys::RichEdit1MouseDown(bool belowText)
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    m_c.noteTypedBeforeCaret(false);
    s.CapsMode = CapsNone;
    if (s.GrabArmed) {
        if (!belowText && t.caret() < t.length() && !t.hasSelection())
            grabWordAt(t.caret());
        s.GrabArmed = false;
        m_c.setIndicators(m_c.repeatLit(), false);
    }
    s.ArticleState = ArticleNone;
    s.LastAction = kMouseClick;
    s.ReplaceMode = 0;
    s.WordStart = t.caret();
}

void EditingKeys::RichEdit1MouseUp(bool belowText)
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    // The selection is what transforming buttons act on next.
    if (m_c.captureSelection())
        return;
    if (belowText) {
        t.setCaret(t.length());
        s.WordStart = t.length();
    }
    afterMoveCheck();
}
