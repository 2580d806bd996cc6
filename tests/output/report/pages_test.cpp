// The report pages on the recording surface: header rows and page starts,
// scale per resolution, the figure page, the table columns and breaks, the
// kit and note sections, the cart list and the comparison.
#include "reportfixture.h"

#include "core/globals.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "platform/dao/dao.h"

#include <QColor>

#include <algorithm>
#include <cmath>

using namespace reporttest;
using saida::Operacao;

namespace {

double U(const SaidaGravada& r, double u) { return u * r.saida.mEscalaSaida; }

int NovasPaginas(SaidaGravada& r)
{
    int n = 0;
    for (const Operacao& op : r.g().Operacoes())
        n += op.tipo == Operacao::NovaPagina ? 1 : 0;
    return n;
}

}  // namespace

TEST(ReportScale, FollowsThePrinterResolution)
{
    struct Caso { int dpi; double escala; int k; };
    for (const Caso& c : {Caso{96, 96.0 / 360, 1}, Caso{300, 0.8333, 3}, Caso{600, 1.6667, 7}, Caso{1200, 3.3333, 13}}) {
        SCOPED_TRACE(c.dpi);
        SaidaGravada r(c.dpi);
        EXPECT_NEAR(r.saida.mEscalaSaida, c.escala, 1e-4);
        EXPECT_EQ(r.saida.mMargemEsquerda, 200);
        EXPECT_EQ(r.saida.mMargemSuperior, 150);
        EXPECT_EQ(int(std::nearbyint(4 * r.saida.mEscalaSaida)), c.k);
    }
    SaidaGravada tela(96, false);
    EXPECT_EQ(tela.saida.mEscalaSaida, 0.25);
    EXPECT_EQ(tela.saida.mMargemEsquerda, 20);
    EXPECT_EQ(tela.saida.mMargemSuperior, 8);
}

TEST(ReportHeader, RowsAndPageStarts)
{
    CatalogoAberto cat(QStringLiteral("V"));
    SaidaGravada r(600, true, cat.s.outputAssembly23);
    r.saida.ImprimeCabecalho(QStringLiteral("Figura"), QStringLiteral("<mInf>"), -1);
    r.saida.ImprimeCabecalho(QStringLiteral("Tabela"), QStringLiteral("   "), -1);
    r.saida.ImprimeCabecalho(QStringLiteral("Lista"), QStringLiteral("Sub"), 700);

    // The first header starts no page; each later one does.
    EXPECT_EQ(NovasPaginas(r), 2);
    const auto p1 = r.g().Textos(1);
    ASSERT_EQ(p1.size(), 4u);
    EXPECT_EQ(p1[0]->texto, Modulo::ObtemTexto(19) + QStringLiteral("     3.2     15-MAR-2024 R2"));
    EXPECT_NEAR(p1[0]->y, U(r, 150), 1e-9);
    EXPECT_NEAR(p1[0]->x, U(r, 200), 1e-9);
    EXPECT_EQ(p1[0]->tamanho, 12);
    EXPECT_EQ(p1[1]->texto, QStringLiteral("Figura"));
    EXPECT_EQ(p1[1]->tamanho, 10);
    EXPECT_TRUE(p1[2]->texto.contains(cat.s.outputAssembly23Number.right(3)));
    EXPECT_EQ(p1[3]->texto, QStringLiteral("1"));
    EXPECT_EQ(p1[3]->tamanho, 7);
    // Rows one line of their font apart.
    EXPECT_GT(p1[1]->y, p1[0]->y);
    EXPECT_GT(p1[3]->y, p1[2]->y);

    // A blank subtitle gives no subtitle line.
    const auto p2 = r.g().Textos(2);
    ASSERT_EQ(p2.size(), 3u);
    EXPECT_EQ(p2[2]->texto, QStringLiteral("2"));
    // Row 700: the header starts 700 units down.
    const auto p3 = r.g().Textos(3);
    ASSERT_EQ(p3.size(), 4u);
    EXPECT_NEAR(p3[0]->y, U(r, 700), 1e-9);
    EXPECT_EQ(p3[2]->texto, QStringLiteral("Sub"));
}

TEST(ReportHeader, EmptyAssemblyTitleStillStartsPages)
{
    CatalogoAberto cat(QStringLiteral("V"));
    SaidaGravada r(300, true, 987654321);  // no such assembly: the title line is empty
    r.saida.ImprimeCabecalho(QStringLiteral("A"), QStringLiteral("<mInf>"), -1);
    EXPECT_TRUE(r.saida.mCabecalhoPagina.isEmpty());
    r.saida.ImprimeCabecalho(QStringLiteral("B"), QStringLiteral("<mInf>"), -1);
    EXPECT_EQ(NovasPaginas(r), 1);
    EXPECT_EQ(r.g().Procura(QStringLiteral("B"))->pagina, 2);
}

TEST(ReportFigure, LabelsAtTheirPlacesGreyItalicWithoutComponent)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    SaidaGravada r(600, true, cat.s.outputAssembly23);
    r.saida.ImprimeFigura(cat.s.outputAssembly23, 1);
    EXPECT_TRUE(caixas.shown.empty());

    const Operacao* figura = nullptr;
    for (const Operacao& op : r.g().Operacoes())
        if (op.tipo == Operacao::Figura && !figura)
            figura = &op;
    ASSERT_NE(figura, nullptr);
    const int k = 7;
    EXPECT_EQ(figura->largura, k * figura->figura.width());
    EXPECT_EQ(figura->x, std::round(U(r, 200)));

    const auto linhas = Modulo::ObtemValorSQL(
        QStringLiteral("SELECT PosicaoLeft FROM FIGURADETALHADA1 WHERE CodigoPeca=%1 AND NumeroParte=1 AND ItemComponente='%2'")
            .arg(cat.s.outputAssembly23)
            .arg(cat.s.outputItemWithoutComponent));
    const Operacao* sem = r.g().Procura(cat.s.outputItemWithoutComponent);
    ASSERT_NE(sem, nullptr);
    EXPECT_EQ(sem->x, figura->x + k * linhas.toInt());
    EXPECT_TRUE(sem->italico);
    EXPECT_EQ(sem->cor, QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(sem->tamanho, 8);
    const Operacao* com = r.g().Procura(cat.s.outputKitListFirstItem);
    ASSERT_NE(com, nullptr);
    EXPECT_FALSE(com->italico);
    EXPECT_EQ(com->cor, QColor(Qt::black));
    // An item with two component rows (two rows of the join): one label.
    int copias = 0;
    for (const Operacao* op : r.g().Textos(1))
        copias += op->texto == cat.s.outputItemWithKitsAndOptional ? 1 : 0;
    EXPECT_EQ(copias, 1);

    // A part without rows draws nothing and starts no page.
    const auto antes = r.g().Operacoes().size();
    r.saida.ImprimeFigura(cat.s.outputAssembly23, 99);
    EXPECT_EQ(r.g().Operacoes().size(), antes);
}

TEST(ReportFigure, MissingDrawingShowsTheBoxAndKeepsTheHeader)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    SaidaGravada r(300, true, cat.s.assemblyMissingDrawing);
    r.saida.ImprimeFigura(cat.s.assemblyMissingDrawing, cat.s.pageMissingDrawing);
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_TRUE(caixas.last().text.startsWith(Modulo::ObtemTexto(21) + QStringLiteral(": 53\r\n")));
    EXPECT_EQ(caixas.last().icon(), platform::vbCritical);
    EXPECT_NE(r.g().Procura(Modulo::ObtemTexto(22)), nullptr);
    for (const Operacao& op : r.g().Operacoes())
        EXPECT_NE(op.tipo, Operacao::Figura);
}

TEST(ReportTable, ColumnsKitsAndListsInEditionV)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    SaidaGravada r(600, true, cat.s.outputAssembly23);
    QString jogos, obs;
    bool impresso = false;
    r.saida.ImprimeTabela(cat.s.outputAssembly23, 1, jogos, obs, impresso);
    EXPECT_TRUE(caixas.shown.empty());
    EXPECT_TRUE(impresso);

    // Titles, bold italic, at their columns; the maker's name cut to 20,
    // and that heading cut again before the kits' heading, with the mark.
    struct Titulo { QString texto; double x; };
    for (const Titulo& t : {Titulo{QStringLiteral("Item"), 0}, Titulo{QStringLiteral("Qtd."), 320},
                            Titulo{QStringLiteral("Componente"), 520}, Titulo{QStringLiteral("Nº TQ"), 1620},
                            Titulo{QStringLiteral("Jogos de Reparo"), 2750}}) {
        SCOPED_TRACE(t.texto.toStdString());
        const Operacao* op = r.g().Procura(t.texto);
        ASSERT_NE(op, nullptr);
        EXPECT_NEAR(ColunaDe(r, op), t.x, 1e-6);
        EXPECT_TRUE(op->negrito && op->italico);
    }
    const QString fabricante = QStringLiteral("Nº ") + cat.s.outputLongMaker.left(20).trimmed();
    const Operacao* titulo = r.g().Textos(1).at(8);
    EXPECT_NEAR(ColunaDe(r, titulo), 2070, 1e-6);
    EXPECT_TRUE(titulo->negrito && titulo->italico);
    EXPECT_TRUE(titulo->texto.size() > 4 && titulo->texto.endsWith(QStringLiteral("…")) &&
                fabricante.startsWith(titulo->texto.chopped(1)))
        << titulo->texto.toStdString();

    // The item in the three kits (…12, …15, …40): its regular and its optional row each
    // get a line with the three codes; "op" on the optional one.
    const QString k12 = QString::number(cat.s.outputKits[0]), k15 = QString::number(cat.s.outputKits[1]),
                  k40 = QString::number(cat.s.outputKits[2]);
    int linhasKits = 0;
    for (const Operacao* op : r.g().Textos())
        if (op->texto == k12 + QStringLiteral(", ") + k15 + QStringLiteral(", ") + k40) {
            ++linhasKits;
            EXPECT_NEAR(ColunaDe(r, op), 2750, 1e-6);
        }
    EXPECT_EQ(linhasKits, 2);
    const Operacao* op = r.g().Procura(QStringLiteral("op"));
    ASSERT_NE(op, nullptr);
    EXPECT_NEAR(ColunaDe(r, op), 2550, 1e-6);
    // Kits in the order first named; notes as code$item$number.
    EXPECT_EQ(jogos, k40 + QLatin1Char(',') + k12 + QLatin1Char(',') + k15);
    EXPECT_EQ(obs.count(QLatin1Char('$')), 2);
    EXPECT_TRUE(obs.startsWith(QString::number(cat.s.outputMemoComponent) + QLatin1Char('$') + cat.s.outputMemoItem + QLatin1Char('$')));
    EXPECT_NEAR(ColunaDe(r, r.g().Procura(QStringLiteral("*"))), 2670, 1e-6);

    // Part 255: the items drawn in no part.
    QString j2, o2;
    r.saida.ImprimeTabela(cat.s.outputAssembly23, 255, j2, o2, impresso);
    EXPECT_TRUE(impresso);
    const auto pagina2 = r.g().Textos(2);
    EXPECT_TRUE(std::any_of(pagina2.begin(), pagina2.end(), [&](const Operacao* op) {
        return op->texto == cat.s.outputItemNotDrawn && std::abs(ColunaDe(r, op)) < 1e-6;
    }));
    // A part without rows: nothing, no page, lists unchanged.
    const auto antes = r.g().Operacoes().size();
    r.saida.ImprimeTabela(cat.s.outputAssembly23, 99, j2, o2, impresso);
    EXPECT_FALSE(impresso);
    EXPECT_EQ(r.g().Operacoes().size(), antes);
}

TEST(ReportTable, EditionMHasNoReferenceColumn)
{
    CatalogoAberto cat(QStringLiteral("M"));
    SaidaGravada r(300, true, cat.s.outputAssembly23);
    QString jogos, obs;
    bool impresso = false;
    r.saida.ImprimeTabela(cat.s.outputAssembly23, 1, jogos, obs, impresso);
    EXPECT_NEAR(ColunaDe(r, r.g().Procura(QStringLiteral("op"))), 2070, 1e-6);
    EXPECT_NEAR(ColunaDe(r, r.g().Procura(QStringLiteral("*"))), 2190, 1e-6);
    EXPECT_NEAR(ColunaDe(r, r.g().Procura(Modulo::ObtemTexto(9))), 2270, 1e-6);
    for (const Operacao* op : r.g().Textos())
        EXPECT_FALSE(op->texto.startsWith(QStringLiteral("Nº ")) && op->texto != Modulo::ObtemTexto(5));
}

TEST(ReportTable, BreaksPast2400)
{
    CatalogoAberto cat(QStringLiteral("V"));
    SaidaGravada r(96, true, cat.s.outputAssembly23);
    QString jogos, obs;
    bool impresso = false;
    for (int parte = 1; parte <= 3; ++parte)
        r.saida.ImprimeTabela(cat.s.outputAssembly23, parte, jogos, obs, impresso);
    // Every part starts its own page; a line is moved on only when the line
    // before ended lower than 2400 units.
    EXPECT_EQ(NovasPaginas(r), 2);
    r.g().SetCurrentY(U(r, 2400));
    r.saida.mDispositivoSaida->SetCurrentY(U(r, 2401));
    r.saida.ImprimeTabela(cat.s.outputAssembly23, 4, jogos, obs, impresso);
    EXPECT_EQ(NovasPaginas(r), 3);
    for (const Operacao* op : r.g().Textos(4))
        EXPECT_LE(op->y, U(r, 2400) + 100);
}

TEST(ReportSections, RuleAt2000And2350AndAscendingKits)
{
    CatalogoAberto cat(QStringLiteral("V"));
    const QString lista = QStringLiteral("%1,%2,%3").arg(cat.s.outputKits[2]).arg(cat.s.outputKits[0]).arg(cat.s.outputKits[1]);
    {
        SaidaGravada r(600, true, cat.s.outputAssembly23);
        r.saida.ImprimeCabecalho(QStringLiteral("T"), QStringLiteral("<mInf>"), -1);
        r.g().SetCurrentY(U(r, 2000));
        r.saida.ImprimeJogosReparo(cat.s.outputAssembly23, lista);
        EXPECT_EQ(NovasPaginas(r), 0);
        const Operacao* titulo = r.g().Procura(Modulo::ObtemTexto(4));
        ASSERT_NE(titulo, nullptr);
        EXPECT_NEAR(titulo->y, U(r, 2100), 1e-6);
        // Ascending, with the number's leading blank.
        std::vector<QString> codigos;
        for (const Operacao* op : r.g().Textos())
            if (std::abs(ColunaDe(r, op)) < 1e-6 && op->texto.startsWith(QLatin1Char(' ')))
                codigos.push_back(op->texto);
        ASSERT_EQ(codigos.size(), 3u);
        EXPECT_EQ(codigos[0], QStringLiteral(" %1").arg(cat.s.outputKits[0]));
        EXPECT_EQ(codigos[2], QStringLiteral(" %1").arg(cat.s.outputKits[2]));
    }
    {
        SaidaGravada r(600, true, cat.s.outputAssembly23);
        r.saida.ImprimeCabecalho(QStringLiteral("T"), QStringLiteral("<mInf>"), -1);
        r.g().SetCurrentY(U(r, 2350));
        r.saida.ImprimeJogosReparo(cat.s.outputAssembly23, lista);
        EXPECT_EQ(NovasPaginas(r), 1);
        EXPECT_EQ(r.g().Procura(Modulo::ObtemTexto(23))->pagina, 2);
        EXPECT_EQ(r.g().Procura(Modulo::ObtemTexto(4))->pagina, 2);
    }
    {
        // Blank lists: nothing at all; a list that is not codes: the box.
        tqtest::FakeMessageBoxes caixas;
        SaidaGravada r(600, true, cat.s.outputAssembly23);
        r.saida.ImprimeJogosReparo(cat.s.outputAssembly23, QStringLiteral("  "));
        r.saida.ImprimeObservacoes(cat.s.outputAssembly23, QString());
        EXPECT_TRUE(r.g().Operacoes().empty());
        r.saida.ImprimeJogosReparo(cat.s.outputAssembly23, QStringLiteral("1) OR (1=1"));
        EXPECT_EQ(caixas.shown.size(), 1u);
        r.saida.ImprimeObservacoes(cat.s.outputAssembly23, QStringLiteral("12$3"));
        EXPECT_EQ(caixas.shown.size(), 2u);
        EXPECT_TRUE(r.g().Operacoes().empty());
    }
}

TEST(ReportSections, MemoLinesStandUnderEachOther)
{
    CatalogoAberto cat(QStringLiteral("V"));
    SaidaGravada r(600, true, cat.s.outputAssembly23);
    r.saida.ImprimeCabecalho(QStringLiteral("T"), QStringLiteral("<mInf>"), -1);
    const QString entrada = QStringLiteral("%1$%2$0636 000 001").arg(cat.s.outputMemoComponent).arg(cat.s.outputMemoItem);
    r.saida.ImprimeObservacoes(cat.s.outputAssembly23, entrada + QLatin1Char('|') + entrada);
    std::vector<const Operacao*> linhas;
    for (const Operacao* op : r.g().Textos())
        if (std::abs(ColunaDe(r, op) - 720) < 1e-6)
            linhas.push_back(op);
    // The heading, then twice: the short note and the memo's three lines.
    ASSERT_EQ(linhas.size(), 1u + 2 * 3);
    EXPECT_EQ(linhas[0]->texto, Modulo::ObtemTexto(8));
    EXPECT_TRUE(linhas[1]->texto.endsWith(QStringLiteral("Montar com a face chanfrada para fora.")));
    EXPECT_EQ(linhas[2]->texto, QStringLiteral("Aplicar vedante na rosca."));
    EXPECT_GT(linhas[2]->y, linhas[1]->y);
    EXPECT_EQ(r.g().Textos().size(), std::size_t(4 + 3 + 2 * (2 + 3)));
}

TEST(ReportLists, CartListColumnsAndPages)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    tqtest::TempDir pasta;
    QStringList linhas;
    for (int i = 0; i < 60; ++i)
        linhas << QStringLiteral("INSERT INTO L VALUES ('0501 000 %1', 'PEÇA %1', %2, 'Componente', '%3')")
                      .arg(100 + i)
                      .arg(i + 1)
                      .arg(i == 0 ? QStringLiteral(" ") : QStringLiteral("\r"));
    platform::dao::DatabasePtr db;
    auto rs = Linhas(pasta, QStringLiteral("CREATE TABLE L (NumeroEmpresa TEXT(12), Descricao TEXT(50), Quantidade SHORT, "
                                           "DescricaoTipo TEXT(30), Opcional TEXT(1))"),
                     linhas, QStringLiteral("SELECT * FROM L ORDER BY NumeroEmpresa"), db);
    rs->MoveLast();
    ImpressoraGravada p;
    p.saida.ImprimeLista(rs);
    EXPECT_EQ(rs->AbsolutePosition(), 59);  // the screen's row does not move
    ASSERT_NE(p.gravacao, nullptr);
    auto& g = *p.gravacao;
    // Header 700 units down, no subtitle line, headings at their columns.
    const Operacao* titulo = g.Procura(Modulo::ObtemTexto(29));
    ASSERT_NE(titulo, nullptr);
    EXPECT_EQ(g.Textos(1)[0]->y, 700 * p.saida.mEscalaSaida);
    EXPECT_EQ(g.Textos(1)[2]->texto, QStringLiteral("1"));
    struct Col { QString texto; double x; };
    for (const Col& c : {Col{Modulo::ObtemTexto(5), 0}, Col{Modulo::ObtemTexto(28), 400}, Col{Modulo::ObtemTexto(25), 1500},
                         Col{Modulo::ObtemTexto(31), 1700}, Col{QStringLiteral(" 1"), 1500}, Col{QStringLiteral("op"), 2250},
                         Col{QStringLiteral("PEÇA 100"), 400}}) {
        SCOPED_TRACE(c.texto.toStdString());
        ASSERT_NE(g.Procura(c.texto), nullptr);
        EXPECT_NEAR(p.Coluna(g.Procura(c.texto)), c.x, 1e-6);
    }
    int ops = 0;
    for (const Operacao* op : g.Textos())
        ops += op->texto == QStringLiteral("op") ? 1 : 0;
    EXPECT_EQ(ops, 1);
    // Sixty rows do not fit one page: the row past 3400 units starts page 2
    // with the header again at 700 and the headings.
    EXPECT_EQ(g.Paginas(), 2);
    EXPECT_EQ(g.Textos(2)[0]->y, 700 * p.saida.mEscalaSaida);
    for (const Operacao* op : g.Textos(1))
        EXPECT_LE(op->y, (3400 + 100) * p.saida.mEscalaSaida);
    EXPECT_EQ(g.Operacoes().back().tipo, Operacao::FimDocumento);
    EXPECT_TRUE(caixas.shown.empty());

    // No list at all: error 91 in the box, the job dropped.
    ImpressoraGravada semLista;
    semLista.saida.ImprimeLista(nullptr);
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_TRUE(caixas.last().text.startsWith(Modulo::ObtemTexto(21) + QStringLiteral(": 91\r\n")));
    ASSERT_NE(semLista.gravacao, nullptr);
    EXPECT_EQ(semLista.gravacao->Operacoes().back().tipo, Operacao::Cancelamento);
}

TEST(ReportLists, ComparisonColumnsSubtitlesAndNull)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    tqtest::TempDir pasta;
    platform::dao::DatabasePtr db;
    auto rs = Linhas(pasta,
                     QStringLiteral("CREATE TABLE C (NumeroEmpresaComponente TEXT(12), DescricaoComponente TEXT(50), "
                                    "QuantidadeComponente1 TEXT(5), QuantidadeComponente2 TEXT(5), ImagensGrid TEXT(3))"),
                     {QStringLiteral("INSERT INTO C VALUES ('0501 000 001', 'ANEL', '2', NULL, ' ')"),
                      QStringLiteral("INSERT INTO C VALUES ('0501 000 002', 'EIXO', NULL, '1', NULL)")},
                     QStringLiteral("SELECT * FROM C ORDER BY NumeroEmpresaComponente"), db);
    struct Caso { QString filtro; int texto; };
    for (const Caso& c : {Caso{QStringLiteral("0"), 64}, Caso{QStringLiteral("1"), 65}, Caso{QStringLiteral("2"), 66}, Caso{QString(), 66}}) {
        SCOPED_TRACE(c.filtro.toStdString());
        ImpressoraGravada p;
        p.saida.ImprimeComparacao({rs, c.filtro, QStringLiteral("Transmissão: 1269 000 001  /  1269 000 002"),
                                   QStringLiteral("1269 000 001"), QStringLiteral("1269 000 002")});
        ASSERT_NE(p.gravacao, nullptr);
        for (const auto& b : caixas.shown)
            ADD_FAILURE() << b.text.toStdString();
        auto& g = *p.gravacao;
        const auto t = g.Textos(1);
        EXPECT_EQ(t[1]->texto, Modulo::ObtemTexto(54) + QStringLiteral(" - Transmissão: 1269 000 001  /  1269 000 002"));
        EXPECT_EQ(t[2]->texto, Modulo::ObtemTexto(c.texto));
        EXPECT_NEAR(t[0]->y, 150 * p.saida.mEscalaSaida, 1e-9);
        EXPECT_NEAR(p.Coluna(g.Procura(Modulo::ObtemTexto(25) + QStringLiteral(" 1269 000 001"))), 1500, 1e-6);
        EXPECT_NEAR(p.Coluna(g.Procura(Modulo::ObtemTexto(25) + QStringLiteral(" 1269 000 002"))), 2020, 1e-6);
        EXPECT_NEAR(p.Coluna(g.Procura(QStringLiteral("op"))), 1380, 1e-6);
        std::vector<double> tracos;
        for (const Operacao* op : g.Textos())
            if (op->texto == QStringLiteral("-"))
                tracos.push_back(p.Coluna(op));
        ASSERT_EQ(tracos.size(), 2u);
        EXPECT_NEAR(tracos[0], 2020, 1e-6);
        EXPECT_NEAR(tracos[1], 1500, 1e-6);
    }
    // No rows: no header, the document ended at once; a cancelled dialog:
    // nothing at all.
    auto vazio = db->OpenRecordset(QStringLiteral("SELECT * FROM C WHERE 1=0"), platform::dao::dbOpenSnapshot);
    ImpressoraGravada p;
    p.saida.ImprimeComparacao({vazio, QStringLiteral("1"), QString(), QString(), QString()});
    ASSERT_NE(p.gravacao, nullptr);
    ASSERT_EQ(p.gravacao->Operacoes().size(), 1u);
    EXPECT_EQ(p.gravacao->Operacoes()[0].tipo, Operacao::FimDocumento);
    ImpressoraGravada cancelado;
    cancelado.dialogos.cancel = true;
    cancelado.saida.ImprimeComparacao({rs, QStringLiteral("0"), QString(), QString(), QString()});
    EXPECT_EQ(cancelado.gravacao, nullptr);
    EXPECT_EQ(cancelado.dialogos.shown, 1);
    for (const auto& b : caixas.shown)
        ADD_FAILURE() << b.text.toStdString();
}

// Writes the cart list and comparison printouts as PDF files into the folder
// named by TQ_DOCS_DIR (the team's pictures in docs/); skipped otherwise.
TEST(ReportDocs, SamplePrintouts)
{
    const QString pasta = qEnvironmentVariable("TQ_DOCS_DIR");
    if (pasta.isEmpty())
        GTEST_SKIP() << "TQ_DOCS_DIR not set";
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::TempDir tmp;
    platform::dao::DatabasePtr db;
    QStringList linhas;
    const char* nomes[] = {"ANEL DE VEDAÇÃO 45X62X8", "ROLAMENTO DE ESFERAS 6208", "JOGO DE JUNTAS NV-2400", "ENGRENAGEM 3ª VELOCIDADE",
                           "GARFO SELETOR 1ª/2ª"};
    for (int i = 0; i < 5; ++i)
        linhas << QStringLiteral("INSERT INTO L VALUES ('0501 104 %1', '%2', %3, '%4', '%5')")
                      .arg(700 + 17 * i)
                      .arg(QString::fromUtf8(nomes[i]))
                      .arg(i + 1)
                      .arg(i == 2 ? QStringLiteral("Jogo de Reparo") : QStringLiteral("Componente"))
                      .arg(i == 3 ? QStringLiteral(" ") : QStringLiteral("\r"));
    auto lista = Linhas(tmp, QStringLiteral("CREATE TABLE L (NumeroEmpresa TEXT(12), Descricao TEXT(50), Quantidade SHORT, "
                                            "DescricaoTipo TEXT(30), Opcional TEXT(1))"),
                        linhas, QStringLiteral("SELECT * FROM L ORDER BY NumeroEmpresa"), db);
    db->Execute(QStringLiteral("CREATE TABLE C (NumeroEmpresaComponente TEXT(12), DescricaoComponente TEXT(50), "
                               "QuantidadeComponente1 TEXT(5), QuantidadeComponente2 TEXT(5), ImagensGrid TEXT(3))"));
    db->Execute(QStringLiteral("INSERT INTO C VALUES ('0501 112 648', 'CARCAÇA DA TRANSMISSÃO', '1', NULL, NULL)"));
    db->Execute(QStringLiteral("INSERT INTO C VALUES ('0730 104 729', 'JUNTA DA CARCAÇA', '1', '1', NULL)"));
    db->Execute(QStringLiteral("INSERT INTO C VALUES ('0636 112 648', 'CALÇO 0,10 MM', '2', '3', ' ')"));
    db->Execute(QStringLiteral("INSERT INTO C VALUES ('0750 142 203', 'ROLAMENTO DE ROLOS 30X70X20', NULL, '2', NULL)"));
    auto comparacao = db->OpenRecordset(QStringLiteral("SELECT * FROM C ORDER BY NumeroEmpresaComponente"), platform::dao::dbOpenSnapshot);
    {
        tqtest::FakePrintDialogs d(pasta + QStringLiteral("/saida-lista.pdf"), 300);
        saida::Saida s;
        s.ImprimeLista(lista);
    }
    {
        tqtest::FakePrintDialogs d(pasta + QStringLiteral("/saida-comparacao.pdf"), 300);
        saida::Saida s;
        s.ImprimeComparacao({comparacao, QStringLiteral("2"), QStringLiteral("Transmissão: 1269 104 729  /  1269 112 648"),
                             QStringLiteral("1269 104 729"), QStringLiteral("1269 112 648")});
    }
}
