#include "morph/ui/inflection_buttons.h"

#include "controls/color_button.h"
#include "engine/compose_engine.h"
#include "panels/ui/board.h"
#include "panels/verb_panel_tables.h"

InflectionButtons::InflectionButtons(Board &board, ComposeEngine &engine, QObject *parent)
    : QObject(parent)
    , m_board(board)
    , m_engine(engine)
{
    connectClicks("btnPluralize", &InflectionButtons::btnPluralizeClick);
    connectClicks("btnHave", &InflectionButtons::btnHaveClick);
    connectClicks("btnBe", &InflectionButtons::btnBeClick);
    connectClicks("btnDo", &InflectionButtons::btnDoClick);
    connectClicks("btnGet", &InflectionButtons::btnGetClick);
    connectClicks("btnLet", &InflectionButtons::btnLetClick);
    connectClicks("btnPutMain", &InflectionButtons::btnPutMainClick);
    connectClicks("btnVerb", &InflectionButtons::btnVerbClick);
    connectClicks("btnGo", &InflectionButtons::btnGoClick);
    connectClicks("btnSay", &InflectionButtons::btnSayClick);
    connectClicks("btnS", &InflectionButtons::btnSClick);
    connectClicks("btnIng", &InflectionButtons::btnIngClick);
    connectClicks("btnEd", &InflectionButtons::btnEdClick);
    connectClicks("btnEn", &InflectionButtons::btnEnClick);
    connectClicks("btnInfinitive", &InflectionButtons::btnInfinitiveClick);

    buildPanels();
}

void InflectionButtons::btnPluralizeClick()
{
    m_engine.plurals().btnPluralizeClick();
}

Verbs &InflectionButtons::verbs()
{
    return m_engine.verbs();
}

void InflectionButtons::connectClicks(const char *name, void (InflectionButtons::*handler)())
{
    TColorButton *button = m_board.button(QString::fromLatin1(name));
    Q_ASSERT(button);
    button->onEveryClick(this, handler);
}

void InflectionButtons::btnVerbClick()
{
    verbs().btnVerbClick(m_engine.random());
}

void InflectionButtons::btnGoClick()
{
    verbs().btnGoClick(m_engine.random());
}

void InflectionButtons::btnSayClick()
{
    verbs().btnSayClick(m_engine.random());
}

void InflectionButtons::cbTenseChange()
{
    verbs().cbTenseChange();
}

void InflectionButtons::buildPanels()
{
    for (const VerbPanelTables::VerbPanel &desc : VerbPanelTables::verbPanels()) {
        // Built the first time its opener's right button asks for it.
        m_board.addPending([this, &desc] { panelFor(desc); });
        TColorButton *opener = m_board.button(QString::fromLatin1(desc.opener));
        Q_ASSERT(opener);
        connect(opener, &TColorButton::rightClicked, this, [this, &desc] {
            QWidget *panel = panelFor(desc);
            panel->show();
            panel->raise();
        });
    }
}

QWidget *InflectionButtons::panelFor(const VerbPanelTables::VerbPanel &desc)
{
    QWidget *&panel = m_panels[&desc];
    if (!panel)
        panel = buildPanel(&m_board, desc);
    return panel;
}

QWidget *InflectionButtons::buildPanel(Board *board, const VerbPanelTables::VerbPanel &desc)
{
    QWidget *panel = board->addOverlay(QString::fromLatin1(desc.panel));
    const QList<TColorButton *> items = board->buildButtons(panel, desc.items);
    const QString tag = QString::fromLatin1(desc.tag);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString text = QString::fromUtf8(desc.items[i].word);
        const int number = desc.numbers[i];
        connect(items[i], &TColorButton::clicked, this, [this, panel, tag, text, number] {
            verbs().subPanelItemClick(tag, text, number);
            panel->hide();
        });
    }
    TColorButton *exit = board->buildButtons(panel, {&desc.exit, 1}).constFirst();
    connect(exit, &TColorButton::clicked, panel, &QWidget::hide);
    return panel;
}
