#include "comparison/comparacaotabela.h"

#include "core/runtables.h"
#include "core/searchtext.h"
#include "platform/base/vbruntime.h"

namespace Comparacao {

using namespace platform::dao;

namespace {

const QChar kCR(13);

// Text between apostrophes, apostrophes doubled; Null is the empty text.
QString textoEntreAspas(const QVariant& v)
{
    return QLatin1Char('\'') + Modulo::TextoSQL(IsNull(v) ? QString() : v.toString()) + QLatin1Char('\'');
}

// The optional character of a row: its first character, or CR when the
// query gave none.
QChar caractereOpcional(const QVariant& v)
{
    const QString s = IsNull(v) ? QString() : v.toString();
    return s.isEmpty() ? kCR : s.at(0);
}

}  // namespace

QString ConsultaComponentesComparacao(long CodigoPeca, const QString& Idioma)
{
    QString sql = QStringLiteral(
        "SELECT PECA_COMPONENTE.CodigoComponente,"
        "Format(Min(COMPONENTE.NumeroEmpresaComponente), '0000 000 000') AS NumeroEmpresaComponente,"
        "Min(COMPONENTE.DescricaoComponente<I>) AS DescricaoComponente,"
        "Sum(IIF(IsNumeric(PECA_COMPONENTE.QuantidadeComponente), Val(PECA_COMPONENTE.QuantidadeComponente), 0)) AS QuantidadeComponente,"
        "Max(Mid(PECA_COMPONENTE.ImagensGrid, 2, 1)) AS Opcional "
        "FROM PECA_COMPONENTE INNER JOIN COMPONENTE ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente "
        "WHERE PECA_COMPONENTE.FlagOpcionalComponente = 0 AND PECA_COMPONENTE.CodigoPeca = <CODIGOPECA>  "
        "AND IsNumeric(PECA_COMPONENTE.QuantidadeComponente) "
        "GROUP BY PECA_COMPONENTE.CodigoComponente ORDER BY PECA_COMPONENTE.CodigoComponente");
    sql.replace(QLatin1String("<I>"), Idioma);
    sql.replace(QLatin1String("<CODIGOPECA>"), QString::number(CodigoPeca));
    return sql;
}

LinhaComparacao LeLinhaComparacao(const RecordsetPtr& rs)
{
    LinhaComparacao l;
    l.codigo = platform::vb::CLng(rs->Value(0));
    l.numero = rs->Value(1);
    l.descricao = rs->Value(2);
    const QVariant q = rs->Value(3);
    l.quantidade = IsNull(q) ? 0.0 : platform::vb::CDbl(q);
    l.opcional = rs->Value(4);
    return l;
}

QString TextoQuantidade(double total) { return platform::vb::NumberToText(total); }

bool QuantidadesIguais(double a, double b)
{
    return platform::vb::Val(TextoQuantidade(a)) == platform::vb::Val(TextoQuantidade(b));
}

QString MontaValoresComparacao(const LinhaComparacao* Linha1, const LinhaComparacao* Linha2, int Iguais)
{
    const LinhaComparacao* base = Linha1 ? Linha1 : Linha2;
    if (!base)
        return {};
    auto quantidade = [](const LinhaComparacao* l) {
        return l ? QLatin1Char('\'') + TextoQuantidade(l->quantidade) + QLatin1Char('\'') : QStringLiteral("Null");
    };
    QString flags;
    flags += caractereOpcional(base->opcional);
    flags += Linha1 ? QChar(' ') : kCR;
    flags += Linha2 ? QChar(' ') : kCR;
    return QString::number(base->codigo) + QLatin1Char(',') + textoEntreAspas(base->numero) + QLatin1Char(',') +
           textoEntreAspas(base->descricao) + QLatin1Char(',') + quantidade(Linha1) + QLatin1Char(',') +
           quantidade(Linha2) + QLatin1Char(',') + QLatin1Char('\'') + flags + QLatin1Char('\'') + QLatin1Char(',') +
           QString::number(Iguais);
}

QString ComandoInsercaoComparacao(const QString& Tabela, const QString& Valores)
{
    return QStringLiteral("INSERT INTO ") + Tabela +
           QStringLiteral("(CodigoComponente,NumeroEmpresaComponente,DescricaoComponente,QuantidadeComponente1,"
                          "QuantidadeComponente2,ImagensGrid,Iguais) VALUES(") +
           Valores + QLatin1Char(')');
}

long ConstroiTabelaComparacao(const DatabasePtr& Catalogo, const WorkspacePtr& WsAuxiliar, const DatabasePtr& Auxiliar,
                              long CodigoPeca1, long CodigoPeca2, const QString& Idioma, QString& Tabela)
{
    const QString anterior = Tabela;
    Tabela.clear();

    // Both grouped queries are read before anything is written.
    RecordsetPtr rs1 = Catalogo->OpenRecordset(ConsultaComponentesComparacao(CodigoPeca1, Idioma), dbOpenForwardOnly);
    RecordsetPtr rs2 = Catalogo->OpenRecordset(ConsultaComponentesComparacao(CodigoPeca2, Idioma), dbOpenForwardOnly);

    // The drop of the previous table, the new table and its rows are one
    // transaction: one commit for everything.
    QString nova;
    long linhas = 0;
    WsAuxiliar->BeginTrans();
    try {
        if (!anterior.isEmpty())
            Modulo::ExcluiTabela(Auxiliar, anterior);
        nova = Modulo::CriaTabelaComparacao(Auxiliar);
        while (!rs1->EOF_() || !rs2->EOF_()) {
            int iguais = 0;
            LinhaComparacao l1, l2;
            const LinhaComparacao* p1 = nullptr;
            const LinhaComparacao* p2 = nullptr;
            if (!rs1->EOF_()) {
                l1 = LeLinhaComparacao(rs1);
                p1 = &l1;
            }
            if (!rs2->EOF_()) {
                l2 = LeLinhaComparacao(rs2);
                p2 = &l2;
            }
            if (p1 && p2 && l1.codigo == l2.codigo) {
                iguais = QuantidadesIguais(l1.quantidade, l2.quantidade) ? 1 : 0;
            } else if (p1 && (!p2 || l1.codigo < l2.codigo)) {
                p2 = nullptr;
            } else {
                p1 = nullptr;
            }
            Auxiliar->Execute(ComandoInsercaoComparacao(nova, MontaValoresComparacao(p1, p2, iguais)), dbFailOnError);
            ++linhas;
            if (p1)
                rs1->MoveNext();
            if (p2)
                rs2->MoveNext();
        }
        WsAuxiliar->CommitTrans();
    } catch (...) {
        if (WsAuxiliar->InTransaction())
            WsAuxiliar->Rollback();
        // The rollback removed a table created inside it and brought the
        // previous one back: that one is no longer named anywhere, so it goes
        // too.  A failure of either drop is ignored.
        if (!nova.isEmpty() && Modulo::TabelaExiste(Auxiliar, nova))
            Modulo::ExcluiTabela(Auxiliar, nova);
        if (!anterior.isEmpty())
            Modulo::ExcluiTabela(Auxiliar, anterior);
        rs1->Close();
        rs2->Close();
        throw;
    }
    rs1->Close();
    rs2->Close();
    Tabela = nova;
    return linhas;
}

QString ClausulaFiltroComparacao(int Filtro)
{
    if (Filtro == kFiltroDiferentes || Filtro == kFiltroIguais)
        return QStringLiteral("WHERE Iguais = ") + QString::number(Filtro) + QLatin1Char(' ');
    return {};
}

QString FonteComparacao(const QString& Tabela, int Filtro, const QString& Ordem)
{
    return QStringLiteral("SELECT * FROM ") + Tabela + QLatin1Char(' ') + ClausulaFiltroComparacao(Filtro) +
           QStringLiteral("ORDER BY ") + Ordem;
}

void AtualizaGridComparacao(ContextoComparacao& c, const QString& CodigoComponente, int Filtro, const QString& Ordem,
                            bool Recriar, bool Atualizar)
{
    if (c.tagOrdem)
        *c.tagOrdem = Ordem;
    if (c.tagFiltro)
        *c.tagFiltro = QString::number(Filtro);
    QString semTabela;
    QString& tabela = c.tabela ? *c.tabela : semTabela;
    if (Recriar) {
        try {
            ConstroiTabelaComparacao(c.catalogo, c.wsAuxiliar, c.auxiliar, c.codigoPeca, c.codigoPecaComparacao,
                                     c.idioma, tabela);
        } catch (...) {
            // The list keeps no rows of a table that is gone.
            if (c.dataControl)
                c.dataControl->SetRecordset({});
            throw;
        }
    }
    if (!c.dataControl)
        return;
    if (c.analisarScroll)
        c.analisarScroll();
    if (c.dataControl->Database() != c.auxiliar)
        c.dataControl->SetDatabase(c.auxiliar);
    c.dataControl->SetRecordSource(FonteComparacao(tabela, Filtro, Ordem));
    c.dataControl->Refresh();
    if (!CodigoComponente.isEmpty()) {
        if (const RecordsetPtr rs = c.dataControl->Recordset())
            rs->FindFirst(QStringLiteral("CodigoComponente=") + CodigoComponente);
        if (c.atualizaGrid)
            c.atualizaGrid();
    } else if (Atualizar && c.atualizaGrid) {
        c.atualizaGrid();
    }
}

}  // namespace Comparacao
