// Screen 1 of the detail window: the repair kits that serve one component
// item of one assembly, with the include-in-cart icon, the notes icon of the
// kits that have a note for this assembly, and the cross-reference panel.

#include "detailwindow/frmTQ2.h"

#include "core/crossref.h"
#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/janelas.h"
#include "core/pictures.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "detailwindow/listasdetalhe.h"

void frmTQ2::ConsultaJogosReparo(std::int32_t CodigoPeca, const QString& ItemComponente, std::int32_t)
{
    // A kit's note applies here when it names this assembly or no assembly
    // at all (IS NULL: a comparison with Null is never true).
    QString sql = QStringLiteral(
        "SELECT JOGOREPARO.DescricaoJogoReparo<I> AS DescricaoJogoReparo,"
        "Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 000') AS NumeroEmpresaJogoReparo,"
        "IIF(EXISTS(SELECT 1 FROM APLICACAOOBS_JOGOREPARO AS A WHERE A.CodigoJogoReparo = "
        "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo AND (A.CodigoPeca IS NULL OR A.CodigoPeca = "
        "PECA_COMPONENTE_JOGOREPARO.CodigoPeca)),' ','");
    sql += QChar(13);
    sql += QStringLiteral(
        "') AS ImagensGrid,PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo,PECA_COMPONENTE_JOGOREPARO.CodigoPeca "
        "FROM PECA_COMPONENTE_JOGOREPARO INNER JOIN JOGOREPARO ON PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = "
        "JOGOREPARO.CodigoJogoReparo WHERE PECA_COMPONENTE_JOGOREPARO.CodigoPeca = ");
    sql += QString::number(CodigoPeca);
    sql += QStringLiteral(" AND PECA_COMPONENTE_JOGOREPARO.ItemComponente = '");
    sql += Modulo::TextoSQL(ItemComponente);
    sql += QStringLiteral("' ORDER BY 1");
    sql.replace(QStringLiteral("<I>"), Modulo::gIdioma);
    dtcTHGrid1->SetRecordSource(sql);
    dtcTHGrid1->Refresh();
}

void frmTQ2::ExibeTelaJogosReparo(std::uint8_t Origem, std::int32_t CodigoPeca, const QString& ItemComponente,
                                  std::int32_t CodigoComponente, std::int32_t Numero)
{
    if (Origem == 200)
        mHistoricoTelas += QLatin1Char('1');
    else if (Origem == 0)
        OcultaTelaObservacao();
    pctPainelRefTag[0] = QString::number(CodigoPeca);
    CarregaImagensTela(QStringLiteral("C"), 1);
    MostraSubTitulo(Modulo::ObtemTituloItem(QStringLiteral("COM"), CodigoComponente), true);
    Modulo::ExibeReferenciaCruzada(Modulo::kOrigemJogosReparo, QString(), QString());
    dtcTHGrid1->SetDatabase(Modulo::gDbDazadize);

    const bool maritima = Modulo::gEdicao == QLatin1String("M");
    PosicionaGridTela(*this, 1, maritima ? 553 : 433);
    ConsultaJogosReparo(CodigoPeca, ItemComponente, Numero);

    const QStringList colunas = {
        QStringLiteral("|2|%1|F|6|%2|99").arg(LarguraTwips(22)).arg(Modulo::ObtemTexto(101)),
        QStringLiteral("NumeroEmpresaJogoReparo|0|%1|T|6").arg(LarguraTwips(88)),
        QStringLiteral("DescricaoJogoReparo|0|%1|T|6").arg(LarguraTwips(maritima ? 390 : 270)),
        QStringLiteral("ImagensGrid|2|%1|I|6|%2|99").arg(LarguraTwips(42)).arg(Modulo::ObtemTexto(8)),
    };
    grdTHGrid1->ObtemDataControl(dtcTHGrid1);
    grdTHGrid1->ObtemPictures(IconesCarrinhoObservacao());
    grdTHGrid1->ConfiguraColunas(colunas.join(QLatin1Char(';')).split(QLatin1Char(';')));
    grdTHGrid1->AtualizaGrid();

    imgTitNo[1]->setVisible(!maritima);
    pctPainelRef[0].pctPainelRef->setVisible(!maritima);
    MostraTelaLista(*this, 1);
}

void frmTQ2::OcultaTelaJogosReparo()
{
    AjustaBotoesNavegacao(200);
    grdTHGrid1->hide();
    pctTela[1]->hide();
    MostraSubTitulo(QString(), false);
    LiberaGridTela(*this);
    CarregaImagensTela(QStringLiteral("D"), 1);
}
