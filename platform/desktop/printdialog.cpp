#include "platform/desktop/printdialog.h"

#include "platform/desktop/qttranslations.h"

#include <QPrintDialog>
#include <QPrinter>

namespace platform {
namespace {

// Qt shows the print range box of its dialog again whenever the dialog is
// shown, even with every range option off (a CUPS printer can select the
// pages itself, but printing to a file then prints them all): the box is
// hidden after each showing.
class PrintDialogWithoutRange final : public QPrintDialog {
public:
    using QPrintDialog::QPrintDialog;

    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
        if (visible)
            if (QWidget* range = findChild<QWidget*>(QStringLiteral("gbPrintRange")))
                range->hide();
    }
};

class QtPrintDialogs final : public PrintDialogs {
public:
    bool Show(QPrinter& printer) override
    {
        installQtTranslationsOfRun();
        return makePrintDialog(printer)->exec() == QDialog::Accepted;
    }
};

PrintDialogs* g_fakePrintDialogs = nullptr;

}  // namespace

PrintDialogs& printDialogs()
{
    static QtPrintDialogs real;
    return g_fakePrintDialogs ? *g_fakePrintDialogs : static_cast<PrintDialogs&>(real);
}

void setPrintDialogs(PrintDialogs* fake) { g_fakePrintDialogs = fake; }

std::unique_ptr<QPrintDialog> makePrintDialog(QPrinter& printer, QWidget* parent)
{
    auto dialog = std::make_unique<PrintDialogWithoutRange>(&printer, parent);
    // No selection, no current page and no page range; printing to a file
    // stays offered.
    dialog->setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog->setOption(QAbstractPrintDialog::PrintToFile, true);
    printer.setPrintRange(QPrinter::AllPages);
    return dialog;
}

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
