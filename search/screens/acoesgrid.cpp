// The main list's events, the same list on every list screen and dispatched
// on the screen shown: a double click goes forward, a row icon adds the row
// to the cart or opens a detail, moving the mouse over it makes it the wheel
// target, a change of row refreshes the cross references, the part photo or
// the buying-suggestion panel.  Also the part photo of screen 3, the Figure
// button of the components table and the start screen's search buttons.
#include "search/screens/comum.h"
#include "search/screens/telapesquisa.h"
#include "search/screens/telas.h"

#include "comparison/carrinho.h"
#include "core/crossref.h"
#include "core/globals.h"
#include "core/imagemdados.h"
#include "core/searchtext.h"
#include "listcontrols/gridnavigation.h"
#include "listcontrols/thgrid.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/doevents.h"

#include <algorithm>

namespace Pesquisa {

using namespace Interno;

namespace {

// The part photo's place on screen 3; a larger photo is shown scaled down
// into it.
constexpr int kLarguraFoto = 150;
constexpr int kAlturaFoto = 77;

QString Num(long n) { return QString::number(n); }

// Whether the flag at `posicao` (1-based) of the row's ImagensGrid is set (a
// space).
bool Marcado(const platform::dao::RecordsetPtr& rs, int posicao)
{
    const QString flags = CampoTexto(rs, QStringLiteral("ImagensGrid"));
    return flags.size() >= posicao && flags.at(posicao - 1) == QLatin1Char(' ');
}

// A listed quantity as the cart takes it: the largest whole number not above
// it, 1 when it is not a number.
int Quantidade(const QVariant& v)
{
    return Modulo::ConverteInteiro(Modulo::ValorSeNulo(v, QStringLiteral("1")).toString(), 1);
}

// The company number of the row reduced for the cross references ("" at
// the end of the list).
QString NumeroDaLinha(const platform::dao::RecordsetPtr& rs, const QString& campo)
{
    if (!rs || !rs->IsOpen() || rs->EOF_())
        return QString();
    return Modulo::NormalizaNumeroEmpresa(CampoTexto(rs, campo));
}

// Screen 8, icons 2 and 3: the figure of one assembly of the comparison, its
// component located.
void FiguraDaComparacao(frmTQ1& f, const platform::dao::RecordsetPtr& rs, int lado)
{
    Ampulheta ampulheta;
    Modulo::gParametro = QStringLiteral("C:") + CampoTexto(rs, QStringLiteral("CodigoComponente")) + QStringLiteral(":C");
    const long desejado = f.lblNumeroEmpresaPeca[lado]->Tag().trimmed().toLong();
    if (desejado != f.mCodigoPeca) {
        if (f.mFiguraCarregada)
            f.FechaFigura();
        std::swap(f.mCodigoPeca, f.mCodigoPecaComparacao);
    }
    f.MostraFigura(8);
}

}  // namespace

void grdTHGrid1_DblClick(frmTQ1& f)
{
    switch (f.CodigoTelaAtual()) {
    case 1:
    case 2:
    case 3: f.imgAvancar_Click(); break;
    case 5: f.imgFigura_Click(); break;
    default: break;
    }
}

void grdTHGrid1_ImageClick(frmTQ1& f, int sColuna)
{
    TelaPesquisa::De(f).Conclui();
    const auto rs = f.dtcTHGrid1->Recordset();
    if (!TemLinhaAtual(rs))
        return;
    const bool m = EdicaoM();
    switch (f.CodigoTelaAtual()) {
    case 1: {
        const QString tipo = TipoItemDaLinha(Campo(rs, QStringLiteral("Tipo")), Modulo::gIdioma);
        const long codigo = CampoCodigo(rs, QStringLiteral("Codigo"));
        if (sColuna == 0)
            Modulo::IncluiItemCarrinho(tipo, codigo, QStringLiteral("1"), false, true);
        else if (sColuna == 1)
            f.AbreJanelaSecundaria(0, tipo + QLatin1Char('|') + Num(codigo));
        break;
    }
    case 3: {
        const long peca = CampoCodigo(rs, QStringLiteral("CodigoPeca"));
        if (sColuna == 0)
            Modulo::IncluiItemCarrinho(QStringLiteral("PCA"), peca, QStringLiteral("1"), false, true);
        else if (sColuna == 1 && !m)
            f.AbreJanelaSecundaria(2, Num(peca));
        else if ((sColuna == 1 && m) || (sColuna == 2 && !m))
            f.AbreJanelaSecundaria(0, QStringLiteral("PCA|") + Num(peca));
        break;
    }
    case 5: {
        const QString componente = CampoTexto(rs, QStringLiteral("CodigoComponente"));
        const QString item = CampoTexto(rs, QStringLiteral("ItemComponente"));
        switch (sColuna) {
        case 0:
            Modulo::IncluiItemCarrinho(QStringLiteral("COM"), componente.toLong(),
                                       Num(Quantidade(Campo(rs, QStringLiteral("QuantidadeComponente")))),
                                       Marcado(rs, 2), true);
            break;
        case 1:
            if (f.pctSugestaoCompra->isHidden())
                f.MostraSugestaoGrid();
            break;
        case 2:
            f.AbreJanelaSecundaria(4, Num(f.mCodigoPeca) + QLatin1Char('|') + componente + QLatin1Char('|') + item +
                                          QStringLiteral("|0"));
            break;
        case 3:
            f.AbreJanelaSecundaria(1, Num(f.mCodigoPeca) + QLatin1Char('|') + item + QLatin1Char('|') + componente +
                                          QStringLiteral("|0"));
            break;
        case 4:
            f.AbreJanelaSecundaria(0, QStringLiteral("COM|") + componente + QLatin1Char('|') + Num(f.mCodigoPeca) +
                                          QLatin1Char('|') + item);
            break;
        default: break;
        }
        break;
    }
    case 8:
        if (sColuna == 0) {
            const int q = std::max(Quantidade(Campo(rs, QStringLiteral("QuantidadeComponente1"))),
                                   Quantidade(Campo(rs, QStringLiteral("QuantidadeComponente2"))));
            Modulo::IncluiItemCarrinho(QStringLiteral("COM"), CampoCodigo(rs, QStringLiteral("CodigoComponente")),
                                       Num(q), false, true);
        } else if (sColuna == 2 || sColuna == 3) {
            FiguraDaComparacao(f, rs, sColuna - 2);
        }
        break;
    default: break;
    }
}

void grdTHGrid1_MouseMove(frmTQ1& f)
{
    f.DestacaControle(QStringLiteral(">THGRID1"));
    Modulo::DefineAlvoRoda(QStringLiteral("CAT_GRID1"));
}

void grdTHGrid1_RowColChange(frmTQ1& f, const platform::dao::Bookmark& LastRow)
{
    if (!Modulo::BookmarkDiferente(f.dtcTHGrid1, f.grdTHGrid1, LastRow))
        return;
    const auto rs = f.dtcTHGrid1->Recordset();
    switch (f.CodigoTelaAtual()) {
    case 1: ReferenciasLinhaAtual(f, 1); break;
    case 3: {
        const QString foto = CampoTexto(rs, QStringLiteral("ArquivoFotoPeca"));
        ReferenciasLinhaAtual(f, 3);
        CarregaFotoPeca(f, foto);
        break;
    }
    case 5:
        f.pctSugestaoCompra->hide();
        Modulo::ExibeReferenciaCruzada(Modulo::kOrigemTabelaComponentes,
                                       NumeroDaLinha(rs, QStringLiteral("NumeroEmpresaComponente")),
                                       Modulo::ObtemFabricantesPeca(f.mCodigoPeca, -1));
        if (TemLinhaAtual(rs) && Marcado(rs, 1)) {
            platform::DoEvents();
            f.MostraSugestaoGrid();
        }
        break;
    case 8:
        Modulo::ExibeReferenciaCruzada(Modulo::kOrigemComparacao,
                                       NumeroDaLinha(rs, QStringLiteral("NumeroEmpresaComponente")),
                                       Modulo::ObtemFabricantesPeca(f.mCodigoPeca, f.mCodigoPecaComparacao));
        break;
    default: break;
    }
}

void ReferenciasLinhaAtual(frmTQ1& f, int tela)
{
    const auto rs = f.dtcTHGrid1->Recordset();
    if (tela == 1)
        Modulo::ExibeReferenciaCruzada(Modulo::kOrigemResultadoPesquisa, NumeroDaLinha(rs, QStringLiteral("NumeroEmpresa")),
                                       QString());
    else
        Modulo::ExibeReferenciaCruzada(Modulo::kOrigemListaPecas, NumeroDaLinha(rs, QStringLiteral("NumeroEmpresaPeca")),
                                       QString());
}

void CarregaFotoPeca(frmTQ1& f, const QString& sArquivo)
{
    // The name as stored (the data folder's loader drops trailing blanks and
    // keeps the name inside the folder); any failure is no photo.
    QPixmap foto;
    if (!sArquivo.trimmed().isEmpty()) {
        QImage imagem = Modulo::CarregaImagemDados(QStringLiteral("FotoPeca\\") + sArquivo);
        if (!imagem.isNull()) {
            if (imagem.width() > kLarguraFoto || imagem.height() > kAlturaFoto)
                imagem = imagem.scaled(kLarguraFoto, kAlturaFoto, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            foto = QPixmap::fromImage(imagem);
        }
    }
    f.imgFotoPeca->SetPicture(foto);
}

void imgFigura_Click(frmTQ1& f)
{
    platform::DoEvents();
    Ampulheta ampulheta;
    TelaPesquisa::De(f).Conclui();
    f.mCodigoJogoReparoTabela = CampoCodigo(f.dtcTHCombo2->Recordset(), QStringLiteral("CodigoJogoReparo"));
    const auto rs = f.dtcTHGrid1->Recordset();
    if (rs && rs->IsOpen() && !rs->EOF_())
        Modulo::gParametro = QStringLiteral("I:") + CampoTexto(rs, QStringLiteral("ItemComponente")) + QStringLiteral(":I");
    f.MostraFigura(5);
}

void imgPesquisa0_Click(frmTQ1& f)
{
    Ampulheta ampulheta;
    f.MostraPesquisaPecas(0);
}

void imgPesquisa1_Click(frmTQ1& f)
{
    Ampulheta ampulheta;
    f.MostraPesquisaVeiculos(0);
}

}  // namespace Pesquisa
