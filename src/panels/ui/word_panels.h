#pragma once

#include "panels/affix_captions_file.h"
#include "panels/button_desc.h"
#include "panels/word_panel_desc.h"

#include <QHash>
#include <QObject>
#include <span>

#include <functional>

class Board;
class ComposeEngine;
class Dialogs;
class PreferenceValues;
class Preferences;
class QWidget;
class RandomSource;
class TColorButton;
class Vocabulary;

// The word panels over the board and the main-panel buttons that lead to
// them or transform the last word: builds pPrefix, pSuffix, pMore, pModal,
// the six word panels and the pronoun sub-panels from their tables, and
// connects every button to its rule.
//
// Left clicks on the category buttons follow PreferenceValues::leftClick as it
// stands at the click; their right button belongs to the word pick list.
//
// A panel is built the first time it is shown (or the board builds its
// pending panels); until then its custom captions stay in the preferences
// and affixes.ini's captions here.
class WordPanels : public QObject
{
    Q_OBJECT
public:
    WordPanels(Board *board, ComposeEngine &engine, QObject *parent = nullptr);

    // The captions and bevels the preferences and the noun captions give
    // the main board's buttons, put on now and again whenever they change.
    void followSettings();

    // The 27 custom captions kept in prefs.ini, onto the buttons; an edited
    // one goes back into the settings at once.
    void applyCustomCaptions();
    // The custom prefix and suffix captions, kept in affixes.ini.
    void readAffixCaptions(const QString &programDir);
    bool writeAffixCaptions(const QString &programDir, QString *error) const;

    QWidget *panel(const QString &name);
    // Shows a panel over the others.
    void showPanel(const QString &name);
    void hidePanel(const QString &name);

private:
    struct CustomButton
    {
        enum Kind { Word, Prefix, Suffix };
        TColorButton *button;
        QString prompt;
        Kind kind;
    };

    // Registers a panel to be built when first needed.
    void addPanel(const QString &name, const std::function<void()> &build);
    void ensurePanel(const QString &name);
    void buildPrefixPanel();
    void buildSuffixPanel();
    void buildMorePanel();
    void buildModalPanel();
    void buildWordPanel(const WordPanelDesc &desc);
    void applyCustomCaptions(const WordPanelDesc &desc);
    void applyAffixCaptions(std::span<const ButtonDesc> buttons, std::span<const QString> captions);
    static void setCustomCaption(TColorButton *button, const QString &text);
    void applyBoardLook();
    void connectMainButtons();
    void connectCategories();
    void connectWordButton(TColorButton *button, const WordButtonDesc &desc);
    void addCustomButton(TColorButton *button, const QString &prompt, CustomButton::Kind kind);
    void customLeftClick(const CustomButton &custom);
    void customRightClick(const CustomButton &custom);
    // The captions of the custom word buttons built so far into the settings.
    void storeCustomCaptions();
    void connectExit(TColorButton *button, const std::function<void()> &extra = {});
    void connectClick(TColorButton *button, const std::function<void()> &handler,
                      bool doubleClickToo = true);
    TColorButton *button(const char *name) const;

    Board *m_board;
    ComposeEngine &m_engine;
    Dialogs &m_dialogs;
    RandomSource &m_random;
    Preferences &m_preferences;
    Vocabulary &m_vocabulary;

    QHash<QString, QWidget *> m_panels;
    QHash<QString, std::function<void()>> m_builders;
    QList<CustomButton> m_customs;
    // The custom affixes as read, for panels not built yet.
    AffixCaptionsFile m_affixes;
};
