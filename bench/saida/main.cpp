// saida_bench DATA [RUNS]      RUNS: 15 by default
//
// The figure and table run of the 23-part assembly (every part, figure and
// table):
//   print   mode P to a 600-dpi A4 PDF
//   jpeg    mode G, 840 x 630 JPEG pages
//   ref     the same pages (recorded once, before the runs), replayed with
//           QPainter onto one 840 x 630 greyscale picture, the drawings
//           decoded from their files (no queries, no layout)
//   enc     the encoder (quality 85, greyscale) writing those pictures
// Each run times all four back to back, print first, then jpeg before ref
// in every other run and ref before jpeg in the others, and takes its own
// ratios print / ref and jpeg / (ref + enc): a machine that slows down or
// speeds up for a while weighs on both halves of a run's ratio alike, where
// it would skew two separate bests.  (Never ref right after ref: the second
// would reuse the memory of the first one's page copies, without the page
// faults every other reference pays for them.)  The first run warms the
// caches and is not counted.  Prints the medians of those ratios, print /
// ref (target <= 3) and jpeg / (ref + enc) (target <= 1.5), with the median
// times, pages per second and split of the JPEG run.  All of it runs on one
// processor, and every run writes files of new names.
//
// Diagnostics: TQ_BENCH_DETAIL=1 prints every run's times and ratios.
#include "bench/common/resultado.h"
#include "output/jpegencoder.h"
#include "output/report/figuras.h"
#include "output/report/saida.h"
#include "output/report/superficie.h"
#include "output/report/superficiegravacao.h"

#include "core/database.h"
#include "core/globals.h"
#include "core/searchtext.h"
#include "platform/dao/dao.h"
#include "platform/desktop/messagebox.h"
#include "platform/desktop/printdialog.h"
#include "platform/desktop/savedialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>

#include <sched.h>

#include <algorithm>
#include <cstdio>

namespace {

class SemCaixas final : public platform::MessageBoxes {
public:
    int Show(const QString& text, int, const QString&) override
    {
        (void)text;
        return platform::vbOK;
    }
};

// The save dialog, answered with one path.
class DialogoSalvar final : public platform::SaveDialogs {
public:
    explicit DialogoSalvar(QString a) : arquivo(std::move(a)) { platform::setSaveDialogs(this); }
    ~DialogoSalvar() override { platform::setSaveDialogs(nullptr); }
    QString GetSaveFileName(const platform::SaveFileRequest&, QWidget*) override { return arquivo; }
    QString arquivo;
};

double segundos(QElapsedTimer& t) { return t.nsecsElapsed() / 1e9; }

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: saida_bench DATA [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 15;
    SemCaixas caixas;
    platform::setMessageBoxes(&caixas);
    Modulo::gCaminhoDados = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    Modulo::gEdicao = QStringLiteral("V");
    Modulo::gIdioma = QStringLiteral("P");
    Modulo::gWsDazadize = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(Modulo::gCaminhoDados + QStringLiteral("DAZADIZETQ_V.MDB"), false, true);

    const long codigo = 7100001;
    EscolhaSaida escolha;
    saida::PreparaEscolha(escolha, codigo, QStringLiteral("*"), 255);
    const QString linhas = Modulo::ObtemValorSQL(QStringLiteral("SELECT COUNT(*) FROM PECA_COMPONENTE WHERE CodigoPeca=%1").arg(codigo)).toString();
    QTemporaryDir tmp;

    // The reference's pages: the run recorded once, and the drawing of each
    // figure page read from its file.
    saida::SuperficieGravacao* g = nullptr;
    saida::Saida gravacao;
    {
        DialogoSalvar dialogo(tmp.filePath(QStringLiteral("gravacao.jpg")));
        gravacao.mModoSaida = QStringLiteral("G");
        gravacao.CodigoPecaSaida = codigo;
        gravacao.FabricaSuperficieTela = [&] {
            auto p = std::make_unique<saida::SuperficieGravacao>(96);
            g = p.get();
            return p;
        };
        gravacao.GeraFiguraTabela(escolha);
    }
    std::vector<QByteArray> arquivos;
    for (int p = 1; p <= 23; ++p) {
        QFile f(Modulo::gCaminhoDados + QStringLiteral("Figuras/FIG_NV2400_%1.jpg").arg(p, 2, 10, QLatin1Char('0')));
        f.open(QIODevice::ReadOnly);
        arquivos.push_back(f.readAll());
    }

    int paginasPrint = 0, paginasJpeg = 0;
    // Every run writes files of its own, as the reference does: a file
    // written over the one of the same name that an earlier run left has
    // the file system flush it on the spot, which on a busy disk costs the
    // run more than its whole encoding.
    const auto medePrint = [&](int r) {
        platform::PdfPrintDialog dialogo(tmp.filePath(QStringLiteral("b%1.pdf").arg(r)), 600);
        platform::setPrintDialogs(&dialogo);
        saida::Saida s;
        s.mModoSaida = QStringLiteral("P");
        s.CodigoPecaSaida = codigo;
        QElapsedTimer t;
        t.start();
        s.GeraFiguraTabela(escolha);
        const double total = segundos(t);
        paginasPrint = int(s.mDispositivoSaida->Page());
        platform::setPrintDialogs(nullptr);
        return total;
    };
    const auto medeJpeg = [&](int r, saida::Saida::Tempos& split) {
        DialogoSalvar dialogo(tmp.filePath(QStringLiteral("b%1.jpg").arg(r)));
        saida::Saida s;
        s.mModoSaida = QStringLiteral("G");
        s.CodigoPecaSaida = codigo;
        QElapsedTimer t;
        t.start();
        s.GeraFiguraTabela(escolha);
        const double total = segundos(t);
        split = s.TemposGastos();
        paginasJpeg = s.ContadorPaginas();
        return total;
    };
    // The replay of the recorded pages, then the encoder alone writing them.
    const auto medeReferencia = [&](int r, double& encoder) {
        QImage tela(840, 630, QImage::Format_Grayscale8);
        tela.setDotsPerMeterX(3780);
        tela.setDotsPerMeterY(3780);
        std::vector<QImage> paginas;
        QElapsedTimer t;
        t.start();
        int figura = 0;
        for (int p = 1; p <= g->Paginas(); ++p) {
            tela.fill(Qt::white);
            QPainter painter(&tela);
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            for (const saida::Operacao& op : g->Operacoes()) {
                if (op.pagina != p || op.tipo != saida::Operacao::Figura || op.figura.width() < 2)
                    continue;
                // Decode the drawing as the run does, from its file.
                const QImage desenho = QImage::fromData(arquivos[std::size_t(figura++ % 23)]);
                painter.drawImage(QRectF(op.x, op.y, op.largura, op.altura), desenho);
            }
            g->Reproduz(painter, p);
            painter.end();
            paginas.push_back(tela.copy());
        }
        const double replay = segundos(t);
        t.restart();
        int n = 0;
        for (const QImage& pagina : paginas) {
            cJpeg jpeg;
            jpeg.SetSamplingFrequencies(1, 1, 0, 0, 0, 0);
            jpeg.SetQuality(85);
            jpeg.SampleHDC(pagina, 840, 630, 0, 0);
            const QString nome = tmp.filePath(QStringLiteral("ref%1_%2.jpg").arg(r).arg(n++));
            jpeg.SaveFile(nome);
        }
        encoder = segundos(t);
        return replay;
    };

    // Every side on one processor, with the threads Qt starts for the
    // drawings: on a virtual machine one processor can run markedly slower
    // than another for seconds at a time, and a run whose halves fell on two
    // of them took the difference for its own.
    {
        cpu_set_t um;
        CPU_ZERO(&um);
        const int cpu = sched_getcpu();
        CPU_SET(cpu < 0 ? 0 : cpu, &um);
        sched_setaffinity(0, sizeof um, &um);
    }
    const bool detalhe = qEnvironmentVariableIsSet("TQ_BENCH_DETAIL");
    std::vector<double> print, jpeg, ref, enc, consultas, desenho, codificacao, gravacaoPaginas, razaoPrint, razaoJpeg, razaoCodificacao;
    for (int r = 0; r <= runs; ++r) {  // run 0 warms the caches
        double tp = 0, tj = 0, tr = 0, te = 0;
        saida::Saida::Tempos split;
        tp = medePrint(r);
        if (r % 2 == 0) {
            tj = medeJpeg(r, split);
            tr = medeReferencia(r, te);
        } else {
            tr = medeReferencia(r, te);
            tj = medeJpeg(r, split);
        }
        if (r == 0)
            continue;
        print.push_back(tp);
        jpeg.push_back(tj);
        ref.push_back(tr);
        enc.push_back(te);
        consultas.push_back(split.consultas);
        codificacao.push_back(split.codificacao);
        gravacaoPaginas.push_back(split.gravacao);
        desenho.push_back(tj - split.consultas - split.codificacao - split.gravacao);
        razaoPrint.push_back(tp / tr);
        razaoJpeg.push_back(tj / (tr + te));
        razaoCodificacao.push_back(split.codificacao / te);
        if (detalhe)
            std::printf("  run %2d: print %.3f s, JPEG %.3f s (queries %.3f, drawing %.3f, encoding %.3f, writing %.3f), reference %.3f s + "
                        "encoder %.3f s; ratios %.2f, %.2f\n",
                        r, tp, tj, split.consultas, desenho.back(), split.codificacao, split.gravacao, tr, te, razaoPrint.back(),
                        razaoJpeg.back());
    }
    const double mPrint = Mediana(print), mJpeg = Mediana(jpeg);
    std::printf("assembly %ld: 23 parts, %s component rows; medians of %d runs\n", codigo, qPrintable(linhas), runs);
    std::printf("print 600 dpi PDF : %3d pages %7.3f s  %6.1f pages/s\n", paginasPrint, mPrint, paginasPrint / mPrint);
    std::printf("JPEG pages (G)    : %3d pages %7.3f s  %6.1f pages/s\n", paginasJpeg, mJpeg, paginasJpeg / mJpeg);
    std::printf("reference replay  :           %7.3f s   encoder %.3f s\n", Mediana(ref), Mediana(enc));
    std::printf("  JPEG split: queries %.3f s, drawing %.3f s, encoding (sampling, DCT, entropy coding) %.3f s, writing (file, rename) %.3f s\n",
                Mediana(consultas), Mediana(desenho), Mediana(codificacao), Mediana(gravacaoPaginas));
    std::printf("  the run's encoding / the encoder alone (with its files): %.2f\n", Mediana(razaoCodificacao));
    std::printf("  JPEG / (reference + encoder) per run: lowest %.2f, highest %.2f\n", *std::min_element(razaoJpeg.begin(), razaoJpeg.end()),
                *std::max_element(razaoJpeg.begin(), razaoJpeg.end()));
    bench::Resultado("report output: print / reference", Mediana(razaoPrint), bench::Alvo::NoMaximo, 3);
    bench::Resultado("report output: JPEG / (reference + encoder)", Mediana(razaoJpeg), bench::Alvo::NoMaximo, 1.5);
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    platform::setMessageBoxes(nullptr);
    return 0;
}
