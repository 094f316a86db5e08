#pragma once

#include <QObject>
#include <QStringList>
#include <QTextCursor>
#include <array>
#include <functional>

class Board;
class Dialogs;
class Document;
class DocumentEditor;
class EditCommands;
class FormatBar;
class Preferences;
class QAbstractButton;
class QMainWindow;
class RightColumn;
class Vocabulary;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;
class QWidget;
class TColorButton;

// The preferences panel pPrefs over the board (Edit > Options): seven tabs
// of settings, OK and Cancel. Its controls hold the settings while the
// program runs: loadSettings() fills them after prefs.ini has been applied,
// OK applies them to the window and to the preferences written at close,
// and Cancel puts back what was there when the panel was opened.
//
// The right-hand column's own boxes (edColWidth, edRightMargin,
// cbAlphabetize) are found by name and moved onto the " Right Panel " tab,
// so the column keeps reacting to them.
class PreferencesPanel : public QObject
{
    Q_OBJECT
public:
    // What the settings act on.
    struct Parts
    {
        QMainWindow &window; // its size, state and menus
        Board &board;
        Preferences &prefs;
        Vocabulary &vocabulary;
        Dialogs &dialogs;
        DocumentEditor &editor;
        Document &document;
        FormatBar &formatBar;
        EditCommands &editCommands;
        RightColumn &rightColumn;
    };
    explicit PreferencesPanel(const Parts &parts, QObject *parent = nullptr);

    QWidget *panel() const { return pPrefs; }

    // Shows the settings now in force (start-up, after prefs.ini).
    void loadSettings();

    // "&Options".
    void miOptionsClick();
    void btnOKprefsClick();
    void btnCancelPrefsClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static constexpr int CaptionCount = 15;
    static constexpr int SwatchCount = 10;
    static constexpr int GroupCount = 7;

    struct CaptionBox
    {
        QLineEdit *edit = nullptr;
        TColorButton *sample = nullptr;
        TColorButton *real = nullptr;
        int nounCategory = -1; // a line of nounButtons.txt, or -1
    };

    QWidget *addTab(const char *name, const QString &caption);
    void buildFontTab();
    void buildDirectoriesTab();
    void buildWindowTab();
    void buildFileFormatTab();
    void buildLeftClickTab();
    void buildButtonTextTab();
    void buildRightTab();
    QWidget *spinButtons(const char *name, QLineEdit *box, const std::function<void(int)> &step);
    QLineEdit *digitBox(const char *name, const QString &text);
    // A control another part of the window made, found by its name.
    template <class T> T *windowControl(const char *name) const;

    void close();
    void setMenusEnabled(bool on);
    void edFontSizeChange();
    void cbFontNameChange();
    void btnColorClick(int index);
    void browseDir(QLineEdit *box, bool open);
    void showWindowSize();
    void setLeftClickBevels(const std::array<int, GroupCount> &items);
    void showRightList(const QStringList &words);
    void loadCaptions();
    int groupItem(int group) const;
    void setGroupItem(int group, int item);

    QMainWindow &m_window;
    Board &m_board;
    Preferences &m_prefs;
    Vocabulary &m_vocabulary;
    Dialogs &m_dialogs;
    DocumentEditor &m_editor;
    Document &m_document;
    FormatBar &m_formatBar;
    RightColumn &m_right;
    QWidget *pPrefs = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QPushButton *btnOKprefs = nullptr;
    QPushButton *btnCancelPrefs = nullptr;

    QComboBox *cbFontName = nullptr;
    QLineEdit *edFontSize = nullptr;
    QTextEdit *reFontExample = nullptr;

    QLineEdit *edOpenDir = nullptr;
    QLineEdit *edSaveDir = nullptr;
    QLineEdit *edVocabDir = nullptr;

    QRadioButton *rbMaximized = nullptr;
    QRadioButton *rbNormal = nullptr;
    QLineEdit *edPixelsWide = nullptr;
    QLineEdit *edPixelsTall = nullptr;

    QRadioButton *rbRtf = nullptr;
    QRadioButton *rbTxt = nullptr;

    std::array<QButtonGroup *, GroupCount> m_groups{};
    std::array<CaptionBox, CaptionCount> m_captions;
    // Where the caret was when the panel opened; it goes back there.
    QTextCursor m_caret;

    QCheckBox *cbAlphabetize = nullptr;
    QLineEdit *edColWidth = nullptr;
    QLineEdit *edRightMargin = nullptr;
    std::array<TColorButton *, SwatchCount> m_swatches{};
    QListWidget *lbPrevRight = nullptr;
    // Boxes the window had no right-hand column for: their rules run here.

    // Taken when the panel opens, put back by Cancel.
    struct Snapshot
    {
        bool plainText = false;
        std::array<int, GroupCount> leftClick{};
        bool alphabetize = false;
        QString columnWidth;
        QString rightMargin;
        quint32 colour = 0;
    } m_snapshot;
};
