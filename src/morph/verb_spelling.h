#pragma once

#include <QString>
#include <QStringList>

// The spelling of the -s, -ing and -ed forms of a verb that no table holds,
// and the doubling of a final consonant that the comparative shares. Every
// list is ordered likeliest first; where English spelling leaves a choice
// (travel: traveled, travelled) both are given, the US one first.
namespace VerbSpelling {

enum class Doubling {
    No,     // no final consonant that could double (walk, make, open it is not)
    Single, // a single vowel and consonant in an unstressed last syllable: visit
    Double, // a single stressed short vowel before the consonant: stop, admit
};

// Whether the last consonant of word doubles before a suffix that starts
// with a vowel. Letters are compared without regard to case.
Doubling doubling(const QString &word);

// The spellings of word + "s", + "ing" and + "ed"; the first of each is the
// likely one, the rest stay on offer. The added letters are lower case and
// the word's own letters keep their case.
QStringList sForms(const QString &word);
QStringList ingForms(const QString &word);
QStringList edForms(const QString &word);

} // namespace VerbSpelling
