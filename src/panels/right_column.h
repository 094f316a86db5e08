#pragma once

#include <QWidget>

class Composition;
class Preferences;
class QCheckBox;
class QLineEdit;
class QListWidget;
class Vocabulary;

// The right-hand word column: the panel pFiller beside the board, with its
// filler strips and the list lbRight of the right-hand word list, laid out
// in as many columns as the window's room allows. A click inserts the word
// of its row; the right button asks for the word pick list.
//
// Its settings live in the boxes edColWidth, edRightMargin and
// cbAlphabetize, which stay hidden until the preferences panel shows them.
class RightColumn : public QWidget
{
    Q_OBJECT
public:
    RightColumn(Composition &composition, Vocabulary &vocabulary, QWidget *parent);

    void applyPreferences(const Preferences &preferences);
    void collectPreferences(Preferences &preferences) const;

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

Q_SIGNALS:
    void pickRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lbRightClick(int row);
    void edColWidthChange();
    void edRightMarginChange();
    void cbAlphabetizeClick();
    void placeFillers();
    void updateGrid();

    Composition &m_composition;
    Vocabulary &m_vocabulary;
    QWidget *pFillerLeft = nullptr;
    QWidget *pFillerTop = nullptr;
    QWidget *pFillerRight = nullptr;
    QWidget *pFillerRightTop = nullptr;
    QListWidget *lbRight = nullptr;
    QLineEdit *edColWidth = nullptr;
    QLineEdit *edRightMargin = nullptr;
    QCheckBox *cbAlphabetize = nullptr;
    int m_columns = 1;
    int m_margin = 4;
    quint32 m_colour = 0x00855C3A;
};
