#include "engine/compose_engine.h"

#include "prefs/preferences.h"
#include "vocab/vocabulary.h"

ComposeEngine::ComposeEngine(TextSurface *surface, Vocabulary &vocabulary, Preferences &preferences,
                             RandomSource &random, Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_vocabulary(vocabulary)
    , m_preferences(preferences)
    , m_random(random)
    , m_dialogs(dialogs)
    , m_composition(surface)
    , m_punctuation(m_composition)
    , m_articles(m_composition)
    , m_keys(m_composition)
    , m_plurals(m_composition, vocabulary.exceptionLists())
    , m_verbs(m_composition, vocabulary.verbTable(Vocabulary::List::VerbTable),
              vocabulary.verbTable(Vocabulary::List::GoVerbTable),
              vocabulary.verbTable(Vocabulary::List::SayVerbTable), [this] { return pastTense(); })
    , m_derivation(m_composition)
    , m_negation(m_composition)
    , m_modals(m_composition)
    , m_cycles(m_composition)
    , m_panelWords(m_composition)
    , m_categoryWords(m_composition, vocabulary)
    , m_wordPick(m_composition, vocabulary, dialogs, m_verbs)
{
    m_composition.setArticleExceptions(&vocabulary.articleExceptions());
    // REMOVE after "not" puts back the form the negation replaced.
    connect(&m_keys, &EditingKeys::negationRemoved, this,
            [this] { m_negation.restoreBeforeNegation(); });
}

bool ComposeEngine::prose() const
{
    return !m_preferences.values().PoetryMode;
}

bool ComposeEngine::pastTense() const
{
    return m_preferences.values().PastTense;
}
