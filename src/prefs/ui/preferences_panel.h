#pragma once

#include "prefs/preferences.h"
#include "prefs/ui/speech_tab.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <functional>

class Board;
class Dialogs;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;
class QWidget;
class RightColumn;
class TColorButton;
class Vocabulary;
class ViewSettings;
class PredictionTab;

// The preferences panel pPrefs over the board (Edit > Options): seven tabs
// of settings, OK and Cancel. The boxes are a copy of the preferences: OK
// assigns it (and every part that follows the preferences hears of it),
// Cancel drops it. The right-hand column shows its settings at once while
// they are edited, so that the user can judge them; Cancel puts it back.
// The directories, and the window's choice between maximised and normal,
// take effect as soon as they are chosen.
//
// The panel is built the first time it is opened (or the board builds its
// pending panels); until then the settings live in the preferences alone.
class PreferencesPanel : public QObject
{
    Q_OBJECT
public:
    PreferencesPanel(Board &board, Preferences &prefs, Vocabulary &vocabulary, Dialogs &dialogs,
                     RightColumn &rightColumn, QObject *parent = nullptr);

    QWidget *panel()
    {
        ensureBuilt();
        return pPrefs;
    }

    // Adds the tab of speech and switch scanning (the last tab), which
    // edits view settings rather than the preferences.
    void attachSpeechTab(ViewSettings &view, SpeechTab::EngineQuery engine);

    // "&Options".
    void miOptionsClick();
    void btnOKprefsClick();
    void btnCancelPrefsClick();

Q_SIGNALS:
    // The panel came up or went away: the window locks or unlocks what must
    // not change under it.
    void shownChanged(bool shown);

private:
    static constexpr int CaptionCount = 15;
    static constexpr int SwatchCount = 10;
    static constexpr int GroupCount = 7;

    struct CaptionBox
    {
        QLineEdit *edit = nullptr;
        TColorButton *sample = nullptr;
        QString PreferenceValues::*caption = nullptr; // or a noun category's
        int nounCategory = -1;                        // a line of nounButtons.txt, or -1
    };

    void ensureBuilt();
    void buildSpeechTab();
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

    // Fills every box from the preferences in force (and the right-hand
    // column's settings as it shows them).
    void load();
    void loadRightTab();
    void close();
    void edColWidthChange();
    void edRightMarginChange();
    void edFontSizeChange();
    void cbFontNameChange();
    void btnColorClick(int index);
    void browseDir(QLineEdit *box, bool open);
    // The Window tab: maximised or normal, and the normal size.
    void showWindow();
    int groupItem(int group) const;
    void setGroupItem(int group, int item);

    Board &m_board;
    Preferences &m_prefs;
    Vocabulary &m_vocabulary;
    Dialogs &m_dialogs;
    RightColumn &m_right;
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

    QCheckBox *cbAlphabetize = nullptr;
    QLineEdit *edColWidth = nullptr;
    QLineEdit *edRightMargin = nullptr;
    std::array<TColorButton *, SwatchCount> m_swatches{};
    // The right-hand column as it was when the panel opened, for Cancel.
    QStringList m_rightOrder;
    PreferenceValues m_rightBefore;

    ViewSettings *m_view = nullptr;
    SpeechTab::EngineQuery m_speechEngine;
    SpeechTab *m_speechTab = nullptr;
    PredictionTab *m_predictionTab = nullptr;
};
