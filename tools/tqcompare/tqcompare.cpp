// tqcompare DATA CODE1 CODE2 [FILTER [ORDER]] [--lang L]
//
// Builds the comparison table of the assemblies CODE1 and CODE2 (CodigoPeca)
// of the data folder DATA through the comparison screen's own routine,
// prints the rows the list would show (filter 0 different, 1 equal, any
// other all; ORDER the list's ORDER BY, NumeroEmpresaComponente by default)
// as jetsql prints them, and drops the table.  The edition is read from the
// catalogue file in DATA; the language is P unless --lang says E or I.
// Errors print their number and message on stderr and exit with 1.

#include "pastadados.h"

#include "comparison/comparacaotabela.h"
#include "core/globals.h"
#include "core/runtables.h"
#include "platform/base/error.h"
#include "textolinhas.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    const QString idioma = tqferramenta::ExtraiIdioma(args);
    bool ok1 = false, ok2 = false, ok3 = true;
    const long codigo1 = args.value(1).toLong(&ok1);
    const long codigo2 = args.value(2).toLong(&ok2);
    const int filtro = args.size() > 3 ? args[3].toInt(&ok3) : Comparacao::kFiltroDiferentes;
    if (args.size() < 3 || args.size() > 5 || !ok1 || !ok2 || !ok3) {
        std::fprintf(stderr, "usage: tqcompare DATA CODE1 CODE2 [FILTER [ORDER]] [--lang P|E|I]\n");
        return 2;
    }
    const QString ordem = args.size() > 4 ? args[4] : Comparacao::kOrdemNumero;
    QTextStream out(stdout);
    try {
        tqferramenta::PastaDados pasta(args[0], idioma);
        QString tabela;
        platform::dao::DataControl lista;
        Comparacao::ContextoComparacao c;
        c.catalogo = Modulo::gDbDazadize;
        c.wsAuxiliar = Modulo::gWsAuxiliar;
        c.auxiliar = Modulo::gDbAuxiliar;
        c.idioma = Modulo::gIdioma;
        c.codigoPeca = codigo1;
        c.codigoPecaComparacao = codigo2;
        c.tabela = &tabela;
        c.dataControl = &lista;
        try {
            Comparacao::AtualizaGridComparacao(c, QString(), filtro, ordem, true, false);
            jetsql::EscreveLinhas(lista.Recordset(), out);
        } catch (...) {
            lista.SetRecordset({});
            Modulo::ExcluiTabela(Modulo::gDbAuxiliar, tabela);
            throw;
        }
        lista.SetRecordset({});
        Modulo::ExcluiTabela(Modulo::gDbAuxiliar, tabela);
        return 0;
    } catch (const platform::Error& e) {
        out.flush();
        std::fprintf(stderr, "Error %ld: %s\n", e.number(), e.description().toLocal8Bit().constData());
        return 1;
    }
}
