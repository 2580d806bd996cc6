// The catalogue search as the user meets it, on the demo catalogue at scale
// 100 (about 280,000 components, repair kits and assemblies), through the
// product's own builders and search runner.
//
// 1. Per search (number prefix, one word, two words, maker fragment, all
//    boxes empty, vehicle word): from the box change (the statement built
//    and handed to the runner) to the list bound and repainted, against
//    plain SQLite with its built-in LIKE materialising the same rows from
//    the same file in the same run.  Each run times both sides back to
//    back, so the ratio is taken per run and the median of those ratios is
//    the figure: a busy machine slows both halves of a run alike, while it
//    skews two separate medians.  Target: at most 1.2 times.
// 2. Typing "engrenagem" at 30 ms per key into a box whose change starts the
//    search, with the list (a THGrid in a bare window) bound through the
//    runner: the longest stall of the event loop, measured by a 1 ms
//    heartbeat, against the same typing with every search run to its end
//    on the window's thread, as the catalogue once did.  Target: at most
//    50 ms; the final list must equal the direct search.
//
//   jetsearch_bench DATAFOLDER [runs]      runs: 11 by default
//
// Diagnostics: TQ_BENCH_ONLY=<start of a search's name> runs that search
// alone; TQ_BENCH_DETAIL=1 prints, per run, when the rows arrived, were
// bound and painted, the repaint's processor time and the same statement
// read on the window's thread alone.
//
// DATAFOLDER holds DAZADIZETQ_V.MDB (bench/jetsearch.sh generates it once
// with tqdemo --scale 100 and keeps it in the build folder).

#include "bench/common/parada.h"
#include "bench/common/resultado.h"
#include "core/globals.h"
#include "listcontrols/thgrid.h"
#include "platform/dao/dao.h"
#include "search/executorpesquisa.h"
#include "search/sqlpesquisa.h"
#include "search/vinculolista.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

#include <sched.h>
#include <sqlite3.h>

#include <ctime>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace platform::dao;

namespace {

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Plain SQLite over the same file: built-in LIKE ('%', ASCII case), number
// formatting with printf/substr, the rows read to the end and kept in memory.
struct Plain {
    sqlite3* db = nullptr;
    explicit Plain(const QString& path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        // The catalogue's text columns name the layer's collations; plain
        // SQLite gets an ASCII case-insensitive comparison under those names.
        for (const char* nome : {"JET", "JETSORT"})
            sqlite3_create_collation(db, nome, SQLITE_UTF8, nullptr, [](void*, int n1, const void* a, int n2, const void* b) {
                const int r = sqlite3_strnicmp(static_cast<const char*>(a), static_cast<const char*>(b), std::min(n1, n2));
                return r ? r : n1 - n2;
            });
    }
    ~Plain() { sqlite3_close(db); }
    long run(const std::string& sql)
    {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "plain: %s\n", sqlite3_errmsg(db));
            std::exit(1);
        }
        std::string arena;
        std::vector<std::size_t> cells;
        long rows = 0;
        const int n = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int i = 0; i < n; ++i) {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                cells.push_back(arena.size());
                arena.append(p ? p : "", std::size_t(sqlite3_column_bytes(st, i)));
            }
            ++rows;
        }
        sqlite3_finalize(st);
        return rows;
    }
};

std::string Formatado(const std::string& coluna)
{
    const std::string n = "printf('%010d', CAST(" + coluna + " AS INTEGER))";
    return "substr(" + n + ",1,4)||' '||substr(" + n + ",5,3)||' '||substr(" + n + ",8,3)";
}

// The plain part search: the same columns, kinds and order; `cond(word,
// descriptionColumn)` gives the extra conditions of one sub-query.
std::string PlainPecas(const std::function<std::string(const std::string&, const std::string&)>& cond, const char* ordem)
{
    auto sub = [&](const char* w, const char* from, const char* tipo, const std::string& desc, const char* filtro) {
        return std::string("SELECT ") + Formatado(std::string(w) + ".NumeroEmpresa" + w) + " AS NumeroEmpresa, " + w +
               ".Descricao" + w + "P AS Descricao, " + tipo + " AS Tipo, " + w + ".Codigo" + w + " AS Codigo, " + w +
               ".ImagensGrid FROM " + from + " WHERE 1=1" + filtro + cond(w, desc);
    };
    return sub("COMPONENTE", "COMPONENTE", "'Componente'", "DescricaoComponenteP", "") + " UNION ALL " +
           sub("JOGOREPARO", "JOGOREPARO", "'Jogo de Reparo'", "DescricaoJogoReparoP", "") + " UNION ALL " +
           sub("PECA", "PECA LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca", "TIPOPECA.DescricaoTipoPecaP",
               "DescricaoPecaPesquisaP", " AND TipoPeca = 'T'") +
           " ORDER BY " + ordem;
}

const QStringList kColunas = {
    QStringLiteral("|2|330|F|6|Incluir Item no Carrinho|99"), QStringLiteral("NumeroEmpresa|0|1335|T|6"),
    QStringLiteral("Descricao|0|4050|T|6"), QStringLiteral("Tipo|0|1935|T|6"),
    QStringLiteral("ImagensGrid|2|555|I|6|Observação|99"),
};
const QStringList kColunasVeiculos = {QStringLiteral("Veiculo|0|6240|T|6"), QStringLiteral("Fabricante|0|3870|T|6")};

THPictures Icones()
{
    THPictures p;
    for (int k = 0; k < 2; ++k) {
        QPixmap a(16, 14);
        a.fill(QColor(0x37, 0x45, 0x91));
        p[0].push_back(a);
        p[1].push_back(a);
    }
    return p;
}

QStringList Linhas(const RecordsetPtr& rs)
{
    QStringList out;
    for (long r = 0; r < rs->RecordCount(); ++r) {
        QStringList c;
        for (int f = 0; f < rs->FieldCount(); ++f)
            c << rs->ValueAt(r, f).toString();
        out << c.join(QLatin1Char('|'));
    }
    return out;
}

// The bare window: a list bound to a data control, as screen 1 shows it.
struct Janela {
    QWidget janela;
    DataControl dtc;
    THGrid* grid;
    explicit Janela(const QStringList& colunas, const QString& sqlInicial)
    {
        janela.resize(700, 500);
        grid = new THGrid(&janela);
        grid->ReadProperties({{QStringLiteral("BackColor"), 0xFFFFFF}, {QStringLiteral("BarraColor"), 0xF4E4DC}});
        grid->mTextGridVazio = QStringLiteral("Nenhum Item Encontrado");
        grid->mUserControlPixelWidth = 558;
        grid->mUserControlPixelHeight = 391;
        grid->Move(15, 60, 558, 391);
        dtc.SetDatabase(Modulo::gDbDazadize);
        dtc.SetRecordSource(sqlInicial);
        dtc.Refresh();
        grid->ObtemDataControl(&dtc);
        grid->ObtemPictures(Icones());
        grid->ConfiguraColunas(colunas);
        janela.show();
        QCoreApplication::processEvents();
    }
};

// Box change to list repainted, through the runner: the statement is built,
// the runner reads it and binds it, the list repaints.
double BoxParaLista(Pesquisa::ExecutorPesquisa& executor, Janela& j, const std::function<QString()>& constroi, long* linhas)
{
    QEventLoop espera;
    const auto ligacao = QObject::connect(&executor, &Pesquisa::ExecutorPesquisa::vinculada, &espera, &QEventLoop::quit);
    const auto falha = QObject::connect(&executor, &Pesquisa::ExecutorPesquisa::falhou, &espera, [&] {
        std::fprintf(stderr, "search failed\n");
        std::exit(1);
    });
    QElapsedTimer t;
    t.start();
    const QString sql = constroi();
    double tv = 0;
    auto v = Pesquisa::VinculoLista(j.grid, &j.dtc, sql, true);
    executor.Inicia(sql, [&](const RecordsetPtr& rs) { tv = t.nsecsElapsed() / 1e6; v(rs); });
    espera.exec();
    const double tb = t.nsecsElapsed() / 1e6;
    timespec c0, c1;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c0);
    j.grid->repaint();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c1);
    const double ms = t.nsecsElapsed() / 1e6;
    if (qEnvironmentVariableIsSet("TQ_BENCH_DETAIL"))
        std::printf("    [repaint cpu %.2f ms]\n", (c1.tv_sec - c0.tv_sec) * 1e3 + (c1.tv_nsec - c0.tv_nsec) / 1e6);
    if (qEnvironmentVariableIsSet("TQ_BENCH_DETAIL")) {
        QElapsedTimer m;
        m.start();
        Modulo::gDbDazadize->OpenRecordset(sql)->Close();
        const double sozinho = m.nsecsElapsed() / 1e6;
        m.restart();
        j.grid->repaint();
        std::printf("    [arrived %.1f, bound %.1f, painted %.1f; on this thread alone %.1f; a second repaint %.2f]\n", tv, tb, ms,
                    sozinho, m.nsecsElapsed() / 1e6);
    }
    QObject::disconnect(ligacao);
    QObject::disconnect(falha);
    *linhas = j.dtc.Recordset()->RecordCount();
    return ms;
}

// Typing a word at `passoMs` per key; returns the longest gap between two
// 1 ms heartbeats from the first key until the final list is bound.
double Digita(const QString& palavra, int passoMs, bool comExecutor, QStringList* finais, QString* sqlFinal)
{
    Janela j(kColunas, Pesquisa::SqlPesquisaPecas([] {
                 Pesquisa::EntradaPesquisaPecas e;
                 e.componentes = e.jogosReparo = e.transmissoes = true;
                 return e;
             }(), QStringLiteral("1")));
    QLineEdit caixa(&j.janela);
    caixa.setGeometry(15, 20, 300, 24);
    Pesquisa::ExecutorPesquisa executor;
    executor.DefineCatalogo(Modulo::gDbDazadize->Name(), Modulo::gDbDazadize);
    QObject::connect(&caixa, &QLineEdit::textChanged, &caixa, [&](const QString& texto) {
        Pesquisa::EntradaPesquisaPecas e;
        e.componentes = e.jogosReparo = e.transmissoes = true;
        e.descricao = texto;
        const QString sql = Pesquisa::SqlPesquisaPecas(e, QStringLiteral("2"));
        *sqlFinal = sql;
        if (comExecutor) {
            executor.Inicia(sql, Pesquisa::VinculoLista(j.grid, &j.dtc, sql, true));
        } else {
            // As the catalogue did: the query runs to its end right here.
            j.grid->AnalisarScollProximoRefresh();
            j.dtc.SetRecordSource(sql);
            j.dtc.Refresh();
            j.grid->AtualizaGrid();
        }
    });

    bench::MedidorParada parada;
    int proxima = 0;
    QTimer teclas;
    teclas.setTimerType(Qt::PreciseTimer);
    teclas.setInterval(passoMs);
    QEventLoop fim;
    QObject::connect(&teclas, &QTimer::timeout, [&] {
        if (proxima < palavra.size()) {
            caixa.setText(caixa.text() + palavra.at(proxima++));
            return;
        }
        teclas.stop();
        if (!comExecutor || !executor.Pendente())
            fim.quit();
        else
            QObject::connect(&executor, &Pesquisa::ExecutorPesquisa::vinculada, &fim, &QEventLoop::quit);
    });
    parada.Inicia();
    teclas.start();
    fim.exec();
    j.grid->repaint();
    const double maior = parada.Para();
    *finais = Linhas(j.dtc.Recordset());
    return maior;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc < 2) {
        std::fprintf(stderr, "usage: jetsearch_bench DATAFOLDER [runs]\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/DAZADIZETQ_V.MDB");
    const int runs = argc > 2 ? std::atoi(argv[2]) : 11;

    Modulo::gIdioma = QStringLiteral("P");
    Modulo::gEdicao = QStringLiteral("V");
    Modulo::gWsDazadize = DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(path, false, true);
    Plain plain(path);
    // Both halves of every run on one processor: on a virtual machine one
    // processor can run markedly slower than another for seconds at a time,
    // which skewed whole series of one half (the runner's worker or this
    // thread) by half as much again.  The worker, started by the runner
    // below, inherits this thread's processor; each side waits for the
    // other here, so they never compete.  The typing measurement further
    // down runs with every processor again.
    cpu_set_t todos;
    CPU_ZERO(&todos);
    const bool fixado = sched_getaffinity(0, sizeof todos, &todos) == 0 && [] {
        const int cpu = sched_getcpu();
        cpu_set_t um;
        CPU_ZERO(&um);
        CPU_SET(cpu < 0 ? 0 : cpu, &um);
        return sched_setaffinity(0, sizeof um, &um) == 0;
    }();
    Pesquisa::ExecutorPesquisa executor;
    executor.DefineCatalogo(path, Modulo::gDbDazadize);

    const auto pecas = [](const char* numero, const char* descricao, const char* fabricante) {
        return [=] {
            Pesquisa::EntradaPesquisaPecas e;
            e.componentes = e.jogosReparo = e.transmissoes = true;
            e.numeroEmpresa = QString::fromUtf8(numero);
            e.descricao = QString::fromUtf8(descricao);
            e.numeroFabricante = QString::fromUtf8(fabricante);
            return Pesquisa::SqlPesquisaPecas(e, QString::fromUtf8(*descricao ? "2" : "1"));
        };
    };
    const auto like = [](const std::string& padrao) {
        return [padrao](const std::string&, const std::string& desc) { return " AND " + desc + " LIKE '" + padrao + "'"; };
    };
    struct Caso {
        const char* nome;
        std::function<QString()> produto;
        std::string plano;
        bool veiculos = false;
    };
    const std::vector<Caso> casos = {
        {"number prefix 0501-2", pecas("0501-2", "", ""),
         PlainPecas([](const std::string& w, const std::string&) { return " AND " + w + ".NumeroEmpresa" + w + " LIKE '5012%'"; }, "1")},
        {"one word engrenagem", pecas("", "engrenagem", ""), PlainPecas(like("%ENGRENAGEM%"), "2")},
        {"two words engrenagem marcha", pecas("", "engrenagem marcha", ""), PlainPecas(like("%ENGRENAGEM%MARCHA%"), "2")},
        {"maker fragment 12A", pecas("", "", "12A"),
         PlainPecas([](const std::string& w, const std::string&) {
             return " AND " + w + ".NumeroEmpresa" + w + " IN (SELECT NumeroEmpresa FROM REFERENCIACRUZADA WHERE NumeroFabricante LIKE '%12A%')";
         }, "1")},
        {"all boxes empty", pecas("", "", ""), PlainPecas([](const std::string&, const std::string&) { return std::string(); }, "1")},
        {"vehicle word caminhão", [] { return Pesquisa::SqlPesquisaVeiculos(QStringLiteral("caminhão"), 0, QStringLiteral("P")); },
         "SELECT VEICULO.DescricaoVeiculoP AS Veiculo, FABRICANTE.DescricaoFabricanteP AS Fabricante, VEICULO.CodigoVeiculo AS Codigo "
         "FROM VEICULO INNER JOIN FABRICANTE ON VEICULO.CodigoFabricante = FABRICANTE.CodigoFabricante WHERE "
         "VEICULO.DescricaoVeiculoPesquisaP LIKE '%CAMINHÃO%' ORDER BY 1, 2",
         true},
    };

    std::printf("Search from box change to list repainted, through the search builders and runner, as a ratio to plain "
                "SQLite materialising the same rows (median of %d runs, ratio per run)\n",
                runs);
    bool medidas = true;  // both sides of every search listed the same rows
    Janela pecasJanela(kColunas, pecas("", "", "")());
    Janela veiculosJanela(kColunasVeiculos, Pesquisa::SqlPesquisaVeiculos({}, 0, QStringLiteral("P")));
    const QString so = qEnvironmentVariable("TQ_BENCH_ONLY");
    for (const Caso& c : casos) {
        if (!so.isEmpty() && !QString::fromUtf8(c.nome).startsWith(so))
            continue;
        Janela& j = c.veiculos ? veiculosJanela : pecasJanela;
        std::vector<double> tp, tr, razoes;
        long linhasProduto = 0, linhasPlano = 0;
        for (int r = 0; r < runs + 1; ++r) {  // the first run of each side warms the caches
            const double a = BoxParaLista(executor, j, c.produto, &linhasProduto);
            QElapsedTimer t;
            t.start();
            linhasPlano = plain.run(c.plano);
            const double b = t.nsecsElapsed() / 1e6;
            if (r > 0) {
                tp.push_back(a);
                tr.push_back(b);
                razoes.push_back(a / b);
            }
        }
        const double mp = Mediana(tp), mr = Mediana(tr), razao = Mediana(razoes);
        std::printf("  %-30s product %7.1f ms (%ld rows)  plain %7.1f ms (%ld rows)  ratio %.2f%s\n", c.nome, mp,
                    linhasProduto, mr, linhasPlano, razao, linhasProduto != linhasPlano ? "  ROWS DIFFER" : "");
        bench::Resultado(std::string("search: ") + c.nome + " / plain SQLite", razao, bench::Alvo::NoMaximo, 1.2);
        medidas = medidas && linhasProduto == linhasPlano;
    }

    if (fixado)
        sched_setaffinity(0, sizeof todos, &todos);

    std::printf("Typing \"engrenagem\" at 30 ms per key, the list bound as each search ends\n");
    QStringList finais, bloqueando;
    QString sqlFinal;
    const double paradaBloqueando = Digita(QStringLiteral("engrenagem"), 30, false, &bloqueando, &sqlFinal);
    const double parada = Digita(QStringLiteral("engrenagem"), 30, true, &finais, &sqlFinal);
    const bool iguais = finais == Linhas(Modulo::gDbDazadize->OpenRecordset(sqlFinal));
    std::printf("  longest stall of the event loop: %.1f ms through the runner; %.1f ms with each search run on the "
                "window's thread\n",
                parada, paradaBloqueando);
    std::printf("  final list (%lld rows) %s the direct search\n", (long long)finais.size(), iguais ? "equals" : "DIFFERS FROM");
    bench::Resultado("search: longest stall while typing (ms)", parada, bench::Alvo::NoMaximo, 50);
    executor.Cancela();
    Modulo::gDbDazadize->Close();
    return medidas && iguais ? 0 : 1;
}
