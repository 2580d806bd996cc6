// Benchmark of the result list: binding a THGrid to the part search over the
// whole catalogue and painting it for the first time, as a ratio to
// materialising the same recordset alone (the data control's Refresh).
//
//   bench_lists --data DIR [--runs N]     DIR holds the catalogue database
//
// Both sides open the recordset; the list side then hands it to the grid,
// configures the columns, refreshes the overlay and renders the control.

#include "bench/common/resultado.h"
#include "core/globals.h"
#include "listcontrols/thgrid.h"
#include "platform/dao/dao.h"
#include "search/sqlpesquisa.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using platform::dao::DatabasePtr;

// The part search with every kind and no box filled, sorted by number, as
// the search screen builds it (the type code " ": every assembly type).
QString PesquisaCompleta()
{
    Pesquisa::EntradaPesquisaPecas e;
    e.edicao = QStringLiteral("M");
    e.codigoTipoPeca = QStringLiteral(" ");
    return Pesquisa::SqlPesquisaPecas(e, QStringLiteral("1"));
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
    o.addOption({QStringLiteral("runs"), QStringLiteral("Runs of each side."), QStringLiteral("N"), QStringLiteral("5")});
    o.process(app);

    if (!o.isSet(QStringLiteral("data"))) {
        std::fprintf(stderr, "usage: bench_lists --data DIR [--runs N]\n");
        return 2;
    }
    const QString arquivo = QDir(o.value(QStringLiteral("data"))).filePath(Modulo::NomeArquivoCatalogo());
    const int runs = std::max(1, o.value(QStringLiteral("runs")).toInt());

    try {
        auto ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
        DatabasePtr db = ws->OpenDatabase(arquivo, false, true);
        const QString sql = PesquisaCompleta();

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
        bench::Resultado("lists: bind and first paint / materialise", b / a, bench::Alvo::NoMaximo, 1.2);
        return 0;
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "bench_lists: %ld %s\n", e.number(), qPrintable(e.description()));
        return 1;
    }
}
