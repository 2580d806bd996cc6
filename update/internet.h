#pragma once
// modInternet - the HTTP client through which the catalogue program and the
// update checker talk to the update server.
//
// One connection to one host is opened for a series of requests, each an
// HTTP/1.0 GET whose body goes to a local file or comes back as text:
//
//   modInternet::AbreConexaoInternet("updates.example.com");   // raises -100
//   QString v = modInternet::ExecutaRequisicaoHttp("D", true, "V/Versao.asp",
//                                                  true, "", "", "", user, pwd);
//   modInternet::FechaConexaoInternet();
//
// Errors are raised as platform::Error.  The caller sees -100 from the
// opening and -104 from a request; the reason inside a failed request is
// written into the description of -104 as
//     step word ":" code ";" inner number ";" inner description
// for example "HttpQueryInfo:0;-103;Status=404", where the step word names
// the operation in progress and the code is the transport's (libcurl's) code
// of the last operation, followed by its text in parentheses when it failed.
// A request that cannot be sent gives "HttpSendRequest:" and the code.
//
// One series at a time: the module holds one connection.  While a request
// waits for the server, window events run (the windows stay responsive); an
// event handler that starts another request meanwhile gets -104.

#include "platform/base/error.h"
#include "platform/http/httpconnection.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace modInternet {

// Error numbers of the client.
constexpr long ErroConexao = -100;          // the connection could not be opened
constexpr long ErroCertificado = -101;      // kept for the callers; never raised: certificates are always checked
constexpr long ErroProxyTentativas = -102;  // "Cont=7": the credentials dialog was answered with retry too often
constexpr long ErroStatus = -103;           // "Status=" and a status other than 200
constexpr long ErroRequisicao = -104;       // a request failed (the reason is in the description)
constexpr long ErroLeitura = -105;          // "Ret=0": the body could not be read whole
constexpr long ErroProxyCancelado = -106;   // "Cancel Proxy Auth"
constexpr long ErroUpload = -107;           // "Não é Permitido UPLOAD"

// "P2" while the update run downloads its entries, blank otherwise; the
// catalogue program's progress hook moves the download bar only then.
extern QString gFaseAtualizacao;

// Opens the connection to `sServidor`: a host name, optionally with ":" and a
// port (80 otherwise).  No traffic yet; a malformed host raises -100 with
// "InternetConnect:" and the code.  An open connection is closed first.
void AbreConexaoInternet(const QString& sServidor);

// Closes the connection; never fails; a second call does nothing.
void FechaConexaoInternet();

// One request on the open connection.
//   sTipo                 "D" download; any other kind is refused with -107
//                         before anything is sent
//   sPermiteDialogoProxy  whether the proxy credentials dialog may be shown
//   sObjeto               object path on the host ("V/Versao.asp"); each
//                         path segment is percent-encoded, "\" counts as "/"
//   sRetornaConteudo      true: the body is returned as text (Windows-1252)
//                         and no file is written
//   sArquivoLocal         with sRetornaConteudo false: the file to receive
//                         the body; empty for a new temporary file in the
//                         data folder.  The body is written beside it and
//                         renamed into place only when it arrived whole, so a
//                         failed request leaves an existing file unchanged
//                         and leaves no partial file behind.
//   sDadosUpload1/2       ignored (uploads are refused)
//   sUsuarioProxy/Senha   stored proxy credentials, empty when none
//   sLimiteCorpo          the longest body accepted, in bytes (0: no limit);
//                         a longer one ends the request as a body that could
//                         not be read whole ("InternetReadFile:63 (...);-105")
// Returns the body text, or the path of the file that holds the body.
// Proxy authentication: on the first 407 the stored credentials are tried
// (when there are any); on further 407 replies the credentials dialog is
// shown when allowed (cancel: -106; retry at the seventh 407: -102); when it
// is not allowed the request ends with -103 "Status=407".
// Raises -104.
QString ExecutaRequisicaoHttp(const QString& sTipo, bool sPermiteDialogoProxy, const QString& sObjeto,
                              bool sRetornaConteudo, const QString& sArquivoLocal,
                              const QString& sDadosUpload1, const QString& sDadosUpload2,
                              const QString& sUsuarioProxy, const QString& sSenhaProxy,
                              qint64 sLimiteCorpo = 0);

// Builder of an upload body: uploads are not allowed; always raises -107.
QString BodyPostFileUpload(const QString& sDadosUpload1, const QString& sDadosUpload2);

// The catalogue program's progress hook: while gFaseAtualizacao is "P2",
// hands the byte count to the download-bar function installed with
// DefineProgressoDownload; otherwise does nothing.
void AtualizaProgressoDownload(long Bytes);
void DefineProgressoDownload(std::function<void(long Bytes)> barra);

// --- Choices of the program that links the client -------------------------

// The agent word of the session ("DazadizeDePecasTQ_" and the edition letter
// unless set).
void DefinePalavraAgente(const QString& agente);
QString PalavraAgente();

// The hook called with the size of every piece of body received (by default
// AtualizaProgressoDownload).  An empty function turns it off.
void DefineGanchoProgresso(std::function<void(long Bytes)> gancho);

// Time-outs of the requests (60 s each unless set; tests shorten them).
void DefineTempos(const platform::HttpTimeouts& tempos);

// The request path for an object name: "/" and the segments, each
// percent-encoded as UTF-8, "\" taken as "/".
QByteArray CodificaObjeto(const QString& sObjeto);

}  // namespace modInternet
