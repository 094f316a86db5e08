#pragma once

#include <QString>

class Dialogs;
class Preferences;
class Vocabulary;

struct StartupResult
{
    // False when a message has told the user that the installation is
    // broken; the program then ends with exit status 1.
    bool ok = false;
    // prefs.ini was found naming a vocabulary directory without its captions
    // file and was rewritten with the defaults.
    bool preferencesReset = false;
};

// Start-up's settings steps: reads programDir/prefs.ini into prefs (with
// its directories resolved), resets it to the defaults when its vocabulary
// directory has no nounButtons.txt, then loads the vocabulary. Every problem
// is reported through dialogs.
StartupResult loadSettingsAndVocabulary(const QString &programDir, Dialogs &dialogs,
                                        Preferences &prefs, Vocabulary &vocabulary);
