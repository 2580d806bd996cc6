// The assembly view on a main window: the window's controls and members
// handed to the view, the view's calls carried out on the window, and the
// window's list and column-title events on screen 5.

#include "assembly/janela/conjuntotq1.h"

#include "assembly/consultas.h"
#include "assembly/menuitem.h"
#include "assembly/utilcontroles.h"

#include "comparison/carrinho.h"
#include "core/crossref.h"
#include "core/errorbox.h"
#include "core/globals.h"
#include "core/janelas.h"
#include "core/searchtext.h"
#include "listcontrols/gridnavigation.h"
#include "listcontrols/thgrid.h"
#include "mainwindow/frmTQ1.h"
#include "mainwindow/registro.h"
#include "platform/base/doevents.h"

namespace Conjunto {

namespace {

ControlesFigura ControlesDaFigura(frmTQ1& f)
{
    ControlesFigura c;
    c.pctTela4 = f.pctTela[4];
    c.lblObsRapida = f.lblObsRapida;
    c.imgTitNoTQ2 = f.imgTitNoTQ[2];
    c.imgTitQuantidade3 = f.imgTitQuantidade[3];
    c.imgTitComponente0 = f.imgTitComponente[0];
    c.lblInstrucoesF = f.lblInstrucoesF;
    c.lblNumeroEmpresa = f.lblNumeroEmpresa;
    c.lblQuantidade = f.lblQuantidade;
    c.lblComponente = f.lblComponente;
    c.imgFiguraDetalhada = f.imgFiguraDetalhada;
    c.imgQuadradoParteSelecionada = f.imgQuadradoParteSelecionada;
    c.imgQuadradoParteAtual = f.imgQuadradoParteAtual;
    c.imgParteFigura.assign(f.imgParteFigura.begin(), f.imgParteFigura.end());
    c.lblDescricaoParteFigura = f.lblDescricaoParteFigura;
    c.shpSelecaoItem = f.shpSelecaoItem;
    c.pctToolTipFig_Pop = f.pctToolTipFig_Pop;
    c.lblPaginaXdeXF_Pop = f.lblPaginaXdeXF_Pop;
    c.lblProximaPaginaF_Pop = f.lblProximaPaginaF_Pop;
    c.imgObsTp = f.imgObsTp;
    c.lblObsTp = f.lblObsTp;
    c.imgOpTp = f.imgOpTp;
    c.lblOpTp = f.lblOpTp;
    c.pctJogoReparo = f.pctJogoReparo;
    c.lblNumeroJogoReparo0 = f.lblNumeroJogoReparo[0];
    c.lblDescricaoJogoReparo0 = f.lblDescricaoJogoReparo[0];
    c.imgJogoReparoRodape = f.imgJogoReparoRodape;
    c.pctSugestaoCompra = f.pctSugestaoCompra;
    c.cboTHCombo2 = f.cboTHCombo2;
    c.dtcTHCombo2 = f.dtcTHCombo2;
    c.tmrFigura = f.tmrFigura;
    return c;
}

ControlesTabela ControlesDaTabela(frmTQ1& f)
{
    ControlesTabela t;
    t.pctTela5 = f.pctTela[5];
    t.grdTHGrid1 = f.grdTHGrid1;
    t.dtcTHGrid1 = f.dtcTHGrid1;
    t.txtItem = f.txtItem;
    t.txtNumeroEmpresaT = f.txtNumeroEmpresaT;
    t.txtComponente = f.txtComponente;
    t.txtNumeroFabricanteT = f.txtNumeroFabricanteT;
    t.imgTitNo2 = f.imgTitNo[2];
    t.imgTitQuantidade0 = f.imgTitQuantidade[0];
    t.pctPainelRef2 = f.pctPainelRef[2];
    return t;
}

MembrosTQ1 MembrosDe(frmTQ1& f)
{
    return MembrosTQ1{f.mHistoricoTelas,    f.mCodigoPeca,       f.mCodigoPecaComparacao, f.mFiguraCarregada,
                      f.mTabelaCarregada,   f.mJogoReparoFigura, f.mJogoReparoTabela,     f.mTabelaComparacao,
                      f.mItemSobMouse,      f.mManterSelecaoFigura, f.mParteFiguraAtual,  f.mPartesFigura,
                      f.mUltimoItemFigura,  f.mRsItensFigura};
}

QString Campo(const platform::dao::RecordsetPtr& rs, const char* nome) { return rs->Fields(QLatin1String(nome)).Text(); }

}  // namespace

ConjuntoTQ1::ConjuntoTQ1(frmTQ1& janela)
    : QObject(&janela), f(janela), m_figura(ControlesDaFigura(janela)), m_tabela(ControlesDaTabela(janela))
{
    setObjectName(QStringLiteral("ConjuntoTQ1"));
    AplicaAparencia();
    m_vista = std::make_unique<VistaConjunto>(m_figura, m_tabela, MembrosDe(janela), *this);
    LigaEventos();
}

// The design-time look of screen 4's data line, tooltip panel and kit panel
// (fonts, colours, the headings hidden until an item is shown); the window
// creates and places the controls, their look is the figure's.
void ConjuntoTQ1::AplicaAparencia()
{
    const ControlesFigura& c = m_figura;
    c.lblObsRapida->setFont(Modulo::FonteJanela(12));
    c.lblObsRapida->SetForeColor(0x0000FF);
    for (Rotulo* r : {c.lblNumeroEmpresa, c.lblQuantidade, c.lblComponente}) {
        r->setFont(Modulo::FonteJanela(13));
        r->setWordWrap(false);
    }
    c.lblInstrucoesF->setFont(Modulo::FonteJanela(12));
    c.lblInstrucoesF->SetForeColor(0x808080);
    c.lblInstrucoesF->SetBackColor(0xE0E0E0);
    c.lblInstrucoesF->SetBackStyle(1);
    c.lblInstrucoesF->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    c.lblInstrucoesF->setIndent(4);
    for (Imagem* titulo : {c.imgTitNoTQ2, c.imgTitQuantidade3, c.imgTitComponente0})
        titulo->hide();
    c.lblInstrucoesF->raise();
    c.lblDescricaoParteFigura->setFont(Modulo::FonteJanela(12, true));
    c.lblPaginaXdeXF_Pop->setFont(Modulo::FonteJanela(12, true));
    c.lblPaginaXdeXF_Pop->SetForeColor(0x000000);
    c.lblProximaPaginaF_Pop->setFont(Modulo::FonteJanela(11));
    for (Rotulo* r : {c.lblObsTp, c.lblOpTp}) {
        r->setFont(Modulo::FonteJanela(11));
        r->SetForeColor(0x800000);
    }
    c.lblDescricaoJogoReparo0->setWordWrap(true);
    c.lblDescricaoJogoReparo0->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.lblDescricaoJogoReparo0->SetForeColor(0x914537);
}

ConjuntoTQ1::~ConjuntoTQ1() = default;

ConjuntoTQ1* ConjuntoTQ1::De(const frmTQ1& janela)
{
    return janela.findChild<ConjuntoTQ1*>(QStringLiteral("ConjuntoTQ1"), Qt::FindDirectChildrenOnly);
}

bool ConjuntoTQ1::NaTabela() const { return Viva() && f.CodigoTelaAtual() == 5; }

// While the window's base destructor takes its controls down the window is
// no frmTQ1 any more: its members are gone, only events of its controls
// may still arrive.
bool ConjuntoTQ1::Viva() const { return qobject_cast<const frmTQ1*>(parent()) != nullptr; }

bool ConjuntoTQ1::ListaDaTabela()
{
    using Rotina = void (*)(frmTQ1&);
    const Rotina* rotina = RegistroTQ1::Global().imgFigura_Click.target<Rotina>();
    return rotina && *rotina == &ConjuntoTQ1::imgFigura_Click_TQ1;
}

void ConjuntoTQ1::imgFigura_Click_TQ1(frmTQ1& janela)
{
    if (ConjuntoTQ1* c = De(janela))
        c->imgFigura_Click();
}

void ConjuntoTQ1::LigaEventos()
{
    if (!ListaDaTabela())
        return;
    THGrid* g = f.grdTHGrid1;
    connect(g, &THGrid::DblClick, this, [this] {
        if (NaTabela())
            Modulo::Guarda([this] { grdTHGrid1_DblClick(); });
    });
    connect(g, &THGrid::ImageClick, this, [this](int coluna, const platform::dao::Bookmark&, int) {
        if (NaTabela())
            Modulo::Guarda([&] { grdTHGrid1_ImageClick(coluna); });
    });
    connect(g, &THGrid::RowColChange, this, [this](const platform::dao::Bookmark& anterior, int) {
        if (NaTabela())
            Modulo::Guarda([&] { grdTHGrid1_RowColChange(anterior); });
    });
    connect(g, &THGrid::MouseMove, this, [this](int, int, float, float) {
        if (NaTabela())
            Modulo::Guarda([this] { grdTHGrid1_MouseMove(); });
    });
    // The column titles of the table sort it (item, description, number).
    const std::pair<Imagem*, const char*> titulos[] = {
        {f.imgTitItem, "1"}, {f.imgTitComponente[1], "3"}, {f.imgTitNoTQ[3], "4"}};
    for (const auto& [titulo, coluna] : titulos) {
        const QString ordem = QLatin1String(coluna);
        connect(titulo, &Imagem::Click, this, [this, ordem] {
            if (NaTabela())
                Modulo::Guarda([&] { m_vista->OrdenaTabelaPorColuna(ordem); });
        });
    }
}

// ---------------------------------------------------------------------------
// Handlers

void ConjuntoTQ1::imgFigura_Click()
{
    platform::DoEvents();
    Ampulheta ampulheta;
    f.mJogoReparoTabela = long(m_vista->CodigoJogoReparoAtual());
    if (const auto item = m_vista->ItemAtualTabela())
        Modulo::gParametro = SolicitacaoItem(*item);
    m_vista->MostraFigura(5);
}

void ConjuntoTQ1::grdTHGrid1_DblClick() { imgFigura_Click(); }

void ConjuntoTQ1::grdTHGrid1_ImageClick(int sColuna)
{
    const platform::dao::RecordsetPtr rs = f.dtcTHGrid1->Recordset();
    if (!rs || !rs->IsOpen() || rs->EOF_() || rs->BOF())
        return;
    const long componente = long(rs->Value(QStringLiteral("CodigoComponente")).toLongLong());
    const QString item = Campo(rs, "ItemComponente");
    const QString flags = Campo(rs, "ImagensGrid");
    switch (sColuna) {
    case 0:
        IncluiItemCarrinho(QStringLiteral("COM"), componente,
                           QString::number(Modulo::ConverteInteiro(Campo(rs, "QuantidadeComponente"), 1)),
                           flags.mid(1, 1) == QLatin1String(" "), true);
        break;
    case 1:
        if (f.pctSugestaoCompra->isHidden())
            MostraSugestaoGrid();
        break;
    case 2:
    case 3:
    case 4: {
        const int menu = sColuna == 2 ? kMenuOpcionais : sColuna == 3 ? kMenuJogos : kMenuObservacao;
        if (const auto s = SolicitacaoMenuItem(menu, f.mCodigoPeca, item, componente))
            AbreJanelaSecundaria(s->codigo, s->campos);
        break;
    }
    default: break;
    }
}

void ConjuntoTQ1::grdTHGrid1_RowColChange(const platform::dao::Bookmark& LastRow)
{
    if (!Modulo::BookmarkDiferente(f.dtcTHGrid1, f.grdTHGrid1, LastRow))
        return;
    const platform::dao::RecordsetPtr rs = f.dtcTHGrid1->Recordset();
    const bool temLinha = rs && rs->IsOpen() && !rs->EOF_() && !rs->BOF();
    f.pctSugestaoCompra->hide();
    Modulo::ExibeReferenciaCruzada(Modulo::kOrigemTabelaComponentes,
                                   temLinha ? Modulo::NormalizaNumeroEmpresa(Campo(rs, "NumeroEmpresaComponente")) : QString(),
                                   Modulo::ObtemFabricantesPeca(f.mCodigoPeca, -1));
    if (temLinha && Campo(rs, "ImagensGrid").startsWith(QLatin1Char(' '))) {
        platform::DoEvents();
        MostraSugestaoGrid();
    }
}

void ConjuntoTQ1::grdTHGrid1_MouseMove()
{
    f.DestacaControle(QStringLiteral(">THGRID1"));
    Modulo::DefineAlvoRoda(QStringLiteral("CAT_GRID1"));
}

// ---------------------------------------------------------------------------
// The view's calls on the window

void ConjuntoTQ1::CarregaImagensTela(const QString& modo, int tela) { f.CarregaImagensTela(modo, tela); }
void ConjuntoTQ1::AjustaBotoesNavegacao(int tela) { f.AjustaBotoesNavegacao(tela); }
void ConjuntoTQ1::MostraSubTitulo(const QString& texto, bool visivel) { f.MostraSubTitulo(texto, visivel); }
void ConjuntoTQ1::EscondeListaPecas() { f.EscondeListaPecas(); }

void ConjuntoTQ1::EscondeTela(int tela)
{
    if (tela >= 0 && tela < int(f.pctTela.size()))
        f.pctTela[std::size_t(tela)]->hide();
}

void ConjuntoTQ1::PosicionaBotaoTabela(int esquerda)
{
    f.imgTabela->move(esquerda, f.imgTabela->y());
    f.imgTabelaSelecionada->move(esquerda, f.imgTabelaSelecionada->y());
}

void ConjuntoTQ1::EscondeComparacao() { f.EscondeComparacao(); }
void ConjuntoTQ1::MostraComparacao(int origem) { f.MostraComparacao(quint8(origem)); }
void ConjuntoTQ1::imgTabela_Click() { f.imgTabela_Click(); }
void ConjuntoTQ1::DestacaControle(const QString& chave) { f.DestacaControle(chave); }
void ConjuntoTQ1::DefineChaveDestaque(const QString& chave) { f.mChaveDestaque = chave; }
QString ConjuntoTQ1::ChaveDestaque() const { return f.mChaveDestaque; }
void ConjuntoTQ1::PosicionaFocoTela() { f.PosicionaFocoTela(); }
void ConjuntoTQ1::AbreJanelaSecundaria(int codigo, const QString& campos) { f.AbreJanelaSecundaria(quint8(codigo), campos); }

void ConjuntoTQ1::IncluiItemCarrinho(const QString& tipo, long codigo, const QString& quantidade, bool opcional,
                                     bool efeitoVisual)
{
    Modulo::IncluiItemCarrinho(tipo, codigo, quantidade, opcional, efeitoVisual);
}

void ConjuntoTQ1::MostraSugestaoFigura(int indice, int leftRotulo) { f.MostraSugestaoFigura(indice, leftRotulo); }
void ConjuntoTQ1::MostraSugestaoMenu() { f.MostraSugestaoMenu(); }
void ConjuntoTQ1::MostraSugestaoGrid() { f.MostraSugestaoGrid(); }
int ConjuntoTQ1::LarguraInterna() const { return f.width(); }

}  // namespace Conjunto
