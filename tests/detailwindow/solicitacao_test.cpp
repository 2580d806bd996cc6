// The request texts of the detail window: which routine each code reaches,
// its fields as converted, and the requests that are refused.

#include "detailwindow/solicitacao.h"
#include "support/qstringprinter.h"

#include <gtest/gtest.h>

using namespace DetalheSolicitacao;

namespace {

struct Caso {
    const char* nome;
    const char* texto;
    int codigo;  // -1: refused
};

}  // namespace

TEST(Solicitacao, CodeAndRefusalTable)
{
    const Caso casos[] = {
        {"notes by kind code", "0|COM|4410", 0},
        {"notes by kind text", "0|Componente|4410", 0},
        {"kits", "1|1375|12.1|4410|0", 1},
        {"vehicles", "2|1375", 2},
        {"cart list, no item", "3||0", 3},
        {"optionals", "4|1375|4410|12.1|0", 4},
        {"output", "5|1375|P|F|0", 5},
        {"comparison print", "6", 6},
        {"update run", "7|36|37", 7},
        {"configuration", "8", 8},
        {"fields beyond the row are ignored", "2|1375|x|y", 2},
        {"comparison with a field", "6|x", 6},
        {"empty request", "", -1},
        {"code 9", "9", -1},
        {"code with a blank", " 6", -1},
        {"code with a leading zero", "06", -1},
        {"code of two digits", "10|1", -1},
        {"code that is a word", "X|1", -1},
        {"notes with one field", "0|COM", -1},
        {"kits with three fields", "1|1375|12.1|4410", -1},
        {"vehicles without a field", "2", -1},
        {"optionals with three fields", "4|1375|4410|12.1", -1},
        {"output with three fields", "5|1375|P|F", -1},
        {"update with one version", "7|36", -1},
        {"assembly that is no number", "2|abc", -1},
        {"empty number", "2|", -1},
        {"32-bit overflow", "2|2147483648", -1},
        {"16-bit overflow", "7|32768|1", -1},
        {"byte overflow", "5|1|P|F|256", -1},
        {"negative byte", "5|1|P|F|-1", -1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const auto p = AnalisaSolicitacao(QString::fromUtf8(c.texto));
        if (c.codigo < 0) {
            EXPECT_FALSE(p.has_value());
        } else {
            ASSERT_TRUE(p.has_value());
            EXPECT_EQ(Codigo(*p), c.codigo);
        }
    }
}

TEST(Solicitacao, NotesFieldsByTheirNumber)
{
    {
        const auto p = AnalisaSolicitacao(QStringLiteral("0|JRE|77"));
        const auto& o = std::get<Observacao>(*p);
        EXPECT_EQ(o.Tipo, QStringLiteral("JRE"));
        EXPECT_EQ(o.Codigo, 77);
        EXPECT_EQ(o.CodigoPeca, -5);
        EXPECT_FALSE(o.ItemComponente.has_value());
        EXPECT_EQ(o.TextoExtra, QString());
    }
    {
        const auto p1 = AnalisaSolicitacao(QStringLiteral("0|JRE|77|1375"));
    ASSERT_TRUE(p1);
    const auto& o = std::get<Observacao>(*p1);
        EXPECT_EQ(o.CodigoPeca, 1375);
        EXPECT_FALSE(o.ItemComponente.has_value());
        EXPECT_EQ(o.TextoExtra, QString());
    }
    {
        // A superseded item: no assembly, an empty item, an empty extra text.
        const auto p2 = AnalisaSolicitacao(QStringLiteral("0|Componente|12|-5||"));
    ASSERT_TRUE(p2);
    const auto& o = std::get<Observacao>(*p2);
        EXPECT_EQ(o.CodigoPeca, -5);
        ASSERT_TRUE(o.ItemComponente.has_value());
        EXPECT_EQ(*o.ItemComponente, QString());
    }
    {
        const auto p3 = AnalisaSolicitacao(QStringLiteral("0|COM|5|9|01.002|extra|more"));
    ASSERT_TRUE(p3);
    const auto& o = std::get<Observacao>(*p3);
        EXPECT_EQ(*o.ItemComponente, QStringLiteral("01.002"));
        EXPECT_EQ(o.TextoExtra, QStringLiteral("extra"));
    }
}

TEST(Solicitacao, FieldOrderAndConversions)
{
    const auto p4 = AnalisaSolicitacao(QStringLiteral("1|1375|12.1|4410|0"));
    ASSERT_TRUE(p4);
    const auto& k = std::get<JogosReparo>(*p4);
    EXPECT_EQ(k.CodigoPeca, 1375);
    EXPECT_EQ(k.ItemComponente, QStringLiteral("12.1"));  // the item stays text
    EXPECT_EQ(k.CodigoComponente, 4410);
    // Requests 1 and 4 name item and component in opposite orders.
    const auto p5 = AnalisaSolicitacao(QStringLiteral("4|1375|4410|12.1|0"));
    ASSERT_TRUE(p5);
    const auto& o = std::get<Opcionais>(*p5);
    EXPECT_EQ(o.CodigoComponente, 4410);
    EXPECT_EQ(o.ItemComponente, QStringLiteral("12.1"));
    const auto p6 = AnalisaSolicitacao(QStringLiteral("5|1375|G|*|255"));
    ASSERT_TRUE(p6);
    const auto& s = std::get<Saida>(*p6);
    EXPECT_EQ(s.Modo, QStringLiteral("G"));
    EXPECT_EQ(s.Opcoes, QStringLiteral("*"));
    EXPECT_EQ(int(s.ParteFigura), 255);
    const auto p7 = AnalisaSolicitacao(QStringLiteral("7| 36 |37"));
    ASSERT_TRUE(p7);
    const auto& a = std::get<Atualizacao>(*p7);
    EXPECT_EQ(a.VersaoLocal, 36);
    EXPECT_EQ(a.VersaoServidor, 37);
    const auto p8 = AnalisaSolicitacao(QStringLiteral("3||0"));
    ASSERT_TRUE(p8);
    const auto& l = std::get<Lista>(*p8);
    EXPECT_EQ(l.Tipo, QString());
    EXPECT_EQ(l.Codigo, 0);
    // The run time rounds a fraction half to even.
    const auto meio = AnalisaSolicitacao(QStringLiteral("2|2.5"));
    ASSERT_TRUE(meio);
    EXPECT_EQ(std::get<Aplicacao>(*meio).CodigoPeca, 2);
}
