#pragma once

#include "morph/verbs.h"
#include "panels/verb_panel_tables.h"

#include <QHash>
#include <QObject>

class Board;
class ComposeEngine;

// The board's plural and verb-form buttons: PLURALIZE, the helping verbs,
// the verb buttons, the suffix buttons, infinitive, the tense box, and the
// sub-panels that a right click on a pronoun or helping verb opens.
class InflectionButtons : public QObject
{
    Q_OBJECT
public:
    // Builds the sub-panels on the board and connects the buttons to the
    // engine's plural and verb rules.
    InflectionButtons(Board &board, ComposeEngine &engine, QObject *parent = nullptr);

    // The user chose another tense in the tense box: the verb just inserted
    // takes it.
    void cbTenseChange();

private:
    void connectClicks(const char *name, void (InflectionButtons::*handler)());
    void buildPanels();
    QWidget *buildPanel(Board *board, const VerbPanelTables::VerbPanel &desc);
    // The sub-panel of desc, built now if it is not yet.
    QWidget *panelFor(const VerbPanelTables::VerbPanel &desc);

    void btnPluralizeClick();
    void btnHaveClick() { verbs().helperClick(Verbs::Helper::Have); }
    void btnBeClick() { verbs().helperClick(Verbs::Helper::Be); }
    void btnDoClick() { verbs().helperClick(Verbs::Helper::Do); }
    void btnGetClick() { verbs().helperClick(Verbs::Helper::Get); }
    void btnLetClick() { verbs().helperClick(Verbs::Helper::Let); }
    void btnPutMainClick() { verbs().helperClick(Verbs::Helper::Put); }
    void btnVerbClick();
    void btnGoClick();
    void btnSayClick();
    void btnSClick() { verbs().suffixClick(Verbs::Suffix::S); }
    void btnIngClick() { verbs().suffixClick(Verbs::Suffix::Ing); }
    void btnEdClick() { verbs().suffixClick(Verbs::Suffix::Ed); }
    void btnEnClick() { verbs().suffixClick(Verbs::Suffix::En); }
    void btnInfinitiveClick() { verbs().btnInfinitiveClick(); }

    Verbs &verbs();

    Board &m_board;
    ComposeEngine &m_engine;
    QHash<const VerbPanelTables::VerbPanel *, QWidget *> m_panels;
};
