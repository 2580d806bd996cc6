#pragma once
// A small catalogue for the item-text and cross-reference tests, written with
// Jet DDL and INSERT statements through the database layer, and opened as the
// run's read-only catalogue (gDbDazadize).
//
// Contents (codes are what the tests refer to):
//   components 1 ANEL DE VEDAÇÃO 0501123456, chain 10 -> 11 -> 12, cycle
//     20 <-> 21, 30 replaced by an empty code, 40 with an apostrophe item
//   repair kit 1; assemblies 100 (transmission, "T") and 101 (axle, "E")
//   notes of component 1: row 1 long + short, row 2 short only; general,
//     per-assembly and per-item notes of component 2; attachments
//   vehicles 500 (manufacturer 7) and 501 (manufacturer 8) using assembly 100
//   cross references of company number 501123456 (12 rows) and 777 (3 rows)

#include "core/database.h"
#include "core/globals.h"
#include "core/searchtext.h"
#include "platform/dao/dao.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QStringList>

#include <gtest/gtest.h>

// Skips the calling test while the database layer cannot run Jet SQL.
#define TQ_REQUIRE_JET_SQL()                                             \
    if (!::tqtest::CatalogFixture::jetSqlAvailable())                    \
    GTEST_SKIP() << "the database layer does not run Jet SQL yet"

namespace tqtest {

class CatalogFixture : public ::testing::Test {
public:
    static bool jetSqlAvailable();

protected:
    // withAttachments: OBSERVACAO_MEMO has the AnexosP/E/I columns.
    void open(bool withAttachments = true)
    {
        using namespace platform::dao;
        Modulo::gCaminhoDados = m_dir.pathSlash();
        DatabasePtr db = DBEngine::CreateDatabase(Modulo::gCaminhoDados + Modulo::NomeArquivoCatalogo());
        for (const QString& s : schema(withAttachments))
            db->Execute(s);
        for (const QString& s : rows(withAttachments))
            db->Execute(s);
        db->Close();
        Modulo::AbreBancoDazadize(Modulo::gWsDazadize, QStringLiteral("gWS"), Modulo::gDbDazadize, true);
    }

    void SetUp() override
    {
        m_idioma = Modulo::gIdioma;
        m_edicao = Modulo::gEdicao;
        Modulo::gIdioma = QStringLiteral("P");
        Modulo::gEdicao = QStringLiteral("V");
    }

    void TearDown() override
    {
        Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
        Modulo::gIdioma = m_idioma;
        Modulo::gEdicao = m_edicao;
    }


    static QStringList schema(bool withAttachments)
    {
        return {
            "CREATE TABLE COMPONENTE (CodigoComponente LONG NOT NULL CONSTRAINT PK_COMPONENTE PRIMARY KEY, "
            "NumeroEmpresaComponente TEXT(20), DescricaoComponenteP TEXT(100), DescricaoComponenteE TEXT(100), "
            "DescricaoComponenteI TEXT(100), ImagensGrid TEXT(10))",
            "CREATE TABLE JOGOREPARO (CodigoJogoReparo LONG NOT NULL CONSTRAINT PK_JOGOREPARO PRIMARY KEY, "
            "NumeroEmpresaJogoReparo TEXT(20), DescricaoJogoReparoP TEXT(100), DescricaoJogoReparoE TEXT(100), "
            "DescricaoJogoReparoI TEXT(100), ImagensGrid TEXT(10))",
            "CREATE TABLE PECA (CodigoPeca LONG NOT NULL CONSTRAINT PK_PECA PRIMARY KEY, NumeroEmpresaPeca TEXT(20), "
            "DescricaoPecaP TEXT(100), DescricaoPecaE TEXT(100), DescricaoPecaI TEXT(100), TipoPeca TEXT(1))",
            "CREATE TABLE TIPOPECA (CodigoTipoPeca TEXT(1) NOT NULL CONSTRAINT CodigoTipoPeca PRIMARY KEY, "
            "DescricaoTipoPecaP TEXT(50) NOT NULL, DescricaoTipoPecaE TEXT(50) NOT NULL, "
            "DescricaoTipoPecaI TEXT(50) NOT NULL)",
            "CREATE TABLE FABRICANTE (CodigoFabricante LONG, DescricaoFabricanteP TEXT(50), "
            "DescricaoFabricanteE TEXT(50), DescricaoFabricanteI TEXT(50))",
            "CREATE TABLE VEICULO (CodigoVeiculo LONG, CodigoFabricante LONG, DescricaoVeiculoP TEXT(100), "
            "DescricaoVeiculoE TEXT(100), DescricaoVeiculoI TEXT(100))",
            "CREATE TABLE VEICULO_PECA (CodigoVeiculo LONG, CodigoPeca LONG)",
            "CREATE TABLE REFERENCIACRUZADA (NumeroEmpresa TEXT(20), CodigoFabricante LONG, NumeroFabricante TEXT(30))",
            "CREATE TABLE APLICACAOOBS_Componente (CodigoObservacao LONG, CodigoComponente LONG, CodigoPeca LONG, "
            "ItemComponente TEXT(10))",
            "CREATE TABLE APLICACAOOBS_JogoReparo (CodigoObservacao LONG, CodigoJogoReparo LONG, CodigoPeca LONG)",
            "CREATE TABLE APLICACAOOBS_Peca (CodigoObservacao LONG, CodigoPeca LONG)",
            "CREATE TABLE OBSERVACAO_RAPIDA (CodigoObservacao LONG, ObservacaoRapidaP TEXT(255), "
            "ObservacaoRapidaE TEXT(255), ObservacaoRapidaI TEXT(255))",
            withAttachments
                ? QStringLiteral("CREATE TABLE OBSERVACAO_MEMO (CodigoObservacao LONG, ObservacaoMemoP MEMO, "
                                 "ObservacaoMemoE MEMO, ObservacaoMemoI MEMO, AnexosP TEXT(255), AnexosE TEXT(255), "
                                 "AnexosI TEXT(255))")
                : QStringLiteral("CREATE TABLE OBSERVACAO_MEMO (CodigoObservacao LONG, ObservacaoMemoP MEMO, "
                                 "ObservacaoMemoE MEMO, ObservacaoMemoI MEMO)"),
            "CREATE TABLE SUBSTITUIDOS (TipoItem TEXT(3), CodigoItem LONG, CodigoItemNovo LONG)",
        };
    }

    static QStringList rows(bool withAttachments)
    {
        QStringList r = {
            "INSERT INTO COMPONENTE VALUES (1, '0501123456', 'ANEL DE VEDAÇÃO', 'ANILLO DE SELLADO', 'SEAL RING', NULL)",
            "INSERT INTO COMPONENTE VALUES (2, '0501000002', 'ROLAMENTO', 'RODAMIENTO', 'BEARING', NULL)",
            "INSERT INTO COMPONENTE VALUES (10, '0501000010', 'ENGRENAGEM A', 'ENGRANAJE A', 'GEAR A', NULL)",
            "INSERT INTO COMPONENTE VALUES (11, '0501000011', 'ENGRENAGEM B', 'ENGRANAJE B', 'GEAR B', NULL)",
            "INSERT INTO COMPONENTE VALUES (12, '0501000012', 'ENGRENAGEM C', 'ENGRANAJE C', 'GEAR C', NULL)",
            "INSERT INTO COMPONENTE VALUES (20, '0501000020', 'EIXO X', 'EJE X', 'SHAFT X', NULL)",
            "INSERT INTO COMPONENTE VALUES (21, '0501000021', 'EIXO Y', 'EJE Y', 'SHAFT Y', NULL)",
            "INSERT INTO COMPONENTE VALUES (30, '0501000030', 'ARRUELA', 'ARANDELA', 'WASHER', NULL)",
            "INSERT INTO COMPONENTE VALUES (31, NULL, NULL, NULL, NULL, NULL)",
            "INSERT INTO COMPONENTE VALUES (40, '0501000040', 'PINO', 'PASADOR', 'PIN', NULL)",
            "INSERT INTO JOGOREPARO VALUES (1, '0700000001', 'JOGO DE JUNTAS', 'JUEGO DE JUNTAS', 'GASKET SET', NULL)",
            "INSERT INTO PECA VALUES (100, '1200000100', 'CAIXA DE CÂMBIO 5 MARCHAS', 'CAJA 5 VELOCIDADES', "
            "'5-SPEED GEARBOX', 'T')",
            "INSERT INTO PECA VALUES (101, '1200000101', 'EIXO TRASEIRO', 'EJE TRASERO', 'REAR AXLE', 'E')",
            "INSERT INTO TIPOPECA VALUES ('T', 'Transmissão', 'Transmisión', 'Transmission')",
            "INSERT INTO TIPOPECA VALUES ('E', 'Eixo', 'Eje', 'Axle')",
            "INSERT INTO FABRICANTE VALUES (7, 'VOLVORO', 'VOLVORO', 'VOLVORO')",
            "INSERT INTO FABRICANTE VALUES (8, 'DaimlerChrysler AG', 'DaimlerChrysler AG', 'DaimlerChrysler AG')",
            "INSERT INTO FABRICANTE VALUES (9, 'AUTOLATINA', 'AUTOLATINA', 'AUTOLATINA')",
            "INSERT INTO FABRICANTE VALUES (10, 'BRASMOTOR', 'BRASMOTOR', 'BRASMOTOR')",
            "INSERT INTO VEICULO VALUES (500, 7, 'CAMINHÃO 1620', 'CAMIÓN 1620', 'TRUCK 1620')",
            "INSERT INTO VEICULO VALUES (501, 8, 'ÔNIBUS O-400', 'AUTOBÚS O-400', 'BUS O-400')",
            "INSERT INTO VEICULO VALUES (502, NULL, 'SEM MONTADORA', 'SIN MONTADORA', 'NO MAKER')",
            "INSERT INTO VEICULO_PECA VALUES (500, 100)",
            "INSERT INTO VEICULO_PECA VALUES (501, 100)",
            "INSERT INTO VEICULO_PECA VALUES (502, 100)",
            "INSERT INTO VEICULO_PECA VALUES (501, 101)",
            // Notes of component 1: a long and a short note, then a short one.
            "INSERT INTO APLICACAOOBS_Componente VALUES (1, 1, NULL, NULL)",
            "INSERT INTO APLICACAOOBS_Componente VALUES (2, 1, NULL, NULL)",
            "INSERT INTO OBSERVACAO_RAPIDA VALUES (1, 'Nota curta 1', 'Nota corta 1', 'Short note 1')",
            "INSERT INTO OBSERVACAO_RAPIDA VALUES (2, 'Nota curta 2', 'Nota corta 2', 'Short note 2')",
            // Component 2: a general note, one for assembly 100, one for item
            // 01.002 of assembly 100, one for assembly 101.
            "INSERT INTO APLICACAOOBS_Componente VALUES (3, 2, NULL, NULL)",
            "INSERT INTO APLICACAOOBS_Componente VALUES (4, 2, 100, NULL)",
            "INSERT INTO APLICACAOOBS_Componente VALUES (5, 2, 100, '01.002')",
            "INSERT INTO APLICACAOOBS_Componente VALUES (6, 2, 101, NULL)",
            "INSERT INTO OBSERVACAO_RAPIDA VALUES (3, 'Geral', 'General', 'General')",
            "INSERT INTO OBSERVACAO_RAPIDA VALUES (4, 'Conjunto 100', 'Conjunto 100', 'Set 100')",
            "INSERT INTO OBSERVACAO_RAPIDA VALUES (5, 'Item 01.002', 'Ítem 01.002', 'Item 01.002')",
            "INSERT INTO OBSERVACAO_RAPIDA VALUES (6, 'Conjunto 101', 'Conjunto 101', 'Set 101')",
            // Component 40: a note for an item number with an apostrophe.
            "INSERT INTO APLICACAOOBS_Componente VALUES (7, 40, 100, '12''A')",
            "INSERT INTO OBSERVACAO_RAPIDA VALUES (7, 'Item 12''A', 'Ítem 12''A', 'Item 12''A')",
            // A repair kit's general note and an assembly's note.
            "INSERT INTO APLICACAOOBS_JogoReparo VALUES (8, 1, NULL)",
            "INSERT INTO OBSERVACAO_RAPIDA VALUES (8, 'Jogo geral', 'Juego general', 'Kit note')",
            "INSERT INTO APLICACAOOBS_Peca VALUES (9, 100)",
            "INSERT INTO OBSERVACAO_RAPIDA VALUES (9, 'Caixa', 'Caja', 'Gearbox')",
            // Supersession: 10 -> 11 -> 12; 20 <-> 21; 30 -> (empty).
            "INSERT INTO SUBSTITUIDOS VALUES ('COM', 10, 11)",
            "INSERT INTO SUBSTITUIDOS VALUES ('COM', 11, 12)",
            "INSERT INTO SUBSTITUIDOS VALUES ('COM', 20, 21)",
            "INSERT INTO SUBSTITUIDOS VALUES ('COM', 21, 20)",
            "INSERT INTO SUBSTITUIDOS VALUES ('COM', 30, NULL)",
            "INSERT INTO SUBSTITUIDOS VALUES ('COM', NULL, 12)",
            // Cross references of 501123456: twelve, of 777: three.
            "INSERT INTO REFERENCIACRUZADA VALUES ('777', 7, 'V-777-1')",
            "INSERT INTO REFERENCIACRUZADA VALUES ('777', 8, 'M-12A-77')",
            "INSERT INTO REFERENCIACRUZADA VALUES ('777', 9, NULL)",
        };
        if (withAttachments) {
            r << "INSERT INTO OBSERVACAO_MEMO VALUES (1, 'Nota longa 1', 'Nota larga 1', 'Long note 1', 'desenho.pdf', "
                 "'dibujo.pdf', 'drawing.pdf')";
        } else {
            r << "INSERT INTO OBSERVACAO_MEMO VALUES (1, 'Nota longa 1', 'Nota larga 1', 'Long note 1')";
        }
        // Twelve cross references for one number, names and numbers mixed up.
        const char* makers[] = {"10", "7", "9", "8"};
        for (int i = 0; i < 12; ++i)
            r << QStringLiteral("INSERT INTO REFERENCIACRUZADA VALUES ('501123456', %1, 'N%2%3')")
                     .arg(QLatin1String(makers[i % 4]))
                     .arg(QChar('A' + (11 - i)))
                     .arg(i % 3 == 0 ? QStringLiteral("-12A") : QString());
        return r;
    }

    TempDir m_dir;
    QString m_idioma;
    QString m_edicao;
};

// Whether the layer runs Jet SQL (Format, TOP, Jet LIKE) on the open
// catalogue; the tests that need it skip until it does.
inline bool CatalogFixture::jetSqlAvailable()
{
    try {
        const QVariant v = Modulo::ObtemValorSQL(
            QStringLiteral("SELECT TOP 1 Format('0501123456','0000 000 000') FROM TIPOPECA WHERE "
                           "DescricaoTipoPecaP LIKE '*ix*'"));
        return v.toString() == QStringLiteral("0501 123 456");
    } catch (const platform::Error&) {
        return false;
    }
}

}  // namespace tqtest
