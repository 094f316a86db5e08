#pragma once

#include "compose/memory_surface.h"
#include "compose/random_source.h"
#include "engine/compose_engine.h"
#include "fake_dialogs.h"
#include "prefs/preferences.h"
#include "vocab/vocabulary.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

inline QString S(const char *s)
{
    return QString::fromUtf8(s);
}

// Hands out the numbers queued, then keeps giving the last one (so one
// number makes a source that always repeats itself); records the bounds
// asked for.
class QueuedRandom : public RandomSource
{
public:
    QueuedRandom(std::initializer_list<int> queued = {})
        : values(queued)
    {}
    std::deque<int> values;
    QList<int> bounds;
    int next(int bound) override
    {
        bounds.append(bound);
        int v = values.empty() ? 0 : values.front();
        if (values.size() > 1)
            values.pop_front();
        return bound <= 0 ? 0 : std::min(v, bound - 1);
    }
};

// The program's engine over an in-memory text, as the window builds it,
// with the moves a user makes: a fixed word, the full stop and GRAB through
// their own handlers, a caret placed by the mouse, text typed or opened.
// The text's key-up reaches the editing keys as the editor's does.
struct EngineDesk
{
    MemorySurface surface;
    Vocabulary vocab;
    Preferences prefs;
    QueuedRandom random;
    FakeDialogs dialogs;
    ComposeEngine engine{&surface, vocab, prefs, random, dialogs};
    Composition &composition = engine.composition();
    CompositionState &state = composition.state;

    // A new document holding initial, the caret at its end.
    explicit EngineDesk(const QString &initial = QString())
        : surface(initial)
    {
        composition.resetForNewDocument();
        surface.setCaret(surface.length());
        if (!initial.isEmpty())
            engine.editingKeys().resetAfterEdit();
        surface.onKeyUp = [this](EditKey key) {
            engine.editingKeys().RichEdit1KeyUp(EditingKeys::qtKey(key), engine.prose());
        };
    }

    QString text() const { return surface.text(); }

    // A fixed word button of the main board or a panel.
    void word(const QString &w) { engine.panelWords().fixedWordClick(w, w); }
    void words(const QStringList &ws)
    {
        for (const QString &w : ws)
            word(w);
    }
    void period() { engine.punctuation().btnPeriodClick(); }
    void grab() { engine.editingKeys().btnGrabClick(); }
    // The caret put at pos by a mouse click.
    void click(int pos)
    {
        surface.setCaret(pos);
        engine.editingKeys().RichEdit1MouseDown(false);
        engine.editingKeys().RichEdit1MouseUp(false);
    }
    // Text typed or opened, with the caret put at pos by a mouse click.
    void typed(const QString &t, int pos = -1)
    {
        surface.setText(t);
        click(pos < 0 ? int(t.size()) : pos);
    }
};

class EngineFixture : public ::testing::Test, public EngineDesk
{};
