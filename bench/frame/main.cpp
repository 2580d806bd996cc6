// Benchmark of the start-up the user waits for: from the click on a language
// of the start window to the end of the main window's first paint (the
// catalogue and the auxiliary database opened, the cart table made, the main
// window built, laid out, given its pictures and painted), as a ratio to a
// minimal Qt program that shows an 820 x 620 window and exits at its first
// paint, run as a process of its own on the same platform in the same run.
//
//   bench_frame --data DIR [--runs N]     DIR: a demo data folder of edition V
//   bench_frame --minimal                 the reference program
//
// Both figures are medians of N runs (10 by default) after one unmeasured run.

#include "bench/common/resultado.h"
#include "core/config.h"
#include "core/globals.h"
#include "core/janelas.h"
#include "mainwindow/frmInicial.h"
#include "mainwindow/frmTQ1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Notes the first paint a window (or one of its children) receives.
class Pintura : public QObject {
public:
    QPointer<QWidget> janela;
    bool pintou = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && janela && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == janela)
            pintou = true;
        return false;
    }
};

// Runs the event loop until the window's first paint has ended: the paint
// events of one update are delivered together, so when the loop returns with
// the flag set the whole window has been painted and flushed.
void EsperaPintura(Pintura& p)
{
    while (!p.pintou)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

int Minimo(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget janela;
    janela.resize(820, 620);
    Pintura p;
    p.janela = &janela;
    app.installEventFilter(&p);
    janela.show();
    EsperaPintura(p);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "--minimal")
            return Minimo(argc, argv);

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QCommandLineParser o;
    o.addOption({QStringLiteral("data"), QStringLiteral("Demo data folder of edition V."), QStringLiteral("DIR")});
    o.addOption({QStringLiteral("runs"), QStringLiteral("Measured runs of each side."), QStringLiteral("N"),
                 QStringLiteral("10")});
    o.process(app);
    if (!o.isSet(QStringLiteral("data"))) {
        std::fprintf(stderr, "usage: bench_frame --data DIR [--runs N]\n");
        return 2;
    }
    const QString pasta = QDir(o.value(QStringLiteral("data"))).absolutePath() + QLatin1Char('/');
    const int runs = std::max(1, o.value(QStringLiteral("runs")).toInt());

    // The program as the launcher starts it, its configuration kept apart.
    QTemporaryDir usuario;
    Modulo::DefinePastaUsuario(usuario.path());
    Modulo::DefineLinhaComando(QStringLiteral("CallDazadizeTQ"));
    frmInicial::setPastaPrograma(pasta);
    frmInicial::setEncerraPrograma([](int codigo) {
        std::fprintf(stderr, "bench_frame: the start-up failed (%d)\n", codigo);
        std::exit(1);
    });
    frmTQ1::setEncerramento({[](const QString&, const QStringList&) { return platform::SpawnResult{}; }, [] {}, [] {}});

    std::vector<double> clique, minimo;
    for (int r = 0; r < runs + 1; ++r) {
        auto* inicial = new frmInicial;
        if (!inicial->Form_Load())
            return 1;
        inicial->show();
        QCoreApplication::processEvents();
        Pintura p;
        app.installEventFilter(&p);
        QElapsedTimer t;
        t.start();
        frmTQ1* principal = inicial->IniciaDazadize(QStringLiteral("P"));
        if (!principal)
            return 1;
        p.janela = principal;
        EsperaPintura(p);
        const double ms = t.nsecsElapsed() / 1e6;
        app.removeEventFilter(&p);
        if (r > 0)
            clique.push_back(ms);
        principal->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    const QString programa = QCoreApplication::applicationFilePath();
    for (int r = 0; r < runs + 1; ++r) {
        QElapsedTimer t;
        t.start();
        QProcess proc;
        proc.start(programa, {QStringLiteral("--minimal")});
        if (!proc.waitForFinished(30000) || proc.exitCode() != 0) {
            std::fprintf(stderr, "bench_frame: the minimal program did not run\n");
            return 1;
        }
        if (r > 0)
            minimo.push_back(t.nsecsElapsed() / 1e6);
    }

    const double a = Mediana(clique);
    const double b = Mediana(minimo);
    std::printf("language click to the main window's first paint: %.1f ms (median of %d)\n", a, runs);
    std::printf("minimal Qt program showing 820 x 620 to its first paint: %.1f ms\n", b);
    bench::Resultado("frame: language click to first paint / minimal program", a / b, bench::Alvo::NoMaximo, 2);
    return 0;
}
