#pragma once
// The print dialog behind an interface: the program shows Qt's print dialog
// (the CUPS printers and Qt's own "Print to PDF", which is the only way to
// print on a machine without a printer); tests install a recording fake, and
// headless tools a dialog that always answers with a PDF file.  Same pattern
// as messagebox.h.
//
// The dialog works on a printer the caller made (QPrinter::HighResolution):
// it chooses the printer, the paper and the copies.  Printing only a
// selection, the current page and a page range are not offered: the dialog
// of makePrintDialog hides them.  (Qt's own dialog shows "Pages from ... to"
// even when the page range option is off, leaving the range to the CUPS
// server, and printing to a PDF file would then print every page.)  A
// printer that comes back with a page range anyway (QPrinter::PageRange) is
// printed with that range (output/report/superficieimpressora.h).

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <memory>

class QPrintDialog;
class QPrinter;
class QWidget;

namespace platform {

class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // Shows the dialog for `printer`.  True when the user chose to print (the
    // printer is then set up as chosen), false when the user cancelled.
    virtual bool Show(QPrinter& printer) = 0;
};

PrintDialogs& printDialogs();
void setPrintDialogs(PrintDialogs* fake);

// Qt's print dialog as the program shows it, for `printer`: without the
// print range box (all pages, selection, current page, page range).
std::unique_ptr<QPrintDialog> makePrintDialog(QPrinter& printer, QWidget* parent = nullptr);

// A dialog that never shows anything: it answers "print" with a PDF printer
// writing `pdfPath` at `dpi` dots per inch on `paper` (portrait; the caller
// turns the page).  Used by the headless tools and as the tests' oracle.
class PdfPrintDialog : public PrintDialogs {
public:
    PdfPrintDialog(QString pdfPath, int dpi = 600, QPageSize paper = QPageSize(QPageSize::A4));
    bool Show(QPrinter& printer) override;

    QString pdfPath;
    int dpi;
    QPageSize paper;
};

}  // namespace platform
