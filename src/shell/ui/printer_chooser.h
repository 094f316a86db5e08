#pragma once

class QPrinter;
class QWidget;

// Where a document is printed: the print dialog in the program, a queued
// PDF file in script mode and tests.
class PrinterChooser
{
public:
    virtual ~PrinterChooser() = default;
    // Sets up printer; false when the user cancelled.
    virtual bool choosePrinter(QPrinter *printer) = 0;
};

// The system's print dialog.
class PrintDialogChooser : public PrinterChooser
{
public:
    explicit PrintDialogChooser(QWidget *parent)
        : m_parent(parent)
    {}
    bool choosePrinter(QPrinter *printer) override;

private:
    QWidget *m_parent;
};
