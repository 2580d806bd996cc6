#include "update/internet.h"

#include "core/files.h"
#include "core/globals.h"
#include "platform/base/atomicfile.h"
#include "platform/base/codepage.h"
#include "platform/base/doevents.h"
#include "platform/base/language.h"
#include "platform/desktop/proxycredentials.h"

#include <QFile>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <exception>
#include <memory>

namespace modInternet {

QString gFaseAtualizacao;

namespace {

const QString kFonteInternet = QStringLiteral("modInternet");

std::unique_ptr<platform::HttpConnection> g_conexao;
QString g_agente;
bool g_agenteDefinido = false;
platform::HttpTimeouts g_tempos;
std::function<void(long)> g_gancho = &AtualizaProgressoDownload;
std::function<void(long)> g_barraDownload;

QString TextoErroSistema(int erro) { return QString::fromLocal8Bit(std::strerror(erro)); }

// A body being written: a file beside its final name (".name.XXXXXXXX.part",
// created exclusively, with the permissions the final file has or would
// get), renamed over the final name once complete.  Until then the final
// file is untouched; a body that is given up is removed.  The data are not
// forced to disk: a download that a crash interrupts is fetched again.
class ArquivoParcial {
public:
    void Abre(const QString& destino)
    {
        m_destino = destino;
        if (const int erro = m_arquivo.open(destino, platform::AtomicFile::kKeepPermissions, "part"))
            throw platform::Error(erro == ENOENT ? platform::errors::PathNotFound : 75,
                                  platform::runTimeErrorText(75, QStringLiteral("%1 (%2)").arg(destino, TextoErroSistema(erro))),
                                  kFonteInternet);
    }

    void Escreve(const char* dados, qint64 tamanho)
    {
        if (const int erro = m_arquivo.write(dados, static_cast<std::size_t>(tamanho)))
            FalhaEscrita(erro);
    }

    void Conclui()
    {
        if (const int erro = m_arquivo.commit())
            FalhaEscrita(erro);
    }

    void Cancela() { m_arquivo.discard(); }

    bool Aberto() const { return m_arquivo.isOpen(); }

private:
    [[noreturn]] void FalhaEscrita(int erro)
    {
        const long numero = erro == ENOSPC ? 61 : platform::errors::DeviceIOError;
        throw platform::Error(numero,
                              platform::runTimeErrorText(numero, QStringLiteral("%1 (%2)").arg(m_destino, TextoErroSistema(erro))),
                              kFonteInternet);
    }

    QString m_destino;
    platform::AtomicFile m_arquivo;
};

// The destination of one body: text in memory, or a file.
class Destino {
public:
    Destino(bool texto, QString arquivo) : m_texto(texto), m_arquivo(std::move(arquivo)) {}
    ~Destino() { Descarta(); }

    void Abre()
    {
        if (m_texto)
            return;
        if (m_arquivo.isEmpty()) {
            m_arquivo = Modulo::ObtemNomeArquivoTemporario(QStringLiteral("tmp"));
            m_reservado = true;
        }
        m_saida = std::make_unique<ArquivoParcial>();
        m_saida->Abre(m_arquivo);
    }

    void Escreve(const char* dados, qint64 tamanho)
    {
        if (m_texto)
            m_corpo.append(dados, tamanho);
        else
            m_saida->Escreve(dados, tamanho);
    }

    // The result of a complete body: the text, or the path of the file.
    QString Conclui()
    {
        if (m_texto)
            return platform::fromWindows1252(m_corpo);
        if (!m_saida)
            Abre();  // an empty body still gives its (empty) file
        m_saida->Conclui();
        m_saida.reset();
        m_reservado = false;
        return m_arquivo;
    }

    bool Aberto() const { return m_texto || m_saida != nullptr; }

    // Drops what was received: the partial body and a reserved file name.
    void Descarta()
    {
        m_saida.reset();
        if (m_reservado) {
            QFile::remove(m_arquivo);
            m_reservado = false;
        }
        m_corpo.clear();
    }

private:
    bool m_texto;
    QString m_arquivo;
    bool m_reservado = false;
    std::unique_ptr<ArquivoParcial> m_saida;
    QByteArray m_corpo;
};

QString ProxySemCredenciais(const QString& proxy)
{
    QUrl url = QUrl::fromUserInput(proxy);
    return url.isValid() ? url.toString(QUrl::RemoveUserInfo | QUrl::StripTrailingSlash) : proxy;
}

}  // namespace

// ---------------------------------------------------------------------------

void DefinePalavraAgente(const QString& agente)
{
    g_agente = agente;
    g_agenteDefinido = true;
}

QString PalavraAgente()
{
    return g_agenteDefinido ? g_agente : QStringLiteral("DazadizeDePecasTQ_") + Modulo::gEdicao;
}

void DefineGanchoProgresso(std::function<void(long)> gancho)
{
    g_gancho = std::move(gancho);
}

void DefineTempos(const platform::HttpTimeouts& tempos)
{
    g_tempos = tempos;
    if (g_conexao)
        g_conexao->setTimeouts(tempos);
}

void DefineProgressoDownload(std::function<void(long)> barra) { g_barraDownload = std::move(barra); }

void AtualizaProgressoDownload(long Bytes)
{
    if (gFaseAtualizacao == QLatin1String("P2") && g_barraDownload)
        g_barraDownload(Bytes);
}

QByteArray CodificaObjeto(const QString& sObjeto)
{
    QString caminho = sObjeto;
    caminho.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (caminho.startsWith(QLatin1Char('/')))
        caminho.remove(0, 1);
    QByteArray resultado;
    const QStringList partes = caminho.split(QLatin1Char('/'));
    for (const QString& parte : partes)
        resultado += '/' + QUrl::toPercentEncoding(parte);
    return resultado;
}

QString BodyPostFileUpload(const QString&, const QString&)
{
    throw platform::Error(ErroUpload, QStringLiteral("Não é Permitido UPLOAD"),
                          QStringLiteral("modInternet.BodyPostFileUpload"));
}

void AbreConexaoInternet(const QString& sServidor)
{
    QString passo = QStringLiteral("InternetOpen");
    if (g_conexao && g_conexao->busy()) {
        throw platform::Error(ErroConexao, passo + QStringLiteral(":93 (a request is already running)"),
                              QStringLiteral("modInternet.AbreConexaoInternet"));
    }
    FechaConexaoInternet();
    auto conexao = std::make_unique<platform::HttpConnection>();
    QString motivo;
    int codigo = 0;
    passo = QStringLiteral("InternetConnect");
    if (!conexao->open(sServidor, PalavraAgente(), &motivo, &codigo)) {
        throw platform::Error(ErroConexao, QStringLiteral("%1:%2 (%3)").arg(passo).arg(codigo).arg(motivo),
                              QStringLiteral("modInternet.AbreConexaoInternet"));
    }
    conexao->setTimeouts(g_tempos);
    g_conexao = std::move(conexao);
}

void FechaConexaoInternet()
{
    if (!g_conexao)
        return;
    if (g_conexao->busy()) {
        // An event handler closes the series while a request waits: the
        // connection goes once that request has returned.
        g_conexao->close();
        return;
    }
    g_conexao.reset();
}

QString ExecutaRequisicaoHttp(const QString& sTipo, bool sPermiteDialogoProxy, const QString& sObjeto,
                              bool sRetornaConteudo, const QString& sArquivoLocal,
                              const QString& sDadosUpload1, const QString& sDadosUpload2,
                              const QString& sUsuarioProxy, const QString& sSenhaProxy,
                              qint64 sLimiteCorpo)
{
    QString passo = QStringLiteral("HttpOpenRequest");
    int codigo = 0;       // transport code of the last operation
    QString motivo;       // its text when it failed
    QString textoErro;
    QString resultado;
    Destino destino(sRetornaConteudo, sArquivoLocal);

    auto codigoTexto = [&] {
        return motivo.isEmpty() ? QString::number(codigo) : QStringLiteral("%1 (%2)").arg(codigo).arg(motivo);
    };

    // Keeps a reference to the connection for the whole request, so that an
    // event handler that closes the series cannot pull it away midway.
    platform::HttpConnection* conexao = g_conexao.get();
    try {
        if (!conexao || !conexao->isOpen() || conexao->busy()) {
            codigo = conexao && conexao->busy() ? 93 : 2;
            motivo = codigo == 93 ? QStringLiteral("a request is already running")
                                  : QStringLiteral("no open connection");
            textoErro = passo + QLatin1Char(':') + codigoTexto();
        } else {
            if (sTipo != QLatin1String("D")) {
                passo = QStringLiteral("HttpAddRequestHeaders");
                passo = QStringLiteral("BodyPostFileUpload");
                BodyPostFileUpload(sDadosUpload1, sDadosUpload2);
            }
            passo = QStringLiteral("InternetSetOption_TimeOut");
            conexao->setTimeouts(g_tempos);
            const QByteArray caminho = CodificaObjeto(sObjeto);

            std::exception_ptr pendente;
            auto guarda = [&pendente](auto&& f) -> bool {
                try {
                    return f();
                } catch (...) {
                    pendente = std::current_exception();
                    return false;
                }
            };
            platform::HttpConnection::Handler h;
            h.maxBodyBytes = sLimiteCorpo;
            h.onReply = [&](long status) {
                return guarda([&] {
                    if (status != 200)
                        return false;  // the body of a failed request is not read
                    destino.Abre();
                    return true;
                });
            };
            h.onData = [&](const char* dados, qint64 tamanho) {
                return guarda([&] {
                    destino.Escreve(dados, tamanho);
                    if (g_gancho)
                        g_gancho(static_cast<long>(tamanho));
                    return true;
                });
            };
            h.onWait = [&] {
                return guarda([] {
                    platform::DoEvents();
                    return true;
                });
            };

            int contadorProxy = 0;
            platform::HttpExchange troca;
            for (;;) {
                passo = QStringLiteral("HttpSendRequest");
                destino.Descarta();
                troca = conexao->get(caminho, h);
                codigo = troca.code;
                motivo = troca.error;
                if (pendente && !troca.replyStarted)
                    std::rethrow_exception(pendente);
                if (!troca.replyStarted) {
                    textoErro = passo + QLatin1Char(':') + codigoTexto();
                    break;
                }
                passo = QStringLiteral("HttpQueryInfo");
                if (troca.status != 200) {
                    // Refused by its status before the body: the query itself worked.
                    codigo = 0;
                    motivo.clear();
                }
                if (troca.status != 407)
                    break;

                ++contadorProxy;
                if (contadorProxy == 1 && (!sUsuarioProxy.isEmpty() || !sSenhaProxy.isEmpty())) {
                    passo = QStringLiteral("InternetSetOptionStr_ProxyUsername");
                    passo = QStringLiteral("InternetSetOptionStr_ProxyPassword");
                    conexao->setProxyCredentials(sUsuarioProxy, sSenhaProxy);
                    continue;
                }
                if (!sPermiteDialogoProxy)
                    break;
                passo = QStringLiteral("InternetErrorDlg");
                QString usuario = sUsuarioProxy;
                QString senha;
                const bool repetir = platform::proxyCredentialsDialog().Ask(
                    ProxySemCredenciais(conexao->proxy().url), usuario, senha);
                if (!repetir)
                    throw platform::Error(ErroProxyCancelado, QStringLiteral("Cancel Proxy Auth"), kFonteInternet);
                if (contadorProxy > 6)
                    throw platform::Error(ErroProxyTentativas, QStringLiteral("Cont=%1").arg(contadorProxy), kFonteInternet);
                conexao->setProxyCredentials(usuario, senha);
            }

            if (textoErro.isEmpty()) {
                if (troca.status != 200)
                    throw platform::Error(ErroStatus, QStringLiteral("Status=%1").arg(troca.status), kFonteInternet);
                if (pendente) {
                    // A local failure (the file could not be opened or written).
                    codigo = 0;
                    motivo.clear();
                    if (destino.Aberto())
                        passo = QStringLiteral("InternetReadFile");
                    std::rethrow_exception(pendente);
                }
                if (!troca.ok()) {
                    passo = QStringLiteral("InternetReadFile");
                    throw platform::Error(ErroLeitura, QStringLiteral("Ret=0"), kFonteInternet);
                }
                passo = QStringLiteral("Data Return");
                resultado = destino.Conclui();
            }
        }
    } catch (const platform::Error& e) {
        textoErro = passo + QLatin1Char(':') + codigoTexto() + QLatin1Char(';') + QString::number(e.number())
            + QLatin1Char(';') + e.description();
    } catch (const std::exception& e) {
        textoErro = passo + QLatin1Char(':') + codigoTexto() + QStringLiteral(";0;") + QString::fromLocal8Bit(e.what());
    }

    if (!textoErro.isEmpty()) {
        destino.Descarta();
        if (g_conexao.get() == conexao && conexao && !conexao->isOpen())
            g_conexao.reset();
        throw platform::Error(ErroRequisicao, textoErro, QStringLiteral("modInternet.ExecutaRequisicaoHttp"));
    }
    if (g_conexao.get() == conexao && conexao && !conexao->isOpen())
        g_conexao.reset();
    return resultado;
}

}  // namespace modInternet
