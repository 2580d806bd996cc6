#include "reportfixture.h"

#include "core/database.h"
#include "core/globals.h"
#include "platform/dao/dao.h"

#include <QMap>

#include <memory>

namespace reporttest {

const demo::Summary& Catalogo(const QString& edicao)
{
    static tqtest::TempDir pasta;
    static QMap<QString, demo::Summary> feitos;
    auto it = feitos.find(edicao);
    if (it == feitos.end()) {
        demo::Options o = demo::Options::Fixture(edicao, pasta.file(QStringLiteral("dados") + edicao));
        o.writeFiles = edicao == QLatin1String("V");
        it = feitos.insert(edicao, demo::GenerateDataFolder(o));
    }
    return *it;
}

CatalogoAberto::CatalogoAberto(const QString& edicao, const QString& idioma)
    : s(Catalogo(edicao)), m_edicao(Modulo::gEdicao), m_idioma(Modulo::gIdioma), m_dados(Modulo::gCaminhoDados),
      m_emissao(Modulo::gTextoDataEmissao)
{
    Modulo::gTextoDataEmissao = QStringLiteral("15-MAR-2024 R2");
    Modulo::gEdicao = edicao;
    Modulo::gIdioma = idioma;
    Modulo::gCaminhoDados = s.dataFolder;
    Modulo::gWsDazadize = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(s.catalogueFile, false, true);
}

CatalogoAberto::~CatalogoAberto()
{
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    Modulo::gEdicao = m_edicao;
    Modulo::gIdioma = m_idioma;
    Modulo::gCaminhoDados = m_dados;
    Modulo::gTextoDataEmissao = m_emissao;
}

EscolhaSaida Escolha(long codigoPeca, const QString& opcoes, int parte)
{
    EscolhaSaida e;
    saida::PreparaEscolha(e, codigoPeca, opcoes, parte);
    return e;
}

SaidaGravada::SaidaGravada(int dpi, bool impressora, long codigoPeca)
{
    auto g = std::make_unique<saida::SuperficieGravacao>(dpi);
    gravacao = g.get();
    saida.CodigoPecaSaida = codigoPeca;
    saida.IniciaSaidaEm(std::move(g), impressora);
}

}  // namespace reporttest
