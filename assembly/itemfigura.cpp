// Screen 4: hovering an item label (data line, related labels, tooltip and
// kit panels) and the buttons released over it (next component, item menu).

#include "assembly/vistaconjunto.h"

#include "assembly/consultas.h"
#include "assembly/estilos.h"
#include "assembly/menuitem.h"
#include "assembly/painelitem.h"
#include "assembly/rotuloitem.h"
#include "assembly/utilcontroles.h"

#include "core/database.h"
#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/janelas.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "platform/base/doevents.h"
#include "platform/desktop/popupmenu.h"

#include <QCursor>
#include <QFontMetrics>
#include <QTimer>

namespace Conjunto {

using platform::dao::RecordsetPtr;

namespace {

QString Campo(const RecordsetPtr& rs, const char* nome) { return rs->Fields(QLatin1String(nome)).Text(); }

QPoint PosicaoNoForm(const QWidget* w)
{
    int x = 0, y = 0;
    Modulo::ObtemPosicaoNoForm(w, x, y);
    return {x, y};
}

}  // namespace

void VistaConjunto::lblItem_MouseMove(int Index)
{
    RotuloItem* rotulo = lblItem(Index);
    if (!rotulo)
        return;
    if (Index == m.mItemSobMouse) {
        if (m.mManterSelecaoFigura)
            m.mManterSelecaoFigura = false;
        return;
    }
    if (m.mItemSobMouse != -1 || c.tmrFigura->isActive()) {
        c.tmrFigura->stop();
        RestauraTodos();
        if (CorTexto(c.lblComponente) != kCorPreto)
            CorDados(kCorPreto);
        DestacaPartesFigura({}, false);
    }
    if (rotulo->EstiloItem == kEstiloJogoReparo)
        rotulo->SetBackStyle(0);
    if (RotuloItem* anterior = m.mItemSobMouse > 0 ? lblItem(m.mItemSobMouse) : nullptr)
        anterior->SetCaption(ObtemTextoItem(m.mItemSobMouse, true));
    m.mItemSobMouse = static_cast<short>(Index);
    c.shpSelecaoItem->setVisible(false);
    rotulo->SetCaption(ObtemTextoItem(Index, false));

    const int largura = RotuloItem::LarguraTexto(rotulo->Caption(), false, rotulo->FontItalic()) + 9;
    c.shpSelecaoItem->setGeometry(rotulo->x() - 4, rotulo->y() - 2, largura, 17);
    c.shpSelecaoItem->raise();
    rotulo->raise();
    c.shpSelecaoItem->setVisible(true);
    ExibeDadosItemFigura(Index, 1, false, 0, true);
}

void VistaConjunto::ExibeDadosItemFigura(int sIndice, int sPosicao, bool sRestaurar, std::int64_t sCodigoComponente,
                                         bool sMostrarPainel)
{
    const RecordsetPtr& rs = m.mRsItensFigura;
    bool achado = false;
    QString t;
    if (sIndice >= 0 && rs) {
        t = ObtemTextoItem(sIndice, false);
        rs->FindFirst(CriterioItemComponente(t, sCodigoComponente));
        achado = !rs->NoMatch();
        if (sPosicao > 1 && achado) {
            rs->Move(sPosicao - 1);
            achado = !rs->EOF_();
        }
        if (sRestaurar) {
            RestauraTodos();
            if (CorTexto(c.lblComponente) != kCorPreto)
                CorDados(kCorPreto);
            DestacaPartesFigura({}, false);
        }
    }
    m_achado = achado;

    // The data line.
    long posicao = -1;
    if (sIndice < 0 || !achado) {
        MostraTitulosDados(false);
        c.lblInstrucoesF->setVisible(false);
        c.lblComponente->clear();
        c.lblNumeroEmpresa->clear();
        c.lblQuantidade->clear();
        c.lblObsRapida->setText(Modulo::ObtemTexto(30).toUpper());
    } else {
        MostraTitulosDados(true);
        c.lblInstrucoesF->setVisible(false);
        c.lblComponente->setText(Campo(rs, "DescricaoComponente"));
        c.lblNumeroEmpresa->setText(Campo(rs, "NumeroEmpresaComponente"));
        c.lblQuantidade->setText(Campo(rs, "QuantidadeComponente"));
        posicao = rs->AbsolutePosition();
        QString anexos;
        c.lblObsRapida->setText(FlagLigada(Campo(rs, "Observacao"))
                                    ? Modulo::ObtemObservacoes(QStringLiteral("COM"),
                                                               long(rs->Value(QStringLiteral("CodigoComponente")).toLongLong()),
                                                               long(m.mCodigoPeca), Campo(rs, "ItemComponente"), true, QString(),
                                                               QString(), anexos)
                                    : QString());
    }
    c.lblObsRapida->adjustSize();

    // How many components the item has, the one shown counted.
    int n = 1;
    if (achado) {
        int seguintes = 0;
        rs->MoveNext();
        while (!rs->EOF_() && Campo(rs, "ItemComponente") == t &&
               (sCodigoComponente == 0 || rs->Value(QStringLiteral("CodigoComponente")).toLongLong() == sCodigoComponente)) {
            ++seguintes;
            rs->MoveNext();
        }
        n = 1 + seguintes + (sPosicao > 1 ? sPosicao - 1 : 0);
        rs->SetAbsolutePosition(posicao);
    }
    c.lblPaginaXdeXF_Pop->setText(
        Modulo::ObtemTexto(116).replace(QStringLiteral("|1|"), QString::number(sPosicao)).replace(QStringLiteral("|2|"), QString::number(n)));
    c.lblPaginaXdeXF_Pop->adjustSize();
    DefineTag(c.lblPaginaXdeXF_Pop, QString::number(sPosicao));
    DefineTag(c.lblProximaPaginaF_Pop, QString::number(n));

    // The tooltip panel.
    if (sMostrarPainel) {
        const bool opt = achado && FlagLigada(Campo(rs, "Opcional"));
        const bool obs = achado && FlagLigada(Campo(rs, "Observacao"));
        c.imgOpTp->setVisible(opt);
        c.lblOpTp->setVisible(opt);
        c.imgObsTp->setVisible(obs);
        c.lblObsTp->setVisible(obs);
        c.pctToolTipFig_Pop->setVisible(false);
        EntradaDica e;
        e.componentes = n;
        e.edicaoNaoMaritima = Modulo::gEdicao != QLatin1String("M");
        e.opcional = opt;
        e.observacao = obs;
        e.paginacao = c.lblPaginaXdeXF_Pop->geometry();
        e.proxima = c.lblProximaPaginaF_Pop->geometry();
        e.iconeOpcional = c.imgOpTp->geometry();
        e.rotuloOpcional = c.lblOpTp->geometry();
        e.iconeObservacao = c.imgObsTp->geometry();
        e.rotuloObservacao = c.lblObsTp->geometry();
        e.quadro = PosicaoNoForm(c.shpSelecaoItem);
        e.larguraQuadro = c.shpSelecaoItem->width();
        e.tela = QRect(PosicaoNoForm(c.pctTela4), c.pctTela4->size());
        const GeometriaDica g = CalculaDica(e);
        if (g.modo != 0) {
            c.lblPaginaXdeXF_Pop->setVisible(g.paginacaoVisivel);
            c.lblProximaPaginaF_Pop->setVisible(g.paginacaoVisivel);
            if (g.topoOpcional >= 0) {
                c.imgOpTp->move(c.imgOpTp->x(), g.topoOpcional);
                c.lblOpTp->move(c.lblOpTp->x(), g.topoOpcional);
            }
            if (g.topoObservacao >= 0) {
                c.imgObsTp->move(c.imgObsTp->x(), g.topoObservacao);
                c.lblObsTp->move(c.lblObsTp->x(), g.topoObservacao);
            }
            c.pctToolTipFig_Pop->setGeometry(g.painel);
            c.pctToolTipFig_Pop->raise();
            c.pctToolTipFig_Pop->setVisible(true);
        }
    }

    // Related labels.
    if (sIndice >= 0 && achado) {
        const ItensRelacionados rel = RelacionadosDoItem(m_figura, sIndice);
        for (int i : rel.azuis) {
            m_rotulos[std::size_t(i)]->SetFontBold(true);
            m_rotulos[std::size_t(i)]->SetForeColor(kCorAzul);
        }
        for (int i : rel.vermelhos) {
            m_rotulos[std::size_t(i)]->SetFontBold(true);
            m_rotulos[std::size_t(i)]->SetForeColor(kCorVermelho);
        }
        DestacaPartesFigura(rel.partes, false);
    }
    platform::DoEvents();
    if (sIndice >= 0 && achado) {
        MostraJogosReparoItem(sIndice);
        const RotuloItem* rotulo = lblItem(sIndice);
        m_janela.MostraSugestaoFigura(sIndice, rotulo ? rotulo->x() : 0);
    }
}

void VistaConjunto::MostraJogosReparoItem(int sIndice)
{
    const RecordsetPtr& rs = m.mRsItensFigura;
    const bool desejado = TelaAtual() == 4 && m.mItemSobMouse != -1 && m_achado && rs && !rs->EOF_() && !rs->BOF() &&
                          FlagLigada(Campo(rs, "JogoReparo"));
    if (desejado && CarregaJogosReparoItem(m.mCodigoPeca, Campo(rs, "ItemComponente"))) {
        const RotuloItem* rotulo = lblItem(sIndice);
        const QPoint tela = PosicaoNoForm(c.pctTela4);
        const int x = EsquerdaPainelJogos(m_janela.LarguraInterna(), c.imgFiguraDetalhada->x(), c.imgFiguraDetalhada->width(),
                                          rotulo ? rotulo->x() : 0, c.pctSugestaoCompra->width(), tela.x());
        c.pctJogoReparo->move(x, tela.y() + c.imgFiguraDetalhada->y());
        c.pctJogoReparo->raise();
        c.pctJogoReparo->setVisible(true);
        return;
    }
    // Not wanted, or the item's kits could not be read: no panel (rather
    // than one showing another item's kits).
    if (Visivel(c.pctJogoReparo))
        c.pctJogoReparo->setVisible(false);
}

void VistaConjunto::DescarregaLinhasJogos()
{
    for (const QPointer<Rotulo>& l : m_linhasJogos)
        delete l.data();
    m_linhasJogos.clear();
}

bool VistaConjunto::CarregaJogosReparoItem(std::int64_t sCodigoPeca, const QString& sItem)
{
    DescarregaLinhasJogos();
    RecordsetPtr rs = Modulo::AbreConsulta(ConsultaJogosItem(sCodigoPeca, sItem, Modulo::gIdioma), nullptr,
                                           platform::dao::dbOpenSnapshot);
    std::vector<Rotulo*> numeros, descricoes;
    std::vector<int> larguras, alturas;
    auto copia = [&](Rotulo* modelo) {
        auto* l = new Rotulo(modelo->parentWidget(), {}, modelo->AutoSize());
        l->setFont(modelo->font());
        l->setPalette(modelo->palette());
        l->setProperty("ForeColor", modelo->property("ForeColor"));
        l->setWordWrap(modelo->wordWrap());
        l->setAlignment(modelo->alignment());
        l->setGeometry(modelo->geometry());
        m_linhasJogos.emplace_back(l);
        return l;
    };
    for (int i = 0; !rs->EOF_(); ++i, rs->MoveNext()) {
        Rotulo* numero = i == 0 ? c.lblNumeroJogoReparo0 : copia(c.lblNumeroJogoReparo0);
        Rotulo* descricao = i == 0 ? c.lblDescricaoJogoReparo0 : copia(c.lblDescricaoJogoReparo0);
        numero->setText(Campo(rs, "NumeroEmpresaJogoReparo"));
        numero->adjustSize();
        descricao->setText(Campo(rs, "DescricaoJogoReparo"));
        const QFontMetrics fm(descricao->font());
        larguras.push_back(fm.horizontalAdvance(descricao->text()));
        alturas.push_back(fm.boundingRect(QRect(0, 0, descricao->width(), 1000), Qt::TextWordWrap, descricao->text()).height() + 2);
        numeros.push_back(numero);
        descricoes.push_back(descricao);
    }
    rs->Close();
    if (numeros.empty())
        return false;
    const GeometriaPainelJogos g = CalculaPainelJogos(larguras, c.lblDescricaoJogoReparo0->width(), alturas);
    for (std::size_t i = 0; i < numeros.size(); ++i) {
        numeros[i]->move(numeros[i]->x(), g.topos[i]);
        descricoes[i]->setGeometry(descricoes[i]->x(), g.topos[i], descricoes[i]->width(), g.alturas[i]);
        numeros[i]->setVisible(true);
        descricoes[i]->setVisible(true);
    }
    c.imgJogoReparoRodape->move(c.imgJogoReparoRodape->x(), g.topoRodape);
    c.pctJogoReparo->resize(c.pctJogoReparo->width(), g.topoRodape + c.imgJogoReparoRodape->height());
    return true;
}

std::vector<std::pair<QString, QString>> VistaConjunto::LinhasPainelJogos() const
{
    std::vector<std::pair<QString, QString>> out;
    if (!Visivel(c.pctJogoReparo))
        return out;
    out.emplace_back(c.lblNumeroJogoReparo0->text(), c.lblDescricaoJogoReparo0->text());
    for (std::size_t k = 0; k + 1 < m_linhasJogos.size(); k += 2)
        out.emplace_back(m_linhasJogos[k]->text(), m_linhasJogos[k + 1]->text());
    return out;
}

// ---------------------------------------------------------------------------
// Buttons over a label: the next component, the item menu.

void VistaConjunto::lblItem_MouseUp(int Index, int Button)
{
    if (Button == 2) {
        const int n = Tag(c.lblProximaPaginaF_Pop).toInt();
        if (n > 1) {
            int k = Tag(c.lblPaginaXdeXF_Pop).toInt() + 1;
            if (k > n)
                k = 1;
            ExibeDadosItemFigura(m.mItemSobMouse, k, true, 0, true);
        }
        return;
    }
    const RecordsetPtr& rs = m.mRsItensFigura;
    if (Button != 1 || !m_achado || !rs || rs->EOF_() || rs->BOF())
        return;
    FlagsItem flags;
    flags.sugestao = FlagLigada(Campo(rs, "SugestaoCompra"));
    flags.opcional = FlagLigada(Campo(rs, "Opcional"));
    flags.jogos = FlagLigada(Campo(rs, "JogoReparo"));
    flags.observacao = FlagLigada(Campo(rs, "Observacao"));
    std::vector<platform::MenuEntry> entradas;
    for (const EntradaMenu& e : EntradasMenuItem(flags, m.mCodigoPecaComparacao <= 0))
        entradas.push_back(e.separador() ? platform::MenuEntry::Separator()
                                          : platform::MenuEntry::Item(e.codigo, Modulo::ObtemTexto(e.texto)));
    // The item's tooltip would stay drawn over the menu.
    c.pctToolTipFig_Pop->setVisible(false);
    const int escolha = platform::popupMenus().Show(entradas, QCursor::pos());
    if (escolha >= 0)
        MenuItemFigura(escolha);
}

void VistaConjunto::MenuItemFigura(int sMenu)
{
    const RecordsetPtr& rs = m.mRsItensFigura;
    if (sMenu == kMenuTabela) {
        Modulo::gParametro = ObtemTextoItem(m.mItemSobMouse, false);
        m_janela.imgTabela_Click();
        return;
    }
    if (!m_achado || !rs || rs->EOF_() || rs->BOF())
        return;
    const long componente = long(rs->Value(QStringLiteral("CodigoComponente")).toLongLong());
    const QString item = Campo(rs, "ItemComponente");
    switch (sMenu) {
    case kMenuCarrinho:
        m_janela.IncluiItemCarrinho(QStringLiteral("COM"), componente,
                                    QString::number(Modulo::ConverteInteiro(Campo(rs, "QuantidadeComponente"), 1)),
                                    FlagLigada(Campo(rs, "Opcional")), true);
        break;
    case kMenuJogos:
    case kMenuObservacao:
    case kMenuOpcionais:
        if (const auto s = SolicitacaoMenuItem(sMenu, m.mCodigoPeca, item, componente))
            m_janela.AbreJanelaSecundaria(s->codigo, s->campos);
        break;
    case kMenuSugestao: m_janela.MostraSugestaoMenu(); break;
    default: break;
    }
}

}  // namespace Conjunto
