// Screen 5: the components table, its query and sort, and its find boxes;
// leaving the assembly.

#include "assembly/vistaconjunto.h"

#include "assembly/consultas.h"
#include "assembly/utilcontroles.h"

#include "core/crossref.h"
#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/janelas.h"
#include "core/pictures.h"
#include "core/runtables.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "platform/base/doevents.h"
#include "platform/desktop/beep.h"

#include <QLineEdit>

namespace Conjunto {

using platform::dao::RecordsetPtr;

namespace {

QString Twips(int pixels) { return QString::number(Modulo::PixelsParaTwips(pixels, QStringLiteral("W"))); }

bool TemLinhaAtual(const RecordsetPtr& rs) { return rs && rs->IsOpen() && !rs->EOF_() && !rs->BOF(); }

void PrimeiraLinha(const RecordsetPtr& rs)
{
    if (rs && rs->RecordCount() > 0)
        rs->MoveFirst();
}

}  // namespace

RecordsetPtr VistaConjunto::RsTabela() const { return t.dtcTHGrid1 ? t.dtcTHGrid1->Recordset() : nullptr; }

std::optional<QString> VistaConjunto::ItemAtualTabela() const
{
    const RecordsetPtr rs = RsTabela();
    if (!TemLinhaAtual(rs))
        return std::nullopt;
    return rs->Fields(QStringLiteral("ItemComponente")).Text();
}

void VistaConjunto::MostraComponentes(int Origem)
{
    if (Origem == 4) {
        m.mHistoricoTelas = m.mHistoricoTelas.left(m.mHistoricoTelas.size() - 1) + QLatin1Char('5');
        EscondeFigura();
    } else if (Origem == 3) {
        m.mHistoricoTelas += QLatin1Char('5');
        m_janela.EscondeListaPecas();
    }
    m_janela.CarregaImagensTela(QStringLiteral("C"), 5);
    const bool carregada = m.mTabelaCarregada;
    const QString textoTodos = Modulo::ObtemTexto(15).toUpper();
    if (carregada) {
        CarregaComboJogosReparo(textoTodos);
        if (RecordsetPtr combo = RsCombo())
            combo->FindFirst(CriterioJogo(m.mJogoReparoTabela));
        if (!Modulo::gParametro.isEmpty()) {
            RecordsetPtr rs = RsTabela();
            rs->FindFirst(CriterioItem(Modulo::gParametro));
            if (rs->NoMatch()) {
                if (m.mJogoReparoTabela != 0) {
                    PrimeiraLinha(RsCombo());
                    m.mJogoReparoTabela = 0;
                    AtualizaGridComponentes(t.grdTHGrid1->Tag(), QString(), true, false);
                    rs = RsTabela();
                    rs->FindFirst(CriterioItem(Modulo::gParametro));
                    if (rs->NoMatch())
                        PrimeiraLinha(rs);
                } else {
                    PrimeiraLinha(rs);
                }
            }
            t.grdTHGrid1->AtualizaGrid();
            Modulo::gParametro.clear();
        }
        c.cboTHCombo2->AtualizaCombo();
    } else {
        if (!m.mFiguraCarregada)
            m_janela.MostraSubTitulo(Modulo::ObtemTituloItem(QStringLiteral("PCA"), long(m.mCodigoPeca)), true);
        for (QLineEdit* caixa : {t.txtItem, t.txtNumeroEmpresaT, t.txtComponente, t.txtNumeroFabricanteT})
            caixa->clear();
        CarregaComboJogosReparo(textoTodos);
        c.cboTHCombo2->SetTag(Modulo::ObtemTexto(9).toUpper());
        if (!m.mFiguraCarregada)
            ConfiguraComboJogosReparo();
        c.cboTHCombo2->AtualizaCombo();
        ConfiguraTabela();
        if (!Modulo::gParametro.isEmpty()) {
            const RecordsetPtr rs = RsTabela();
            rs->FindFirst(CriterioItem(Modulo::gParametro));
            if (rs->NoMatch())
                PrimeiraLinha(rs);
            Modulo::gParametro.clear();
        }
        t.grdTHGrid1->AtualizaGrid();
        Modulo::ExibeReferenciaCruzada(Modulo::kOrigemTabelaComponentes, QString(), QString());
        m.mTabelaCarregada = true;
    }
    c.cboTHCombo2->VisiblePctTexto(CodigoJogoReparoAtual() == 0, c.cboTHCombo2->Tag(), 1);

    const bool maritima = Modulo::gEdicao == QLatin1String("M");
    t.imgTitNo2->setVisible(!maritima);
    t.txtNumeroFabricanteT->setVisible(!maritima);
    t.pctPainelRef2->setVisible(!maritima);
    t.txtComponente->resize(maritima ? 333 : 210, t.txtComponente->height());
    t.imgTitQuantidade0->move(maritima ? 532 : 409, t.imgTitQuantidade0->y());

    t.pctTela5->setVisible(true);
    t.pctTela5->update();
    const RecordsetPtr combo = RsCombo();
    c.cboTHCombo2->setVisible(combo && combo->RecordCount() > 1);
    c.cboTHCombo2->raise();
    t.grdTHGrid1->setVisible(true);
    m_janela.AjustaBotoesNavegacao(5);
    platform::DoEvents();
    if (carregada) {
        const RecordsetPtr rs = RsTabela();
        if (TemLinhaAtual(rs) && rs->Fields(QStringLiteral("ImagensGrid")).Text().startsWith(QLatin1Char(' ')))
            m_janela.MostraSugestaoGrid();
    }
    t.grdTHGrid1->setFocus();
}

// First entry: the table's size and place, its query sorted by item, its
// pictures and columns.
void VistaConjunto::ConfiguraTabela()
{
    const bool maritima = Modulo::gEdicao == QLatin1String("M");
    const int largura = maritima ? 684 : 568;
    t.grdTHGrid1->mUserControlPixelWidth = largura;
    t.grdTHGrid1->mUserControlPixelHeight = 374;
    const QPoint tela = t.pctTela5->pos();
    t.grdTHGrid1->Move(tela.x() + 15, tela.y() + 182, largura, 374);
    AtualizaGridComponentes(QStringLiteral("1"), QString(), true, false);

    // The icons are the same for every assembly: decoded once per view.
    if (m_iconesTabela[0].empty())
        for (const char* nome : {"ICOSELECIONAR", "ICOSUGESTAO", "ICOOPCIONAIS", "ICOJOGOSREPARO", "ICOOBSERVACAO"}) {
            m_iconesTabela[0].push_back(Modulo::CarregaImagemRecurso(QLatin1String(nome), QStringLiteral("G")));
            m_iconesTabela[1].push_back(Modulo::CarregaImagemRecurso(QLatin1String(nome) + QStringLiteral("_S"), QStringLiteral("G")));
        }
    const THPictures& figuras = m_iconesTabela;
    const QStringList specs{
        QStringLiteral("|2|") + Twips(22) + QStringLiteral("|F|6|") + Modulo::ObtemTexto(101) + QStringLiteral("|99"),
        QStringLiteral("ItemComponente|0|") + Twips(70) + QStringLiteral("|T|6"),
        QStringLiteral("NumeroEmpresaComponente|0|") + Twips(89) + QStringLiteral("|T|6"),
        QStringLiteral("DescricaoComponente|0|") + Twips(maritima ? 340 : 217) + QStringLiteral("|T|6"),
        QStringLiteral("QuantidadeComponente|1|") + Twips(35) + QStringLiteral("|T|6"),
        QStringLiteral("ImagensGrid|2|") + Twips(30) + QStringLiteral("|I|6|") + Modulo::ObtemTexto(39) + QStringLiteral("|99"),
        QStringLiteral("|2|") + Twips(30) + QStringLiteral("|I|6|") + Modulo::ObtemTexto(10) + QStringLiteral("|99"),
        QStringLiteral("|2|") + Twips(30) + QStringLiteral("|I|6|") + Modulo::ObtemTexto(9) + QStringLiteral("|99"),
        QStringLiteral("|2|") + Twips(33) + QStringLiteral("|I|6|") + Modulo::ObtemTexto(8) + QStringLiteral("|99"),
    };
    t.grdTHGrid1->ObtemDataControl(t.dtcTHGrid1);
    t.grdTHGrid1->ObtemPictures(figuras);
    t.grdTHGrid1->ConfiguraColunas(specs.join(QLatin1Char(';')).split(QLatin1Char(';')));
}

void VistaConjunto::EscondeComponentes()
{
    m_janela.AjustaBotoesNavegacao(200);
    t.pctTela5->setVisible(false);
    c.cboTHCombo2->setVisible(false);
    t.grdTHGrid1->setVisible(false);
    c.pctSugestaoCompra->setVisible(false);
    if (RecordsetPtr rs = RsCombo())
        rs->Close();
    c.dtcTHCombo2->SetRecordset(nullptr);
    m_janela.CarregaImagensTela(QStringLiteral("D"), 5);
}

void VistaConjunto::FechaConjunto()
{
    const int telaTabela = m.mCodigoPecaComparacao >= 1 ? 8 : 5;
    if (telaTabela == 8) {
        // The comparison pointed the list at the auxiliary database.
        t.dtcTHGrid1->SetDatabase(nullptr);
        t.dtcTHGrid1->SetDatabaseName(Modulo::gDbDazadize ? Modulo::gDbDazadize->Name()
                                                          : Modulo::gCaminhoDados + Modulo::NomeArquivoCatalogo());
        if (!m.mTabelaComparacao.isEmpty()) {
            Modulo::ExcluiTabela(Modulo::gDbAuxiliar, m.mTabelaComparacao);
            m.mTabelaComparacao.clear();
        }
    }
    m_janela.AjustaBotoesNavegacao(200);
    c.pctTela4->setVisible(false);
    m_janela.EscondeTela(telaTabela);
    m_janela.MostraSubTitulo(QString(), false);
    c.cboTHCombo2->setVisible(false);
    t.grdTHGrid1->setVisible(false);
    if (m.mFiguraCarregada) {
        c.lblDescricaoParteFigura->clear();
        DefineTag(c.lblDescricaoParteFigura, QString());
        m.mManterSelecaoFigura = false;
        LimpaDestaqueFigura();
        DescarregaItensFigura();
    }
    c.pctSugestaoCompra->setVisible(false);
    c.cboTHCombo2->Descarrega();
    t.grdTHGrid1->Descarrega();
    for (platform::dao::DataControl* dc : {c.dtcTHCombo2, t.dtcTHGrid1}) {
        try {
            if (RecordsetPtr rs = dc->Recordset())
                rs->Close();
        } catch (...) {
        }
        dc->SetRecordset(nullptr);
    }
    m_janela.CarregaImagensTela(QStringLiteral("D"), 4);
    m_janela.CarregaImagensTela(QStringLiteral("D"), telaTabela);
}

// ---------------------------------------------------------------------------
// Query and sort

void VistaConjunto::AtualizaGridComponentes(const QString& Ordem, const QString& Item, bool Recriar, bool Atualizar)
{
    t.grdTHGrid1->SetTag(Ordem);
    QString base;
    if (Recriar) {
        base = ConsultaComponentes(m.mCodigoPeca, CodigoJogoReparoAtual(), Modulo::gIdioma);
        t.grdTHGrid1->AnalisarScollProximoRefresh();
    } else {
        base = BaseSemOrdem(m_consultaTabela);
    }
    m_consultaTabela = ComOrdem(base, Ordem);
    t.dtcTHGrid1->SetRecordSource(m_consultaTabela);
    t.dtcTHGrid1->Refresh();
    if (!Item.isEmpty()) {
        // The item as stored, quoted (an item with an apostrophe stays found).
        RsTabela()->FindFirst(CriterioItem(Item));
        t.grdTHGrid1->AtualizaGrid();
    } else if (Atualizar) {
        t.grdTHGrid1->AtualizaGrid();
    }
}

void VistaConjunto::OrdenaTabelaPorColuna(const QString& Coluna)
{
    if (!m.mTabelaCarregada || Coluna == t.grdTHGrid1->Tag())
        return;
    const RecordsetPtr rs = RsTabela();
    if (!TemLinhaAtual(rs))
        return;
    AtualizaGridComponentes(Coluna, rs->Fields(QStringLiteral("ItemComponente")).Text(), false, false);
}

// ---------------------------------------------------------------------------
// Find boxes

void VistaConjunto::LocalizaItemTabela(const QString& Criterio, bool AtualizaReferencias)
{
    if (!m.mTabelaCarregada)
        return;
    const RecordsetPtr rs = RsTabela();
    if (!TemLinhaAtual(rs))
        return;
    // The row that is current stays current when nothing matches: its
    // bookmark, since several rows may share its item number.
    const platform::dao::Bookmark atual = rs->GetBookmark();
    bool achou = false;
    try {
        rs->FindFirst(Criterio);
        achou = !rs->NoMatch();
    } catch (const platform::Error&) {
        // A text that is no valid pattern ("[") matches nothing.
        achou = false;
    }
    if (!achou) {
        rs->SetBookmark(atual);
        platform::Beep();
    }
    if (AtualizaReferencias) {
        try {
            Modulo::ExibeReferenciaCruzada(Modulo::kOrigemTabelaComponentes,
                                           Modulo::NormalizaNumeroEmpresa(rs->Fields(QStringLiteral("NumeroEmpresaComponente")).Text()),
                                           Modulo::ObtemFabricantesPeca(long(m.mCodigoPeca), -1));
        } catch (...) {
        }
    }
}

void VistaConjunto::txtItem_Change() { LocalizaItemTabela(CriterioCaixaItem(t.txtItem->text()), false); }
void VistaConjunto::txtNumeroEmpresaT_Change() { LocalizaItemTabela(CriterioCaixaNumero(t.txtNumeroEmpresaT->text()), false); }
void VistaConjunto::txtComponente_Change() { LocalizaItemTabela(CriterioCaixaComponente(t.txtComponente->text()), false); }

void VistaConjunto::txtNumeroFabricanteT_Change()
{
    const QString numero = Modulo::NormalizaNumeroFabricante(t.txtNumeroFabricanteT->text());
    if (!m.mTabelaCarregada || numero.isEmpty())
        return;
    QString fabricantes = Modulo::ObtemFabricantesPeca(long(m.mCodigoPeca), -1);
    if (fabricantes.isEmpty())
        fabricantes = QStringLiteral("-5");
    QString lista = Modulo::ObtemListaSQL(ConsultaComponentesFabricante(numero, fabricantes, m.mCodigoPeca));
    if (lista.isEmpty())
        lista = QStringLiteral("-5");
    LocalizaItemTabela(CriterioComponentes(lista), true);
}

}  // namespace Conjunto
