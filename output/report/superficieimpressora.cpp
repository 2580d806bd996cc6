#include "output/report/superficieimpressora.h"

#include "output/report/arquivos.h"

#include "core/textosproprios.h"
#include "platform/base/atomicfile.h"
#include "platform/base/error.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace saida {
namespace {

// A printer failure, told in the run's language.
[[noreturn]] void FalhaImpressora(const char* portugues, const char* espanhol, const char* ingles)
{
    throw ErroDispositivo(kErroImpressora, Modulo::TextoNoIdioma(portugues, espanhol, ingles), QStringLiteral("Printer"));
}

[[noreturn]] void FalhaInicio()
{
    FalhaImpressora("Erro de impressora: a impressora não pode iniciar o documento",
                    "Error de impresora: la impresora no puede iniciar el documento",
                    "Printer error: the printer cannot start the document");
}

[[noreturn]] void FalhaEnvio()
{
    FalhaImpressora("Erro de impressora: o documento não pôde ser enviado",
                    "Error de impresora: no se pudo enviar el documento",
                    "Printer error: the document could not be sent");
}

// 0 when a PDF file can be written at `caminho` as the engine would have
// opened it: its folder takes a new file (tried with a hidden one, removed
// at once), and what has the name already is a file that may be written.
int ProvaDestino(const QString& caminho)
{
    platform::AtomicFile prova;
    if (const int e = prova.open(caminho))
        return e;
    const QByteArray nativo = QFile::encodeName(caminho);
    struct stat st;
    if (::stat(nativo.constData(), &st) != 0)
        return errno == ENOENT ? 0 : errno;
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return ::access(nativo.constData(), W_OK) == 0 ? 0 : errno;
}

// Reads a decimal number of `dados` at `pos`, moving past it.
bool LeNumero(const QByteArray& dados, qsizetype& pos, qint64& valor)
{
    const qsizetype inicio = pos;
    valor = 0;
    while (pos < dados.size() && pos - inicio < 18 && dados[pos] >= '0' && dados[pos] <= '9')
        valor = valor * 10 + (dados[pos++] - '0');
    return pos > inicio;
}

void PulaBrancos(const QByteArray& dados, qsizetype& pos)
{
    while (pos < dados.size() && (dados[pos] == ' ' || dados[pos] == '\r' || dados[pos] == '\n'))
        ++pos;
}

}  // namespace

bool PdfInteiro(const QByteArray& dados)
{
    if (!dados.startsWith("%PDF-"))
        return false;
    qsizetype fim = dados.size();
    while (fim > 0 && (dados[fim - 1] == '\n' || dados[fim - 1] == '\r' || dados[fim - 1] == ' '))
        --fim;
    if (fim < 5 || dados.mid(fim - 5, 5) != "%%EOF")
        return false;
    const qsizetype marca = dados.lastIndexOf("startxref", fim);
    if (marca < 0)
        return false;
    qsizetype pos = marca + 9;
    qint64 tabela = 0;
    PulaBrancos(dados, pos);
    if (!LeNumero(dados, pos, tabela) || tabela <= 0 || tabela >= marca)
        return false;
    PulaBrancos(dados, pos);
    if (pos != fim - 5)
        return false;

    // The table: subsections of a first object number, a count and as many
    // entries of 20 bytes (offset, generation, "n" in use or "f" free).
    pos = tabela;
    if (dados.mid(pos, 4) != "xref" || (dados.mid(pos + 4, 1) != "\n" && dados.mid(pos + 4, 1) != "\r"))
        return false;
    pos += 4;
    qint64 objetos = 0;
    for (;;) {
        PulaBrancos(dados, pos);
        if (dados.mid(pos, 7) == "trailer")
            break;
        qint64 primeiro = 0, quantos = 0;
        if (!LeNumero(dados, pos, primeiro) || pos >= dados.size() || dados[pos] != ' ')
            return false;
        ++pos;
        if (!LeNumero(dados, pos, quantos))
            return false;
        PulaBrancos(dados, pos);
        if (quantos > (marca - pos) / 20)
            return false;
        for (qint64 i = 0; i < quantos; ++i, pos += 20) {
            const QByteArray entrada = dados.mid(pos, 20);
            if (entrada.size() != 20 || entrada[10] != ' ' || entrada[16] != ' ' || (entrada[17] != 'n' && entrada[17] != 'f'))
                return false;
            if (entrada[17] == 'f')
                continue;
            qsizetype p = 0;
            qint64 deslocamento = 0, geracao = 0;
            if (!LeNumero(entrada, p, deslocamento) || p != 10 || !LeNumero(entrada, ++p, geracao) || p != 16)
                return false;
            const QByteArray cabecalho = QByteArray::number(primeiro + i) + ' ' + QByteArray::number(geracao) + " obj";
            if (deslocamento >= tabela || dados.mid(deslocamento, cabecalho.size()) != cabecalho)
                return false;
        }
        objetos = std::max(objetos, primeiro + quantos);
    }

    // The trailer: one dictionary up to "startxref", of the table's size.
    const QByteArray trailer = dados.mid(pos + 7, marca - pos - 7).trimmed();
    if (!trailer.startsWith("<<") || !trailer.endsWith(">>"))
        return false;
    const qsizetype tamanho = trailer.indexOf("/Size");
    if (tamanho < 0)
        return false;
    qsizetype p = tamanho + 5;
    qint64 declarados = 0;
    PulaBrancos(trailer, p);
    return LeNumero(trailer, p, declarados) && declarados == objetos && trailer.contains("/Root");
}

SuperficieImpressora::SuperficieImpressora(std::unique_ptr<QPrinter> printer, GravadorDocumento gravador)
    : m_printer(std::move(printer)), m_gravador(std::move(gravador))
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
    DescartaDocumento();
}

double SuperficieImpressora::TwipsPerPixelX() const
{
    const int dpi = m_printer->resolution();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

void SuperficieImpressora::DesviaArquivo()
{
    if (m_printer->outputFormat() != QPrinter::PdfFormat || m_printer->outputFileName().isEmpty())
        return;
    const QString arquivo = m_printer->outputFileName();
    // A link at the name stays a link: the file it points to is written.
    const QFileInfo info(arquivo);
    const QString destino = info.isSymLink() && !info.canonicalFilePath().isEmpty() ? info.canonicalFilePath() : arquivo;
    if (ProvaDestino(destino) != 0)
        FalhaInicio();
    const int documento = ::memfd_create("tq-documento", MFD_CLOEXEC);
    if (documento < 0)
        FalhaInicio();
    m_arquivo = arquivo;
    m_destino = destino;
    m_documento = documento;
    // The engine opens the document by name, as it would open the file.
    m_printer->setOutputFileName(QStringLiteral("/proc/self/fd/%1").arg(documento));
}

void SuperficieImpressora::DescartaDocumento()
{
    if (m_documento < 0)
        return;
    ::close(m_documento);
    m_documento = -1;
    m_printer->setOutputFileName(m_arquivo);
    m_arquivo.clear();
    m_destino.clear();
}

void SuperficieImpressora::GravaArquivo()
{
    const QString arquivo = m_arquivo, destino = m_destino;
    QByteArray bytes;
    struct stat st;
    if (::fstat(m_documento, &st) == 0 && st.st_size > 0) {
        bytes.resize(qsizetype(st.st_size));
        qsizetype lidos = 0;
        while (lidos < bytes.size()) {
            const ssize_t n = ::pread(m_documento, bytes.data() + lidos, std::size_t(bytes.size() - lidos), off_t(lidos));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            lidos += n;
        }
        bytes.truncate(lidos);
    }
    DescartaDocumento();
    if (!PdfInteiro(bytes))
        FalhaEnvio();
    const int erro = m_gravador ? m_gravador(destino, bytes) : platform::WriteFileAtomically(destino, bytes);
    if (erro != 0)
        throw ErroDispositivo(NumeroErroArquivo(erro),
                              Modulo::TextoNoIdioma("Não foi possível gravar o documento \"%1\": %2",
                                                    "No se pudo guardar el documento \"%1\": %2",
                                                    "The document \"%1\" could not be written: %2")
                                  .arg(arquivo, QString::fromLocal8Bit(std::strerror(erro))),
                              QStringLiteral("Printer"));
}

QPainter& SuperficieImpressora::Pintor()
{
    if (!m_painter) {
        if (m_finished)
            FalhaImpressora("Erro de impressora: o documento já foi encerrado",
                            "Error de impresora: el documento ya ha terminado",
                            "Printer error: the document has already ended");
        DesviaArquivo();
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(m_printer.get())) {
            DescartaDocumento();
            FalhaInicio();
        }
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
        if (!ok || m_printer->printerState() == QPrinter::Error) {
            DescartaDocumento();
            FalhaEnvio();
        }
        if (m_documento >= 0)
            GravaArquivo();
    }
}

void SuperficieImpressora::KillDoc()
{
    if (m_finished)
        return;
    m_finished = true;
    if (!m_painter)
        return;
    m_printer->abort();
    m_painter->end();
    m_painter.reset();
    // A PDF file is only written once the document is whole: the one in
    // memory goes, and the file keeps what it had.
    DescartaDocumento();
}

}  // namespace saida
