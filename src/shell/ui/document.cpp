#include "shell/ui/document.h"

#include "compose/dialogs.h"
#include "controls/heap_reuse.h"
#include "files/text_file.h"
#include "files/write_encoding.h"
#include "prefs/preferences.h"
#include "shell/formats/rtf_document.h"
#include "shell/formats/rtf_writer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>
#include <sys/stat.h>

Document::Document(QTextEdit *editor, Dialogs *dialogs, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_dialogs(dialogs)
    , m_font(editor->font())
{
    connect(m_editor->document(), &QTextDocument::contentsChange, this,
            [this](int from, int, int added) { checkLongParagraphs(from, added); });
}

Document::~Document()
{
    if (m_longParagraphs)
        keepFreedBuffersForReuse(false);
}

namespace {

// A run of characters with nowhere to break a line between words.
bool hasLongUnbrokenRun(const QString &text, int longest)
{
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() || c == QLatin1Char('-') ? 0 : run + 1;
        if (run > longest)
            return true;
    }
    return false;
}

} // namespace

void Document::checkLongParagraphs(int from, int added)
{
    QTextDocument *doc = m_editor->document();
    // A whole new text (open, new) starts with the usual layout again.
    const bool wholeText = from == 0 && added >= doc->characterCount() - 1;
    bool anywhere = !wholeText && m_editor->wordWrapMode() == QTextOption::WrapAnywhere;
    bool longParagraphs = !wholeText && m_longParagraphs;
    // Only a large insertion (an open, a paste) is searched for long runs:
    // typing makes none long enough to matter.
    const bool searchRuns = added >= 1000;
    const int end = std::min(from + added, doc->characterCount() - 1);
    for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() <= end;
         block = block.next()) {
        if (block.length() > kLongParagraph) {
            longParagraphs = true;
            // Kept as laid out: otherwise placing the caret after an edit
            // and painting it would each take the paragraph apart again.
            block.layout()->setCacheEnabled(true);
        }
        if (searchRuns && !anywhere)
            anywhere = hasLongUnbrokenRun(block.text(), kLongestUnbrokenRun);
    }
    m_editor->setWordWrapMode(anywhere ? QTextOption::WrapAnywhere
                                       : QTextOption::WrapAtWordBoundaryOrAnywhere);
    if (longParagraphs != m_longParagraphs) {
        m_longParagraphs = longParagraphs;
        keepFreedBuffersForReuse(longParagraphs);
        applyFont();
    }
}

void Document::setEditorFont(const QFont &font)
{
    m_font = font;
    applyFont();
}

void Document::applyFont()
{
    QFont font = m_font;
    // Shaping the whole of a long paragraph on every edit costs a third of
    // the time; Latin text loses only its kerning and ligatures, and the
    // scripts that need shaping to be legible keep it.
    if (m_longParagraphs)
        font.setStyleStrategy(QFont::PreferNoShaping);
    m_editor->document()->setDefaultFont(font);
    m_editor->setFont(font);
}

QString Document::caption() const
{
    return QStringLiteral("%1 - Wordloom").arg(QFileInfo(m_name).fileName());
}

void Document::SetFileName(const QString &name)
{
    m_name = name;
    m_askBeforeOverwriting = false;
    Q_EMIT fileNameChanged();
}

void Document::markSaved()
{
    m_editor->document()->setModified(false);
}

void Document::stripFormatting(const QFont &font)
{
    QTextCursor all(m_editor->document());
    all.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    format.setFontFamilies({font.family()});
    if (font.pointSizeF() > 0)
        format.setFontPointSize(font.pointSizeF());
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignLeft);
    all.beginEditBlock();
    all.mergeCharFormat(format);
    all.mergeBlockFormat(block);
    all.endEditBlock();
    m_editor->setCurrentCharFormat(format);
}

void Document::renameForFormat()
{
    if (isUntitled())
        return;
    const QFileInfo info(m_name);
    const QString suffix = m_plainText ? QStringLiteral("txt") : QStringLiteral("rtf");
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    const QString renamed = info.dir().filePath(base + QLatin1Char('.') + suffix);
    SetFileName(QFileInfo::exists(renamed) ? untitled() : renamed);
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

QString Document::suffixOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

bool Document::readsAsRichText(const QString &path) const
{
    const QString suffix = suffixOf(path);
    if (suffix == QLatin1String("rtf"))
        return true;
    if (suffix == QLatin1String("txt"))
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.peek(5) == "{\\rtf";
}

bool Document::writesAsRichText(const QString &path) const
{
    const QString suffix = suffixOf(path);
    if (suffix == QLatin1String("rtf"))
        return true;
    if (suffix == QLatin1String("txt"))
        return false;
    return !m_plainText;
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

bool Document::OpenDocument(const QString &path, bool readOnly)
{
    // Refused before reading, so the document in the editor stays as it was;
    // a pipe or a device is refused before it is opened, where it would
    // block or never end.
    if (const QString refusal = TextFile::notARegularFileMessage(path); !refusal.isEmpty()) {
        m_dialogs->message(refusal);
        return false;
    }
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxDocumentBytes) {
        m_dialogs->message(tooLargeMessage(path, info.size()));
        return false;
    }
    // The caret waits at the start while the text comes in. Left where it
    // was, it would ride to the end of the new text, and showing it there
    // makes the editor lay out everything before it at once (minutes for a
    // million short lines) instead of in the background.
    const QTextCursor before = m_editor->textCursor();
    QTextCursor start(m_editor->document());
    start.setKeepPositionOnInsert(true);
    m_editor->setTextCursor(start);
    QString error;
    QString warning;
    const DocumentLimits limits{kMaxDocumentLines, kMaxParagraphLength};
    bool ok;
    if (readsAsRichText(path)) {
        ok = readRtfDocument(path, m_editor->document(), &error, &warning, limits);
        if (ok)
            m_plainFormat = PlainTextFormat();
    } else {
        ok = readPlainTextDocument(path, m_editor->document(), &m_plainFormat, &error, limits);
    }
    QTextCursor caret = ok ? QTextCursor(m_editor->document()) : before;
    caret.setKeepPositionOnInsert(false);
    m_editor->setTextCursor(caret);
    if (!ok) {
        m_dialogs->message(error);
        return false;
    }
    // Undo starts from the opened text: it never takes the opening back.
    m_editor->document()->clearUndoRedoStacks();
    SetFileName(QFileInfo(path).absoluteFilePath());
    remember(path);
    m_editor->setReadOnly(readOnly);
    m_editor->setFocus();
    markSaved();
    if (!warning.isEmpty())
        m_dialogs->message(warning);
    Q_EMIT opened();
    return true;
}

namespace {

// Counts what is written to it and keeps nothing: the size of a file
// before it is written.
class ByteCounter : public QIODevice
{
public:
    ByteCounter() { open(QIODevice::WriteOnly); }
    qint64 count() const { return m_count; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        m_count += size;
        return size;
    }

private:
    qint64 m_count = 0;
};

// RTF spends at most a few dozen bytes on one character (a run of its own
// with every attribute), so below this many characters a document cannot
// reach the byte limit and is not written twice to find out.
constexpr qsizetype kCharactersThatMayReachTheByteLimit = Document::kMaxDocumentBytes / 64;

} // namespace

QString Document::reopenRefusal(const QString &path) const
{
    const QTextDocument &doc = *m_editor->document();
    const bool rich = writesAsRichText(path);
    // Counted as the file will be read back: a line separator ends a line
    // in both formats, and a paragraph only in plain text.
    qsizetype lines = 0;
    qsizetype longest = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        qsizetype run = 0;
        ++lines;
        for (const QChar c : text) {
            if (c == QChar::LineSeparator) {
                ++lines;
                if (!rich) {
                    longest = std::max(longest, run);
                    run = 0;
                    continue;
                }
            }
            ++run;
        }
        longest = std::max(longest, run);
    }
    qint64 bytes = 0;
    if (doc.characterCount() > kCharactersThatMayReachTheByteLimit) {
        if (rich) {
            ByteCounter counter;
            RtfWriter().write(&counter, doc);
            bytes = counter.count();
        } else {
            const QString text = plainTextToWrite(doc, m_plainFormat);
            bytes = TextFile::encode(text, writeEncodingFor(text, m_plainFormat.encoding)).size();
        }
    }
    const QString name = QDir::toNativeSeparators(path);
    if (bytes > kMaxDocumentBytes)
        return QStringLiteral("%1 would be %2 MB, and Wordloom opens documents of up to %3 MB.")
            .arg(name)
            .arg(double(bytes) / (1024 * 1024), 0, 'f', 1)
            .arg(kMaxDocumentBytes / (1024 * 1024));
    if (lines > kMaxDocumentLines)
        return QStringLiteral("%1 would have %2 lines, and Wordloom opens documents of up to %3 "
                              "lines.")
            .arg(name)
            .arg(lines)
            .arg(kMaxDocumentLines);
    if (longest > kMaxParagraphLength)
        return QStringLiteral("%1 would have a paragraph of %2 characters, and Wordloom opens "
                              "paragraphs of up to %3 characters.")
            .arg(name)
            .arg(longest)
            .arg(kMaxParagraphLength);
    return {};
}

bool Document::maySaveUnopenable(const QString &path)
{
    const QString refusal = reopenRefusal(path);
    if (refusal.isEmpty())
        return true;
    // Still the user's to choose: refusing the save outright could lose
    // the text.
    return m_dialogs->yesNoQuestion(
               refusal + QStringLiteral(" Wordloom could not open it again once it "
                                        "is saved.\n\nSave it anyway?")) == Dialogs::Answer::Yes;
}

bool Document::saveTo(const QString &path)
{
    QString error;
    bool ok;
    if (writesAsRichText(path)) {
        ok = writeRtfDocument(path, *m_editor->document(), &error);
    } else {
        ok = writePlainTextDocument(path, *m_editor->document(), m_plainFormat, &error);
    }
    if (!ok) {
        m_dialogs->message(error);
        return false;
    }
    remember(path);
    Q_EMIT saved();
    return true;
}

std::optional<Document::DiskState> Document::diskStateOf(const QString &path)
{
    struct stat st;
    // Only a file is compared: a folder or the like in its place fails
    // the save with its own message.
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    DiskState state;
    state.size = st.st_size;
    state.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    state.inode = st.st_ino;
    state.device = st.st_dev;
    return state;
}

void Document::remember(const QString &path)
{
    m_knownPath = QFileInfo(path).absoluteFilePath();
    m_known = diskStateOf(path);
}

bool Document::mayOverwrite(const QString &path)
{
    if (!m_known || m_knownPath != QFileInfo(path).absoluteFilePath())
        return true;
    const auto now = diskStateOf(path);
    // A file removed since is simply written again.
    if (!now || *now == *m_known)
        return true;
    return m_dialogs->yesNoQuestion(
               QStringLiteral("%1 was changed by another program. Overwrite it?").arg(path)) ==
           Dialogs::Answer::Yes;
}

bool Document::FileNew()
{
    if (!CheckFileSave())
        return false;
    SetFileName(untitled());
    m_editor->clear();
    m_editor->setReadOnly(false);
    m_plainFormat = PlainTextFormat();
    markSaved();
    Q_EMIT newDocument();
    return true;
}

namespace {

// Where a file dialog starts: the configured directory, or while that does
// not exist (the default "txt" beside an installed program) the user's
// documents folder.
QString dialogStart(const QString &configured)
{
    if (!configured.isEmpty() && QDir(configured).exists())
        return configured;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

bool Document::FileOpen()
{
    if (!CheckFileSave())
        return false;
    const auto choice = m_dialogs->openDocument(QStringLiteral("Open"), dialogStart(openDir),
                                                filters(), filterIndex());
    if (!choice)
        return false;
    return OpenDocument(choice->path, choice->readOnly);
}

QString Document::datedName(const QString &dir, const QString &suffix, const QDateTime &when)
{
    QDir().mkpath(dir);
    const QString stem =
        QStringLiteral("Wordloom %1").arg(when.toString(QStringLiteral("yyyy-MM-dd hh-mm")));
    QString path = QDir(dir).filePath(stem + QLatin1Char('.') + suffix);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(dir).filePath(QStringLiteral("%1 (%2).%3").arg(stem).arg(n).arg(suffix));
    return path;
}

bool Document::FileSave()
{
    if (isUntitled() && saveUnasked && saveUnasked()) {
        const QString nameless = datedName(
            dialogStart(saveDir), m_plainText ? QStringLiteral("txt") : QStringLiteral("rtf"),
            QDateTime::currentDateTime());
        if (!saveTo(nameless))
            return false;
        SetFileName(QFileInfo(nameless).absoluteFilePath());
        markSaved();
        Q_EMIT savedUnasked(nameless);
        return true;
    }
    if (isUntitled())
        return FileSaveAs();
    // Recovered text may be older than the file it was named after.
    if (m_askBeforeOverwriting && !mayReplace(m_name))
        return false;
    if (!mayOverwrite(m_name) || !maySaveUnopenable(m_name) || !saveTo(m_name))
        return false;
    m_askBeforeOverwriting = false;
    markSaved();
    return true;
}

bool Document::mayReplace(const QString &path)
{
    return !QFileInfo::exists(path) ||
           m_dialogs->question(QStringLiteral("OK to overwrite %1").arg(path)) ==
               Dialogs::Answer::Yes;
}

bool Document::FileSaveAs()
{
    const auto file = m_dialogs->saveFile(
        QStringLiteral("Save As"), dialogStart(saveDir), filters(), filterIndex(),
        m_plainText ? QStringLiteral("txt") : QStringLiteral("rtf"));
    if (!file)
        return false;
    if (!mayReplace(*file))
        return false;
    if (!maySaveUnopenable(*file) || !saveTo(*file))
        return false;
    SetFileName(QFileInfo(*file).absoluteFilePath());
    markSaved();
    return true;
}

void Document::followPreferences(const Preferences &preferences)
{
    openDir = preferences.values().OpenDir;
    saveDir = preferences.values().SaveDir;
    setPlainText(preferences.values().plainText);
    Q_EMIT plainTextChanged(m_plainText);
    applySettings(preferences);
    connect(&preferences, &Preferences::changed, this,
            [this, &preferences](Preferences::Aspect aspect) {
                using A = Preferences::Aspect;
                if (aspect == A::Font || aspect == A::FileFormat) {
                    applySettings(preferences);
                } else if (aspect == A::Directories) {
                    openDir = preferences.values().OpenDir;
                    saveDir = preferences.values().SaveDir;
                }
            });
}

void Document::applySettings(const Preferences &preferences)
{
    const PreferenceValues &values = preferences.values();
    QFont font(values.fontName);
    font.setPointSize(std::max(4, values.fontSize));
    const QFont oldFont = m_font;
    setEditorFont(font);
    const bool plain = values.plainText;
    if (plain != m_plainText) {
        if (plain)
            stripFormatting(font);
        setPlainText(plain);
        Q_EMIT plainTextChanged(plain);
        renameForFormat();
    } else if (plain && font != oldFont) {
        // Plain text has one font, and it is not saved: not a change.
        const bool modified = m_editor->document()->isModified();
        stripFormatting(font);
        m_editor->document()->setModified(modified);
    }
}
