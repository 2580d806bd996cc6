// saida_bench DATA RUNS
//
// The figure and table run of the 23-part assembly (every part, figure and
// table), best of RUNS:
//   print   mode P to a 600-dpi A4 PDF
//   jpeg    mode G, 840 x 630 JPEG pages
//   ref     the same pages recorded, then replayed with QPainter onto one
//           840 x 630 greyscale picture, the drawings decoded from their
//           files (no queries, no layout)
//   enc     the encoder (quality 85, greyscale) writing those pictures
// Prints pages per second, print / ref (target <= 3) and jpeg / (ref + enc)
// (target <= 1.5), and the split of the JPEG run.
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

}  // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: saida_bench DATA [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
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

    double melhorPrint = 1e9, melhorJpeg = 1e9, melhorRef = 1e9, melhorEnc = 1e9;
    int paginasPrint = 0, paginasJpeg = 0;
    saida::Saida::Tempos split;
    double drawJpeg = 0;
    for (int r = 0; r < runs; ++r) {
        // print
        {
            platform::PdfPrintDialog dialogo(tmp.filePath(QStringLiteral("b.pdf")), 600);
            platform::setPrintDialogs(&dialogo);
            saida::Saida s;
            s.mModoSaida = QStringLiteral("P");
            s.CodigoPecaSaida = codigo;
            QElapsedTimer t;
            t.start();
            s.GeraFiguraTabela(escolha);
            melhorPrint = std::min(melhorPrint, segundos(t));
            paginasPrint = int(s.mDispositivoSaida->Page());
            platform::setPrintDialogs(nullptr);
        }
        // jpeg
        {
            DialogoSalvar dialogo(tmp.filePath(QStringLiteral("b.jpg")));
            saida::Saida s;
            s.mModoSaida = QStringLiteral("G");
            s.CodigoPecaSaida = codigo;
            QElapsedTimer t;
            t.start();
            s.GeraFiguraTabela(escolha);
            const double total = segundos(t);
            if (total < melhorJpeg) {
                melhorJpeg = total;
                split = s.TemposGastos();
                drawJpeg = total - split.consultas - split.codificacao - split.gravacao;
            }
            paginasJpeg = s.ContadorPaginas();
        }
        // reference: record the canvas pages, then replay and encode them
        {
            DialogoSalvar dialogo(tmp.filePath(QStringLiteral("gravacao.jpg")));
            saida::Saida s;
            s.mModoSaida = QStringLiteral("G");
            s.CodigoPecaSaida = codigo;
            saida::SuperficieGravacao* g = nullptr;
            s.FabricaSuperficieTela = [&] {
                auto p = std::make_unique<saida::SuperficieGravacao>(96);
                g = p.get();
                return p;
            };
            s.GeraFiguraTabela(escolha);
            // The drawing of each figure page, decoded from its file.
            std::vector<QByteArray> arquivos;
            for (int p = 1; p <= 23; ++p) {
                QFile f(Modulo::gCaminhoDados + QStringLiteral("Figuras/FIG_NV2400_%1.jpg").arg(p, 2, 10, QLatin1Char('0')));
                f.open(QIODevice::ReadOnly);
                arquivos.push_back(f.readAll());
            }
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
            melhorRef = std::min(melhorRef, segundos(t));
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
            melhorEnc = std::min(melhorEnc, segundos(t));
        }
    }
    std::printf("assembly %ld: 23 parts, %s component rows; best of %d runs\n", codigo, qPrintable(linhas), runs);
    std::printf("print 600 dpi PDF : %3d pages %7.3f s  %6.1f pages/s\n", paginasPrint, melhorPrint, paginasPrint / melhorPrint);
    std::printf("JPEG pages (G)    : %3d pages %7.3f s  %6.1f pages/s\n", paginasJpeg, melhorJpeg, paginasJpeg / melhorJpeg);
    std::printf("reference replay  :           %7.3f s   encoder %.3f s\n", melhorRef, melhorEnc);
    std::printf("  JPEG split: queries %.3f s, drawing %.3f s, encoding (sampling, DCT) %.3f s, writing (entropy coding, file, rename) %.3f s\n", split.consultas, drawJpeg,
                split.codificacao, split.gravacao);
    bench::Resultado("report output: print / reference", melhorPrint / melhorRef, bench::Alvo::NoMaximo, 3);
    bench::Resultado("report output: JPEG / (reference + encoder)", melhorJpeg / (melhorRef + melhorEnc), bench::Alvo::NoMaximo, 1.5);
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    platform::setMessageBoxes(nullptr);
    return 0;
}
