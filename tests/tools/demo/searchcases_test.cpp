// The rows the catalogue search, the parts list and the cart are tested on,
// and the GIF photo among them.

#include "fixture.h"

#include "support/qstringprinter.h"

#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

class SearchCases : public ::testing::TestWithParam<const char*> {};

TEST_P(SearchCases, TheSummaryNamesRowsThatHoldWhatTheyPromise)
{
    const QString edition = QLatin1String(GetParam());
    demotest::Folder f = demotest::Generate(demotest::Small(edition));
    const demo::Summary& s = f.summary;
    const auto one = [&](const QString& sql) {
        const QStringList c = f.column(sql);
        return c.size() == 1 ? c[0] : QStringLiteral("<%1 rows>").arg(c.size());
    };
    EXPECT_EQ(one(QStringLiteral("SELECT DescricaoComponenteP FROM COMPONENTE WHERE CodigoComponente = %1").arg(s.clutchDiscComponent)),
              QStringLiteral("DISCO DE EMBREAGEM"));
    EXPECT_EQ(one(QStringLiteral("SELECT DescricaoJogoReparoP FROM JOGOREPARO WHERE CodigoJogoReparo = %1").arg(s.clutchDiscKit)),
              QStringLiteral("DISCO DE EMBREAGEM"));
    EXPECT_TRUE(one(QStringLiteral("SELECT DescricaoComponenteP FROM COMPONENTE WHERE CodigoComponente = %1").arg(s.accentedPecaComponent))
                    .contains(QStringLiteral("PEÇA")));
    EXPECT_TRUE(one(QStringLiteral("SELECT DescricaoComponenteP FROM COMPONENTE WHERE CodigoComponente = %1").arg(s.plainPecaComponent))
                    .contains(QStringLiteral("PECA")));
    EXPECT_TRUE(one(QStringLiteral("SELECT DescricaoComponenteE FROM COMPONENTE WHERE CodigoComponente = %1").arg(s.spanishEnyeComponent))
                    .contains(QStringLiteral("Ñ")));

    // The kit and the vehicle are in no assembly; the search assembly holds
    // the four components and the kit.
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM PECA_COMPONENTE_JOGOREPARO WHERE CodigoJogoReparo = %1").arg(s.kitInNoAssembly)),
              QStringLiteral("0"));
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM VEICULO_PECA WHERE CodigoVeiculo = %1").arg(s.vehicleInNoAssembly)),
              QStringLiteral("0"));
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM VEICULO WHERE CodigoVeiculo = %1").arg(s.vehicleInNoAssembly)), QStringLiteral("1"));
    EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM PECA_COMPONENTE WHERE CodigoPeca = %1").arg(s.searchAssembly)), QStringLiteral("4"));
    EXPECT_EQ(one(QStringLiteral("SELECT CodigoPeca FROM PECA_COMPONENTE_JOGOREPARO WHERE CodigoJogoReparo = %1").arg(s.clutchDiscKit)),
              QString::number(s.searchAssembly));

    // Photo names.
    EXPECT_EQ(one(QStringLiteral("SELECT ArquivoFotoPeca FROM PECA WHERE CodigoPeca = %1").arg(s.searchAssembly)), s.gifPhoto);
    EXPECT_EQ(one(QStringLiteral("SELECT ArquivoFotoPeca FROM PECA WHERE CodigoPeca = %1").arg(s.assemblyPhotoTrailingBlanks)),
              QStringLiteral("FOTO_940_1.jpg  "));

    // A type without TIPOPECA row in A, D and M; a type with an apostrophe
    // in the English text in A, D and M.
    if (edition == QLatin1String("V")) {
        EXPECT_EQ(s.assemblyUnknownType, 0);
        EXPECT_TRUE(s.apostropheTypeCode.isEmpty());
    } else {
        EXPECT_EQ(one(QStringLiteral("SELECT Count(*) FROM TIPOPECA WHERE CodigoTipoPeca = (SELECT TipoPeca FROM PECA WHERE "
                                     "CodigoPeca = %1)").arg(s.assemblyUnknownType)),
                  QStringLiteral("0"));
        EXPECT_EQ(one(QStringLiteral("SELECT DescricaoTipoPecaI FROM TIPOPECA WHERE CodigoTipoPeca = '%1'").arg(s.apostropheTypeCode)),
                  QStringLiteral("Driver's Side Assembly"));
        EXPECT_EQ(one(QStringLiteral("SELECT TipoPeca FROM PECA WHERE CodigoPeca = %1").arg(s.apostropheTypeAssembly)), s.apostropheTypeCode);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, SearchCases, ::testing::Values("V", "A", "D", "M"));

TEST(DemoGif, ThePhotosOfTheSearchCasesAreWritten)
{
    demo::Options o = demotest::Small(QStringLiteral("V"));
    o.writeFiles = true;
    o.scale = 0.05;
    demotest::Folder f = demotest::Generate(o);
    const QString folder = f.summary.dataFolder + QStringLiteral("FotoPeca/");
    const QImage gif(folder + f.summary.gifPhoto);
    EXPECT_EQ(gif.size(), QSize(150, 77));
    QFile raw(folder + f.summary.gifPhoto);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.read(6), QByteArray("GIF89a"));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("FOTO_940_1.jpg")));
    // ImageMagick reads it as one 150 by 77 GIF frame.
    const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
    if (!identify.isEmpty()) {
        QProcess p;
        p.start(identify, {QStringLiteral("-format"), QStringLiteral("%m %w %h\\n"), folder + f.summary.gifPhoto});
        ASSERT_TRUE(p.waitForFinished(20000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), QStringLiteral("GIF 150 77"));
    }
}

}  // namespace
