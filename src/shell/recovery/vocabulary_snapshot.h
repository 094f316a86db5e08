#pragma once

#include <QByteArray>
#include <QString>

class Vocabulary;

// The word lists and verb tables changed in the program, as the content of
// a recovery copy, and back. A list is kept whole, so recovering it gives
// exactly what the editors had made of it.
class VocabularySnapshot
{
public:
    // Every list whose modified flag is set; empty when none is.
    static QByteArray capture(const Vocabulary &vocab);
    // Puts the lists of a copy back, each marked modified so that closing
    // offers to save it. Content that does not parse changes nothing and
    // gives false with *error (a phrase).
    static bool restore(const QByteArray &content, Vocabulary &vocab, QString *error);
};
