// Screen 4: entering and leaving the figure, building it, and its pages.

#include "assembly/vistaconjunto.h"

#include "assembly/consultas.h"
#include "assembly/estilos.h"
#include "assembly/rotuloitem.h"
#include "assembly/utilcontroles.h"

#include "core/database.h"
#include "core/datapath.h"
#include "core/errorbox.h"
#include "core/globals.h"
#include "core/imagemdados.h"
#include "core/itemtexts.h"
#include "core/texts.h"
#include "listcontrols/thcombo.h"
#include "platform/base/doevents.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmapCache>
#include <QTimer>

#include <sys/stat.h>

namespace Conjunto {

using platform::dao::RecordsetPtr;

namespace {

constexpr int kNenhumaParte = 255;
constexpr int kMiniaturasDesenho = 30;
// Labels kept for the next figure at most (the largest figures have about a
// thousand).
constexpr std::size_t kRotulosGuardados = 2048;
const QSize kDesenhoVazio(700, 415);

// A thumbnail drawn for pages past the window's thirty: a white button with
// a blue border and the page number, in the picture set's style.
QPixmap DesenhaMiniatura(int numero, QSize tamanho)
{
    QPixmap px(tamanho);
    px.fill(QColor(0xF3, 0xF9, 0xFE));
    QPainter p(&px);
    const QColor marca(0x37, 0x45, 0x91);
    p.setPen(QPen(marca, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, tamanho.width() - 1, tamanho.height() - 1));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(marca);
    // The number where it fits; the narrow thumbnails of many pages are
    // plain buttons.
    const QString texto = QString::number(numero);
    const QFontMetrics medidas(f);
    if (medidas.horizontalAdvance(texto) <= tamanho.width() - 2 && medidas.capHeight() <= tamanho.height() - 2)
        p.drawText(QRect(QPoint(0, 0), tamanho), Qt::AlignCenter, texto);
    return px;
}

// A frame that marks a thumbnail, drawn where its design picture does not
// fit (thumbnails closer than the design's): a ring of the design picture's
// colour along its edge, up to the design's 3 pixels thick, a pixel clear of
// the thumbnail where the margin leaves room for it, the rest see-through.
// Like the design picture it lies under its thumbnail: a side that a
// neighbour's kit frame leaves no room on has its ring under the
// thumbnail's own edge, and the thumbnail stays whole.
QPixmap DesenhaQuadro(const QPixmap& desenho, QSize tamanho, int margem)
{
    if (desenho.isNull() || tamanho.isEmpty())
        return {};
    const QImage modelo = desenho.toImage();
    const QColor anel = modelo.pixelColor(1, modelo.height() / 2);
    const int e = std::clamp(margem - 1, 1, 3);
    const int w = tamanho.width(), h = tamanho.height();
    QPixmap px(tamanho);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.fillRect(0, 0, w, e, anel);
    p.fillRect(0, h - e, w, e, anel);
    p.fillRect(0, 0, e, h, anel);
    p.fillRect(w - e, 0, e, h, anel);
    return px;
}

// A page's drawing, decoded once while its file stays the same: pages are
// shown again and again (page turns, figure and table and back, the same
// assembly reopened), and decoding is the dearest part of showing one.  The
// key is the resolved file with what any replacement of it changes: a file
// renamed into its place (an update) has another inode, and a file written
// over in place (a copy, an archive unpacked over the folder) a new change
// time, which unlike the modification time no copy or archive tool sets
// back; the size goes with them.
QPixmap DesenhoPagina(const QString& sArquivo)
{
    const QString nome = QStringLiteral("Figuras\\") + sArquivo;
    const QString caminho = Modulo::ResolveNomeDados(nome);
    struct stat estado {};
    if (caminho.isEmpty() || ::stat(QFile::encodeName(caminho).constData(), &estado) != 0 || !S_ISREG(estado.st_mode))
        return {};
    const QString chave = QStringLiteral("tqdesenho:%1:%2:%3:%4:%5.%6")
                              .arg(caminho, QString::number(quint64(estado.st_dev)), QString::number(quint64(estado.st_ino)),
                                   QString::number(qint64(estado.st_size)), QString::number(qint64(estado.st_ctim.tv_sec)),
                                   QStringLiteral("%1").arg(qint64(estado.st_ctim.tv_nsec), 9, 10, QLatin1Char('0')));
    QPixmap desenho;
    if (QPixmapCache::find(chave, &desenho))
        return desenho;
    const QImage imagem = Modulo::CarregaImagemDados(nome);
    if (imagem.isNull())
        return {};
    desenho = QPixmap::fromImage(imagem);
    QPixmapCache::insert(chave, desenho);
    return desenho;
}

}  // namespace

RotuloItem* VistaConjunto::lblItem(int indice) const
{
    return indice >= 1 && indice < int(m_rotulos.size()) ? m_rotulos[std::size_t(indice)] : nullptr;
}

Imagem* VistaConjunto::Miniatura(int pagina) const
{
    if (pagina < 0)
        return nullptr;
    if (pagina < int(c.imgParteFigura.size()))
        return c.imgParteFigura[std::size_t(pagina)];
    const std::size_t k = std::size_t(pagina) - c.imgParteFigura.size();
    return k < m_miniaturasExtras.size() ? m_miniaturasExtras[k].data() : nullptr;
}

bool VistaConjunto::MiniaturaEmoldurada(int pagina) const
{
    return pagina >= 0 && pagina < int(m_emoldurada.size()) && m_emoldurada[std::size_t(pagina)];
}

QString VistaConjunto::ObtemTextoItem(int sIndice, bool sResumido) const { return m_figura.ObtemTextoItem(sIndice, sResumido); }

int VistaConjunto::ParteSeguinte() const { return m_figura.ParteSeguinte(m_parteAtual); }
int VistaConjunto::ParteAnterior() const { return m_figura.ParteAnterior(m_parteAtual); }

void VistaConjunto::DefineParteAtual(int parte)
{
    m_parteAtual = parte;
    m.mParteFiguraAtual = parte >= 0 && parte < kNenhumaParte ? quint8(parte) : quint8(kNenhumaParte);
}

// ---------------------------------------------------------------------------
// Entry and exit

void VistaConjunto::MostraFigura(int sTelaOrigem)
{
    switch (sTelaOrigem) {
    case 3:
        m.mHistoricoTelas += QLatin1Char('4');
        m_janela.EscondeListaPecas();
        break;
    case 5:
        m.mHistoricoTelas = m.mHistoricoTelas.left(m.mHistoricoTelas.size() - 1) + QLatin1Char('4');
        EscondeComponentes();
        break;
    case 8:
        m.mHistoricoTelas = m.mHistoricoTelas.left(m.mHistoricoTelas.size() - 1) + QLatin1Char('4');
        m_janela.EscondeComparacao();
        break;
    default: break;
    }
    m_janela.CarregaImagensTela(QStringLiteral("C"), 4);
    if ((!m.mTabelaCarregada && !m.mFiguraCarregada) || m.mCodigoPecaComparacao >= 1)
        m_janela.MostraSubTitulo(Modulo::ObtemTituloItem(QStringLiteral("PCA"), long(m.mCodigoPeca)), true);

    if (m.mFiguraCarregada) {
        CarregaComboJogosReparo(QString());
        if (RecordsetPtr rs = RsCombo())
            rs->FindFirst(CriterioJogo(m.mJogoReparoFigura));
        c.cboTHCombo2->AtualizaCombo();
    } else {
        m_janela.PosicionaBotaoTabela(m.mCodigoPecaComparacao >= 1 ? 18 : 23);
        CarregaComboJogosReparo(QString());
        c.cboTHCombo2->SetTag(Modulo::ObtemTexto(9).toUpper());
        if (!m.mTabelaCarregada)
            ConfiguraComboJogosReparo();
        c.cboTHCombo2->AtualizaCombo();
        CarregaFigura();
        AbreComponentesFigura();
        DestacaPartesFigura({}, false);
        m.mFiguraCarregada = true;
    }
    c.cboTHCombo2->VisiblePctTexto(CodigoJogoReparoAtual() == 0, c.cboTHCombo2->Tag(), 1);
    m.mItemSobMouse = -1;
    LocalizaItensFigura();
    c.pctTela4->setVisible(true);
    c.pctTela4->update();
    const RecordsetPtr rs = RsCombo();
    c.cboTHCombo2->setVisible(rs && rs->RecordCount() > 1);
    c.cboTHCombo2->raise();
    m_janela.AjustaBotoesNavegacao(4);
}

void VistaConjunto::EscondeFigura()
{
    m_janela.AjustaBotoesNavegacao(200);
    c.cboTHCombo2->setVisible(false);
    c.pctTela4->setVisible(false);
    c.lblDescricaoParteFigura->clear();
    DefineTag(c.lblDescricaoParteFigura, QString());
    m.mManterSelecaoFigura = false;
    LimpaDestaqueFigura();
    if (RecordsetPtr rs = RsCombo())
        rs->Close();
    c.dtcTHCombo2->SetRecordset(nullptr);
    CarregaImagemFigura(QString());
    m_janela.CarregaImagensTela(QStringLiteral("D"), 4);
}

void VistaConjunto::FechaFigura()
{
    m_janela.AjustaBotoesNavegacao(200);
    c.cboTHCombo2->setVisible(false);
    c.pctTela4->setVisible(false);
    c.cboTHCombo2->Descarrega();
    try {
        if (RecordsetPtr rs = RsCombo())
            rs->Close();
    } catch (...) {
    }
    c.dtcTHCombo2->SetRecordset(nullptr);
    c.lblDescricaoParteFigura->clear();
    DefineTag(c.lblDescricaoParteFigura, QString());
    m.mManterSelecaoFigura = false;
    LimpaDestaqueFigura();
    DescarregaItensFigura();
    m.mFiguraCarregada = false;
    CarregaImagemFigura(QString());
    m_janela.CarregaImagensTela(QStringLiteral("D"), 4);
}

void VistaConjunto::DescarregaItensFigura()
{
    c.tmrFigura->stop();
    // The labels are kept, hidden, for the next figure: making and
    // destroying a widget per label is most of building a figure.
    for (std::size_t i = 1; i < m_rotulos.size(); ++i) {
        m_rotulos[i]->setVisible(false);
        if (m_rotulosLivres.size() < kRotulosGuardados)
            m_rotulosLivres.push_back(m_rotulos[i]);
        else
            delete m_rotulos[i];
    }
    m_rotulos.assign(1, nullptr);
    m_marcas.clear();
    if (m_figura.TemPartes()) {
        CarregaImagemFigura(QString());
        for (int i = 0; i < m_figura.QuantidadePartes(); ++i)
            if (Imagem* mini = Miniatura(i))
                mini->setVisible(false);
        c.imgQuadradoParteAtual->setVisible(false);
        c.imgQuadradoParteSelecionada->setVisible(false);
    }
    // Thumbnails back to their design places, none framed.
    for (const QPointer<Imagem>& extra : m_miniaturasExtras)
        delete extra.data();
    m_miniaturasExtras.clear();
    for (std::size_t i = 0; i < m_posicaoMiniatura.size(); ++i) {
        Imagem* mini = c.imgParteFigura[i];
        mini->setFrameStyle(QFrame::NoFrame);
        mini->SetPicture(m_figuraMiniatura[i]);
        mini->setGeometry(m_posicaoMiniatura[i]);
    }
    m_emoldurada.assign(c.imgParteFigura.size(), false);
    m_miniaturaSobMouse = -1;
    m_figura.Limpa();
    m.mPartesFigura = QStringList();
    try {
        if (m.mRsItensFigura)
            m.mRsItensFigura->Close();
    } catch (...) {
    }
    m.mRsItensFigura.reset();
    m_achado = false;
}

// ---------------------------------------------------------------------------
// Building the figure

void VistaConjunto::CarregaFigura()
{
    c.lblProximaPaginaF_Pop->setText(Modulo::ObtemTexto(117));
    c.lblProximaPaginaF_Pop->adjustSize();
    c.lblOpTp->setText(Modulo::ObtemTexto(119));
    c.lblOpTp->adjustSize();
    c.lblObsTp->setText(Modulo::ObtemTexto(118));
    c.lblObsTp->adjustSize();
    c.lblInstrucoesF->setText(Modulo::ObtemTexto(120));

    {
        RecordsetPtr rs = Modulo::AbreConsulta(ConsultaFigura(m.mCodigoPeca, Modulo::gIdioma), nullptr,
                                               platform::dao::dbOpenForwardOnly);
        m_figura.Carrega(FiguraModelo::LeLinhas(*rs));
        rs->Close();
    }
    DefineParteAtual(kNenhumaParte);
    QStringList faixas;
    for (int i = 0; i < m_figura.QuantidadePartes(); ++i)
        faixas << QStringLiteral("%1|%2").arg(m_figura.Parte(i).primeiro).arg(m_figura.Parte(i).ultimo);
    m.mPartesFigura = faixas;
    m.mUltimoItemFigura = m_figura.UltimoItem();
    m_arquivoAtual.clear();

    // The thumbnails' design places, as the window's layout left them (a
    // figure of more than thirty pages moves them; unloading puts them back).
    if (m_posicaoMiniatura.empty()) {
        for (Imagem* mini : c.imgParteFigura) {
            m_posicaoMiniatura.push_back(mini->geometry());
            m_figuraMiniatura.push_back(mini->Picture());
        }
        m_desenhoQuadroAtual = c.imgQuadradoParteAtual->Picture();
        m_desenhoQuadroSelecao = c.imgQuadradoParteSelecionada->Picture();
    }

    const QPoint origem = c.imgFiguraDetalhada->pos();
    m_rotulos.assign(1, nullptr);
    m_rotulos.reserve(std::size_t(m_figura.UltimoItem()) + 1);
    for (int i = 1; i <= m_figura.UltimoItem(); ++i) {
        const ItemFigura& item = m_figura.Item(i);
        RotuloItem* rotulo = nullptr;
        if (!m_rotulosLivres.empty()) {
            // A kept label, made as new and put above its siblings as a
            // new one would be.
            rotulo = m_rotulosLivres.back();
            m_rotulosLivres.pop_back();
            rotulo->Reinicia(i, item.legenda);
            rotulo->raise();
        } else {
            rotulo = new RotuloItem(i, item.legenda, c.pctTela4, this);
            rotulo->setVisible(false);
        }
        rotulo->move(origem + QPoint(item.left, item.top));
        rotulo->EstiloItem = item.estilo;
        m_rotulos.push_back(rotulo);
        if (item.estilo == kEstiloNaoAplicavel)
            RestauraEstiloItem(i);
    }

    // Thumbnails: every page of a figure of two pages or more.
    const int partes = m_figura.QuantidadePartes();
    for (int i = int(c.imgParteFigura.size()); i < partes; ++i) {
        auto* mini = new Imagem(c.pctTela4);
        mini->SetMousePointer(99);
        LigaMiniatura(mini, i);
        m_miniaturasExtras.emplace_back(mini);
    }
    m_emoldurada.assign(std::size_t(std::max<int>(partes, int(c.imgParteFigura.size()))), false);
    PosicionaMiniaturas();
    for (int i = 0; i < partes; ++i) {
        Imagem* mini = Miniatura(i);
        mini->SetTag(m_figura.Parte(i).descricao);
        mini->setVisible(partes >= 2);
    }
    c.imgFiguraDetalhada->lower();
    c.lblInstrucoesF->setVisible(true);
}

void VistaConjunto::PosicionaMiniaturas()
{
    const int partes = m_figura.QuantidadePartes();
    m_margemQuadro = MargemQuadroMiniatura(partes);
    for (int i = 0; i < partes; ++i) {
        Imagem* mini = Miniatura(i);
        if (partes <= kMiniaturasDesenho) {
            mini->setGeometry(m_posicaoMiniatura[std::size_t(i)]);
            continue;
        }
        // Every thumbnail takes its place and size among all pages; the
        // window's own keep their pictures while those still fit.
        const QRect r = RetanguloMiniatura(i, partes);
        const bool daJanela = i < int(c.imgParteFigura.size());
        if (!daJanela || r.size() != m_posicaoMiniatura[std::size_t(i)].size())
            mini->SetPicture(DesenhaMiniatura(i + 1, r.size()));
        mini->setGeometry(r);
    }
}

void VistaConjunto::ColocaQuadroMiniatura(Imagem* quadro, const QPixmap& desenho, int pagina)
{
    const int partes = m_figura.QuantidadePartes();
    if (pagina < 0 || pagina >= partes)
        return;
    std::vector<QRect> miniaturas;
    miniaturas.reserve(std::size_t(partes));
    for (int i = 0; i < partes; ++i)
        miniaturas.push_back(Miniatura(i)->geometry());
    const QRect r = RetanguloQuadroMiniatura(miniaturas, m_emoldurada, pagina, m_margemQuadro);
    // The design picture where it fits as designed (always up to 30 pages).
    const QRect mostrada = miniaturas[std::size_t(pagina)];
    const QRect propria = MiniaturaEmoldurada(pagina) ? mostrada.adjusted(1, 1, -1, -1) : mostrada;
    const bool comoDesenhado = r == propria.adjusted(-4, -4, 4, 4) && r.size() == desenho.size();
    const QPixmap figura = comoDesenhado ? desenho : DesenhaQuadro(desenho, r.size(), m_margemQuadro);
    if (quadro->Picture().cacheKey() != figura.cacheKey())
        quadro->SetPicture(figura);
    quadro->setGeometry(r);
}

void VistaConjunto::RecolocaQuadrosMiniaturas()
{
    if (m_parteAtual >= 0 && m_parteAtual < m_figura.QuantidadePartes())
        ColocaQuadroMiniatura(c.imgQuadradoParteAtual, m_desenhoQuadroAtual, m_parteAtual);
    ColocaQuadroMiniatura(c.imgQuadradoParteSelecionada, m_desenhoQuadroSelecao, m_miniaturaSobMouse);
}

void VistaConjunto::AbreComponentesFigura()
{
    m.mRsItensFigura = Modulo::AbreConsulta(
        ConsultaComponentesFigura(m.mCodigoPeca, Modulo::gEdicao != QLatin1String("M"), Modulo::gIdioma), nullptr,
        platform::dao::dbOpenSnapshot);
    m_achado = false;
}

void VistaConjunto::CarregaImagemFigura(const QString& sArquivo)
{
    const QPixmap desenho = sArquivo.trimmed().isEmpty() ? QPixmap() : DesenhoPagina(sArquivo);
    if (desenho.isNull()) {
        c.imgFiguraDetalhada->clear();
        c.imgFiguraDetalhada->resize(kDesenhoVazio);
        m_arquivoAtual.clear();
        return;
    }
    c.imgFiguraDetalhada->setPixmap(desenho);
    c.imgFiguraDetalhada->resize(desenho.size());
    m_arquivoAtual = sArquivo;
}

// ---------------------------------------------------------------------------
// Pages

void VistaConjunto::MostraParteFigura(int sParte, bool sLimpar)
{
    if (!m_figura.TemPartes() || sParte < 0 || sParte >= m_figura.QuantidadePartes())
        return;
    if (sLimpar) {
        m.mManterSelecaoFigura = false;
        LimpaSelecaoItem(false);
        c.lblInstrucoesF->setVisible(true);
    }
    for (int i = 0; i < m_figura.QuantidadePartes(); ++i)
        Miniatura(i)->SetMousePointer(i == sParte ? 0 : 99);
    c.imgQuadradoParteSelecionada->setVisible(false);
    c.imgQuadradoParteAtual->setVisible(false);
    Imagem* mini = Miniatura(sParte);
    ColocaQuadroMiniatura(c.imgQuadradoParteAtual, m_desenhoQuadroAtual, sParte);
    c.imgQuadradoParteAtual->setVisible(!Miniatura(0)->isHidden());
    c.imgQuadradoParteAtual->stackUnder(mini);

    const int atual = m_parteAtual;
    if (atual != kNenhumaParte && atual >= 0 && atual < m_figura.QuantidadePartes()) {
        const ParteFigura& p = m_figura.Parte(atual);
        for (int i = p.primeiro; i <= p.ultimo; ++i)
            m_rotulos[std::size_t(i)]->setVisible(false);
        CarregaImagemFigura(QString());
    }
    const ParteFigura& nova = m_figura.Parte(sParte);
    for (int i = nova.primeiro; i <= nova.ultimo; ++i)
        m_rotulos[std::size_t(i)]->setVisible(true);
    CarregaImagemFigura(nova.arquivo);
    c.lblDescricaoParteFigura->SetTag(nova.descricao);
    c.lblDescricaoParteFigura->SetForeColor(0xA5743A);
    c.lblDescricaoParteFigura->setText(nova.descricao);
    c.lblDescricaoParteFigura->adjustSize();
    DefineParteAtual(sParte);
}

void VistaConjunto::imgParteFigura_Click(int Index)
{
    if (Index == m_parteAtual || Index < 0 || Index >= m_figura.QuantidadePartes())
        return;
    Ampulheta ampulheta;
    LimpaDestaqueFigura();
    platform::DoEvents();
    m_janela.DefineChaveDestaque(QStringLiteral("FORM"));
    MostraParteFigura(Index, true);
}

void VistaConjunto::imgParteFigura_MouseMove(int Index)
{
    if (Index < 0 || Index >= m_figura.QuantidadePartes())
        return;
    const QString chave = QStringLiteral("PARTEFIGURA") + QString::number(Index);
    if (m_janela.ChaveDestaque() == chave)
        return;
    c.imgQuadradoParteSelecionada->setVisible(false);
    Imagem* mini = Miniatura(Index);
    m_miniaturaSobMouse = Index;
    ColocaQuadroMiniatura(c.imgQuadradoParteSelecionada, m_desenhoQuadroSelecao, Index);
    m_janela.DestacaControle(chave);
    // Under the thumbnail it marks (the design picture is opaque all over),
    // once the window's highlight has shown it: that raises what it shows.
    c.imgQuadradoParteSelecionada->stackUnder(mini);
    c.lblDescricaoParteFigura->setText(m_figura.Parte(Index).descricao);
    c.lblDescricaoParteFigura->adjustSize();
}

}  // namespace Conjunto
