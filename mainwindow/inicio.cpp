#include "mainwindow/inicio.h"

#include "core/database.h"
#include "core/globals.h"
#include "core/runtables.h"
#include "core/textosproprios.h"
#include "platform/base/doevents.h"
#include "platform/dao/dao.h"

namespace Inicio {

bool PalavraInicioValida(const QString& linhaComando)
{
    return linhaComando.trimmed().toUpper().left(14) == QLatin1String("CALLDAZADIZETQ");
}

int Margem(QSize tela) { return (tela.width() > 1000 && tela.height() > 700) ? 20 : 0; }

bool TelaPequena(QSize tela) { return tela.width() <= 1000 || tela.height() <= 700; }

QString PosicaoJanelaInicial(bool estadoNormal, QPoint canto, QSize cliente, int alturaLegenda, int twipsX, int twipsY)
{
    if (!estadoNormal)
        return {};
    return QStringLiteral("%1;%2;%3;%4")
        .arg(static_cast<long>(canto.x()) * twipsX)
        .arg(static_cast<long>(canto.y()) * twipsY)
        .arg(static_cast<long>(cliente.width()) * twipsX)
        .arg(static_cast<long>(cliente.height() + alturaLegenda) * twipsY);
}

QString ComandoCriaTipoPeca()
{
    return QStringLiteral("CREATE TABLE TIPOPECA(") +
           QStringLiteral("CodigoTipoPeca     TEXT(1)  NOT NULL CONSTRAINT CodigoTipoPeca PRIMARY KEY,") +
           QStringLiteral("DescricaoTipoPecaP TEXT(50) NOT NULL,") + QStringLiteral("DescricaoTipoPecaE TEXT(50) NOT NULL,") +
           QStringLiteral("DescricaoTipoPecaI TEXT(50) NOT NULL )");
}

QStringList ComandosTipoPeca(const QString& edicao)
{
    struct Linha {
        const char* edicao;
        const char* codigo;
        const char* p;
        const char* e;
        const char* i;
    };
    static const Linha linhas[] = {
        {"V", "T", "Transmissão", "Transmisión", "Transmission"},
        {"A", "T", "Transmissão", "Transmisión", "Transmission"},
        {"A", "E", "Eixo", "Eje", "Axle"},
        {"D", "B", "Bomba de Óleo", "Bomba de Aceite", "Oil Pump"},
        {"D", "R", "Reservatório de Óleo", "Depósito de Aceite", "Oil Reservoir"},
        {"D", "D", "Direção", "Dirección", "Power Steering Gear"},
        {"D", "C", "Caixa Angular", "Caja Angular", "Bevel Box"},
        {"M", "R", "Reversor Marítmo", "Reversor Marina", "Marine Gearbox"},
    };
    QStringList comandos;
    for (const Linha& l : linhas) {
        if (edicao != QLatin1String(l.edicao))
            continue;
        comandos << QStringLiteral("INSERT INTO TIPOPECA(CodigoTipoPeca,DescricaoTipoPecaP,DescricaoTipoPecaE,"
                                   "DescricaoTipoPecaI) VALUES('%1','%2','%3','%4')")
                        .arg(QString::fromUtf8(l.codigo), QString::fromUtf8(l.p), QString::fromUtf8(l.e),
                             QString::fromUtf8(l.i));
    }
    return comandos;
}

platform::Error ErroCatalogoDanificado()
{
    using namespace Modulo;
    return platform::Error(platform::dao::JetError::Corrupt,
                           TextoNoIdioma("Não foi possível abrir o banco de dados '%1'. O arquivo pode estar "
                                         "danificado ou não ser um banco de dados do catálogo.",
                                         "No se puede abrir la base de datos '%1'. El archivo puede estar dañado "
                                         "o no ser una base de datos del catálogo.",
                                         "Cannot open database '%1'. The file may be damaged or not a catalogue "
                                         "database.")
                               .arg(gCaminhoDados + NomeArquivoCatalogo()),
                           QStringLiteral("DAO"));
}

void AbreCatalogo()
{
    using namespace Modulo;
    try {
        AbreBancoDazadize(gWsDazadize, QStringLiteral("gWS"), gDbDazadize, true);
        // The version record and the item tables every catalogue has; the
        // part-type table may be missing (the start-up makes it).
        static const char* const tabelas[] = {"UMREGISTRO", "PECA", "COMPONENTE", "JOGOREPARO", "PECA_COMPONENTE"};
        for (const char* tabela : tabelas)
            if (!TabelaExiste(gDbDazadize, QString::fromLatin1(tabela)))
                throw ErroCatalogoDanificado();
    } catch (const platform::Error& e) {
        // The engine's damaged file is told in the same words.
        if (e.number() == platform::dao::JetError::Corrupt)
            throw ErroCatalogoDanificado();
        throw;
    }
}

void CriaTabelaTipoPeca(const QString& edicao)
{
    using namespace Modulo;
    if (TabelaExiste(gDbDazadize, QStringLiteral("TIPOPECA")))
        return;
    WorkspacePtr ws;
    DatabasePtr db;
    AbreBancoDazadize(ws, QStringLiteral("sWsNotReadOnly"), db, false);
    try {
        // The table and its rows in one transaction: a failed row leaves no
        // empty table for the next start to trust.
        ExecutaComandosSQL(QStringList{ComandoCriaTipoPeca()} + ComandosTipoPeca(edicao), QString(), &db, &ws);
    } catch (...) {
        FechaBanco(ws, db);
        throw;
    }
    platform::dao::DBEngine::Idle(platform::dao::dbRefreshCache);
    FechaBanco(ws, db);
    platform::DoEvents();
    platform::dao::DBEngine::Idle(platform::dao::dbRefreshCache);
    platform::DoEvents();
}

}  // namespace Inicio
