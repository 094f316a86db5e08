#pragma once

#include "compose/composition.h"
#include "compose/memory_surface.h"
#include "compose/random_source.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
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

// A composition over an in-memory text, with the moves a user makes by
// clicking: fixed words, a full stop, a caret placed by the mouse.
class MorphFixture : public ::testing::Test
{
protected:
    MemorySurface surface;
    Composition composition{&surface};
    CompositionState &state = composition.state;

    QString text() const { return surface.text(); }

    // A fixed word button.
    void word(const QString &w)
    {
        state.ActionTag = w;
        state.ReplaceMode = 0;
        composition.InsertWord(w);
        state.CurrentWord = state.LastAction;
    }
    void words(const QStringList &ws)
    {
        for (const QString &w : ws)
            word(w);
    }
    // The full stop button.
    void period()
    {
        composition.TrimSpaceBeforeCaret();
        state.ActionTag = QStringLiteral("period");
        state.ReplaceMode = 0;
        composition.InsertWord(QStringLiteral("-. "));
        state.CurrentWord = QStringLiteral(". ");
        state.CapsMode = CapsFirstArmed;
    }
    // Text typed or opened, with the caret put at pos by a mouse click.
    void typed(const QString &t, int pos = -1)
    {
        surface.setText(t);
        surface.setCaret(pos < 0 ? int(t.size()) : pos);
        state.LastAction = QStringLiteral("mouseclick");
        state.WordStart = surface.caret();
        state.ReplaceMode = 0;
        state.CapsMode = CapsNone;
    }
    // The GRAB button.
    void grab()
    {
        state.GrabArmed = true;
        state.WordStart = surface.caret();
        state.WordLength = 0;
    }
};
