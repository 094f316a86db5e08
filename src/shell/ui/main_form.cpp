#include "shell/ui/main_form.h"

#include "compose/random_source.h"
#include "compose/ui/compose_buttons.h"
#include "controls/announcement_label.h"
#include "controls/color_button.h"
#include "controls/combo_accessible.h"
#include "controls/document_editor.h"
#include "controls/zoom_scale.h"
#include "morph/ui/inflection_buttons.h"
#include "panels/ui/board.h"
#include "panels/ui/board_keys.h"
#include "panels/ui/dwell_selector.h"
#include "panels/ui/right_column.h"
#include "panels/ui/switch_scanner.h"
#include "panels/ui/word_panels.h"
#include "predict/ui/prediction_row.h"
#include "prefs/startup_loader.h"
#include "prefs/ui/preferences_panel.h"
#include "shell/speech/speech_commands.h"
#include "shell/speech/speech_engine.h"
#include "shell/ui/about_box.h"
#include "shell/ui/dialog_zoom.h"
#include "shell/ui/document.h"
#include "shell/ui/document_printer.h"
#include "shell/ui/edit_commands.h"
#include "shell/ui/editor_surface.h"
#include "shell/ui/format_bar.h"
#include "shell/ui/prediction_host.h"
#include "shell/ui/printer_chooser.h"
#include "shell/ui/recovery_keeper.h"
#include "shell/ui/ruler.h"
#include "shell/ui/status_panel.h"
#include "shell/ui/tool_icons.h"
#include "shell/ui/widget_dialogs.h"
#include "vocab/category_words.h"
#include "vocab/ui/add_verb_panel.h"
#include "vocab/ui/add_word_panel.h"
#include "vocab/ui/category_buttons.h"
#include "vocab/ui/word_pick_panel.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryFile>
#include <QToolBar>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Whether a file can be made in dir at all (a system-wide install cannot).
bool canWriteIn(const QString &dir)
{
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".wordloom-probe-XXXXXX")));
    return probe.open();
}

// The arrow pictures of the word-left and word-right buttons, 16 by 12
// pixels times the zoom.
QPixmap arrowPicture(bool left, double scale = 1.0)
{
    QPixmap pix(qRound(16 * scale), qRound(12 * scale));
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPolygonF arrow;
    if (left)
        arrow << QPointF(0, 6) << QPointF(7, 0) << QPointF(7, 4) << QPointF(16, 4) << QPointF(16, 8)
              << QPointF(7, 8) << QPointF(7, 12);
    else
        arrow << QPointF(16, 6) << QPointF(9, 0) << QPointF(9, 4) << QPointF(0, 4) << QPointF(0, 8)
              << QPointF(9, 8) << QPointF(9, 12);
    p.drawPolygon(arrow);
    return pix;
}

} // namespace

TMainForm::TMainForm(const StartOptions &options, QWidget *parent)
    : QMainWindow(parent)
    , m_programDir(options.programDir)
    , m_layout(options.layout)
    , m_documentArg(options.documentArg)
{
    setObjectName(QStringLiteral("MainForm"));
    ComboAccessible::install();
    m_dialogs = options.dialogs;
    if (!m_dialogs) {
        m_ownDialogs = std::make_unique<WidgetDialogs>(this);
        m_dialogs = m_ownDialogs.get();
    }
    m_random = options.random;
    if (!m_random) {
        m_ownRandom = std::make_unique<SeededRandom>(quint32(QDateTime::currentMSecsSinceEpoch()));
        m_random = m_ownRandom.get();
    }
    PrinterChooser *printer = options.printer;
    if (!printer) {
        m_ownPrinter = std::make_unique<PrintDialogChooser>(this);
        printer = m_ownPrinter.get();
    }
    m_printer = std::make_unique<DocumentPrinter>(printer, m_dialogs);
    m_speechEngine = options.speech;
    if (!m_speechEngine) {
        m_ownSpeech = std::make_unique<QtSpeechEngine>();
        m_speechEngine = m_ownSpeech.get();
    }

    if (m_programDir.isEmpty())
        m_programDir =
            DataLocations::findShippedDir(QCoreApplication::applicationDirPath(), &m_layout);
    m_locations = DataLocations::forProgram(m_programDir, m_layout);
    auto shippedModel = PredictionHost::readShippedModel(m_locations.shippedDir());

    setupCentralArea();
    m_document = new Document(RichEdit1, m_dialogs, this);
    RichEdit1->setParagraphLimit(Document::kMaxParagraphLength);
    connect(RichEdit1, &DocumentEditor::pasteRefused, this,
            [this](qsizetype length, qsizetype limit) {
                m_dialogs->message(
                    QStringLiteral("Cannot paste: the text would make a paragraph of %1 "
                                   "characters, and Wordloom holds paragraphs of up to %2 "
                                   "characters.")
                        .arg(length)
                        .arg(limit));
            });
    m_editCommands = new EditCommands(RichEdit1, &m_engine->composition().state, this);
    m_editCommands->plainText = [this] { return m_document->plainText(); };
    setupFileActions();
    setupEditActions();
    setupViewActions();
    setupHelpActions();
    setupToolBar();
    setupStatusBar();
    setupBoard();
    setupKeyboard();
    setupScanning();
    setupDwell();
    resize(640, 450);
    setAcceptDrops(true);
    FormCreate();
    if (m_startupOk) {
        m_recovery = new RecoveryKeeper(RichEdit1, m_document, m_vocab, *m_dialogs, statusBar(),
                                        RecoveryStore::defaultFolder(), this);
        m_prediction = new PredictionHost({m_engine->composition(), m_vocab, *m_dialogs, m_view,
                                           m_prefs, RichEdit1, m_document, m_board, statusBar(),
                                           m_editMenu, m_locations.dataDir()},
                                          std::move(shippedModel), this);
        // Between the document and the board.
        static_cast<QVBoxLayout *>(centralWidget()->layout())->insertWidget(2, m_prediction->row());
    }
}

TMainForm::~TMainForm() = default;

void TMainForm::setupCentralArea()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_ruler = new Ruler(central);
    layout->addWidget(m_ruler);

    RichEdit1 = new DocumentEditor(central);
    RichEdit1->setAccessibleName(tr("document"));
    layout->addWidget(RichEdit1, 1);
    m_surface = std::make_unique<EditorSurface>(RichEdit1);
    m_engine = new ComposeEngine(m_surface.get(), m_vocab, m_prefs, *m_random, *m_dialogs, this);

    // The board, and beside it the right-hand word column in whatever room
    // the window has beyond the board.
    auto *bottom = new QWidget(central);
    auto *row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    // The board scrolls where a zoomed board is bigger than the screen.
    m_boardArea = new QScrollArea(bottom);
    m_boardArea->setObjectName(QStringLiteral("sbBoard"));
    m_boardArea->setFrameShape(QFrame::NoFrame);
    // The buttons take the focus, never the area around them; a button the
    // keyboard reaches is scrolled into view at any zoom.
    m_boardArea->setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, m_boardArea, [this](QWidget *, QWidget *now) {
        if (now && m_board->isAncestorOf(now))
            m_boardArea->ensureWidgetVisible(now, 0, 0);
    });
    m_board = new Board;
    m_boardArea->setWidget(m_board);
    m_boardArea->setFixedSize(m_board->size());
    // A zoomed board that scrolls brings the button the keyboard or the
    // scanning moves to into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && m_board->isAncestorOf(now))
            m_boardArea->ensureWidgetVisible(now, 4, 4);
    });
    row->addWidget(m_boardArea, 0, Qt::AlignTop);
    m_rightColumn = new RightColumn(m_engine->composition(), m_vocab, bottom);
    m_rightColumn->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(m_rightColumn, 1);
    bottom->setFixedHeight(m_board->height());
    layout->addWidget(bottom);

    // Holds what was on the clipboard at start, so a paste never loses it.
    edNoPaste = new QLineEdit(central);
    edNoPaste->setObjectName(QStringLiteral("edNoPaste"));
    edNoPaste->hide();

    setCentralWidget(central);
}

QAction *TMainForm::addMenuAction(QMenu *menu, const char *name, const QString &text,
                                  const QKeySequence &key, const std::function<void()> &handler)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, handler);
    menu->addAction(action);
    return action;
}

void TMainForm::setupFileActions()
{
    QMenu *menu = menuBar()->addMenu(tr("&File"));
    menu->setObjectName(QStringLiteral("File1"));
    auto add = [&](const char *name, const QString &text, const QKeySequence &key,
                   const std::function<void()> &handler) {
        return addMenuAction(menu, name, text, key, handler);
    };
    add("FileNewCmd", tr("&New"), QKeySequence(QStringLiteral("Ctrl+N")),
        [this] { m_document->FileNew(); });
    m_openAction = add("FileOpenCmd", tr("&Open..."), QKeySequence(QStringLiteral("Ctrl+O")),
                       [this] { m_document->FileOpen(); });
    m_saveAction = add("FileSaveCmd", tr("&Save"), QKeySequence(QStringLiteral("Ctrl+S")),
                       [this] { m_document->FileSave(); });
    add("FileSaveAsCmd", tr("Save &As..."), QKeySequence(), [this] { m_document->FileSaveAs(); });
    m_printAction = add("FilePrintCmd", tr("&Print"), QKeySequence(QStringLiteral("Ctrl+P")),
                        [this] { FilePrint(); });
    menu->addSeparator();
    add("FileExit", tr("E&xit"), QKeySequence(QStringLiteral("Alt+X")), [this] { close(); });

    connect(m_document, &Document::newDocument, &m_engine->composition(),
            &Composition::resetForNewDocument);
    connect(m_document, &Document::fileNameChanged, this, &TMainForm::updateCaption);
}

void TMainForm::setupEditActions()
{
    QMenu *menu = menuBar()->addMenu(tr("&Edit"));
    menu->setObjectName(QStringLiteral("Edit1"));
    m_editMenu = menu;
    auto add = [&](const char *name, const QString &text, const QKeySequence &key,
                   const std::function<void()> &handler) {
        return addMenuAction(menu, name, text, key, handler);
    };
    add("EditUndoCmd", tr("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")),
        [this] { m_compose->EditUndo(); });
    QAction *redo = add("EditRedoCmd", tr("&Redo"), QKeySequence(QStringLiteral("Ctrl+Y")),
                        [this] { m_compose->EditRedo(); });
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    menu->addSeparator();
    // One after the other: the order of a call's arguments is not the order
    // in which C++ evaluates them. In the editor and the edit fields these
    // keys are theirs; elsewhere the window's commands act on the editor.
    m_cutAction = add("EditCutCmd", tr("Cu&t"), QKeySequence::Cut, [] {});
    m_copyAction = add("EditCopyCmd", tr("&Copy"), QKeySequence::Copy, [] {});
    m_pasteAction = add("EditPasteCmd", tr("&Paste"), QKeySequence::Paste, [] {});
    m_editCommands->setActions(m_cutAction, m_copyAction, m_pasteAction);
    add("SelectAll1", tr("Select &All"), QKeySequence(QStringLiteral("Ctrl+A")),
        [this] { RichEdit1->selectAll(); });
    menu->addSeparator();
    m_listActions << add("miWordLists", tr("&Word Lists"), QKeySequence(), [this] {
        m_addVerb->btnExitVerbClick();
        m_addWord->miWordListsClick();
    });
    m_listActions << add("miVerbLists", tr("&Verb Lists"), QKeySequence(), [this] {
        m_addWord->btnExitWordClick();
        m_addVerb->miVerbListsClick();
    });
    m_listActions << add("miOptions", tr("&Options"), QKeySequence(),
                         [this] { m_prefsPanel->miOptionsClick(); });
}

void TMainForm::setupViewActions()
{
    QMenu *menu = menuBar()->addMenu(tr("&View"));
    menu->setObjectName(QStringLiteral("View1"));
    m_viewMenu = menu;
    auto add = [&](const char *name, const QString &text, const QKeySequence &key,
                   const std::function<void()> &handler) {
        return addMenuAction(menu, name, text, key, handler);
    };
    // Ctrl+= too: on most keyboards "+" needs Shift, and Ctrl+Shift+= is
    // what the key gives.
    QAction *zoomIn = add("miZoomIn", tr("Zoom &In"), QKeySequence(QStringLiteral("Ctrl++")),
                          [this] { m_view.zoomIn(); });
    zoomIn->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    add("miZoomOut", tr("Zoom &Out"), QKeySequence(QStringLiteral("Ctrl+-")),
        [this] { m_view.zoomOut(); });
    add("miZoomReset", tr("&Actual Size"), QKeySequence(QStringLiteral("Ctrl+0")),
        [this] { m_view.setZoom(ViewSettings::kMinZoom); });
    menu->addSeparator();
    QAction *contrast = add("miHighContrast", tr("&High Contrast"), QKeySequence(), [] {});
    contrast->setCheckable(true);
    connect(contrast, &QAction::toggled, &m_view, &ViewSettings::setHighContrast);
    connect(&m_view, &ViewSettings::changed, this, [this, contrast](ViewSettings::Aspect aspect) {
        if (aspect != ViewSettings::Aspect::HighContrast)
            return;
        contrast->setChecked(m_view.highContrast());
        applyHighContrast(m_view.highContrast());
    });
    setupSpeech(menu);
}

void TMainForm::setupSpeech(QMenu *menu)
{
    m_speech = new SpeechCommands(*m_speechEngine, m_view, m_engine->composition(), RichEdit1,
                                  *m_dialogs, this);
    m_speech->addActions(menu);
    // What a screen reader is told of each insertion; it shows in the
    // status bar too.
    auto *announce = new AnnouncementLabel(statusBar());
    announce->setObjectName(QStringLiteral("labInserted"));
    statusBar()->addPermanentWidget(announce);
    connect(m_speech, &SpeechCommands::announced, announce, &AnnouncementLabel::announce);
    connect(m_speech, &SpeechCommands::speechLost, this,
            [this](const QString &reason) { statusBar()->showMessage(reason); });
}

void TMainForm::applyHighContrast(bool on)
{
    TColorButton::setHighContrast(this, on);
}

void TMainForm::setupScanning()
{
    m_scanner = new SwitchScanner(m_board, this, &m_view);
    QMenu *menu = m_viewMenu;
    menu->addSeparator();
    QAction *scanning = addMenuAction(menu, "miScanning", tr("Switch &Scanning"),
                                      QKeySequence(QStringLiteral("F7")), [] {});
    scanning->setCheckable(true);
    connect(scanning, &QAction::toggled, m_scanner, &SwitchScanner::setScanning);
    connect(m_scanner, &SwitchScanner::scanningChanged, scanning, &QAction::setChecked);
    connect(m_scanner, &SwitchScanner::scanningChanged, m_speech, &SpeechCommands::setScanning);
    connect(m_scanner, &SwitchScanner::highlightSpoken, this, [this](const QString &text) {
        if (m_speech->speaksFocus())
            m_speech->speaker().say(Speaker::Kind::Focus, text);
    });
    m_scanner->addSideList(m_rightColumn->wordList());
    // A switch can answer "Save changes?" but cannot type a file name.
    m_document->saveUnasked = [this] { return m_scanner->isScanning(); };
    connect(m_document, &Document::savedUnasked, this, [this](const QString &path) {
        statusBar()->showMessage(tr("Saved as %1").arg(QDir::toNativeSeparators(path)));
    });
}

void TMainForm::setupDwell()
{
    m_dwell = new DwellSelector(m_board, this, &m_view);
    m_dwell->addRowTarget(m_rightColumn->wordList());
    QMenu *menu = m_viewMenu;
    QAction *dwell =
        addMenuAction(menu, "miDwell", tr("&Dwell"), QKeySequence(QStringLiteral("F8")), [] {});
    dwell->setCheckable(true);
    connect(dwell, &QAction::toggled, &m_view, &ViewSettings::setDwellOn);
    connect(&m_view, &ViewSettings::changed, dwell, [this, dwell](ViewSettings::Aspect aspect) {
        if (aspect == ViewSettings::Aspect::Dwell)
            dwell->setChecked(m_view.dwell().on);
    });
    connect(m_dwell, &DwellSelector::hoverSpoken, this, [this](const QString &text) {
        if (m_view.speech().speakFocus)
            m_speech->speaker().say(Speaker::Kind::Focus, text);
    });
}

void TMainForm::setupHelpActions()
{
    QMenu *menu = menuBar()->addMenu(tr("&Help"));
    menu->setObjectName(QStringLiteral("Help1"));
    auto *manual = new QAction(tr("&Manual"), this);
    manual->setObjectName(QStringLiteral("HelpManualItem"));
    connect(manual, &QAction::triggered, this, &TMainForm::HelpManualItemClick);
    menu->addAction(manual);
    auto *about = new QAction(tr("&About..."), this);
    about->setObjectName(QStringLiteral("HelpAboutItem"));
    connect(about, &QAction::triggered, this, &TMainForm::HelpAbout);
    menu->addAction(about);
}

void TMainForm::setupToolBar()
{
    QToolBar *bar = addToolBar(tr("Standard"));
    m_toolBar = bar;
    bar->setObjectName(QStringLiteral("StandardToolBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    using ToolIcons::Kind;
    const std::pair<QAction *, Kind> actions[] = {
        {m_openAction, Kind::Open}, {m_saveAction, Kind::Save}, {m_printAction, Kind::Print},
        {m_cutAction, Kind::Cut},   {m_copyAction, Kind::Copy}, {m_pasteAction, Kind::Paste},
    };
    for (const auto &[action, kind] : actions) {
        action->setIcon(ToolIcons::icon(kind));
        action->setStatusTip(action->text().remove(QLatin1Char('&')).remove(QStringLiteral("...")));
        bar->addAction(action);
        if (kind == Kind::Print)
            bar->addSeparator();
    }
    bar->addSeparator();

    cbTense = new QComboBox(bar);
    cbTense->setObjectName(QStringLiteral("cbTense"));
    cbTense->addItems({QStringLiteral("past tense"), QStringLiteral("present tense")});
    cbTense->setCurrentIndex(1);
    cbTense->setAccessibleName(tr("tense"));
    cbTense->setToolTip(tr("Tense of the verbs the verb buttons put in"));
    bar->addWidget(cbTense);
    bar->addSeparator();

    cbPoetryProse = new QComboBox(bar);
    cbPoetryProse->setObjectName(QStringLiteral("cbPoetryProse"));
    cbPoetryProse->addItems({QStringLiteral("poetry"), QStringLiteral("prose")});
    cbPoetryProse->setAccessibleName(tr("writing mode"));
    cbPoetryProse->setToolTip(
        tr("Poetry starts each line with a capital; prose only each sentence"));
    m_formatBar = new FormatBar(RichEdit1, bar, bar->addWidget(cbPoetryProse), m_ruler);
    connect(m_document, &Document::plainTextChanged, m_formatBar, &FormatBar::setPlainTextMode);
    // The box keeps the focus: who chose by keyboard goes on from there.
    connect(cbPoetryProse, &QComboBox::activated, this, [this] {
        m_prefs.setPoetryMode(cbPoetryProse->currentText() == QLatin1String("poetry"));
    });
    // The boxes show the setting however it changed.
    connect(&m_prefs, &Preferences::changed, this, [this](Preferences::Aspect aspect) {
        if (aspect == Preferences::Aspect::Tense)
            cbTense->setCurrentIndex(m_prefs.values().PastTense ? 0 : 1);
        else if (aspect == Preferences::Aspect::Mode)
            cbPoetryProse->setCurrentIndex(m_prefs.values().PoetryMode ? 0 : 1);
    });
}

void TMainForm::setupStatusBar()
{
    m_status = new StatusPanel(RichEdit1, statusBar());
}

void TMainForm::setupBoard()
{
    m_board->button(QStringLiteral("btnWordLeft"))->setPicture(arrowPicture(true));
    m_board->button(QStringLiteral("btnWordRight"))->setPicture(arrowPicture(false));

    m_wordPanels = new WordPanels(m_board, *m_engine, this);
    m_inflection = new InflectionButtons(*m_board, *m_engine, this);
    connect(cbTense, &QComboBox::activated, this, [this] {
        m_prefs.setPastTense(cbTense->currentText() == QLatin1String("past tense"));
        // Changing the verb before the caret puts the focus in the
        // document; the box keeps it.
        const bool had = cbTense->hasFocus();
        m_inflection->cbTenseChange();
        if (had)
            cbTense->setFocus(Qt::OtherFocusReason);
    });
    auto *categories = new CategoryButtons(*m_board, *m_engine, *m_rightColumn, RichEdit1, this);
    m_prefsPanel =
        new PreferencesPanel(*m_board, m_prefs, m_vocab, *m_dialogs, *m_rightColumn, this);
    connect(m_prefsPanel, &PreferencesPanel::shownChanged, this, &TMainForm::lockForPreferences);
    m_prefsPanel->attachSpeechTab(m_view, [this] {
        return SpeechTab::Engine{m_speech->speaker().unavailableReason(),
                                 m_speech->speaker().voices()};
    });
    // Pasted text takes the document's font.
    m_editCommands->pasteFont = [this] { return RichEdit1->font(); };
    m_compose = new ComposeButtons(m_board, RichEdit1, *m_engine, this);

    m_addWord = new AddWordPanel(m_board, m_vocab, *m_dialogs, RichEdit1, this);
    m_addVerb = new AddVerbPanel(m_board, *m_engine, RichEdit1, this);

    // The pick list's Add and Edit on a verb list open the verb editor.
    connect(categories->pickPanel(), &WordPickPanel::verbEditorRequested, this,
            [this](const QString &tag, int row) {
                const auto table = CategoryWords::listForTag(tag);
                if (!table)
                    return;
                m_addWord->btnExitWordClick();
                m_addVerb->openFor(*table, row, row < 0);
            });
}

// The board, its panels and the right-hand column by keyboard: F6, arrows,
// Enter, the Menu key and Esc.
void TMainForm::setupKeyboard()
{
    new BoardKeys(*m_board, RichEdit1, m_rightColumn, m_board);
    // Speech sees each key before the board takes it, to know that a focus
    // move came from the keyboard (a filter installed again goes first).
    qApp->installEventFilter(m_speech);
}

void TMainForm::FormCreate()
{
    m_document->SetFileName(Document::untitled());
    RichEdit1->clear();
    RichEdit1->document()->setModified(false);
    m_status->RichEditChange();

    QFont font = RichEdit1->font();
    RichEdit1->document()->setDefaultFont(font);

    CompositionState &state = m_engine->composition().state;
    state.LastAction = kMouseClick;
    state.WordStart = 0;
    state.CapsMode = CapsFirstArmed;
    state.VerbForm = 1;

    // Nothing reads the hidden field, and pasting the clipboard into it made
    // a big clipboard slow the start by seconds.
    edNoPaste->clear();

    const StartupResult loaded =
        loadSettingsAndVocabulary(m_locations, *m_dialogs, m_prefs, m_vocab);
    if (!loaded.ok) {
        m_startupOk = false;
        return;
    }
    applyPreferences();
    // Unreadable view settings cost only the zoom and the contrast: the
    // program starts with their defaults.
    QString viewError;
    if (!m_view.read(m_locations.configFile(QStringLiteral("view.ini")), &viewError))
        m_dialogs->message(viewError);
    applyHighContrast(m_view.highContrast());
    if (m_view.zoom() != ViewSettings::kMinZoom)
        applyZoom();
    connect(&m_view, &ViewSettings::changed, this, [this](ViewSettings::Aspect aspect) {
        if (aspect == ViewSettings::Aspect::Zoom)
            applyZoom();
    });
    new DialogZoom(this, m_view);

    RichEdit1->clear();
    RichEdit1->document()->setModified(false);
    m_status->RichEditChange();
    FormResize();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_status->updateCaretPosition();
    m_status->RichEditChange();
    RichEdit1->setFocus();
    if (m_recovery)
        m_recovery->offerRecovery();
    if (m_prediction)
        m_prediction->windowShown();
    // A folder, a pipe or a device named on the command line is refused
    // with a message; only a name that is not there is passed over. Text
    // just recovered is not replaced unasked.
    if (!m_documentArg.isEmpty() && QFileInfo::exists(m_documentArg) && m_document->CheckFileSave())
        m_document->OpenDocument(m_documentArg);
    cbTense->setCurrentIndex(m_prefs.values().PastTense ? 0 : 1);
    cbPoetryProse->setCurrentIndex(m_prefs.values().PoetryMode ? 0 : 1);
    // A window placed where it was last, at a zoom that grew it since,
    // comes back inside the screen.
    keepOnScreen();
    if (m_view.scan().startWithProgram)
        m_scanner->setScanning(true);
    // Once ever: how to work without a mouse.
    if (!m_view.keysToldOnce()) {
        m_view.setKeysToldOnce();
        statusBar()->showMessage(
            tr("F6 goes to the word buttons and back; F7 starts switch scanning."));
    }
}

void TMainForm::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    recordGeometry();
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // A window manager may apply a zoom's resize later, when m_zoomResizing
    // is over: that size is known by being the one asked for. A window
    // pushed out to its new minimum by a bigger board was not sized by
    // the user either.
    const bool grownForZoom =
        m_zoomResizing || event->size() == m_zoomTarget || event->size() == minimumSize();
    if (!grownForZoom)
        m_userSize = event->size();
    recordGeometry();
    if (m_view.zoom() != ViewSettings::kMinZoom)
        fitBoardArea();
    FormResize();
    // Placed while it was smaller (on the first showing, the zoomed board
    // and bars are measured only once laid out), the grown window would
    // reach past the screen's edge.
    if (grownForZoom && m_shown)
        keepOnScreen();
}

void TMainForm::FormResize()
{
    RichEdit1->setSideMargins(6);
    if (m_formatBar)
        m_formatBar->SelectionChange();
    m_rightColumn->FormResize(width());
}

int TMainForm::rightColumns() const
{
    return m_rightColumn->columns();
}

void TMainForm::updateCaption()
{
    setWindowTitle(m_document->caption());
}

void TMainForm::FilePrint()
{
    m_printer->FilePrint(*RichEdit1->document(), m_document->DocumentName());
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TMainForm::FormCloseQuery()
{
    if (!m_vocab.SaveVocabulary(*m_dialogs))
        return false;
    recordWindowPreferences();
    // A settings file that cannot be written must not trap the window: the
    // user is told which file and why, and chooses between closing without
    // it and staying (to make room, say, and close again). A program
    // directory nothing can be written in (a system-wide install) fails
    // every one of these at every close: that is only said.
    QStringList failures;
    QString error;
    PreferenceValues file = m_prefs.values();
    file.relateDirectories(m_locations.dataDir());
    if (!file.write(m_locations.configFile(QStringLiteral("prefs.ini")), &error))
        failures << error;
    if (!m_view.write(m_locations.configFile(QStringLiteral("view.ini")), &error))
        failures << error;
    if (!m_wordPanels->writeAffixCaptions(m_locations.configDir(), &error))
        failures << error;
    m_vocab.WriteNounButtonCaptions(m_prefs.values().VocabDir, *m_dialogs, &failures);
    if (!failures.isEmpty()) {
        if (canWriteIn(m_locations.configDir())) {
            const QString question = failures.join(QLatin1Char('\n')) +
                                     QStringLiteral("\n\nClose without saving the settings?");
            if (m_dialogs->yesNoQuestion(question) != Dialogs::Answer::Yes)
                return false;
        } else if (failures.size() == 1) {
            m_dialogs->message(failures.constFirst());
        } else {
            m_dialogs->message(tr("Wordloom could not save its settings in %1, so the next start "
                                  "will not have them:\n%2")
                                   .arg(QDir::toNativeSeparators(m_locations.configDir()),
                                        failures.join(QLatin1Char('\n'))));
        }
    }
    return m_document->CheckFileSave();
}

void TMainForm::applyPreferences()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        PreferenceValues placed = m_prefs.values();
        placed.resolveFirstStart(screen->size().width(), screen->size().height());
        placed.fitWindowTo(screen->availableVirtualGeometry());
        m_prefs.assign(placed);
    }
    const PreferenceValues &values = m_prefs.values();
    if (values.windowStart == PreferenceValues::WindowStart::Normal ||
        values.windowStart == PreferenceValues::WindowStart::Maximized) {
        setGeometry(values.NormalLeft, values.NormalTop, values.NormalWidth, values.NormalHeight);
    }
    if (values.OpenMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);

    // From here on each part follows the settings it shows as they change.
    m_document->followPreferences(m_prefs);
    m_wordPanels->followSettings();
    m_wordPanels->applyCustomCaptions();
    m_wordPanels->readAffixCaptions(m_locations.configDir());
    m_rightColumn->followPreferences(m_prefs);
}

void TMainForm::recordGeometry()
{
    if (!isVisible() ||
        (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        return;
    // The user's size, not what zooming added to it.
    m_prefs.setNormalGeometry(
        QRect(geometry().topLeft(), m_userSize.isValid() ? m_userSize : size()));
}

QSize TMainForm::screenRoom() const
{
    const QScreen *screen = this->screen();
    if (!screen)
        return QSize();
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    return screen->availableGeometry().size() - frame;
}

QSize TMainForm::fitBoardArea()
{
    const QSize board = m_board->size();
    QSize room = board;
    // The bars' own hints, not their current heights: before the first
    // layout those are not known.
    int bars = 0;
    for (const QWidget *bar :
         {static_cast<QWidget *>(menuBar()), static_cast<QWidget *>(statusBar()),
          static_cast<QWidget *>(m_ruler)})
        bars += bar->sizeHint().height();
    bars += m_toolBar->sizeHint().height();
    const QSize available = screenRoom();
    if (available.isValid()) {
        // What the screen leaves for the board beside the window's frame,
        // the bars and the document, which keeps a third of the height at
        // any zoom so that what is written stays in view; the board
        // scrolls instead.
        const int others =
            std::max(RichEdit1->minimumSizeHint().height(), available.height() / 3) + bars;
        room = room.boundedTo(QSize(available.width(), available.height() - others));
    }
    // However small the screen, a corner of the board stays to scroll.
    room = room.expandedTo(QSize(100, 60));
    QSize area = board.boundedTo(room);
    const bool across = area.width() < board.width();
    if (area.height() < board.height())
        area.rwidth() += m_boardArea->verticalScrollBar()->sizeHint().width();
    if (across)
        area.rheight() += m_boardArea->horizontalScrollBar()->sizeHint().height();
    area = area.boundedTo(room);
    m_boardArea->setFixedSize(area);
    m_boardArea->parentWidget()->setFixedHeight(area.height());
    return area;
}

void TMainForm::applyZoom()
{
    if (!m_userSize.isValid())
        m_userSize = size();
    const int zoom = m_view.zoom();
    // The board's growth pushes the window out to its new minimum on the
    // way: not the user's doing.
    m_zoomResizing = true;
    m_board->setZoom(zoom);
    m_rightColumn->setZoom(zoom);
    // The menus and the tool bar grow with the board, from the desktop's
    // own font and icon size.
    const QFont font = zoomedBy(QApplication::font(menuBar()), zoom);
    const int icon = style()->pixelMetric(QStyle::PM_ToolBarIconSize);
    menuBar()->setFont(font);
    for (QAction *action : menuBar()->actions())
        if (QMenu *menu = action->menu())
            menu->setFont(font);
    m_toolBar->setFont(font);
    m_toolBar->setIconSize(QSize(icon, icon) * m_view.scale());
    // Tool tips carry the buttons' hints: they grow too, from the desktop's
    // size as it was before any zoom changed it.
    static const QFont desktopTip = QToolTip::font();
    QToolTip::setFont(zoomedBy(desktopTip, zoom));
    m_status->setZoom(zoom);
    // Only the display grows: the document keeps the sizes it is saved with.
    RichEdit1->setDisplayScale(m_view.scale());
    m_board->button(QStringLiteral("btnWordLeft"))->setPicture(arrowPicture(true, m_view.scale()));
    m_board->button(QStringLiteral("btnWordRight"))
        ->setPicture(arrowPicture(false, m_view.scale()));
    // The row above the board follows the zoom too; it must have its new
    // height before the window's least size is worked out below.
    if (m_prediction)
        m_prediction->row()->setScale(m_view.scale());
    fitBoardArea();
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        m_zoomResizing = false;
        return;
    }
    // The window's minimum follows the board's new size: resizing to the
    // user's size then grows the window just as far as the board needs,
    // and a zoom back out returns to the user's size.
    // Inner layouts first: the window's layout caches what they said.
    m_boardArea->parentWidget()->layout()->invalidate();
    centralWidget()->layout()->invalidate();
    layout()->invalidate();
    centralWidget()->layout()->activate();
    layout()->activate();
    // The window is never made so low that the document has less than a
    // third of it: half of what the rest takes, as far as the screen goes.
    const int document =
        std::max(RichEdit1->minimumHeight(), RichEdit1->minimumSizeHint().height());
    const int rest = minimumSize().height() - document;
    int least = (rest + 1) / 2;
    if (const QSize available = screenRoom(); available.isValid())
        least = std::min(least, available.height() - rest);
    RichEdit1->setMinimumHeight(std::max(least, 0));
    centralWidget()->layout()->invalidate();
    layout()->invalidate();
    centralWidget()->layout()->activate();
    layout()->activate();
    QSize target = m_userSize.expandedTo(minimumSize());
    if (const QSize available = screenRoom(); available.isValid()) {
        target = target.boundedTo(available);
    }
    m_zoomTarget = target;
    resize(target);
    keepOnScreen();
    m_zoomResizing = false;
    FormResize();
}

void TMainForm::keepOnScreen()
{
    const QScreen *screen = this->screen();
    if (!screen || !isVisible())
        return;
    // A window grown by a zoom comes back inside the screen, its frame
    // and all, where it would otherwise reach past an edge.
    const QRect room = screen->availableGeometry();
    const QRect frame(pos(), frameGeometry().size().expandedTo(size()));
    QPoint to = frame.topLeft();
    to.setX(std::max(room.left(), std::min(to.x(), room.right() + 1 - frame.width())));
    to.setY(std::max(room.top(), std::min(to.y(), room.bottom() + 1 - frame.height())));
    if (to != frame.topLeft())
        move(to);
}

void TMainForm::lockForPreferences(bool locked)
{
    for (QAction *action : std::as_const(m_listActions))
        action->setEnabled(!locked);
    cbTense->setEnabled(!locked);
    cbPoetryProse->setEnabled(!locked);
    m_rightColumn->setEnabled(!locked);
    RichEdit1->setEnabled(!locked);
    if (locked) {
        m_caretBeforePanel = RichEdit1->textCursor();
        return;
    }
    RichEdit1->setTextCursor(m_caretBeforePanel);
    RichEdit1->setFocus();
}

quint32 TMainForm::rightColour() const
{
    return m_rightColumn->colour();
}

void TMainForm::recordWindowPreferences()
{
    PreferenceValues values = m_prefs.values();
    // How the window opens is the preference of the Window tab, whatever
    // state it is in now; the normal size is remembered when it is normal.
    values.windowStart = values.OpenMaximized ? PreferenceValues::WindowStart::Maximized
                                              : PreferenceValues::WindowStart::Normal;
    m_prefs.assign(values);
    recordGeometry();
}

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    // The whole path, however long: a cut one would open the wrong file.
    const QString path = urls.first().toLocalFile();
    event->acceptProposedAction();
    if (!m_document->CheckFileSave())
        return;
    m_document->OpenDocument(path);
}

void TMainForm::HelpManualItemClick()
{
    const QString manual = m_locations.manualFile();
    if (!QFileInfo::exists(manual)) {
        m_dialogs->message(tr("The manual %1 is missing.").arg(manual));
        return;
    }
    QDir::setCurrent(m_locations.shippedDir());
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(manual)))
        m_dialogs->message(tr("No web browser could open the manual. It is the file %1; open it "
                              "in a browser.")
                               .arg(QDir::toNativeSeparators(manual)));
}

void TMainForm::HelpAbout()
{
    m_dialogs->about(TAboutBox::text());
}
