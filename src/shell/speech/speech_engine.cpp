#include "shell/speech/speech_engine.h"

#include <QTextToSpeech>
#include <QVoice>

QtSpeechEngine::QtSpeechEngine(const QString &engine, QObject *parent)
    : SpeechEngine(parent)
    , m_engine(engine)
{}

void QtSpeechEngine::ensureStarted() const
{
    if (!m_started)
        const_cast<QtSpeechEngine *>(this)->start();
}

void QtSpeechEngine::start()
{
    m_started = true;
    const QString &engine = m_engine;
    const QStringList installed = QTextToSpeech::availableEngines();
    QStringList tries;
    if (!engine.isEmpty())
        tries << engine;
    else
        for (const char *name : {"speechd", "flite"})
            if (installed.contains(QLatin1String(name)))
                tries << QLatin1String(name);
    if (engine.isEmpty() && tries.isEmpty() && !installed.isEmpty())
        tries << installed.constFirst();
    if (tries.isEmpty()) {
        m_reason = tr("No speech engine is installed.");
        return;
    }
    for (const QString &name : std::as_const(tries)) {
        if (!installed.contains(name)) {
            m_reason = tr("The speech engine \"%1\" is not installed.").arg(name);
            continue;
        }
        auto *tts = new QTextToSpeech(name, this);
        if (tts->state() == QTextToSpeech::Error) {
            m_reason = tr("The speech engine could not start: %1").arg(tts->errorString());
            delete tts;
            continue;
        }
        m_tts = tts;
        m_reason.clear();
        break;
    }
    if (!m_tts)
        return;
    applyConfiguration();
    connect(m_tts, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Speaking) {
            m_speaking = true;
            return;
        }
        if (state == QTextToSpeech::Error)
            m_reason = tr("The speech engine stopped: %1").arg(m_tts->errorString());
        if (m_speaking) {
            m_speaking = false;
            Q_EMIT finished();
        }
    });
}

QString QtSpeechEngine::unavailableReason() const
{
    ensureStarted();
    return m_reason;
}

QStringList QtSpeechEngine::voices() const
{
    ensureStarted();
    QStringList names;
    if (m_tts)
        for (const QVoice &voice : m_tts->availableVoices())
            names << voice.name();
    return names;
}

void QtSpeechEngine::configure(const QString &voice, int rate, int volume)
{
    m_voice = voice;
    m_rate = rate;
    m_volume = volume;
    if (m_tts)
        applyConfiguration();
}

void QtSpeechEngine::applyConfiguration()
{
    m_tts->setRate(m_rate / 10.0);
    m_tts->setVolume(m_volume / 100.0);
    if (m_voice.isEmpty())
        return;
    for (const QVoice &v : m_tts->availableVoices())
        if (v.name() == m_voice) {
            m_tts->setVoice(v);
            break;
        }
}

void QtSpeechEngine::say(const QString &text)
{
    ensureStarted();
    if (!m_tts || !m_reason.isEmpty())
        return;
    // Counted as speaking from now, not from when the engine gets to it, so
    // that a second utterance right after the first still cuts it off.
    m_speaking = true;
    m_tts->say(text);
}

void QtSpeechEngine::stop()
{
    if (m_tts)
        m_tts->stop();
}

bool QtSpeechEngine::speaking() const
{
    return m_speaking;
}

void SilentSpeechEngine::configure(const QString &voiceName, int rateValue, int volumeValue)
{
    voice = voiceName;
    rate = rateValue;
    volume = volumeValue;
}

void SilentSpeechEngine::say(const QString &text)
{
    said << text;
    m_speaking = holdUtterances;
    if (!m_speaking)
        Q_EMIT finished();
}

void SilentSpeechEngine::stop()
{
    ++stops;
    finishUtterance();
}

void SilentSpeechEngine::finishUtterance()
{
    if (!m_speaking)
        return;
    m_speaking = false;
    Q_EMIT finished();
}
