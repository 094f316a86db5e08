#pragma once

#include "compose/composition.h"

#include <QString>
#include <QStringList>

#include <span>

// The main-panel buttons that step through the forms of a word on repeated
// clicks ("I", "me", "my", "mine", "myself") and the sub-panel buttons that
// pick one form directly, after which the main button goes on from there.
class WordCycles
{
public:
    struct Cycle
    {
        const char *button;                 // "btnImain"
        std::span<const char *const> forms; // form 1 is the base word and the tag
        QString base() const { return QString::fromUtf8(forms.front()); }
        QString form(int number) const { return QString::fromUtf8(forms[number - 1]); }
        int count() const { return int(forms.size()); }
    };

    // btnToMain, btnImain, btnYouMain, btnSheMain, btnHeMain, btnItMain,
    // btnMore.
    static std::span<const Cycle> cycles();
    static const Cycle *find(const QString &button);

    explicit WordCycles(Composition &composition);

    // The main-panel button: form 1 after any other action, else the next
    // form in place of the last one.
    void cycleClick(const Cycle &cycle);
    // A sub-panel button choosing form number (from 1).
    void formClick(const Cycle &cycle, int number);

private:
    void insertForm(const Cycle &cycle, int number);

    Composition &m_composition;
};
