// Benchmark of the assembly view on the catalogue's main window: the figure
// screen built and painted, as ratios to decoding the page's drawing with
// QImage alone (the least any showing of the page must do).
//
//   bench_assembly --data DIR [--runs N] [--only open|table|page|large]
//
// Figures (each run times the reference and the subject back to back, and
// the median of the runs' ratios is printed, so that a busy machine slows
// both sides alike):
//   open      the showcase assembly's figure until painted      target <= 5
//   table     the figure, then the components table, painted    target <= 10
//   page      a page turn of the showcase figure, painted       target <= 2
//   large     the 31-page figure until painted                  reported
// "Until painted" is the window's next paint after the action, as the event
// loop does it (only what changed is painted).

#include "janelademo.h"

#include "bench/common/resultado.h"
#include "core/database.h"
#include "core/globals.h"
#include "core/searchtext.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Medida {
    double ms = 0;     // median time of the subject
    double razao = 0;  // median of the runs' ratios
};

double Tempo(const std::function<void()>& trabalho)
{
    QElapsedTimer relogio;
    relogio.start();
    trabalho();
    return relogio.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser o;
    o.addOption({QStringLiteral("data"), QStringLiteral("Data folder with the catalogue and its drawings."), QStringLiteral("DIR")});
    o.addOption({QStringLiteral("runs"), QStringLiteral("Runs of each figure."), QStringLiteral("N"), QStringLiteral("21")});
    o.addOption({QStringLiteral("only"), QStringLiteral("Measure one figure alone (for a profiler)."), QStringLiteral("NAME")});
    o.process(app);
    const int vezes = std::max(3, o.value(QStringLiteral("runs")).toInt());
    try {
        asmdemo::AbreDados(o.value(QStringLiteral("data")), QString(), QStringLiteral("P"));
        const long vitrine = 1;
        const long grande = long(Modulo::ObtemValorSQL(QStringLiteral("SELECT TOP 1 CodigoPeca FROM FIGURADETALHADA1 GROUP BY "
                                                                      "CodigoPeca ORDER BY count(*) DESC"))
                                     .toLongLong());
        const QString pagina = Modulo::gCaminhoDados + QStringLiteral("Figuras/") +
                               Modulo::ObtemValorSQL(QStringLiteral("SELECT TOP 1 ArquivoFigura FROM FIGURADETALHADA1 WHERE CodigoPeca = %1 "
                                                                    "ORDER BY NumeroParte")
                                                         .arg(vitrine))
                                   .toString();

        asmdemo::JanelaDemo demo;
        frmTQ1& f = demo.F();
        QCoreApplication::processEvents();
        // The window's next paint: the update requests the action posted.
        auto pinta = [&] {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        };
        auto fecha = [&] {
            f.FechaConjunto();
            f.mHistoricoTelas = QStringLiteral("013");
            pinta();
        };
        auto decodifica = [&] {
            const QImage imagem(pagina);
            if (imagem.isNull())
                throw platform::Error(53, QStringLiteral("cannot decode ") + pagina);
        };
        const QString so = o.value(QStringLiteral("only"));
        auto mede = [&](const char* nome, const std::function<void()>& antes, const std::function<void()>& trabalho) {
            std::vector<double> tempos, razoes;
            if (!so.isEmpty() && so != QLatin1String(nome))
                return Medida{};
            for (int k = 0; k < vezes; ++k) {
                antes();
                const double ref = Tempo(decodifica);
                const double t = Tempo(trabalho);
                tempos.push_back(t);
                razoes.push_back(t / ref);
            }
            return Medida{Mediana(tempos), Mediana(razoes)};
        };
        // Warm both sides once.
        decodifica();
        demo.AbreConjunto(vitrine, QString());
        pinta();

        std::vector<double> referencias;
        for (int k = 0; k < vezes; ++k)
            referencias.push_back(Tempo(decodifica));
        const Medida abre = mede("open", fecha, [&] {
            demo.AbreConjunto(vitrine, QString());
            pinta();
        });
        const Medida tabela = mede("table", fecha, [&] {
            demo.AbreConjunto(vitrine, QString());
            f.imgTabela_Click();
            pinta();
        });
        fecha();
        demo.AbreConjunto(vitrine, QString());
        pinta();
        const Medida vira = mede("page", [] {}, [&] {
            f.imgParteFigura_Click(demo.Vista().ParteSeguinte());
            pinta();
        });
        const Medida larga = mede("large", fecha, [&] {
            demo.AbreConjunto(grande, QString());
            pinta();
        });
        fecha();

        std::printf("reference: decoding the page's drawing with QImage  %.2f ms\n", Mediana(referencias));
        std::printf("open the showcase figure until painted   %7.2f ms  ratio %5.2f  (target <= 5)\n", abre.ms, abre.razao);
        std::printf("figure, then the components table        %7.2f ms  ratio %5.2f  (target <= 10)\n", tabela.ms, tabela.razao);
        std::printf("a page turn until painted                %7.2f ms  ratio %5.2f  (target <= 2)\n", vira.ms, vira.razao);
        bench::Resultado("assembly: open the showcase figure", abre.razao, bench::Alvo::NoMaximo, 5);
        bench::Resultado("assembly: figure, then the components table", tabela.razao, bench::Alvo::NoMaximo, 10);
        bench::Resultado("assembly: a page turn", vira.razao, bench::Alvo::NoMaximo, 2);
        std::printf("the 31-page figure until painted         %7.2f ms  ratio %5.2f  (%d labels)\n", larga.ms, larga.razao,
                    Modulo::ObtemValorSQL(QStringLiteral("SELECT count(*) FROM FIGURADETALHADA1 WHERE CodigoPeca = %1").arg(grande)).toInt());
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "bench_assembly: %ld: %s\n", e.number(), qPrintable(e.description()));
        return 1;
    }
    asmdemo::FechaDados();
    return 0;
}
