#pragma once

#include "morph/plurals.h"
#include "morph/verbs.h"
#include "panels/verb_panel_tables.h"

#include <QHash>
#include <QObject>

class Board;
class Preferences;
class RandomSource;
class Vocabulary;

// The board's plural and verb-form buttons: PLURALIZE, the helping verbs,
// the verb buttons, the suffix buttons, infinitive, the tense box, and the
// sub-panels that a right click on a pronoun or helping verb opens.
class InflectionButtons : public QObject
{
    Q_OBJECT
public:
    // Builds the sub-panels on the board and connects the buttons. The verb
    // forms follow the tense of prefs.
    InflectionButtons(Board &board, Composition &composition, const Vocabulary &vocabulary,
                      RandomSource &random, const Preferences &prefs, QObject *parent = nullptr);

    Plurals &plurals() { return m_plurals; }
    Verbs &verbs() { return m_verbs; }

    // The user chose another tense in the tense box: the verb just inserted
    // takes it.
    void cbTenseChange();

private:
    void connectClicks(const char *name, void (InflectionButtons::*handler)());
    void buildPanels();
    QWidget *buildPanel(Board *board, const VerbPanelTables::VerbPanel &desc);
    // The sub-panel of desc, built now if it is not yet.
    QWidget *panelFor(const VerbPanelTables::VerbPanel &desc);

    void btnPluralizeClick() { m_plurals.btnPluralizeClick(); }
    void btnHaveClick() { m_verbs.helperClick(Verbs::Helper::Have); }
    void btnBeClick() { m_verbs.helperClick(Verbs::Helper::Be); }
    void btnDoClick() { m_verbs.helperClick(Verbs::Helper::Do); }
    void btnGetClick() { m_verbs.helperClick(Verbs::Helper::Get); }
    void btnLetClick() { m_verbs.helperClick(Verbs::Helper::Let); }
    void btnPutMainClick() { m_verbs.helperClick(Verbs::Helper::Put); }
    void btnVerbClick();
    void btnGoClick();
    void btnSayClick();
    void btnSClick() { m_verbs.suffixClick(Verbs::Suffix::S); }
    void btnIngClick() { m_verbs.suffixClick(Verbs::Suffix::Ing); }
    void btnEdClick() { m_verbs.suffixClick(Verbs::Suffix::Ed); }
    void btnEnClick() { m_verbs.suffixClick(Verbs::Suffix::En); }
    void btnInfinitiveClick() { m_verbs.btnInfinitiveClick(); }

    Board &m_board;
    RandomSource &m_random;
    Plurals m_plurals;
    Verbs m_verbs;
    QHash<const VerbPanelTables::VerbPanel *, QWidget *> m_panels;
};
