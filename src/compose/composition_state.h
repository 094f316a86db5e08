#pragma once

#include <QString>

// Capitalisation of the next insertions.
enum CapsModes {
    CapsNone = 0,
    CapsFirstInForce = 1,
    CapsFirstArmed = 2,
    CapsAllArmed = 3,
    CapsAllInForce = 4,
};

// Agreement of a preceding "a"/"an" with the word that follows it.
enum ArticleStates {
    ArticleNone = 0,
    ArticleFollowing = 1,
    ArticleArmed = 2,
};

// The action tag of a plain click and of every state in which no button's
// repeat is pending: the next click starts afresh.
inline const QString kMouseClick = QStringLiteral("mouseclick");

// What every word, morphology, punctuation and editing handler reads and
// writes: what was inserted last, where, and what the next click should do.
struct CompositionState
{
    QString ActionTag;
    QString LastAction = kMouseClick;
    QString CurrentWord;
    int WordStart = 0;
    int WordLength = 0;
    int ReplaceMode = 0;
    int CapsMode = CapsFirstArmed;
    QString CapsAction;
    int ArticleState = ArticleNone;
    QString ArticleAction;
    QString ArticleWord;
    int FormIndex = 0;
    bool GrabArmed = false;
    // The form the next verb needs: 1 base, 2 -s, 3 -ing, 4 past, 5 past
    // participle.
    int VerbForm = 1;
};

// The form a repeated click on a cycling button takes: the one after
// formIndex among count forms, from the first again after the last (or when
// formIndex was left by another button).
constexpr int nextFormNumber(int formIndex, int count)
{
    return formIndex >= 1 && formIndex < count ? formIndex + 1 : 1;
}
