#pragma once

#include <QString>

#include <array>

// The captions of the custom prefix and suffix buttons, kept in their own
// small file beside prefs.ini ("affixes.ini": five prefix lines, then four
// suffix lines), so prefs.ini keeps its fixed 57 lines.
class AffixCaptionsFile
{
public:
    static constexpr int PrefixCount = 5;
    static constexpr int SuffixCount = 4;
    static constexpr int LineCount = PrefixCount + SuffixCount;
    static constexpr const char *FileName = "affixes.ini";

    std::array<QString, PrefixCount> prefixes;
    std::array<QString, SuffixCount> suffixes;

    // The file in programDir. A missing file leaves every caption empty, as
    // at a first start; so do lines missing from its end.
    void read(const QString &programDir);
    // CR LF between lines, none after the last. False with *error when the
    // file could not be written (the old one is left whole).
    bool write(const QString &programDir, QString *error) const;
};
