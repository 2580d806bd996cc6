#include "output/report/superficieimpressora.h"

#include "core/textosproprios.h"
#include "platform/base/error.h"

#include <QFile>
#include <QPainter>

namespace saida {
namespace {

// A printer failure, told in the run's language.
[[noreturn]] void FalhaImpressora(const char* portugues, const char* espanhol, const char* ingles)
{
    throw ErroDispositivo(kErroImpressora, Modulo::TextoNoIdioma(portugues, espanhol, ingles), QStringLiteral("Printer"));
}

}  // namespace

SuperficieImpressora::SuperficieImpressora(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer))
{
    if (m_printer->printRange() == QPrinter::PageRange)
        m_paginas = m_printer->pageRanges();
}

bool SuperficieImpressora::Impressa(int page) const { return m_paginas.isEmpty() || m_paginas.contains(page); }

SuperficieImpressora::~SuperficieImpressora()
{
    // A job that nobody ended is dropped, never half sent.
    if (m_painter && !m_finished)
        KillDoc();
}

double SuperficieImpressora::TwipsPerPixelX() const
{
    const int dpi = m_printer->resolution();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

QPainter& SuperficieImpressora::Pintor()
{
    if (!m_painter) {
        if (m_finished)
            FalhaImpressora("Erro de impressora: o documento já foi encerrado",
                            "Error de impresora: el documento ya ha terminado",
                            "Printer error: the document has already ended");
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(m_printer.get()))
            FalhaImpressora("Erro de impressora: a impressora não pode iniciar o documento",
                            "Error de impresora: la impresora no puede iniciar el documento",
                            "Printer error: the printer cannot start the document");
        painter->setRenderHint(QPainter::TextAntialiasing, true);
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        m_painter = std::move(painter);
        // Pages asked for before anything was drawn stay blank sheets.
        for (int p = 1; p < m_page; ++p)
            if (Impressa(p))
                m_printer->newPage();
    }
    return *m_painter;
}

void SuperficieImpressora::DrawText(double x, double y, const QString& text, const QFont& font, const QColor& color)
{
    if (!Impressa(m_page))
        return;
    QPainter& p = Pintor();
    p.setFont(font);
    p.setPen(color);
    p.drawText(QPointF(x, y + Metrics().ascent()), text);
}

void SuperficieImpressora::PaintPicture(const QImage& picture, double x, double y, double width, double height)
{
    if (picture.isNull() || width <= 0 || height <= 0 || !Impressa(m_page))
        return;
    Pintor().drawImage(QRectF(x, y, width, height), picture);
}

void SuperficieImpressora::NewPage()
{
    // The sheet of the painter's current page is ended only for a next page
    // that is printed.
    if (m_painter && Impressa(m_page + 1) && !m_printer->newPage())
        FalhaImpressora("Erro de impressora: a impressora recusou uma página nova",
                        "Error de impresora: la impresora rechazó una página nueva",
                        "Printer error: the printer refused a new page");
    ++m_page;
    Home();
}

void SuperficieImpressora::EndDoc()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_painter) {
        const bool ok = m_painter->end();
        m_painter.reset();
        if (!ok || m_printer->printerState() == QPrinter::Error)
            FalhaImpressora("Erro de impressora: o documento não pôde ser enviado",
                            "Error de impresora: no se pudo enviar el documento",
                            "Printer error: the document could not be sent");
    }
}

void SuperficieImpressora::KillDoc()
{
    if (m_finished)
        return;
    m_finished = true;
    if (!m_painter)
        return;
    const bool aborted = m_printer->abort();
    m_painter->end();
    m_painter.reset();
    // A PDF file is written as the job goes: without the engine's cancel,
    // the half document is removed.
    if (!aborted && m_printer->outputFormat() == QPrinter::PdfFormat && !m_printer->outputFileName().isEmpty())
        QFile::remove(m_printer->outputFileName());
}

}  // namespace saida
