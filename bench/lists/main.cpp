// Benchmark of the result list: binding a THGrid to the part search over the
// whole catalogue and painting it for the first time, as a ratio to
// materialising the same recordset alone (the data control's Refresh).
//
//   bench_lists --data DIR [--runs N]     DIR holds the catalogue database
//   bench_lists --rows N [--runs N]       a catalogue of N items written here
//
// Both sides open the recordset; the list side then hands it to the grid,
// configures the columns, refreshes the overlay and renders the control.

#include "core/globals.h"
#include "listcontrols/thgrid.h"
#include "platform/dao/dao.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using platform::dao::DatabasePtr;

// A catalogue of n items (components, repair kits, assemblies) with the
// columns the part search reads.
QString EscreveCatalogo(const QString& pasta, long n)
{
    const QString caminho = QDir(pasta).filePath(Modulo::NomeArquivoCatalogo());
    auto db = platform::dao::DBEngine::CreateDatabase(caminho);
    db->Execute(QStringLiteral("CREATE TABLE TIPOPECA (CodigoTipoPeca TEXT(1) NOT NULL CONSTRAINT CodigoTipoPeca PRIMARY KEY, "
                               "DescricaoTipoPecaP TEXT(50) NOT NULL, DescricaoTipoPecaE TEXT(50) NOT NULL, "
                               "DescricaoTipoPecaI TEXT(50) NOT NULL)"));
    for (const char* t : {"PECA", "COMPONENTE", "JOGOREPARO"}) {
        const QString e = QString::fromLatin1(t) == QLatin1String("PECA") ? QStringLiteral("Peca")
                          : QString::fromLatin1(t) == QLatin1String("COMPONENTE") ? QStringLiteral("Componente")
                                                                                   : QStringLiteral("JogoReparo");
        db->Execute(QStringLiteral("CREATE TABLE %1 (Codigo%2 LONG, NumeroEmpresa%2 TEXT(15), Descricao%2P TEXT(50), "
                                   "Descricao%2E TEXT(50), Descricao%2I TEXT(50), ImagensGrid TEXT(4)%3)")
                        .arg(QLatin1String(t), e, e == QLatin1String("Peca") ? QStringLiteral(", TipoPeca TEXT(1)") : QString()));
    }
    sqlite3* h = db->nativeHandle();
    sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_exec(h, "INSERT INTO TIPOPECA VALUES ('T','Transmissão','Transmisión','Transmission'),"
                    "('E','Eixo','Eje','Axle')", nullptr, nullptr, nullptr);
    const struct {
        const char* sql;
        long quantos;
    } tabelas[] = {
        {"INSERT INTO COMPONENTE VALUES (?1, ?2, ?3, ?3, ?3, ?4)", n * 80 / 100},
        {"INSERT INTO JOGOREPARO VALUES (?1, ?2, ?3, ?3, ?3, ?4)", n * 15 / 100},
        {"INSERT INTO PECA VALUES (?1, ?2, ?3, ?3, ?3, ?4, 'T')", n - n * 80 / 100 - n * 15 / 100},
    };
    for (const auto& t : tabelas) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(h, t.sql, -1, &st, nullptr);
        for (long i = 1; i <= t.quantos; ++i) {
            const QByteArray numero = QByteArray::number(501000000LL + (i * 7919LL) % 98000000LL).rightJustified(10, '0');
            const QByteArray descricao = "Rolamento de rolos cônicos " + QByteArray::number(i);
            sqlite3_bind_int64(st, 1, i);
            sqlite3_bind_text(st, 2, numero.constData(), int(numero.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 3, descricao.constData(), int(descricao.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 4, i % 4 ? "\r\r\r\r" : " \r\r\r", 4, SQLITE_STATIC);
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
    }
    sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
    db->Close();
    return caminho;
}

// The part search with every kind and no box filled, sorted by number.
QString PesquisaCompleta(bool jet)
{
    const auto parte = [jet](const QString& t, const QString& e, const QString& tipo, const QString& de) {
        const QString numero = QStringLiteral("%1.NumeroEmpresa%2").arg(t, e);
        return QStringLiteral("SELECT %1 AS NumeroEmpresa,%2.Descricao%3P AS Descricao,%4 AS Tipo,%2.Codigo%3 AS Codigo,"
                              "%2.ImagensGrid FROM %5 ")
            .arg(jet ? QStringLiteral("Format(%1,'0000 000 000')").arg(numero) : numero, t, e, tipo, de);
    };
    return parte(QStringLiteral("COMPONENTE"), QStringLiteral("Componente"), QStringLiteral("'Componente'"),
                 QStringLiteral("COMPONENTE")) +
           QStringLiteral("UNION ALL ") +
           parte(QStringLiteral("JOGOREPARO"), QStringLiteral("JogoReparo"), QStringLiteral("'Jogo de Reparo'"),
                 QStringLiteral("JOGOREPARO")) +
           QStringLiteral("UNION ALL ") +
           parte(QStringLiteral("PECA"), QStringLiteral("Peca"), QStringLiteral("TIPOPECA.DescricaoTipoPecaP"),
                 QStringLiteral("PECA LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca")) +
           QStringLiteral("ORDER BY 1");
}

const QStringList kColunas = {
    QStringLiteral("|2|330|F|6|Incluir Item no Carrinho|99"), QStringLiteral("NumeroEmpresa|0|1335|T|6"),
    QStringLiteral("Descricao|0|4050|T|6"), QStringLiteral("Tipo|0|1935|T|6"),
    QStringLiteral("ImagensGrid|2|555|I|6|Observação|99"),
};

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

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser o;
    o.addOption({QStringLiteral("data"), QStringLiteral("Data folder with the catalogue."), QStringLiteral("DIR")});
    o.addOption({QStringLiteral("rows"), QStringLiteral("Items of a catalogue written here."), QStringLiteral("N"), QStringLiteral("300000")});
    o.addOption({QStringLiteral("runs"), QStringLiteral("Runs of each side."), QStringLiteral("N"), QStringLiteral("5")});
    o.process(app);

    QTemporaryDir temporaria;
    QString arquivo;
    if (o.isSet(QStringLiteral("data")))
        arquivo = QDir(o.value(QStringLiteral("data"))).filePath(Modulo::NomeArquivoCatalogo());
    else
        arquivo = EscreveCatalogo(temporaria.path(), o.value(QStringLiteral("rows")).toLong());
    const int runs = std::max(1, o.value(QStringLiteral("runs")).toInt());

    try {
        auto ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
        DatabasePtr db = ws->OpenDatabase(arquivo, false, true);
        bool jet = true;
        try {
            db->OpenRecordset(QStringLiteral("SELECT Format(1,'00') AS x FROM TIPOPECA"));
        } catch (const platform::Error&) {
            jet = false;
        }
        const QString sql = PesquisaCompleta(jet);

        std::vector<double> materializa, lista;
        long linhas = 0;
        for (int r = 0; r < runs + 1; ++r) {   // the first run of each side warms the file cache
            {
                platform::dao::DataControl dc;
                dc.SetDatabase(db);
                dc.SetRecordSource(sql);
                QElapsedTimer t;
                t.start();
                dc.Refresh();
                linhas = dc.Recordset()->RecordCount();
                if (r > 0)
                    materializa.push_back(t.nsecsElapsed() / 1e6);
            }
            {
                platform::dao::DataControl dc;
                dc.SetDatabase(db);
                dc.SetRecordSource(sql);
                THGrid grid;
                grid.ReadProperties({{QStringLiteral("BackColor"), 0xFFFFFF}, {QStringLiteral("BarraColor"), 0xF4E4DC}});
                grid.mUserControlPixelWidth = 558;
                grid.mUserControlPixelHeight = 391;
                grid.Move(0, 0, 558, 391);
                grid.show();   // on screen before the data arrives, as in the window
                QCoreApplication::processEvents();
                QElapsedTimer t;
                t.start();
                dc.Refresh();
                grid.ObtemDataControl(&dc);
                grid.ObtemPictures(Icones());
                grid.ConfiguraColunas(kColunas);
                grid.repaint();   // the first paint, now

                if (r > 0)
                    lista.push_back(t.nsecsElapsed() / 1e6);
                if (r == runs && qEnvironmentVariableIsSet("TQ_BENCH_IMAGE"))
                    grid.grab().save(qEnvironmentVariable("TQ_BENCH_IMAGE"));
            }
        }
        const double a = Mediana(materializa);
        const double b = Mediana(lista);
        std::printf("rows: %ld\n", linhas);
        std::printf("materialise the recordset: %.1f ms (median of %d)\n", a, runs);
        std::printf("materialise + bind + first paint of the list: %.1f ms\n", b);
        std::printf("ratio list / materialise: %.3f (target <= 1.20)\n", b / a);
        return 0;
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "bench_lists: %ld %s\n", e.number(), qPrintable(e.description()));
        return 1;
    }
}
