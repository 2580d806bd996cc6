// The comparison table of two assemblies, built through the database layer
// exactly as the comparison screen builds it (Comparacao::AtualizaGridComparacao:
// the two grouped Jet queries, the merge, one INSERT text per row in one
// transaction, then the list's record source refreshed), against the same
// work in plain SQLite: the grouped queries prepared once, one prepared INSERT
// bound per row in one transaction, the list's SELECT read into memory.
//
//   comparison_bench DATAFOLDER [runs]
//
// DATAFOLDER holds the scale-100 demo catalogue (bench/demo-data makes it);
// a copy of it gets two assemblies of 3,000 components each, half of them
// shared and a tenth of them over two items.

#include "bench/common/resultado.h"
#include "comparison/comparacaotabela.h"
#include "core/runtables.h"
#include "platform/dao/dao.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace platform::dao;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

constexpr long kPecaA = 9000001, kPecaB = 9000002;
constexpr long kPrimeiroComponente = 9100000;
constexpr int kComponentes = 3000;

void check(sqlite3* db, int rc, const char* what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "%s: %s\n", what, sqlite3_errmsg(db));
        std::exit(1);
    }
}

// The two assemblies: A has components 0..2999, B 1500..4499; every tenth
// component of an assembly stands at two items.
void addAssemblies(sqlite3* db)
{
    check(db, sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), "begin");
    sqlite3_stmt* comp = nullptr;
    check(db, sqlite3_prepare_v2(db, "INSERT INTO COMPONENTE (CodigoComponente, NumeroEmpresaComponente, DescricaoComponenteP, "
                                     "DescricaoComponenteE, DescricaoComponenteI, ImagensGrid) VALUES (?, ?, ?, ?, ?, ?)",
                                 -1, &comp, nullptr), "prepare");
    for (int c = 0; c < kComponentes * 3 / 2; ++c) {
        const std::string n = std::to_string(880000000 + c * 7);
        const std::string d = "COMPONENTE DE BANCADA " + std::to_string(c);
        sqlite3_bind_int64(comp, 1, kPrimeiroComponente + c);
        sqlite3_bind_text(comp, 2, n.c_str(), -1, SQLITE_TRANSIENT);
        for (int l = 3; l <= 5; ++l)
            sqlite3_bind_text(comp, l, d.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(comp, 6, "\r", -1, SQLITE_STATIC);
        check(db, sqlite3_step(comp), "component");
        sqlite3_reset(comp);
    }
    sqlite3_finalize(comp);
    sqlite3_stmt* peca = nullptr;
    check(db, sqlite3_prepare_v2(db, "INSERT INTO PECA (CodigoPeca, NumeroEmpresaPeca, DescricaoPecaP, DescricaoPecaE, DescricaoPecaI, TipoPeca) "
                                     "VALUES (?, ?, 'BANCADA', 'BANCADA', 'BENCH', 'T')",
                                 -1, &peca, nullptr), "prepare");
    for (long p : {kPecaA, kPecaB}) {
        sqlite3_bind_int64(peca, 1, p);
        sqlite3_bind_text(peca, 2, std::to_string(1200000000 + p).c_str(), -1, SQLITE_TRANSIENT);
        check(db, sqlite3_step(peca), "assembly");
        sqlite3_reset(peca);
    }
    sqlite3_finalize(peca);
    sqlite3_stmt* pc = nullptr;
    check(db, sqlite3_prepare_v2(db, "INSERT INTO PECA_COMPONENTE (CodigoPeca, ItemComponente, CodigoComponente, QuantidadeComponente, "
                                     "FlagOpcionalComponente, ImagensGrid) VALUES (?, ?, ?, ?, 0, ?)",
                                 -1, &pc, nullptr), "prepare");
    for (long p : {kPecaA, kPecaB}) {
        const int first = p == kPecaA ? 0 : kComponentes / 2;
        for (int k = 0; k < kComponentes; ++k) {
            const int c = first + k;
            for (int copy = 0; copy < (k % 10 == 0 ? 2 : 1); ++copy) {
                const std::string item = std::to_string(10000 + k) + (copy ? "B" : "");
                const std::string q = std::to_string(1 + (c + (p == kPecaB && k % 3 == 0 ? 1 : 0)) % 4);
                sqlite3_bind_int64(pc, 1, p);
                sqlite3_bind_text(pc, 2, item.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int64(pc, 3, kPrimeiroComponente + c);
                sqlite3_bind_text(pc, 4, q.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(pc, 5, k % 7 == 0 ? "  \r\r" : "\r\r\r\r", -1, SQLITE_STATIC);
                check(db, sqlite3_step(pc), "part");
                sqlite3_reset(pc);
            }
        }
    }
    sqlite3_finalize(pc);
    check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), "commit");
}

// The same work in plain SQLite, with SQLite's own functions.
struct Plain {
    sqlite3* cat = nullptr;
    sqlite3* aux = nullptr;
    sqlite3_stmt* grouped = nullptr;

    Plain(const QString& catalogue, const QString& auxiliary)
    {
        sqlite3_open_v2(catalogue.toUtf8().constData(), &cat, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_open_v2(auxiliary.toUtf8().constData(), &aux, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        // The catalogue's text columns name the layer's collation: plain
        // SQLite gets an ASCII case-insensitive one under that name.
        sqlite3_create_collation(cat, "JET", SQLITE_UTF8, nullptr, [](void*, int n1, const void* a, int n2, const void* b) {
            const int r = sqlite3_strnicmp(static_cast<const char*>(a), static_cast<const char*>(b), std::min(n1, n2));
            return r ? r : n1 - n2;
        });
        check(cat, sqlite3_prepare_v2(cat,
                                      "SELECT pc.CodigoComponente, "
                                      "substr(printf('%010d', CAST(min(c.NumeroEmpresaComponente) AS INTEGER)),1,4)||' '||"
                                      "substr(printf('%010d', CAST(min(c.NumeroEmpresaComponente) AS INTEGER)),5,3)||' '||"
                                      "substr(printf('%010d', CAST(min(c.NumeroEmpresaComponente) AS INTEGER)),8,3), "
                                      "min(c.DescricaoComponenteP), sum(CAST(pc.QuantidadeComponente AS REAL)), max(substr(pc.ImagensGrid, 2, 1)) "
                                      "FROM PECA_COMPONENTE pc JOIN COMPONENTE c ON pc.CodigoComponente = c.CodigoComponente "
                                      "WHERE pc.FlagOpcionalComponente = 0 AND pc.CodigoPeca = ? AND pc.QuantidadeComponente GLOB '[0-9]*' "
                                      "GROUP BY pc.CodigoComponente ORDER BY pc.CodigoComponente",
                                      -1, &grouped, nullptr),
              "prepare grouped");
    }
    ~Plain()
    {
        sqlite3_finalize(grouped);
        sqlite3_close(cat);
        sqlite3_close(aux);
    }

    struct Row {
        long long code;
        std::string number, description, optional;
        double quantity;
    };
    std::vector<Row> read(long peca)
    {
        std::vector<Row> rows;
        sqlite3_bind_int64(grouped, 1, peca);
        while (sqlite3_step(grouped) == SQLITE_ROW) {
            auto text = [&](int i) { const auto* p = sqlite3_column_text(grouped, i); return std::string(p ? reinterpret_cast<const char*>(p) : ""); };
            rows.push_back({sqlite3_column_int64(grouped, 0), text(1), text(2), text(4), sqlite3_column_double(grouped, 3)});
        }
        sqlite3_reset(grouped);
        return rows;
    }

    double readMs = 0, writeMs = 0, listMs = 0;
    long run()
    {
        auto t0 = Clock::now();
        const std::vector<Row> a = read(kPecaA), b = read(kPecaB);
        readMs = msSince(t0);
        t0 = Clock::now();
        check(aux, sqlite3_exec(aux, "BEGIN", nullptr, nullptr, nullptr), "begin");
        check(aux, sqlite3_exec(aux, "DROP TABLE IF EXISTS Cmp_Plain", nullptr, nullptr, nullptr), "drop");
        check(aux, sqlite3_exec(aux, "CREATE TABLE Cmp_Plain (CodigoComponente INTEGER, NumeroEmpresaComponente TEXT, DescricaoComponente TEXT, "
                                     "QuantidadeComponente1 TEXT, QuantidadeComponente2 TEXT, ImagensGrid TEXT, Iguais INTEGER)",
                                nullptr, nullptr, nullptr),
              "create");
        sqlite3_stmt* ins = nullptr;
        check(aux, sqlite3_prepare_v2(aux, "INSERT INTO Cmp_Plain VALUES (?, ?, ?, ?, ?, ?, ?)", -1, &ins, nullptr), "prepare insert");
        std::size_t i = 0, j = 0;
        auto qty = [](double q) { char s[32]; std::snprintf(s, sizeof s, "%.15g", q); return std::string(s); };
        while (i < a.size() || j < b.size()) {
            const Row* r1 = i < a.size() ? &a[i] : nullptr;
            const Row* r2 = j < b.size() ? &b[j] : nullptr;
            if (r1 && r2 && r1->code != r2->code) {
                if (r1->code < r2->code) r2 = nullptr; else r1 = nullptr;
            }
            const Row& base = r1 ? *r1 : *r2;
            const std::string flags = (base.optional.empty() ? std::string("\r") : base.optional) + (r1 ? " " : "\r") + (r2 ? " " : "\r");
            sqlite3_bind_int64(ins, 1, base.code);
            sqlite3_bind_text(ins, 2, base.number.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(ins, 3, base.description.c_str(), -1, SQLITE_TRANSIENT);
            if (r1) sqlite3_bind_text(ins, 4, qty(r1->quantity).c_str(), -1, SQLITE_TRANSIENT); else sqlite3_bind_null(ins, 4);
            if (r2) sqlite3_bind_text(ins, 5, qty(r2->quantity).c_str(), -1, SQLITE_TRANSIENT); else sqlite3_bind_null(ins, 5);
            sqlite3_bind_text(ins, 6, flags.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(ins, 7, r1 && r2 && qty(r1->quantity) == qty(r2->quantity) ? 1 : 0);
            check(aux, sqlite3_step(ins), "insert");
            sqlite3_reset(ins);
            if (r1) ++i;
            if (r2) ++j;
        }
        sqlite3_finalize(ins);
        check(aux, sqlite3_exec(aux, "COMMIT", nullptr, nullptr, nullptr), "commit");
        writeMs = msSince(t0);
        t0 = Clock::now();
        // The list's SELECT, read into memory.
        sqlite3_stmt* list = nullptr;
        check(aux, sqlite3_prepare_v2(aux, "SELECT * FROM Cmp_Plain WHERE Iguais = 0 ORDER BY NumeroEmpresaComponente", -1, &list, nullptr), "select");
        std::string arena;
        long rows = 0;
        while (sqlite3_step(list) == SQLITE_ROW) {
            for (int c = 0; c < 7; ++c) {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(list, c));
                arena.append(p ? p : "", std::size_t(sqlite3_column_bytes(list, c)));
            }
            ++rows;
        }
        sqlite3_finalize(list);
        listMs = msSince(t0);
        return rows;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: comparison_bench DATAFOLDER [runs]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 11;
    QTemporaryDir dir;
    const QString catalogue = dir.filePath(QStringLiteral("DAZADIZETQ_V.MDB"));
    const QString auxiliary = dir.filePath(QStringLiteral("DAZADIZEAUX.MDB"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/DAZADIZETQ_V.MDB"), catalogue)) {
        std::fprintf(stderr, "cannot copy the catalogue\n");
        return 1;
    }
    {
        auto ws = DBEngine::CreateWorkspace(QStringLiteral("prep"));
        auto db = ws->OpenDatabase(catalogue);
        addAssemblies(db->nativeHandle());
        ws->Close();
    }
    DBEngine::CreateDatabase(auxiliary)->Close();

    auto wsCat = DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    DatabasePtr cat = wsCat->OpenDatabase(catalogue, false, true);
    auto wsAux = DBEngine::CreateWorkspace(QStringLiteral("DbTqAux"));
    DatabasePtr aux = wsAux->OpenDatabase(auxiliary);
    Plain plain(catalogue, dir.filePath(QStringLiteral("plain.db")));

    std::vector<double> tl, tp;
    long rowsLayer = 0, rowsPlain = 0, built = 0;
    QString tabela;
    for (int r = 0; r < runs; ++r) {
        DataControl list;
        Comparacao::ContextoComparacao c;
        c.catalogo = cat;
        c.wsAuxiliar = wsAux;
        c.auxiliar = aux;
        c.idioma = QStringLiteral("P");
        c.codigoPeca = kPecaA;
        c.codigoPecaComparacao = kPecaB;
        c.tabela = &tabela;
        c.dataControl = &list;
        auto t0 = Clock::now();
        Comparacao::AtualizaGridComparacao(c, QString(), Comparacao::kFiltroDiferentes, Comparacao::kOrdemNumero, true, false);
        rowsLayer = list.Recordset()->RecordCount();
        tl.push_back(msSince(t0));
        built = long(aux->OpenRecordset(QStringLiteral("SELECT Count(*) FROM ") + tabela)->Value(0).toLongLong());
        list.SetRecordset({});
        t0 = Clock::now();
        rowsPlain = plain.run();
        tp.push_back(msSince(t0));
    }
    // The layer's split: the grouped queries alone, the build alone.
    auto t0 = Clock::now();
    for (long p : {kPecaA, kPecaB}) {
        RecordsetPtr rs = cat->OpenRecordset(Comparacao::ConsultaComponentesComparacao(p, QStringLiteral("P")), dbOpenForwardOnly);
        while (!rs->EOF_())
            rs->MoveNext();
    }
    const double layerRead = msSince(t0);
    t0 = Clock::now();
    Comparacao::ConstroiTabelaComparacao(cat, wsAux, aux, kPecaA, kPecaB, QStringLiteral("P"), tabela);
    const double layerBuild = msSince(t0);
    Modulo::ExcluiTabela(aux, tabela);
    // Each run measures the layer and plain SQLite back to back, so the
    // ratio is taken per run and its median reported: a busy machine slows
    // both halves of a run alike, while it skews two separate medians.
    std::vector<double> ratios;
    for (std::size_t i = 0; i < tl.size(); ++i)
        ratios.push_back(tl[i] / tp[i]);
    std::sort(ratios.begin(), ratios.end());
    std::sort(tl.begin(), tl.end());
    std::sort(tp.begin(), tp.end());
    const double ml = tl[tl.size() / 2], mp = tp[tp.size() / 2];
    const double ratio = ratios[ratios.size() / 2];
    std::printf("Comparison of two assemblies of %d components (%ld table rows) built and listed, as a ratio to plain SQLite "
                "(median of %d runs, ratio per run)\n",
                kComponentes, built, runs);
    std::printf("  layer split: grouped queries %.1f ms, build with them %.1f ms\n", layerRead, layerBuild);
    std::printf("  plain split: grouped queries %.1f ms, table and inserts %.1f ms, list %.1f ms (last run)\n", plain.readMs,
                plain.writeMs, plain.listMs);
    std::printf("  layer %7.1f ms (%ld rows listed)  plain %7.1f ms (%ld rows)  ratio %.2f\n", ml, rowsLayer, mp, rowsPlain,
                ratio);
    bench::Resultado("comparison: built and listed / plain SQLite", ratio, bench::Alvo::NoMaximo, 3);
    return 0;
}
