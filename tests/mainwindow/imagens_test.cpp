// The main window's picture sets: what the real CarregaImagensTela asks the
// loader for, per edition, language, mode and run-time condition, against the
// expected table below; the frame's and the comparison selection's position
// changes; and a picture that cannot be had.

#include "support/fakemessagebox.h"
#include "support/gravadorimagens.h"

#include "core/pictures.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/error.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <map>

using tqtest::GravadorImagens;
using tqtest::PedidoImagem;

namespace {

// The expected requests of each set, in order.  A token is a picture name in
// the current language; "G:" and "P:" fix the type; "#" is the edition
// letter; "+" adds the twin NAME_S after it; "!" calls the resource loader
// directly.  Prefixes: "[letters]" the editions it applies to, "^" load mode
// only, "~" release mode only, "(S)"/"(C)" without/with a comparison
// assembly, "(N3)" presentation page other than "3".  PAGINA is the
// presentation page's picture.
const std::map<int, QString>& Esperado()
{
    static const std::map<int, QString> t = {
        {100, "^[D]!G:BARRAMENU_D ^[D]!G:LOGO_D ^[D]AEMPRESA+ [VAM]G:TQDOBRASIL+ ~[D]G:TQDOBRASIL+ "
              "INICIO+ ATUALIZACAO+ G:CARRO+ AJUDA+ SAIR+"},
        {0, "G:ICOATUALIZAR G:ICOATUALIZAR_S G:TELAINICIAL# DAZADIZEDEPECAS# PESQUISAPECAS#+ [VAD]PESQUISAVEI#+ "
            "[VA]BOMBAS#+ ATUALIZADOEM# [VA]FILTROS#+ COMPARAR#+"},
        {1, "AVANCAR+ VOLTAR+ TITULOPESQUISA G:TITULOLINHA GRIDNROTQ GRIDDESCRICAO GRIDNROMONTADORA CHKEIXOS+ "
            "CHKTRANSMISSOES+ CHKJOGOSREPARO+ CHKCOMPONENTES+ [ADM]GRIDTIPO"},
        {2, "AVANCAR+ VOLTAR+ TITULOPESQUISA G:TITULOLINHA GRIDVEICULO GRIDFABRICANTE"},
        {3, "AVANCAR+ VOLTAR+ TITULORESULTADOPESQUISA G:TITULOLINHA GRIDNROTQ GRIDDESCRICAO GRIDNROMONTADORA "
            "[ADM]GRIDTIPO"},
        {4, "(S)TABELA+ (C)COMPARACAO+ VOLTAR+ IMPRIMIR+ TITULOFIGURA G:TITULOLINHA GRIDNROTQ GRIDQUANTIDADE "
            "GRIDCOMPONENTE TITJOGOREPAROCAIXA TITSUGESTAOCAIXA INCLUIRSELECIONADOSSUG SELECIONARTODOSSUG "
            "G:ICOOPCIONAIS+ G:ICOOPCIONAIS+ G:ICOOPCIONAIS+ G:ICOOPCIONAIS+"},
        {5, "FIGURA+ VOLTAR+ IMPRIMIR+ TITULOTABELA G:TITULOLINHA GRIDITEM GRIDNROTQ GRIDCOMPONENTE GRIDNROMONTADORA "
            "GRIDQUANTIDADE TITSUGESTAOCAIXA INCLUIRSELECIONADOSSUG SELECIONARTODOSSUG "
            "G:ICOOPCIONAIS+ G:ICOOPCIONAIS+ G:ICOOPCIONAIS+ G:ICOOPCIONAIS+"},
        {6, "(N3)AVANCAR+ VOLTAR+ PAGINA"},
        {7, "VOLTAR+ [V]TITULOBOMBASMOTOR [ADM]TITULOBOMBASAGRICOLA [V]P:TABELABOMBASMOTOR [ADM]P:TABELABOMBASAGRICOLA"},
        {8, "FIGURA+ VOLTAR+ IMPRIMIR+ TITULOCOMPARACAO G:TITULOLINHA GRIDNROTQ GRIDCOMPONENTE GRIDNROMONTADORA "
            "GRIDQUANTIDADE GRIDQUANTIDADE SELECIONARTODOSSUG SELECIONARTODOSSUG"},
        {9, "AVANCAR+ VOLTAR+ TITULOCOMPARAR G:TITULOLINHA G:NUM1COMP G:NUM2COMP GRIDNROTQ GRIDNROTQ "
            "[VAD]G:GARFOCOMP [VAD]G:GARFOCOMP [VAD]PESQUISAVEICULOSCOMP [VAD]PESQUISAVEICULOSCOMP "
            "[VAD]PESQUISAVEICULOSCOMP_S [VAD]PESQUISAVEICULOSCOMP_S [VDM]GRIDCONJUNTO [VDM]GRIDCONJUNTO "
            "[A]GRIDTRANSMISSAOEIXO [A]GRIDTRANSMISSAOEIXO "
            "[V]PESQUISATRANSMISSOESCOMP [V]PESQUISATRANSMISSOESCOMP [V]PESQUISATRANSMISSOESCOMP_S "
            "[V]PESQUISATRANSMISSOESCOMP_S [A]PESQUISATRANSMISSOESEIXOSCOMP [A]PESQUISATRANSMISSOESEIXOSCOMP "
            "[A]PESQUISATRANSMISSOESEIXOSCOMP_S [A]PESQUISATRANSMISSOESEIXOSCOMP_S [D]PESQUISACONJUNTOSCOMP "
            "[D]PESQUISACONJUNTOSCOMP [D]PESQUISACONJUNTOSCOMP_S [D]PESQUISACONJUNTOSCOMP_S [M]PESQUISACOMP "
            "[M]PESQUISACOMP [M]PESQUISACOMP_S [M]PESQUISACOMP_S"},
    };
    return t;
}

struct Caso {
    int codigo;
    QString pagina = QStringLiteral("1");
    long comparacao = -1;
};

QStringList Expande(const Caso& caso, const QString& modo, const QString& e, const QString& l)
{
    QStringList saida;
    for (QString t : Esperado().at(caso.codigo).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool aplica = true;
        if (t.startsWith(QLatin1Char('^'))) {
            aplica = modo == QLatin1String("C");
            t.remove(0, 1);
        } else if (t.startsWith(QLatin1Char('~'))) {
            aplica = modo == QLatin1String("D");
            t.remove(0, 1);
        }
        if (t.startsWith(QLatin1Char('['))) {
            const int fim = t.indexOf(QLatin1Char(']'));
            aplica = aplica && t.mid(1, fim - 1).contains(e);
            t.remove(0, fim + 1);
        }
        if (t.startsWith(QLatin1String("(S)"))) {
            aplica = aplica && caso.comparacao < 1;
            t.remove(0, 3);
        } else if (t.startsWith(QLatin1String("(C)"))) {
            aplica = aplica && caso.comparacao >= 1;
            t.remove(0, 3);
        } else if (t.startsWith(QLatin1String("(N3)"))) {
            aplica = aplica && caso.pagina != QLatin1String("3");
            t.remove(0, 4);
        }
        if (!aplica)
            continue;
        const bool direto = t.startsWith(QLatin1Char('!'));
        if (direto)
            t.remove(0, 1);
        const bool gemeo = t.endsWith(QLatin1Char('+'));
        if (gemeo)
            t.chop(1);
        QString tipo = l;
        if (t.startsWith(QLatin1String("G:")) || t.startsWith(QLatin1String("P:"))) {
            tipo = t.left(1);
            t.remove(0, 2);
        }
        if (t == QLatin1String("PAGINA")) {
            // Spanish reads the English pages, except edition D's own pages 1 and 3.
            const bool propria = e == QLatin1String("D") && caso.pagina != QLatin1String("2");
            t = QStringLiteral("APRESENTACAO") + (propria ? QStringLiteral("D") : QString()) + caso.pagina;
            tipo = (l == QLatin1String("E") && !propria) ? QStringLiteral("I") : l;
        }
        t.replace(QLatin1Char('#'), e);
        if (!direto)
            t = Modulo::NomeRecursoEdicao(t, e);
        saida << tipo + QLatin1Char(':') + t;
        if (gemeo)
            saida << tipo + QLatin1Char(':') + t + QStringLiteral("_S");
    }
    return saida;
}

std::vector<Caso> Casos()
{
    std::vector<Caso> c;
    for (int codigo : {100, 0, 1, 2, 3, 5, 7, 8, 9})
        c.push_back({codigo});
    c.push_back({4, QStringLiteral("1"), -1});
    c.push_back({4, QStringLiteral("1"), 7});
    for (const char* p : {"1", "2", "3"})
        c.push_back({6, QString::fromLatin1(p)});
    return c;
}

}  // namespace

TEST(PictureSets, EverySetAsksForItsTableInEveryEditionLanguageAndMode)
{
    frmTQ1 f;
    GravadorImagens gravador;
    for (const QString e : {"V", "A", "D", "M"}) {
        for (const QString l : {"P", "E", "I"}) {
            for (const QString modo : {"C", "D"}) {
                for (const Caso& caso : Casos()) {
                    SCOPED_TRACE(QStringLiteral("edition %1, language %2, mode %3, set %4, page %5, comparison %6")
                                     .arg(e, l, modo)
                                     .arg(caso.codigo)
                                     .arg(caso.pagina)
                                     .arg(caso.comparacao)
                                     .toStdString());
                    QStringList pedidos;
                    for (const PedidoImagem& p : gravador.Grava(f, modo, caso.codigo, e, l, caso.pagina, caso.comparacao)) {
                        EXPECT_EQ(p.modo, modo);
                        pedidos << p.texto();
                        // Every picture a set loads is in the program's pictures.
                        if (modo == QLatin1String("C")) {
                            EXPECT_TRUE(Modulo::RecursoImagemExiste(p.nome, p.tipo)) << qPrintable(p.texto());
                        }
                    }
                    EXPECT_EQ(pedidos, Expande(caso, modo, e, l));
                }
            }
        }
    }
}

TEST(PictureSets, OtherCodesTouchNothing)
{
    frmTQ1 f;
    GravadorImagens gravador;
    for (int codigo : {10, 99, 101, 200, 255})
        EXPECT_TRUE(gravador.Grava(f, QStringLiteral("C"), codigo, QStringLiteral("V"), QStringLiteral("P")).empty());
}

TEST(PictureSets, EditionChangesOfTheFrameAndTheComparisonSelection)
{
    GravadorImagens gravador;
    {
        frmTQ1 f;
        f.PosObjetosForm();
        gravador.Grava(f, QStringLiteral("C"), 100, QStringLiteral("D"), QStringLiteral("P"));
        EXPECT_FALSE(f.pctLogoVelmora->isHidden());
        EXPECT_EQ(f.lblSubTitulo->x(), 70);
        EXPECT_EQ(f.imgApresentacao->x(), 12);
        EXPECT_EQ(f.imgApresentacaoSelecionada->x(), 12);
        EXPECT_EQ(f.imgIcoAtualizar->pos(), QPoint(528, 522));
        EXPECT_EQ(f.imgIcoAtualizarSel->pos(), QPoint(528, 522));
        EXPECT_EQ(f.imgAtualizadoEm->pos(), QPoint(558, 524));
        EXPECT_EQ(f.lblUltimaAtualizacao->pos(), QPoint(559, 533));
        EXPECT_EQ(f.imgDazadizeDePecas->pos(), QPoint(431, 31));
        // Releasing the frame undoes no change.
        gravador.Grava(f, QStringLiteral("D"), 100, QStringLiteral("D"), QStringLiteral("P"));
        EXPECT_EQ(f.imgIcoAtualizar->pos(), QPoint(528, 522));
        EXPECT_FALSE(f.pctLogoVelmora->isHidden());
    }
    {
        frmTQ1 f;
        f.PosObjetosForm();
        gravador.Grava(f, QStringLiteral("C"), 100, QStringLiteral("M"), QStringLiteral("E"));
        EXPECT_TRUE(f.pctLogoVelmora->isHidden());
        EXPECT_EQ(f.imgIcoAtualizar->pos(), QPoint(486, 502));
        EXPECT_EQ(f.imgAtualizadoEm->pos(), QPoint(516, 504));
        EXPECT_EQ(f.lblUltimaAtualizacao->pos(), QPoint(517, 513));
        EXPECT_EQ(f.imgDazadizeDePecas->pos(), QPoint(334, 70));
        // Set 9 moves in both modes.
        for (const QString modo : {"C", "D"}) {
            f.PosObjetosForm();
            gravador.Grava(f, modo, 9, QStringLiteral("M"), QStringLiteral("P"));
            EXPECT_EQ(f.ImgTransmissao[0]->pos(), QPoint(180, 107));
            EXPECT_EQ(f.ImgTransmissao[1]->pos(), QPoint(180, 228));
            EXPECT_EQ(f.imgPesquisa0Comp1->pos(), QPoint(305, 140));
            EXPECT_EQ(f.imgPesquisa0Comp1Selecionada->pos(), QPoint(305, 140));
            EXPECT_EQ(f.imgPesquisa0Comp2->pos(), QPoint(305, 261));
        }
    }
    {
        // Edition V leaves the layout as it is.
        frmTQ1 f;
        f.PosObjetosForm();
        gravador.Grava(f, QStringLiteral("C"), 9, QStringLiteral("V"), QStringLiteral("P"));
        gravador.Grava(f, QStringLiteral("C"), 100, QStringLiteral("V"), QStringLiteral("P"));
        EXPECT_EQ(f.ImgTransmissao[0]->pos(), QPoint(167, 108));
        EXPECT_EQ(f.imgIcoAtualizar->pos(), QPoint(563, 274));
    }
}

namespace {

// Loads from the resources but fails one name, as a damaged picture set would.
class CarregadorComFalha final : public CarregadorImagensTela {
public:
    CarregadorComFalha() { frmTQ1::setCarregadorImagens(this); }
    ~CarregadorComFalha() override { frmTQ1::setCarregadorImagens(nullptr); }
    QPixmap Carrega(const QString& Modo, const QString& Nome, const QString& Tipo, bool direto) override
    {
        pedidos << Nome;
        if (Nome == QLatin1String("VOLTAR"))
            throw platform::Error(Modulo::ErroRecursoNaoEncontrado, QStringLiteral("Resource not found"));
        return direto ? Modulo::CarregaImagemRecurso(Nome, Tipo) : Modulo::CarregaOuLiberaImagem(Modo, Nome, Tipo);
    }
    QStringList pedidos;
};

}  // namespace

TEST(PictureSets, APictureThatCannotBeHadIsReportedAndTheRestOfTheSetApplies)
{
    tqtest::FakeMessageBoxes caixas;
    CarregadorComFalha carregador;
    frmTQ1 f;
    const QString edicao = Modulo::gEdicao, idioma = Modulo::gIdioma;
    Modulo::gEdicao = QStringLiteral("V");
    Modulo::gIdioma = QStringLiteral("P");
    f.CarregaImagensTela(QStringLiteral("C"), 2);
    Modulo::gEdicao = edicao;
    Modulo::gIdioma = idioma;
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_TRUE(caixas.last().text.contains(QStringLiteral(": 326"))) << qPrintable(caixas.last().text);
    EXPECT_TRUE(f.imgVoltar->Picture().isNull());
    EXPECT_FALSE(f.imgTitFabricante->Picture().isNull());
    EXPECT_TRUE(carregador.pedidos.contains(QStringLiteral("GRIDFABRICANTE")));
}
