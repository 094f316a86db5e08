#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

// Something that can say a text aloud. The speaker drives one engine; Qt's
// text-to-speech is the real one, the silent one stands in for it where no
// sound may come out (script mode, tests).
class SpeechEngine : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Empty when the engine can speak; otherwise a sentence for the user
    // saying why it cannot.
    virtual QString unavailableReason() const = 0;
    virtual QStringList voices() const = 0;
    // rate -10..10, volume 0..100, voice empty for the engine's default.
    virtual void configure(const QString &voice, int rate, int volume) = 0;
    // Starts saying text, cutting off whatever is being said.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
    virtual bool speaking() const = 0;

Q_SIGNALS:
    // An utterance ended, by itself or by stop().
    void finished();
    // An engine that seemed able to speak was given up (it stopped
    // answering); unavailableReason() says why from now on.
    void droppedOut(const QString &reason);
};

class QThread;

// Qt's text-to-speech: speech-dispatcher where its daemon answers, else the
// offline flite voice, else whatever engine Qt finds; while a screen reader
// runs, flite first. The engine lives on a
// thread of its own, because starting it, and with some set-ups speaking,
// can take seconds or never end: the window is never held up by it. An
// engine that does not answer within a second is given up for the session.
// With no voice chosen it speaks with the desktop's language and region.
class QtSpeechEngine : public SpeechEngine
{
    Q_OBJECT
public:
    static constexpr int kAnswerWait = 1000; // ms

    // engine names one of Qt's engines; empty tries them in the order above.
    explicit QtSpeechEngine(const QString &engine = QString(), QObject *parent = nullptr);
    ~QtSpeechEngine() override;

    QString unavailableReason() const override;
    // The voices of the document's English first, the desktop's region
    // among them first; empty until the engine has answered.
    QStringList voices() const override;
    void configure(const QString &voice, int rate, int volume) override;
    void say(const QString &text) override;
    void stop() override;
    bool speaking() const override;

    // Where answers from the engine's thread are handed in; it outlives an
    // engine whose thread is stuck.
    struct Link;

private:
    // The engine starts when first needed, so a window that never speaks
    // never waits for it.
    void ensureStarted() const;
    void start();
    // Runs work on the engine's thread; its answer must come within
    // kAnswerWait.
    void post(const std::function<void()> &work);
    void answered();
    void dropOut(const QString &reason);
    void started(const QString &reason, const QStringList &voices);
    void utteranceEnded();

    QString m_engine;
    bool m_started = false;
    std::shared_ptr<Link> m_link;
    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr; // lives on m_thread
    QTimer *m_answerTimer = nullptr;
    int m_waiting = 0;
    bool m_dropped = false;
    QString m_reason;
    QStringList m_voices;
    bool m_speaking = false;
    QString m_voice;
    int m_rate = 0;
    int m_volume = 80;
};

// Says nothing and keeps what it was given. By default each utterance ends
// at once; with holdUtterances it lasts until finishUtterance(), so that
// what happens while something is being said can be seen.
class SilentSpeechEngine : public SpeechEngine
{
    Q_OBJECT
public:
    using SpeechEngine::SpeechEngine;

    QString unavailableReason() const override { return reason; }
    QStringList voices() const override { return {QStringLiteral("silent")}; }
    void configure(const QString &voice, int rate, int volume) override;
    void say(const QString &text) override;
    void stop() override;
    bool speaking() const override { return m_speaking; }

    void finishUtterance();

    QString reason; // set to make the engine unavailable
    bool holdUtterances = false;
    QStringList said;
    int stops = 0;
    QString voice;
    int rate = 0;
    int volume = 0;

private:
    bool m_speaking = false;
};
