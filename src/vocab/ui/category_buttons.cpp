#include "vocab/ui/category_buttons.h"

#include "controls/color_button.h"
#include "engine/compose_engine.h"
#include "panels/ui/board.h"
#include "panels/ui/right_column.h"
#include "vocab/ui/word_pick_panel.h"

namespace {

// Buttons whose right button offers a list but whose left click is wired
// elsewhere.
constexpr std::pair<const char *, const char *> kPickOnlyButtons[] = {
    {"btnModal", "modal"},
    {"btnPronoun", "pronoun"},
    {"btnPreposition", "preposition"},
    {"btnConjunction", "conjunction"},
    {"btnVerb", "verb"},
    {"btnGo", "go"},
    {"btnSay", "say"},
};

bool wiredByWordPanels(const char *button)
{
    for (const char *other : {"btnDegree", "btnPlace2", "btnTime", "btnCustom"})
        if (qstrcmp(button, other) == 0)
            return true;
    return false;
}

} // namespace

CategoryButtons::CategoryButtons(Board &board, ComposeEngine &engine, RightColumn &right,
                                 QWidget *document, QObject *parent)
    : QObject(parent)
    , m_board(board)
    , m_engine(engine)
    , m_pickPanel(new WordPickPanel(board, engine.wordPick(), document, this))
{
    for (const CategoryWords::Category &category : CategoryWords::categories()) {
        // The adverb buttons that may show a panel, and "(custom)", have their
        // left click with the word panels.
        if (!wiredByWordPanels(category.button))
            connectLeft(category.button, [this, &category] { categoryClick(category); });
        const QString tag = QString::fromLatin1(category.tag);
        // "(custom)" keeps a pending grab for the word picked.
        const bool clearGrab = tag != QLatin1String("custom");
        connectRight(category.button,
                     [this, tag, clearGrab] { m_pickPanel->open(tag, clearGrab); });
    }
    for (const auto &[name, tag] : kPickOnlyButtons) {
        const QString t = QString::fromLatin1(tag);
        connectRight(name, [this, t] { m_pickPanel->open(t); });
    }

    connectLeft("btnNumber", [this] { m_engine.categoryWords().numberClick(m_engine.random()); });
    connectRight("btnNumber",
                 [this] { m_pickPanel->open(m_engine.categoryWords().numberPickTag()); });
    connectLeft("btnNoun", [this] { m_engine.categoryWords().nounClick(m_engine.random()); });
    connectLeft(
        "btnOh", [this] { m_engine.categoryWords().ohClick(); }, false);

    connect(&right, &RightColumn::pickRequested, this,
            [this] { m_pickPanel->open(QStringLiteral("right")); });
}

TColorButton *CategoryButtons::button(const char *name) const
{
    TColorButton *b = m_board.button(QString::fromLatin1(name));
    Q_ASSERT(b);
    return b;
}

void CategoryButtons::connectLeft(const char *name, const std::function<void()> &handler,
                                  bool doubleClickToo)
{
    TColorButton *b = button(name);
    if (doubleClickToo)
        b->onEveryClick(this, handler);
    else
        connect(b, &TColorButton::clicked, this, handler);
}

void CategoryButtons::connectRight(const char *name, const std::function<void()> &handler)
{
    connect(button(name), &TColorButton::rightClicked, this, handler);
}

void CategoryButtons::categoryClick(const CategoryWords::Category &category)
{
    const QString tag = QString::fromLatin1(category.tag);
    const WordList &list = m_engine.vocabulary().wordList(category.list);
    RandomSource &random = m_engine.random();
    const CategoryWords::First first =
        tag == QLatin1String("adjGood") ? CategoryWords::First::Good : CategoryWords::First::Random;
    m_engine.categoryWords().categoryClick(tag, list, random, first);
}
