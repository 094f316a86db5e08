#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class QObject;
class QWidget;
class ScriptedDialogs;
class TMainForm;

// Runs a script of commands against the real main window, through the same
// widgets a person would use, and prints what it asks for.
class ScriptRunner
{
public:
    enum Status { Ok = 0, ExpectFailed = 1, Unrunnable = 2 };

    ScriptRunner(TMainForm *window, ScriptedDialogs *dialogs, QString fileName);

    // Checks every command's form first, so a script with an unknown command
    // runs nothing; then runs it. Returns the exit status.
    Status run(const QStringList &lines);

    // The answers at the head of a script, before any other command, are
    // queued before the window is made, so they answer the questions it asks
    // as it starts; their lines are blanked so they are not queued twice.
    static void queueLeadingAnswers(QStringList *lines, ScriptedDialogs *dialogs);

    // Text arguments: \n, \t, \s and \\ stand for line break, tab, space and
    // backslash.
    static QString unescape(const QString &text);

private:
    struct Command
    {
        int line;
        QString name;
        QString rest;
    };

    bool parse(const QStringList &lines, QList<Command> *commands);
    bool execute(const Command &command);
    bool fail(int line, const QString &reason);
    QObject *control(const Command &command, const QString &name);
    QWidget *visibleWidget(const Command &command, const QString &name, bool mustBeVisible);
    void out(const QString &line);

    bool clickControl(const Command &command, bool right, bool twice);
    void runFor(int ms);
    bool hover(const Command &command);
    QPoint pointOffWindow() const;
    bool pressKey(const Command &command);
    bool typeText(const QString &text);
    bool placeCaret(const Command &command);
    bool clickEnd();
    bool selectRange(const Command &command);
    bool chooseItem(const Command &command);
    bool pickRow(const Command &command);
    bool setText(const Command &command);
    bool showControl(const Command &command);
    QString stateLine() const;
    QString documentText() const;

    TMainForm *m_window;
    ScriptedDialogs *m_dialogs;
    QString m_fileName;
    bool m_expectFailed = false;
    bool m_quit = false;
};
