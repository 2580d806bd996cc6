#include "updater/verificador.h"

#include "core/cipher.h"
#include "core/config.h"
#include "core/database.h"
#include "core/datapath.h"
#include "core/files.h"
#include "core/globals.h"
#include "platform/base/atomicfile.h"
#include "platform/base/codepage.h"
#include "platform/base/doevents.h"
#include "update/internet.h"

#include <QDir>
#include <QFileInfo>

namespace frmVerifAtualizDazadizeTQ {
namespace {

const QString kFonte = QStringLiteral("VerifAtualizDazadizeTQ");
// The version reply is one number: a longer reply is refused unread.
constexpr qint64 kMaiorResposta = 4096;

QString ComBarra(QString pasta)
{
    if (!pasta.endsWith(QLatin1Char('/')))
        pasta += QLatin1Char('/');
    return pasta;
}

// Fields 2 and 3 of a configuration file, deciphered; false when the file
// cannot be read.
bool LeCredenciais(const QString& arquivo, QString& usuario, QString& senha)
{
    usuario.clear();
    senha.clear();
    if (!Modulo::ArquivoExiste(arquivo))
        return false;
    QStringList campos;
    try {
        campos = Modulo::LeArquivo(arquivo).split(QLatin1Char('|'));
    } catch (const platform::Error&) {
        return false;
    }
    auto decifra = [&](int i) -> QString {
        if (i >= campos.size())
            return {};
        try {
            return Modulo::CifraTexto(campos[i], false);
        } catch (const platform::Error&) {
            return {};
        }
    };
    usuario = decifra(2);
    senha = decifra(3);
    return true;
}

// Writes the result beside its final name and renames it into place; a
// failure keeps the old result.
void GravaResultado(const QString& arquivo, const QString& texto)
{
    platform::WriteFileAtomically(arquivo, platform::toWindows1252(texto));
}

// The check itself (steps 3 to 13); errors reach VerificaAtualizacao.
QString Verifica(const Comando& comando, const Ambiente& ambiente)
{
    Modulo::gCaminhoDados = ObtemPastaDados(ambiente.pastaPrograma);

    platform::dao::WorkspacePtr ws;
    platform::dao::DatabasePtr db;
    struct Fecha {
        platform::dao::WorkspacePtr& ws;
        platform::dao::DatabasePtr& db;
        ~Fecha()
        {
            platform::DoEvents();
            Modulo::FechaBanco(ws, db);
            modInternet::FechaConexaoInternet();
        }
    } fecha{ws, db};

    Modulo::AbreBancoDazadize(ws, QStringLiteral("wsVerificacao"), db, true);
    platform::dao::RecordsetPtr rs = db->OpenRecordset(QStringLiteral("SELECT UrlAtualizacao, Versao FROM UMREGISTRO"),
                                                       platform::dao::dbOpenForwardOnly);
    const QVariant url = rs->Fields(QStringLiteral("UrlAtualizacao")).Value();
    const QVariant versao = rs->Fields(QStringLiteral("Versao")).Value();
    rs->Close();
    if (platform::dao::IsNull(url) || platform::dao::IsNull(versao))
        throw platform::Error(94, QStringLiteral("Invalid use of Null"), kFonte);

    QString endereco = url.toString();
    if (!endereco.endsWith(QLatin1Char('/')))
        endereco += QLatin1Char('/');
    if (endereco.left(7).toLower() == QLatin1String("http://"))
        endereco.remove(0, 7);
    const short versaoLocal = ConverteInteiro(versao.toString());

    const qsizetype barra = endereco.indexOf(QLatin1Char('/'));
    const QString host = endereco.left(barra);
    modInternet::AbreConexaoInternet(host);

    QString usuario, senha;
    ObtemUsuarioSenhaProxy(usuario, senha);

    const QString objeto = endereco.mid(barra + 1) + Modulo::LetraEdicaoDoArquivo(Modulo::NomeArquivoCatalogo())
        + QStringLiteral("/Versao.asp");
    const QString resposta = modInternet::ExecutaRequisicaoHttp(QStringLiteral("D"), !comando.automatica, objeto, true,
                                                                {}, {}, {}, usuario, senha, kMaiorResposta);
    short versaoServidor = 0;
    try {
        versaoServidor = ConverteInteiro(resposta);
    } catch (const platform::Error& e) {
        throw platform::Error(e.number(), e.description() + QStringLiteral(" : ") + resposta, kFonte);
    }
    return QStringLiteral("1%1|%2").arg(versaoLocal).arg(versaoServidor);
}

}  // namespace

Comando LeComando(const QString& linha)
{
    Comando c;
    if (!linha.contains(QLatin1Char('|')))
        return c;
    const QStringList campos = linha.trimmed().split(QLatin1Char('|'));
    c.automatica = campos.value(0) == QLatin1String("1");
    c.comArquivo = true;
    c.arquivoResultado = campos.value(1);
    return c;
}

QString ObtemPastaDados(const QString& pastaPrograma)
{
    try {
        return Modulo::ObtemCaminhoDados(pastaPrograma);
    } catch (const platform::Error&) {
        return ComBarra(pastaPrograma);
    }
}

void ObtemUsuarioSenhaProxy(QString& Usuario, QString& Senha)
{
    const QString nome = Modulo::NomeArquivoConfiguracao();
    try {
        if (LeCredenciais(Modulo::ObtemPastaUsuario(true) + nome, Usuario, Senha)
            && (!Usuario.isEmpty() || !Senha.isEmpty()))
            return;
    } catch (const platform::Error&) {
        // No user folder: the system folder's copy is all there is.
    }
    LeCredenciais(Modulo::ObtemPastaSistema(QStringLiteral("SYSTEM"), true) + nome, Usuario, Senha);
}

short ConverteInteiro(const QString& texto)
{
    const QString t = texto.trimmed();
    bool digitos = !t.isEmpty();
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (!(c.isDigit() && c.unicode() < 128) && !(i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'))))
            digitos = false;
    }
    if (!digitos || t == QLatin1String("-") || t == QLatin1String("+"))
        throw platform::Error(platform::errors::TypeMismatch, QStringLiteral("Type mismatch"), kFonte);
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok || v < -32768 || v > 32767)
        throw platform::Error(platform::errors::Overflow, QStringLiteral("Overflow"), kFonte);
    return static_cast<short>(v);
}

QString VerificaAtualizacao(const Comando& comando, const Ambiente& ambiente)
{
    platform::DoEvents();
    QString resultado;
    try {
        resultado = Verifica(comando, ambiente);
    } catch (const platform::Error& e) {
        resultado = QStringLiteral("0%1 %2").arg(e.number()).arg(e.description());
    } catch (const std::exception& e) {
        resultado = QStringLiteral("0%1 %2").arg(platform::errors::InvalidProcedureCall).arg(QString::fromLocal8Bit(e.what()));
    }
    if (comando.arquivoResultado.isEmpty()) {
        if (ambiente.mostra)
            ambiente.mostra(resultado);
    } else {
        GravaResultado(comando.arquivoResultado, resultado);
    }
    return resultado;
}

}  // namespace frmVerifAtualizDazadizeTQ
