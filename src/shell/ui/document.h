#pragma once

#include "shell/formats/plain_text_document.h"

#include <QFont>
#include <QObject>
#include <functional>

class Dialogs;
class Preferences;
class QTextEdit;

// The document in the editor: its file name, loading and saving as rich or
// plain text, and the save-changes question. Every save is atomic; a failed
// save is reported and leaves the file, the name and the modified flag as
// they were.
class Document : public QObject
{
    Q_OBJECT
public:
    Document(QTextEdit *editor, Dialogs *dialogs, QObject *parent = nullptr);
    ~Document() override;

    QString DocumentName() const { return m_name; }
    bool isUntitled() const { return m_name == untitled(); }
    static QString untitled() { return QStringLiteral("Untitled"); }
    // "%s - %s" of the file name and the application title.
    QString caption() const;

    // Plain-text mode: the default file type for the dialogs and new files.
    bool plainText() const { return m_plainText; }
    void setPlainText(bool on) { m_plainText = on; }
    QString openDir;
    QString saveDir;

    // Takes the font, the file format and the directories of the
    // preferences now and again whenever one of them changes.
    void followPreferences(const Preferences &preferences);

    // Turning rich text into plain: the whole text loses bold, italic and
    // underline, takes font and is left aligned.
    void stripFormatting(const QFont &font);
    // The font of the document's own text, the one the preferences give.
    const QFont &editorFont() const { return m_font; }
    void setEditorFont(const QFont &font);
    // After the file format changed: the document is named with the new
    // format's suffix, or "Untitled" when a file of that name exists already
    // (so a save never overwrites another file unasked).
    void renameForFormat();

    void SetFileName(const QString &name);
    // Asks "Save changes to %s?" when modified; false when the user
    // cancelled (or a save failed), so the calling command must stop.
    bool CheckFileSave();
    // Loads a file into the editor; a file that cannot be read, is too large
    // or is not text is reported and leaves the editor as it was. The editor
    // is read-only exactly when asked.
    bool OpenDocument(const QString &path, bool readOnly = false);
    // Documents are kept whole in memory and laid out by the editor; past
    // these a file is refused rather than leaving the program unusable. At
    // the limits a document opens within about ten seconds on a slow machine
    // (the layout of many short lines costs more than that of long ones).
    static constexpr qint64 kMaxDocumentBytes = 20 * 1024 * 1024;
    static constexpr qsizetype kMaxDocumentLines = 500000;
    // A click in a paragraph lays it out again whole, about 50 ms for each
    // million characters on a slow machine: held to this, a click stays
    // within a tenth of a second.
    static constexpr qsizetype kMaxParagraphLength = 1500000;
    // A run of characters without a space longer than this is laid out one
    // line at a time only when words may be broken anywhere: with the usual
    // wrapping each line measures the rest of the run again, and a click
    // after a word a megabyte long took half a minute.
    static constexpr int kLongestUnbrokenRun = 10000;
    // Every edit lays its paragraph out again whole. A paragraph longer than
    // this keeps its layout between edits, the document is laid out without
    // shaping, and big freed buffers are kept for the next edit: together a
    // click in a paragraph of a megabyte is four times as fast.
    static constexpr int kLongParagraph = 100000;
    static QString tooLargeMessage(const QString &path, qint64 bytes);
    bool saveTo(const QString &path);

    // How a file is read and written: by its suffix (.rtf, .txt); a file
    // with another suffix is read as rich text when it starts like one and
    // written in the editor's mode.
    bool readsAsRichText(const QString &path) const;
    bool writesAsRichText(const QString &path) const;
    // The encoding and line ends a plain-text save writes.
    const PlainTextFormat &plainTextFormat() const { return m_plainFormat; }

    bool FileNew();
    bool FileOpen();
    bool FileSave();
    bool FileSaveAs();

Q_SIGNALS:
    void fileNameChanged();
    // After New has cleared the editor (the composition state starts again).
    void newDocument();
    // The file format changed between rich and plain text.
    void plainTextChanged(bool plain);

private:
    QString filters() const;
    int filterIndex() const { return m_plainText ? 1 : 0; }
    static QString suffixOf(const QString &path);
    void markSaved();
    void checkLongParagraphs(int from, int added);
    void applyFont();
    void applySettings(const Preferences &preferences);

    QTextEdit *m_editor;
    Dialogs *m_dialogs;
    QString m_name = untitled();
    bool m_plainText = false;
    PlainTextFormat m_plainFormat;
    QFont m_font;
    bool m_longParagraphs = false;
};
