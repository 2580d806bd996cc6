#include "cmpfixture.h"

#include "core/database.h"
#include "core/runtables.h"

#include <map>
#include <memory>

namespace cmptest {

using namespace platform::dao;

const demo::Summary& Catalogue(const QString& edition)
{
    static tqtest::TempDir dir;
    static std::map<QString, std::unique_ptr<demo::Summary>> folders;
    auto& s = folders[edition];
    if (!s)
        s = std::make_unique<demo::Summary>(demo::GenerateDataFolder(demo::Options::Fixture(edition, dir.file(edition))));
    return *s;
}

void CatalogueTest::Open(const QString& edition, const QString& language)
{
    m_summary = &Catalogue(edition);
    if (!m_open) {
        m_idioma = Modulo::gIdioma;
        m_edicao = Modulo::gEdicao;
        m_pasta = Modulo::gCaminhoDados;
        m_carrinho = Modulo::gTabelaCarrinho;
    }
    TearDown();
    m_open = true;
    Modulo::gIdioma = language;
    Modulo::gEdicao = edition;
    Modulo::gCaminhoDados = m_summary->dataFolder;
    // The edition's own file: the program's catalogue name is a build setting.
    Modulo::gWsDazadize = DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(m_summary->catalogueFile, false, true);
    Modulo::AbreBancoAuxiliar(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
    Modulo::gTabelaCarrinho = Modulo::CriaTabelaLista(Modulo::gDbAuxiliar);
}

void CatalogueTest::TearDown()
{
    if (!m_open)
        return;
    if (Modulo::gDbAuxiliar && !Modulo::gTabelaCarrinho.isEmpty())
        Modulo::ExcluiTabela(Modulo::gDbAuxiliar, Modulo::gTabelaCarrinho);
    Modulo::FechaBanco(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    Modulo::gIdioma = m_idioma;
    Modulo::gEdicao = m_edicao;
    Modulo::gCaminhoDados = m_pasta;
    Modulo::gTabelaCarrinho = m_carrinho;
    m_open = false;
}

std::vector<std::vector<QVariant>> CatalogueTest::Rows(const DatabasePtr& db, const QString& sql)
{
    std::vector<std::vector<QVariant>> out;
    RecordsetPtr rs = db->OpenRecordset(sql, dbOpenForwardOnly);
    while (!rs->EOF_()) {
        std::vector<QVariant> row;
        for (int i = 0; i < rs->FieldCount(); ++i)
            row.push_back(rs->Value(i));
        out.push_back(std::move(row));
        rs->MoveNext();
    }
    rs->Close();
    return out;
}

}  // namespace cmptest
