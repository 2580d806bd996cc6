#include "asmfixture.h"

#include "assembly/consultas.h"
#include "assembly/utilcontroles.h"
#include "tools/demo/catalogue.h"

#include "core/config.h"
#include "core/database.h"
#include "core/globals.h"
#include "core/janelas.h"
#include "core/searchtext.h"
#include "listcontrols/thcombo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSignalSpy>
#include <QTest>

#include <map>

namespace asmtest {

namespace {

demo::Options Opcoes(const QString& edicao)
{
    demo::Options o = demo::Options::Fixture(edicao, PastaDemo(edicao));
    o.writeFiles = edicao == QLatin1String("V");
    return o;
}

class SemLinhas final : public demo::RowSink {
public:
    void Insert(const QString&, const demo::Row&) override {}
};

}  // namespace

QString PastaDemo(const QString& edicao) { return tqtest::binaryDir() + QStringLiteral("/tests/asmdata-") + edicao; }

const demo::Summary& Resumo(const QString& edicao)
{
    static std::map<QString, demo::Summary> resumos;
    auto it = resumos.find(edicao);
    if (it == resumos.end()) {
        demo::Summary s;
        demo::FilePlan plano;
        SemLinhas semLinhas;
        demo::BuildCatalogue(Opcoes(edicao), semLinhas, s, plano);
        it = resumos.emplace(edicao, s).first;
    }
    return it->second;
}

void TelaConjunto::Abre(const QString& edicao, const QString& idioma, const QString& pasta)
{
    s = Resumo(edicao);
    QString dados = pasta;
    if (dados.isEmpty()) {
        dados = PastaDemo(edicao);
        QLockFile trava(dados + QStringLiteral(".lock"));
        trava.setStaleLockTime(0);
        ASSERT_TRUE(trava.lock());
        const QFileInfo marca(dados + QStringLiteral("/.tqdemo"));
        if (!marca.exists() || marca.lastModified() < QFileInfo(QCoreApplication::applicationFilePath()).lastModified())
            demo::GenerateDataFolder(Opcoes(edicao));
    }
    m_aux = std::make_unique<tqtest::TempDir>();
    Modulo::DefineTamanhoTela(QSize(1024, 768));
    Modulo::DefinePastaUsuario(m_aux->path());
    asmdemo::AbreDados(dados, edicao, idioma, m_aux->path());
    m_demo = std::make_unique<asmdemo::JanelaDemo>(vizinhos);
}

void TelaConjunto::TearDown()
{
    m_demo.reset();
    asmdemo::FechaDados();
    Modulo::DefineTamanhoTela(QSize());
    Modulo::DefinePastaUsuario(QString());
    Modulo::DefinePonteiroTela(Modulo::vbDefault);
    Modulo::gRodaAtiva = false;
    Modulo::gAlvoRodaNome.clear();
}

int TelaConjunto::Rotulo(const QString& item, int n)
{
    const Conjunto::FiguraModelo& f = V().Figura();
    for (int i = 1; i <= f.UltimoItem(); ++i)
        if (f.ObtemTextoItem(i, false) == item && n-- == 0)
            return i;
    return -1;
}

void TelaConjunto::Passa(int indice)
{
    F().imgParteFigura_Click(V().Figura().Item(indice).pagina);
    V().lblItem_MouseMove(indice);
}

void TelaConjunto::EscolheJogo(std::int64_t jogo)
{
    const auto rs = C().dtcTHCombo2->Recordset();
    rs->FindFirst(Conjunto::CriterioJogo(jogo));
    C().cboTHCombo2->AtualizaCombo();
    V().cboTHCombo2_Click();
}

std::vector<int> TelaConjunto::RotulosVisiveis()
{
    std::vector<int> out;
    for (int i = 1; i <= V().Figura().UltimoItem(); ++i)
        if (Conjunto::Visivel(L(i)))
            out.push_back(i);
    return out;
}

QVariant TelaConjunto::Valor(const QString& sql) { return Modulo::ObtemValorSQL(sql); }

void TelaConjunto::EsperaTique()
{
    QSignalSpy tique(C().tmrFigura, &QTimer::timeout);
    ASSERT_TRUE(tique.wait(2000));
}

}  // namespace asmtest
