#pragma once

#include <QString>

class DataLocations;
class Dialogs;
class Preferences;
class Vocabulary;

struct StartupResult
{
    // False when a message has told the user that the installation is
    // broken; the program then ends with exit status 1.
    bool ok = false;
    // The configured vocabulary directory could not be used and the default
    // one was taken instead (said in a message); every other setting stands.
    bool vocabDirReset = false;
};

// Start-up's settings steps: fills an installed program's per-user folders
// on its first start, reads prefs.ini into prefs (with its directories
// resolved), falls back to the default vocabulary directory when the
// configured one cannot be used, then loads the vocabulary. Every problem
// is reported through dialogs.
StartupResult loadSettingsAndVocabulary(const DataLocations &where, Dialogs &dialogs,
                                        Preferences &prefs, Vocabulary &vocabulary);
// The same for a portable program that keeps everything in programDir.
StartupResult loadSettingsAndVocabulary(const QString &programDir, Dialogs &dialogs,
                                        Preferences &prefs, Vocabulary &vocabulary);
