#pragma once

#include <QFont>
#include <QWidget>
#include <optional>

class Composition;
class PreferenceValues;
class Preferences;
class QListWidget;
class Vocabulary;

// The right-hand word column: the panel pFiller beside the board, with its
// filler strips and the list lbRight of the right-hand word list, laid out
// in as many columns as the window's room allows. A click inserts the word
// of its row; the right button asks for the word pick list.
//
// Its settings are edited in the preferences panel, which shows each change
// here at once (so the user sees the result before choosing OK or Cancel).
class RightColumn : public QWidget
{
    Q_OBJECT
public:
    RightColumn(Composition &composition, Vocabulary &vocabulary, QWidget *parent);

    void applyPreferences(const PreferenceValues &preferences);
    // Applies the preferences now and again whenever its aspect changes. A
    // margin out of range is shown corrected and goes back into the
    // preferences so, as any setting does, rather than being collected at
    // close.
    void followPreferences(Preferences &preferences);
    // The settings as shown now, which may be ahead of the preferences while
    // the panel is up.
    void collectPreferences(PreferenceValues &preferences) const;

    // The minimum column width as typed. Returns the text the box should
    // show when the width was applied and the text has two or more
    // characters (a shorter one counts as 40 and is left alone), else none.
    std::optional<QString> setColumnWidthText(const QString &text);
    // The right margin as typed; returns the corrected text the box should
    // show, or an empty string when the text stands as it is.
    QString setMarginText(const QString &text);
    // Checking sorts the list at once; unchecking leaves the rows as they
    // are until the next start.
    void setAlphabetize(bool on);

    // The layout after the window's width or the column width changed: a
    // window of 640 pixels or less leaves it alone.
    void FormResize(int windowWidth);
    int columns() const { return m_columns; }
    int margin() const { return m_margin; }

    // Shows the right-hand word list again after it changed (sorted first
    // when the column is alphabetised).
    void reload();
    // $00BBGGRR or a system colour, for the list and every filler.
    void setColour(quint32 colour);
    quint32 colour() const { return m_colour; }
    // The zoom in percent, as the board's: rows, strips and words grow with it.
    void setZoom(int percent);

    // The list itself, for the switch scanner and dwell, which step through
    // or rest on its rows.
    QListWidget *wordList() const { return lbRight; }

Q_SIGNALS:
    void pickRequested();
    // A window resize corrected the column width (to text).
    void columnWidthCorrected(const QString &text);
    // applyPreferences() has run.
    void settingsApplied();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lbRightClick(int row);
    std::optional<QString> layOut(int windowWidth);
    void placeFillers();
    void updateGrid();
    int zoomed(int value) const;

    Composition &m_composition;
    Vocabulary &m_vocabulary;
    QWidget *pFillerLeft = nullptr;
    QWidget *pFillerTop = nullptr;
    QWidget *pFillerRight = nullptr;
    QWidget *pFillerRightTop = nullptr;
    QListWidget *lbRight = nullptr;
    QString m_columnWidth = QStringLiteral("80");
    bool m_alphabetize = false;
    int m_columns = 1;
    int m_margin = 4;
    quint32 m_colour = 0x00855C3A;
    int m_zoom = 100;
    QFont m_unzoomedFont;
};
