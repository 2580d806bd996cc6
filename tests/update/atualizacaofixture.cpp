#include "atualizacaofixture.h"

#include "core/config.h"
#include "core/database.h"
#include "core/globals.h"
#include "platform/dao/dao.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace tqupd {

using namespace platform::dao;

void CriaCatalogo(const QString& pasta, const QString& url, int versao)
{
    QDir().mkpath(pasta);
    const QString arquivo = QDir(pasta).filePath(Modulo::NomeArquivoCatalogo());
    QFile::remove(arquivo);
    DatabasePtr db = DBEngine::CreateDatabase(arquivo);
    for (const QString& sql : {
             QStringLiteral("CREATE TABLE UMREGISTRO (UrlAtualizacao TEXT(255), Versao SHORT, VersaoAnterior SHORT, "
                            "DataEmissao DATETIME, ComplementoDataEmissao TEXT(50), DataUltimaVerificacao DATETIME, "
                            "FlagErroUltimaVerificacao SHORT)"),
             QStringLiteral("INSERT INTO UMREGISTRO VALUES ('%1', %2, %3, DateSerial(2024,3,15), ' R2', Null, 0)")
                 .arg(url)
                 .arg(versao)
                 .arg(versao - 1),
             QStringLiteral("CREATE TABLE CONTROLETRAN (a LONG)"),
             QStringLiteral("INSERT INTO CONTROLETRAN VALUES (1)"),
             QStringLiteral("CREATE TABLE NOTA (Codigo LONG, Texto MEMO)"),
             QStringLiteral("INSERT INTO NOTA VALUES (1, 'um')"),
             QStringLiteral("INSERT INTO NOTA VALUES (2, 'dois')"),
         })
        db->Execute(sql);
    db->Close();
}

void AbreGlobais(const QString& pastaDados, const QString& pastaUsuario)
{
    Modulo::gCaminhoDados = pastaDados.endsWith(QLatin1Char('/')) ? pastaDados : pastaDados + QLatin1Char('/');
    Modulo::gEdicao = QStringLiteral("V");
    Modulo::gIdioma = QStringLiteral("P");
    Modulo::gReiniciarPeloLancador = false;
    Modulo::gParametro.clear();
    Modulo::DefinePastaUsuario(pastaUsuario);
    Modulo::AbreBancoDazadize(Modulo::gWsDazadize, QStringLiteral("gWS"), Modulo::gDbDazadize, true);
}

void FechaGlobais()
{
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    Modulo::BloqueiaDazadize(false);
    Modulo::DefinePastaUsuario({});
    Modulo::gReiniciarPeloLancador = false;
}

void Escreve(const QString& caminho, const QByteArray& conteudo)
{
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(conteudo) != conteudo.size())
        throw std::runtime_error(("cannot write " + caminho).toStdString());
}

QMap<QString, QString> EstadoPasta(const QString& pasta)
{
    QMap<QString, QString> estado;
    QDirIterator it(pasta, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir base(pasta);
    while (it.hasNext()) {
        const QString caminho = it.next();
        const QFileInfo fi = it.fileInfo();
        const QString rel = base.relativeFilePath(caminho);
        if (fi.isSymLink()) {
            estado.insert(rel, QStringLiteral("link ") + fi.symLinkTarget());
        } else if (fi.isDir()) {
            estado.insert(rel, QStringLiteral("d"));
        } else {
            QFile f(caminho);
            f.open(QIODevice::ReadOnly);
            struct stat st {};
            ::stat(QFile::encodeName(caminho).constData(), &st);
            estado.insert(rel, QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex())
                                   + QStringLiteral(" %1").arg(st.st_mode & 07777, 0, 8));
        }
    }
    return estado;
}

QString DumpBanco(const QString& arquivo)
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {QStringLiteral("-readonly"), arquivo, QStringLiteral(".dump")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput()) + QString::fromUtf8(p.readAllStandardError());
}

QString ConsultaBanco(const QString& arquivo, const QString& sql)
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {arquivo, sql});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString ProgramaDoSistema()
{
    return QStandardPaths::findExecutable(QStringLiteral("true"));
}

bool SouRoot() { return ::geteuid() == 0; }

void VisaoGravada::Prepara(const QStringList& t)
{
    titulos = t;
    chamadas << QStringLiteral("prepara %1").arg(t.size());
}

void VisaoGravada::IniciaPasso(int passo) { chamadas << QStringLiteral("inicia %1").arg(passo); }

void VisaoGravada::AtualizarProgressBar(int passo, qint64 total, qint64 feito)
{
    chamadas << QStringLiteral("barra %1 %2 %3")
                    .arg(passo)
                    .arg(Atualizacao::TextoPercentual(total, feito))
                    .arg(Atualizacao::LarguraBarraProgresso(total, feito));
}

void VisaoGravada::ConcluiPasso(int passo) { chamadas << QStringLiteral("conclui %1").arg(passo); }

QStringList VisaoGravada::Barras(int passo) const
{
    QStringList out;
    const QString prefixo = QStringLiteral("barra %1 ").arg(passo);
    for (const QString& c : chamadas)
        if (c.startsWith(prefixo))
            out << c.mid(prefixo.size()).section(QLatin1Char(' '), 0, 1);
    return out;
}

}  // namespace tqupd

// ---------------------------------------------------------------------------

#include "update/internet.h"

#include <QJsonDocument>

namespace tqupd {

void TesteAtualizacao::SetUp()
{
    for (const char* v : {"http_proxy", "HTTP_PROXY", "no_proxy", "NO_PROXY"})
        qunsetenv(v);
    dados = raiz.file(QStringLiteral("dados/"));
    programa = raiz.file(QStringLiteral("programa/"));
    usuario = raiz.file(QStringLiteral("usuario"));
    arvore = raiz.file(QStringLiteral("arvore/"));
    for (const QString& p : {dados, programa, usuario, arvore + QStringLiteral("tq/V")})
        QDir().mkpath(p);
    platform::setProxyCredentialsDialog(&dialogo);
    opcoes.pastaDados = dados;
    opcoes.pastaPrograma = programa;
    opcoes.iniciaPrograma = false;
}

void TesteAtualizacao::TearDown()
{
    execucao.reset();
    FechaGlobais();
    Modulo::gIdioma = QStringLiteral("P");  // a test may run in another language
    modInternet::FechaConexaoInternet();
    modInternet::DefineTempos({});
    platform::setProxyCredentialsDialog(nullptr);
    qunsetenv("http_proxy");
}

QString TesteAtualizacao::Catalogo() const { return dados + Modulo::NomeArquivoCatalogo(); }

void TesteAtualizacao::Catalogo(const QString& servidor, int versao)
{
    FechaGlobais();
    CriaCatalogo(dados, QStringLiteral("http://%1/tq").arg(servidor), versao);
    AbreGlobais(dados, usuario);
}

void TesteAtualizacao::NoServidor(const QString& nome, const QByteArray& conteudo)
{
    QString rel = nome;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    Escreve(arvore + QStringLiteral("tq/V/") + rel, conteudo);
}

bool TesteAtualizacao::ServeNginx(int versao)
{
    if (!web.start(arvore))
        return false;
    Catalogo(web.hostPort(), versao);
    return true;
}

bool TesteAtualizacao::ServeRoteiro(const QMap<QString, QJsonObject>& trocas, int versao)
{
    QJsonObject rotas;
    const QString base = arvore + QStringLiteral("tq/V/");
    QDirIterator it(base, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString caminho = it.next();
        QFile f(caminho);
        f.open(QIODevice::ReadOnly);
        QJsonObject r;
        r.insert(QStringLiteral("body"), QString::fromLatin1(f.readAll()));
        rotas.insert(QStringLiteral("/tq/V/") + QDir(base).relativeFilePath(caminho), r);
    }
    for (auto t = trocas.begin(); t != trocas.end(); ++t)
        rotas.insert(QStringLiteral("/tq/V/") + t.key(), t.value());
    QJsonObject cenario;
    cenario.insert(QStringLiteral("routes"), rotas);
    if (!roteiro.start(cenario))
        return false;
    Catalogo(roteiro.hostPort(), versao);
    return true;
}

bool TesteAtualizacao::Roda(int atual, int nova)
{
    execucao = std::make_unique<Atualizacao::ExecucaoAtualizacao>(visao, opcoes);
    return execucao->AtualizaDazadize(static_cast<short>(atual), static_cast<short>(nova));
}

QStringList TesteAtualizacao::Pedidos() const
{
    QStringList out;
    for (const tqrig::RecordedRequest& r : roteiro.requests())
        out << QUrl::fromPercentEncoding(r.path.toUtf8()).mid(6);
    return out;
}

long TesteAtualizacao::NumeroErro() const
{
    for (const auto& c : caixas.shown)
        if (c.icon() == platform::vbCritical) {
            const QString linha = c.text.section(QStringLiteral("\r\n"), 0, 0);
            return linha.section(QStringLiteral(": "), 1).toLong();
        }
    return 0;
}

}  // namespace tqupd
