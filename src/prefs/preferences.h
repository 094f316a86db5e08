#pragma once

#include "files/text_file.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>

// The settings of prefs.ini as plain values, so that they can be copied: the
// preferences panel edits a copy. The file has no keys: every setting is
// known by its line number alone, so reading and writing both walk one table
// of lines (see preferences.cpp) and cannot drift apart.
class PreferenceValues
{
public:
    static constexpr int LineCount = 57;
    static constexpr int CustomCaptionCount = 27;

    // Line 11 as read; "new" marks a first start.
    enum class WindowStart { Normal, Maximized, FirstStart, Unchanged };

    // The seven radio groups of lines 13 to 19, in file order.
    enum LeftClickGroup {
        PronounGroup,
        ModalGroup,
        PrepositionGroup,
        ConjunctionGroup,
        AdvDGroup,
        AdvPGroup,
        AdvTGroup,
    };
    static constexpr int LeftClickGroupCount = 7;

    // First line of each run of custom-button captions (lines 28 to 54).
    enum CustomRun {
        Preposition1 = 0, // btnPreposition1 .. 5
        Conj1 = 5,        // btnConj1 .. 6
        AdvD1 = 11,       // btnAdvD1 .. 5
        AdvP1 = 16,       // btnAdvP1 .. 6
        AdvT1 = 22,       // btnAdvT1 .. 5
    };

    // Every field holds its default (from the line table) until read().
    PreferenceValues();
    static PreferenceValues defaults() { return PreferenceValues(); }

    QString fontName;
    int fontSize;
    // Lines 4 to 6 as in the file until resolveDirectories() has run.
    QString OpenDir;
    QString SaveDir;
    QString VocabDir;
    int NormalLeft;
    int NormalTop;
    int NormalWidth;
    int NormalHeight;
    WindowStart windowStart;
    // Maximised at start; "true" on line 11 when written.
    bool OpenMaximized = false;
    bool plainText;
    std::array<int, LeftClickGroupCount> leftClick;
    QString modalCaption;
    QString infinitiveCaption;
    QString pluralizeCaption;
    QString capitalizeCaption;
    bool alphabetize;
    // Kept as typed in its box; an empty box is written as "80".
    QString columnWidth;
    int rightMargin;
    // $00BBGGRR, or a system colour (see isSystemColour()).
    quint32 rightColour;
    std::array<QString, CustomCaptionCount> customCaptions;
    bool PastTense;
    bool PoetryMode;
    QString DateStamp;

    // How the file's bytes were encoded; write() keeps it.
    TextFile::Encoding encoding = TextFile::Encoding::Utf8;

    // A category button that inserts a random word (item 1) gets a thin
    // bevel; one that opens its panel (item 0) a thick one.
    int bevelWidth(LeftClickGroup group) const { return leftClick[group] != 0 ? 1 : 3; }

    // Reads the file over these settings. A number or colour line that does
    // not convert keeps its default and the rest is still applied; the lines
    // reset so are named in *resetMessage (empty when none). False with
    // *error when the file cannot be read.
    bool read(const QString &path, QString *resetMessage, QString *error);
    // Writes all 57 lines, CR LF between them and none after the last.
    bool write(const QString &path, QString *error) const;

    // The same, on the lines themselves. *resetLines gets the line numbers
    // (from 1) whose values were replaced by defaults.
    void fromLines(const QStringList &lines, QList<int> *resetLines);
    QStringList toLines() const;
    QString toText() const;
    static QString resetMessageFor(const QList<int> &resetLines);

    // Replaces the placeholders of lines 4 to 6 and roots relative lines in
    // base (the program directory, or an installed program's per-user data
    // folder): "opendir" and "savedir" -> documents, or base/txt when
    // documents is empty; an empty open or save line -> base (documents when
    // given); "words" or an empty vocabulary line -> base/words; any other
    // relative line -> under base.
    void resolveDirectories(const QString &base, const QString &documents = QString());
    static QString resolveVocabDir(const QString &line, const QString &base);
    static QString resolveDir(const QString &line, const QString &placeholder, const QString &base,
                              const QString &documents = QString());
    // The inverse for writing: a directory inside base is written relative
    // to it, so that a program folder moved elsewhere takes its directories
    // along instead of naming the old place.
    void relateDirectories(const QString &base);
    static QString relativeDir(const QString &dir, const QString &base);

    // The first-start rule of line 11 for a screen of the given size: centred
    // when the screen is wider than 640 pixels, else maximised.
    void resolveFirstStart(int screenWidth, int screenHeight);
    // The window's place and size brought onto the screen: no larger than
    // it, at least 160 x 120, and inside it, so a damaged or foreign
    // prefs.ini cannot open a window off the screen or a pixel wide.
    void fitWindowTo(const QRect &screen);

    static bool isSystemColour(quint32 colour) { return (colour & 0xFF000000u) == 0xFF000000u; }
    // The toolkit's textual colour form: a colour name or "$" + 8 hex digits.
    static QString colourToText(quint32 colour);
    static bool colourFromText(const QString &text, quint32 *colour);
};

// The settings in force while the program runs. Parts read values() and
// follow changed() instead of being told by the window. The values are kept
// private so that nothing can change a setting without the parts that show
// it hearing of it: a writer goes through a setter, or takes a copy of
// values(), changes it and hands it to assign().
class Preferences : public QObject
{
    Q_OBJECT
public:
    // What a change touched; one signal per aspect that differs.
    enum class Aspect {
        Font,
        Directories,
        FileFormat,
        LeftClick,
        Captions,
        RightColumn,
        Tense,
        Mode,
        Window,
    };
    Q_ENUM(Aspect)

    explicit Preferences(QObject *parent = nullptr);

    const PreferenceValues &values() const { return m_values; }
    // Takes every value of other and tells which aspects changed.
    void assign(const PreferenceValues &other);

    void setPastTense(bool past);
    void setPoetryMode(bool poetry);
    // The place and size the window reopens at when it is not maximised.
    void setNormalGeometry(const QRect &geometry);

Q_SIGNALS:
    void changed(Preferences::Aspect aspect);

private:
    PreferenceValues m_values;
};
