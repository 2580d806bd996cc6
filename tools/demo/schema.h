#pragma once
// The catalogue schema as the three programs use it, written as Jet DDL.
//
// Every table and column that the catalogue program, the update checker and
// the update run read or write.  Conventions of the catalogue: codes
// (Codigo...) are numbers; company numbers, manufacturer numbers, item
// numbers, quantities and type codes are text; "<I>" columns exist once per
// language (P, E, I); ImagensGrid columns hold the row-flag strings (a blank
// at position n sets flag n, a carriage return clears it).  Text lengths are
// chosen so that every value also fits the run tables the program copies it
// into (descriptions 50, formatted company numbers 12, quantities 5).

#include <QString>
#include <QStringList>
#include <QVariant>

#include <initializer_list>
#include <vector>

namespace demo {

// Row-flag strings: a blank sets flag n, a carriage return clears it.
inline const QChar kCR(13);
inline QString Flags(std::initializer_list<bool> set)
{
    QString s;
    for (bool b : set)
        s += b ? QChar(' ') : kCR;
    return s;
}

// A text column's value: a null text is Null.
inline QVariant Text(const QString& s) { return s.isNull() ? QVariant() : QVariant(s); }

struct ColumnSpec {
    QString name;
    QString jetType;  // "LONG", "TEXT(50)", "MEMO", "DATETIME", ...
};

struct TableSpec {
    QString name;
    std::vector<ColumnSpec> columns;
    QString constraint;         // table constraint text, or empty
    QStringList indexes;        // CREATE INDEX statements, run after the rows
    QString createStatement;    // the whole CREATE TABLE text
    QStringList columnNames() const;
};

// Tables of the catalogue database, in creation order.  `withTipoPeca` and
// `withAttachments` select the variants without TIPOPECA and without the
// attachment columns of OBSERVACAO_MEMO.
std::vector<TableSpec> CatalogueSchema(bool withTipoPeca = true, bool withAttachments = true);

// The part-type table exactly as the catalogue program creates it when it is
// missing.
QString TipoPecaCreateStatement();

// Names of the tables (for the writers and the tests).
namespace tbl {
inline const QString PECA = QStringLiteral("PECA");
inline const QString COMPONENTE = QStringLiteral("COMPONENTE");
inline const QString JOGOREPARO = QStringLiteral("JOGOREPARO");
inline const QString PECA_COMPONENTE = QStringLiteral("PECA_COMPONENTE");
inline const QString PECA_COMPONENTE_JOGOREPARO = QStringLiteral("PECA_COMPONENTE_JOGOREPARO");
inline const QString SUGESTAO_COMPONENTE = QStringLiteral("SUGESTAO_COMPONENTE");
inline const QString SUGESTAO_JOGOREPARO = QStringLiteral("SUGESTAO_JOGOREPARO");
inline const QString FIGURADETALHADA1 = QStringLiteral("FIGURADETALHADA1");
inline const QString FIGURADETALHADA = QStringLiteral("FIGURADETALHADA");
inline const QString PARTESFIGURA = QStringLiteral("PARTESFIGURA");
inline const QString TIPOPECA = QStringLiteral("TIPOPECA");
inline const QString FABRICANTE = QStringLiteral("FABRICANTE");
inline const QString VEICULO = QStringLiteral("VEICULO");
inline const QString VEICULO_PECA = QStringLiteral("VEICULO_PECA");
inline const QString REFERENCIACRUZADA = QStringLiteral("REFERENCIACRUZADA");
inline const QString CODIGOFABRICANTE = QStringLiteral("CODIGOFABRICANTE");
inline const QString APLICACAOOBS_Componente = QStringLiteral("APLICACAOOBS_Componente");
inline const QString APLICACAOOBS_JOGOREPARO = QStringLiteral("APLICACAOOBS_JOGOREPARO");
inline const QString APLICACAOOBS_Peca = QStringLiteral("APLICACAOOBS_Peca");
inline const QString OBSERVACAO_RAPIDA = QStringLiteral("OBSERVACAO_RAPIDA");
inline const QString OBSERVACAO_MEMO = QStringLiteral("OBSERVACAO_MEMO");
inline const QString SUBSTITUIDOS = QStringLiteral("SUBSTITUIDOS");
inline const QString UMREGISTRO = QStringLiteral("UMREGISTRO");
inline const QString CONTROLETRAN = QStringLiteral("CONTROLETRAN");
}  // namespace tbl

}  // namespace demo
