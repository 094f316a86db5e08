#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class SpeechEngine;
struct SpeechSettings;

// Says things aloud through one engine. Each utterance has a kind; a new
// utterance of the same kind cuts off the one being said (a new word
// replaces the word before it), one of another kind waits until the
// current utterance ends (only its newest waits). Saying never waits for
// the engine, so it never holds up a click.
class Speaker : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Word, Sentence, Focus, Reading };

    explicit Speaker(SpeechEngine &engine, QObject *parent = nullptr);

    // Empty when speech works, else why it does not.
    QString unavailableReason() const;
    bool available() const { return unavailableReason().isEmpty(); }
    QStringList voices() const;
    void applySettings(const SpeechSettings &settings);
    bool speaking() const { return m_current.has_value(); }

    // Also called with each utterance as it goes to the engine (script mode
    // writes them out).
    std::function<void(const QString &)> echo;

public Q_SLOTS:
    void say(Speaker::Kind kind, const QString &text);
    // Cuts off what is being said and forgets what waits.
    void stop();

Q_SIGNALS:
    void speakingChanged(bool speaking);

private:
    void start(Kind kind, const QString &text);
    void engineFinished();

    SpeechEngine &m_engine;
    std::optional<Kind> m_current;
    QMap<Kind, QString> m_waiting;
    bool m_stopping = false;
};

// What Read Aloud says with no selection: the sentence that ends at or
// before pos (its end marks and closing quotes kept), trimmed; empty when
// there is no text before pos.
QString sentenceBefore(const QString &text, int pos);
// The word that ends at or before pos (letters, digits, apostrophes and
// hyphens inside it), after the spaces before pos.
QString wordBefore(const QString &text, int pos);
