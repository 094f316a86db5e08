#include "shell/speech/voice_choice.h"

#include <gtest/gtest.h>

namespace {
const QList<QLocale> kVoices = {QLocale(QStringLiteral("de_DE")), QLocale(QStringLiteral("en_GB")),
                                QLocale(QStringLiteral("fr_FR")), QLocale(QStringLiteral("en_US")),
                                QLocale(QStringLiteral("en_GB"))};
} // namespace

TEST(VoiceChoice, TheDesktopsLanguageAndRegionSpeakElseItsLanguageElseEnglish)
{
    EXPECT_EQ(VoiceChoice::preferred(kVoices, QLocale(QStringLiteral("en_US"))), 3);
    EXPECT_EQ(VoiceChoice::preferred(kVoices, QLocale(QStringLiteral("en_AU"))), 1);
    EXPECT_EQ(VoiceChoice::preferred(kVoices, QLocale(QStringLiteral("de_AT"))), 0);
    // A desktop in the C locale, or in a language no voice speaks, hears
    // English rather than the engine's first voice.
    EXPECT_EQ(VoiceChoice::preferred(kVoices, QLocale::c()), 1);
    EXPECT_EQ(VoiceChoice::preferred(kVoices, QLocale(QStringLiteral("ja_JP"))), 1);
    EXPECT_EQ(VoiceChoice::preferred({QLocale(QStringLiteral("ja_JP"))}, QLocale::c()), -1);
    EXPECT_EQ(VoiceChoice::preferred({}, QLocale(QStringLiteral("en_US"))), -1);
}

TEST(VoiceChoice, VoicesOfTheLanguageComeFirstTheRegionsBeforeThem)
{
    EXPECT_EQ(VoiceChoice::order(kVoices, QLocale::English, QLocale::UnitedStates),
              QList<int>({3, 1, 4, 0, 2}));
    EXPECT_EQ(VoiceChoice::order(kVoices, QLocale::English, QLocale::AnyTerritory),
              QList<int>({1, 3, 4, 0, 2}));
}
