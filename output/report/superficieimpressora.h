#pragma once
// The printer surface: a QPainter on a high-resolution QPrinter that the
// print dialog has set up.  Coordinates are printer pixels with their origin
// at the printable area's top-left corner.
//
// The print job starts at the first drawing, so an output in which nothing
// is drawn prints no sheet.  NewPage ends the sheet and starts the next one;
// EndDoc ends the job and sends it; KillDoc drops the job: a printer that
// can cancel it prints nothing, and a PDF file being written is removed.
// Page counts from 1.  A printer that cannot start the job or a page raises
// ErroDispositivo 482 ("Printer error").
//
// A printer set to a page range (QPrinter::PageRange, its pageRanges()) gets
// only the pages of the range: the layouts draw every page as always, and
// the drawing of a page outside the range goes nowhere.

#include "output/report/superficie.h"

#include <QPageRanges>
#include <QPrinter>

#include <memory>

class QPainter;

namespace saida {

class SuperficieImpressora final : public Superficie {
public:
    explicit SuperficieImpressora(std::unique_ptr<QPrinter> printer);
    ~SuperficieImpressora() override;

    void PaintPicture(const QImage& picture, double x, double y, double width, double height) override;
    void NewPage() override;
    void EndDoc() override;
    void KillDoc() override;
    int Page() const override { return m_page; }
    double TwipsPerPixelX() const override;

    QPrinter& Printer() { return *m_printer; }
    // Whether the job has started (something was drawn).
    bool Iniciado() const { return m_painter != nullptr; }

protected:
    void DrawText(double x, double y, const QString& text, const QFont& font, const QColor& color) override;
    QPaintDevice* MeasureDevice() override { return m_printer.get(); }

private:
    QPainter& Pintor();
    // Whether page `page` goes to the printer.
    bool Impressa(int page) const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QPageRanges m_paginas;  // empty: every page
    int m_page = 1;
    bool m_finished = false;
};

// The error number of a printer that fails.
constexpr long kErroImpressora = 482;

}  // namespace saida
