#pragma once
// tqsearch: the statements of the catalogue search, built by the search
// screens' own builders (search/), and their rows, without a window.
//
//   tqsearch DATAFOLDER [--edition V|A|D|M] [--language P|E|I] [--sql] QUERY
//
// QUERY is one of
//   (part search, the default)  [--number T] [--description T]
//                               [--manufacturer T] [--kinds CJTE | --type X]
//                               [--order 1|2]
//   --vehicle T [--maker N]     the vehicle search (N: CodigoFabricante, 0 all)
//   --list KIND CODE            the parts list of an item (COM, JRE, PCA, VEI)
//   --combo types|makers        the part-type or the manufacturer drop-down
//
// --kinds picks the kinds of editions V and A: C components, J repair kits,
// T transmissions, E axles (default: the main search's start, CJT, in A
// CJTE).  --type is the type code of editions D and M (default " ", all).
// Without --edition the data folder must hold one catalogue
// "DAZADIZETQ_<letter>.MDB", whose letter is the edition.  --sql prints the
// statement; otherwise the rows are printed as jetsql prints them.  Errors
// print "Error N: message" on stderr and exit with 1; a bad command line
// exits with 2.

#include "search/sqlpesquisa.h"

#include <QStringList>
#include <QTextStream>

namespace tqsearch {

struct Pedido {
    enum class Consulta { Pecas, Veiculos, Lista, Combo };
    Consulta consulta = Consulta::Pecas;
    QString pasta;
    QString edicao;   // empty: from the catalogue file of the folder
    QString idioma = QStringLiteral("P");
    bool somenteSql = false;
    // part search
    Pesquisa::EntradaPesquisaPecas pecas;
    bool tiposDados = false;  // --kinds or --type was given
    QString ordem = QStringLiteral("1");
    // vehicle search
    QString veiculo;
    long fabricante = 0;
    // parts list
    QString tipoItem;
    long codigoItem = 0;
    // drop-downs
    QString combo;
};

// Reads the command line (without the program name); raises platform::Error
// 5 with a readable text for a bad one.
Pedido LeArgumentos(const QStringList& args);

// Completes the edition from the folder when it was not given and returns
// the catalogue file; raises 3024 when the folder holds none, 5 when it
// holds several and no --edition was given.
QString ResolveCatalogo(Pedido& pedido);

// The statement of the request (the edition resolved).
QString Sql(const Pedido& pedido);

// The whole run: the exit code.
int Executa(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace tqsearch
