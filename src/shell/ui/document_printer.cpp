#include "shell/ui/document_printer.h"

#include "compose/dialogs.h"
#include "shell/ui/printer_chooser.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <memory>

bool DocumentPrinter::FilePrint(const QTextDocument &document, const QString &jobTitle)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobTitle);
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    if (!m_chooser->choosePrinter(&printer))
        return false;
    // A copy laid out on the printer's page: printing the editor's own,
    // unpaginated document would add page numbers and margins of its own.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    copy->setPageSize(printer.pageRect(QPrinter::Inch).size() * dpi);
    copy->print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        const QString target =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        m_dialogs->message(QStringLiteral("Cannot print to %1.").arg(target));
        return false;
    }
    return true;
}
