#pragma once

#include "../engine/fake_dialogs.h"
#include "compose/random_source.h"
#include "controls/color_button.h"
#include "panels/ui/board.h"
#include "shell/speech/speech_engine.h"
#include "shell/ui/main_form.h"
#include "shell/ui/printer_chooser.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

// Prints into queued PDF files; cancels when nothing is queued.
class FakePrinterChooser : public PrinterChooser
{
public:
    std::deque<QString> pdfFiles;
    int asked = 0;

    bool choosePrinter(QPrinter *printer) override
    {
        ++asked;
        if (pdfFiles.empty())
            return false;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfFiles.front());
        pdfFiles.pop_front();
        return true;
    }
};

// The real main window over a fresh copy of the shipped program directory,
// with scripted dialogs, printer and speech and a seeded random source.
class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        copyTree(QStringLiteral(WORDLOOM_DATA_DIR), m_dir.path());
    }

    TMainForm &open()
    {
        StartOptions options;
        options.programDir = m_dir.path();
        options.dialogs = &dialogs;
        options.random = &random;
        options.speech = &speech;
        options.printer = &printer;
        window = std::make_unique<TMainForm>(options);
        window->show();
        return *window;
    }

    // The window opened on the file-format preference plainText (line 12 of
    // prefs.ini), its events handled.
    void start(bool plainText)
    {
        QApplication::setApplicationName(QStringLiteral("Wordloom"));
        setPrefsLine(12, plainText ? QStringLiteral("true") : QStringLiteral("false"));
        open();
        ASSERT_TRUE(window->startupOk());
        QApplication::processEvents();
    }

    QString programFile(const QString &rel) const { return QDir(m_dir.path()).filePath(rel); }
    QString path(const QString &name) const { return programFile(name); }

    // The lines of a program file, which the program writes with CR LF.
    QStringList fileLines(const QString &rel) const
    {
        QFile f(programFile(rel));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    }

    // Line n (from 1) of prefs.ini, changed before the window opens.
    void setPrefsLine(int n, const QString &value)
    {
        QStringList prefs = fileLines(QStringLiteral("prefs.ini"));
        prefs[n - 1] = value;
        QFile f(programFile(QStringLiteral("prefs.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(prefs.join(QStringLiteral("\r\n")).toUtf8());
    }

    // A button of the board or of one of its panels.
    TColorButton *button(const char *name) const
    {
        TColorButton *b = window->board()->button(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }

    // The control named name; panels not built yet are built first.
    template <class T = QWidget> T *child(const char *name) const
    {
        window->board()->buildPending();
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Replaces the text of a box by typing, as a person does.
    void typeInto(const char *name, const QString &text)
    {
        auto *box = child<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

    // A click on row of a list box, as the mouse gives it.
    void pick(const char *name, int row)
    {
        auto *list = child<QListWidget>(name);
        QListWidgetItem *item = list->item(row);
        ASSERT_NE(item, nullptr);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(item).center());
    }

    // A person's click on a control in view; panels not built yet are built
    // when the control is not found, as the script runner does.
    void click(const char *name, Qt::MouseButton mouse = Qt::LeftButton)
    {
        const QString objectName = QString::fromLatin1(name);
        auto *w = window->findChild<QWidget *>(objectName);
        if (!w) {
            window->board()->buildPending();
            w = window->findChild<QWidget *>(objectName);
        }
        ASSERT_NE(w, nullptr) << name;
        ASSERT_TRUE(w->isVisible()) << name << " is not in view";
        QTest::mouseClick(w, mouse, Qt::NoModifier, w->rect().center());
    }
    QString text() const { return window->composition().surface().text(); }
    // A fixed word button, as script mode's "word" gives it.
    void word(const QString &w) { window->engine().panelWords().fixedWordClick(w, w); }

    static void copyTree(const QString &from, const QString &to)
    {
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString src = it.next();
            const QString dst = QDir(to).filePath(QDir(from).relativeFilePath(src));
            QDir().mkpath(QFileInfo(dst).absolutePath());
            QFile::copy(src, dst);
        }
    }

    QTemporaryDir m_dir;
    FakeDialogs dialogs;
    SilentSpeechEngine speech;
    SeededRandom random{1};
    FakePrinterChooser printer;
    std::unique_ptr<TMainForm> window;
};
