#include "shell/speech/voice_choice.h"

namespace VoiceChoice {

QList<int> order(const QList<QLocale> &voices, QLocale::Language language,
                 QLocale::Territory region)
{
    QList<int> first, second, rest;
    for (int i = 0; i < voices.size(); ++i) {
        const QLocale &voice = voices.at(i);
        if (voice.language() != language)
            rest.append(i);
        else if (voice.territory() == region)
            first.append(i);
        else
            second.append(i);
    }
    return first + second + rest;
}

int preferred(const QList<QLocale> &voices, const QLocale &desktop)
{
    QLocale::Language language = desktop.language();
    QLocale::Territory region = desktop.territory();
    if (language == QLocale::C || language == QLocale::AnyLanguage) {
        language = QLocale::English;
        region = QLocale::AnyTerritory;
    }
    // The desktop's language, its region first; else English.
    for (const auto &[lang, reg] :
         {std::pair{language, region}, std::pair{QLocale::English, QLocale::AnyTerritory}}) {
        const QList<int> ranked = order(voices, lang, reg);
        if (!ranked.isEmpty() && voices.at(ranked.first()).language() == lang)
            return ranked.first();
    }
    return -1;
}

} // namespace VoiceChoice
