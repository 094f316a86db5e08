#include "shell/speech/speech_commands.h"

#include "compose/composition.h"
#include "compose/dialogs.h"
#include "controls/color_button.h"
#include "prefs/view_settings.h"
#include "shell/speech/speech_engine.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QMenu>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

SpeechCommands::SpeechCommands(SpeechEngine &engine, ViewSettings &view, Composition &composition,
                               QTextEdit *editor, Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_view(view)
    , m_composition(composition)
    , m_editor(editor)
    , m_speaker(engine)
{
    connect(&m_composition, &Composition::wordInserted, this, &SpeechCommands::wordInserted);
    connect(&m_view, &ViewSettings::changed, this, [this](ViewSettings::Aspect aspect) {
        if (aspect == ViewSettings::Aspect::Speech)
            settingsChanged();
    });
    connect(&engine, &SpeechEngine::droppedOut, this, &SpeechCommands::speechLost);
    screenReaderRunning = [] { return QAccessible::isActive(); };
    qApp->installEventFilter(this);
    settingsChanged();
}

void SpeechCommands::addActions(QMenu *menu)
{
    auto *read = new QAction(tr("&Read Aloud"), this);
    read->setObjectName(QStringLiteral("miReadAloud"));
    read->setShortcut(QKeySequence(Qt::Key_F9));
    connect(read, &QAction::triggered, this, [this] { readAloud(false); });
    auto *whole = new QAction(tr("Read &Whole Document"), this);
    whole->setObjectName(QStringLiteral("miReadDocument"));
    whole->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F9));
    connect(whole, &QAction::triggered, this, [this] { readAloud(true); });
    m_stop = new QAction(tr("&Stop Speaking"), this);
    m_stop->setObjectName(QStringLiteral("miStopSpeech"));
    m_stop->setShortcut(QKeySequence(Qt::Key_Escape));
    m_stop->setEnabled(false);
    connect(m_stop, &QAction::triggered, &m_speaker, &Speaker::stop);
    connect(&m_speaker, &Speaker::speakingChanged, m_stop, &QAction::setEnabled);
    menu->addSeparator();
    menu->addActions({read, whole, m_stop});
}

void SpeechCommands::readAloud(bool wholeDocument)
{
    // Asked for in so many words, so the user hears once why nothing comes.
    if (!m_speaker.available()) {
        if (!m_toldUnavailable) {
            m_toldUnavailable = true;
            m_dialogs.message(tr("Wordloom cannot speak: %1").arg(m_speaker.unavailableReason()));
        }
        return;
    }
    const QTextCursor caret = m_editor->textCursor();
    QString said;
    if (wholeDocument) {
        said = m_editor->toPlainText();
    } else if (caret.hasSelection()) {
        said = caret.selectedText();
    } else {
        const QTextBlock paragraph = caret.block();
        said = sentenceBefore(paragraph.text(), caret.position() - paragraph.position());
    }
    m_speaker.say(Speaker::Kind::Reading, said);
}

// A sentence or a word said never crosses a paragraph, so only the
// paragraph is read: a copy of the whole document would slow every click
// in a long one.
QString SpeechCommands::paragraphBefore(int pos, int *posInParagraph) const
{
    const QTextBlock paragraph = m_editor->document()->findBlock(pos);
    *posInParagraph = pos - paragraph.position();
    return paragraph.text();
}

void SpeechCommands::settingsChanged()
{
    m_speaker.applySettings(m_view.speech());
}

bool SpeechCommands::speaksFocus() const
{
    return m_view.speech().speakFocus && !(screenReaderRunning && screenReaderRunning());
}

void SpeechCommands::wordInserted(const QString &word)
{
    const SpeechSettings &settings = m_view.speech();
    const TextSurface &surface = m_composition.surface();
    // As it stands in the text: with its capital, and a prefix or suffix
    // as the word it made.
    if (std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetterOrNumber(); })) {
        int caret = 0;
        const QString paragraph = paragraphBefore(surface.caret(), &caret);
        const QString made = wordBefore(paragraph, caret);
        Q_EMIT announced(tr("inserted: %1").arg(made.isEmpty() ? word.trimmed() : made));
    }
    QString mark = word;
    mark.remove(QLatin1Char('-'));
    mark = mark.trimmed();
    if (mark.size() == 1 && TextRules::isSentenceEnd(mark.at(0))) {
        int at = surface.caret() - 1;
        while (at > 0 && surface.charAt(at).isSpace())
            --at;
        // A stop after a stop is an ellipsis, after "?" or "!" it adds to
        // an end already said.
        const bool ellipsis = at > 0 && TextRules::isSentenceEnd(surface.charAt(at - 1));
        if (settings.speakSentences && !ellipsis) {
            int end = 0;
            const QString paragraph = paragraphBefore(at + 1, &end);
            m_speaker.say(Speaker::Kind::Sentence, sentenceBefore(paragraph, end));
        }
        return;
    }
    if (!settings.speakWords ||
        std::none_of(word.begin(), word.end(), [](QChar c) { return c.isLetterOrNumber(); }))
        return;
    // A prefix or suffix is heard as the word it made.
    const bool joins = word.startsWith(QLatin1Char('-')) || word.endsWith(QLatin1Char('-'));
    if (!joins) {
        m_speaker.say(Speaker::Kind::Word, word.trimmed());
        return;
    }
    int caret = 0;
    const QString paragraph = paragraphBefore(surface.caret(), &caret);
    m_speaker.say(Speaker::Kind::Word, wordBefore(paragraph, caret));
}

bool SpeechCommands::eventFilter(QObject *watched, QEvent *event)
{
    // Whether the last thing the person did was on the keyboard: a focus
    // move the program makes on its own then came from a key.
    if (event->type() == QEvent::KeyPress) {
        m_keyInput = true;
        ++m_keyPresses;
    } else if (event->type() == QEvent::MouseButtonPress) {
        m_keyInput = false;
    }
    if (event->type() == QEvent::FocusOut && watched == m_saidButton)
        m_leftDuring = m_keyPresses;
    if (event->type() != QEvent::FocusIn || m_scanning || !speaksFocus())
        return false;
    auto *button = qobject_cast<TColorButton *>(watched);
    if (!button)
        return false;
    // Only a move the person made from the keyboard (or a switch that sends
    // keys): who clicks a button sees it, and the program's own moves (at
    // start, as a panel closes) would only chatter.
    if (!m_keyInput || static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
        return false;
    if (m_saidButton == button && m_leftDuring == m_keyPresses)
        return false;
    m_saidButton = button;
    m_speaker.say(Speaker::Kind::Focus, button->spokenName());
    return false;
}
