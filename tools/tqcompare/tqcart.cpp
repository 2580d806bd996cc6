// tqcart DATA OUT [--lang L] KIND:CODE:QTY[:op] ...
//
// Fills a fresh cart table of the data folder DATA with the items given
// (KIND is COM, JRE or PCA, CODE the item's code, QTY its quantity text, ":op"
// marks it optional), in order, as the cart routine adds them, then writes
// the cart list's text file OUT with the list's own export writer and drops
// the cart table.  The edition is read from the catalogue file in DATA; the
// language is P unless --lang says E or I.  Errors print their number and
// message on stderr and exit with 1; OUT is then left as it was.

#include "pastadados.h"
#include "preenchecarrinho.h"

#include "comparison/exportacaolista.h"
#include "comparison/listacarrinho.h"
#include "core/globals.h"
#include "core/runtables.h"
#include "platform/base/error.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

struct Item {
    QString tipo;
    long codigo = 0;
    QString quantidade;
    bool opcional = false;
};

bool le(const QString& texto, Item& item)
{
    const QStringList partes = texto.split(QLatin1Char(':'));
    if (partes.size() < 3 || partes.size() > 4 || (partes.size() == 4 && partes[3] != QLatin1String("op")))
        return false;
    bool ok = false;
    item = {partes[0].toUpper(), partes[1].toLong(&ok), partes[2], partes.size() == 4};
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    const QString idioma = tqferramenta::ExtraiIdioma(args);
    std::vector<Item> itens;
    bool ok = args.size() >= 2;
    for (qsizetype i = 2; ok && i < args.size(); ++i) {
        Item item;
        ok = le(args[i], item);
        itens.push_back(item);
    }
    if (!ok) {
        std::fprintf(stderr, "usage: tqcart DATA OUT [--lang P|E|I] KIND:CODE:QTY[:op] ...\n");
        return 2;
    }
    try {
        tqferramenta::PastaDados pasta(args[0], idioma);
        Modulo::gTabelaCarrinho = Modulo::CriaTabelaLista(Modulo::gDbAuxiliar);
        try {
            for (const Item& item : itens)
                tqferramenta::PreencheCarrinho(item.tipo, item.codigo, item.quantidade, item.opcional);
            platform::dao::RecordsetPtr lista = Modulo::gDbAuxiliar->OpenRecordset(
                Comparacao::ConsultaLista(Modulo::gTabelaCarrinho), platform::dao::dbOpenSnapshot);
            Comparacao::GeraArquivoTextoLista(args[1], lista, tqferramenta::PastaDados::TextoDataEmissao());
            lista->Close();
        } catch (...) {
            Modulo::ExcluiTabela(Modulo::gDbAuxiliar, Modulo::gTabelaCarrinho);
            throw;
        }
        Modulo::ExcluiTabela(Modulo::gDbAuxiliar, Modulo::gTabelaCarrinho);
        return 0;
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "Error %ld: %s\n", e.number(), e.description().toLocal8Bit().constData());
        return 1;
    }
}
