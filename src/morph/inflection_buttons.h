#pragma once

#include "panels/verb_panel_tables.h"
#include "plurals.h"
#include "verbs.h"

#include <QObject>

class Board;
class QComboBox;
class QWidget;
class TMainForm;

// The board's plural and verb-form buttons: PLURALIZE, the helping verbs,
// the verb buttons, the suffix buttons, infinitive, the tense box, and the
// sub-panels that a right click on a pronoun or helping verb opens.
class InflectionButtons : public QObject
{
    Q_OBJECT
public:
    // Connects the buttons; a sub-panel is built when first opened.
    explicit InflectionButtons(TMainForm &form);

    Plurals &plurals() { return m_plurals; }
    Verbs &verbs() { return m_verbs; }

private:
    void connectClicks(const char *name, void (InflectionButtons::*handler)());
    void buildPanels();
    QWidget *buildPanel(Board *board, const VerbPanelTables::VerbPanel &desc);
    void cbTenseChange();

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

    TMainForm &m_form;
    Plurals m_plurals;
    Verbs m_verbs;
    QComboBox *m_tense = nullptr;
};
