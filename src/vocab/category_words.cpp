#include "category_words.h"

namespace {

using L = Vocabulary::List;

constexpr CategoryWords::Category kCategories[] = {
    {"btnAdjective", "adjective", L::AdjectiveList},
    {"btnGoodMain", "adjGood", L::AdjGoodList},
    {"btnBad", "adjBad", L::AdjBadList},
    {"btnInterjection", "interjection", L::InterjectionList},
    {"btnDegree", "advD", L::AdvDList},
    {"btnManner", "advM", L::AdvMList},
    {"btnPlace2", "advP", L::AdvPList},
    {"btnTime", "advT", L::AdvTList},
    {"btnPerson", "person", L::PersonList},
    {"btnPlant", "plant", L::PlantList},
    {"btnPlaceMain", "place", L::PlaceList},
    {"btnObject", "object", L::ObjectList},
    {"btnEvent", "event", L::EventList},
    {"btnCharacter", "character", L::CharacterList},
    {"btnAnimal", "animal", L::AnimalList},
    {"btnBodyPart", "bodypart", L::BodyPartList},
    {"btnSubstance", "substance", L::SubstanceList},
    {"btnConcept", "concept", L::ConceptList},
    {"btnCustom", "custom", L::CustomList},
};

// Tags that only the pick list uses.
constexpr std::pair<const char *, L> kPickOnlyTags[] = {
    {"number", L::NumberList},
    {"anumber", L::ANumberList},
    {"modal", L::ModalList},
    {"pronoun", L::PronounList},
    {"preposition", L::PrepositionList},
    {"conjunction", L::ConjunctionList},
    {"right", L::RightList},
    {"verb", L::VerbTable},
    {"go", L::GoVerbTable},
    {"say", L::SayVerbTable},
};

// btnNoun's draw k picks the list at position k.
constexpr L kNounLists[] = {L::PlantList,  L::BodyPartList, L::CharacterList, L::ConceptList,
                            L::AnimalList, L::EventList,    L::ObjectList,    L::PersonList,
                            L::PlaceList,  L::SubstanceList};

} // namespace

std::span<const CategoryWords::Category> CategoryWords::categories()
{
    return kCategories;
}

std::optional<Vocabulary::List> CategoryWords::listForTag(const QString &tag)
{
    for (const Category &c : kCategories) {
        if (tag == QLatin1String(c.tag))
            return c.list;
    }
    for (const auto &[name, list] : kPickOnlyTags) {
        if (tag == QLatin1String(name))
            return list;
    }
    return std::nullopt;
}

CategoryWords::CategoryWords(Composition &composition, Vocabulary &vocabulary)
    : m_composition(composition)
    , m_vocabulary(vocabulary)
{}

bool CategoryWords::categoryClick(const QString &tag, const WordList &list, RandomSource &random,
                                  First first, Grab grab)
{
    CompositionState &s = m_composition.state;
    const bool repeated = s.LastAction == tag;
    if (!repeated || grab == Grab::ClearAlways)
        s.GrabArmed = false;
    int index = -1;
    if (!repeated && first == First::Good) {
        index = int(list.entries().indexOf(QStringLiteral("good")));
        // A list without "good" gives a random adjective instead.
        if (index < 0)
            index = drawIndex(int(list.size()), false, -1, random);
    } else {
        index = drawIndex(int(list.size()), repeated, s.FormIndex, random);
    }
    if (index < 0)
        return false;
    s.ReplaceMode = repeated ? 1 : 0;
    insert(tag, list.at(index), index);
    return true;
}

Vocabulary::List CategoryWords::numberList() const
{
    return m_composition.state.ArticleState == ArticleNone ? L::NumberList : L::ANumberList;
}

QString CategoryWords::numberPickTag() const
{
    return m_composition.state.ArticleState == ArticleNone ? QStringLiteral("number")
                                                           : QStringLiteral("anumber");
}

bool CategoryWords::numberClick(RandomSource &random)
{
    return categoryClick(QStringLiteral("number"), m_vocabulary.wordList(numberList()), random);
}

Vocabulary::List CategoryWords::nounList(int k)
{
    return kNounLists[std::clamp(k, 0, int(std::size(kNounLists)) - 1)];
}

bool CategoryWords::nounClick(RandomSource &random)
{
    CompositionState &s = m_composition.state;
    const QString tag = QStringLiteral("noun");
    const bool repeated = s.LastAction == tag;
    if (!repeated)
        s.GrabArmed = false;
    const WordList &list = m_vocabulary.wordList(nounList(random.next(int(std::size(kNounLists)))));
    // The same noun may come twice: the lists differ, so FormIndex says
    // nothing about the word.
    const int index = drawIndex(int(list.size()), false, -1, random);
    if (index < 0)
        return false;
    s.ReplaceMode = repeated ? 1 : 0;
    insert(tag, list.at(index), index);
    return true;
}

void CategoryWords::ohClick()
{
    CompositionState &s = m_composition.state;
    s.GrabArmed = false;
    m_composition.insert(QStringLiteral("oh"), QStringLiteral("oh"), false);
    s.CurrentWord = s.LastAction;
}

void CategoryWords::insert(const QString &tag, const QString &word, int index)
{
    CompositionState &s = m_composition.state;
    m_composition.insert(tag, word);
    s.FormIndex = index;
}
