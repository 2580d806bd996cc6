// Everything printed stays on its page and nothing is lost: every printout
// of the demo catalogue read back from PDF with pdftotext (each word's box
// inside the page, every number of the catalogue there, every note whole)
// and as the JPEG page canvas draws it; and the demo's assembly of extreme
// rows (the most cross references and kits a row carries, notes longer than
// a line, a word longer than a line), each value whole, on the page and in
// order.
#include "reportfixture.h"

#include "core/crossref.h"
#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/texts.h"
#include "platform/dao/dao.h"

#include <QMap>
#include <QPageLayout>
#include <QProcess>
#include <QRegularExpression>

#include <map>
#include <set>

using namespace reporttest;
using saida::Operacao;

// Named, so that the unity build keeps these helpers apart from the other
// report tests' own.
namespace limitespagina {
namespace {

// --- the catalogue's values, read with queries of the test's own --------------

std::vector<QStringList> Consulta(const QString& sql)
{
    std::vector<QStringList> linhas;
    auto rs = Modulo::gDbDazadize->OpenRecordset(sql, platform::dao::dbOpenSnapshot);
    for (; !rs->EOF_(); rs->MoveNext()) {
        QStringList campos;
        for (int i = 0; i < rs->FieldCount(); ++i)
            campos << rs->Value(i).toString();
        linhas.push_back(campos);
    }
    return linhas;
}

QString SemBrancos(QString t) { return t.remove(QRegularExpression(QStringLiteral("\\s+"))); }

// A word as counted: without the list separators that follow numbers.
QString Palavra(QString w)
{
    while (w.endsWith(QLatin1Char(',')))
        w.chop(1);
    return w;
}

void Conta(std::map<QString, int>& palavras, const QString& texto)
{
    for (const QString& w : texto.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        if (w != QLatin1String("/"))
            ++palavras[Palavra(w)];
}

// What the tables, the kit legend and the notes of an assembly must show:
// the words of every item, quantity and TQ number of its component rows, of
// the cross references of the page's manufacturer, of the kit codes of every
// row and of the legend's codes and TQ numbers; and each marked row's note,
// whole (item|TQ number -> its text without blanks).
struct Esperado {
    std::map<QString, int> palavras;
    std::map<QString, QString> notas;
    // How far its longest row or note runs, in lines of the page: the
    // characters of a row's references and kit codes by 50, of a note by 110.
    double comprimento = 0;
};

Esperado EsperadoDe(long peca)
{
    Esperado e;
    const bool marinha = Modulo::gEdicao == QLatin1String("M");
    const long fabricante = marinha ? 0 : Modulo::ObtemFabricantePeca(peca);
    for (const QStringList& c : Consulta(QStringLiteral("SELECT PECA_COMPONENTE.ItemComponente, PECA_COMPONENTE.QuantidadeComponente, "
                                                        "Format(COMPONENTE.NumeroEmpresaComponente, '0000 000 000'), COMPONENTE.NumeroEmpresaComponente, "
                                                        "PECA_COMPONENTE.ImagensGrid, PECA_COMPONENTE.CodigoComponente "
                                                        "FROM PECA_COMPONENTE INNER JOIN COMPONENTE ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente "
                                                        "WHERE PECA_COMPONENTE.CodigoPeca = %1")
                                             .arg(peca))) {
        Conta(e.palavras, c[0] + QLatin1Char(' ') + c[1] + QLatin1Char(' ') + c[2]);
        double linha = 0;
        if (!marinha)
            for (const QStringList& r : Consulta(QStringLiteral("SELECT NumeroFabricante FROM REFERENCIACRUZADA WHERE NumeroEmpresa = '%1' "
                                                                "AND CodigoFabricante = %2")
                                                     .arg(c[3])
                                                     .arg(fabricante))) {
                Conta(e.palavras, r[0]);
                linha += r[0].size() + 3;
            }
        for (const QStringList& k : Consulta(QStringLiteral("SELECT DISTINCT CodigoJogoReparo FROM PECA_COMPONENTE_JOGOREPARO "
                                                            "WHERE CodigoPeca = %1 AND ItemComponente = '%2'")
                                                 .arg(peca)
                                                 .arg(QString(c[0]).replace(QLatin1Char('\''), QStringLiteral("''"))))) {
            Conta(e.palavras, k[0]);
            linha += k[0].size() + 2;
        }
        e.comprimento = std::max(e.comprimento, linha / 50);
        if (c[4].size() >= 4 && c[4][3] == QLatin1Char(' ')) {
            Conta(e.palavras, c[0] + QLatin1Char(' ') + c[2]);
            QString anexos;
            const QString nota =
                Modulo::ObtemObservacoes(QStringLiteral("COM"), c[5].toLong(), peca, c[0], false, QStringLiteral(" / "), QString(), anexos);
            e.notas[c[0] + QLatin1Char('|') + c[2]] = SemBrancos(nota);
            e.comprimento = std::max(e.comprimento, nota.size() / 110.0);
        }
    }
    for (const QStringList& k : Consulta(QStringLiteral("SELECT DISTINCT JOGOREPARO.CodigoJogoReparo, Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 000') "
                                                        "FROM PECA_COMPONENTE_JOGOREPARO INNER JOIN JOGOREPARO "
                                                        "ON PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = JOGOREPARO.CodigoJogoReparo "
                                                        "WHERE PECA_COMPONENTE_JOGOREPARO.CodigoPeca = %1")
                                             .arg(peca)))
        Conta(e.palavras, k[0] + QLatin1Char(' ') + k[1]);
    return e;
}

// The words expected and missing: "word (expected n, printed m)".
QStringList Faltam(const Esperado& e, const std::map<QString, int>& impressas)
{
    QStringList faltam;
    for (const auto& [w, n] : e.palavras) {
        const auto it = impressas.find(w);
        const int m = it == impressas.end() ? 0 : it->second;
        if (m < n)
            faltam << QStringLiteral("%1 (expected %2, printed %3)").arg(w).arg(n).arg(m);
    }
    return faltam;
}

// --- the PDF as pdftotext reads it ----------------------------------------------

QString Pdftotext(const QStringList& argumentos)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), argumentos);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct PalavraPdf {
    int pagina;
    double x0, y0, x1, y1;
    QString texto;
};

// Every word with its box; the size of each page.
std::vector<PalavraPdf> PalavrasPdf(const QString& pdf, std::vector<QSizeF>& paginas)
{
    static const QRegularExpression pagina(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression palavra(
        QStringLiteral("<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    std::vector<PalavraPdf> palavras;
    for (const QString& linha : Pdftotext({QStringLiteral("-bbox"), pdf, QStringLiteral("-")}).split(QLatin1Char('\n'))) {
        if (const auto m = pagina.match(linha); m.hasMatch()) {
            paginas.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
        } else if (const auto w = palavra.match(linha); w.hasMatch()) {
            QString t = w.captured(5);
            t.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
            t.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&apos;"), QStringLiteral("'"));
            t.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            palavras.push_back({int(paginas.size()), w.captured(1).toDouble(), w.captured(2).toDouble(), w.captured(3).toDouble(),
                                w.captured(4).toDouble(), t});
        }
    }
    return palavras;
}

// The words whose box is not inside their page.
QStringList ForaDaPagina(const std::vector<PalavraPdf>& palavras, const std::vector<QSizeF>& paginas)
{
    QStringList fora;
    for (const PalavraPdf& w : palavras) {
        const QSizeF& p = paginas.at(std::size_t(w.pagina - 1));
        if (w.x0 < 0 || w.y0 < 0 || w.x1 > p.width() || w.y1 > p.height())
            fora << QStringLiteral("page %1: \"%2\" at %3..%4, %5..%6 of %7 x %8")
                        .arg(w.pagina)
                        .arg(w.texto)
                        .arg(w.x0)
                        .arg(w.x1)
                        .arg(w.y0)
                        .arg(w.y1)
                        .arg(p.width())
                        .arg(p.height());
    }
    return fora;
}

// The note rows as a reader finds them after the note headings: a line
// that starts with the item and the TQ number starts a row, its note from
// the heading "Observação"'s column on; a line that starts at that column
// goes on with the row above; header lines and repeated headings are passed
// over.  item|TQ number -> the note without blanks.
std::map<QString, QString> NotasLidas(std::vector<PalavraPdf> palavras)
{
    std::sort(palavras.begin(), palavras.end(), [](const PalavraPdf& a, const PalavraPdf& b) {
        return std::tie(a.pagina, a.y0, a.x0) < std::tie(b.pagina, b.y0, b.x0);
    });
    std::vector<std::vector<const PalavraPdf*>> linhas;
    for (const PalavraPdf& w : palavras) {
        if (linhas.empty() || linhas.back().front()->pagina != w.pagina || std::abs(linhas.back().front()->y0 - w.y0) > 0.5)
            linhas.emplace_back();
        linhas.back().push_back(&w);
    }
    const QStringList titulos{Modulo::ObtemTexto(24), Modulo::ObtemTexto(5), Modulo::ObtemTexto(8)};
    static const QRegularExpression numero(QStringLiteral("^\\d{4} \\d{3} \\d{3}$"));
    std::map<QString, QString> notas;
    double coluna = -1;
    QString atual;
    for (const auto& l : linhas) {
        QStringList textos;
        for (const PalavraPdf* w : l)
            textos << w->texto;
        const QString linha = textos.join(QLatin1Char(' '));
        if (linha == titulos.join(QLatin1Char(' '))) {
            for (const PalavraPdf* w : l)
                if (w->texto == titulos.back().section(QLatin1Char(' '), 0, 0))
                    coluna = w->x0;
            continue;
        }
        if (coluna < 0)
            continue;
        QString nota;
        for (const PalavraPdf* w : l)
            if (w->x0 >= coluna - 0.5)
                nota += w->texto;
        if (l.size() >= 4 && l.front()->x0 < coluna && numero.match(textos.mid(1, 3).join(QLatin1Char(' '))).hasMatch()) {
            atual = textos[0] + QLatin1Char('|') + textos.mid(1, 3).join(QLatin1Char(' '));
            notas[atual] += nota;
        } else if (l.front()->x0 >= coluna - 0.5 && !atual.isEmpty()) {
            notas[atual] += nota;
        }
    }
    return notas;
}

// Reads a printed PDF back and checks it against what the catalogue holds:
// every word inside its page, every expected value there, every note whole.
// Returns the words read.
std::vector<PalavraPdf> ConfereImpresso(const QString& pdf, const Esperado& esperado)
{
    std::vector<QSizeF> paginas;
    std::vector<PalavraPdf> palavras = PalavrasPdf(pdf, paginas);
    EXPECT_FALSE(paginas.empty()) << pdf.toStdString();
    EXPECT_EQ(ForaDaPagina(palavras, paginas), QStringList());
    std::map<QString, int> lidas;
    for (const PalavraPdf& w : palavras)
        Conta(lidas, w.texto);
    EXPECT_EQ(Faltam(esperado, lidas), QStringList());
    const std::map<QString, QString> notas = NotasLidas(palavras);
    for (const auto& [chave, texto] : esperado.notas) {
        const auto it = notas.find(chave);
        EXPECT_TRUE(it != notas.end() && it->second == texto) << chave.toStdString() << "\n  expected " << texto.toStdString()
                                                              << "\n  read     " << (it == notas.end() ? "" : it->second.toStdString());
    }
    return palavras;
}

// --- the page canvas --------------------------------------------------------------

// The run's pages drawn on the recording surface set up as the canvas: for
// each part of the figure its figure page and table, the items drawn in no
// part, the kit legend and the notes.
void ImprimeNaTela(SaidaGravada& r, long peca)
{
    QString jogos, obs;
    bool impresso = false;
    for (const ParteFiguraSaida& parte : Escolha(peca, QStringLiteral("FT"), 255).Partes) {
        r.saida.ImprimeFigura(peca, parte.NumeroParte);
        r.saida.ImprimeTabela(peca, parte.NumeroParte, jogos, obs, impresso);
    }
    r.saida.ImprimeTabela(peca, 255, jogos, obs, impresso);
    r.saida.ImprimeJogosReparo(peca, jogos);
    r.saida.ImprimeObservacoes(peca, obs);
}

// The texts drawn outside the page (x, y in device units of a page of
// `largura` x `altura`).
QStringList ForaDaTela(const saida::SuperficieGravacao& g, double largura, double altura)
{
    QStringList fora;
    QImage dispositivo(1, 1, QImage::Format_Grayscale8);
    dispositivo.setDotsPerMeterX(int(std::lround(g.Dpi() / 0.0254)));
    dispositivo.setDotsPerMeterY(int(std::lround(g.Dpi() / 0.0254)));
    QMap<QString, double> alturas;
    for (const Operacao& op : g.Operacoes()) {
        if (op.tipo != Operacao::Texto && op.tipo != Operacao::Figura)
            continue;
        double alto = op.altura;
        if (op.tipo == Operacao::Texto) {
            const QString chave = QStringLiteral("%1|%2|%3|%4").arg(op.fonte).arg(op.tamanho).arg(op.negrito).arg(op.italico);
            auto it = alturas.find(chave);
            if (it == alturas.end()) {
                QFont f(op.fonte);
                f.setPointSizeF(op.tamanho);
                f.setBold(op.negrito);
                f.setItalic(op.italico);
                f.setHintingPreference(QFont::PreferNoHinting);
                it = alturas.insert(chave, QFontMetricsF(f, &dispositivo).height());
            }
            alto = *it;
        }
        if (op.x < 0 || op.y < 0 || op.x + op.largura > largura + 1e-6 || op.y + alto > altura + 1e-6)
            fora << QStringLiteral("page %1: \"%2\" at %3, %4 (%5 x %6)").arg(op.pagina).arg(op.texto).arg(op.x).arg(op.y).arg(op.largura).arg(alto);
    }
    return fora;
}

// The notes as the canvas draws them: the texts from the note headings on,
// at or right of the note column, in drawing order (repeated page headers and
// headings passed over), without blanks.
QString NotasDesenhadas(SaidaGravada& r)
{
    const Operacao* titulo = nullptr;
    QString texto;
    for (const Operacao& op : r.g().Operacoes()) {
        if (op.tipo != Operacao::Texto)
            continue;
        if (op.negrito && op.texto == Modulo::ObtemTexto(8))
            titulo = &op;
        else if (titulo && !op.negrito && op.tamanho == 10 && ColunaDe(r, &op) >= 720 - 1e-6)
            texto += SemBrancos(op.texto);
    }
    return texto;
}

// The demo catalogue as tqdemo writes it, once per test program.
const demo::Summary& Demo()
{
    static tqtest::TempDir pasta;
    static const demo::Summary s = [] {
        demo::Options o;
        o.outDir = pasta.file(QStringLiteral("demo-V"));
        return demo::GenerateDataFolder(o);
    }();
    return s;
}

}  // namespace

// Every printout of every assembly of the demo catalogue in the three
// languages, figures and tables of every part: printed to PDF, each word's
// box is inside its page, every number of the tables, the kit legend and the
// notes is there, and every note reads whole; on the JPEG page canvas every
// text and figure is inside the 840 x 630 page and every note is drawn
// whole.  The sweep of every assembly (about 110, 330 printouts) takes a
// minute: by default it takes the 8 assemblies whose rows are the longest
// (the most cross-reference and kit text on a row, the longest note) and
// every 16th of the others; TQ_PAGEBOUNDS_ALL=1 checks every one.  The
// sanitizer build, five times slower, takes the 8 longest alone: the
// others add no code the longest do not run.
TEST(ReportPageBounds, EveryDemoPrintoutKeepsEveryValueOnItsPages)
{
    const demo::Summary& demo = Demo();
    const bool todas = qEnvironmentVariableIntValue("TQ_PAGEBOUNDS_ALL") == 1;
#if defined(__SANITIZE_ADDRESS__) || (defined(__has_feature) && __has_feature(address_sanitizer))
    const int cadaQuantas = 0;
#else
    const int cadaQuantas = 16;
#endif
    std::vector<long> pecas;
    {
        CatalogoAberto cat(demo, QStringLiteral("P"));
        std::vector<std::pair<double, long>> ordem;
        for (const QStringList& p : Consulta(QStringLiteral("SELECT CodigoPeca FROM PECA ORDER BY CodigoPeca"))) {
            const long peca = p[0].toLong();
            if (!Escolha(peca, QStringLiteral("FT"), 255).Partes.empty())
                ordem.emplace_back(-EsperadoDe(peca).comprimento, peca);
        }
        std::stable_sort(ordem.begin(), ordem.end());
        for (std::size_t i = 0; i < ordem.size(); ++i)
            if (todas || i < 8 || (cadaQuantas > 0 && i % cadaQuantas == 0))
                pecas.push_back(ordem[i].second);
        ASSERT_GT(ordem.size(), 100u);
        ASSERT_EQ(ordem.front().second, demo.extremeAssembly);
    }

    tqtest::TempDir pasta;
    // Drawings that are missing or unreadable on purpose report their error
    // on the figure page; the output goes on.
    tqtest::FakeMessageBoxes caixas;
    int impressas = 0;
    for (const QString& idioma : {QStringLiteral("P"), QStringLiteral("E"), QStringLiteral("I")}) {
        SCOPED_TRACE(idioma.toStdString());
        CatalogoAberto cat(demo, idioma);
        for (long peca : pecas) {
            SCOPED_TRACE(peca);
            const Esperado esperado = EsperadoDe(peca);

            const QString pdf = pasta.file(QStringLiteral("%1-%2.pdf").arg(peca).arg(idioma));
            {
                tqtest::FakePrintDialogs dialogos(pdf, 300);
                saida::Saida s;
                s.CodigoPecaSaida = peca;
                ASSERT_TRUE(s.GeraFiguraTabela(Escolha(peca, QStringLiteral("FT"), 255)));
            }
            ConfereImpresso(pdf, esperado);
            QFile::remove(pdf);
            ++impressas;

            SaidaGravada tela(96, false, peca);
            tela.saida.GravadorPagina = [](const QString&, const QByteArray&) { return 0; };  // no page files
            ImprimeNaTela(tela, peca);
            EXPECT_EQ(ForaDaTela(tela.g(), saida::SuperficieTela::kLargura, saida::SuperficieTela::kAltura), QStringList());
            std::map<QString, int> desenhadas;
            for (const Operacao* op : tela.g().Textos())
                Conta(desenhadas, op->texto);
            EXPECT_EQ(Faltam(esperado, desenhadas), QStringList());
            const QString notasTela = NotasDesenhadas(tela);
            for (const auto& [chave, texto] : esperado.notas)
                EXPECT_TRUE(notasTela.contains(texto)) << chave.toStdString() << ": " << texto.toStdString();
        }
    }
    EXPECT_EQ(impressas, 3 * int(pecas.size()));
}

namespace {

// The texts of a row as drawn, in drawing order (line by line, left to
// right): from its first text at the left margin, `item`, after `depois`
// (the note headings, say), to the next text at the margin (the next row, a
// header); nullptr-terminated search on the whole recording.
std::vector<const Operacao*> TextosDaLinha(SaidaGravada& r, const QString& item, const Operacao* depois = nullptr)
{
    std::vector<const Operacao*> linha;
    bool depoisVisto = depois == nullptr;
    for (const Operacao& op : r.g().Operacoes()) {
        if (op.tipo != Operacao::Texto)
            continue;
        if (&op == depois)
            depoisVisto = true;
        const bool margem = std::abs(ColunaDe(r, &op)) < 1e-6;
        if (!linha.empty() && margem)
            break;
        if (linha.empty() && (!depoisVisto || !margem || op.texto != item))
            continue;
        linha.push_back(&op);
    }
    return linha;
}

QStringList Palavras(const std::vector<const Operacao*>& textos, std::size_t de, const QRegularExpression& forma)
{
    QStringList palavras;
    for (std::size_t i = de; i < textos.size(); ++i)
        for (const QString& w : textos[i]->texto.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (forma.match(Palavra(w)).hasMatch())
                palavras << Palavra(w);
    return palavras;
}

const QRegularExpression kReferencia(QStringLiteral("^VX"));
const QRegularExpression kKit(QStringLiteral("^\\d{6}$"));

}  // namespace

// The demo's assembly of extreme rows on paper (the recording surface as
// printers of 96 and 600 dpi, and a PDF read back with pdftotext) and on the
// JPEG page canvas: the 26 cross references of one item (two of 30
// characters) and the 16 kits of another are all printed, whole, in their
// order, inside the page, the references from their column and the kits
// under theirs; the item with both keeps its "*" and its optional row its
// "op"; the note of two long paragraphs and the note with a word longer than
// a line read whole; and no further line of a row begins lower on the page
// than a row may (2400 layout units), so continued rows keep the bottom
// margin of every other row.
TEST(ReportPageBounds, ExtremeRowsPrintEveryValueWholeOnThePageInOrder)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    const demo::Summary& s = cat.s;
    const long peca = s.extremeAssembly;
    ASSERT_NE(peca, 0);
    const long fabricante = Modulo::ObtemFabricantePeca(peca);
    const auto referencias = [&](const QString& item) {
        QStringList r;
        for (const QStringList& l : Consulta(QStringLiteral("SELECT REFERENCIACRUZADA.NumeroFabricante FROM (PECA_COMPONENTE INNER JOIN COMPONENTE "
                                                            "ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente) "
                                                            "INNER JOIN REFERENCIACRUZADA ON REFERENCIACRUZADA.NumeroEmpresa = COMPONENTE.NumeroEmpresaComponente "
                                                            "WHERE PECA_COMPONENTE.CodigoPeca = %1 AND PECA_COMPONENTE.ItemComponente = '%2' "
                                                            "AND PECA_COMPONENTE.FlagOpcionalComponente = 0 AND REFERENCIACRUZADA.CodigoFabricante = %3 "
                                                            "ORDER BY 1")
                                                 .arg(peca)
                                                 .arg(item)
                                                 .arg(fabricante)))
            r << l[0];
        return r;
    };
    const QStringList refsMuitas = referencias(s.extremeReferencesItem), refsAmbas = referencias(s.extremeEverythingItem);
    ASSERT_EQ(refsMuitas.size(), 26);
    EXPECT_EQ(std::count_if(refsMuitas.begin(), refsMuitas.end(), [](const QString& n) { return n.size() == 30; }), 2);
    ASSERT_EQ(refsAmbas.size(), 12);
    QStringList kits;
    for (const QStringList& k : Consulta(QStringLiteral("SELECT DISTINCT CodigoJogoReparo FROM PECA_COMPONENTE_JOGOREPARO WHERE CodigoPeca = %1 "
                                                        "AND ItemComponente = '%2' ORDER BY 1")
                                             .arg(peca)
                                             .arg(s.extremeKitsItem)))
        kits << k[0];
    ASSERT_EQ(kits.size(), 16);
    const Esperado esperado = EsperadoDe(peca);
    const QString chaveNota = s.extremeLongNoteItem, chavePalavra = s.extremeLongWordItem;

    struct Caso { const char* nome; int dpi; bool impressora; double largura, altura; };
    const QSizeF a4_96 = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Point).paintRectPixels(96).size();
    const QSizeF a4_600 = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Point).paintRectPixels(600).size();
    for (const Caso& c : {Caso{"paper at 96 dpi", 96, true, a4_96.width(), a4_96.height()},
                          Caso{"paper at 600 dpi", 600, true, a4_600.width(), a4_600.height()},
                          Caso{"page canvas", 96, false, double(saida::SuperficieTela::kLargura), double(saida::SuperficieTela::kAltura)}}) {
        SCOPED_TRACE(c.nome);
        SaidaGravada r(c.dpi, c.impressora, peca);
        r.saida.GravadorPagina = [](const QString&, const QByteArray&) { return 0; };
        ImprimeNaTela(r, peca);
        EXPECT_EQ(ForaDaTela(r.g(), c.largura, c.altura), QStringList());
        // A row's further lines begin where a row may begin, or on the next page.
        const auto continuacoes = [&](const std::vector<const Operacao*>& linha) {
            for (const Operacao* op : linha)
                if (op->pagina != linha.front()->pagina || op->y > linha.front()->y) {
                    EXPECT_LE(op->y, r.saida.mEscalaSaida * 2400 + 1e-6) << op->texto.toStdString();
                }
        };

        // The references in their order from their column, the kits in theirs.
        const auto muitas = TextosDaLinha(r, s.extremeReferencesItem);
        ASSERT_GE(muitas.size(), 5u);
        EXPECT_EQ(Palavras(muitas, 4, kReferencia), refsMuitas);
        EXPECT_NEAR(ColunaDe(r, muitas[4]), 2070, 1e-6);
        continuacoes(muitas);
        const auto deKits = TextosDaLinha(r, s.extremeKitsItem);
        ASSERT_GE(deKits.size(), 5u);
        EXPECT_EQ(Palavras(deKits, 4, kKit), kits);
        EXPECT_GT(deKits.size(), 5u);  // more than one line
        continuacoes(deKits);
        for (std::size_t i = 4; i < deKits.size(); ++i)
            EXPECT_NEAR(ColunaDe(r, deKits[i]), 2750, 1e-6);
        // The item with both, then its optional alternative's row.
        const auto ambas = TextosDaLinha(r, s.extremeEverythingItem);
        ASSERT_GE(ambas.size(), 5u);
        EXPECT_EQ(Palavras(ambas, 4, kReferencia), refsAmbas);
        EXPECT_EQ(Palavras(ambas, 4, kKit), kits);
        continuacoes(ambas);
        EXPECT_EQ(std::count_if(ambas.begin(), ambas.end(), [](const Operacao* op) { return op->texto == QLatin1String("*"); }), 1);
        bool opcional = false;
        for (const auto& linha : LinhasImpressas(r.g()))
            if (linha.front()->texto == s.extremeEverythingItem && std::any_of(linha.begin(), linha.end(), [](const Operacao* op) {
                    return op->texto == QLatin1String("op");
                }))
                opcional = true;
        EXPECT_TRUE(opcional);

        // The notes, whole and in order.
        const Operacao* titulo = nullptr;
        for (const Operacao& op : r.g().Operacoes())
            if (op.tipo == Operacao::Texto && op.negrito && op.texto == Modulo::ObtemTexto(8))
                titulo = &op;
        ASSERT_NE(titulo, nullptr);
        for (const QString& item : {chaveNota, chavePalavra}) {
            SCOPED_TRACE(item.toStdString());
            const auto nota = TextosDaLinha(r, item, titulo);
            ASSERT_GE(nota.size(), 4u);
            QString lida;
            for (std::size_t i = 2; i < nota.size(); ++i)
                lida += nota[i]->texto;
            const auto it = std::find_if(esperado.notas.begin(), esperado.notas.end(),
                                         [&](const auto& n) { return n.first.startsWith(item + QLatin1Char('|')); });
            ASSERT_NE(it, esperado.notas.end());
            EXPECT_EQ(SemBrancos(lida), it->second);
            EXPECT_GE(nota.size(), 4u);  // longer than a line
            continuacoes(nota);
        }
    }

    // On paper, as pdftotext reads it.
    tqtest::TempDir pasta;
    const QString pdf = pasta.file(QStringLiteral("extremos.pdf"));
    {
        tqtest::FakePrintDialogs dialogos(pdf, 600);
        saida::Saida saida;
        saida.CodigoPecaSaida = peca;
        ASSERT_TRUE(saida.GeraFiguraTabela(Escolha(peca, QStringLiteral("FT"), 255)));
    }
    std::vector<PalavraPdf> palavras = ConfereImpresso(pdf, esperado);
    // The words of each row in reading order: from its item at the margin
    // to the next word at the margin.
    std::sort(palavras.begin(), palavras.end(), [](const PalavraPdf& a, const PalavraPdf& b) {
        return std::tie(a.pagina, a.y0, a.x0) < std::tie(b.pagina, b.y0, b.x0);
    });
    const double margem = std::min_element(palavras.begin(), palavras.end(), [](const PalavraPdf& a, const PalavraPdf& b) {
                              return a.x0 < b.x0;
                          })->x0;
    const auto daLinha = [&](const QString& item, const QRegularExpression& forma) {
        QStringList achadas;
        bool dentro = false;
        for (const PalavraPdf& w : palavras) {
            const bool naMargem = w.x0 < margem + 1;
            if (dentro && naMargem)
                break;
            if (!dentro && naMargem && w.texto == item) {
                dentro = true;
                continue;
            }
            if (dentro && forma.match(Palavra(w.texto)).hasMatch())
                achadas << Palavra(w.texto);
        }
        return achadas;
    };
    EXPECT_EQ(daLinha(s.extremeReferencesItem, kReferencia), refsMuitas);
    EXPECT_EQ(daLinha(s.extremeKitsItem, kKit), kits);
    EXPECT_EQ(daLinha(s.extremeEverythingItem, kReferencia), refsAmbas);
    EXPECT_EQ(daLinha(s.extremeEverythingItem, kKit), kits);
    EXPECT_TRUE(caixas.shown.empty());
}

// The cart list and the comparison with the longest values their fields
// hold, over several pages: a type of 50 characters as the row's last value
// (an item that is not optional) goes on under its column, broken at blanks,
// or between characters when it is one word; every value is printed whole
// (descriptions cut with the mark, as always), inside the page, and a row's
// further lines begin no lower than a row may (3400 layout units).
TEST(ReportPageBounds, ListsWithTheLongestValuesStayOnThePage)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    tqtest::TempDir pasta;
    const QString tipoPalavras = QStringLiteral("COMPONENTE DE REPOSIÇÃO ORIGINAL HOMOLOGADO WWWWWW");
    const QString tipoUmaPalavra = QString(50, QLatin1Char('M'));
    ASSERT_EQ(tipoPalavras.size(), 50);
    const QString descricao = QString(50, QLatin1Char('W'));
    QStringList insercoes;
    for (int i = 0; i < 60; ++i)
        insercoes << QStringLiteral("INSERT INTO L VALUES ('0501 000 %1', '%2', 32767, '%3', '%4')")
                         .arg(100 + i)
                         .arg(descricao)
                         .arg(i % 3 == 1 ? tipoUmaPalavra : tipoPalavras)
                         .arg(i % 3 == 2 ? QStringLiteral(" ") : QStringLiteral("\r"));
    platform::dao::DatabasePtr db;
    auto lista = Linhas(pasta,
                        QStringLiteral("CREATE TABLE L (NumeroEmpresa TEXT(12), Descricao TEXT(50), Quantidade SHORT, "
                                       "DescricaoTipo TEXT(50), Opcional TEXT(1))"),
                        insercoes, QStringLiteral("SELECT * FROM L ORDER BY NumeroEmpresa"), db);
    db->Execute(QStringLiteral("CREATE TABLE C (NumeroEmpresaComponente TEXT(12), DescricaoComponente TEXT(50), "
                               "QuantidadeComponente1 TEXT(5), QuantidadeComponente2 TEXT(5), ImagensGrid TEXT(3))"));
    for (int i = 0; i < 60; ++i)
        db->Execute(QStringLiteral("INSERT INTO C VALUES ('0501 000 %1', '%2', '99999', %3, '%4')")
                        .arg(100 + i)
                        .arg(descricao)
                        .arg(i % 2 ? QStringLiteral("NULL") : QStringLiteral("'A/R'"))
                        .arg(i % 2 ? QStringLiteral(" ") : QStringLiteral("\r")));
    auto comparacao = db->OpenRecordset(QStringLiteral("SELECT * FROM C ORDER BY NumeroEmpresaComponente"), platform::dao::dbOpenSnapshot);
    const saida::DadosComparacao dados{comparacao, QStringLiteral("2"), QStringLiteral("Transmissão: 1269 104 729  /  1269 112 648"),
                                       QStringLiteral("1269 104 729"), QStringLiteral("1269 112 648")};

    for (int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        const QSizeF pagina =
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point).paintRectPixels(dpi).size();
        ImpressoraGravada l;
        l.dialogos.dpi = dpi;
        l.saida.ImprimeLista(lista);
        ASSERT_NE(l.gravacao, nullptr);
        EXPECT_EQ(ForaDaTela(*l.gravacao, pagina.width(), pagina.height()), QStringList());
        EXPECT_GE(l.gravacao->Paginas(), 3);
        // Each row: from its number at the margin to the next text there.
        int linhas = 0;
        std::vector<const Operacao*> linha;
        const auto fecha = [&] {
            if (linha.empty())
                return;
            const std::vector<const Operacao*> textos = std::exchange(linha, {});
            ++linhas;
            ASSERT_GE(textos.size(), 4u);
            QString tipo;
            for (const Operacao* op : textos) {
                if (op->pagina != textos.front()->pagina || op->y > textos.front()->y) {
                    EXPECT_LE(op->y, l.saida.mEscalaSaida * 3400 + 1e-6) << op->texto.toStdString();
                }
                if (std::abs(l.Coluna(op) - 1700) < 1e-6)
                    tipo += op->texto;
            }
            const bool opcional = textos.back()->texto == QLatin1String("op");
            const int n = (textos.front()->texto.right(3).toInt() - 100) % 3;
            SCOPED_TRACE(textos.front()->texto.toStdString());
            EXPECT_EQ(textos[2]->texto, QStringLiteral(" 32767"));
            if (opcional) {
                EXPECT_TRUE(tipo.endsWith(QStringLiteral("…"))) << tipo.toStdString();
            } else {
                EXPECT_EQ(SemBrancos(tipo), SemBrancos(n == 1 ? tipoUmaPalavra : tipoPalavras));
                EXPECT_GT(textos.size(), 4u);  // the type on more than one line
            }
        };
        static const QRegularExpression numero(QStringLiteral("^0501 000 \\d{3}$"));
        bool naLinha = false;
        for (const Operacao* op : l.gravacao->Textos()) {
            if (std::abs(l.Coluna(op)) < 1e-6) {
                fecha();
                naLinha = !op->negrito && numero.match(op->texto).hasMatch();
            }
            if (naLinha)
                linha.push_back(op);
        }
        fecha();
        EXPECT_EQ(linhas, 60);

        ImpressoraGravada c;
        c.dialogos.dpi = dpi;
        c.saida.ImprimeComparacao(dados);
        ASSERT_NE(c.gravacao, nullptr);
        EXPECT_EQ(ForaDaTela(*c.gravacao, pagina.width(), pagina.height()), QStringList());
    }

    // On paper, as pdftotext reads it.
    for (const bool ehLista : {true, false}) {
        const QString pdf = pasta.file(ehLista ? QStringLiteral("lista.pdf") : QStringLiteral("comparacao.pdf"));
        {
            tqtest::FakePrintDialogs dialogos(pdf, 600);
            saida::Saida saida;
            if (ehLista)
                saida.ImprimeLista(lista);
            else
                saida.ImprimeComparacao(dados);
        }
        std::vector<QSizeF> paginas;
        const std::vector<PalavraPdf> palavras = PalavrasPdf(pdf, paginas);
        EXPECT_EQ(ForaDaPagina(palavras, paginas), QStringList());
        std::map<QString, int> lidas;
        for (const PalavraPdf& w : palavras)
            Conta(lidas, w.texto);
        EXPECT_EQ(lidas[QStringLiteral("99999")], ehLista ? 0 : 60);
        EXPECT_EQ(lidas[QStringLiteral("32767")], ehLista ? 60 : 0);
        if (ehLista) {
            for (const QString& w : tipoPalavras.split(QLatin1Char(' ')))
                EXPECT_GE(lidas[w], 20) << w.toStdString();
        }
    }
    EXPECT_TRUE(caixas.shown.empty());
}

}  // namespace limitespagina
