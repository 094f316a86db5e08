#include "verb_panel_tables.h"

namespace VerbPanelTables {

namespace {

constexpr quint32 kPronoun = 0x004F9948;
constexpr quint32 kHelper = 0x00855C3A;

// Items four to a row from the top left; EXIT at the bottom right.
constexpr int W = 150;
constexpr int H = 34;

constexpr ButtonDesc kHeItems[] = {
    {"btnHeHe", "he", 10, 10, W, H, kPronoun, "he"},
    {"btnHeHim", "him", 166, 10, W, H, kPronoun, "him"},
    {"btnHeHis", "his", 322, 10, W, H, kPronoun, "his"},
    {"btnHeHimself", "himself", 478, 10, W, H, kPronoun, "himself"},
};
constexpr int kHeNumbers[] = {1, 2, 3, 4};

constexpr ButtonDesc kSheItems[] = {
    {"btnSheShe", "she", 10, 10, W, H, kPronoun, "she"},
    {"btnSheHer", "her", 166, 10, W, H, kPronoun, "her"},
    {"btnSheHers", "hers", 322, 10, W, H, kPronoun, "hers"},
    {"btnSheHerself", "herself", 478, 10, W, H, kPronoun, "herself"},
};
constexpr int kSheNumbers[] = {1, 2, 3, 4};

constexpr ButtonDesc kIItems[] = {
    {"btnII", "I", 10, 10, W, H, kPronoun, "I"},
    {"btnIMe", "me", 166, 10, W, H, kPronoun, "me"},
    {"btnIMy", "my", 322, 10, W, H, kPronoun, "my"},
    {"btnIMine", "mine", 478, 10, W, H, kPronoun, "mine"},
    {"btnIMyself", "myself", 10, 50, W, H, kPronoun, "myself"},
};
constexpr int kINumbers[] = {1, 2, 3, 4, 5};

constexpr ButtonDesc kYouItems[] = {
    {"btnYouYou", "you", 10, 10, W, H, kPronoun, "you"},
    {"btnYouYour", "your", 166, 10, W, H, kPronoun, "your"},
    {"btnYouYours", "yours", 322, 10, W, H, kPronoun, "yours"},
    {"btnYouYourself", "yourself", 478, 10, W, H, kPronoun, "yourself"},
    {"btnYouYourselves", "yourselves", 10, 50, W, H, kPronoun, "yourselves"},
};
constexpr int kYouNumbers[] = {1, 2, 3, 4, 5};

constexpr ButtonDesc kItItems[] = {
    {"btnItIt", "it", 10, 10, W, H, kPronoun, "it"},
    {"btnItIts", "its", 166, 10, W, H, kPronoun, "its"},
    {"btnItItself", "itself", 322, 10, W, H, kPronoun, "itself"},
};
constexpr int kItNumbers[] = {1, 2, 3};

constexpr ButtonDesc kDoItems[] = {
    {"btnDoDo", "do", 10, 10, W, H, kHelper, "do"},
    {"btnDoDoes", "does", 166, 10, W, H, kHelper, "does"},
    {"btnDoDoing", "doing", 322, 10, W, H, kHelper, "doing"},
    {"btnDoDid", "did", 478, 10, W, H, kHelper, "did"},
    {"btnDoDone", "done", 10, 50, W, H, kHelper, "done"},
};
constexpr int kDoNumbers[] = {1, 2, 3, 4, 5};

constexpr ButtonDesc kGetItems[] = {
    {"btnGetGet", "get", 10, 10, W, H, kHelper, "get"},
    {"btnGetGets", "gets", 166, 10, W, H, kHelper, "gets"},
    {"btnGetGetting", "getting", 322, 10, W, H, kHelper, "getting"},
    {"btnGetGot", "got", 478, 10, W, H, kHelper, "got"},
    {"btnGetGotten", "gotten", 10, 50, W, H, kHelper, "gotten"},
};
constexpr int kGetNumbers[] = {1, 2, 3, 4, 5};

constexpr ButtonDesc kLetItems[] = {
    {"btnLetLet", "let", 10, 10, W, H, kHelper, "let"},
    {"btnLetLets", "lets", 166, 10, W, H, kHelper, "lets"},
    {"btnLetLetting", "letting", 322, 10, W, H, kHelper, "letting"},
};
constexpr int kLetNumbers[] = {1, 2, 3};

constexpr ButtonDesc kPutItems[] = {
    {"btnPutPut", "put", 10, 10, W, H, kHelper, "put"},
    {"btnPutPuts", "puts", 166, 10, W, H, kHelper, "puts"},
    {"btnPutPutting", "putting", 322, 10, W, H, kHelper, "putting"},
};
constexpr int kPutNumbers[] = {1, 2, 3};

constexpr ButtonDesc kHaveItems[] = {
    {"btnHaveHave", "have", 10, 10, W, H, kHelper, "have"},
    {"btnHaveVe", "-'ve", 166, 10, W, H, kHelper, "-'ve"},
    {"btnHaveHas", "has", 322, 10, W, H, kHelper, "has"},
    {"btnHaveS", "-'s", 478, 10, W, H, kHelper, "-'s"},
    {"btnHaveHaving", "having", 10, 50, W, H, kHelper, "having"},
    {"btnHaveHad", "had", 166, 50, W, H, kHelper, "had"},
    {"btnHaveD", "-'d", 322, 50, W, H, kHelper, "-'d"},
};
constexpr int kHaveNumbers[] = {1, 1, 2, 2, 3, 4, 4};

constexpr ButtonDesc kBeItems[] = {
    {"btnBeBe", "be", 10, 10, W, H, kHelper, "be"},
    {"btnBeAm", "am", 166, 10, W, H, kHelper, "am"},
    {"btnBeM", "-'m", 322, 10, W, H, kHelper, "-'m"},
    {"btnBeIs", "is", 478, 10, W, H, kHelper, "is"},
    {"btnBeS", "-'s", 10, 50, W, H, kHelper, "-'s"},
    {"btnBeAre", "are", 166, 50, W, H, kHelper, "are"},
    {"btnBeRe", "-'re", 322, 50, W, H, kHelper, "-'re"},
    {"btnBeBeing", "being", 478, 50, W, H, kHelper, "being"},
    {"btnBeWas", "was", 10, 90, W, H, kHelper, "was"},
    {"btnBeWere", "were", 166, 90, W, H, kHelper, "were"},
    {"btnBeBeen", "been", 322, 90, W, H, kHelper, "been"},
};
constexpr int kBeNumbers[] = {1, 2, 2, 2, 2, 2, 2, 3, 4, 4, 5};

constexpr VerbPanel kPanels[] = {
    {"pHe",
     "btnHeMain",
     "he",
     kHeItems,
     kHeNumbers,
     {"btnHeExit", "EXIT", 570, 150, 60, 28, kClBlack, nullptr}},
    {"pShe",
     "btnSheMain",
     "she",
     kSheItems,
     kSheNumbers,
     {"btnSheExit", "EXIT", 570, 150, 60, 28, kClBlack, nullptr}},
    {"pI",
     "btnImain",
     "I",
     kIItems,
     kINumbers,
     {"btnIExit", "EXIT", 570, 150, 60, 28, kClBlack, nullptr}},
    {"pYou",
     "btnYouMain",
     "you",
     kYouItems,
     kYouNumbers,
     {"btnYouExit", "EXIT", 570, 150, 60, 28, kClBlack, nullptr}},
    {"pIt",
     "btnItMain",
     "it",
     kItItems,
     kItNumbers,
     {"btnItExit", "EXIT", 570, 150, 60, 28, kClBlack, nullptr}},
    {"pDo",
     "btnDo",
     "do",
     kDoItems,
     kDoNumbers,
     {"btnDoExit", "EXIT", 570, 150, 60, 28, kClBlack, nullptr}},
    {"pGet",
     "btnGet",
     "get",
     kGetItems,
     kGetNumbers,
     {"btnGetExit", "EXIT", 570, 150, 60, 28, kClBlack, nullptr}},
    {"pLet",
     "btnLet",
     "let",
     kLetItems,
     kLetNumbers,
     {"btnLetExit", "EXIT", 570, 150, 60, 28, kClBlack, nullptr}},
    {"pPut",
     "btnPutMain",
     "put",
     kPutItems,
     kPutNumbers,
     {"btnPutExit", "EXIT", 570, 150, 60, 28, kClBlack, nullptr}},
    {"pHave",
     "btnHave",
     "have",
     kHaveItems,
     kHaveNumbers,
     {"btnHaveExit", "EXIT", 570, 150, 60, 28, kClBlack, nullptr}},
    {"pBe",
     "btnBe",
     "be",
     kBeItems,
     kBeNumbers,
     {"btnBeExit", "EXIT", 570, 150, 60, 28, kClBlack, nullptr}},
};

} // namespace

std::span<const VerbPanel> verbPanels()
{
    return kPanels;
}

} // namespace VerbPanelTables
