#pragma once

#include <QString>

class Dialogs;
class PrinterChooser;
class QTextDocument;

// Printing the document: the printer is chosen through the chooser and the
// job carries the document's name as its title. A job that could not be
// written is reported.
class DocumentPrinter
{
public:
    DocumentPrinter(PrinterChooser *chooser, Dialogs *dialogs)
        : m_chooser(chooser)
        , m_dialogs(dialogs)
    {}

    // False when cancelled or failed.
    bool FilePrint(const QTextDocument &document, const QString &jobTitle);

private:
    PrinterChooser *m_chooser;
    Dialogs *m_dialogs;
};
