#include "platform/desktop/printdialog.h"

#include "platform/desktop/qttranslations.h"

#include <QPrintDialog>
#include <QPrinter>

namespace platform {
namespace {

class QtPrintDialogs final : public PrintDialogs {
public:
    bool Show(QPrinter& printer) override
    {
        installQtTranslationsOfRun();
        QPrintDialog dialog(&printer);
        // No selection and no page range; printing to a file stays offered.
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        return dialog.exec() == QDialog::Accepted;
    }
};

PrintDialogs* g_fake = nullptr;

}  // namespace

PrintDialogs& printDialogs()
{
    static QtPrintDialogs real;
    return g_fake ? *g_fake : static_cast<PrintDialogs&>(real);
}

void setPrintDialogs(PrintDialogs* fake) { g_fake = fake; }

PdfPrintDialog::PdfPrintDialog(QString path, int resolution, QPageSize pageSize)
    : pdfPath(std::move(path)), dpi(resolution), paper(std::move(pageSize))
{
}

bool PdfPrintDialog::Show(QPrinter& printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setResolution(dpi);
    printer.setPageSize(paper);
    printer.setPageOrientation(QPageLayout::Portrait);
    return true;
}

}  // namespace platform
