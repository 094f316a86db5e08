#include "prefs/ui/preferences_panel.h"

#include "compose/dialogs.h"
#include "controls/color_button.h"
#include "panels/main_board_table.h"
#include "panels/setting_buttons.h"
#include "panels/ui/board.h"
#include "panels/ui/right_column.h"
#include "prefs/preferences.h"
#include "prefs/prefs_box_rules.h"
#include "prefs/ui/buddy_label.h"
#include "prefs/ui/prediction_tab.h"
#include "vocab/vocabulary.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct GroupDesc
{
    const char *name;
    const char *caption;
    const char *item0;
    const char *item1;
};

// In the order of PreferenceValues::LeftClickGroup (lines 13 to 19).
constexpr GroupDesc kGroups[] = {
    {"rgPronoun", "Left-click on Pronoun ", "displays pronoun screen", "inserts random word"},
    {"rgModal", "Left-click on Modal ", "displays modal screen", "inserts random word"},
    {"rgPreposition", "Left-click on Preposition ", "displays preposition screen",
     "inserts random word"},
    {"rgConjunction", "Left-click on Conjunction ", "displays screen", "inserts random word"},
    {"rgAdvD", "Adverb of Degree ", "displays screen", "inserts word"},
    {"rgAdvP", "Adverb of Place ", "displays screen", "inserts word"},
    {"rgAdvT", "Adverb of Time ", "displays screen", "inserts word"},
};
static_assert(std::size(kGroups) == PreferenceValues::LeftClickGroupCount);

struct CaptionDesc
{
    const char *edit;
    const char *sample;
    const char *label;
};

// Three columns of five, for the buttons of SettingButtons::captions().
constexpr CaptionDesc kCaptions[] = {
    {"edCustom", "btnCustomTest", nullptr},         {"edModal", "btnModalTest", nullptr},
    {"edInfinitive", "btnInfinitiveTest", nullptr}, {"edPluralize", "btnPluralizeTest", "PLU:"},
    {"edCapitalize", "btnCapitalizeTest", "CAP:"},  {"edPerson", "btnPersonTest", nullptr},
    {"edPlant", "btnPlantTest", nullptr},           {"edPlace", "btnPlaceTest", nullptr},
    {"edObject", "btnObjectTest", nullptr},         {"edEvent", "btnEventTest", nullptr},
    {"edCharacter", "btnCharacterTest", nullptr},   {"edAnimal", "btnAnimalTest", nullptr},
    {"edBodyPart", "btnBodyPartTest", nullptr},     {"edSubstance", "btnSubstanceTest", nullptr},
    {"edConcept", "btnConceptTest", nullptr},
};
static_assert(std::size(kCaptions) == SettingButtons::CaptionCount);

constexpr quint32 kSwatches[] = {0x00226718, 0x00BA7474, 0x007B3F81, 0x009A1BA5, 0x004F9948,
                                 0x00909091, 0x00146AB8, 0x00855C3A, 0x00436170, 0x00848442};
// What a screen reader calls each swatch, since its face has no caption.
constexpr const char *kSwatchNames[] = {"dark green",  "slate blue", "plum",  "magenta",
                                        "leaf green",  "grey",       "ochre", "steel blue",
                                        "olive brown", "teal"};
static_assert(std::size(kSwatchNames) == std::size(kSwatches));

const QString kExample = QStringLiteral("The quick brown fox jumps over the lazy dog.");

QString name(const char *text)
{
    return QString::fromLatin1(text);
}

// The same directory, however it was spelled.
bool sameDirectory(const QString &a, const QString &b)
{
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

void putCaretAtEnd(QLineEdit *box)
{
    box->setCursorPosition(int(box->text().size()));
}

} // namespace

PreferencesPanel::PreferencesPanel(Board &board, Preferences &prefs, Vocabulary &vocabulary,
                                   Dialogs &dialogs, RightColumn &rightColumn, QObject *parent)
    : QObject(parent)
    , m_board(board)
    , m_prefs(prefs)
    , m_vocabulary(vocabulary)
    , m_dialogs(dialogs)
    , m_right(rightColumn)
{
    m_board.addPending([this] { ensureBuilt(); });
}

void PreferencesPanel::ensureBuilt()
{
    if (pPrefs)
        return;
    pPrefs = m_board.addOverlay(QStringLiteral("pPrefs"));
    QFont font = pPrefs->font();
    font.setPixelSize(11);
    pPrefs->setFont(font);

    btnOKprefs = new QPushButton(tr("OK"), pPrefs);
    btnOKprefs->setObjectName(QStringLiteral("btnOKprefs"));
    btnOKprefs->setGeometry(4, 40, 58, 28);
    btnCancelPrefs = new QPushButton(tr("Cancel"), pPrefs);
    btnCancelPrefs->setObjectName(QStringLiteral("btnCancelPrefs"));
    btnCancelPrefs->setGeometry(4, 80, 58, 28);
    connect(btnOKprefs, &QPushButton::clicked, this, &PreferencesPanel::btnOKprefsClick);
    connect(btnCancelPrefs, &QPushButton::clicked, this, &PreferencesPanel::btnCancelPrefsClick);

    PageControl1 = new QTabWidget(pPrefs);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(66, 2, kBoardWidth - 68, kBoardHeight - 4);
    PageControl1->setUsesScrollButtons(false);
    // Seven tabs share the width beside OK and Cancel.
    QFont tabFont = font;
    tabFont.setPixelSize(10);
    PageControl1->tabBar()->setFont(tabFont);
    buildFontTab();
    buildDirectoriesTab();
    buildWindowTab();
    buildFileFormatTab();
    buildLeftClickTab();
    buildButtonTextTab();
    buildRightTab();
    buildSpeechTab();

    // Until it is built the panel has nothing to show. Then, while it is
    // down, its boxes follow the settings, so that it opens on what is in
    // force; the window's size is shown as it changes.
    connect(&m_prefs, &Preferences::changed, this, [this](Preferences::Aspect aspect) {
        if (aspect == Preferences::Aspect::Window)
            showWindow();
        else if (!pPrefs->isVisible())
            load();
    });
    connect(&m_right, &RightColumn::settingsApplied, this, [this] {
        if (!pPrefs->isVisible())
            loadRightTab();
    });
    connect(&m_right, &RightColumn::columnWidthCorrected, this, [this](const QString &text) {
        const QSignalBlocker block(edColWidth);
        edColWidth->setText(text);
        putCaretAtEnd(edColWidth);
    });
    load();
}

void PreferencesPanel::attachSpeechTab(ViewSettings &view, SpeechTab::EngineQuery engine)
{
    m_view = &view;
    m_speechEngine = std::move(engine);
    buildSpeechTab();
}

void PreferencesPanel::buildSpeechTab()
{
    // Whichever comes last, the panel's tabs or the view settings, builds it.
    if (!pPrefs || !m_view || m_speechTab)
        return;
    // An eighth tab does not fit beside the seven at the board's width:
    // the bar scrolls rather than cut a caption.
    PageControl1->setUsesScrollButtons(true);
    for (QToolButton *arrow : PageControl1->tabBar()->findChildren<QToolButton *>())
        arrow->setAccessibleName(arrow->arrowType() == Qt::LeftArrow ? tr("earlier tabs")
                                                                     : tr("later tabs"));
    m_speechTab = new SpeechTab(addTab("tabSpeech", tr(" Speech ")), *m_view, m_speechEngine, this);
    m_predictionTab = new PredictionTab(addTab("tabPrediction", tr(" Prediction ")), *m_view, this);
}

QWidget *PreferencesPanel::addTab(const char *objectName, const QString &caption)
{
    auto *page = new QWidget(PageControl1);
    page->setObjectName(name(objectName));
    PageControl1->addTab(page, caption);
    return page;
}

QLineEdit *PreferencesPanel::digitBox(const char *objectName, const QString &text)
{
    auto *box = new QLineEdit(text);
    box->setObjectName(name(objectName));
    return box;
}

QWidget *PreferencesPanel::spinButtons(const char *objectName, QLineEdit *box,
                                       const std::function<void(int)> &step)
{
    auto *spin = new QWidget;
    spin->setObjectName(name(objectName));
    auto *column = new QVBoxLayout(spin);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (const int direction : {1, -1}) {
        auto *arrow = new QToolButton(spin);
        arrow->setObjectName(name(objectName) +
                             (direction > 0 ? QStringLiteral("Up") : QStringLiteral("Down")));
        arrow->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFixedSize(16, 11);
        arrow->setFocusPolicy(Qt::NoFocus);
        connect(arrow, &QToolButton::clicked, this, [step, direction] { step(direction); });
        column->addWidget(arrow);
    }
    // Digits only: nothing else can reach the number rules.
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->setFixedWidth(44);
    return spin;
}

void PreferencesPanel::buildFontTab()
{
    QWidget *page = addTab("tabFontPrefs", tr(" Font "));
    auto *grid = new QGridLayout(page);
    cbFontName = new QComboBox(page);
    cbFontName->setObjectName(QStringLiteral("cbFontName"));
    cbFontName->addItems(QFontDatabase::families());
    cbFontName->setMinimumWidth(220);
    edFontSize = digitBox("edFontSize", QStringLiteral("16"));
    QWidget *spin = spinButtons("spFontSize", edFontSize, [this](int step) {
        edFontSize->setText(
            PrefsBoxRules::spin(edFontSize->text(), step, PrefsBoxRules::FontSize, true));
        putCaretAtEnd(edFontSize);
    });
    reFontExample = new QTextEdit(page);
    reFontExample->setObjectName(QStringLiteral("reFontExample"));
    reFontExample->setReadOnly(true);
    // A sample to look at, not a stop for Tab.
    reFontExample->setFocusPolicy(Qt::NoFocus);
    reFontExample->setAccessibleName(tr("sample of the font"));
    reFontExample->setPlainText(kExample);

    auto *row = new QHBoxLayout;
    row->addWidget(buddyLabel(tr("Font:"), page, cbFontName));
    row->addWidget(cbFontName);
    row->addSpacing(16);
    row->addWidget(buddyLabel(tr("Size:"), page, edFontSize));
    row->addWidget(edFontSize);
    row->addWidget(spin);
    row->addStretch(1);
    grid->addLayout(row, 0, 0);
    grid->addWidget(reFontExample, 1, 0);

    connect(cbFontName, &QComboBox::currentTextChanged, this, &PreferencesPanel::cbFontNameChange);
    connect(edFontSize, &QLineEdit::textChanged, this, &PreferencesPanel::edFontSizeChange);
}

void PreferencesPanel::buildDirectoriesTab()
{
    QWidget *page = addTab("tabDirectories", tr(" Directories "));
    auto *grid = new QGridLayout(page);
    grid->setVerticalSpacing(3);
    auto row = [&](int r, const QString &caption, const char *boxName, const char *browseName,
                   const QString &note) {
        auto *box = new QLineEdit(page);
        box->setObjectName(name(boxName));
        box->setReadOnly(true);
        auto *browse = new QPushButton(tr("Browse"), page);
        browse->setObjectName(name(browseName));
        auto *captions = new QVBoxLayout;
        captions->setSpacing(0);
        captions->addWidget(buddyLabel(caption, page, box));
        if (!note.isEmpty())
            captions->addWidget(buddyLabel(note, page));
        grid->addLayout(captions, r, 0);
        grid->addWidget(box, r, 1);
        grid->addWidget(browse, r, 2);
        return std::pair(box, browse);
    };
    QPushButton *browse;
    std::tie(edOpenDir, browse) =
        row(0, tr("Initial 'Open' directory:"), "edOpenDir", "btnBrowseOpenDir", QString());
    connect(browse, &QPushButton::clicked, this, [this] { browseDir(edOpenDir, true); });
    std::tie(edSaveDir, browse) =
        row(1, tr("Initial 'Save' directory:"), "edSaveDir", "btnBrowseSaveDir", QString());
    connect(browse, &QPushButton::clicked, this, [this] { browseDir(edSaveDir, false); });
    std::tie(edVocabDir, browse) = row(2, tr("Vocabulary directory:"), "edVocabDir",
                                       "btnBrowseVocabDir", tr("(advanced users)"));
    // A directory is taken only when it holds every word list.
    connect(browse, &QPushButton::clicked, this, [this] {
        edVocabDir->setText(Vocabulary::chooseVocabDir(edVocabDir->text(), m_dialogs));
    });
    grid->addWidget(
        buddyLabel(tr("Next time you run Wordloom, it will use these directories by default..."),
                   page),
        3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
}

void PreferencesPanel::buildWindowTab()
{
    QWidget *page = addTab("tabWindow", tr(" Window "));
    auto *grid = new QGridLayout(page);
    rbMaximized = new QRadioButton(tr("Open Maximized"), page);
    rbMaximized->setObjectName(QStringLiteral("rbMaximized"));
    rbNormal = new QRadioButton(tr("Open Normal "), page);
    rbNormal->setObjectName(QStringLiteral("rbNormal"));
    edPixelsWide = new QLineEdit(page);
    edPixelsWide->setObjectName(QStringLiteral("edPixelsWide"));
    edPixelsTall = new QLineEdit(page);
    edPixelsTall->setObjectName(QStringLiteral("edPixelsTall"));
    edPixelsWide->setAccessibleName(tr("normal window width in pixels"));
    edPixelsTall->setAccessibleName(tr("normal window height in pixels"));
    for (QLineEdit *box : {edPixelsWide, edPixelsTall}) {
        box->setReadOnly(true);
        box->setFixedWidth(48);
    }
    auto *size = new QHBoxLayout;
    size->addWidget(edPixelsWide);
    size->addWidget(buddyLabel(tr("x"), page));
    size->addWidget(edPixelsTall);
    size->addWidget(buddyLabel(tr("pixels"), page));
    size->addStretch(1);

    grid->addWidget(buddyLabel(tr("When Wordloom starts, its window should:"), page), 0, 0);
    // Each is only as wide as its caption, so a click lands on it.
    grid->addWidget(rbMaximized, 1, 0, Qt::AlignLeft);
    grid->addWidget(rbNormal, 2, 0, Qt::AlignLeft);
    grid->addWidget(buddyLabel(tr("Normal (non-Maximized) Window Size:"), page), 0, 1);
    grid->addLayout(size, 1, 1);
    auto *note = buddyLabel(tr("To change the normal size and place, make the window\n"
                               "the size you like by dragging its edges, then press OK\n"
                               "here (Wordloom also remembers it when you close it)."),
                            page);
    grid->addWidget(note, 2, 1, 2, 1, Qt::AlignTop);
    grid->setRowStretch(4, 1);

    for (QRadioButton *rb : {rbMaximized, rbNormal})
        connect(rb, &QRadioButton::clicked, this, [this, rb] {
            PreferenceValues now = m_prefs.values();
            now.OpenMaximized = rb == rbMaximized;
            m_prefs.assign(now);
            btnOKprefs->setFocus();
        });
}

void PreferencesPanel::buildFileFormatTab()
{
    QWidget *page = addTab("tabFileFormat", tr(" File Format "));
    auto *column = new QVBoxLayout(page);
    rbRtf = new QRadioButton(
        tr("Rich Text Format allows bold, italics, underline, center justify, right justify."),
        page);
    rbRtf->setObjectName(QStringLiteral("rbRtf"));
    rbTxt = new QRadioButton(tr("Plain Text means no bold/italics/underline or center/right "
                                "justify, and any existing\nuse of those features will be lost."),
                             page);
    rbTxt->setObjectName(QStringLiteral("rbTxt"));
    column->addWidget(rbRtf, 0, Qt::AlignLeft);
    column->addSpacing(8);
    column->addWidget(rbTxt, 0, Qt::AlignLeft);
    column->addStretch(1);
}

void PreferencesPanel::buildLeftClickTab()
{
    QWidget *page = addTab("tabLeftClick", tr(" Left-click "));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setSpacing(2);
    for (int g = 0; g < GroupCount; ++g) {
        const GroupDesc &desc = kGroups[g];
        auto *box = new QGroupBox(name(desc.caption), page);
        box->setObjectName(name(desc.name));
        auto *items = new QVBoxLayout(box);
        items->setContentsMargins(6, 0, 2, 0);
        items->setSpacing(0);
        m_groups[g] = new QButtonGroup(box);
        int item = 0;
        for (const char *caption : {desc.item0, desc.item1}) {
            auto *rb = new QRadioButton(name(caption), box);
            rb->setObjectName(name(desc.name) + QString::number(item));
            items->addWidget(rb, 0, Qt::AlignLeft);
            m_groups[g]->addButton(rb, item++);
        }
        grid->addWidget(box, g / 3, g % 3);
    }
}

void PreferencesPanel::buildButtonTextTab()
{
    QWidget *page = addTab("tabButtonText", tr(" Button Text "));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(4);
    for (int i = 0; i < CaptionCount; ++i) {
        const CaptionDesc &desc = kCaptions[i];
        CaptionBox &box = m_captions[i];
        const SettingButtons::Caption &shown = SettingButtons::captions()[i];
        const TColorButton *real = m_board.button(name(shown.button));
        Q_ASSERT(real);
        box.nounCategory = shown.noun;
        box.caption = shown.caption;
        box.edit = new QLineEdit(page);
        box.edit->setObjectName(name(desc.edit));
        box.edit->setFixedWidth(76);
        // Named after the button it captions, which some rows show only
        // as a sample beside the box.
        box.edit->setAccessibleName(tr("caption of the %1 button").arg(real->spokenName()));
        box.edit->setToolTip(tr("The caption the board's %1 button shows").arg(real->spokenName()));
        box.sample = new TColorButton(page);
        box.sample->setObjectName(name(desc.sample));
        box.sample->setFixedSize(84, kBoardButtonHeight);
        box.sample->setColor(real->color());
        box.sample->setBevelSize(1);
        box.sample->setHint(tr("shows how the caption will look on the board"), QString());
        const int row = i % 5;
        const int column = (i / 5) * 4;
        if (desc.label)
            grid->addWidget(buddyLabel(name(desc.label), page), row, column);
        grid->addWidget(box.edit, row, column + 1);
        grid->addWidget(box.sample, row, column + 2);
        TColorButton *sample = box.sample;
        connect(box.edit, &QLineEdit::textChanged, this, [sample](const QString &text) {
            sample->setCaption(text);
            Board::fitCaptionFont(sample);
        });
    }
    grid->setColumnMinimumWidth(0, 26);
    for (int c : {3, 7})
        grid->setColumnMinimumWidth(c, 6);
}

void PreferencesPanel::buildRightTab()
{
    QWidget *page = addTab("tabRight", tr(" Right Panel "));
    auto *column = new QVBoxLayout(page);
    column->setSpacing(3);

    // The column shows each change at once.
    cbAlphabetize = new QCheckBox(tr("Alphabetize the right-panel word list"), page);
    cbAlphabetize->setObjectName(QStringLiteral("cbAlphabetize"));
    connect(cbAlphabetize, &QCheckBox::toggled, &m_right, &RightColumn::setAlphabetize);
    edColWidth = new QLineEdit(page);
    edColWidth->setObjectName(QStringLiteral("edColWidth"));
    connect(edColWidth, &QLineEdit::textChanged, this, &PreferencesPanel::edColWidthChange);
    edRightMargin = new QLineEdit(page);
    edRightMargin->setObjectName(QStringLiteral("edRightMargin"));
    connect(edRightMargin, &QLineEdit::textChanged, this, &PreferencesPanel::edRightMarginChange);
    QWidget *spinWidth = spinButtons("spBtnColWidth", edColWidth, [this](int step) {
        edColWidth->setText(
            PrefsBoxRules::spin(edColWidth->text(), step, PrefsBoxRules::ColumnWidth));
        putCaretAtEnd(edColWidth);
    });
    QWidget *spinMargin = spinButtons("spBtnRightMargin", edRightMargin, [this](int step) {
        edRightMargin->setText(
            PrefsBoxRules::spin(edRightMargin->text(), step, PrefsBoxRules::RightMargin));
        putCaretAtEnd(edRightMargin);
    });

    auto *boxes = new QHBoxLayout;
    boxes->addWidget(buddyLabel(tr("Minimum Column Width:"), page, edColWidth));
    boxes->addWidget(edColWidth);
    boxes->addWidget(spinWidth);
    boxes->addWidget(buddyLabel(tr("pixels"), page));
    boxes->addSpacing(24);
    boxes->addWidget(buddyLabel(tr("Width of Right Margin:"), page, edRightMargin));
    boxes->addWidget(edRightMargin);
    boxes->addWidget(spinMargin);
    boxes->addWidget(buddyLabel(tr("pixels"), page));
    boxes->addStretch(1);

    auto *swatches = new QHBoxLayout;
    swatches->setSpacing(4);
    for (int i = 0; i < SwatchCount; ++i) {
        auto *swatch = new TColorButton(page);
        swatch->setObjectName(QStringLiteral("btnColor%1").arg(i + 1));
        swatch->setFixedSize(50, 42);
        swatch->setColor(TColorButton::fromBgr(kSwatches[i]));
        swatch->setBevelSize(1);
        const QString colour = QString::fromLatin1(kSwatchNames[i]);
        swatch->setAccessibleName(tr("%1 colour").arg(colour));
        swatch->setHint(tr("colour the right-hand column %1").arg(colour), QString());
        connect(swatch, &TColorButton::clicked, this, [this, i] { btnColorClick(i); });
        swatches->addWidget(swatch);
        m_swatches[i] = swatch;
    }
    swatches->addStretch(1);

    column->addWidget(cbAlphabetize, 0, Qt::AlignLeft);
    column->addLayout(boxes);
    column->addWidget(buddyLabel(tr("Background color:"), page));
    column->addLayout(swatches);
    column->addStretch(1);
}

void PreferencesPanel::load()
{
    const PreferenceValues &prefs = m_prefs.values();
    QFont font(prefs.fontName);
    font.setPointSize(std::max(4, prefs.fontSize));
    {
        // A stored font this system lacks shows as the family used instead.
        const QSignalBlocker block(cbFontName);
        int index = cbFontName->findText(prefs.fontName);
        m_fontStandIn.clear();
        if (index < 0) {
            // The stored font is not installed: the box shows the family
            // the editor draws with instead.
            m_fontStandIn = QFontInfo(font).family();
            index = cbFontName->findText(m_fontStandIn);
        }
        cbFontName->setCurrentIndex(index);
    }
    {
        const QSignalBlocker block(edFontSize);
        edFontSize->setText(QString::number(prefs.fontSize));
    }
    reFontExample->setFont(font);
    edOpenDir->setText(prefs.OpenDir);
    edSaveDir->setText(prefs.SaveDir);
    edVocabDir->setText(prefs.VocabDir);
    showWindow();
    (prefs.plainText ? rbTxt : rbRtf)->setChecked(true);
    for (int g = 0; g < GroupCount; ++g)
        setGroupItem(g, prefs.leftClick[g]);
    for (CaptionBox &box : m_captions)
        box.edit->setText(
            box.caption ? prefs.*box.caption
                        : m_vocabulary.nounCaption(Vocabulary::NounCategory(box.nounCategory)));
    loadRightTab();
}

void PreferencesPanel::loadRightTab()
{
    PreferenceValues shown;
    m_right.collectPreferences(shown);
    const QSignalBlocker blockWidth(edColWidth);
    const QSignalBlocker blockMargin(edRightMargin);
    const QSignalBlocker blockSort(cbAlphabetize);
    edColWidth->setText(shown.columnWidth);
    edRightMargin->setText(QString::number(shown.rightMargin));
    cbAlphabetize->setChecked(shown.alphabetize);
}

int PreferencesPanel::groupItem(int group) const
{
    return std::max(0, m_groups[group]->checkedId());
}

void PreferencesPanel::setGroupItem(int group, int item)
{
    if (QAbstractButton *rb = m_groups[group]->button(item != 0 ? 1 : 0))
        rb->setChecked(true);
}

void PreferencesPanel::showWindow()
{
    (m_prefs.values().OpenMaximized ? rbMaximized : rbNormal)->setChecked(true);
    edPixelsWide->setText(QString::number(m_prefs.values().NormalWidth));
    edPixelsTall->setText(QString::number(m_prefs.values().NormalHeight));
}

void PreferencesPanel::cbFontNameChange()
{
    if (cbFontName->currentText().isEmpty())
        return;
    QFont font = reFontExample->font();
    font.setFamily(cbFontName->currentText());
    reFontExample->setFont(font);
}

void PreferencesPanel::edFontSizeChange()
{
    QString writeBack;
    const int size = PrefsBoxRules::fontSizeChanged(edFontSize->text(), &writeBack);
    if (!writeBack.isEmpty()) {
        const QSignalBlocker block(edFontSize);
        edFontSize->setText(writeBack);
        putCaretAtEnd(edFontSize);
    }
    QFont font = reFontExample->font();
    font.setPointSize(size);
    reFontExample->setFont(font);
}

void PreferencesPanel::edColWidthChange()
{
    const std::optional<QString> shown = m_right.setColumnWidthText(edColWidth->text());
    if (!shown)
        return;
    if (*shown != edColWidth->text()) {
        const QSignalBlocker block(edColWidth);
        edColWidth->setText(*shown);
    }
    putCaretAtEnd(edColWidth);
}

void PreferencesPanel::edRightMarginChange()
{
    const QString writeBack = m_right.setMarginText(edRightMargin->text());
    if (writeBack.isEmpty())
        return;
    const QSignalBlocker block(edRightMargin);
    edRightMargin->setText(writeBack);
    putCaretAtEnd(edRightMargin);
}

void PreferencesPanel::btnColorClick(int index)
{
    m_right.setColour(kSwatches[index]);
}

void PreferencesPanel::browseDir(QLineEdit *box, bool open)
{
    const auto chosen = m_dialogs.directory(
        open ? tr("Initial 'Open' directory") : tr("Initial 'Save' directory"), box->text());
    if (!chosen)
        return;
    box->setText(*chosen);
    PreferenceValues now = m_prefs.values();
    (open ? now.OpenDir : now.SaveDir) = *chosen;
    m_prefs.assign(now);
}

void PreferencesPanel::miOptionsClick()
{
    ensureBuilt();
    load();
    m_rightOrder = m_vocabulary.wordList(Vocabulary::List::RightList).entries();
    m_rightBefore = m_prefs.values();
    m_right.collectPreferences(m_rightBefore);
    if (m_speechTab) {
        m_speechTab->load();
        m_predictionTab->load();
    }
    pPrefs->show();
    pPrefs->raise();
    Q_EMIT shownChanged(true);
}

void PreferencesPanel::btnOKprefsClick()
{
    PreferenceValues edited = m_prefs.values();

    // A stored font this system lacks stays chosen unless another is picked.
    const QString family = cbFontName->currentText();
    if (!family.isEmpty() && (m_fontStandIn.isEmpty() || family != m_fontStandIn))
        edited.fontName = family;
    edited.fontSize = reFontExample->font().pointSize();

    edited.OpenDir = edOpenDir->text();
    edited.SaveDir = edSaveDir->text();
    edited.VocabDir = edVocabDir->text();

    edColWidth->setText(PrefsBoxRules::columnWidthAtOk(edColWidth->text()));
    edRightMargin->setText(PrefsBoxRules::rightMarginAtOk(edRightMargin->text()));
    m_right.collectPreferences(edited);

    edited.plainText = rbTxt->isChecked();
    for (int g = 0; g < GroupCount; ++g)
        edited.leftClick[g] = groupItem(g);

    QStringList nouns = m_vocabulary.nounCaptions();
    for (const CaptionBox &box : m_captions) {
        const QString text = box.sample->caption();
        if (box.caption)
            edited.*box.caption = text;
        else
            nouns[box.nounCategory] = text;
    }
    m_vocabulary.setNounCaptions(nouns);
    if (m_speechTab) {
        m_speechTab->apply();
        m_predictionTab->apply();
    }

    close();
    m_prefs.assign(edited);
    load();
    if (!sameDirectory(edited.VocabDir, m_vocabulary.loadedDir()))
        m_dialogs.message(tr("You have selected a new vocabulary directory.\n"
                             "To load it, please close and restart Wordloom now."));
}

void PreferencesPanel::btnCancelPrefsClick()
{
    if (!m_rightBefore.alphabetize) {
        // Undo a sort made while the panel was up.
        WordList &list = m_vocabulary.wordList(Vocabulary::List::RightList);
        list.clear();
        list.addAll(m_rightOrder);
    }
    m_right.applyPreferences(m_rightBefore);
    close();
    load();
}

void PreferencesPanel::close()
{
    pPrefs->hide();
    Q_EMIT shownChanged(false);
}
