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
// A printer that prints to a PDF file (PdfFormat with an output file name:
// Qt's "Print to File", the headless tools) does not write the file as the
// job goes: Qt's PDF engine neither checks nor reports its writes, and would
// leave a cut document, or empty an older file of that name, on a full disk.
// The engine writes the document into memory; EndDoc checks that it is whole
// and only then writes it beside the file's name, forces it to disk and
// renames it over the name (platform/base/atomicfile.h, or the writer given).
// So the file is the whole document or, after any failure, the file that was
// there before, untouched, and nothing is left beside it.  A link at the
// name stays a link: the file it points to is the one replaced.
//
// The job starts as before: a folder that is missing or takes no new file,
// or a file at the name that may not be written or is no file, raises 482 at
// the first drawing, and so does a document that the engine could not end
// whole.  A document that cannot be written to the file raises
// ErroDispositivo with the error number of the errno (NumeroErroArquivo of
// arquivos.h: 61 disk full, 57 device I/O error, ...), told in the run's
// language, with the system's reason.
//
// A printer set to a page range (QPrinter::PageRange, its pageRanges()) gets
// only the pages of the range: the layouts draw every page as always, and
// the drawing of a page outside the range goes nowhere.

#include "output/report/superficie.h"

#include <QByteArray>
#include <QPageRanges>
#include <QPrinter>

#include <functional>
#include <memory>

class QPainter;

namespace saida {

// Writes a printed PDF file whole at `arquivo`, replacing what has that
// name only once every byte is on the disk: 0 or errno.
using GravadorDocumento = std::function<int(const QString& arquivo, const QByteArray& bytes)>;

class SuperficieImpressora final : public Superficie {
public:
    // `gravador` writes the PDF file of a print to a file; empty:
    // platform::WriteFileAtomically.
    explicit SuperficieImpressora(std::unique_ptr<QPrinter> printer, GravadorDocumento gravador = {});
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
    // Printing to a PDF file: points the engine to a document in memory,
    // once the file's place is known to take the file.
    void DesviaArquivo();
    // Writes the finished document to the file (the writer) and forgets it;
    // raises its failure.
    void GravaArquivo();
    // Forgets the document in memory; the printer names the file again.
    void DescartaDocumento();

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QPageRanges m_paginas;  // empty: every page
    int m_page = 1;
    bool m_finished = false;
    GravadorDocumento m_gravador;
    QString m_arquivo;    // the PDF file being printed, as the printer names it; empty: none
    QString m_destino;    // the file written: m_arquivo, or the file a link there points to
    int m_documento = -1;  // the document in memory (a memfd)
};

// Whether `dados` is a whole PDF document as Qt's engine writes one: from
// "%PDF-" to "%%EOF" after the offset of its cross-reference table; the table
// at that offset, each object it lists starting where it says, and after it
// one trailer dictionary whose /Size is the table's.  A piece of the
// document lost before the trailer moves what follows it; one lost at the
// end (a write cut short) takes the trailer or its end.
bool PdfInteiro(const QByteArray& dados);

// The error number of a printer that fails.
constexpr long kErroImpressora = 482;

}  // namespace saida
