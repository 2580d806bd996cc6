#include "core/runtables.h"

#include "core/files.h"

#include <functional>

namespace Modulo {

using namespace platform::dao;

namespace {

QString nomeLivre(const DatabasePtr& db, const QString& prefixo, int desde = 0)
{
    for (int n = desde;; ++n) {
        const QString nome = prefixo + QString::number(n);
        if (!TabelaExiste(db, nome))
            return nome;
    }
}

QString prefixoLista(const QDate& hoje) { return QStringLiteral("Lista_") + hoje.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('_'); }

QString prefixoComparacao(const QDate& hoje)
{
    return QStringLiteral("Cmp_") + hoje.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('_') +
           ObtemSerieVolume() + QLatin1Char('_');
}

// Creates the table under the first free name.  When another program takes
// that name between the test and the creation, the next free name is tried.
QString criaComNomeLivre(const DatabasePtr& db, const QString& prefixo,
                         const std::function<QString(const QString&)>& definicao)
{
    for (int tentativa = 0;; ++tentativa) {
        const QString nome = nomeLivre(db, prefixo);
        try {
            db->Execute(definicao(nome));
            return nome;
        } catch (const platform::Error& e) {
            if (e.number() != JetError::TableExists || tentativa >= 100)
                throw;
        }
    }
}

}  // namespace

bool TabelaExiste(const DatabasePtr& db, const QString& nome)
{
    const QString procurado = nome.trimmed().toUpper();
    for (const TableDef& t : db->TableDefs())
        if (t.Name().trimmed().toUpper() == procurado)
            return true;
    return false;
}

QString ObtemNomeTabelaLista(const DatabasePtr& db, const QDate& hoje)
{
    return nomeLivre(db, prefixoLista(hoje));
}

QString CriaTabelaLista(const DatabasePtr& db, const QDate& hoje)
{
    return criaComNomeLivre(db, prefixoLista(hoje), [](const QString& nome) {
        return QStringLiteral("CREATE TABLE ") + nome +
               QStringLiteral("(Tipo          text(3) ,Codigo        long    ,Quantidade    short   ,"
                              "Descricao     text(50),NumeroEmpresa text(30),DescricaoTipo text(30),"
                              "Opcional      text(1) ,CONSTRAINT PK") +
               nome + QStringLiteral(" PRIMARY KEY(Tipo, Codigo))");
    });
}

QString ObtemNomeTabelaComparacao(const DatabasePtr& db, const QDate& hoje)
{
    return nomeLivre(db, prefixoComparacao(hoje));
}

QString CriaTabelaComparacao(const DatabasePtr& db, const QDate& hoje)
{
    const QString nome = criaComNomeLivre(db, prefixoComparacao(hoje), [](const QString& n) {
        return QStringLiteral("CREATE TABLE ") + n +
               QStringLiteral("(CodigoComponente        long,NumeroEmpresaComponente text(12),"
                              "DescricaoComponente     text(50),QuantidadeComponente1   text(5) Null,"
                              "QuantidadeComponente2   text(5) Null,ImagensGrid             text(3),"
                              "Iguais                  byte)");
    });
    TableDef def = db->GetTableDef(nome);
    PermiteTextoVazio(def);
    return nome;
}

bool ExcluiTabela(const DatabasePtr& db, const QString& nome)
{
    try {
        if (!db)
            return false;
        db->Execute(QStringLiteral("DROP TABLE ") + nome);
        return true;
    } catch (...) {
        return false;
    }
}

void PermiteTextoVazio(TableDef& tabela)
{
    for (const TableFieldDef& f : tabela.Fields())
        if (f.type == dbText || f.type == dbMemo)
            tabela.SetAllowZeroLength(f.name, true);
}

}  // namespace Modulo
