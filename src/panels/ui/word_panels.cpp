#include "panels/ui/word_panels.h"

#include "compose/dialogs.h"
#include "controls/color_button.h"
#include "engine/compose_engine.h"
#include "panels/affix_tables.h"
#include "panels/button_hints.h"
#include "panels/modal_table.h"
#include "panels/panel_layout.h"
#include "panels/setting_buttons.h"
#include "panels/ui/board.h"
#include "panels/word_panel_tables.h"
#include "prefs/preferences.h"
#include "vocab/vocabulary.h"

#include <QLabel>

namespace {

// A category button on pMain whose left click shows its panel or inserts a
// random word of its list, as the user prefers.
struct Category
{
    const char *tag;
    const char *panel;
    Vocabulary::List list;
    PreferenceValues::LeftClickGroup group;
    // The panels it puts away when it shows its own.
    const char *hides[2];
};

const Category kCategories[] = {
    {"pronoun",
     "pPronoun",
     Vocabulary::List::PronounList,
     PreferenceValues::PronounGroup,
     {"pPreposition", "pConjunction"}},
    {"preposition",
     "pPreposition",
     Vocabulary::List::PrepositionList,
     PreferenceValues::PrepositionGroup,
     {"pPronoun", "pConjunction"}},
    {"conjunction",
     "pConjunction",
     Vocabulary::List::ConjunctionList,
     PreferenceValues::ConjunctionGroup,
     {"pPronoun", "pPreposition"}},
    {"advT", "pAdvTime", Vocabulary::List::AdvTList, PreferenceValues::AdvTGroup, {}},
    {"advP", "pAdvPlace", Vocabulary::List::AdvPList, PreferenceValues::AdvPGroup, {}},
    {"advD", "pAdvD", Vocabulary::List::AdvDList, PreferenceValues::AdvDGroup, {}},
};

// Line breaks would shift every later line of the file the caption is kept
// in; a custom word is one line.
QString oneLine(QString text)
{
    for (QChar &c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0x2028) ||
            c == QChar(0x2029))
            c = QLatin1Char(' ');
    return text;
}

} // namespace

WordPanels::WordPanels(Board *board, ComposeEngine &engine, QObject *parent)
    : QObject(parent)
    , m_board(board)
    , m_engine(engine)
    , m_dialogs(engine.dialogs())
    , m_random(engine.random())
    , m_preferences(engine.preferences())
    , m_vocabulary(engine.vocabulary())
{
    for (const WordPanelDesc *desc : WordPanelTables::wordPanels())
        addPanel(QString::fromLatin1(desc->name), [this, desc] { buildWordPanel(*desc); });
    addPanel(QStringLiteral("pPrefix"), [this] { buildPrefixPanel(); });
    addPanel(QStringLiteral("pSuffix"), [this] { buildSuffixPanel(); });
    addPanel(QStringLiteral("pMore"), [this] { buildMorePanel(); });
    addPanel(QStringLiteral("pModal"), [this] { buildModalPanel(); });
    connectMainButtons();
    connectCategories();
}

TColorButton *WordPanels::button(const char *name) const
{
    TColorButton *b = m_board->button(QString::fromLatin1(name));
    Q_ASSERT(b);
    return b;
}

void WordPanels::addPanel(const QString &name, const std::function<void()> &build)
{
    m_builders.insert(name, build);
    m_board->addPending([this, name] { ensurePanel(name); });
}

void WordPanels::ensurePanel(const QString &name)
{
    if (const std::function<void()> build = m_builders.take(name))
        build();
}

QWidget *WordPanels::panel(const QString &name)
{
    ensurePanel(name);
    return m_panels.value(name);
}

void WordPanels::showPanel(const QString &name)
{
    ensurePanel(name);
    if (QWidget *p = m_panels.value(name)) {
        p->raise();
        p->show();
    }
}

void WordPanels::hidePanel(const QString &name)
{
    if (QWidget *p = m_panels.value(name))
        p->hide();
}

void WordPanels::connectClick(TColorButton *button, const std::function<void()> &handler,
                              bool doubleClickToo)
{
    if (doubleClickToo)
        button->onEveryClick(this, handler);
    else
        connect(button, &TColorButton::clicked, this, handler);
}

void WordPanels::connectExit(TColorButton *button, const std::function<void()> &extra)
{
    QWidget *panel = button->parentWidget();
    connect(button, &TColorButton::clicked, this, [panel, extra] {
        if (extra)
            extra();
        panel->hide();
    });
}

void WordPanels::buildPrefixPanel()
{
    using namespace AffixTables;
    QWidget *prefix = m_board->addOverlay(QStringLiteral("pPrefix"));
    m_panels.insert(prefix->objectName(), prefix);
    const QList<TColorButton *> prefixes = m_board->buildButtons(prefix, prefixButtons());
    for (qsizetype i = 0; i < prefixes.size(); ++i) {
        const QString text = QString::fromUtf8(prefixButtons()[i].word);
        connectClick(prefixes.at(i), [this, prefix, text] {
            m_engine.derivation().fixedPrefixClick(text);
            prefix->hide();
        });
    }
    for (TColorButton *b : m_board->buildButtons(prefix, prefixCustomButtons()))
        addCustomButton(b, QStringLiteral("Enter new Prefix:"), CustomButton::Prefix);
    connectExit(m_board->buildButtons(prefix, std::span(&exitPrefixButton(), 1)).first());
    applyAffixCaptions(prefixCustomButtons(), m_affixes.prefixes);
}

void WordPanels::buildSuffixPanel()
{
    using namespace AffixTables;
    QWidget *suffix = m_board->addOverlay(QStringLiteral("pSuffix"));
    m_panels.insert(suffix->objectName(), suffix);
    const QList<TColorButton *> suffixes = m_board->buildButtons(suffix, suffixButtons());
    for (qsizetype i = 0; i < suffixes.size(); ++i) {
        const QString text = QString::fromUtf8(suffixButtons()[i].word);
        connectClick(suffixes.at(i), [this, suffix, text] {
            m_engine.derivation().fixedSuffixClick(text);
            suffix->hide();
        });
    }
    for (TColorButton *b : m_board->buildButtons(suffix, suffixCustomButtons()))
        addCustomButton(b, QStringLiteral("Enter new Suffix:"), CustomButton::Suffix);
    connectExit(m_board->buildButtons(suffix, std::span(&exitSuffixButton(), 1)).first(),
                [this] { m_engine.derivation().btnExitSuffixClick(); });
    applyAffixCaptions(suffixCustomButtons(), m_affixes.suffixes);
}

void WordPanels::buildMorePanel()
{
    using namespace AffixTables;
    QWidget *more =
        m_board->addSubPanel(m_board->mainPanel(), QStringLiteral("pMore"), kMorePanelRect);
    m_panels.insert(more->objectName(), more);
    const QList<TColorButton *> items = m_board->buildButtons(more, moreButtons());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString word = QString::fromUtf8(moreButtons()[i].word);
        const int number = int(i) + 1;
        connectClick(items.at(i), [this, more, word, number] {
            m_engine.derivation().moreItemClick(word, number);
            more->hide();
        });
    }
    connectExit(m_board->buildButtons(more, std::span(&moreExitButton(), 1)).first());
}

void WordPanels::buildModalPanel()
{
    using namespace ModalTable;
    QWidget *modal =
        m_board->addSubPanel(m_board->mainPanel(), QStringLiteral("pModal"), kModalPanelRect);
    m_panels.insert(modal->objectName(), modal);
    m_board->buildLabels(modal, modalLabels());
    const QList<TColorButton *> items = m_board->buildButtons(modal, modalButtons());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString word = QString::fromUtf8(modalButtons()[i].word);
        connectClick(items.at(i), [this, modal, word] {
            m_engine.modals().modalPanelItemClick(word);
            modal->hide();
        });
    }
    connectExit(m_board->buildButtons(modal, std::span(&exitModalButton(), 1)).first());
}

void WordPanels::buildWordPanel(const WordPanelDesc &desc)
{
    QWidget *panel = m_board->addOverlay(QString::fromLatin1(desc.name));
    m_panels.insert(panel->objectName(), panel);
    const QList<PanelLayout::PlacedItem> placed =
        PanelLayout::layout(desc, panel->width(), panel->height());

    QList<LabelDesc> labels;
    QList<QByteArray> names;
    QList<ButtonDesc> buttons;
    for (const PanelLayout::PlacedItem &item : placed) {
        const QRect &r = item.rect;
        if (item.desc->shape == WordShape::Label) {
            labels.append({item.desc->caption, r.left(), r.top(), r.width(), r.height()});
            continue;
        }
        names.append(item.name.toLatin1());
        buttons.append({nullptr, item.desc->caption, r.left(), r.top(), r.width(), r.height(),
                        item.desc->color});
    }
    for (qsizetype i = 0; i < buttons.size(); ++i)
        buttons[i].name = names.at(i).constData();
    m_board->buildLabels(panel, labels);
    const QList<TColorButton *> made = m_board->buildButtons(panel, buttons);

    qsizetype k = 0;
    for (const PanelLayout::PlacedItem &item : placed) {
        if (item.desc->shape == WordShape::Label)
            continue;
        TColorButton *b = made.at(k++);
        if (item.desc->shape == WordShape::Custom)
            addCustomButton(b, QString::fromUtf8(desc.customPrompt), CustomButton::Word);
        else
            connectWordButton(b, *item.desc);
    }
    applyCustomCaptions(desc);
}

void WordPanels::connectWordButton(TColorButton *button, const WordButtonDesc &desc)
{
    QWidget *panel = button->parentWidget();
    const QString text = PanelWordRules::insertedText(desc);
    const QString tag = PanelWordRules::tagOf(desc);
    const bool keepReplace = desc.keepsReplaceMode;
    switch (desc.shape) {
    case WordShape::Exit:
        connectExit(button);
        return;
    case WordShape::KeepOpen:
        connectClick(button, [this, text, tag, keepReplace] {
            m_engine.panelWords().fixedWordClick(text, tag, keepReplace);
        });
        return;
    case WordShape::Article:
        // Wired with the main article button's rule by the article buttons,
        // so "a" agrees with the next word.
        return;
    case WordShape::OneEnding:
        connectClick(button, [this, panel, keepReplace] {
            m_engine.panelWords().oneEndingClick(keepReplace);
            panel->hide();
        });
        return;
    case WordShape::ClosingShowsMain:
        connectClick(button, [this, panel, text, tag, keepReplace] {
            m_engine.panelWords().fixedWordClick(text, tag, keepReplace);
            panel->hide();
            m_board->mainPanel()->show();
        });
        return;
    case WordShape::Closing:
        connectClick(button, [this, panel, text, tag, keepReplace] {
            m_engine.panelWords().fixedWordClick(text, tag, keepReplace);
            panel->hide();
        });
        return;
    case WordShape::Custom:
    case WordShape::Label:
        return;
    }
}

void WordPanels::connectMainButtons()
{
    connectClick(button("btnEr"), [this] { m_engine.derivation().btnErClick(); });
    connectClick(button("btnLy"), [this] { m_engine.derivation().btnLyClick(); });
    connectClick(button("btnY"), [this] { m_engine.derivation().btnYClick(); });
    connectClick(button("btnNot"), [this] { m_engine.negation().btnNotClick(); });
    // Like the prefix panel's buttons, "un-" goes in front of a grabbed word.
    connectClick(button("btnUnMain"),
                 [this] { m_engine.derivation().fixedPrefixClick(QStringLiteral("un-")); });
    // Opening pPrefix leaves an armed GRAB armed: the prefix chosen next
    // goes in front of the word before the caret.
    connectClick(button("btnPrefix"), [this] { showPanel(QStringLiteral("pPrefix")); });
    connectClick(button("btnSuffix"), [this] {
        m_engine.derivation().btnSuffixClick();
        showPanel(QStringLiteral("pSuffix"));
    });
    connect(button("btnMore"), &TColorButton::rightClicked, this,
            [this] { showPanel(QStringLiteral("pMore")); });

    for (const WordCycles::Cycle &cycle : WordCycles::cycles())
        connectClick(button(cycle.button), [this, &cycle] { m_engine.cycles().cycleClick(cycle); });

    // The main board's own words: each is its own tag and goes in fresh,
    // as a panel's word does.
    for (const char *name :
         {"btnCanMain", "btnAsMain", "btnAtMain", "btnForMain", "btnInMain", "btnOfMain",
          "btnOnMain", "btnWithMain", "btnAndMain", "btnOrMain", "btnButMain", "btnIfMain"}) {
        const QString word = button(name)->caption();
        connectClick(button(name),
                     [this, word] { m_engine.panelWords().fixedWordClick(word, word); });
    }

    connectClick(button("btnModal"), [this] {
        const Modals::LeftClick choice =
            m_preferences.values().leftClick[PreferenceValues::ModalGroup] == 0
                ? Modals::DisplaysScreen
                : Modals::InsertsRandomWord;
        if (m_engine.modals().btnModalClick(
                choice, m_vocabulary.wordList(Vocabulary::List::ModalList).entries(), m_random)) {
            hidePanel(QStringLiteral("pPreposition"));
            hidePanel(QStringLiteral("pConjunction"));
            showPanel(QStringLiteral("pModal"));
        }
    });

    connectClick(button("btnCustom"), [this] {
        m_engine.panelWords().categoryRandomClick(
            QStringLiteral("custom"), m_vocabulary.wordList(Vocabulary::List::CustomList).entries(),
            m_random, PanelWordRules::GrabClear::OnFirstClick);
    });
}

void WordPanels::connectCategories()
{
    for (const Category &category : kCategories) {
        const QString tag = QString::fromLatin1(category.tag);
        connectClick(button(SettingButtons::leftClickButton(category.group)),
                     [this, &category, tag] {
                         if (m_preferences.values().leftClick[category.group] == 0) {
                             m_engine.panelWords().categoryPanelClick(tag);
                             for (const char *other : category.hides)
                                 if (other)
                                     hidePanel(QString::fromLatin1(other));
                             showPanel(QString::fromLatin1(category.panel));
                             return;
                         }
                         m_engine.panelWords().categoryRandomClick(
                             tag, m_vocabulary.wordList(category.list).entries(), m_random);
                     });
    }
}

void WordPanels::addCustomButton(TColorButton *button, const QString &prompt,
                                 CustomButton::Kind kind)
{
    m_customs.append({button, prompt, kind});
    const ButtonHints::Hint hint = ButtonHints::customHint(kind != CustomButton::Word);
    button->setHint(hint.left, hint.right);
    const CustomButton custom = m_customs.last();
    connectClick(button, [this, custom] { customLeftClick(custom); });
    connect(button, &TColorButton::rightClicked, this,
            [this, custom] { customRightClick(custom); });
}

void WordPanels::customLeftClick(const CustomButton &custom)
{
    const QString caption = custom.button->caption();
    if (caption.isEmpty())
        return;
    switch (custom.kind) {
    case CustomButton::Prefix:
        m_engine.derivation().fixedPrefixClick(caption);
        break;
    case CustomButton::Suffix:
        m_engine.derivation().fixedSuffixClick(caption);
        break;
    case CustomButton::Word:
        m_engine.panelWords().customClick(caption);
        break;
    }
    custom.button->parentWidget()->hide();
}

void WordPanels::setCustomCaption(TColorButton *button, const QString &text)
{
    button->setCaption(text);
    Board::fitCaptionFont(button);
    // An empty face says nothing; a screen reader still names the button.
    button->setAccessibleName(text.isEmpty() ? QStringLiteral("empty custom button") : QString());
}

void WordPanels::customRightClick(const CustomButton &custom)
{
    const QString text =
        oneLine(m_dialogs.textInput(QStringLiteral("Edit Custom Button"), custom.prompt, QString())
                    .value_or(QString()));
    setCustomCaption(custom.button, text);
    if (custom.kind == CustomButton::Word)
        storeCustomCaptions();
    if (!text.isEmpty()) {
        // A prefix or suffix goes in as its left click would put it: a
        // ReplaceMode left over from an earlier cycle must not cost the
        // word before it.
        if (custom.kind == CustomButton::Word)
            m_engine.panelWords().customEdited(text);
        else
            customLeftClick(custom);
    }
    custom.button->parentWidget()->hide();
}

void WordPanels::followSettings()
{
    applyBoardLook();
    connect(&m_preferences, &Preferences::changed, this, [this](Preferences::Aspect aspect) {
        if (aspect == Preferences::Aspect::LeftClick || aspect == Preferences::Aspect::Captions)
            applyBoardLook();
    });
    connect(&m_vocabulary, &Vocabulary::nounCaptionsChanged, this, &WordPanels::applyBoardLook);
}

void WordPanels::applyBoardLook()
{
    for (const SettingButtons::Caption &shown : SettingButtons::captions()) {
        TColorButton *b = button(shown.button);
        b->setCaption(shown.caption
                          ? m_preferences.values().*shown.caption
                          : m_vocabulary.nounCaption(Vocabulary::NounCategory(shown.noun)));
        Board::fitCaptionFont(b);
    }
    // A category that opens its panel has a thick bevel, one that inserts a
    // random word a thin one.
    for (int g = 0; g < PreferenceValues::LeftClickGroupCount; ++g) {
        const auto group = PreferenceValues::LeftClickGroup(g);
        TColorButton *b = button(SettingButtons::leftClickButton(group));
        b->setBevelSize(m_preferences.values().bevelWidth(group));
        Board::fitCaptionFont(b);
    }
}

void WordPanels::applyCustomCaptions(const WordPanelDesc &desc)
{
    if (desc.customRun < 0)
        return;
    int index = desc.customRun;
    for (const WordButtonDesc &item : desc.items) {
        if (item.shape != WordShape::Custom)
            continue;
        if (TColorButton *b = m_board->builtButton(QString::fromLatin1(item.name)))
            setCustomCaption(b, oneLine(m_preferences.values().customCaptions.at(index)));
        ++index;
    }
}

void WordPanels::applyCustomCaptions()
{
    // Panels not built yet take them from the settings when they are, one
    // line each as a button would keep them.
    PreferenceValues values = m_preferences.values();
    for (QString &caption : values.customCaptions)
        caption = oneLine(caption);
    m_preferences.assign(values);
    for (const WordPanelDesc *desc : WordPanelTables::wordPanels())
        applyCustomCaptions(*desc);
}

void WordPanels::storeCustomCaptions()
{
    PreferenceValues values = m_preferences.values();
    for (const WordPanelDesc *desc : WordPanelTables::wordPanels()) {
        if (desc->customRun < 0)
            continue;
        int index = desc->customRun;
        for (const WordButtonDesc &item : desc->items) {
            if (item.shape != WordShape::Custom)
                continue;
            // A panel never built still has the captions it was given.
            if (TColorButton *b = m_board->builtButton(QString::fromLatin1(item.name)))
                values.customCaptions[index] = b->caption();
            ++index;
        }
    }
    m_preferences.assign(values);
}

void WordPanels::applyAffixCaptions(std::span<const ButtonDesc> buttons,
                                    std::span<const QString> captions)
{
    for (size_t i = 0; i < std::min(buttons.size(), captions.size()); ++i) {
        if (TColorButton *b = m_board->builtButton(QString::fromLatin1(buttons[i].name)))
            setCustomCaption(b, oneLine(captions[i]));
    }
}

void WordPanels::readAffixCaptions(const QString &programDir)
{
    m_affixes.read(programDir);
    for (QString &caption : m_affixes.prefixes)
        caption = oneLine(caption);
    for (QString &caption : m_affixes.suffixes)
        caption = oneLine(caption);
    applyAffixCaptions(AffixTables::prefixCustomButtons(), m_affixes.prefixes);
    applyAffixCaptions(AffixTables::suffixCustomButtons(), m_affixes.suffixes);
}

bool WordPanels::writeAffixCaptions(const QString &programDir, QString *error) const
{
    AffixCaptionsFile file = m_affixes;
    auto collect = [this](std::span<const ButtonDesc> buttons, auto &captions) {
        for (size_t i = 0; i < std::min(buttons.size(), captions.size()); ++i)
            if (TColorButton *b = m_board->builtButton(QString::fromLatin1(buttons[i].name)))
                captions[i] = b->caption();
    };
    collect(AffixTables::prefixCustomButtons(), file.prefixes);
    collect(AffixTables::suffixCustomButtons(), file.suffixes);
    return file.write(programDir, error);
}
