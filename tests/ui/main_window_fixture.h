#pragma once

#include "../engine/fake_dialogs.h"
#include "shell/ui/main_form.h"
#include "shell/ui/printer_chooser.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
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

// The real main window over a copy of the shipped program directory, with
// scripted dialogs and printer.
class MainWindowFixture : public testing::Test
{
protected:
    // plainText: the file-format preference (line 12 of prefs.ini).
    void start(bool plainText)
    {
        QApplication::setApplicationName(QStringLiteral("Wordloom"));
        ASSERT_TRUE(dir.isValid());
        const QDir source(QStringLiteral(WORDLOOM_DATA_DIR));
        QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = dir.filePath(source.relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).absolutePath());
            ASSERT_TRUE(QFile::copy(from, to));
        }
        QFile prefs(dir.filePath(QStringLiteral("prefs.ini")));
        ASSERT_TRUE(prefs.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = prefs.readAll().split('\n');
        prefs.close();
        lines[11] = plainText ? "true\r" : "false\r";
        ASSERT_TRUE(prefs.open(QIODevice::WriteOnly | QIODevice::Truncate));
        prefs.write(lines.join('\n'));
        prefs.close();

        StartOptions options;
        options.programDir = dir.path();
        options.dialogs = &dialogs;
        options.printer = &printer;
        window = std::make_unique<TMainForm>(options);
        ASSERT_TRUE(window->startupOk());
        window->show();
        QApplication::processEvents();
    }

    template <class T> T *child(const char *name) const
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    FakePrinterChooser printer;
    std::unique_ptr<TMainForm> window;
};
