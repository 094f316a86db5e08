#pragma once

#include <QString>
#include <optional>

// Every message box, question and chooser the program shows goes through
// this interface: real dialogs in the program, scripted answers in tests and
// script mode.
class Dialogs
{
public:
    enum class Answer { Yes, No, Cancel };
    // A document chosen to open, and whether its read-only box was ticked.
    struct OpenChoice
    {
        QString path;
        bool readOnly = false;
    };

    virtual ~Dialogs() = default;
    virtual void message(const QString &text) = 0;
    // The about box; a plain message where no real one can be shown.
    virtual void about(const QString &text) { message(text); }
    // A confirmation box with Yes, No and Cancel.
    virtual Answer question(const QString &text) = 0;
    // A confirmation box with only Yes and No, for a choice that cannot be
    // put off; closing it counts as No.
    virtual Answer yesNoQuestion(const QString &text)
    {
        const Answer answer = question(text);
        return answer == Answer::Yes ? Answer::Yes : Answer::No;
    }
    // A text input box; nothing when cancelled.
    virtual std::optional<QString> textInput(const QString &title, const QString &prompt,
                                             const QString &initial) = 0;
    virtual std::optional<QString> directory(const QString &title, const QString &start) = 0;
    // filters: "Rich text (*.rtf);;Plain text (*.txt)"; filterIndex from 0.
    virtual std::optional<QString> openFile(const QString &title, const QString &dir,
                                            const QString &filters, int filterIndex) = 0;
    // The open dialog for documents, with a read-only box; without one it
    // is the plain open dialog and the box stays clear.
    virtual std::optional<OpenChoice> openDocument(const QString &title, const QString &dir,
                                                   const QString &filters, int filterIndex)
    {
        const auto path = openFile(title, dir, filters, filterIndex);
        if (!path)
            return std::nullopt;
        return OpenChoice{*path, false};
    }
    virtual std::optional<QString> saveFile(const QString &title, const QString &dir,
                                            const QString &filters, int filterIndex,
                                            const QString &defaultSuffix) = 0;
};
