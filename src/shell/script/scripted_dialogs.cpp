#include "scripted_dialogs.h"

#include <QFileInfo>
#include <QPrinter>
#include <cstdio>

QString ScriptedDialogs::escape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator ||
                 c == QChar::LineSeparator)
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    return out;
}

void ScriptedDialogs::log(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

std::optional<QString> ScriptedDialogs::takeAnswer()
{
    if (m_answers.isEmpty())
        return std::nullopt;
    return m_answers.takeFirst();
}

void ScriptedDialogs::message(const QString &text)
{
    log(QStringLiteral("message: ") + escape(text));
}

Dialogs::Answer ScriptedDialogs::question(const QString &text)
{
    log(QStringLiteral("question: ") + escape(text));
    const QString answer = takeAnswer().value_or(QStringLiteral("No"));
    if (answer.compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0)
        return Answer::Yes;
    if (answer.compare(QLatin1String("Cancel"), Qt::CaseInsensitive) == 0)
        return Answer::Cancel;
    return Answer::No;
}

std::optional<QString> ScriptedDialogs::textInput(const QString &title, const QString &prompt,
                                                  const QString &)
{
    log(QStringLiteral("input: ") + escape(title) + QStringLiteral(": ") + escape(prompt));
    const auto answer = takeAnswer();
    if (!answer || answer->isNull())
        return std::nullopt;
    return answer;
}

std::optional<QString> ScriptedDialogs::directory(const QString &, const QString &)
{
    const auto answer = takeAnswer();
    if (!answer || answer->isEmpty())
        return std::nullopt;
    return answer;
}

std::optional<QString> ScriptedDialogs::openFile(const QString &, const QString &, const QString &,
                                                 int)
{
    return directory(QString(), QString());
}

std::optional<QString> ScriptedDialogs::saveFile(const QString &, const QString &, const QString &,
                                                 int, const QString &defaultSuffix)
{
    // As the save dialog does, a name without a suffix gets the default one.
    auto answer = directory(QString(), QString());
    if (answer && !defaultSuffix.isEmpty() && QFileInfo(*answer).suffix().isEmpty())
        *answer += QLatin1Char('.') + defaultSuffix;
    return answer;
}

bool ScriptedDialogs::choosePrinter(QPrinter *printer)
{
    const auto answer = directory(QString(), QString());
    if (!answer)
        return false;
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(*answer);
    return true;
}
