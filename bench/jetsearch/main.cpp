// The catalogue's part search through the database layer, from Jet text to
// a materialised recordset, on the demo catalogue at scale 100 (about
// 280,000 components, repair kits and assemblies), against the equivalent
// query in plain SQLite with its built-in LIKE over the same file, read into
// memory the same way.  Three searches: every kind with a description word,
// every kind with all boxes empty, every kind with a number prefix.
//
//   jetsearch_bench DATAFOLDER [runs]
//
// DATAFOLDER holds DAZADIZETQ_V.MDB (bench/jetsearch.sh generates it once
// with tqdemo --scale 100 and keeps it in the build folder).

#include "core/searchtext.h"
#include "platform/dao/dao.h"

#include <QCoreApplication>
#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace platform::dao;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// The part search text as the search screen builds it: one sub-query per
// kind joined by UNION ALL, the conditions of the boxes, sorted by `ordem`.
QString jetSearch(const QString& numero, const QString& descricao, const QString& ordem)
{
    QString cond;
    auto add = [&](const QString& c) { cond = (cond.isEmpty() ? QStringLiteral("WHERE ") : cond + QStringLiteral("AND ")) + c; };
    const QString n = Modulo::NormalizaNumeroEmpresa(numero);
    if (!n.isEmpty())
        add(QStringLiteral("?????.NumeroEmpresa????? LIKE '") + n + QStringLiteral("*' "));
    const QString t = Modulo::PreparaTextoPesquisa(Modulo::SomenteLetrasDigitos(descricao), true);
    if (!t.isEmpty())
        add(QStringLiteral("?????.Descricao?????<PESQ><I> LIKE '*") + t + QStringLiteral("*' "));
    cond += cond.isEmpty() ? QStringLiteral("1WWWW") : QStringLiteral("2WWWW");
    QString tmpl = QStringLiteral(
                       "SELECT Format(?????.NumeroEmpresa?????,'0000 000 000') As NumeroEmpresa,?????.Descricao?????<I> "
                       "AS Descricao,!!!!! AS Tipo,?????.Codigo????? AS Codigo,?????.ImagensGrid FROM ?????????? ") +
                   cond;
    tmpl.replace(QStringLiteral("<I>"), QStringLiteral("P"));
    struct Kind { QString from, word, w1, w2, tipo, pesq; };
    const Kind kinds[] = {
        {QStringLiteral("?????"), QStringLiteral("COMPONENTE"), {}, {}, QStringLiteral("'Componente'"), {}},
        {QStringLiteral("?????"), QStringLiteral("JOGOREPARO"), {}, {}, QStringLiteral("'Jogo de Reparo'"), {}},
        {QStringLiteral("PECA LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca"), QStringLiteral("PECA"),
         QStringLiteral("WHERE TipoPeca = 'T' "), QStringLiteral("AND TipoPeca = 'T' "),
         QStringLiteral("TIPOPECA.DescricaoTipoPecaP"), QStringLiteral("Pesquisa")},
    };
    QString sql;
    for (const Kind& k : kinds) {
        QString s = tmpl;
        s.replace(QStringLiteral("??????????"), k.from);
        s.replace(QStringLiteral("?????"), k.word);
        s.replace(QStringLiteral("1WWWW"), k.w1);
        s.replace(QStringLiteral("2WWWW"), k.w2);
        s.replace(QStringLiteral("!!!!!"), k.tipo);
        s.replace(QStringLiteral("<PESQ>"), k.pesq);
        sql += (sql.isEmpty() ? QString() : QStringLiteral("UNION ALL ")) + s;
    }
    return sql + QStringLiteral("ORDER BY ") + ordem;
}

// The same search for plain SQLite: built-in LIKE (ASCII case-insensitive,
// '%' wildcards), the number formatted with printf/substr, built-in order.
std::string plainSearch(const std::string& numero, const std::string& palavra, bool formatted, const char* ordem)
{
    auto sub = [&](const char* word, const char* from, const char* typeCol, const char* descCol, const char* filter) {
        std::string w;
        if (!numero.empty())
            w += std::string(" AND ") + word + ".NumeroEmpresa" + word + " LIKE '" + numero + "%'";
        if (!palavra.empty())
            w += std::string(" AND ") + word + "." + descCol + " LIKE '%" + palavra + "%'";
        const std::string num = std::string("printf('%010d', CAST(") + word + ".NumeroEmpresa" + word + " AS INTEGER))";
        const std::string shown = formatted ? "substr(" + num + ",1,4)||' '||substr(" + num + ",5,3)||' '||substr(" +
                                                  num + ",8,3)"
                                            : std::string(word) + ".NumeroEmpresa" + word;
        return std::string("SELECT ") + shown + " AS NumeroEmpresa, " + word + ".Descricao" + word + "P AS Descricao, " + typeCol + " AS Tipo, " +
               word + ".Codigo" + word + " AS Codigo, " + word + ".ImagensGrid FROM " + from + " WHERE 1=1" + filter + w;
    };
    return sub("COMPONENTE", "COMPONENTE", "'Componente'", "DescricaoCOMPONENTEP", "") + " UNION ALL " +
           sub("JOGOREPARO", "JOGOREPARO", "'Jogo de Reparo'", "DescricaoJOGOREPAROP", "") + " UNION ALL " +
           sub("PECA", "PECA LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca", "TIPOPECA.DescricaoTipoPecaP",
               "DescricaoPecaPesquisaP", " AND TipoPeca = 'T'") +
           " ORDER BY " + ordem;
}

// Plain SQLite over the same rows, read to the end and kept in memory.
struct Plain {
    sqlite3* db = nullptr;
    explicit Plain(const QString& path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        // The catalogue's text columns name the layer's collation; plain
        // SQLite gets its own ASCII case-insensitive comparison under that name.
        sqlite3_create_collation(db, "JET", SQLITE_UTF8, nullptr,
                                 [](void*, int n1, const void* a, int n2, const void* b) {
                                     const int r = sqlite3_strnicmp(static_cast<const char*>(a),
                                                                    static_cast<const char*>(b), std::min(n1, n2));
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
        std::vector<std::string> cells;
        std::string arena;
        long rows = 0;
        const int n = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int i = 0; i < n; ++i) {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                arena.append(p ? p : "", std::size_t(sqlite3_column_bytes(st, i)));
            }
            ++rows;
        }
        sqlite3_finalize(st);
        return rows;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: jetsearch_bench DATAFOLDER [runs]\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/DAZADIZETQ_V.MDB");
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;

    auto ws = DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    DatabasePtr db = ws->OpenDatabase(path, false, true);
    Plain plain(path);

    struct Case { const char* name; QString numero; QString palavra; const char* ordem; };
    const Case cases[] = {
        {"every kind, description word", {}, QStringLiteral("engrenagem"), "2"},
        {"every kind, all boxes empty", {}, {}, "1"},
        {"every kind, number prefix", QStringLiteral("0501-2"), {}, "1"},
    };
    std::printf("Part search from Jet text to a materialised recordset, as a ratio to plain SQLite (median of %d)\n", runs);
    bool allOk = true;
    for (const Case& c : cases) {
        const QString jet = jetSearch(c.numero, c.palavra, QString::fromLatin1(c.ordem));
        const std::string n = Modulo::NormalizaNumeroEmpresa(c.numero).toStdString();
        const std::string w = Modulo::SomenteLetrasDigitos(c.palavra).toStdString();
        const std::string ref = plainSearch(n, w, true, c.ordem);
        const std::string raw = plainSearch(n, w, false, c.ordem);
        std::vector<double> tj, tp, tr;
        long rowsJet = 0, rowsPlain = 0;
        for (int r = 0; r < runs; ++r) {
            auto t0 = Clock::now();
            RecordsetPtr rs = db->OpenRecordset(jet, dbOpenSnapshot);
            rowsJet = rs->RecordCount();
            tj.push_back(msSince(t0));
            rs->Close();
            t0 = Clock::now();
            rowsPlain = plain.run(ref);
            tp.push_back(msSince(t0));
            t0 = Clock::now();
            plain.run(raw);
            tr.push_back(msSince(t0));
        }
        std::sort(tj.begin(), tj.end());
        std::sort(tp.begin(), tp.end());
        std::sort(tr.begin(), tr.end());
        const double mj = tj[tj.size() / 2], mp = tp[tp.size() / 2], mr = tr[tr.size() / 2];
        const double ratio = mj / mp;
        allOk = allOk && ratio <= 2.0;
        std::printf("  %-30s layer %7.1f ms (%ld rows)  plain %7.1f ms (%ld rows)  ratio %.2f (target: at most 2) %s"
                    "  [plain without number formatting %7.1f ms, ratio %.2f]\n",
                    c.name, mj, rowsJet, mp, rowsPlain, ratio, ratio <= 2.0 ? "ok" : "OVER", mr, mj / mr);
    }
    std::printf(allOk ? "  all within target\n" : "  OVER TARGET\n");
    return 0;
}
