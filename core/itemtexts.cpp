#include "core/itemtexts.h"

#include "core/database.h"
#include "core/globals.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "platform/dao/dao.h"

#include <QStringList>

namespace Modulo {
namespace {

using platform::dao::IsNull;
using platform::dao::RecordsetPtr;

// The entity word that completes table and column names of a kind.
QString entidade(const QString& tipo)
{
    if (tipo == QLatin1String("COM"))
        return QStringLiteral("Componente");
    if (tipo == QLatin1String("JRE"))
        return QStringLiteral("JogoReparo");
    if (tipo == QLatin1String("PCA"))
        return QStringLiteral("Peca");
    throw platform::Error(platform::dao::JetError::SyntaxError,
                          QStringLiteral("Syntax error in query expression: unknown item kind '%1'.").arg(tipo),
                          QStringLiteral("Modulo"));
}

QString apostrofado(const QString& texto) { return QLatin1Char('\'') + TextoSQL(texto) + QLatin1Char('\''); }

QString texto(const QVariant& v) { return IsNull(v) ? QString() : v.toString(); }

// Reads every row of a forward-only recordset and closes it, also on error.
template <typename F>
void percorre(const QString& sql, F&& porLinha)
{
    RecordsetPtr rs = AbreConsulta(sql, nullptr, platform::dao::dbOpenForwardOnly);
    try {
        while (!rs->EOF_()) {
            porLinha(*rs);
            rs->MoveNext();
        }
    } catch (...) {
        FechaConsulta(rs);
        throw;
    }
    FechaConsulta(rs);
}

// Whether OBSERVACAO_MEMO has attachment columns; any error means no.
bool temAnexos()
{
    try {
        RecordsetPtr rs = AbreConsulta(QStringLiteral("SELECT TOP 1 AnexosP FROM OBSERVACAO_MEMO"), nullptr,
                                       platform::dao::dbOpenForwardOnly);
        FechaConsulta(rs);
        return true;
    } catch (...) {
        return false;
    }
}

// Joins the non-empty parts with the separator.
QString junta(const QString& a, const QString& separador, const QString& b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + separador + b;
}

}  // namespace

QString ObtemTituloItem(const QString& Tipo, long Codigo)
{
    QString sql;
    QString rotulo;
    if (Tipo == QLatin1String("VEI")) {
        sql = QStringLiteral("SELECT VEICULO.DescricaoVeiculo<I>        AS Tit1,FABRICANTE.DescricaoFabricante<I>  AS "
                             "Tit2,'") +
              TextoSQL(ObtemTexto(17)) +
              QStringLiteral("' AS DescricaoTipo FROM VEICULO,FABRICANTE WHERE VEICULO.CodigoVeiculo = ") +
              QString::number(Codigo) + QStringLiteral(" AND VEICULO.CodigoFabricante = FABRICANTE.CodigoFabricante");
        rotulo = ObtemTexto(18);
    } else {
        const QString palavra = entidade(Tipo);
        sql = QStringLiteral("SELECT Descricao?????" "<I>                          AS Tit1,Format(NumeroEmpresa?????, "
                             "'0000 000 000') AS Tit2,TTTTT                                      AS DescricaoTipo "
                             "FROM ????? WHERE Codigo????? = ") +
              QString::number(Codigo);
        rotulo = ObtemTexto(5);
        QString tipoSql;
        if (Tipo == QLatin1String("COM")) {
            tipoSql = apostrofado(ObtemTexto(2));
        } else if (Tipo == QLatin1String("JRE")) {
            tipoSql = apostrofado(ObtemTexto(4));
        } else if (gEdicao == QLatin1String("D") || gEdicao == QLatin1String("M")) {
            tipoSql = apostrofado(ObtemTexto(111));
        } else {
            tipoSql = QStringLiteral("IIF(TipoPeca='E',") + apostrofado(ObtemTexto(1)) + QLatin1Char(',') +
                      apostrofado(ObtemTexto(3)) + QLatin1Char(')');
        }
        sql.replace(QStringLiteral("TTTTT"), tipoSql);
        sql.replace(QStringLiteral("?????"), palavra);
    }
    sql.replace(QStringLiteral("<I>"), gIdioma);

    QString titulo;
    RecordsetPtr rs = AbreConsulta(sql, nullptr, platform::dao::dbOpenForwardOnly);
    try {
        if (!rs->EOF_())
            titulo = texto(rs->Value(QStringLiteral("DescricaoTipo"))) + QStringLiteral(": ") +
                     texto(rs->Value(QStringLiteral("Tit1"))) + QString(10, QLatin1Char(' ')) + rotulo +
                     QStringLiteral(": ") + texto(rs->Value(QStringLiteral("Tit2")));
    } catch (...) {
        FechaConsulta(rs);
        throw;
    }
    FechaConsulta(rs);
    return titulo;
}

QString ObtemCodigoTipo(const QString& NomeTipo)
{
    if (NomeTipo == ObtemTexto(2))
        return QStringLiteral("COM");
    if (NomeTipo == ObtemTexto(4))
        return QStringLiteral("JRE");
    const QVariant v = ObtemValorSQL(QStringLiteral("SELECT 1 FROM TIPOPECA WHERE DescricaoTipoPeca") + gIdioma +
                                         QStringLiteral("='") + TextoSQL(PreparaTextoPesquisa(NomeTipo, false)) +
                                         QLatin1Char('\''),
                                     {}, -1);
    if (!IsNull(v) && v.toLongLong() == 1)
        return QStringLiteral("PCA");
    return NomeTipo;
}

QString ObtemObservacoes(const QString& Tipo, long Codigo, long CodigoPeca,
                         const std::optional<QString>& ItemComponente, bool SomenteRapida,
                         const QString& Separador, const QString& TextoExtra, QString& Anexos)
{
    Anexos.clear();
    const QString palavra = entidade(Tipo);
    QString separador = Separador;
    bool anexos = false;
    QString sql;
    if (SomenteRapida) {
        if (separador.isEmpty())
            separador = QStringLiteral(" / ");
        sql = QStringLiteral("SELECT APLICACAOOBS_?????.CodigoObservacao,OBSERVACAO_RAPIDA.ObservacaoRapida<I> AS "
                             "ObservacaoRapida FROM APLICACAOOBS_????? LEFT JOIN OBSERVACAO_RAPIDA ON "
                             "OBSERVACAO_RAPIDA.CodigoObservacao = APLICACAOOBS_?????.CodigoObservacao WHERE "
                             "Codigo????? = ");
    } else {
        anexos = temAnexos();
        if (separador.isEmpty())
            separador = QStringLiteral("\r\n__________\r\n\r\n");
        sql = QStringLiteral("SELECT APLICACAOOBS_?????.CodigoObservacao,OBSERVACAO_RAPIDA.ObservacaoRapida<I> AS "
                             "ObservacaoRapida,OBSERVACAO_MEMO.ObservacaoMemo<I>     AS ObservacaoMemo ");
        if (anexos)
            sql += QStringLiteral(",Anexos<I> AS Anexos ");
        sql += QStringLiteral("FROM ((APLICACAOOBS_????? LEFT JOIN OBSERVACAO_RAPIDA ON "
                              "OBSERVACAO_RAPIDA.CodigoObservacao = APLICACAOOBS_?????.CodigoObservacao) LEFT JOIN "
                              "OBSERVACAO_MEMO   ON OBSERVACAO_MEMO.CodigoObservacao   = "
                              "APLICACAOOBS_?????.CodigoObservacao) WHERE Codigo????? = ");
    }
    sql += QString::number(Codigo) + QStringLiteral(" WWWWW");
    sql.replace(QStringLiteral("<I>"), gIdioma);

    // Where a note applies.  A note row without an assembly (or without an
    // item number) applies to every assembly (or item): those columns are
    // tested with IS NULL, since "= Null" matches nothing.
    QString onde;
    const QString peca = QString::number(CodigoPeca);
    if (Tipo == QLatin1String("COM")) {
        if (CodigoPeca == -5)
            onde = QStringLiteral("AND CodigoPeca IS NULL");
        else if (!ItemComponente)
            onde = QStringLiteral("AND (CodigoPeca IS NULL OR CodigoPeca = ") + peca + QLatin1Char(')');
        else
            onde = QStringLiteral("AND (CodigoPeca IS NULL OR (CodigoPeca = ") + peca +
                   QStringLiteral(" AND (ItemComponente IS NULL OR ItemComponente = '") + TextoSQL(*ItemComponente) +
                   QStringLiteral("')))");
    } else if (Tipo == QLatin1String("JRE")) {
        if (CodigoPeca == -5)
            onde = QStringLiteral("AND CodigoPeca IS NULL");
        else
            onde = QStringLiteral("AND (CodigoPeca IS NULL OR CodigoPeca = ") + peca + QLatin1Char(')');
    }
    sql.replace(QStringLiteral("?????"), palavra);
    sql.replace(QStringLiteral("WWWWW"), onde);

    QString notas;
    percorre(sql, [&](platform::dao::Recordset& rs) {
        QVariant nota = rs.Value(QStringLiteral("ObservacaoRapida"));
        if (!SomenteRapida) {
            const QVariant memo = rs.Value(QStringLiteral("ObservacaoMemo"));
            if (!IsNull(memo))
                nota = memo;
        }
        if (!IsNull(nota)) {
            if (!notas.isEmpty())
                notas += separador;
            notas += nota.toString();
        }
        if (anexos)
            Anexos += QLatin1Char('/') + texto(rs.Value(QStringLiteral("Anexos")));
    });

    const QString cabeca = junta(ObtemTextoSubstituicao(Codigo, Tipo), separador, TextoExtra);
    return junta(cabeca, separador, notas);
}

long ObtemCodigoSubstituto(long Codigo, const QString& Tipo)
{
    QString visitados = QStringLiteral("/");
    long resultado = -5;
    long codigo = Codigo;
    for (;;) {
        const QString chave = QString::number(codigo);
        if (visitados.contains(QLatin1Char('/') + chave + QLatin1Char('/')))
            break;
        visitados += chave + QLatin1Char('/');
        const QVariant novo =
            ObtemValorSQL(QStringLiteral("SELECT CodigoItemNovo FROM SUBSTITUIDOS WHERE TipoItem   ='") +
                              TextoSQL(Tipo) + QStringLiteral("' AND CodigoItem =") + chave,
                          {}, -1);
        // An empty replacement code ends the chain like a missing one.
        if (IsNull(novo) || novo.toLongLong() <= 0)
            break;
        codigo = static_cast<long>(novo.toLongLong());
        resultado = codigo;
    }
    return resultado;
}

QString ObtemTextoSubstituicao(long Codigo, const QString& Tipo)
{
    const QString palavra = entidade(Tipo);
    const long novo = ObtemCodigoSubstituto(Codigo, Tipo);

    QString atual;
    if (novo > 0) {
        QString sql = QStringLiteral("SELECT Format(NumeroEmpresa?????,'0000 000 000') FROM ?????  WHERE Codigo????? = ") +
                      QString::number(novo);
        sql.replace(QStringLiteral("?????"), palavra);
        atual = ObtemTexto(48).toUpper() + QStringLiteral(": ") + texto(ObtemValorSQL(sql, {}, -1));
    }

    QString antigos;
    QString lista = QString::number(novo > 0 ? novo : Codigo);
    QString visitados = QStringLiteral(",");
    for (;;) {
        if (visitados.contains(QLatin1Char(',') + lista + QLatin1Char(',')))
            break;
        visitados += lista + QLatin1Char(',');
        QString sql = QStringLiteral("SELECT SUBSTITUIDOS.CodigoItem,Format(?????.NumeroEmpresa?????,'0000 000 000') "
                                     "AS NumeroEmpresa FROM SUBSTITUIDOS INNER JOIN ????? ON SUBSTITUIDOS.CodigoItem = "
                                     "?????.Codigo????? WHERE SUBSTITUIDOS.TipoItem = '") +
                      TextoSQL(Tipo) + QStringLiteral("' AND SUBSTITUIDOS.CodigoItemNovo IN (") + lista +
                      QLatin1Char(')');
        sql.replace(QStringLiteral("?????"), palavra);
        QStringList numeros;
        QStringList codigos;
        percorre(sql, [&](platform::dao::Recordset& rs) {
            const QVariant codigo = rs.Value(0);
            const QVariant numero = rs.Value(1);
            if (!IsNull(numero))
                numeros << numero.toString();
            if (!IsNull(codigo))
                codigos << codigo.toString();
        });
        if (numeros.isEmpty() && codigos.isEmpty())
            break;
        if (!numeros.isEmpty())
            antigos = junta(antigos, QStringLiteral(", "), numeros.join(QStringLiteral(", ")));
        if (codigos.isEmpty())
            break;
        lista = codigos.join(QLatin1Char(','));
    }
    if (!antigos.isEmpty())
        antigos = ObtemTexto(49).toUpper() + QStringLiteral(": ") + antigos;

    return junta(atual, QStringLiteral("   "), antigos);
}

}  // namespace Modulo
