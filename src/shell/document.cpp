#include "document.h"

#include "compose/dialogs.h"
#include "rtf_document.h"

#include <QFileInfo>
#include <QTextEdit>

Document::Document(QTextEdit *editor, Dialogs *dialogs, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_dialogs(dialogs)
{}

QString Document::caption() const
{
    return QStringLiteral("%1 - Wordloom").arg(QFileInfo(m_name).fileName());
}

void Document::SetFileName(const QString &name)
{
    m_name = name;
    Q_EMIT fileNameChanged();
}

void Document::markSaved()
{
    m_editor->document()->setModified(false);
    Q_EMIT modifiedCleared();
}

bool Document::CheckFileSave()
{
    if (!m_editor->document()->isModified())
        return true;
    switch (m_dialogs->question(QStringLiteral("Save changes to %1?").arg(m_name))) {
    case Dialogs::Answer::Yes:
        return FileSave();
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

bool Document::isRichTextPath(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("rtf"), Qt::CaseInsensitive) == 0;
}

QString Document::filters() const
{
    return QStringLiteral("Rich Text Files (*.rtf);;Text Files (*.txt)");
}

QString Document::tooLargeMessage(const QString &path, qint64 bytes)
{
    return QStringLiteral("Cannot open %1: the file is %2 MB, and Wordloom opens documents of up "
                          "to %3 MB.")
        .arg(path)
        .arg(double(bytes) / (1024 * 1024), 0, 'f', 1)
        .arg(kMaxDocumentBytes / (1024 * 1024));
}

bool Document::OpenDocument(const QString &path)
{
    // Refused before reading, so the document in the editor stays as it was.
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxDocumentBytes) {
        m_dialogs->message(tooLargeMessage(path, info.size()));
        return false;
    }
    QString error;
    bool ok;
    if (isRichTextPath(path)) {
        ok = readRtfDocument(path, m_editor->document(), &error);
    } else {
        ok = readPlainTextDocument(path, m_editor->document(), &m_plainFormat, &error);
    }
    if (!ok) {
        m_dialogs->message(error);
        return false;
    }
    SetFileName(QFileInfo(path).absoluteFilePath());
    m_editor->setFocus();
    markSaved();
    return true;
}

bool Document::saveTo(const QString &path)
{
    QString error;
    bool ok;
    if (isRichTextPath(path)) {
        ok = writeRtfDocument(path, *m_editor->document(), &error);
    } else {
        ok = writePlainTextDocument(path, *m_editor->document(), m_plainFormat, &error);
    }
    if (!ok) {
        m_dialogs->message(error);
        return false;
    }
    return true;
}

bool Document::FileNew()
{
    if (!CheckFileSave())
        return false;
    SetFileName(untitled());
    m_editor->clear();
    m_plainFormat = PlainTextFormat();
    markSaved();
    if (onNewDocument)
        onNewDocument();
    return true;
}

bool Document::FileOpen()
{
    if (!CheckFileSave())
        return false;
    const auto file =
        m_dialogs->openFile(QStringLiteral("Open"), openDir, filters(), filterIndex());
    if (!file)
        return false;
    return OpenDocument(*file);
}

bool Document::FileSave()
{
    if (isUntitled())
        return FileSaveAs();
    if (!saveTo(m_name))
        return false;
    markSaved();
    return true;
}

bool Document::FileSaveAs()
{
    const auto file =
        m_dialogs->saveFile(QStringLiteral("Save As"), saveDir, filters(), filterIndex(),
                            m_plainText ? QStringLiteral("txt") : QStringLiteral("rtf"));
    if (!file)
        return false;
    if (QFileInfo::exists(*file) &&
        m_dialogs->question(QStringLiteral("OK to overwrite %1").arg(*file)) !=
            Dialogs::Answer::Yes)
        return false;
    if (!saveTo(*file))
        return false;
    SetFileName(QFileInfo(*file).absoluteFilePath());
    markSaved();
    return true;
}
