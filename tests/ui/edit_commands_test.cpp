#include "compose/composition_state.h"
#include "shell/ui/edit_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

class EditCommandsTest : public testing::Test
{
protected:
    EditCommandsTest()
    {
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSize(20);
        editor.document()->setDefaultFont(font);
        commands.setActions(&cut, &copy, &paste);
    }

    void setText(const QString &text, int caret)
    {
        editor.setPlainText(text);
        QTextCursor c(editor.document());
        c.setPosition(caret);
        editor.setTextCursor(c);
    }

    QTextCharFormat charsAt(int pos) const
    {
        QTextCursor c(editor.document());
        c.setPosition(pos + 1);
        return c.charFormat();
    }

    QTextEdit editor;
    CompositionState state;
    EditCommands commands{&editor, &state, nullptr};
    QAction cut, copy, paste;
};

} // namespace

TEST_F(EditCommandsTest, PasteDropsOneFinalLineBreakAndLeavesTheCaretAfterTheText)
{
    setText(QStringLiteral("abcd"), 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("XY\n"));
    commands.EditPaste();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("abXYcd"));
    EXPECT_EQ(editor.textCursor().position(), 4);
    EXPECT_FALSE(editor.textCursor().hasSelection());
    EXPECT_EQ(state.WordStart, 2);

    // Only one break goes, and one inside the text stays.
    setText(QStringLiteral("ab"), 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("1\n2\n\n"));
    commands.EditPaste();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("ab1\n2\n"));
    EXPECT_EQ(editor.textCursor().position(), 6);
}

TEST_F(EditCommandsTest, PasteReplacesTheSelectionFromItsStart)
{
    setText(QStringLiteral("one two three"), 0);
    QTextCursor c = editor.textCursor();
    c.setPosition(4);
    c.setPosition(7, QTextCursor::KeepAnchor);
    editor.setTextCursor(c);
    QGuiApplication::clipboard()->setText(QStringLiteral("2"));
    commands.EditPaste();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("one 2 three"));
    EXPECT_EQ(state.WordStart, 4);
    EXPECT_EQ(editor.textCursor().position(), 5);
}

// With nothing pasted there is no pasted text to end in a break: the line
// break before the caret belongs to the document and stays.
TEST_F(EditCommandsTest, EmptyPasteLeavesTheTextBeforeTheCaret)
{
    setText(QStringLiteral("line\n"), 5);
    QGuiApplication::clipboard()->clear();
    commands.EditPaste();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("line\n"));
}

TEST_F(EditCommandsTest, PastedTextTakesTheDocumentFont)
{
    setText(QString(), 0);
    auto *mime = new QMimeData;
    mime->setHtml(QStringLiteral("<span style=\"font-family:'Liberation Mono'; font-size:8pt; "
                                 "font-weight:700\">big</span>"));
    mime->setText(QStringLiteral("big"));
    QGuiApplication::clipboard()->setMimeData(mime);
    commands.EditPaste();
    ASSERT_EQ(editor.toPlainText(), QStringLiteral("big"));
    QTextCharFormat f = charsAt(1);
    EXPECT_EQ(f.fontFamilies().toStringList().value(0), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(f.fontPointSize(), 20);
    // Rich text keeps its own style...
    EXPECT_EQ(f.fontWeight(), QFont::Bold);

    // ...plain-text documents take the font's style too, and the font can
    // come from elsewhere.
    commands.plainText = [] { return true; };
    commands.pasteFont = [] {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSize(11);
        font.setItalic(true);
        return font;
    };
    setText(QString(), 0);
    QGuiApplication::clipboard()->setMimeData(new QMimeData(), QClipboard::Clipboard);
    mime = new QMimeData;
    mime->setHtml(QStringLiteral("<b>big</b>"));
    mime->setText(QStringLiteral("big"));
    QGuiApplication::clipboard()->setMimeData(mime);
    commands.EditPaste();
    f = charsAt(1);
    EXPECT_EQ(f.fontFamilies().toStringList().value(0), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(f.fontPointSize(), 11);
    EXPECT_NE(f.fontWeight(), QFont::Bold);
    EXPECT_TRUE(f.fontItalic());
}

TEST_F(EditCommandsTest, CutAndCopyNeedASelectionAndPasteSomethingToPaste)
{
    editor.show();
    QApplication::setActiveWindow(&editor);
    editor.setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(editor.hasFocus());

    setText(QStringLiteral("word"), 0);
    EXPECT_FALSE(cut.isEnabled());
    EXPECT_FALSE(copy.isEnabled());
    QTextCursor c = editor.textCursor();
    c.select(QTextCursor::WordUnderCursor);
    editor.setTextCursor(c);
    EXPECT_TRUE(cut.isEnabled());
    EXPECT_TRUE(copy.isEnabled());

    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(paste.isEnabled());
    copy.trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("word"));
    EXPECT_TRUE(paste.isEnabled());
    cut.trigger();
    EXPECT_TRUE(editor.toPlainText().isEmpty());
    EXPECT_FALSE(cut.isEnabled());
    paste.trigger();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("word"));
}
