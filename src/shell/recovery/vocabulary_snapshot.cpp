#include "shell/recovery/vocabulary_snapshot.h"

#include "shell/recovery/recovery_store.h"
#include "vocab/vocabulary.h"

#include <QList>
#include <optional>

namespace {

using List = Vocabulary::List;

std::optional<List> listNamed(const QByteArray &name)
{
    for (List list : Vocabulary::loadOrder())
        if (Vocabulary::fileName(list) == QString::fromUtf8(name))
            return list;
    return std::nullopt;
}

} // namespace

QByteArray VocabularySnapshot::capture(const Vocabulary &vocab)
{
    QByteArray out;
    for (List list : Vocabulary::loadOrder()) {
        if (!vocab.ListModified(list))
            continue;
        const QStringList lines = Vocabulary::isVerbTable(list) ? vocab.verbTable(list).toLines()
                                                                : vocab.wordList(list).entries();
        out += "list " + Vocabulary::fileName(list).toUtf8() + ' ' +
               QByteArray::number(lines.size()) + '\n';
        for (const QString &line : lines)
            out += RecoveryStore::escapeLine(line) + '\n';
    }
    return out;
}

bool VocabularySnapshot::restore(const QByteArray &content, Vocabulary &vocab, QString *error)
{
    // Everything is read before anything changes.
    QList<std::pair<List, QStringList>> lists;
    // Every line ends in a line feed, so one cut short is not taken whole.
    if (!content.isEmpty() && !content.endsWith('\n')) {
        *error = QStringLiteral("its last line is cut short");
        return false;
    }
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    for (qsizetype i = 0; i < lines.size();) {
        const QList<QByteArray> head = lines.at(i).split(' ');
        bool counted = false;
        const qsizetype count = head.size() == 3 ? head.at(2).toLongLong(&counted) : -1;
        const auto list =
            head.size() == 3 && head.at(0) == "list" ? listNamed(head.at(1)) : std::nullopt;
        if (!list || !counted || count < 0 || count > lines.size() - i - 1) {
            *error = QStringLiteral("line %1 is damaged").arg(i + 1);
            return false;
        }
        QStringList entries;
        entries.reserve(count);
        for (qsizetype k = 1; k <= count; ++k)
            entries.append(RecoveryStore::unescapeLine(lines.at(i + k)));
        lists.append({*list, entries});
        i += count + 1;
    }
    for (const auto &[list, entries] : lists) {
        if (Vocabulary::isVerbTable(list)) {
            vocab.verbTable(list).clear();
            vocab.verbTable(list).loadLines(entries);
        } else {
            vocab.wordList(list).clear();
            vocab.wordList(list).addAll(entries);
        }
        vocab.markModified(list);
    }
    return true;
}
