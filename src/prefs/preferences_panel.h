#pragma once

#include <QObject>
#include <QStringList>
#include <QTextCursor>
#include <array>
#include <functional>

class QAbstractButton;
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
class TMainForm;

// The preferences panel pPrefs over the board (Edit > Options): seven tabs
// of settings, OK and Cancel. Its controls hold the settings while the
// program runs: loadSettings() fills them after prefs.ini has been applied,
// OK applies them to the window and to the preferences written at close,
// and Cancel puts back what was there when the panel was opened.
//
// The right-hand column's own boxes (edColWidth, edRightMargin,
// cbAlphabetize) are found by name and moved onto the " Right Panel " tab,
// so the column keeps reacting to them; any that the window lacks are made
// here.
class PreferencesPanel : public QObject
{
    Q_OBJECT
public:
    explicit PreferencesPanel(TMainForm &window);

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

    TMainForm &m_window;
    QWidget *pPrefs = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QPushButton *btnOKprefs = nullptr;
    QPushButton *btnCancelPrefs = nullptr;

    QComboBox *cbFontName = nullptr;
    // The family shown in cbFontName in place of a stored font this system
    // lacks; empty when the stored font is installed.
    QString m_fontStandIn;
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
