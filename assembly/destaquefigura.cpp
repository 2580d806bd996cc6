// Screen 4: located and marked items, label styles, the blink timer and the
// clearing of the hover state.

#include "assembly/vistaconjunto.h"

#include "assembly/consultas.h"
#include "assembly/estilos.h"
#include "assembly/rotuloitem.h"
#include "assembly/utilcontroles.h"

#include "core/database.h"
#include "core/globals.h"
#include "core/texts.h"
#include "listcontrols/thcombo.h"
#include "platform/base/doevents.h"
#include "platform/desktop/messagebox.h"

#include <QTimer>

#include <algorithm>

namespace Conjunto {

using platform::dao::RecordsetPtr;

void VistaConjunto::LocalizaItensFigura()
{
    const SolicitacaoLocalizacao s = LeSolicitacaoLocalizacao(Modulo::gParametro);
    QStringList itens = s.itens;
    if (s.componente) {
        RecordsetPtr rs = Modulo::AbreConsulta(ConsultaItensComponente(m.mCodigoPeca, *s.componente), nullptr,
                                               platform::dao::dbOpenForwardOnly);
        while (!rs->EOF_()) {
            if (!platform::dao::IsNull(rs->Value(0)))
                itens << rs->Value(0).toString();
            rs->MoveNext();
        }
        rs->Close();
    }
    Modulo::gParametro.clear();
    DestacaItensFigura(itens, s.jogo, s.textoTipo);
}

void VistaConjunto::DestacaItensFigura(const QStringList& sItens, std::optional<std::int64_t> sJogoReparo, int sNomeTipo)
{
    m_marcas = MarcaItensFigura(m_figura, sItens, sJogoReparo);
    for (const MarcaItem& marca : m_marcas) {
        if (!marca.pisca || !m.mRsItensFigura)
            continue;
        m.mRsItensFigura->FindFirst(CriterioItem(ObtemTextoItem(marca.indice, false)));
        if (m.mRsItensFigura->NoMatch())
            continue;
        MostraTitulosDados(true);
        c.lblInstrucoesF->setVisible(false);
        CorDados(kCorLocalizado);
        c.lblComponente->setText(m.mRsItensFigura->Fields(QStringLiteral("DescricaoComponente")).Text());
        c.lblNumeroEmpresa->setText(m.mRsItensFigura->Fields(QStringLiteral("NumeroEmpresaComponente")).Text());
        c.lblQuantidade->setText(m.mRsItensFigura->Fields(QStringLiteral("QuantidadeComponente")).Text());
    }
    if (sJogoReparo) {
        if (RecordsetPtr rs = RsCombo()) {
            rs->FindFirst(CriterioJogo(*sJogoReparo));
            if (rs->NoMatch() && rs->RecordCount() > 0)
                rs->MoveFirst();
        }
        c.cboTHCombo2->AtualizaCombo();
        platform::DoEvents();
        cboTHCombo2_Click();
        platform::DoEvents();
    }
    // Located labels are bold; set after the kit's marking, which restores
    // every label's plain look.
    for (const MarcaItem& marca : m_marcas)
        if (marca.pisca)
            m_rotulos[std::size_t(marca.indice)]->SetFontBold(true);
    if (m_marcas.empty()) {
        if (m_figura.TemPartes())
            MostraParteFigura(0, false);
        if (sNomeTipo >= 0)
            platform::MsgBox(Modulo::ObtemTexto(33).replace(QStringLiteral("|1|"), Modulo::ObtemTexto(sNomeTipo)) +
                                 QLatin1Char('.'),
                             platform::vbInformation, Modulo::ObtemTexto(19));
        return;
    }
    MostraParteFigura(m_figura.Item(m_marcas.front().indice).pagina, false);
    c.tmrFigura->start();
}

void VistaConjunto::tmrFigura_Timer()
{
    bool algum = false;
    for (const MarcaItem& marca : m_marcas) {
        if (!marca.pisca || !lblItem(marca.indice))
            continue;
        RotuloItem* r = m_rotulos[std::size_t(marca.indice)];
        r->SetForeColor(CorPiscaSeguinte(r->ForeColor(), marca.cor));
        algum = true;
    }
    if (!algum)
        c.tmrFigura->stop();
}

void VistaConjunto::DestacaJogoReparoFigura(std::int64_t sCodigoJogoReparo)
{
    c.tmrFigura->stop();
    std::vector<int> eramDoJogo;
    for (int i = 1; i <= m_figura.UltimoItem(); ++i)
        if (m_rotulos[std::size_t(i)]->EstiloItem == kEstiloJogoReparo) {
            m_rotulos[std::size_t(i)]->EstiloItem = kEstiloNormal;
            eramDoJogo.push_back(i);
        }
    m.mItemSobMouse = 0;
    LimpaSelecaoItem(false);
    // The clearing above is held back while the suggestion panel keeps the
    // hover; the labels that left the kit get their plain look regardless.
    for (int i : eramDoJogo)
        RestauraEstiloItem(i);
    if (CorTexto(c.lblComponente) != kCorPreto)
        CorDados(kCorPreto);
    std::vector<int> partes;
    if (sCodigoJogoReparo > 0) {
        partes = PartesDoJogo(m_figura, sCodigoJogoReparo);
        for (int i = 1; i <= m_figura.UltimoItem(); ++i)
            if (m_figura.Item(i).PertenceAoJogo(sCodigoJogoReparo)) {
                m_rotulos[std::size_t(i)]->EstiloItem = kEstiloJogoReparo;
                RestauraEstiloItem(i);
            }
    }
    DestacaPartesFigura(partes, true);
}

void VistaConjunto::DestacaPartesFigura(const std::vector<int>& sPartes, bool sForcar)
{
    if (!RsCombo())
        return;
    if (CodigoJogoReparoAtual() != 0 && !sForcar)
        return;
    if (!m_figura.TemPartes())
        return;
    const bool v = Visivel(Miniatura(0));
    bool mudou = false;
    for (int i = 0; i < m_figura.QuantidadePartes(); ++i) {
        Imagem* mini = Miniatura(i);
        const bool marcar = std::find(sPartes.begin(), sPartes.end(), i) != sPartes.end();
        if (marcar && !m_emoldurada[std::size_t(i)]) {
            mini->setVisible(false);
            mini->setGeometry(mini->geometry().adjusted(-1, -1, 1, 1));
            mini->setFrameStyle(QFrame::Box | QFrame::Plain);
            mini->setLineWidth(1);
            m_emoldurada[std::size_t(i)] = true;
            mudou = true;
            mini->setVisible(v);
        } else if (!marcar && m_emoldurada[std::size_t(i)]) {
            mini->setVisible(false);
            mini->setGeometry(mini->geometry().adjusted(1, 1, -1, -1));
            mini->setFrameStyle(QFrame::NoFrame);
            m_emoldurada[std::size_t(i)] = false;
            mudou = true;
            mini->setVisible(v);
        }
    }
    // A kit's frame makes room round a thumbnail scarcer (pages past 30).
    if (mudou)
        RecolocaQuadrosMiniaturas();
}

void VistaConjunto::RestauraEstiloItem(int indice)
{
    RotuloItem* r = lblItem(indice);
    if (!r)
        return;
    const std::optional<AparenciaItem> a = AparenciaEstilo(r->EstiloItem);
    if (!a || !RestauraMudaRotulo(r->EstiloItem, r->ForeColor(), r->BackStyle() == 1, r->FontBold()))
        return;
    r->SetForeColor(a->corTexto);
    r->SetFontBold(false);
    r->SetFontItalic(a->italico);
    r->SetBackStyle(a->opaco ? 1 : 0);
}

void VistaConjunto::RestauraTodos()
{
    for (int i = 1; i <= m_figura.UltimoItem(); ++i)
        RestauraEstiloItem(i);
}

void VistaConjunto::MostraTitulosDados(bool mostrar)
{
    c.imgTitNoTQ2->setVisible(mostrar);
    c.imgTitQuantidade3->setVisible(mostrar);
    c.imgTitComponente0->setVisible(mostrar);
}

void VistaConjunto::CorDados(long cor)
{
    DefineCorTexto(c.lblComponente, cor);
    DefineCorTexto(c.lblNumeroEmpresa, cor);
    DefineCorTexto(c.lblQuantidade, cor);
}

void VistaConjunto::LimpaSelecaoItem(bool sForcar)
{
    if (m.mItemSobMouse == -1 || (!sForcar && m.mManterSelecaoFigura))
        return;
    MostraTitulosDados(false);
    c.lblInstrucoesF->setVisible(false);
    c.lblComponente->clear();
    c.lblNumeroEmpresa->clear();
    c.lblQuantidade->clear();
    c.lblObsRapida->clear();
    c.shpSelecaoItem->setVisible(false);
    if (RotuloItem* r = m.mItemSobMouse > 0 ? lblItem(m.mItemSobMouse) : nullptr)
        r->SetCaption(ObtemTextoItem(m.mItemSobMouse, true));
    RestauraTodos();
    DestacaPartesFigura({}, false);
    platform::DoEvents();
    c.pctJogoReparo->setVisible(false);
    c.pctSugestaoCompra->setVisible(false);
    c.pctToolTipFig_Pop->setVisible(false);
    m.mManterSelecaoFigura = false;
    m.mItemSobMouse = -1;
}

void VistaConjunto::LimpaDestaqueFigura()
{
    c.tmrFigura->stop();
    for (const MarcaItem& marca : m_marcas)
        if (marca.pisca)
            RestauraEstiloItem(marca.indice);
    MostraTitulosDados(false);
    c.lblInstrucoesF->setVisible(false);
    c.lblComponente->clear();
    c.lblNumeroEmpresa->clear();
    c.lblQuantidade->clear();
    c.lblObsRapida->clear();
    c.lblDescricaoParteFigura->clear();
    DefineTag(c.lblDescricaoParteFigura, QString());
    if (CorTexto(c.lblComponente) != kCorPreto)
        CorDados(kCorPreto);
    LimpaSelecaoItem(false);
}

}  // namespace Conjunto
