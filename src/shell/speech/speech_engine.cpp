#include "shell/speech/speech_engine.h"

#include "shell/speech/voice_choice.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>
#include <algorithm>

struct QtSpeechEngine::Link
{
    // Null once the engine is gone; read and written on the window's thread.
    QtSpeechEngine *engine = nullptr;
};

namespace {

// Owns Qt's engine on the engine's thread.
class SpeechWorker : public QObject
{
public:
    QTextToSpeech *tts = nullptr;
    QList<QVoice> voices; // of every locale
};

// Hands f to the engine on the window's thread, unless the engine is gone.
void toEngine(const std::shared_ptr<QtSpeechEngine::Link> &link,
              const std::function<void(QtSpeechEngine *)> &f)
{
    QMetaObject::invokeMethod(
        qApp,
        [link, f] {
            if (link->engine)
                f(link->engine);
        },
        Qt::QueuedConnection);
}

// Rate, volume and voice; with no voice named, the desktop's.
void applyTo(SpeechWorker *worker, const QString &voice, int rate, int volume)
{
    QTextToSpeech *tts = worker->tts;
    tts->setRate(rate / 10.0);
    tts->setVolume(volume / 100.0);
    qsizetype chosen = -1;
    for (qsizetype i = 0; i < worker->voices.size() && !voice.isEmpty(); ++i)
        if (worker->voices.at(i).name() == voice)
            chosen = i;
    if (chosen < 0) {
        QList<QLocale> locales;
        for (const QVoice &v : std::as_const(worker->voices))
            locales << v.locale();
        chosen = VoiceChoice::preferred(locales, QLocale::system());
    }
    if (chosen < 0)
        return;
    const QVoice &v = worker->voices.at(chosen);
    // The engine offers the voices of its locale only.
    if (tts->locale() != v.locale())
        tts->setLocale(v.locale());
    tts->setVoice(v);
}

} // namespace

QtSpeechEngine::QtSpeechEngine(const QString &engine, QObject *parent)
    : SpeechEngine(parent)
    , m_engine(engine)
    , m_answerTimer(new QTimer(this))
{
    m_answerTimer->setSingleShot(true);
    connect(m_answerTimer, &QTimer::timeout, this, [this] {
        dropOut(tr("The speech engine did not answer within a second, so Wordloom goes on "
                   "without speech."));
    });
}

QtSpeechEngine::~QtSpeechEngine()
{
    if (m_link)
        m_link->engine = nullptr;
    if (!m_thread)
        return;
    m_thread->quit();
    // An engine stuck in a call that never returns keeps its thread, which
    // ends with the program.
    if (m_thread->wait(300))
        delete m_thread;
}

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
    // speech-dispatcher's stop silences everything it speaks, a screen
    // reader too: while one runs, the offline voice, whose stop is this
    // program's own, comes first.
    QStringList order = {QStringLiteral("speechd"), QStringLiteral("flite")};
    if (QAccessible::isActive())
        std::reverse(order.begin(), order.end());
    if (!engine.isEmpty())
        tries << engine;
    else
        for (const QString &name : std::as_const(order))
            if (installed.contains(name))
                tries << name;
    if (engine.isEmpty() && tries.isEmpty() && !installed.isEmpty())
        tries << installed.constFirst();
    if (tries.isEmpty()) {
        m_reason = tr("No speech engine is installed.");
        return;
    }
    if (!installed.contains(tries.constFirst())) {
        m_reason = tr("The speech engine \"%1\" is not installed.").arg(tries.constFirst());
        return;
    }
    m_link = std::make_shared<Link>();
    m_link->engine = this;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("speech"));
    auto *worker = new SpeechWorker;
    worker->moveToThread(m_thread);
    m_worker = worker;
    connect(m_thread, &QThread::finished, worker, &QObject::deleteLater);
    m_thread->start();
    const std::shared_ptr<Link> link = m_link;
    const QString voice = m_voice;
    const int rate = m_rate;
    const int volume = m_volume;
    post([worker, tries, link, voice, rate, volume] {
        QString reason;
        for (const QString &name : tries) {
            auto *tts = new QTextToSpeech(name, worker);
            if (tts->state() == QTextToSpeech::Error) {
                reason = tr("The speech engine could not start: %1").arg(tts->errorString());
                delete tts;
                continue;
            }
            worker->tts = tts;
            reason.clear();
            break;
        }
        QStringList names;
        if (QTextToSpeech *tts = worker->tts) {
            // Every locale's voices, for the voice box; listing them may
            // take a while, which is not silence.
            const QLocale before = tts->locale();
            for (const QLocale &locale : tts->availableLocales()) {
                tts->setLocale(locale);
                worker->voices += tts->availableVoices();
                toEngine(link, [](QtSpeechEngine *e) { e->m_answerTimer->start(kAnswerWait); });
            }
            tts->setLocale(before);
            if (worker->voices.isEmpty())
                worker->voices = tts->availableVoices();
            // An engine with no voice is silence without a word of why.
            if (worker->voices.isEmpty())
                reason = tr("The speech engine has no voice installed.");
            QList<QLocale> locales;
            for (const QVoice &v : std::as_const(worker->voices))
                locales << v.locale();
            for (int i :
                 VoiceChoice::order(locales, QLocale::English, QLocale::system().territory()))
                names << worker->voices.at(i).name();
            applyTo(worker, voice, rate, volume);
            QObject::connect(
                tts, &QTextToSpeech::stateChanged, worker, [link, tts](QTextToSpeech::State state) {
                    if (state == QTextToSpeech::Speaking)
                        return;
                    const QString error =
                        state == QTextToSpeech::Error ? tts->errorString() : QString();
                    toEngine(link, [error](QtSpeechEngine *e) {
                        if (!error.isNull())
                            e->m_reason = tr("The speech engine stopped: %1").arg(error);
                        e->utteranceEnded();
                    });
                });
        }
        toEngine(link, [reason, names](QtSpeechEngine *e) { e->started(reason, names); });
    });
}

void QtSpeechEngine::post(const std::function<void()> &work)
{
    if (m_dropped || !m_worker)
        return;
    if (m_waiting++ == 0)
        m_answerTimer->start(kAnswerWait);
    const std::shared_ptr<Link> link = m_link;
    QMetaObject::invokeMethod(
        m_worker,
        [work, link] {
            work();
            toEngine(link, [](QtSpeechEngine *e) { e->answered(); });
        },
        Qt::QueuedConnection);
}

void QtSpeechEngine::answered()
{
    if (m_dropped)
        return;
    if (--m_waiting == 0)
        m_answerTimer->stop();
    else
        m_answerTimer->start(kAnswerWait);
}

void QtSpeechEngine::dropOut(const QString &reason)
{
    if (m_dropped)
        return;
    m_dropped = true;
    m_reason = reason;
    m_answerTimer->stop();
    if (m_speaking) {
        m_speaking = false;
        Q_EMIT finished();
    }
    Q_EMIT droppedOut(reason);
}

void QtSpeechEngine::started(const QString &reason, const QStringList &voices)
{
    m_reason = reason;
    m_voices = voices;
    if (!reason.isEmpty())
        dropOut(reason);
}

void QtSpeechEngine::utteranceEnded()
{
    if (!m_speaking)
        return;
    m_speaking = false;
    Q_EMIT finished();
}

QString QtSpeechEngine::unavailableReason() const
{
    ensureStarted();
    return m_reason;
}

QStringList QtSpeechEngine::voices() const
{
    ensureStarted();
    return m_voices;
}

void QtSpeechEngine::configure(const QString &voice, int rate, int volume)
{
    m_voice = voice;
    m_rate = rate;
    m_volume = volume;
    auto *worker = static_cast<SpeechWorker *>(m_worker);
    post([worker, voice, rate, volume] {
        if (worker->tts)
            applyTo(worker, voice, rate, volume);
    });
}

void QtSpeechEngine::say(const QString &text)
{
    ensureStarted();
    if (!m_reason.isEmpty() || m_dropped || !m_worker)
        return;
    // Counted as speaking from now, not from when the engine gets to it, so
    // that a second utterance right after the first still cuts it off.
    m_speaking = true;
    auto *worker = static_cast<SpeechWorker *>(m_worker);
    post([worker, text] {
        if (worker->tts)
            worker->tts->say(text);
    });
}

void QtSpeechEngine::stop()
{
    auto *worker = static_cast<SpeechWorker *>(m_worker);
    post([worker] {
        if (worker->tts)
            worker->tts->stop();
    });
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
