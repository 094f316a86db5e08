#include "shell/speech/speaker.h"

#include "compose/composition.h"
#include "prefs/view_settings.h"
#include "shell/speech/speech_engine.h"

Speaker::Speaker(SpeechEngine &engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{
    connect(&m_engine, &SpeechEngine::finished, this, &Speaker::engineFinished);
}

QString Speaker::unavailableReason() const
{
    return m_engine.unavailableReason();
}

QStringList Speaker::voices() const
{
    return m_engine.voices();
}

void Speaker::applySettings(const SpeechSettings &settings)
{
    m_engine.configure(settings.voice, settings.rate, settings.volume);
}

void Speaker::say(Speaker::Kind kind, const QString &text)
{
    const QString said = text.simplified();
    if (said.isEmpty() || !available())
        return;
    if (m_current && *m_current != kind) {
        m_waiting.insert(kind, said);
        return;
    }
    start(kind, said);
}

void Speaker::start(Kind kind, const QString &text)
{
    const bool was = speaking();
    if (m_engine.speaking()) {
        // The cut-off utterance's end is not the end of this one.
        m_stopping = true;
        m_engine.stop();
        m_stopping = false;
    }
    m_current = kind;
    if (echo)
        echo(text);
    m_engine.say(text);
    if (!m_engine.speaking())
        m_current.reset();
    if (was != speaking())
        Q_EMIT speakingChanged(speaking());
}

void Speaker::engineFinished()
{
    if (m_stopping || !m_current)
        return;
    m_current.reset();
    if (!m_waiting.isEmpty()) {
        const Kind next = m_waiting.firstKey();
        const QString text = m_waiting.take(next);
        start(next, text);
        if (speaking())
            return;
    }
    Q_EMIT speakingChanged(false);
}

void Speaker::stop()
{
    m_waiting.clear();
    if (!m_current)
        return;
    m_stopping = true;
    m_engine.stop();
    m_stopping = false;
    m_current.reset();
    Q_EMIT speakingChanged(false);
}

namespace {

bool isBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator ||
           c == QLatin1Char('\r');
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('\'') || c == QChar(0x2019) ||
           c == QLatin1Char('-');
}

} // namespace

QString sentenceBefore(const QString &text, int pos)
{
    int end = qBound(0, pos, int(text.size()));
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    // The marks that end this sentence belong to it.
    int start = end;
    while (start > 0 && !text.at(start - 1).isSpace() && !isWordChar(text.at(start - 1)))
        --start;
    // Back to the end of the sentence before, or a line break.
    while (start > 0) {
        const QChar c = text.at(start - 1);
        if (isBreak(c))
            break;
        if (c.isSpace() && start >= 2 && TextRules::isSentenceEnd(text.at(start - 2)))
            break;
        if (c.isSpace() && start >= 3 && TextRules::isSentenceEnd(text.at(start - 3)) &&
            !isWordChar(text.at(start - 2)))
            break;
        --start;
    }
    return text.mid(start, end - start).trimmed();
}

QString wordBefore(const QString &text, int pos)
{
    int end = qBound(0, pos, int(text.size()));
    while (end > 0 && !isWordChar(text.at(end - 1)))
        --end;
    int start = end;
    while (start > 0 && isWordChar(text.at(start - 1)))
        --start;
    return text.mid(start, end - start);
}
