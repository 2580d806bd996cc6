// The demo update tree installs on the demo catalogue: nginx serves what
// tqdemoupdate writes and the update run brings the catalogue from 37 to 39.
#include "atualizacaofixture.h"

#include "core/globals.h"
#include "support/qstringprinter.h"
#include "tools/demo/demo.h"
#include "tools/demo/updatetree.h"
#include "update/infoatualizacao.h"

#include <QDir>
#include <QImage>
#include <QScopeGuard>

#include <gtest/gtest.h>

namespace {

using namespace platform::dao;

TEST(DemoUpdate, TheDemoTreeUpdatesTheDemoCatalogue)
{
    tqtest::TempDir raiz;
    const QString servidor = raiz.file(QStringLiteral("servidor")), dados = raiz.file(QStringLiteral("dados/"));
    QDir().mkpath(servidor);
    tqrig::Nginx web;
    if (!web.start(servidor))
        GTEST_SKIP() << web.reason().toStdString();
    demo::Options o = demo::Options::Fixture(QStringLiteral("V"), dados);
    o.updateUrl = QStringLiteral("http://%1/tqatualizacao").arg(web.hostPort());
    demo::GenerateDataFolder(o);
    const demo::UpdateTreeSummary arvore = demo::GenerateUpdateTree(dados, servidor);
    EXPECT_EQ(arvore.port, web.port());
    EXPECT_EQ(arvore.fromVersion, 37);
    EXPECT_EQ(arvore.changedComponents.size(), 3);

    tqupd::AbreGlobais(dados, raiz.file(QStringLiteral("usuario")));
    // The date the start screen shows ("Atualizado em ..."), in Portuguese.
    const auto restauraIdioma = qScopeGuard([idioma = Modulo::gIdioma] { Modulo::gIdioma = idioma; });
    Modulo::gIdioma = QStringLiteral("P");
    const auto dataInicio = [] { return Atualizacao::LeInfoUltimaAtualizacao(Modulo::gDbDazadize).textoDataEmissao; };
    EXPECT_EQ(dataInicio(), QStringLiteral("15-MAR-2024 R2"));
    tqtest::FakeMessageBoxes caixas;
    tqupd::VisaoGravada visao;
    Atualizacao::OpcoesAtualizacao opcoes;
    opcoes.pastaPrograma = raiz.file(QStringLiteral("programa"));
    QDir().mkpath(opcoes.pastaPrograma);
    ASSERT_TRUE(Atualizacao::ExecutaPedidoAtualizacao(visao, 37, 39, opcoes)) << caixas.last().text.toStdString();

    // The drawing replaced, the photo in its new folder.
    const QByteArray desenho = tqtest::readFile(dados + QStringLiteral("Figuras/") + arvore.replacedDrawing);
    EXPECT_EQ(desenho, tqtest::readFile(arvore.treeFolder + QStringLiteral("Figuras/") + arvore.replacedDrawing));
    EXPECT_FALSE(QImage::fromData(desenho).isNull());
    EXPECT_FALSE(QImage(dados + QStringLiteral("FotoPeca/") + arvore.newPhoto).isNull());

    // The catalogue: descriptions, the note, the photo, the version.
    DatabasePtr db = Modulo::gDbDazadize;
    auto valor = [&](const QString& sql) {
        RecordsetPtr rs = db->OpenRecordset(sql);
        const QString v = rs->EOF_() ? QString() : rs->Fields(0).Text();
        rs->Close();
        return v;
    };
    for (long c : arvore.changedComponents) {
        EXPECT_TRUE(valor(QStringLiteral("SELECT DescricaoComponenteP FROM COMPONENTE WHERE CodigoComponente = %1").arg(c))
                        .endsWith(QStringLiteral(" (REV. 38)")));
        EXPECT_TRUE(valor(QStringLiteral("SELECT DescricaoComponenteI FROM COMPONENTE WHERE CodigoComponente = %1").arg(c))
                        .endsWith(QStringLiteral(" (REV. 38)")));
    }
    EXPECT_EQ(valor(QStringLiteral("SELECT CodigoPeca FROM APLICACAOOBS_Peca WHERE CodigoObservacao = %1").arg(arvore.newNote)),
              QString::number(arvore.assembly));
    EXPECT_TRUE(valor(QStringLiteral("SELECT ObservacaoRapidaP FROM OBSERVACAO_RAPIDA WHERE CodigoObservacao = %1")
                          .arg(arvore.newNote))
                    .startsWith(QStringLiteral("Revisão 39")));
    EXPECT_EQ(valor(QStringLiteral("SELECT ArquivoFotoPeca FROM PECA WHERE CodigoPeca = %1").arg(arvore.assembly)),
              QStringLiteral("Revisao39\\FOTO_REV39.jpg"));
    EXPECT_EQ(valor(QStringLiteral("SELECT Versao FROM UMREGISTRO")), QStringLiteral("39"));
    // Each version carries its issue date, a month after the one before: the
    // start screen shows version 39's.
    EXPECT_EQ(dataInicio(), QStringLiteral("15-MAI-2024"));
    EXPECT_FALSE(QFile::exists(dados + QStringLiteral("ATUALIZACAO.LOG")));  // every statement ran
    EXPECT_TRUE(Modulo::gReiniciarPeloLancador);  // the script's "R:"
    tqupd::FechaGlobais();
}

}  // namespace
