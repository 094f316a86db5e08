#include "main_board_table.h"

namespace {

constexpr int H = kBoardButtonHeight;
constexpr quint32 kArticle = 0x00BA7474;
constexpr quint32 kNoun = 0x00226718;
constexpr quint32 kModal = 0x00BD8F6A;
constexpr quint32 kDegree = 0x007B3F81;
constexpr quint32 kAdjective = 0x009A1BA5;
constexpr quint32 kDerive = 0x00146AB8;
constexpr quint32 kHelper = 0x00855C3A;
constexpr quint32 kPreposition = 0x00436170;
constexpr quint32 kPronoun = 0x004F9948;
constexpr quint32 kVerb = 0x00EC531A;
constexpr quint32 kVerbForm = 0x009F5020;
constexpr quint32 kConjunction = 0x00848442;
constexpr quint32 kInterjection = 0x001F23CD;
constexpr quint32 kPunctuation = 0x003A3A3A;

constexpr ButtonDesc kButtons[] = {
    // Row at top 2
    {"btnA", "a", 2, 2, 0, H, kArticle},
    {"btnThe", "the", 30, 2, 0, H, kArticle},
    {"btnNumber", "number", 62, 2, 0, H, kArticle},
    {"btnNoun", "noun", 129, 2, 0, H, kNoun},
    {"btnCustom", "(custom)", 189, 2, 0, H, kNoun},
    {"btnPluralize", "PLURALIZE", 275, 2, 0, H, kClBlack},
    {"btnModal", "modal", 355, 2, 0, H, kModal},
    {"btnCanMain", "can", 414, 2, 0, H, kModal, "can"},
    {"btnNot", "not", 450, 2, 0, H, kDegree},
    {"btnBackspace", "BACKSPACE", 487, 2, 0, H, kClBlack},
    {"btnDelete", "DELETE", 574, 2, 0, H, kClBlack},
    // Row at top 28
    {"btnMore", "more", 2, 28, 0, H, kDegree},
    {"btnAdjective", "adjective", 48, 28, 0, H, kAdjective},
    {"btnPerson", "person", 129, 28, 0, H, kNoun},
    {"btnCharacter", "Character", 189, 28, 0, H, kNoun},
    {"btnRepeatOK", "Repeat OK", 275, 28, 0, H, kClBlack},
    {"btnHave", "have", 355, 28, 0, H, kHelper},
    {"btnPreposition", "preposition", 402, 28, 0, H, kPreposition},
    {"btnAsMain", "as", 498, 28, 0, H, kPreposition, "as"},
    {"btnAtMain", "at", 525, 28, 0, H, kPreposition, "at"},
    {"btnEnter", "ENTER  ", 551, 28, 0, H, kClBlack},
    // Row at top 54
    {"btnGoodMain", "good", 2, 54, 0, H, kAdjective},
    {"btnBad", "bad", 48, 54, 0, H, kAdjective},
    {"btnEr", "-er", 94, 54, 0, H, kDerive},
    {"btnPlant", "plant", 129, 54, 0, H, kNoun},
    {"btnAnimal", "animal", 189, 54, 0, H, kNoun},
    {"btnRemove", "REMOVE", 275, 54, 0, H, kClBlack},
    {"btnBe", "be", 355, 54, 0, H, kHelper},
    {"btnForMain", "for", 402, 54, 0, H, kPreposition, "for"},
    {"btnInMain", "in", 432, 54, 0, H, kPreposition, "in"},
    {"btnOfMain", "of", 458, 54, 0, H, kPreposition, "of"},
    {"btnOnMain", "on", 485, 54, 0, H, kPreposition, "on"},
    {"btnWithMain", "with", 511, 54, 0, H, kPreposition, "with"},
    {"btnCapitalize", "CAPITALIZE", 551, 54, 0, H, kClBlack},
    // Row at top 80
    {"btnPronoun", "pronoun", 2, 80, 0, H, kPronoun},
    {"btnImain", "I", 101, 80, 0, H, kPronoun},
    {"btnPlaceMain", "place", 129, 80, 0, H, kNoun},
    {"btnBodyPart", "body part", 189, 80, 0, H, kNoun},
    {"btnGrab", "GRAB", 275, 80, 0, H, kClBlack},
    {"btnToMain", "to", 321, 80, 0, H, kPreposition},
    {"btnVerb", "verb", 347, 80, 0, H, kVerb},
    {"btnInfinitive", "infinitive", 411, 80, 0, H, kVerbForm},
    {"btnS", "-s", 486, 80, 0, H, kVerbForm},
    {"btnIng", "-ing", 520, 80, 0, H, kVerbForm},
    {"btnEd", "-ed", 561, 80, 0, H, kVerbForm},
    {"btnEn", "-en", 595, 80, 0, H, kVerbForm},
    // Row at top 106
    {"btnYouMain", "you", 2, 106, 0, H, kPronoun},
    {"btnSheMain", "she", 37, 106, 0, H, kPronoun},
    {"btnHeMain", "he", 72, 106, 0, H, kPronoun},
    {"btnItMain", "it", 101, 106, 0, H, kPronoun},
    {"btnObject", "object", 129, 106, 0, H, kNoun},
    {"btnSubstance", "substance", 189, 106, 0, H, kNoun},
    {"btnDo", "do", 275, 106, 0, H, kHelper},
    {"btnGet", "get", 310, 106, 0, H, kHelper},
    {"btnGo", "go", 347, 106, 0, H, kVerb},
    {"btnSay", "say", 378, 106, 0, H, kVerb},
    {"btnConjunction", "conjunction", 413, 106, 0, H, kConjunction},
    {"btnAndMain", "and", 515, 106, 0, H, kConjunction, "and"},
    {"btnOrMain", "or", 550, 106, 0, H, kConjunction, "or"},
    {"btnButMain", "but", 575, 106, 0, H, kConjunction, "but"},
    {"btnIfMain", "if", 607, 106, 0, H, kConjunction, "if"},
    // Row at top 132
    {"btnInterjection", "interjection", 2, 132, 0, H, kInterjection},
    {"btnOh", "oh", 101, 132, 0, H, kInterjection},
    {"btnEvent", "event", 129, 132, 0, H, kNoun},
    {"btnConcept", "concept", 189, 132, 0, H, kNoun},
    {"btnLet", "let", 275, 132, 0, H, kHelper},
    {"btnPutMain", "put", 310, 132, 0, H, kHelper},
    {"btnManner", "manner", 402, 132, 0, H, kDegree},
    {"btnDegree", "degree", 468, 132, 0, H, kDegree},
    {"btnPlace2", "place", 531, 132, 0, H, kDegree},
    {"btnTime", "time", 584, 132, 0, H, kDegree},
    // Row at top 158
    {"btnUnMain", "un-", 2, 158, 0, H, kDerive},
    {"btnPrefix", "prefix", 35, 158, 0, H, kDerive},
    {"btnSuffix", "suffix", 90, 158, 0, H, kDerive},
    {"btnY", "-y", 142, 158, 0, H, kDerive},
    {"btnComma", ",", 174, 158, 0, H, kPunctuation},
    {"btnExclamation2", "!", 204, 158, 0, H, kPunctuation},
    {"btnQuestion", "?", 234, 158, 0, H, kPunctuation},
    {"btnPeriod", ".", 264, 158, 0, H, kPunctuation},
    {"btnWordLeft", "", 297, 158, 0, H, kClBlack},
    {"btnSpace", "SPACE", 324, 158, 0, H, kClBlack},
    {"btnWordRight", "", 385, 158, 0, H, kClBlack},
    {"btnLy", "-ly", 413, 158, 0, H, kDerive},
    {"btnColon", ":", 449, 158, 0, H, kPunctuation},
    {"btnSemiColon", ";", 475, 158, 0, H, kPunctuation},
    {"btnQuotes", "\"", 502, 158, 0, H, kPunctuation},
    {"btnApostrophe", "'", 528, 158, 0, H, kPunctuation},
    {"btnHyphen", "-", 555, 158, 0, H, kPunctuation},
    {"btnLeftParen", "(", 581, 158, 0, H, kPunctuation},
    {"btnRightParen", ")", 607, 158, 0, H, kPunctuation},
};

} // namespace

std::span<const ButtonDesc> mainBoardButtons()
{
    return kButtons;
}
