#include "affix_tables.h"

namespace AffixTables {

namespace {

// Rows 26 pixels apart; widths fit the caption in bold 16 px Arial.
constexpr ButtonDesc kPrefixButtons[] = {
    {"btnAprefix", "a-", 2, 2, 28, 24, kAffixColor, "a-"},
    {"btnAnti", "anti-", 32, 2, 47, 24, kAffixColor, "anti-"},
    {"btnBePrefix", "be-", 81, 2, 37, 24, kAffixColor, "be-"},
    {"btnBi", "bi-", 120, 2, 32, 24, kAffixColor, "bi-"},
    {"btnDe", "de-", 154, 2, 37, 24, kAffixColor, "de-"},
    {"btnDis", "dis-", 193, 2, 41, 24, kAffixColor, "dis-"},
    {"btnEm", "em-", 236, 2, 41, 24, kAffixColor, "em-"},
    {"btnEnPrefix", "en-", 279, 2, 37, 24, kAffixColor, "en-"},
    {"btnEx", "ex-", 318, 2, 36, 24, kAffixColor, "ex-"},
    {"btnExtra", "extra-", 356, 2, 56, 24, kAffixColor, "extra-"},
    {"btnIg", "ig-", 414, 2, 32, 24, kAffixColor, "ig-"},
    {"btnIl", "il-", 448, 2, 26, 24, kAffixColor, "il-"},
    {"btnIm", "im-", 476, 2, 36, 24, kAffixColor, "im-"},
    {"btnInPrefix", "in-", 514, 2, 32, 24, kAffixColor, "in-"},
    {"btnInter", "inter-", 548, 2, 52, 24, kAffixColor, "inter-"},
    {"btnIr", "ir-", 602, 2, 28, 24, kAffixColor, "ir-"},
    {"btnMal", "mal-", 2, 28, 50, 24, kAffixColor, "mal-"},
    {"btnMis", "mis-", 54, 28, 50, 24, kAffixColor, "mis-"},
    {"btnNeo", "neo-", 106, 28, 52, 24, kAffixColor, "neo-"},
    {"btnNon", "non-", 160, 28, 52, 24, kAffixColor, "non-"},
    {"btnOutPrefix", "out-", 214, 28, 47, 24, kAffixColor, "out-"},
    {"btnPre", "pre-", 263, 28, 47, 24, kAffixColor, "pre-"},
    {"btnUltra", "ultra-", 312, 28, 56, 24, kAffixColor, "ultra-"},
    {"btnFore", "fore-", 370, 28, 52, 24, kAffixColor, "fore-"},
    {"btnHyper", "hyper-", 424, 28, 66, 24, kAffixColor, "hyper-"},
    {"btnPost", "post-", 492, 28, 56, 24, kAffixColor, "post-"},
    {"btnPseudo", "pseudo-", 550, 28, 80, 24, kAffixColor, "pseudo-"},
    {"btnQuasi", "quasi-", 2, 54, 61, 24, kAffixColor, "quasi-"},
    {"btnRe", "re-", 65, 54, 34, 24, kAffixColor, "re-"},
    {"btnSub", "sub-", 101, 54, 47, 24, kAffixColor, "sub-"},
    {"btnSuper", "super-", 150, 54, 62, 24, kAffixColor, "super-"},
    {"btnUn", "un-", 214, 54, 38, 24, kAffixColor, "un-"},
    {"btnUni", "uni-", 254, 54, 42, 24, kAffixColor, "uni-"},
    {"btnAb", "ab-", 298, 54, 37, 24, kAffixColor, "ab-"},
    {"btnAd", "ad-", 337, 54, 37, 24, kAffixColor, "ad-"},
    {"btnAero", "aero-", 376, 54, 52, 24, kAffixColor, "aero-"},
    {"btnAllPrefix", "all-", 430, 54, 35, 24, kAffixColor, "all-"},
    {"btnAn", "an-", 467, 54, 37, 24, kAffixColor, "an-"},
    {"btnArch", "arch-", 506, 54, 52, 24, kAffixColor, "arch-"},
    {"btnAsPrefix", "as-", 560, 54, 36, 24, kAffixColor, "as-"},
    {"btnAtPrefix", "at-", 598, 54, 32, 24, kAffixColor, "at-"},
    {"btnAuto", "auto-", 2, 80, 54, 24, kAffixColor, "auto-"},
    {"btnBio", "bio-", 58, 80, 44, 24, kAffixColor, "bio-"},
    {"btnByPrefix", "by-", 104, 80, 39, 24, kAffixColor, "by-"},
    {"btnCo", "co-", 145, 80, 39, 24, kAffixColor, "co-"},
    {"btnCom", "com-", 186, 80, 53, 24, kAffixColor, "com-"},
    {"btnCon", "con-", 241, 80, 49, 24, kAffixColor, "con-"},
    {"btnDia", "dia-", 292, 80, 43, 24, kAffixColor, "dia-"},
    {"btnDownPrefix", "down-", 337, 80, 62, 24, kAffixColor, "down-"},
    {"btnForPrefix", "for-", 401, 80, 41, 24, kAffixColor, "for-"},
    {"btnLongPrefix", "long-", 444, 80, 53, 24, kAffixColor, "long-"},
    {"btnMacro", "macro-", 499, 80, 67, 24, kAffixColor, "macro-"},
    {"btnMicro", "micro-", 568, 80, 62, 24, kAffixColor, "micro-"},
    {"btnMid", "mid-", 2, 106, 47, 24, kAffixColor, "mid-"},
    {"btnMono", "mono-", 51, 106, 63, 24, kAffixColor, "mono-"},
    {"btnMulti", "multi-", 116, 106, 56, 24, kAffixColor, "multi-"},
    {"btnOffPrefix", "off-", 174, 106, 39, 24, kAffixColor, "off-"},
    {"btnOmni", "omni-", 215, 106, 57, 24, kAffixColor, "omni-"},
    {"btnOverPrefix", "over-", 274, 106, 53, 24, kAffixColor, "over-"},
    {"btnPara", "para-", 329, 106, 52, 24, kAffixColor, "para-"},
    {"btnPhono", "phono-", 383, 106, 68, 24, kAffixColor, "phono-"},
    {"btnPhoto", "photo-", 453, 106, 63, 24, kAffixColor, "photo-"},
    {"btnPoly", "poly-", 518, 106, 51, 24, kAffixColor, "poly-"},
    {"btnProto", "proto-", 571, 106, 59, 24, kAffixColor, "proto-"},
    {"btnPsycho", "psycho-", 2, 132, 75, 24, kAffixColor, "psycho-"},
    {"btnRetro", "retro-", 79, 132, 54, 24, kAffixColor, "retro-"},
    {"btnSelfPrefix", "self-", 135, 132, 45, 24, kAffixColor, "self--"},
    {"btnSemi", "semi-", 182, 132, 54, 24, kAffixColor, "semi-"},
    {"btnStep", "step-", 238, 132, 51, 24, kAffixColor, "step-"},
    {"btnTechno", "techno-", 291, 132, 71, 24, kAffixColor, "techno-"},
    {"btnTele", "tele-", 364, 132, 45, 24, kAffixColor, "tele-"},
    {"btnTrans", "trans-", 411, 132, 56, 24, kAffixColor, "trans-"},
    {"btnTurbo", "turbo-", 469, 132, 58, 24, kAffixColor, "turbo-"},
    {"btnUnderPrefix", "under-", 529, 132, 62, 24, kAffixColor, "under-"},
    {"btnUpPrefix", "up-", 593, 132, 37, 24, kAffixColor, "up-"},
    {"btnWithPrefix", "with-", 2, 158, 79, 24, kAffixColor, "with-"},
};

constexpr ButtonDesc kPrefixCustom[] = {
    {"btnPrefix1", "", 83, 158, 91, 24, kCustomAffixColor, nullptr},
    {"btnPrefix2", "", 176, 158, 91, 24, kCustomAffixColor, nullptr},
    {"btnPrefix3", "", 269, 158, 91, 24, kCustomAffixColor, nullptr},
    {"btnPrefix4", "", 362, 158, 91, 24, kCustomAffixColor, nullptr},
    {"btnPrefix5", "", 455, 158, 91, 24, kCustomAffixColor, nullptr},
};

constexpr ButtonDesc kPrefixExit = {"btnExitPrefix", "EXIT", 548, 158, 82, 24, kClBlack, nullptr};

constexpr ButtonDesc kSuffixButtons[] = {
    {"btnAble", "-able", 2, 2, 54, 24, kAffixColor, "-able"},
    {"btnAge", "-age", 58, 2, 50, 24, kAffixColor, "-age"},
    {"btnAl", "-al", 110, 2, 34, 24, kAffixColor, "-al"},
    {"btnAnce", "-ance", 146, 2, 58, 24, kAffixColor, "-ance"},
    {"btnAnt", "-ant", 206, 2, 45, 24, kAffixColor, "-ant"},
    {"btnAr", "-ar", 253, 2, 36, 24, kAffixColor, "-ar"},
    {"btnArd", "-ard", 291, 2, 46, 24, kAffixColor, "-ard"},
    {"btnAry", "-ary", 339, 2, 45, 24, kAffixColor, "-ary"},
    {"btnAte", "-ate", 386, 2, 44, 24, kAffixColor, "-ate"},
    {"btnAtion", "-ation", 432, 2, 59, 24, kAffixColor, "-ation"},
    {"btnCy", "-cy", 493, 2, 39, 24, kAffixColor, "-cy"},
    {"btnDom", "-dom", 534, 2, 55, 24, kAffixColor, "-dom"},
    {"btnEe", "-ee", 591, 2, 39, 24, kAffixColor, "-ee"},
    {"btnEnce", "-ence", 2, 28, 55, 24, kAffixColor, "-ence"},
    {"btnEry", "-ery", 59, 28, 42, 24, kAffixColor, "-ery"},
    {"btnEse", "-ese", 103, 28, 45, 24, kAffixColor, "-ese"},
    {"btnEsque", "-esque", 150, 28, 64, 24, kAffixColor, "-esque"},
    {"btnEnt", "-ent", 216, 28, 41, 24, kAffixColor, "-ent"},
    {"btnFul", "-ful", 259, 28, 36, 24, kAffixColor, "-ful"},
    {"btnFy", "-fy", 297, 28, 31, 24, kAffixColor, "-fy"},
    {"btnHood", "-hood", 330, 28, 57, 24, kAffixColor, "-hood"},
    {"btnIal", "-ial", 389, 28, 34, 24, kAffixColor, "-ial"},
    {"btnIan", "-ian", 425, 28, 40, 24, kAffixColor, "-ian"},
    {"btnIble", "-ible", 467, 28, 44, 24, kAffixColor, "-ible"},
    {"btnIc", "-ic", 513, 28, 30, 24, kAffixColor, "-ic"},
    {"btnIfy", "-ify", 545, 28, 35, 24, kAffixColor, "-ify"},
    {"btnIfies", "-ifies", 582, 28, 48, 24, kAffixColor, "-ifies"},
    {"btnIfied", "-ified", 2, 54, 52, 24, kAffixColor, "-ified"},
    {"btnIfication", "-ification", 56, 54, 80, 24, kAffixColor, "-ification"},
    {"btnIne", "-ine", 138, 54, 43, 24, kAffixColor, "-ine"},
    {"btnIness", "-iness", 183, 54, 61, 24, kAffixColor, "-iness"},
    {"btnIon", "-ion", 246, 54, 44, 24, kAffixColor, "-ion"},
    {"btnIse", "-ise", 292, 54, 42, 24, kAffixColor, "-ise"},
    {"btnIsh", "-ish", 336, 54, 43, 24, kAffixColor, "-ish"},
    {"btnIsm", "-ism", 381, 54, 47, 24, kAffixColor, "-ism"},
    {"btnIst", "-ist", 430, 54, 38, 24, kAffixColor, "-ist"},
    {"btnIty", "-ity", 470, 54, 37, 24, kAffixColor, "-ity"},
    {"btnIve", "-ive", 509, 54, 41, 24, kAffixColor, "-ive"},
    {"btnIze", "-ize", 552, 54, 40, 24, kAffixColor, "-ize"},
    {"btnIle", "-ile", 594, 54, 36, 24, kAffixColor, "-ile"},
    {"btnIte", "-ite", 2, 80, 38, 24, kAffixColor, "-ite"},
    {"btnOlogist", "-ologist", 42, 80, 72, 24, kAffixColor, "-ologist"},
    {"btnOlogy", "-ology", 116, 80, 63, 24, kAffixColor, "-ology"},
    {"btnKindSuffix", "-kind", 181, 80, 53, 24, kAffixColor, "-kind"},
    {"btnLessSuffix", "-less", 236, 80, 51, 24, kAffixColor, "-less"},
    {"btnLikeSuffix", "-like", 289, 80, 46, 24, kAffixColor, "-like"},
    {"btnLing", "-ling", 337, 80, 48, 24, kAffixColor, "-ling"},
    {"btnManSuffix", "-man", 387, 80, 53, 24, kAffixColor, "-man"},
    {"btnMent", "-ment", 442, 80, 58, 24, kAffixColor, "-ment"},
    {"btnMobile", "-mobile", 502, 80, 70, 24, kAffixColor, "-mobile"},
    {"btnNess", "-ness", 574, 80, 56, 24, kAffixColor, "-ness"},
    {"btnOid", "-oid", 2, 106, 44, 24, kAffixColor, "-oid"},
    {"btnOrSuffix", "-or", 48, 106, 36, 24, kAffixColor, "-or"},
    {"btnOry", "-ory", 86, 106, 45, 24, kAffixColor, "-ory"},
    {"btnOus", "-ous", 133, 106, 49, 24, kAffixColor, "-ous"},
    {"btnShip", "-ship", 184, 106, 53, 24, kAffixColor, "-ship"},
    {"btnSomeSuffix", "-some", 239, 106, 62, 24, kAffixColor, "-some"},
    {"btnTion", "-tion", 303, 106, 49, 24, kAffixColor, "-tion"},
    {"btnTy", "-ty", 354, 106, 34, 24, kAffixColor, "-ty"},
    {"btnWise", "-wise", 390, 106, 54, 24, kAffixColor, "-wise"},
    {"btnWard", "-ward", 446, 106, 57, 24, kAffixColor, "-ward"},
    {"btnC", "-c", 505, 106, 28, 24, kAffixColor, "-c"},
    {"btnEss", "-ess", 535, 106, 46, 24, kAffixColor, "-ess"},
    {"btnEtte", "-ette", 583, 106, 47, 24, kAffixColor, "-ette"},
    {"btnFest", "-fest", 2, 132, 47, 24, kAffixColor, "-fest"},
    {"btnIana", "-iana", 51, 132, 51, 24, kAffixColor, "-iana"},
    {"btnIstic", "-istic", 104, 132, 50, 24, kAffixColor, "-istic"},
    {"btnItion", "-ition", 156, 132, 52, 24, kAffixColor, "-ition"},
    {"btnItis", "-itis", 210, 132, 41, 24, kAffixColor, "-itis"},
    {"btnItude", "-itude", 253, 132, 57, 24, kAffixColor, "-itude"},
    {"btnMania", "-mania", 312, 132, 65, 24, kAffixColor, "-mania"},
    {"btnMostSuffix", "-most", 379, 132, 56, 24, kAffixColor, "-most"},
    {"btnNik", "-nik", 437, 132, 41, 24, kAffixColor, "-nik"},
    {"btnO", "-o", 480, 132, 28, 24, kAffixColor, "-o"},
    {"btnProof", "-proof", 510, 132, 59, 24, kAffixColor, "-proof"},
    {"btnR", "-r", 571, 132, 24, 24, kAffixColor, "-r"},
    {"btnRy", "-ry", 597, 132, 33, 24, kAffixColor, "-ry"},
    {"btnSion", "-sion", 2, 158, 54, 24, kAffixColor, "-sion"},
    {"btnSter", "-ster", 58, 158, 50, 24, kAffixColor, "-ster"},
    {"btnTh", "-th", 110, 158, 36, 24, kAffixColor, "-th"},
    {"btnTron", "-tron", 148, 158, 52, 24, kAffixColor, "-tron"},
    {"btnVille", "-ville", 202, 158, 51, 24, kAffixColor, "-ville"},
    {"btnWide", "-wide", 255, 158, 56, 24, kAffixColor, "-wide"},
};

constexpr ButtonDesc kSuffixCustom[] = {
    {"btnSuffix1", "", 313, 158, 64, 24, kCustomAffixColor, nullptr},
    {"btnSuffix2", "", 379, 158, 64, 24, kCustomAffixColor, nullptr},
    {"btnSuffix3", "", 445, 158, 63, 24, kCustomAffixColor, nullptr},
    {"btnSuffix4", "", 510, 158, 63, 24, kCustomAffixColor, nullptr},
};

constexpr ButtonDesc kSuffixExit = {"btnExitSuffix", "EXIT", 575, 158, 55, 24, kClBlack, nullptr};

constexpr ButtonDesc kMoreButtons[] = {
    {"btnMoreMore", "more", 2, 2, 51, 24, kMoreColor, "more"},
    {"btnMoreMost", "most", 55, 2, 50, 24, kMoreColor, "most"},
    {"btnMoreLess", "less", 107, 2, 43, 24, kMoreColor, "less"},
    {"btnMoreLeast", "least", 152, 2, 48, 24, kMoreColor, "least"},
};

constexpr ButtonDesc kMoreExit = {"btnMoreExit", "EXIT", 2, 28, 198, 24, kClBlack, nullptr};

} // namespace

std::span<const ButtonDesc> prefixButtons()
{
    return kPrefixButtons;
}

std::span<const ButtonDesc> prefixCustomButtons()
{
    return kPrefixCustom;
}

const ButtonDesc &exitPrefixButton()
{
    return kPrefixExit;
}

std::span<const ButtonDesc> suffixButtons()
{
    return kSuffixButtons;
}

std::span<const ButtonDesc> suffixCustomButtons()
{
    return kSuffixCustom;
}

const ButtonDesc &exitSuffixButton()
{
    return kSuffixExit;
}

std::span<const ButtonDesc> moreButtons()
{
    return kMoreButtons;
}

const ButtonDesc &moreExitButton()
{
    return kMoreExit;
}

} // namespace AffixTables
