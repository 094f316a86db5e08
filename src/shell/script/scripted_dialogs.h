#pragma once

#include "compose/dialogs.h"
#include "shell/ui/printer_chooser.h"

#include <QStringList>
#include <QTextStream>

// Dialogs answered from a queue, for script mode: each dialog is written to
// standard error as one line, and takes the next queued answer. The print
// dialog's answer names a PDF file to print into.
class ScriptedDialogs : public Dialogs, public PrinterChooser
{
public:
    // Escapes text the way the script's print does.
    static QString escape(const QString &text);

    void queueAnswer(const QString &answer) { m_answers.append(answer); }
    void queueCancel() { m_answers.append(QString()); }

    void message(const QString &text) override;
    Answer question(const QString &text) override;
    std::optional<QString> textInput(const QString &title, const QString &prompt,
                                     const QString &initial) override;
    std::optional<QString> directory(const QString &title, const QString &start) override;
    std::optional<QString> openFile(const QString &title, const QString &dir,
                                    const QString &filters, int filterIndex) override;
    std::optional<QString> saveFile(const QString &title, const QString &dir,
                                    const QString &filters, int filterIndex,
                                    const QString &defaultSuffix) override;
    bool choosePrinter(QPrinter *printer) override;

private:
    std::optional<QString> takeAnswer();
    void log(const QString &line);

    QStringList m_answers;
};
