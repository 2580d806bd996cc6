// Report rows as a reader gets them: numbers (kit codes, TQ and
// cross-reference numbers, items, quantities) are printed whole, a text that
// would run into the next value is cut with the mark "…", and a blank stays
// between values.  Each case is read on the recording surface and, printed
// to PDF through the print dialog, with pdftotext.
#include "reportfixture.h"

#include "core/globals.h"
#include "core/texts.h"
#include "platform/dao/dao.h"

#include <QRegularExpression>

#include <map>
#include <set>

using namespace reporttest;
using saida::Operacao;

namespace {

const QString kMarca = QStringLiteral("…");

bool NaColuna(SaidaGravada& r, const Operacao* op, double x) { return std::abs(ColunaDe(r, op) - x) < 1e-6; }

// The rows of a query on the open catalogue, each field as text.
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

// The kits of an assembly as its legend names them, ascending: code,
// description, TQ number.
std::vector<QStringList> KitsDe(long peca)
{
    return Consulta(QStringLiteral("SELECT DISTINCT JOGOREPARO.CodigoJogoReparo, JOGOREPARO.DescricaoJogoReparoP, "
                                   "Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 000') "
                                   "FROM PECA_COMPONENTE_JOGOREPARO INNER JOIN JOGOREPARO "
                                   "ON PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = JOGOREPARO.CodigoJogoReparo "
                                   "WHERE PECA_COMPONENTE_JOGOREPARO.CodigoPeca = %1 ORDER BY 1")
                        .arg(peca));
}

// The component rows of an assembly: "item|quantity|TQ number" -> the
// description.
std::map<QString, QString> ComponentesDe(long peca)
{
    std::map<QString, QString> componentes;
    for (const QStringList& c : Consulta(QStringLiteral("SELECT PECA_COMPONENTE.ItemComponente, PECA_COMPONENTE.QuantidadeComponente, "
                                                        "Format(COMPONENTE.NumeroEmpresaComponente, '0000 000 000'), "
                                                        "COMPONENTE.DescricaoComponenteP FROM PECA_COMPONENTE INNER JOIN COMPONENTE "
                                                        "ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente "
                                                        "WHERE PECA_COMPONENTE.CodigoPeca = %1")
                                             .arg(peca)))
        componentes[c[0] + QLatin1Char('|') + c[1] + QLatin1Char('|') + c[2]] = c[3];
    return componentes;
}

// A description as printed: whole, or a part of it cut with the mark.
enum class Impressa { Inteira, Cortada, Errada };
Impressa ComoImpressa(const QString& impressa, const QString& inteira)
{
    if (impressa == inteira)
        return Impressa::Inteira;
    if (!impressa.endsWith(kMarca))
        return Impressa::Errada;
    const QString parte = impressa.chopped(kMarca.size());
    return !parte.isEmpty() && parte.size() < inteira.size() && inteira.startsWith(parte) ? Impressa::Cortada : Impressa::Errada;
}

// Prints the tables of every part of an assembly, its items drawn in no part
// and the kit and note sections, as the run does.
void ImprimeTabelas(SaidaGravada& r, long peca)
{
    QString jogos, obs;
    bool impresso = false;
    for (const ParteFiguraSaida& parte : Escolha(peca, QStringLiteral("T"), 255).Partes)
        r.saida.ImprimeTabela(peca, parte.NumeroParte, jogos, obs, impresso);
    r.saida.ImprimeTabela(peca, 255, jogos, obs, impresso);
    r.saida.ImprimeJogosReparo(peca, jogos);
    r.saida.ImprimeObservacoes(peca, obs);
}

// The same through the run, printed to a PDF file at 300 dpi; its text.
QString TabelasEmPdf(const tqtest::TempDir& pasta, long peca, int parte)
{
    const QString pdf = pasta.file(QStringLiteral("tabelas-%1.pdf").arg(parte));
    tqtest::FakePrintDialogs dialogos(pdf, 300);
    saida::Saida s;
    s.CodigoPecaSaida = peca;
    EXPECT_TRUE(s.GeraFiguraTabela(Escolha(peca, QStringLiteral("T"), parte)));
    return TextoPdf(pdf);
}

// Statements run on the catalogue file for the life of the object, and
// their undoing at its end (the demo folder serves the whole test program).
class CatalogoAlterado {
public:
    CatalogoAlterado(const QString& arquivo, const QStringList& fazer, QStringList desfazer)
        : m_db(platform::dao::DBEngine::CreateWorkspace(QStringLiteral("alteracao"))->OpenDatabase(arquivo)), m_desfazer(std::move(desfazer))
    {
        for (const QString& sql : fazer)
            m_db->Execute(sql);
    }
    ~CatalogoAlterado()
    {
        for (const QString& sql : m_desfazer)
            m_db->Execute(sql);
        m_db->Close();
    }
    CatalogoAlterado(const CatalogoAlterado&) = delete;
    CatalogoAlterado& operator=(const CatalogoAlterado&) = delete;

private:
    platform::dao::DatabasePtr m_db;
    QStringList m_desfazer;
};

QString Escapa(const QString& texto) { return QRegularExpression::escape(texto); }

}  // namespace

// The showcase assembly's kits have six-digit codes, as every kit of the
// catalogue: each code of the table's kit column starts a legend row whole,
// with the kit's description and TQ number after it.
TEST(ReportColumns, KitLegendStartsWithEveryCodeOfTheTableWhole)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    const long peca = cat.s.showcaseAssembly;
    const std::vector<QStringList> kits = KitsDe(peca);
    ASSERT_GE(kits.size(), 3u);
    std::set<QString> codigos;
    for (const QStringList& k : kits) {
        EXPECT_EQ(k[0].size(), 6) << k[0].toStdString();
        codigos.insert(k[0]);
    }

    for (int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        SaidaGravada r(dpi, true, peca);
        ImprimeTabelas(r, peca);
        const Operacao* titulo = r.g().Procura(Modulo::ObtemTexto(4));
        ASSERT_NE(titulo, nullptr);
        const auto antesDoTitulo = [&](const Operacao* op) {
            return op->pagina < titulo->pagina || (op->pagina == titulo->pagina && op->y < titulo->y);
        };
        // The codes of the kit column.
        static const QRegularExpression lista(QStringLiteral("^\\d+(, \\d+)*$"));
        std::set<QString> naTabela;
        for (const Operacao* op : r.g().Textos())
            if (antesDoTitulo(op) && ColunaDe(r, op) > 2750 - 1e-6 && lista.match(op->texto).hasMatch())
                for (const QString& c : op->texto.split(QStringLiteral(", ")))
                    naTabela.insert(c);
        EXPECT_EQ(naTabela, codigos);
        // The legend's rows: the code with its leading blank at the margin,
        // the description, the TQ number.
        std::vector<QStringList> legenda;
        for (const auto& linha : LinhasImpressas(r.g())) {
            if (antesDoTitulo(linha.front()) || linha.front() == titulo)
                continue;
            if (!NaColuna(r, linha.front(), 0) || !linha.front()->texto.startsWith(QLatin1Char(' ')))
                break;
            QStringList textos;
            for (const Operacao* op : linha)
                textos << op->texto;
            textos[0] = textos[0].mid(1);
            legenda.push_back(textos);
            if (linha.size() == 3) {
                EXPECT_TRUE(NaColuna(r, linha[2], 1250));
            }
        }
        EXPECT_EQ(legenda, kits);
        EXPECT_EQ(Juntos(r.g()), QStringList());
    }

    tqtest::TempDir pasta;
    const QString texto = TabelasEmPdf(pasta, peca, 255);
    const auto titulo = QRegularExpression(QStringLiteral("(?m)^\\s*%1\\s+%2\\s*$").arg(Escapa(Modulo::ObtemTexto(4)), Escapa(Modulo::ObtemTexto(5))))
                            .match(texto);
    ASSERT_TRUE(titulo.hasMatch()) << texto.toStdString();
    const QString tabela = texto.left(titulo.capturedStart()), legenda = texto.mid(titulo.capturedEnd());
    for (const QStringList& k : kits) {
        SCOPED_TRACE(k[0].toStdString());
        EXPECT_TRUE(QRegularExpression(QStringLiteral("\\b%1\\b").arg(k[0])).match(tabela).hasMatch());
        EXPECT_TRUE(QRegularExpression(QStringLiteral("(?m)^\\s*%1 +%2 +%3\\s*$").arg(k[0], Escapa(k[1]), Escapa(k[2]))).match(legenda).hasMatch())
            << legenda.left(800).toStdString();
    }
    EXPECT_TRUE(caixas.shown.empty());
}

// A description too long for its column ends with the mark, a blank before
// the TQ number; item, quantity and TQ number are whole on every row.
TEST(ReportColumns, TableRowsKeepTheirNumbersWholeAndMarkACutDescription)
{
    // One component of the showcase assembly with a description longer than
    // its column.
    const demo::Summary& s = Catalogo(QStringLiteral("V"));
    const long peca = s.showcaseAssembly;
    QString componente, antiga;
    {
        CatalogoAberto cat(QStringLiteral("V"));
        const auto c = Consulta(QStringLiteral("SELECT PECA_COMPONENTE.CodigoComponente, COMPONENTE.DescricaoComponenteP FROM PECA_COMPONENTE "
                                               "INNER JOIN COMPONENTE ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente "
                                               "WHERE PECA_COMPONENTE.CodigoPeca = %1 ORDER BY PECA_COMPONENTE.ItemComponente")
                                    .arg(peca));
        ASSERT_FALSE(c.empty());
        componente = c[0][0];
        antiga = c[0][1];
    }
    const QString sql = QStringLiteral("UPDATE COMPONENTE SET DescricaoComponenteP = '%1' WHERE CodigoComponente = %2");
    CatalogoAlterado longa(s.catalogueFile, {sql.arg(QStringLiteral("ROLAMENTO DE ROLOS CÔNICOS DO EIXO PRIMÁRIO 80X170X41"), componente)},
                           {sql.arg(antiga.replace(QLatin1Char('\''), QStringLiteral("''")), componente)});
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    const std::map<QString, QString> componentes = ComponentesDe(peca);
    ASSERT_FALSE(componentes.empty());
    static const QRegularExpression numero(QStringLiteral("^\\d{4} \\d{3} \\d{3}$"));

    for (int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        SaidaGravada r(dpi, true, peca);
        ImprimeTabelas(r, peca);
        std::set<QString> impressos;
        int cortadas = 0;
        for (const auto& linha : LinhasImpressas(r.g())) {
            if (linha.size() < 4 || !NaColuna(r, linha[3], 1620) || !numero.match(linha[3]->texto).hasMatch())
                continue;
            ASSERT_TRUE(NaColuna(r, linha[0], 0) && NaColuna(r, linha[1], 320) && NaColuna(r, linha[2], 520));
            const QString chave = linha[0]->texto + QLatin1Char('|') + linha[1]->texto + QLatin1Char('|') + linha[3]->texto;
            SCOPED_TRACE(chave.toStdString());
            const auto it = componentes.find(chave);
            ASSERT_NE(it, componentes.end());
            impressos.insert(chave);
            const Impressa d = ComoImpressa(linha[2]->texto, it->second);
            EXPECT_NE(d, Impressa::Errada) << linha[2]->texto.toStdString();
            cortadas += d == Impressa::Cortada ? 1 : 0;
        }
        EXPECT_EQ(impressos.size(), componentes.size());
        EXPECT_GE(cortadas, 1);
        EXPECT_EQ(Juntos(r.g()), QStringList());
    }

    // On paper: every component row reads item, quantity, its description
    // (whole or cut with the mark) and its whole TQ number.
    tqtest::TempDir pasta;
    const QString texto = TabelasEmPdf(pasta, peca, 255);
    int cortadas = 0;
    for (const auto& [chave, descricao] : componentes) {
        const QStringList c = chave.split(QLatin1Char('|'));
        SCOPED_TRACE(chave.toStdString());
        const auto m = QRegularExpression(QStringLiteral("(?m)^\\s*%1 +%2 +(.+?) +%3(\\s|$)").arg(Escapa(c[0]), Escapa(c[1]), c[2])).match(texto);
        ASSERT_TRUE(m.hasMatch());
        const Impressa d = ComoImpressa(m.captured(1).trimmed(), descricao);
        EXPECT_NE(d, Impressa::Errada) << m.captured(1).toStdString();
        cortadas += d == Impressa::Cortada ? 1 : 0;
    }
    EXPECT_GE(cortadas, 1);
    EXPECT_TRUE(caixas.shown.empty());
}


// Cross references too long for their column are printed whole; the kit
// codes follow a blank after them.
TEST(ReportColumns, LongCrossReferencesStayWholeAndTheKitsFollowThem)
{
    const demo::Summary& s = Catalogo(QStringLiteral("V"));
    QString numero;
    long fabricante = 0;
    {
        CatalogoAberto cat(QStringLiteral("V"));
        const auto linhas = Consulta(QStringLiteral("SELECT NumeroEmpresa, CodigoFabricante FROM REFERENCIACRUZADA WHERE NumeroFabricante = 'NE0001'"));
        ASSERT_EQ(linhas.size(), 1u);
        numero = linhas[0][0];
        fabricante = linhas[0][1].toLong();
    }
    const QString inclui = QStringLiteral("INSERT INTO REFERENCIACRUZADA (NumeroEmpresa, CodigoFabricante, NumeroFabricante) VALUES ('%1', %2, '%3')");
    const QString exclui = QStringLiteral("DELETE FROM REFERENCIACRUZADA WHERE NumeroEmpresa = '%1' AND CodigoFabricante = %2 AND NumeroFabricante = '%3'");
    QStringList fazer, desfazer;
    for (const char* n : {"NE0003", "NE0004"}) {
        fazer << inclui.arg(numero).arg(fabricante).arg(QLatin1String(n));
        desfazer << exclui.arg(numero).arg(fabricante).arg(QLatin1String(n));
    }
    CatalogoAlterado extras(s.catalogueFile, fazer, desfazer);
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    const QString referencias = QStringLiteral("NE0001 / NE0002 / NE0003 / NE0004");
    QStringList kits;
    for (long k : cat.s.outputKits)
        kits << QString::number(k);
    const QString jogos = kits.join(QStringLiteral(", "));

    for (int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        SaidaGravada r(dpi, true, cat.s.outputAssembly23);
        QString listaJogos, obs;
        bool impresso = false;
        r.saida.ImprimeTabela(cat.s.outputAssembly23, 1, listaJogos, obs, impresso);
        const Operacao* refs = r.g().Procura(referencias);
        ASSERT_NE(refs, nullptr);
        EXPECT_TRUE(NaColuna(r, refs, 2070));
        // Past the kit column: the kits a blank after the references' end.
        EXPECT_GT(refs->x + refs->largura, r.saida.mEscalaSaida * (r.saida.mMargemEsquerda + 2750));
        const Operacao* seguinte = nullptr;
        for (const Operacao* op : r.g().Textos())
            if (op->y == refs->y && op->x > refs->x && (!seguinte || op->x < seguinte->x))
                seguinte = op;
        ASSERT_NE(seguinte, nullptr);
        EXPECT_EQ(seguinte->texto, jogos);
        EXPECT_NEAR(seguinte->x, refs->x + refs->largura + Branco(*refs, dpi), 1e-6);
        EXPECT_EQ(Juntos(r.g()), QStringList());
    }

    tqtest::TempDir pasta;
    const QString texto = TabelasEmPdf(pasta, cat.s.outputAssembly23, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("%1 +%2\\s*$").arg(Escapa(referencias), Escapa(jogos)), QRegularExpression::MultilineOption)
                    .match(texto)
                    .hasMatch())
        << texto.toStdString();
    EXPECT_TRUE(caixas.shown.empty());
}

// The cart list and the comparison: a long description and a long type are
// cut with the mark a blank before the next value; numbers and quantities
// are whole.
TEST(ReportColumns, ListsCutLongTextsWithTheMarkAndKeepNumbersWhole)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    tqtest::TempDir pasta;
    const QString longa = QStringLiteral("JUNTA DE VEDAÇÃO DA BOMBA DE ÓLEO DA TRANSMISSÃO");
    const QString tipo = QStringLiteral("COMPONENTE DE REPOSIÇÃO ORIGINAL");
    platform::dao::DatabasePtr db;
    auto lista = Linhas(pasta,
                        QStringLiteral("CREATE TABLE L (NumeroEmpresa TEXT(12), Descricao TEXT(60), Quantidade SHORT, "
                                       "DescricaoTipo TEXT(60), Opcional TEXT(1))"),
                        {QStringLiteral("INSERT INTO L VALUES ('0501 000 001', '%1', 1, '%2', ' ')").arg(longa, tipo),
                         QStringLiteral("INSERT INTO L VALUES ('0501 000 002', 'ANEL', 2, 'Componente', '\r')")},
                        QStringLiteral("SELECT * FROM L ORDER BY NumeroEmpresa"), db);
    db->Execute(QStringLiteral("CREATE TABLE C (NumeroEmpresaComponente TEXT(12), DescricaoComponente TEXT(60), "
                               "QuantidadeComponente1 TEXT(5), QuantidadeComponente2 TEXT(5), ImagensGrid TEXT(3))"));
    db->Execute(QStringLiteral("INSERT INTO C VALUES ('0501 000 001', '%1', '1', '12', NULL)").arg(longa));
    db->Execute(QStringLiteral("INSERT INTO C VALUES ('0501 000 002', '%1', '3', '4', ' ')").arg(longa));
    auto comparacao = db->OpenRecordset(QStringLiteral("SELECT * FROM C ORDER BY NumeroEmpresaComponente"), platform::dao::dbOpenSnapshot);
    const saida::DadosComparacao dados{comparacao, QStringLiteral("2"), QStringLiteral("T"), QStringLiteral("1269 000 001"),
                                       QStringLiteral("1269 000 002")};
    const auto textos = [](const saida::SuperficieGravacao& g, const Operacao* primeiro) {
        QStringList t;
        for (const auto& linha : LinhasImpressas(g))
            if (linha.front() == primeiro)
                for (const Operacao* op : linha)
                    t << op->texto;
        return t;
    };

    for (int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        // The cart list: the description cut before the quantity, the type
        // before "op".
        ImpressoraGravada l;
        l.dialogos.dpi = dpi;
        l.saida.ImprimeLista(lista);
        ASSERT_NE(l.gravacao, nullptr);
        EXPECT_EQ(Juntos(*l.gravacao), QStringList());
        const QStringList linha = textos(*l.gravacao, l.gravacao->Procura(QStringLiteral("0501 000 001")));
        ASSERT_EQ(linha.size(), 5);
        EXPECT_EQ(ComoImpressa(linha[1], longa), Impressa::Cortada) << linha[1].toStdString();
        EXPECT_EQ(linha[2], QStringLiteral(" 1"));
        EXPECT_EQ(ComoImpressa(linha[3], tipo), Impressa::Cortada) << linha[3].toStdString();
        EXPECT_EQ(linha[4], QStringLiteral("op"));

        // The comparison: cut before "op" on an optional row, before the
        // first quantity otherwise; the quantities whole.
        ImpressoraGravada c;
        c.dialogos.dpi = dpi;
        c.saida.ImprimeComparacao(dados);
        ASSERT_NE(c.gravacao, nullptr);
        EXPECT_EQ(Juntos(*c.gravacao), QStringList());
        const QStringList l1 = textos(*c.gravacao, c.gravacao->Procura(QStringLiteral("0501 000 001")));
        ASSERT_EQ(l1.size(), 4);
        EXPECT_EQ(ComoImpressa(l1[1], longa), Impressa::Cortada) << l1[1].toStdString();
        EXPECT_EQ(l1.mid(2), (QStringList{QStringLiteral("1"), QStringLiteral("12")}));
        const QStringList l2 = textos(*c.gravacao, c.gravacao->Procura(QStringLiteral("0501 000 002")));
        ASSERT_EQ(l2.size(), 5);
        EXPECT_EQ(ComoImpressa(l2[1], longa), Impressa::Cortada) << l2[1].toStdString();
        EXPECT_EQ(l2.mid(2), (QStringList{QStringLiteral("op"), QStringLiteral("3"), QStringLiteral("4")}));
    }

    // On paper.
    const QString cortada = QStringLiteral("(JUNTA DE VEDAÇÃO[^…]*)…");
    {
        const QString pdf = pasta.file(QStringLiteral("lista.pdf"));
        tqtest::FakePrintDialogs dialogos(pdf, 300);
        saida::Saida s;
        s.ImprimeLista(lista);
        const QString texto = TextoPdf(pdf);
        const auto m = QRegularExpression(QStringLiteral("(?m)^\\s*0501 000 001 +%1 +1 +(COMPONENTE[^…]*)… +op\\s*$").arg(cortada)).match(texto);
        ASSERT_TRUE(m.hasMatch()) << texto.toStdString();
        EXPECT_TRUE(longa.startsWith(m.captured(1)));
        EXPECT_TRUE(tipo.startsWith(m.captured(2)));
    }
    {
        const QString pdf = pasta.file(QStringLiteral("comparacao.pdf"));
        tqtest::FakePrintDialogs dialogos(pdf, 300);
        saida::Saida s;
        s.ImprimeComparacao(dados);
        const QString texto = TextoPdf(pdf);
        for (const QString& resto : {QStringLiteral("1 +12"), QStringLiteral("op +3 +4")}) {
            const auto m = QRegularExpression(QStringLiteral("(?m)^\\s*0501 000 00\\d +%1 +%2\\s*$").arg(cortada, resto)).match(texto);
            ASSERT_TRUE(m.hasMatch()) << texto.toStdString();
            EXPECT_TRUE(longa.startsWith(m.captured(1)));
        }
    }
    EXPECT_TRUE(caixas.shown.empty());
}
