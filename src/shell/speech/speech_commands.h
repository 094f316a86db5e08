#pragma once

#include "shell/speech/speaker.h"

#include <QObject>
#include <functional>

class Composition;
class Dialogs;
class QAction;
class QMenu;
class QTextEdit;
class SpeechEngine;
class ViewSettings;

// When the program speaks: each word as it goes in, a sentence when its end
// mark goes in, the caption of a board button that the keyboard (or the
// switch) moves to, and Read Aloud and Stop in a menu. Each follows the
// speech settings as they change. While a screen reader runs, the program
// leaves focus moves to it, and tells it of each insertion instead.
class SpeechCommands : public QObject
{
    Q_OBJECT
public:
    SpeechCommands(SpeechEngine &engine, ViewSettings &view, Composition &composition,
                   QTextEdit *editor, Dialogs &dialogs, QObject *parent = nullptr);

    Speaker &speaker() { return m_speaker; }
    // miReadAloud (F9, Shift+F9 for the whole document) and miStopSpeech
    // (Esc, only while something is being said, so that Esc still closes
    // what it closes when nothing is).
    void addActions(QMenu *menu);
    // The selection, else the sentence before the caret; or the whole text.
    void readAloud(bool wholeDocument);
    // While switch scanning runs, the scanner says what it highlights
    // (rows too, not only buttons), so focus moves are not spoken twice.
    void setScanning(bool on) { m_scanning = on; }
    // Whether the program itself says where the focus is: asked for in the
    // settings, and no screen reader is running to say it.
    bool speaksFocus() const;
    // Whether a screen reader (or other assistive technology) is running.
    std::function<bool()> screenReaderRunning;

Q_SIGNALS:
    // What went into the document, as a person would say it ("inserted:
    // Dog"), for assistive technology and the status bar.
    void announced(const QString &text);
    // The engine was given up while the program ran; reason says why.
    void speechLost(const QString &reason);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wordInserted(const QString &word);
    // The text of the paragraph holding pos, and pos within it.
    QString paragraphBefore(int pos, int *posInParagraph) const;
    void settingsChanged();

    Dialogs &m_dialogs;
    ViewSettings &m_view;
    Composition &m_composition;
    QTextEdit *m_editor;
    Speaker m_speaker;
    QAction *m_stop = nullptr;
    bool m_toldUnavailable = false;
    bool m_keyInput = false;
    // Key presses so far, the button whose name was said last, and during
    // which press the focus left it: the focus going to the document and
    // back as one key inserts a word is not a move to say (it would cut
    // the word off).
    quint64 m_keyPresses = 0;
    quint64 m_leftDuring = 0;
    QObject *m_saidButton = nullptr;
    bool m_scanning = false;
};
