// The page model: setup of the printer or the page canvas, pages, the end of
// the document, JPEG page files and the progress label.
#include "output/report/saida.h"

#include "output/report/arquivos.h"
#include "output/report/compactacao.h"
#include "output/report/cursor.h"
#include "output/report/superficieimpressora.h"

#include "core/errorbox.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/texts.h"
#include "output/jpegencoder.h"
#include "platform/base/error.h"
#include "platform/base/language.h"
#include "platform/desktop/printdialog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace saida {

Saida::Saida() : m_ambiente(m_semJanela) {}

Saida::Saida(Ambiente& ambiente) : m_ambiente(ambiente) {}

Saida::~Saida()
{
    // A job still open when the window goes is dropped.
    if (m_trabalhoAberto && m_impressora && m_superficie)
        m_superficie->KillDoc();
}

SuperficieTela& Saida::Tela()
{
    if (!m_tela)
        m_tela = std::make_unique<SuperficieTela>();
    return *m_tela;
}

QString Saida::MontaNomeArquivo(const QString& sTipo) const
{
    return saida::MontaNomeArquivo(sTipo, Modulo::gEdicao, m_ambiente.Agora());
}

void Saida::ConfiguraDialogoArquivo(const QString& sTipo)
{
    m_dialogo.title = Modulo::ObtemTexto(19) + QStringLiteral(" - ") + Modulo::ObtemTexto(20);
    m_dialogo.folder = platform::saveDialogFolder();
    m_dialogo.filter = FiltroArquivo(sTipo);
}

void Saida::EncerraTrabalhoAnterior()
{
    if (!m_trabalhoAberto)
        return;
    m_trabalhoAberto = false;
    if (m_impressora && m_superficie) {
        try {
            m_superficie->EndDoc();
        } catch (const platform::Error&) {
            // The earlier job is over either way; the new one starts clean.
        }
    }
}

void Saida::LimpaEstadoPaginas()
{
    mCabecalhoPagina.clear();
    m_paginaIniciada = false;
    m_trabalhoAberto = true;
    mDispositivoSaida->SetFontName(NomeFonte);
}

void Saida::ConfiguraSuperficie(bool comoImpressora)
{
    m_impressora = comoImpressora;
    if (comoImpressora) {
        mDispositivoSaida = m_superficie.get();
        mMargemEsquerda = 200;
        mMargemSuperior = 150;
        mEscalaSaida = 4.0 / mDispositivoSaida->TwipsPerPixelX();
        m_larguraArea = m_areaImpressora.width();
    } else {
        mDispositivoSaida = m_superficie ? m_superficie.get() : &Tela();
        mMargemEsquerda = 20;
        mMargemSuperior = 8;
        mEscalaSaida = 0.25;
        m_larguraArea = SuperficieTela::kLargura;
        m_contadorPaginas = 1;
        if (mDispositivoSaida == m_tela.get())
            m_tela->Limpa();
    }
    LimpaEstadoPaginas();
}

void Saida::IniciaSaidaEm(std::unique_ptr<Superficie> superficie, bool comoImpressora, QSizeF area)
{
    EncerraTrabalhoAnterior();
    m_superficie = std::move(superficie);
    if (comoImpressora) {
        if (area.isEmpty()) {
            const int dpi = int(std::lround(1440.0 / m_superficie->TwipsPerPixelX()));
            area = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Point)
                       .paintRectPixels(dpi)
                       .size();
        }
        m_areaImpressora = area;
    }
    if (!comoImpressora && m_arquivoBase.isEmpty())
        m_arquivoBase = Modulo::ObtemPastaSistema(QStringLiteral("TEMP"), true) + MontaNomeArquivo(QStringLiteral("JPG"));
    ConfiguraSuperficie(comoImpressora);
}

QString Saida::NomePaginasCompactadas(const QString& nome) const
{
    // The part after the last "/", trimmed; a name without it is the
    // default name of an archive.  Its ".zip" is dropped.
    const int barra = nome.lastIndexOf(QLatin1Char('/'));
    QString base = barra >= 0 ? nome.mid(barra + 1).trimmed() : QString();
    if (base.isEmpty())
        base = MontaNomeArquivo(QStringLiteral("ZIP"));
    if (base.right(4).compare(QLatin1String(".zip"), Qt::CaseInsensitive) == 0)
        base.chop(4);
    return base + QStringLiteral(".jpg");
}

QString Saida::PastaTemporariaPropria()
{
    // Names made from the clock repeat within a second, in this program and
    // in another one: a folder created afresh (mkdtemp, mode 0700) in the
    // user's temporary folder holds only this output's files.
    const QString modelo = Modulo::ObtemPastaSistema(QStringLiteral("TEMP"), true) + QStringLiteral("saida-XXXXXX");
    QByteArray nativo = QFile::encodeName(modelo);
    if (::mkdtemp(nativo.data()) == nullptr)
        Modulo::LevantaErroArquivo(errno, modelo);
    return QFile::decodeName(nativo) + QLatin1Char('/');
}

namespace {

// Removes a folder made afresh for one output alone (PastaTemporariaPropria),
// with whatever it holds, and forgets it.
void RemovePastaPropria(QString& pasta)
{
    if (!pasta.isEmpty())
        QDir(pasta).removeRecursively();
    pasta.clear();
}

}  // namespace

void Saida::RemovePaginasTemporarias() { RemovePastaPropria(m_pastaPaginas); }

void Saida::RemoveArquivosTemporarios()
{
    RemovePastaPropria(m_pastaPaginas);
    RemovePastaPropria(m_pastaEnvio);
}

void Saida::IniciaSaida(int sOrientacao, bool& sOk)
{
    sOk = false;
    Ampulheta ampulheta;
    m_pastaPaginas.clear();
    m_pastaEnvio.clear();
    try {
        EncerraTrabalhoAnterior();
        if (mModoSaida == QLatin1String("P")) {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setDocName(Modulo::ObtemTexto(19));
            ampulheta.Desliga();  // the user works in the dialog
            if (!platform::printDialogs().Show(*printer))
                return;  // cancelled: no message
            ampulheta.Reativa();
            // A printer that cannot turn keeps its orientation.
            printer->setPageOrientation(sOrientacao == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
            // The printable area, in the printer's pixels.
            m_areaImpressora = QSizeF(printer->width(), printer->height());
            if (FabricaSuperficieImpressora)
                m_superficie = FabricaSuperficieImpressora(printer->resolution());
            else
                m_superficie = std::make_unique<SuperficieImpressora>(std::move(printer), GravadorDocumento);
            ConfiguraSuperficie(true);
        } else {
            const QString tipo = UnicoArquivoCompactado ? QStringLiteral("ZIP") : QStringLiteral("JPG");
            QString nome;
            if (mModoSaida == QLatin1String("G")) {
                ConfiguraDialogoArquivo(tipo);
                platform::SaveFileRequest pedido = m_dialogo;
                pedido.fileName = MontaNomeArquivo(tipo);
                ampulheta.Desliga();
                nome = platform::saveDialogs().GetSaveFileName(pedido, m_ambiente.JanelaDialogos());
                if (nome.isEmpty())
                    return;  // cancelled: no message
                ampulheta.Reativa();
            } else {
                // The files handed to the mail program: in a folder of
                // their own, so that no other output replaces or removes
                // them while the message is open.
                m_pastaEnvio = PastaTemporariaPropria();
                nome = m_pastaEnvio + MontaNomeArquivo(tipo);
            }
            m_arquivoAceito = nome;
            if (UnicoArquivoCompactado) {
                // The pages of the archive: in a folder of their own,
                // removed with it once the archive is built.
                m_arquivoCompactado = nome;
                m_pastaPaginas = PastaTemporariaPropria();
                m_arquivoBase = m_pastaPaginas + NomePaginasCompactadas(nome);
            } else {
                m_arquivoCompactado.clear();
                m_arquivoBase = nome;
            }
            m_superficie = FabricaSuperficieTela ? FabricaSuperficieTela() : nullptr;
            ConfiguraSuperficie(false);
        }
        sOk = true;
    } catch (const platform::Error& e) {
        RemoveArquivosTemporarios();
        ampulheta.Desliga();
        MostraFalha(e.number(), e.description());
    } catch (const std::exception& e) {
        RemoveArquivosTemporarios();
        ampulheta.Desliga();
        MostraFalha(Modulo::kErroInterno, QString::fromLocal8Bit(e.what()));
    }
}

void Saida::NovaPagina()
{
    if (m_impressora) {
        mDispositivoSaida->NewPage();
        return;
    }
    SalvaPaginaJpg(NumeraNomeArquivo(m_arquivoBase, m_contadorPaginas));
    ++m_contadorPaginas;
    if (mDispositivoSaida == m_tela.get())
        m_tela->Limpa();
    else
        mDispositivoSaida->NewPage();
}

long Saida::NumeroPagina() const
{
    return m_impressora ? mDispositivoSaida->Page() : m_contadorPaginas;
}

void Saida::FinalizaSaida()
{
    m_trabalhoAberto = false;
    if (m_impressora) {
        mDispositivoSaida->EndDoc();
        return;
    }
    SalvaPaginaJpg(NumeraNomeArquivo(m_arquivoBase, m_contadorPaginas));
    if (mDispositivoSaida == m_tela.get())
        m_tela->Limpa();
    else
        mDispositivoSaida->EndDoc();
}

void Saida::AbortaSaida()
{
    // The files of a failed output are no use to anyone: also once the last
    // page is written (the archive may be what failed).
    RemoveArquivosTemporarios();
    if (!m_trabalhoAberto)
        return;
    m_trabalhoAberto = false;
    if (m_impressora) {
        mDispositivoSaida->KillDoc();
        return;
    }
    if (mDispositivoSaida == m_tela.get())
        m_tela->Limpa();
}

QStringList Saida::PaginasGravadas() const
{
    QStringList paginas;
    for (int k = 1; k <= m_contadorPaginas; ++k) {
        const QString caminho = NumeraNomeArquivo(m_arquivoBase, k);
        if (Modulo::ArquivoExiste(caminho))
            paginas << caminho;
    }
    return paginas;
}

void Saida::SalvaPaginaJpg(const QString& sArquivo)
{
    const QString origem = QStringLiteral("SalvaPaginaJpg");
    QImage pagina;
    if (mDispositivoSaida == m_tela.get() && m_tela)
        pagina = m_tela->Imagem();
    else {
        // A test surface draws no pixels: its pages are written white.
        pagina = QImage(SuperficieTela::kLargura, SuperficieTela::kAltura, QImage::Format_Grayscale8);
        pagina.fill(Qt::white);
    }

    QElapsedTimer relogio;
    relogio.start();
    cJpeg jpeg;
    jpeg.SetSamplingFrequencies(1, 1, 0, 0, 0, 0);
    jpeg.SetQuality(85);
    if (jpeg.SampleHDC(pagina, SuperficieTela::kLargura, SuperficieTela::kAltura, 0, 0) != 0)
        throw ErroDispositivo(7, platform::runTimeErrorText(7), origem);
    QByteArray bytes;
    try {
        bytes = jpeg.Encode();
    } catch (const platform::Error& e) {
        throw ErroDispositivo(e.number(), e.description(), origem);
    }
    m_tempos.codificacao += relogio.nsecsElapsed() / 1e9;
    relogio.restart();

    const QString pasta = QFileInfo(sArquivo).absolutePath();
    if (!QFileInfo(pasta).isDir())
        throw ErroDispositivo(platform::errors::PathNotFound,
                              platform::runTimeErrorText(platform::errors::PathNotFound, pasta),
                              origem);
    const int e = GravadorPagina ? GravadorPagina(sArquivo, bytes) : GravaArquivoPagina(sArquivo, bytes);
    if (e != 0)
        throw ErroDispositivo(NumeroErroArquivo(e), TextoErroGravacao(sArquivo, QString::fromLocal8Bit(std::strerror(e))),
                              origem);
    m_tempos.gravacao += relogio.nsecsElapsed() / 1e9;
}

void Saida::AtualizaStatusGeracao(int sTotal, int sFeitos)
{
    if (mModoSaida == QLatin1String("P"))
        return;
    double fracao = sTotal < 1 ? 1.0 : double(sFeitos) / double(sTotal);
    if (fracao > 1)
        fracao = 1;
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    m_ambiente.MostraStatus(PrefixoStatus + local.toString(fracao * 100.0, 'f', 2) + QStringLiteral(" %"));
}

void Saida::MostraFalha(long numero, const QString& descricao) const { Modulo::MostraErro(numero, descricao); }

void Saida::FalhaPagina(const platform::Error& e) const
{
    // A page that cannot be saved or printed is not the layout's own error:
    // every later page would fail the same way.  It goes on to the output's
    // own handler, which stops the job with one box.
    if (dynamic_cast<const ErroDispositivo*>(&e))
        throw;
    MostraFalha(e.number(), e.description());
}

QString TextoNumero(const QVariant& valor)
{
    if (platform::dao::IsNull(valor))
        return {};
    const QString texto = valor.toString();
    return texto.startsWith(QLatin1Char('-')) ? texto : QStringLiteral(" ") + texto;
}

}  // namespace saida
