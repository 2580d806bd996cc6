#include "catalogfixture.h"

#include "core/itemtexts.h"
#include "core/texts.h"

using namespace Modulo;

namespace {

const QString kFullSeparator = QStringLiteral("\r\n__________\r\n\r\n");

class ItemTexts : public tqtest::CatalogFixture {
protected:
    void SetUp() override
    {
        CatalogFixture::SetUp();
        open(true);
        TQ_REQUIRE_JET_SQL();
    }

    QString notes(const QString& kind, long code, long assembly, std::optional<QString> item, bool shortOnly,
                  const QString& extra = {}, QString* attachments = nullptr)
    {
        QString a = QStringLiteral("untouched");
        const QString r = ObtemObservacoes(kind, code, assembly, item, shortOnly, QString(), extra, a);
        if (attachments)
            *attachments = a;
        return r;
    }
};

class ItemTextsWithoutAttachments : public ItemTexts {
protected:
    void SetUp() override
    {
        CatalogFixture::SetUp();
        open(false);
        TQ_REQUIRE_JET_SQL();
    }
};

}  // namespace

TEST_F(ItemTexts, Headers)
{
    const QString gap(10, ' ');
    EXPECT_EQ(ObtemTituloItem("COM", 1), "Componente: ANEL DE VEDAÇÃO" + gap + "Nº TQ: 0501 123 456");
    EXPECT_EQ(ObtemTituloItem("JRE", 1), "Jogo de Reparo: JOGO DE JUNTAS" + gap + "Nº TQ: 0700 000 001");
    EXPECT_EQ(ObtemTituloItem("PCA", 101), "Eixo: EIXO TRASEIRO" + gap + "Nº TQ: 1200 000 101");
    EXPECT_EQ(ObtemTituloItem("PCA", 100), "Transmissão: CAIXA DE CÂMBIO 5 MARCHAS" + gap + "Nº TQ: 1200 000 100");
    EXPECT_EQ(ObtemTituloItem("VEI", 500), "Veículo: CAMINHÃO 1620" + gap + "Fabricante: VOLVORO");
    // Null values add nothing; a missing item or vehicle gives nothing.
    EXPECT_EQ(ObtemTituloItem("COM", 31), "Componente: " + gap + "Nº TQ: ");
    EXPECT_EQ(ObtemTituloItem("COM", 999), QString());
    EXPECT_EQ(ObtemTituloItem("VEI", 502), QString());

    gIdioma = "I";
    EXPECT_EQ(ObtemTituloItem("PCA", 101), "Axle: REAR AXLE" + gap + "TQ Nr: 1200 000 101");
    gEdicao = "D";
    EXPECT_EQ(ObtemTituloItem("PCA", 101), "Set: REAR AXLE" + gap + "TQSD Nr: 1200 000 101");
    gIdioma = "P";
    gEdicao = "M";
    EXPECT_EQ(ObtemTituloItem("PCA", 100), "Conjunto: CAIXA DE CÂMBIO 5 MARCHAS" + gap + "Nº TQ: 1200 000 100");

    EXPECT_NE(tqtest::errorNumberOf([] { ObtemTituloItem("XYZ", 1); }), 0);
}

TEST_F(ItemTexts, TypeNamesToKinds)
{
    EXPECT_EQ(ObtemCodigoTipo("Componente"), "COM");
    EXPECT_EQ(ObtemCodigoTipo("Jogo de Reparo"), "JRE");
    EXPECT_EQ(ObtemCodigoTipo("Transmissão"), "PCA");
    EXPECT_EQ(ObtemCodigoTipo(" eixo "), "PCA");
    EXPECT_EQ(ObtemCodigoTipo("Component"), "Component");  // English spelling while the run is Portuguese
    EXPECT_EQ(ObtemCodigoTipo("Axle"), "Axle");
    EXPECT_EQ(ObtemCodigoTipo("Veículo's"), "Veículo's");
    gIdioma = "I";
    EXPECT_EQ(ObtemCodigoTipo("Component"), "COM");
    EXPECT_EQ(ObtemCodigoTipo("Repair Kit"), "JRE");
    EXPECT_EQ(ObtemCodigoTipo("Axle"), "PCA");
}

TEST_F(ItemTexts, TwoNoteRowsInFullAndShortMode)
{
    QString attachments;
    EXPECT_EQ(notes("COM", 1, -5, std::nullopt, false, {}, &attachments), "Nota longa 1" + kFullSeparator + "Nota curta 2");
    EXPECT_EQ(attachments, "/desenho.pdf/");
    EXPECT_EQ(notes("COM", 1, -5, std::nullopt, true, {}, &attachments), "Nota curta 1 / Nota curta 2");
    EXPECT_EQ(attachments, QString()) << "short notes read no attachments";

    gIdioma = "E";
    EXPECT_EQ(notes("COM", 1, -5, std::nullopt, false, {}, &attachments), "Nota larga 1" + kFullSeparator + "Nota corta 2");
    EXPECT_EQ(attachments, "/dibujo.pdf/");

    // The caller's separator wins.
    QString a;
    EXPECT_EQ(ObtemObservacoes("COM", 1, -5, std::nullopt, false, " | ", QString(), a), "Nota larga 1 | Nota corta 2");
}

TEST_F(ItemTexts, GeneralNotesApplyToEveryAssemblyAndItem)
{
    struct Row {
        const char* name;
        long assembly;
        std::optional<QString> item;
        QString expected;
    };
    const Row rows[] = {
        {"no assembly", -5, std::nullopt, "Geral"},
        {"assembly 100", 100, std::nullopt, "Geral / Conjunto 100 / Item 01.002"},
        {"assembly 100, item 01.002", 100, QStringLiteral("01.002"), "Geral / Conjunto 100 / Item 01.002"},
        {"assembly 100, another item", 100, QStringLiteral("01.003"), "Geral / Conjunto 100"},
        {"assembly 101", 101, std::nullopt, "Geral / Conjunto 101"},
        {"assembly without notes", 555, QStringLiteral("01.002"), "Geral"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(notes("COM", 2, r.assembly, r.item, true), r.expected);
    }
    EXPECT_EQ(notes("JRE", 1, -5, std::nullopt, true), "Jogo geral");
    EXPECT_EQ(notes("JRE", 1, 100, std::nullopt, true), "Jogo geral");
    EXPECT_EQ(notes("PCA", 100, -5, std::nullopt, true), "Caixa");
    // An item number with an apostrophe is quoted, not spliced.
    EXPECT_EQ(notes("COM", 40, 100, QStringLiteral("12'A"), true), "Item 12'A");
}

TEST_F(ItemTexts, HeadOfTheNotes)
{
    EXPECT_EQ(notes("COM", 99, -5, std::nullopt, true), QString());
    EXPECT_EQ(notes("COM", 99, -5, std::nullopt, true, "x"), "x");
    EXPECT_EQ(notes("COM", 99, -5, std::nullopt, false, "x"), "x");
    EXPECT_EQ(notes("COM", 10, -5, std::nullopt, true, "x"),
              "ATUAL: 0501 000 012   ANTIGO: 0501 000 011, 0501 000 010 / x");
    EXPECT_EQ(notes("COM", 1, -5, std::nullopt, true, "x"), "x / Nota curta 1 / Nota curta 2");
}

TEST_F(ItemTexts, SupersessionChainAndCycle)
{
    EXPECT_EQ(ObtemCodigoSubstituto(10, "COM"), 12);
    EXPECT_EQ(ObtemCodigoSubstituto(11, "COM"), 12);
    EXPECT_EQ(ObtemCodigoSubstituto(12, "COM"), -5);
    EXPECT_EQ(ObtemCodigoSubstituto(1, "COM"), -5);
    EXPECT_EQ(ObtemCodigoSubstituto(10, "JRE"), -5) << "kinds do not mix";
    EXPECT_EQ(ObtemCodigoSubstituto(20, "COM"), 20) << "the cycle stops at the first repetition";
    EXPECT_EQ(ObtemCodigoSubstituto(21, "COM"), 21);
    EXPECT_EQ(ObtemCodigoSubstituto(30, "COM"), -5) << "an empty replacement code ends the walk";

    EXPECT_EQ(ObtemTextoSubstituicao(10, "COM"), "ATUAL: 0501 000 012   ANTIGO: 0501 000 011, 0501 000 010");
    EXPECT_EQ(ObtemTextoSubstituicao(12, "COM"), "ANTIGO: 0501 000 011, 0501 000 010");
    EXPECT_EQ(ObtemTextoSubstituicao(20, "COM"), "ATUAL: 0501 000 020   ANTIGO: 0501 000 021, 0501 000 020");
    EXPECT_EQ(ObtemTextoSubstituicao(1, "COM"), QString());
    EXPECT_EQ(ObtemTextoSubstituicao(30, "COM"), QString());
    gIdioma = "I";
    EXPECT_EQ(ObtemTextoSubstituicao(11, "COM"), "CURRENT: 0501 000 012   OLD: 0501 000 011, 0501 000 010");
}

TEST_F(ItemTextsWithoutAttachments, FullNotesWorkWithoutAttachmentColumns)
{
    QString attachments;
    EXPECT_EQ(notes("COM", 1, -5, std::nullopt, false, {}, &attachments), "Nota longa 1" + kFullSeparator + "Nota curta 2");
    EXPECT_EQ(attachments, QString());
}
