#pragma once

#include "engine/compose_engine.h"
#include "prefs/data_locations.h"
#include "prefs/preferences.h"
#include "prefs/view_settings.h"
#include "vocab/vocabulary.h"

#include <QMainWindow>
#include <QTextCursor>
#include <functional>
#include <memory>

class AddVerbPanel;
class AddWordPanel;
class Board;
class QAction;
class QKeySequence;
class QMenu;
class Dialogs;
class ComposeButtons;
class Document;
class DocumentEditor;
class DocumentPrinter;
class EditCommands;
class EditorSurface;
class FormatBar;
class PreferencesPanel;
class PredictionHost;
class PrinterChooser;
class RecoveryKeeper;
class Ruler;
class StatusPanel;
class SwitchScanner;
class DwellSelector;
class InflectionButtons;
class QComboBox;
class QScrollArea;
class QLineEdit;
class QToolBar;
class RandomSource;
class RightColumn;
class TColorButton;
class WordPanels;
class SpeechEngine;
class SpeechCommands;

// Where the program finds its files and how it was started.
struct StartOptions
{
    QString programDir;
    // Installed: programDir is shared and only read (see DataLocations).
    DataLocations::Layout layout = DataLocations::Layout::Beside;
    QString documentArg;
    Dialogs *dialogs = nullptr;        // not owned; real dialogs when null
    RandomSource *random = nullptr;    // not owned; seeded from the clock when null
    PrinterChooser *printer = nullptr; // not owned; the print dialog when null
    SpeechEngine *speech = nullptr;    // not owned; Qt's text-to-speech when null
};

// The main window: owns the editor, the board, the document, the settings
// and the vocabulary, and hands each part what it works on; the parts never
// see the window. What stays public here is what script mode, the
// benchmarks and the tests drive.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(const StartOptions &options, QWidget *parent = nullptr);
    ~TMainForm() override;

    // False when start-up found a fatal problem (a missing file); the
    // program then ends without being used.
    bool startupOk() const { return m_startupOk; }

    ComposeEngine &engine() { return *m_engine; }
    Composition &composition() { return m_engine->composition(); }
    DocumentEditor *editor() const { return RichEdit1; }
    Document *document() const { return m_document; }
    Board *board() const { return m_board; }
    SwitchScanner *scanner() const { return m_scanner; }
    DwellSelector *dwell() const { return m_dwell; }
    FormatBar *formatBar() const { return m_formatBar; }
    EditCommands *editCommands() const { return m_editCommands; }
    Ruler *ruler() const { return m_ruler; }
    Preferences &preferences() { return m_prefs; }
    ViewSettings &viewSettings() { return m_view; }
    SpeechCommands *speech() const { return m_speech; }
    Vocabulary &vocabulary() { return m_vocab; }
    // Where the files the program writes go; known once start-up has run.
    const DataLocations &locations() const { return m_locations; }
    RightColumn *rightColumn() const { return m_rightColumn; }
    AddVerbPanel *addVerbPanel() const { return m_addVerb; }
    PredictionHost *prediction() const { return m_prediction; }

    // The colour ($00BBGGRR) of the right-hand column and its fillers.
    quint32 rightColour() const;

    // The number of columns the right-hand word list shows.
    int rightColumns() const;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QAction *addMenuAction(QMenu *menu, const char *name, const QString &text,
                           const QKeySequence &key, const std::function<void()> &handler);
    void setupFileActions();
    void setupEditActions();
    void setupViewActions();
    void setupHelpActions();
    void setupToolBar();
    void setupCentralArea();
    void setupStatusBar();
    void setupBoard();
    void setupKeyboard();
    // Switch scanning of the board, and its View menu command.
    void setupScanning();
    void setupDwell();
    void FormCreate();
    void applyPreferences();
    // How the window opens and its normal place: the window's own settings,
    // taken as it closes.
    void recordWindowPreferences();
    // The window's place and size while it is normal: the one place they
    // are recorded.
    void recordGeometry();
    // The preferences panel is up: nothing it edits may change under it.
    void lockForPreferences(bool locked);
    void FormResize();
    bool FormCloseQuery();
    // The board, the right-hand column and the window at the zoom of the
    // view settings.
    void applyZoom();
    // Moves the window back inside the screen's available area.
    void keepOnScreen();
    // The board's scroll area as big as the board where the screen has room.
    QSize fitBoardArea();
    // The size the screen leaves for the window's inside: its available
    // area less the window's frame; invalid without a screen.
    QSize screenRoom() const;

    void applyHighContrast(bool on);
    void updateCaption();
    void FilePrint();
    void HelpManualItemClick();
    void HelpAbout();
    void setupSpeech(QMenu *menu);
    // The row of predicted words above the board.

    Preferences m_prefs;
    ViewSettings m_view;
    Vocabulary m_vocab;
    std::unique_ptr<EditorSurface> m_surface;
    // A child of the window, made once the editor is: it goes after the
    // editor and before the parts that hold its rules.
    ComposeEngine *m_engine = nullptr;
    std::unique_ptr<Dialogs> m_ownDialogs;
    std::unique_ptr<RandomSource> m_ownRandom;
    std::unique_ptr<PrinterChooser> m_ownPrinter;
    std::unique_ptr<DocumentPrinter> m_printer;
    std::unique_ptr<SpeechEngine> m_ownSpeech;
    SpeechEngine *m_speechEngine = nullptr;
    SpeechCommands *m_speech = nullptr;
    Dialogs *m_dialogs = nullptr;
    RandomSource *m_random = nullptr;

    DocumentEditor *RichEdit1 = nullptr;
    Document *m_document = nullptr;
    Board *m_board = nullptr;
    SwitchScanner *m_scanner = nullptr;
    DwellSelector *m_dwell = nullptr;
    ComposeButtons *m_compose = nullptr;
    WordPanels *m_wordPanels = nullptr;
    AddWordPanel *m_addWord = nullptr;
    AddVerbPanel *m_addVerb = nullptr;
    PredictionHost *m_prediction = nullptr;
    PreferencesPanel *m_prefsPanel = nullptr;
    Ruler *m_ruler = nullptr;
    FormatBar *m_formatBar = nullptr;
    EditCommands *m_editCommands = nullptr;
    StatusPanel *m_status = nullptr;
    RecoveryKeeper *m_recovery = nullptr;
    QComboBox *cbTense = nullptr;
    QComboBox *cbPoetryProse = nullptr;
    RightColumn *m_rightColumn = nullptr;
    InflectionButtons *m_inflection = nullptr;
    QLineEdit *edNoPaste = nullptr;
    QScrollArea *m_boardArea = nullptr;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    // Commands the preferences panel locks while it is up.
    QList<QAction *> m_listActions;
    // The toolbar's copies of the File and Edit commands.
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_cutAction = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_pasteAction = nullptr;
    // The size the user gave the window (or the one it started with): a
    // zoom grows the window from it where the board needs more, and
    // zooming back out returns to it.
    QSize m_userSize;
    QSize m_zoomTarget;
    bool m_zoomResizing = false;

    // Where the caret was when the preferences panel opened.
    QTextCursor m_caretBeforePanel;
    QString m_programDir;
    DataLocations::Layout m_layout;
    DataLocations m_locations;
    QString m_documentArg;
    bool m_startupOk = true;
    bool m_shown = false;
};
