#pragma once
// A recording print dialog for tests: installed for its lifetime, it counts
// the dialogs the program would have shown and answers each either with a
// cancel or with a PDF printer writing `pdfPath` (dpi and paper as set).
//
//   tqtest::FakePrintDialogs dialogs(dir.file("out.pdf"), 300);
//   dialogs.cancel = true;   // the user cancels
//   dialogs.range = {2, 2};   // the printer comes back set to pages 2 to 2

#include "platform/desktop/printdialog.h"

#include <QPrinter>

#include <utility>

namespace tqtest {

class FakePrintDialogs final : public platform::PdfPrintDialog {
public:
    explicit FakePrintDialogs(QString pdf = {}, int resolution = 600)
        : platform::PdfPrintDialog(std::move(pdf), resolution)
    {
        platform::setPrintDialogs(this);
    }
    ~FakePrintDialogs() override { platform::setPrintDialogs(nullptr); }
    FakePrintDialogs(const FakePrintDialogs&) = delete;
    FakePrintDialogs& operator=(const FakePrintDialogs&) = delete;

    bool Show(QPrinter& printer) override
    {
        ++shown;
        if (cancel)
            return false;
        const bool ok = platform::PdfPrintDialog::Show(printer);
        if (range.first > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(range.first, range.second);
        }
        return ok;
    }

    int shown = 0;
    bool cancel = false;
    std::pair<int, int> range{0, 0};  // from, to; 0: every page
};

}  // namespace tqtest
