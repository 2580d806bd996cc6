#include "tools/tqsearch/tqsearch.h"

#include "core/globals.h"
#include "core/texts.h"
#include "platform/base/error.h"
#include "platform/dao/dao.h"
#include "search/estadopesquisa.h"
#include "search/sqllistapecas.h"
#include "textolinhas.h"

#include <QDir>
#include <QRegularExpression>

namespace tqsearch {

namespace {

[[noreturn]] void Uso(const QString& texto)
{
    throw platform::Error(platform::errors::InvalidProcedureCall, texto, QStringLiteral("tqsearch"));
}

long Numero(const QString& texto, const QString& opcao)
{
    bool ok = false;
    const long n = texto.toLong(&ok);
    if (!ok)
        Uso(QStringLiteral("%1 takes a whole number, not \"%2\".").arg(opcao, texto));
    return n;
}

}  // namespace

Pedido LeArgumentos(const QStringList& args)
{
    Pedido p;
    QString kinds;
    bool consultaDada = false;
    const auto consulta = [&](Pedido::Consulta c) {
        if (consultaDada && p.consulta != c)
            Uso(QStringLiteral("--vehicle, --list and --combo exclude each other and the part search."));
        consultaDada = true;
        p.consulta = c;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto valor = [&]() -> QString {
            if (i + 1 >= args.size())
                Uso(QStringLiteral("%1 needs a value.").arg(a));
            return args[++i];
        };
        if (a == QLatin1String("--edition")) {
            p.edicao = valor().toUpper();
            if (!QStringList{"V", "A", "D", "M"}.contains(p.edicao))
                Uso(QStringLiteral("--edition is V, A, D or M."));
        } else if (a == QLatin1String("--language")) {
            p.idioma = valor().toUpper();
            if (!QStringList{"P", "E", "I"}.contains(p.idioma))
                Uso(QStringLiteral("--language is P, E or I."));
        } else if (a == QLatin1String("--sql")) {
            p.somenteSql = true;
        } else if (a == QLatin1String("--number")) {
            p.pecas.numeroEmpresa = valor();
        } else if (a == QLatin1String("--description")) {
            p.pecas.descricao = valor();
        } else if (a == QLatin1String("--manufacturer")) {
            p.pecas.numeroFabricante = valor();
        } else if (a == QLatin1String("--kinds")) {
            kinds = valor().toUpper();
            static const QRegularExpression letras(QStringLiteral("^[CJTE]+$"));
            if (!letras.match(kinds).hasMatch())
                Uso(QStringLiteral("--kinds takes the letters C, J, T and E."));
            p.tiposDados = true;
        } else if (a == QLatin1String("--type")) {
            p.pecas.codigoTipoPeca = valor();
            if (p.pecas.codigoTipoPeca.size() != 1)
                Uso(QStringLiteral("--type takes one character (\" \" for everything)."));
            p.tiposDados = true;
        } else if (a == QLatin1String("--order")) {
            p.ordem = valor();
            if (p.ordem != QLatin1String("1") && p.ordem != QLatin1String("2"))
                Uso(QStringLiteral("--order is 1 (number) or 2 (description)."));
        } else if (a == QLatin1String("--vehicle")) {
            consulta(Pedido::Consulta::Veiculos);
            p.veiculo = valor();
        } else if (a == QLatin1String("--maker")) {
            p.fabricante = Numero(valor(), a);
        } else if (a == QLatin1String("--list")) {
            consulta(Pedido::Consulta::Lista);
            p.tipoItem = valor().toUpper();
            p.codigoItem = Numero(valor(), a);
            if (!QStringList{"COM", "JRE", "PCA", "VEI"}.contains(p.tipoItem))
                Uso(QStringLiteral("--list takes a kind COM, JRE, PCA or VEI and a code."));
        } else if (a == QLatin1String("--combo")) {
            consulta(Pedido::Consulta::Combo);
            p.combo = valor().toLower();
            if (p.combo != QLatin1String("types") && p.combo != QLatin1String("makers"))
                Uso(QStringLiteral("--combo is types or makers."));
        } else if (a.startsWith(QLatin1String("--"))) {
            Uso(QStringLiteral("Unknown option %1.").arg(a));
        } else if (p.pasta.isEmpty()) {
            p.pasta = a;
        } else {
            Uso(QStringLiteral("One data folder only (\"%1\" is a second one).").arg(a));
        }
    }
    if (p.pasta.isEmpty())
        Uso(QStringLiteral("usage: tqsearch DATAFOLDER [--edition V|A|D|M] [--language P|E|I] [--sql] "
                           "[--number T] [--description T] [--manufacturer T] [--kinds CJTE | --type X] [--order 1|2] "
                           "| --vehicle T [--maker N] | --list KIND CODE | --combo types|makers"));
    if (!kinds.isEmpty()) {
        p.pecas.componentes = kinds.contains(QLatin1Char('C'));
        p.pecas.jogosReparo = kinds.contains(QLatin1Char('J'));
        p.pecas.transmissoes = kinds.contains(QLatin1Char('T'));
        p.pecas.eixos = kinds.contains(QLatin1Char('E'));
    }
    p.pecas.idioma = p.idioma;
    return p;
}

QString ResolveCatalogo(Pedido& p)
{
    const QDir pasta(p.pasta);
    if (p.edicao.isEmpty()) {
        QStringList achados;
        for (const QString& nome : pasta.entryList({QStringLiteral("DAZADIZETQ_?.MDB")}, QDir::Files, QDir::Name))
            if (QStringList{"V", "A", "D", "M"}.contains(Modulo::LetraEdicaoDoArquivo(nome)))
                achados << nome;
        if (achados.isEmpty())
            throw platform::Error(platform::dao::JetError::FileNotFound,
                                  QStringLiteral("No catalogue DAZADIZETQ_<edition>.MDB in '%1'.").arg(p.pasta), QStringLiteral("tqsearch"));
        if (achados.size() > 1)
            Uso(QStringLiteral("'%1' holds several catalogues (%2): give --edition.").arg(p.pasta, achados.join(QStringLiteral(", "))));
        p.edicao = Modulo::LetraEdicaoDoArquivo(achados.first());
    }
    p.pecas.edicao = p.edicao;
    if (!p.tiposDados) {
        // The main search's start contents of the edition.
        const Pesquisa::FiltrosPesquisa f = Pesquisa::FiltrosIniciais(p.edicao, 0);
        p.pecas.componentes = f.PesquisaComponentes;
        p.pecas.jogosReparo = f.PesquisaJogosReparo;
        p.pecas.transmissoes = f.PesquisaTransmissoes;
        p.pecas.eixos = f.PesquisaEixos;
        p.pecas.codigoTipoPeca = f.CodigoTipoPeca;
    }
    return pasta.filePath(QStringLiteral("DAZADIZETQ_%1.MDB").arg(p.edicao));
}

QString Sql(const Pedido& p)
{
    switch (p.consulta) {
    case Pedido::Consulta::Veiculos:
        return Pesquisa::SqlPesquisaVeiculos(p.veiculo, p.fabricante, p.idioma);
    case Pedido::Consulta::Lista:
        return Pesquisa::SqlListaPecas(p.tipoItem, p.codigoItem, p.idioma);
    case Pedido::Consulta::Combo:
        if (p.combo == QLatin1String("types"))
            return Pesquisa::SqlComboTiposPeca(p.edicao, p.idioma);
        return Pesquisa::SqlComboFabricantes(Modulo::ObtemTexto(0, p.idioma, p.edicao).toUpper(), p.idioma);
    case Pedido::Consulta::Pecas:
        break;
    }
    const QString sql = Pesquisa::SqlPesquisaPecas(p.pecas, p.ordem);
    if (sql.isEmpty())
        Uso(QStringLiteral("The part search needs at least one kind (--kinds) in editions V and A."));
    return sql;
}

int Executa(const QStringList& args, QTextStream& out, QTextStream& err)
{
    try {
        Pedido p = LeArgumentos(args);
        const QString arquivo = ResolveCatalogo(p);
        Modulo::gEdicao = p.edicao;
        Modulo::gIdioma = p.idioma;
        const QString sql = Sql(p);
        if (p.somenteSql) {
            out << sql << '\n';
            return 0;
        }
        auto ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("tqsearch"));
        auto db = ws->OpenDatabase(arquivo, false, true);
        jetsql::EscreveLinhas(db->OpenRecordset(sql, platform::dao::dbOpenForwardOnly), out);
        return 0;
    } catch (const platform::Error& e) {
        out.flush();
        err << "Error " << e.number() << ": " << e.description() << '\n';
        return e.number() == platform::errors::InvalidProcedureCall && e.source() == QLatin1String("tqsearch") ? 2 : 1;
    }
}

}  // namespace tqsearch
