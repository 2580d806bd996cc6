#pragma once
// The print dialog behind an interface: the program shows Qt's print dialog
// (the CUPS printers and Qt's own "Print to PDF", which is the only way to
// print on a machine without a printer); tests install a recording fake, and
// headless tools a dialog that always answers with a PDF file.  Same pattern
// as messagebox.h.
//
// The dialog works on a printer the caller made (QPrinter::HighResolution):
// it chooses the printer, the paper and the copies.  Printing only a
// selection and a page range are not offered.

#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QPrinter;

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
