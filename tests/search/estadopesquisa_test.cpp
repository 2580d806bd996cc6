// The saved search slots, the kind check boxes, the kind of a result row and
// the checks of the comparison selection.

#include "search/estadopesquisa.h"
#include "search/verificacomparacao.h"

#include "support/qstringprinter.h"

#include <gtest/gtest.h>

namespace {

using Pesquisa::FiltrosIniciais;
using Pesquisa::FiltrosPesquisa;

TEST(FiltrosPesquisa, StartContentsPerEditionAndSlot)
{
    const auto flags = [](const FiltrosPesquisa& f) {
        return QStringLiteral("%1%2%3%4|%5")
            .arg(f.PesquisaComponentes).arg(f.PesquisaJogosReparo).arg(f.PesquisaTransmissoes).arg(f.PesquisaEixos)
            .arg(f.CodigoTipoPeca);
    };
    EXPECT_EQ(flags(FiltrosIniciais(QStringLiteral("V"), 0)), QStringLiteral("1110| "));
    EXPECT_EQ(flags(FiltrosIniciais(QStringLiteral("V"), 1)), QStringLiteral("0010| "));
    EXPECT_EQ(flags(FiltrosIniciais(QStringLiteral("A"), 0)), QStringLiteral("1111| "));
    EXPECT_EQ(flags(FiltrosIniciais(QStringLiteral("A"), 1)), QStringLiteral("0011| "));
    EXPECT_EQ(flags(FiltrosIniciais(QStringLiteral("D"), 0)), QStringLiteral("0000| "));
    EXPECT_EQ(flags(FiltrosIniciais(QStringLiteral("D"), 1)), QStringLiteral("0000|3"));
    EXPECT_EQ(flags(FiltrosIniciais(QStringLiteral("M"), 0)), QStringLiteral("0000| "));
    EXPECT_EQ(flags(FiltrosIniciais(QStringLiteral("M"), 1)), QStringLiteral("0000|R"));
    for (int slot : {0, 1}) {
        const FiltrosPesquisa f = FiltrosIniciais(QStringLiteral("V"), slot);
        EXPECT_TRUE(f.TextoNumeroEmpresa.isEmpty() && f.TextoDescricao.isEmpty() && f.TextoNumeroFabricante.isEmpty());
        EXPECT_TRUE(f.TipoSelecionado.isEmpty());
        EXPECT_EQ(f.CodigoSelecionado, -5);
    }
    EXPECT_EQ(Pesquisa::SlotDaOrigem(0), 0);
    EXPECT_EQ(Pesquisa::SlotDaOrigem(9), 1);
    EXPECT_EQ(Pesquisa::SlotDaOrigem(3), 1);
}

TEST(FiltrosPesquisa, OneKindStaysTicked)
{
    using Pesquisa::Tipo;
    bool mudou = true;
    Pesquisa::TiposMarcados t;
    t.transmissoes = true;
    t = Pesquisa::AlternaTipo(t, Tipo::Transmissoes, &mudou);
    EXPECT_FALSE(mudou);
    EXPECT_TRUE(t.transmissoes);
    t = Pesquisa::AlternaTipo(t, Tipo::Componentes, &mudou);
    EXPECT_TRUE(mudou);
    t = Pesquisa::AlternaTipo(t, Tipo::Transmissoes, &mudou);
    EXPECT_TRUE(mudou);
    EXPECT_TRUE(t.componentes && !t.transmissoes && !t.jogosReparo && !t.eixos);
    // Edition A: axles alone may stay.
    t = {false, false, true, true};
    t = Pesquisa::AlternaTipo(t, Tipo::Transmissoes, &mudou);
    EXPECT_TRUE(mudou && t.eixos && !t.transmissoes);
    t = Pesquisa::AlternaTipo(t, Tipo::Eixos, &mudou);
    EXPECT_FALSE(mudou);
}

TEST(TipoItemDaLinha, CaptionsAreKindsAndEverythingElseAnAssembly)
{
    EXPECT_EQ(Pesquisa::TipoItemDaLinha(QStringLiteral("Componente"), QStringLiteral("P")), QStringLiteral("COM"));
    EXPECT_EQ(Pesquisa::TipoItemDaLinha(QStringLiteral("Jogo de Reparo"), QStringLiteral("P")), QStringLiteral("JRE"));
    EXPECT_EQ(Pesquisa::TipoItemDaLinha(QStringLiteral("Repair Kit"), QStringLiteral("I")), QStringLiteral("JRE"));
    EXPECT_EQ(Pesquisa::TipoItemDaLinha(QStringLiteral("Transmissão"), QStringLiteral("P")), QStringLiteral("PCA"));
    EXPECT_EQ(Pesquisa::TipoItemDaLinha(QVariant(), QStringLiteral("P")), QStringLiteral("PCA"));
    EXPECT_EQ(Pesquisa::TipoItemDaLinha(QString(), QStringLiteral("P")), QStringLiteral("PCA"));
    EXPECT_EQ(Pesquisa::TipoItemDaLinha(QStringLiteral("Caja rara"), QStringLiteral("E")), QStringLiteral("PCA"));
}

TEST(VerificaSelecaoComparacao, ChecksRunInOrderAndTheFirstFailureWins)
{
    using Pesquisa::LadoComparacao;
    const LadoComparacao vazio{QStringLiteral("  "), {}, {}};
    const LadoComparacao perdido{QStringLiteral("1234"), {}, {}};
    const LadoComparacao t1{QStringLiteral("0700 000 001"), QStringLiteral("1"), QStringLiteral("T")};
    const LadoComparacao t2{QStringLiteral("0700 000 002"), QStringLiteral("2"), QStringLiteral("T")};
    const LadoComparacao e3{QStringLiteral("0800 000 003"), QStringLiteral("3"), QStringLiteral("E")};
    struct Caso {
        const char* nome;
        LadoComparacao a, b;
        const char* edicao;
        bool ok;
        int texto, foco;
    };
    const Caso casos[] = {
        {"side 0 empty before side 1", vazio, vazio, "V", false, 56, 0},
        {"side 0 not found", perdido, vazio, "V", false, 58, 0},
        {"side 1 empty", t1, vazio, "A", false, 57, 1},
        {"side 1 not found", t1, perdido, "A", false, 59, 1},
        {"edition D wording", vazio, t1, "D", false, 107, 0},
        {"edition D not found", t1, perdido, "D", false, 108, 1},
        {"edition M", vazio, t1, "M", false, 114, 0},
        {"edition M not found", perdido, t1, "M", false, 115, 0},
        {"same assembly twice", t1, t1, "V", false, 60, 1},
        {"same assembly before different types", e3, e3, "D", false, 60, 1},
        {"different types V", t1, e3, "V", false, 61, 0},
        {"different types A", e3, t2, "A", false, 61, 0},
        {"different types D", t1, e3, "D", false, 109, 0},
        {"different types M", t1, e3, "M", false, 109, 0},
        {"two assemblies of one type", t1, t2, "V", true, -1, -1},
    };
    for (const Caso& c : casos) {
        const auto r = Pesquisa::VerificaSelecaoComparacao(c.a, c.b, QLatin1String(c.edicao));
        EXPECT_EQ(r.ok, c.ok) << c.nome;
        EXPECT_EQ(r.texto, c.texto) << c.nome;
        EXPECT_EQ(r.caixaFoco, c.foco) << c.nome;
    }
}

}  // namespace
