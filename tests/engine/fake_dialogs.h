#pragma once

#include "compose/dialogs.h"

#include <QStringList>
#include <deque>
#include <optional>

// Scripted dialogs for tests: answers are queued beforehand, and every
// message and question shown is recorded in order. A question with no
// answer queued is recorded in unexpected and answered Cancel, the answer
// that changes nothing.
class FakeDialogs : public Dialogs
{
public:
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> texts;       // textInput
    std::deque<std::optional<QString>> directories; // directory
    std::deque<std::optional<QString>> files;       // openFile and saveFile

    QStringList messages;
    QStringList questions;
    QStringList unexpected;

    void message(const QString &text) override { messages.append(text); }

    Answer question(const QString &text) override
    {
        questions.append(text);
        if (answers.empty()) {
            unexpected.append(text);
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::optional<QString> textInput(const QString &title, const QString &,
                                     const QString &) override
    {
        return next(texts, title);
    }

    std::optional<QString> directory(const QString &title, const QString &) override
    {
        return next(directories, title);
    }

    std::optional<QString> openFile(const QString &title, const QString &, const QString &,
                                    int) override
    {
        return next(files, title);
    }

    std::optional<QString> saveFile(const QString &title, const QString &, const QString &, int,
                                    const QString &) override
    {
        return next(files, title);
    }

private:
    std::optional<QString> next(std::deque<std::optional<QString>> &queue, const QString &title)
    {
        if (queue.empty()) {
            unexpected.append(title);
            return std::nullopt;
        }
        // Moved out as a plain string: copying the optional whole trips a
        // false "maybe uninitialized" from g++ 12 at -O2.
        const bool has = queue.front().has_value();
        QString v = has ? *queue.front() : QString();
        queue.pop_front();
        return has ? std::optional<QString>(v) : std::nullopt;
    }
};
