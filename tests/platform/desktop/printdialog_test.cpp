// The real print dialog as the program shows it, offscreen: no print range
// box on any output, however often it is shown, and an accepted dialog
// leaves the printer printing every page.

#include "platform/desktop/printdialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <gtest/gtest.h>

TEST(PrintDialog, OffersNoPageRange)
{
    for (QPrinter::OutputFormat formato : {QPrinter::NativeFormat, QPrinter::PdfFormat}) {
        SCOPED_TRACE(formato);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(formato);
        // A range left on the printer by an earlier use is not offered either.
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 2);
        auto dialog = platform::makePrintDialog(printer);
        for (QAbstractPrintDialog::PrintDialogOption opcao :
             {QAbstractPrintDialog::PrintPageRange, QAbstractPrintDialog::PrintSelection, QAbstractPrintDialog::PrintCurrentPage})
            EXPECT_FALSE(dialog->testOption(opcao)) << opcao;
        QWidget* intervalo = dialog->findChild<QWidget*>(QStringLiteral("gbPrintRange"));
        ASSERT_NE(intervalo, nullptr);
        for (int vez = 0; vez < 2; ++vez) {
            dialog->show();
            EXPECT_TRUE(intervalo->isHidden());
            dialog->hide();
        }
        dialog->show();
        dialog->accept();
        EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
        EXPECT_TRUE(printer.pageRanges().isEmpty());
    }
}
