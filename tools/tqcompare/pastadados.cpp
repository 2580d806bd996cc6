#include "pastadados.h"

#include "core/database.h"
#include "core/dates.h"
#include "core/globals.h"
#include "platform/base/error.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>

namespace tqferramenta {

using namespace platform::dao;

PastaDados::PastaDados(const QString& pasta, const QString& idioma)
{
    if (idioma != QLatin1String("P") && idioma != QLatin1String("E") && idioma != QLatin1String("I"))
        throw platform::Error(platform::errors::InvalidProcedureCall, QStringLiteral("Language must be P, E or I: ") + idioma);
    static const QRegularExpression nome(QStringLiteral("^DAZADIZETQ_[A-Z]\\.MDB$"), QRegularExpression::CaseInsensitiveOption);
    QStringList catalogos;
    for (const QString& f : QDir(pasta).entryList(QDir::Files))
        if (nome.match(f).hasMatch())
            catalogos << f;
    if (catalogos.isEmpty())
        throw platform::Error(platform::errors::FileNotFound, QStringLiteral("No catalogue file DAZADIZETQ_?.MDB in ") + pasta);
    if (catalogos.size() > 1)
        throw platform::Error(platform::errors::InvalidProcedureCall,
                              QStringLiteral("Several catalogue files in ") + pasta + QStringLiteral(": ") + catalogos.join(QLatin1Char(' ')));
    Modulo::gIdioma = idioma;
    Modulo::gEdicao = Modulo::LetraEdicaoDoArquivo(catalogos.first());
    Modulo::gCaminhoDados = QDir(pasta).absolutePath() + QLatin1Char('/');
    Modulo::gWsDazadize = DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(Modulo::gCaminhoDados + catalogos.first(), false, true);
    Modulo::AbreBancoAuxiliar(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
}

PastaDados::~PastaDados()
{
    Modulo::FechaBanco(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
}

QString PastaDados::TextoDataEmissao()
{
    RecordsetPtr rs = Modulo::gDbDazadize->OpenRecordset(
        QStringLiteral("SELECT DataEmissao, ComplementoDataEmissao FROM UMREGISTRO"), dbOpenForwardOnly);
    QString texto;
    if (!rs->EOF_()) {
        const QVariant data = rs->Value(0);
        const QVariant complemento = rs->Value(1);
        texto = (IsNull(data) ? QString() : Modulo::FormataData(data.toDateTime())) + (IsNull(complemento) ? QString() : complemento.toString());
    }
    rs->Close();
    return texto;
}

QString ExtraiIdioma(QStringList& argumentos)
{
    QString idioma = QStringLiteral("P");
    for (qsizetype i = 0; i < argumentos.size(); ++i)
        if (argumentos[i] == QLatin1String("--lang") && i + 1 < argumentos.size()) {
            idioma = argumentos[i + 1].toUpper();
            argumentos.remove(i, 2);
            break;
        }
    return idioma;
}

}  // namespace tqferramenta
