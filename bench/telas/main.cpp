// The search screens as the user moves between them on a large catalogue:
// the longest stall of the event loop (the longest gap between two beats of
// a 1 ms timer) from the click on the start screen's search-by-number button
// until screen 1 shows its rows, Forward from its last row to the parts list
// (screen 3), and Back to screen 1 until its rows are shown again, that row
// reselected (the farthest row to find).  The same steps on a small catalogue, measured in a process of
// its own in the same run, give the reference.
//
//   bench_telas --data DIR --reference SMALLDIR [--runs N]
//   bench_telas --steps DIR --runs N      one catalogue; prints each run's stall
//
// DIR holds the scale-100 demo catalogue (about 280,000 items), SMALLDIR the
// demo catalogue at scale 1; both of edition V.  The figure is the median of
// N runs (5 by default) after one unmeasured run.  Target: at most 100 ms.
// TQ_BENCH_IMAGE=FILE saves the window as screen 1 shows before its rows.

#include "bench/common/parada.h"
#include "bench/common/resultado.h"
#include "core/config.h"
#include "core/globals.h"
#include "mainwindow/frmInicial.h"
#include "mainwindow/frmTQ1.h"
#include "mainwindow/main/subsistemas.h"
#include "platform/dao/dao.h"
#include "search/screens/telapesquisa.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

[[noreturn]] void Falha(const char* o_que)
{
    std::fprintf(stderr, "bench_telas: %s\n", o_que);
    std::exit(1);
}

// One pass over the steps; returns the longest gap between two heartbeats.
// Each step runs from a timer of the event loop, as a click would; a step
// that waits for the list waits without blocking (the runner binds it).
double Passos(frmTQ1& f)
{
    auto& tela = Pesquisa::TelaPesquisa::De(f);
    const std::vector<std::function<bool()>> passos = {
        [&] {
            f.imgPesquisa0_Click();
            // Diagnostics: the window as it shows before its rows arrive.
            if (tela.Pendente() && qEnvironmentVariableIsSet("TQ_BENCH_IMAGE"))
                f.grab().save(qEnvironmentVariable("TQ_BENCH_IMAGE"));
            return true;
        },
        [&] { return !tela.Pendente(); },  // screen 1's rows bound
        [&] {
            f.dtcTHGrid1->Recordset()->MoveLast();
            f.imgAvancar_Click();
            if (f.CodigoTelaAtual() != 3)
                Falha("Forward from the last row did not open the parts list");
            return true;
        },
        [&] {
            f.imgVoltar_Click();
            return true;
        },
        [&] { return !tela.Pendente(); },
    };

    bench::MedidorParada parada;
    std::size_t proximo = 0;
    QEventLoop fim;
    QTimer passo;
    passo.setTimerType(Qt::PreciseTimer);
    passo.setInterval(5);
    QObject::connect(&passo, &QTimer::timeout, [&] {
        if (proximo < passos.size() && passos[proximo]())
            ++proximo;
        if (proximo == passos.size()) {
            passo.stop();
            // The last redraw of the list belongs to the steps.
            QTimer::singleShot(20, &fim, &QEventLoop::quit);
        }
    });
    parada.Inicia();
    passo.start();
    fim.exec();
    const double maior = parada.Para();
    const auto rs = f.dtcTHGrid1->Recordset();
    if (f.CodigoTelaAtual() != 1 || !rs || rs->RecordCount() == 0 || rs->AbsolutePosition() != rs->RecordCount() - 1)
        Falha("Back did not show screen 1 with its rows, the last row current");
    // Home for the next pass, outside the measure.
    f.imgVoltar_Click();
    QCoreApplication::processEvents();
    return maior;
}

int Mede(QApplication& app, const QString& pasta, int runs)
{
    app.setQuitOnLastWindowClosed(false);
    QTemporaryDir usuario;
    Modulo::DefinePastaUsuario(usuario.path());
    Modulo::DefineLinhaComando(QStringLiteral("CallDazadizeTQ"));
    RegistraSubsistemas();
    frmInicial::setPastaPrograma(pasta);
    frmInicial::setEncerraPrograma([](int) { Falha("the start-up failed"); });
    frmTQ1::setEncerramento({[](const QString&, const QStringList&) { return platform::SpawnResult{}; }, [] {}, [] {}});
    auto* inicial = new frmInicial;
    if (!inicial->Form_Load())
        Falha("the start window did not load");
    inicial->show();
    QCoreApplication::processEvents();
    frmTQ1* principal = inicial->IniciaDazadize(QStringLiteral("P"));
    if (!principal)
        Falha("the start-up failed");
    QEventLoop espera;
    QTimer::singleShot(200, &espera, &QEventLoop::quit);
    espera.exec();
    try {
        for (int r = 0; r < runs + 1; ++r) {
            const double ms = Passos(*principal);
            if (r > 0)
                std::printf("STALL %.2f\n", ms);
        }
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "bench_telas: %ld %s\n", e.number(), qPrintable(e.description()));
        return 1;
    }
    std::fflush(stdout);
    // The program ends here: the windows are left to the process's end.
    std::_Exit(0);
}

// The per-run stalls of one catalogue, measured in a process of its own.
std::vector<double> MedeEmProcesso(const QString& pasta, int runs)
{
    QProcess proc;
    proc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proc.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--steps"), pasta, QStringLiteral("--runs"), QString::number(runs)});
    if (!proc.waitForFinished(600000) || proc.exitStatus() != QProcess::NormalExit || proc.exitCode() != 0)
        Falha("a measuring process failed");
    std::vector<double> v;
    for (const QByteArray& linha : proc.readAllStandardOutput().split('\n'))
        if (linha.startsWith("STALL "))
            v.push_back(linha.mid(6).toDouble());
    if (v.empty())
        Falha("a measuring process printed nothing");
    return v;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser o;
    o.addOption({QStringLiteral("data"), QStringLiteral("Large demo data folder of edition V."), QStringLiteral("DIR")});
    o.addOption({QStringLiteral("reference"), QStringLiteral("Small demo data folder of edition V."), QStringLiteral("DIR")});
    o.addOption({QStringLiteral("steps"), QStringLiteral("Measure one folder in this process."), QStringLiteral("DIR")});
    o.addOption({QStringLiteral("runs"), QStringLiteral("Measured runs."), QStringLiteral("N"), QStringLiteral("5")});
    o.process(app);
    const int runs = std::max(1, o.value(QStringLiteral("runs")).toInt());
    const auto pasta = [&](const QString& opcao) { return QDir(o.value(opcao)).absolutePath() + QLatin1Char('/'); };
    if (o.isSet(QStringLiteral("steps")))
        return Mede(app, pasta(QStringLiteral("steps")), runs);
    if (!o.isSet(QStringLiteral("data")) || !o.isSet(QStringLiteral("reference"))) {
        std::fprintf(stderr, "usage: bench_telas --data DIR --reference SMALLDIR [--runs N]\n");
        return 2;
    }
    const std::vector<double> grande = MedeEmProcesso(pasta(QStringLiteral("data")), runs);
    const std::vector<double> pequeno = MedeEmProcesso(pasta(QStringLiteral("reference")), runs);
    const double g = Mediana(grande), p = Mediana(pequeno);
    std::printf("Search screens: start screen -> screen 1 until its rows show -> Forward to the parts list -> Back until "
                "the rows show again (median of %d)\n",
                runs);
    std::printf("  longest stall of the event loop: %.1f ms on the large catalogue, %.1f ms on the small one (ratio %.2f)\n",
                g, p, g / std::max(p, 0.001));
    bench::Resultado("screens: longest stall entering screen 1, Forward, Back (ms)", g, bench::Alvo::NoMaximo, 100);
    return 0;
}
