#include "comparison/comparacaotela.h"

#include "core/janelas.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "platform/desktop/messagebox.h"

namespace Comparacao {

using namespace platform::dao;

namespace {

QString largura(int pixels) { return QString::number(Modulo::PixelsParaTwips(pixels, QStringLiteral("W"))); }

QString texto(const QVariant& v) { return IsNull(v) ? QString() : v.toString(); }

// The description of a part type in TIPOPECA, "" when there is none.
QString descricaoTipo(const DatabasePtr& catalogo, const QString& idioma, const QString& tipo)
{
    return texto(Modulo::ObtemValorSQL(QStringLiteral("SELECT DescricaoTipoPeca") + idioma +
                                           QStringLiteral(" FROM TIPOPECA WHERE CodigoTipoPeca='") +
                                           Modulo::TextoSQL(tipo) + QLatin1Char('\''),
                                       catalogo, QString()));
}

}  // namespace

// --- screen 8 ------------------------------------------------------------

QString ConsultaCabecalhoComparacao(long CodigoPeca1, long CodigoPeca2, const QString& Idioma)
{
    QString sql = QStringLiteral("SELECT CodigoPeca,Format(NumeroEmpresaPeca, '0000 000 000') AS NumEmpresaPeca,"
                                 "DescricaoPeca<I> AS DescricaoPeca,TipoPeca,IIF(CodigoPeca = ") +
                  QString::number(CodigoPeca1) + QStringLiteral(",0,1) As OrdemPeca FROM PECA WHERE CodigoPeca IN (") +
                  QString::number(CodigoPeca1) + QLatin1Char(',') + QString::number(CodigoPeca2) + QLatin1Char(')');
    sql.replace(QLatin1String("<I>"), Idioma);
    return sql;
}

std::array<LadoComparacao, 2> LeCabecalhoComparacao(const DatabasePtr& Catalogo, long CodigoPeca1, long CodigoPeca2,
                                                    const QString& Idioma)
{
    std::array<LadoComparacao, 2> lados;
    RecordsetPtr rs = Catalogo->OpenRecordset(ConsultaCabecalhoComparacao(CodigoPeca1, CodigoPeca2, Idioma),
                                              dbOpenForwardOnly);
    while (!rs->EOF_()) {
        const int i = rs->Value(QStringLiteral("OrdemPeca")).toInt() == 0 ? 0 : 1;
        lados[std::size_t(i)] = {texto(rs->Value(QStringLiteral("CodigoPeca"))), texto(rs->Value(QStringLiteral("NumEmpresaPeca"))),
                                 texto(rs->Value(QStringLiteral("DescricaoPeca"))), texto(rs->Value(QStringLiteral("TipoPeca")))};
        rs->MoveNext();
    }
    rs->Close();
    return lados;
}

QString TituloComparacao(const DatabasePtr& Catalogo, const QString& Edicao, const QString& Idioma,
                         const QString& TipoPeca, const QString& Numero1, const QString& Numero2)
{
    QString tipo;
    if (Edicao == QLatin1String("D") || Edicao == QLatin1String("M"))
        tipo = descricaoTipo(Catalogo, Idioma, TipoPeca);
    else
        tipo = Modulo::ObtemTexto(TipoPeca == QLatin1String("E") ? 37 : 38, Idioma, Edicao);
    return tipo + QStringLiteral(": ") + Numero1 + QStringLiteral("  /  ") + Numero2;
}

GeometriaComparacao GeometriaTelaComparacao(const QString& Edicao)
{
    GeometriaComparacao g;
    if (Edicao != QLatin1String("M"))
        return g;
    constexpr int kDesvio = 123;
    g.listaLargura = 684;
    g.larguraDescricao = 352;
    for (auto* lista : {&g.lblNumeroEmpresaPeca, &g.imgTitQuantidade, &g.imgSelecionarTodos, &g.linComparacao})
        for (int& x : *lista)
            x += kDesvio;
    g.painelReferencia = false;
    return g;
}

QStringList ColunasComparacao(const QString& Edicao, const QString& Idioma)
{
    auto t = [&](int n) { return Modulo::ObtemTexto(n, Idioma, Edicao); };
    const GeometriaComparacao g = GeometriaTelaComparacao(Edicao);
    const QStringList specs = {
        QStringLiteral("|2|") + largura(22) + QStringLiteral("|F|6|") + t(101) + QStringLiteral("|99"),
        QStringLiteral("NumeroEmpresaComponente|0|") + largura(89) + QStringLiteral("|T|6"),
        QStringLiteral("DescricaoComponente|0|") + largura(g.larguraDescricao) + QStringLiteral("|T|6"),
        QStringLiteral("ImagensGrid|2|") + largura(28) + QStringLiteral("|I|1|") + t(53) + QStringLiteral("|0"),
        QStringLiteral("|2|") + largura(40) + QStringLiteral("|I|6|") + t(22) + QStringLiteral("|99"),
        QStringLiteral("QuantidadeComponente1|1|") + largura(53) + QStringLiteral("|T|1"),
        QStringLiteral("QuantidadeComponente2|1|") + largura(53) + QStringLiteral("|T|6"),
        QStringLiteral("|2|") + largura(40) + QStringLiteral("|I|6|") + t(22) + QStringLiteral("|99"),
    };
    // Joined and split again, as the list takes them.
    return specs.join(QLatin1Char(';')).split(QLatin1Char(';'));
}

std::array<std::array<QString, 4>, 2> NomesIconesComparacao()
{
    return {{{QStringLiteral("ICOSELECIONAR"), QStringLiteral("ICOOPCIONAIS"), QStringLiteral("ICOFIGURA"), QStringLiteral("ICOFIGURA")},
             {QStringLiteral("ICOSELECIONAR_S"), QStringLiteral("ICOOPCIONAIS"), QStringLiteral("ICOFIGURA_S"), QStringLiteral("ICOFIGURA_S")}}};
}

QString LegendaExibirComparacao(const QString& Idioma)
{
    return QStringLiteral("  ") + Modulo::ObtemTexto(63, Idioma) + QStringLiteral(":  ");
}

std::array<QString, 3> LegendasFiltroComparacao(const QString& Idioma)
{
    return {Modulo::ObtemTexto(64, Idioma), Modulo::ObtemTexto(65, Idioma), Modulo::ObtemTexto(66, Idioma)};
}

QString ConsultaSelecionarTodos(const QString& Tabela, int Indice, const QString& TagFiltro, const QString& Ordem)
{
    const QString n = QString::number(Indice + 1);
    const QString filtro = TagFiltro == QLatin1String("0") || TagFiltro == QLatin1String("1")
                               ? QStringLiteral("AND Iguais = ") + TagFiltro + QLatin1Char(' ')
                               : QString();
    return QStringLiteral("SELECT CodigoComponente,QuantidadeComponente") + n +
           QStringLiteral(" AS QuantidadeComponente,Left(ImagensGrid, 1) AS Opcional FROM ") + Tabela +
           QStringLiteral(" WHERE QuantidadeComponente") + n + QStringLiteral(" Is Not Null ") + filtro +
           QStringLiteral(" ORDER BY ") + Ordem;
}

int SelecionaTodosComparacao(const DatabasePtr& Auxiliar, const QString& Tabela, int Indice, const QString& TagFiltro,
                             const QString& Ordem, const IncluiItem& Incluir, const EfeitoCarrinho& Efeito)
{
    RecordsetPtr rs = Auxiliar->OpenRecordset(ConsultaSelecionarTodos(Tabela, Indice, TagFiltro, Ordem), dbOpenSnapshot);
    int incluidos = 0;
    while (!rs->EOF_()) {
        Incluir(QStringLiteral("COM"), rs->Value(0).toInt(), texto(rs->Value(1)), texto(rs->Value(2)) == QLatin1String(" "),
                false);
        ++incluidos;
        rs->MoveNext();
    }
    rs->Close();
    if (incluidos > 0) {
        if (Efeito)
            Efeito();
    } else {
        platform::MsgBox(Modulo::ObtemTexto(43) + QLatin1Char('.'), platform::vbCritical | platform::vbOKOnly,
                         Modulo::ObtemTexto(19));
    }
    return incluidos;
}

// --- screen 9 ------------------------------------------------------------

QString ConsultaPecasComparacao(const QString& Idioma)
{
    QString sql = QStringLiteral("SELECT CodigoPeca,DescricaoPeca<I> AS DescricaoPeca,TipoPeca,NumeroEmpresaPeca FROM PECA");
    sql.replace(QLatin1String("<I>"), Idioma);
    return sql;
}

QString CriterioNumeroComparacao(const QString& TextoDigitado)
{
    // The canonical number holds letters and digits only: nothing to quote.
    return QStringLiteral("NumeroEmpresaPeca='") + Modulo::NormalizaNumeroEmpresa(TextoDigitado) + QLatin1Char('\'');
}

QString LegendaPecaComparacao(const DatabasePtr& Catalogo, const QString& Edicao, const QString& Idioma,
                              const QString& TipoPeca, const QString& DescricaoPeca)
{
    if (Edicao == QLatin1String("D"))
        return DescricaoPeca;
    if (Edicao == QLatin1String("M"))
        return descricaoTipo(Catalogo, Idioma, TipoPeca) + QStringLiteral(": ") + DescricaoPeca;
    return Modulo::ObtemTexto(TipoPeca == QLatin1String("E") ? 1 : 3, Idioma, Edicao) + QStringLiteral(": ") + DescricaoPeca;
}

EscolhaComparacao ProcuraPecaComparacao(const RecordsetPtr& Pecas, const DatabasePtr& Catalogo, const QString& Edicao,
                                        const QString& Idioma, const QString& TextoDigitado)
{
    Pecas->FindFirst(CriterioNumeroComparacao(TextoDigitado));
    if (Pecas->NoMatch())
        return {};
    const QString tipo = texto(Pecas->Value(QStringLiteral("TipoPeca")));
    return {texto(Pecas->Value(QStringLiteral("CodigoPeca"))),
            LegendaPecaComparacao(Catalogo, Edicao, Idioma, tipo, texto(Pecas->Value(QStringLiteral("DescricaoPeca")))), tipo};
}

}  // namespace Comparacao
