#pragma once

#include "shell/ui/printer_chooser.h"
#include "window_fixture.h"

#include <QApplication>
#include <QPrinter>
#include <deque>

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

// The window of WindowFixture with a scripted printer and a chosen file
// format.
class MainWindowFixture : public WindowFixture
{
protected:
    // plainText: the file-format preference (line 12 of prefs.ini).
    void start(bool plainText)
    {
        QApplication::setApplicationName(QStringLiteral("Wordloom"));
        setPrefsLine(12, plainText ? QStringLiteral("true") : QStringLiteral("false"));

        StartOptions options;
        options.programDir = m_dir.path();
        options.dialogs = &dialogs;
        options.printer = &printer;
        options.speech = &speech;
        window = std::make_unique<TMainForm>(options);
        ASSERT_TRUE(window->startupOk());
        window->show();
        QApplication::processEvents();
    }

    QString path(const QString &name) const { return programFile(name); }

    FakePrinterChooser printer;
};
