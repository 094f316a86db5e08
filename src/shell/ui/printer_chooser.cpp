#include "shell/ui/printer_chooser.h"

#include <QPrintDialog>

bool PrintDialogChooser::choosePrinter(QPrinter *printer)
{
    QPrintDialog dialog(printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}
