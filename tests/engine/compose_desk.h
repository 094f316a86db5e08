#pragma once

#include "compose/articles.h"
#include "compose/composition.h"
#include "compose/editing_keys.h"
#include "compose/memory_surface.h"
#include "compose/punctuation.h"

#include <QStringList>
#include <gtest/gtest.h>

// A composition over an in-memory text with the punctuation, article and
// editing handlers, the text's key-up wired to the editing keys as the
// editor's is.
struct ComposeDesk
{
    MemorySurface text;
    Composition c{&text};
    Punctuation punct{c};
    Articles articles{c};
    EditingKeys keys{c};
    bool prose = false;

    explicit ComposeDesk(const QString &initial = QString())
        : text(initial)
    {
        c.resetForNewDocument();
        text.setCaret(text.length());
        if (!initial.isEmpty())
            keys.resetAfterEdit();
        text.onKeyUp = [this](EditKey key) { keys.RichEdit1KeyUp(EditingKeys::qtKey(key), prose); };
    }
    // A fixed word button.
    void word(const QString &w)
    {
        c.state.ActionTag = w;
        c.state.ReplaceMode = 0;
        c.InsertWord(w);
        c.state.CurrentWord = c.state.LastAction;
    }
    // The caret put at pos by a mouse click.
    void click(int pos)
    {
        text.setCaret(pos);
        keys.RichEdit1MouseDown(false);
        keys.RichEdit1MouseUp(false);
    }
    QString str() const { return text.text(); }
    CompositionState &st() { return c.state; }
};

inline QString S(const char *s)
{
    return QString::fromUtf8(s);
}
