#pragma once

#include <QList>
#include <QLocale>

// Which voice speaks when the user chose none, and the order in which the
// voices are offered: a desktop set to American English hears an American
// English voice, and the voices that can read the document's English come
// before the hundreds of others an engine may have.
namespace VoiceChoice {

// Indices into voices: those of language first (of region among them
// first), then the rest, each part in the order given.
QList<int> order(const QList<QLocale> &voices, QLocale::Language language,
                 QLocale::Territory region);

// The voice for the desktop's locale: its language and region, else its
// language, else English (a desktop in the "C" locale reads as English);
// -1 when there is none of these.
int preferred(const QList<QLocale> &voices, const QLocale &desktop);

} // namespace VoiceChoice
