// The catalogue part search (components, repair kits and assemblies, sorted
// by the formatted company number) from Jet text to materialised rows,
// against the same search written for plain SQLite with its built-in LIKE
// and no formatting, over the same rows.  Prints each time and the ratio.
//
//   jetsearch_bench [rows]      (default 300000 rows over the three tables)

#include "platform/dao/jetsql.h"

#include <QString>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void check(int rc, sqlite3* db, const char* what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "%s: %s\n", what, sqlite3_errmsg(db));
        std::exit(1);
    }
}

void exec(sqlite3* db, const std::string& sql) { check(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), db, sql.c_str()); }

const char* const kWords[] = {"ANEL",     "VEDAÇÃO", "ARRUELA", "BUCHA",   "ROLAMENTO", "ENGRENAGEM", "EIXO",
                              "PINHÃO",   "RETENTOR", "PARAFUSO", "PORCA", "JUNTA",     "CARCAÇA",    "TAMPA",
                              "SINCRONIZADOR", "GARFO", "LUVA",   "MOLA",    "PISTÃO",    "CUBO",       "DIFERENCIAL",
                              "COROA",    "TRAVA",   "ESPAÇADOR", "CALÇO",  "SELO",      "ÓLEO",       "ÍMÃ"};

std::string unaccented(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = s[i];
        if (c == 0xC3 && i + 1 < s.size()) {
            const unsigned char d = s[++i];
            const char* map = "AAAAAAACEEEEIIII"; // 0x80..0x8F
            out += d >= 0x80 && d <= 0x8F ? map[d - 0x80] : d >= 0x92 && d <= 0x96 ? 'O' : d >= 0x99 && d <= 0x9C ? 'U' : '?';
        } else {
            out += char(c);
        }
    }
    return out;
}

struct Rng {
    unsigned long long s = 88172645463325252ull;
    unsigned next() { s ^= s << 13; s ^= s >> 7; s ^= s << 17; return unsigned(s); }
};

void fill(sqlite3* db, int rows)
{
    Rng rng;
    exec(db, "BEGIN");
    sqlite3_stmt* st[3];
    const char* ins[3] = {
        "INSERT INTO COMPONENTE VALUES (?1, ?2, ?3, '    ')",
        "INSERT INTO JOGOREPARO VALUES (?1, ?2, ?3, '    ')",
        "INSERT INTO PECA VALUES (?1, ?2, ?3, ?4, ?5, '    ')",
    };
    for (int k = 0; k < 3; ++k)
        check(sqlite3_prepare_v2(db, ins[k], -1, &st[k], nullptr), db, ins[k]);
    for (int i = 0; i < rows; ++i) {
        const int table = i % 10 < 7 ? 0 : i % 10 < 8 ? 1 : 2;
        std::string desc;
        const int words = 2 + int(rng.next() % 3);
        for (int w = 0; w < words; ++w)
            desc += (w ? " " : "") + std::string(kWords[rng.next() % (sizeof kWords / sizeof *kWords)]);
        desc += " M" + std::to_string(rng.next() % 40);
        const std::string number = std::to_string(100000 + rng.next() % 900000000);
        sqlite3_stmt* s = st[table];
        sqlite3_bind_int(s, 1, i + 1);
        sqlite3_bind_text(s, 2, number.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 3, desc.c_str(), -1, SQLITE_TRANSIENT);
        if (table == 2) {
            const std::string search = unaccented(desc);
            sqlite3_bind_text(s, 4, search.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(s, 5, rng.next() % 2 ? "T" : "E", -1, SQLITE_STATIC);
        }
        check(sqlite3_step(s), db, "insert");
        sqlite3_reset(s);
    }
    for (sqlite3_stmt* s : st)
        sqlite3_finalize(s);
    exec(db, "INSERT INTO TIPOPECA VALUES ('T', 'Transmissão')");
    exec(db, "INSERT INTO TIPOPECA VALUES ('E', 'Eixo')");
    exec(db, "COMMIT");
}

// The search text as the main window builds it: each kind's sub-query, the
// conditions, then ORDER BY 1.
std::string jetSearch(const std::string& numberPrefix, const std::string& descriptionClass)
{
    auto sub = [&](const std::string& entity, const std::string& from, const std::string& kind,
                   const std::string& pesq, const std::string& whereType, const std::string& andType) {
        std::string cond;
        if (!numberPrefix.empty())
            cond += std::string(cond.empty() ? "WHERE " : "AND ") + entity + ".NumeroEmpresa" + entity + " LIKE '" +
                    numberPrefix + "*' ";
        if (!descriptionClass.empty())
            cond += std::string(cond.empty() ? "WHERE " : "AND ") + entity + ".Descricao" + entity + pesq + "P LIKE '*" +
                    descriptionClass + "*' ";
        cond += cond.empty() ? whereType : andType;
        return "SELECT Format(" + entity + ".NumeroEmpresa" + entity + ",'0000 000 000') As NumeroEmpresa," + entity +
               ".Descricao" + entity + "P AS Descricao," + kind + " AS Tipo," + entity + ".Codigo" + entity +
               " AS Codigo," + entity + ".ImagensGrid FROM " + from + " " + cond;
    };
    return sub("COMPONENTE", "COMPONENTE", "'Componente'", "", "", "") + "UNION ALL " +
           sub("JOGOREPARO", "JOGOREPARO", "'Jogo de Reparo'", "", "", "") + "UNION ALL " +
           sub("PECA", "PECA LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca",
               "TIPOPECA.DescricaoTipoPecaP", "Pesquisa", "WHERE TipoPeca = 'T' ", "AND TipoPeca = 'T' ") +
           "ORDER BY 1";
}

std::string plainSearch(const std::string& numberPrefix, const std::string& word)
{
    auto sub = [&](const std::string& entity, const std::string& from, const std::string& kind,
                   const std::string& pesq, const std::string& type) {
        std::string cond;
        if (!numberPrefix.empty())
            cond += std::string(cond.empty() ? "WHERE " : "AND ") + entity + ".NumeroEmpresa" + entity + " LIKE '" +
                    numberPrefix + "%' ";
        if (!word.empty())
            cond += std::string(cond.empty() ? "WHERE " : "AND ") + entity + ".Descricao" + entity + pesq + "P LIKE '%" +
                    word + "%' ";
        if (!type.empty())
            cond += std::string(cond.empty() ? "WHERE " : "AND ") + type;
        return "SELECT " + entity + ".NumeroEmpresa" + entity + " AS NumeroEmpresa," + entity + ".Descricao" + entity +
               "P AS Descricao," + kind + " AS Tipo," + entity + ".Codigo" + entity + " AS Codigo," + entity +
               ".ImagensGrid FROM " + from + " " + cond;
    };
    return sub("COMPONENTE", "COMPONENTE", "'Componente'", "", "") + "UNION ALL " +
           sub("JOGOREPARO", "JOGOREPARO", "'Jogo de Reparo'", "", "") + "UNION ALL " +
           sub("PECA", "PECA LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca",
               "TIPOPECA.DescricaoTipoPecaP", "Pesquisa", "TipoPeca = 'T' ") +
           "ORDER BY 1";
}

// Runs a statement and copies every value out, as a snapshot does.
std::size_t materialise(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* st = nullptr;
    check(sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &st, nullptr), db, sql.c_str());
    std::vector<std::string> cells;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
            cells.emplace_back(p ? p : "", std::size_t(sqlite3_column_bytes(st, c)));
        }
    check(rc, db, "step");
    sqlite3_finalize(st);
    return cells.size() / 5;
}

template <typename F>
double medianMs(F&& f, std::size_t* rows)
{
    std::vector<double> t;
    *rows = f(); // warm-up
    for (int k = 0; k < 5; ++k) {
        const auto a = std::chrono::steady_clock::now();
        f();
        t.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - a).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 300000;
    QTemporaryDir dir;
    const std::string jetPath = (dir.path() + QStringLiteral("/jet.db")).toStdString();
    const std::string plainPath = (dir.path() + QStringLiteral("/plain.db")).toStdString();

    sqlite3 *jet = nullptr, *plain = nullptr;
    sqlite3_open(jetPath.c_str(), &jet);
    sqlite3_open(plainPath.c_str(), &plain);
    platform::dao::jet::RegisterFunctions(jet);
    for (const char* ddl : {
             "CREATE TABLE COMPONENTE (CodigoCOMPONENTE LONG, NumeroEmpresaCOMPONENTE TEXT(12), "
             "DescricaoCOMPONENTEP TEXT(80), ImagensGrid TEXT(4))",
             "CREATE TABLE JOGOREPARO (CodigoJOGOREPARO LONG, NumeroEmpresaJOGOREPARO TEXT(12), "
             "DescricaoJOGOREPAROP TEXT(80), ImagensGrid TEXT(4))",
             "CREATE TABLE PECA (CodigoPECA LONG, NumeroEmpresaPECA TEXT(12), DescricaoPECAP TEXT(80), "
             "DescricaoPECAPesquisaP TEXT(80), TipoPeca TEXT(1), ImagensGrid TEXT(4))",
             "CREATE TABLE TIPOPECA (CodigoTipoPeca TEXT(1), DescricaoTipoPecaP TEXT(50))",
         }) {
        exec(jet, platform::dao::jet::TranslateStatement(QString::fromUtf8(ddl)).sql.toStdString());
        exec(plain, ddl);
    }
    fill(jet, rows);
    fill(plain, rows);

    struct Case {
        const char* name;
        std::string number, jetClass, plainWord;
    } cases[] = {
        {"all kinds, a description word", "", "[AÁÀÂÄÃª]N[EÉÈÊË]L", "ANEL"},
        {"all kinds, all boxes empty", "", "", ""},
        {"all kinds, a number prefix", "5012", "", ""},
    };
    std::printf("%d rows\n", rows);
    double worst = 0;
    for (const Case& c : cases) {
        const std::string jetText = jetSearch(c.number, c.jetClass);
        const std::string plainText = plainSearch(c.number, c.plainWord);
        std::size_t jr = 0, pr = 0;
        const double jt = medianMs(
            [&] {
                const auto t = platform::dao::jet::TranslateStatement(QString::fromStdString(jetText));
                return materialise(jet, t.sql.toStdString());
            },
            &jr);
        const double pt = medianMs([&] { return materialise(plain, plainText); }, &pr);
        worst = std::max(worst, jt / pt);
        std::printf("%-32s jet %8.1f ms (%zu rows)  plain %8.1f ms (%zu rows)  ratio %.2f\n", c.name, jt, jr, pt, pr,
                    jt / pt);
    }
    std::printf("worst ratio %.2f (target 2.00)\n", worst);
    sqlite3_close(jet);
    sqlite3_close(plain);
    return 0;
}
