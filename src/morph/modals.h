#pragma once

#include "compose/composition.h"
#include "compose/random_source.h"

#include <QStringList>

// The modal button and the modal panel. A modal leaves LastAction at
// "modal", so the verb that follows takes its base form.
//
// The caller does what is visible: with "displays modal screen" chosen it
// calls modalScreenClick() and then shows pModal and hides pPreposition and
// pConjunction; after modalPanelItemClick it hides pModal.
class Modals
{
public:
    // The items of the "Left-click on Modal " preference.
    enum LeftClick { DisplaysScreen = 0, InsertsRandomWord = 1 };

    explicit Modals(Composition &composition);

    // Left click on btnModal: returns true when the caller is to show
    // pModal (nothing is inserted then).
    bool btnModalClick(LeftClick choice, const QStringList &modalList, RandomSource &random);
    // "displays modal screen": a pick from the panel will replace a modal
    // inserted just before.
    void modalScreenClick();
    // "inserts random word": a row of the list, never the same row twice in
    // a row when the list has two or more. Returns false (and inserts
    // nothing) when the list is empty.
    bool modalRandomClick(const QStringList &modalList, RandomSource &random);
    // An item of pModal. "-'ll" and "-'d" join the word before them.
    void modalPanelItemClick(const QString &word);

private:
    void insertModal(const QString &word);

    Composition &m_composition;
};
