#pragma once
// Comparacao - the comparison table of two assemblies (screen 8's list).
//
// The regular components of both assemblies are merged into a table of the
// run in the auxiliary database ("Cmp_...", created by
// Modulo::CriaTabelaComparacao): one row per component code with both total
// quantities side by side, an equal/different mark and three icon flags.  The
// list then shows that table filtered (different, equal, all) and sorted
// (by company number or description); filter and order changes only rebind
// the list's data control, they never rebuild the table.
//
// Rows (columns of the table):
//   CodigoComponente          the component's code
//   NumeroEmpresaComponente   company number formatted '0000 000 000'
//   DescricaoComponente       description in the run's language (whole)
//   QuantidadeComponente1/2   the assembly's total as text, Null when it lacks
//                             the component
//   ImagensGrid               three flags, a blank meaning set: 1 optional
//                             alternatives (of the first assembly when it has
//                             the component), 2 in the first, 3 in the second;
//                             a clear flag is CR
//   Iguais                    1 when both have it and the totals are equal as
//                             the row shows them, else 0
//
// Sound behaviour where the design has faults:
//   - the build is one transaction on the auxiliary workspace: a failure
//     rolls back, drops the new table, leaves the table name empty and
//     raises the error (no half-built table);
//   - texts go into the INSERT with their apostrophes doubled, whole;
//   - flag 1 is CR when no optional character came back, so the flags
//     never shift;
//   - totals compare as the numbers the row shows (0.1 + 0.2 equals 0.3).
//
// Errors are platform::Error (the database layer's or the run time's) and
// reach the caller; the screen runs these routines inside Modulo::Guarda.

#include "platform/dao/dao.h"

#include <QString>
#include <QVariant>

#include <functional>

namespace Comparacao {

using platform::dao::DatabasePtr;
using platform::dao::RecordsetPtr;
using platform::dao::WorkspacePtr;

// Filters of the list (pctExibirComparacao.Tag); any other value lists all.
constexpr int kFiltroDiferentes = 0;
constexpr int kFiltroIguais = 1;
constexpr int kFiltroTodos = 2;

// Orders of the list (grdTHGrid1.Tag).
inline const QString kOrdemNumero = QStringLiteral("NumeroEmpresaComponente");
inline const QString kOrdemDescricao = QStringLiteral("DescricaoComponente");

// The grouped query of one assembly: its regular components with a numeric
// quantity, one row per code in ascending order, the quantities summed.
QString ConsultaComponentesComparacao(long CodigoPeca, const QString& Idioma);

// One row of that query.
struct LinhaComparacao {
    long codigo = 0;
    QVariant numero;     // formatted company number, may be Null
    QVariant descricao;  // may be Null
    double quantidade = 0;
    QVariant opcional;   // one character, or Null / empty when none came back
};
LinhaComparacao LeLinhaComparacao(const RecordsetPtr& rs);

// A total as the row shows it (the run time's number text: 3, 2.5, 0.3).
QString TextoQuantidade(double total);
// Whether two totals are equal as the row shows them.
bool QuantidadesIguais(double a, double b);

// The text between the parentheses of VALUES for one merged row; exactly one
// of the two rows may be null.
QString MontaValoresComparacao(const LinhaComparacao* Linha1, const LinhaComparacao* Linha2, int Iguais);

// The INSERT of one merged row into the table.
QString ComandoInsercaoComparacao(const QString& Tabela, const QString& Valores);

// The build: drops the previous table `Tabela` (when not empty; a failed
// drop is ignored), creates a new one, names it in `Tabela` and fills it from
// the two assemblies' grouped queries on `Catalogo`, in one transaction of
// `WsAuxiliar`.  Returns the number of rows.  On a failure the transaction is
// rolled back, the new table dropped, `Tabela` emptied and the error raised.
long ConstroiTabelaComparacao(const DatabasePtr& Catalogo, const WorkspacePtr& WsAuxiliar, const DatabasePtr& Auxiliar,
                              long CodigoPeca1, long CodigoPeca2, const QString& Idioma, QString& Tabela);

// "WHERE Iguais = 0 " / "WHERE Iguais = 1 " for the filters 0 and 1, else "".
QString ClausulaFiltroComparacao(int Filtro);
// The list's record source: "SELECT * FROM <table> <filter>ORDER BY <order>".
QString FonteComparacao(const QString& Tabela, int Filtro, const QString& Ordem);

// What AtualizaGridComparacao works on: the databases, the two assemblies,
// the form state it reads and writes (mTabelaComparacao, the filter in
// pctExibirComparacao.Tag and the order in grdTHGrid1.Tag), the list's data
// control and the two list calls (empty functions are skipped).
struct ContextoComparacao {
    DatabasePtr catalogo;          // gDbDazadize
    WorkspacePtr wsAuxiliar;       // gWsAuxiliar
    DatabasePtr auxiliar;          // gDbAuxiliar
    QString idioma;                // gIdioma
    long codigoPeca = 0;           // mCodigoPeca
    long codigoPecaComparacao = 0; // mCodigoPecaComparacao
    QString* tabela = nullptr;     // mTabelaComparacao
    QString* tagFiltro = nullptr;  // pctExibirComparacao.Tag
    QString* tagOrdem = nullptr;   // grdTHGrid1.Tag
    platform::dao::DataControl* dataControl = nullptr;  // dtcTHGrid1
    std::function<void()> analisarScroll;  // grdTHGrid1.AnalisarScollProximoRefresh
    std::function<void()> atualizaGrid;    // grdTHGrid1.AtualizaGrid
};

// frmTQ1.AtualizaGridComparacao: stores the order and the filter; with
// Recriar builds the table (ConstroiTabelaComparacao; when that fails the
// data control is left without a recordset and the error raised); then binds the data
// control to FonteComparacao on the auxiliary database and refreshes it.
// With a component code the row of that component becomes current and the
// list is redrawn; without one the list is redrawn only with Atualizar.
void AtualizaGridComparacao(ContextoComparacao& Contexto, const QString& CodigoComponente, int Filtro,
                            const QString& Ordem, bool Recriar, bool Atualizar);

}  // namespace Comparacao
