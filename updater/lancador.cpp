#include "updater/lancador.h"

#include "platform/base/volumeserial.h"
#include "platform/process/process.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace frmCallDazadizeTQ {
namespace {

const QString CRLF = QStringLiteral("\r\n");
const QChar Aspas = QLatin1Char('"');

struct Falha {
    long numero = 0;
    QString descricao;
};

// A failed system call in the run time's terms: its number and text, with
// the system's own reason.
Falha FalhaDeSistema(int erro)
{
    const QString motivo = QString::fromLocal8Bit(std::strerror(erro));
    switch (erro) {
    case ENOENT: return {53, QStringLiteral("File not found (%1)").arg(motivo)};
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EBUSY: return {70, QStringLiteral("Permission denied (%1)").arg(motivo)};
    case EEXIST: return {58, QStringLiteral("File already exists (%1)").arg(motivo)};
    case ENOEXEC: return {5, QStringLiteral("Invalid procedure call or argument (%1)").arg(motivo)};
    default: return {75, QStringLiteral("Path/File access error (%1)").arg(motivo)};
    }
}

QByteArray Nativo(const QString& caminho) { return QFile::encodeName(caminho); }

QString Detalhe(const Falha& f)
{
    return CRLF + CRLF + QStringLiteral("Erro Nº: ") + QString::number(f.numero) + CRLF + f.descricao;
}

QString MensagemBackup(const QString& programa, const Falha& f)
{
    return QStringLiteral("Erro ao Atualizar Razovovu. O Razovovu TQ (") + programa
        + QStringLiteral(") não pode estar em uso.") + CRLF + CRLF
        + QStringLiteral("Certifique-se que ninguém esteja utilizando ") + Aspas + programa + Aspas
        + QStringLiteral(" e entre no Razovovu novamente.") + Detalhe(f);
}

QString MensagemRenomear(const QString& pendente, const Falha& f)
{
    return QStringLiteral("Erro ao Renomear Arquivo ") + Aspas + pendente + Aspas + Detalhe(f);
}

QString MensagemChamar(const QString& programa, const Falha& f)
{
    return QStringLiteral("Erro ao Chamar ") + Aspas + programa + Aspas + Detalhe(f);
}

QString Duracao(int ms)
{
    if (ms >= 60000 && ms % 60000 == 0)
        return QStringLiteral("%1 minutos").arg(ms / 60000);
    return QStringLiteral("%1 segundos").arg((ms + 999) / 1000);
}

// The old program goes to a backup name as a second link to the same file, so
// "Tavrix_V" stays in place.  A file system without hard links gets a copy.
QString CriaBackup(const QString& pasta, const QString& programa, Falha* falha)
{
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const QString backup = ObtemNomeArquivoTemporario(pasta);
        if (::link(Nativo(programa).constData(), Nativo(backup).constData()) == 0)
            return backup;
        const int erro = errno;
        if (erro == EEXIST)
            continue;
        if (erro == EPERM || erro == EXDEV || erro == EOPNOTSUPP || erro == EMLINK || erro == ENOSYS) {
            QFile origem(programa);
            if (origem.copy(backup))
                return backup;
            *falha = {75, QStringLiteral("Path/File access error (%1)").arg(origem.errorString())};
            return {};
        }
        *falha = FalhaDeSistema(erro);
        return {};
    }
    *falha = FalhaDeSistema(EEXIST);
    return {};
}

// Permissions of the new program: those of the old one with execution on,
// else rwxr-xr-x.
mode_t ModoExecutavel(const QString& programaAntigo)
{
    struct stat st {};
    if (!programaAntigo.isEmpty() && ::stat(Nativo(programaAntigo).constData(), &st) == 0)
        return (st.st_mode & 07777) | S_IXUSR | ((st.st_mode & S_IRGRP) ? S_IXGRP : 0)
            | ((st.st_mode & S_IROTH) ? S_IXOTH : 0);
    return 0755;
}

// Starts the catalogue.  With `confirmarMs` > 0 the program must still run
// after that time, or have ended with code 0, to count as started.
bool Inicia(const QString& programa, int confirmarMs, Falha* falha)
{
    const platform::SpawnResult r = platform::spawnProgram(programa, {QString::fromLatin1(kPalavraInicio)});
    if (!r.ok()) {
        *falha = FalhaDeSistema(r.error);
        return false;
    }
    if (confirmarMs <= 0)
        return true;
    int status = 0;
    if (!platform::waitForChild(r.pid, confirmarMs, &status))
        return true;  // still running
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return true;
    if (WIFSIGNALED(status))
        *falha = {128 + WTERMSIG(status),
                  QStringLiteral("O programa terminou logo ao iniciar (sinal %1).").arg(WTERMSIG(status))};
    else
        *falha = {WEXITSTATUS(status),
                  QStringLiteral("O programa terminou logo ao iniciar (código de saída %1).").arg(WEXITSTATUS(status))};
    return false;
}

}  // namespace

QString ObtemCaminhoApp(bool ComBarra)
{
    QString pasta = QCoreApplication::applicationDirPath();
    if (ComBarra && !pasta.endsWith(QLatin1Char('/')))
        pasta += QLatin1Char('/');
    return pasta;
}

bool ArquivoExiste(const QString& Caminho)
{
    if (Caminho.isEmpty() || !QFileInfo(Caminho).isFile())
        return false;
    QFile f(Caminho);
    return f.open(QIODevice::ReadOnly);
}

QString ObtemSerieVolume(const QString&)
{
    const QString serie = platform::machineVolumeSerial();
    return serie.isEmpty() ? QStringLiteral("00000000") : serie;
}

QString ObtemNomeArquivoTemporario(const QString& Pasta)
{
    QString pasta = Pasta;
    if (!pasta.isEmpty() && !pasta.endsWith(QLatin1Char('/')))
        pasta += QLatin1Char('/');
    const QString serie = ObtemSerieVolume();
    QString nome;
    do {
        nome = pasta + QDateTime::currentDateTime().toString(QStringLiteral("sshhyymmMMdd")) + serie
            + QString::number(QRandomGenerator::global()->bounded(10000)) + QStringLiteral(".tmp");
    } while (QFileInfo::exists(nome));
    return nome;
}

bool EhProgramaDoSistema(const QString& Caminho)
{
    return platform::isProgramForThisSystem(Caminho);
}

int Form_Load(const QString& comando, const Ambiente& ambiente)
{
    const auto mensagem = [&](const QString& texto) {
        if (ambiente.mensagem)
            ambiente.mensagem(texto);
    };

    // 1. Wait for the program that asked for the restart.
    const QString linha = comando.trimmed();
    if (!linha.isEmpty()) {
        bool ok = false;
        const qint64 pid = linha.toLongLong(&ok);
        if (!ok || pid <= 0 || pid > INT_MAX || !linha.at(0).isDigit()) {
            mensagem(QStringLiteral("Erro ao Acessar Razovovu. Parâmetro inválido: ") + Aspas + linha + Aspas
                     + QStringLiteral(".") + CRLF + CRLF
                     + QStringLiteral("O parâmetro deve ser o número do processo a aguardar, ou nenhum."));
            return ErroArgumento;
        }
        if (platform::waitForProcessEnd(pid, ambiente.limiteEspera) == platform::ProcessWait::TimedOut) {
            mensagem(QStringLiteral("Erro ao Atualizar Razovovu. O Razovovu TQ (processo %1) ainda está em execução "
                                    "após %2 de espera.")
                         .arg(pid)
                         .arg(Duracao(ambiente.limiteEspera))
                     + CRLF + CRLF + QStringLiteral("Feche o Razovovu TQ e entre no Razovovu novamente."));
            return ErroEspera;
        }
    }

    // 2. Swap in a pending new program.
    QString pasta = ambiente.pasta;
    if (!pasta.endsWith(QLatin1Char('/')))
        pasta += QLatin1Char('/');
    const QString programa = pasta + QLatin1String(kPrograma);
    const QString pendente = pasta + QLatin1String(kPendente);
    const bool programaExiste = ArquivoExiste(programa);
    const bool pendenteExiste = ArquivoExiste(pendente);
    QString backup;

    if (pendenteExiste && !EhProgramaDoSistema(pendente)) {
        const bool vazio = QFileInfo(pendente).size() == 0;
        mensagem(QStringLiteral("Erro ao Atualizar Razovovu. O arquivo ") + Aspas + pendente + Aspas
                 + (vazio ? QStringLiteral(" está vazio") : QStringLiteral(" não é um programa deste sistema"))
                 + QStringLiteral(" e não foi aplicado.") + CRLF + CRLF
                 + QStringLiteral("O Razovovu TQ atual será iniciado."));
    } else if (pendenteExiste) {
        Falha falha;
        if (programaExiste) {
            backup = CriaBackup(pasta, programa, &falha);
            if (backup.isEmpty()) {
                mensagem(MensagemBackup(programa, falha));
                return ErroTroca;
            }
        }
        const bool trocou = ::chmod(Nativo(pendente).constData(), ModoExecutavel(programaExiste ? programa : QString())) == 0
            && ::rename(Nativo(pendente).constData(), Nativo(programa).constData()) == 0;
        if (!trocou) {
            // The old program was never moved: only the backup link goes.
            mensagem(MensagemRenomear(pendente, FalhaDeSistema(errno)));
            if (!backup.isEmpty())
                ::unlink(Nativo(backup).constData());
            return ErroTroca;
        }
    }

    // 3. Start the catalogue.
    Falha falha;
    if (backup.isEmpty()) {
        if (!Inicia(programa, 0, &falha)) {
            mensagem(MensagemChamar(programa, falha));
            return ErroInicio;
        }
        return Iniciado;
    }
    if (Inicia(programa, ambiente.confirmacaoInicio, &falha)) {
        ::unlink(Nativo(backup).constData());
        return Iniciado;
    }
    mensagem(MensagemChamar(programa, falha));
    // The new program cannot start: it goes back to being the pending file
    // and the old one is put back in its place.
    ::link(Nativo(programa).constData(), Nativo(pendente).constData());
    if (::rename(Nativo(backup).constData(), Nativo(programa).constData()) != 0) {
        mensagem(QStringLiteral("Erro ao Restaurar o Razovovu TQ anterior a partir de ") + Aspas + backup + Aspas
                 + Detalhe(FalhaDeSistema(errno)));
        return ErroInicio;
    }
    if (!Inicia(programa, 0, &falha)) {
        mensagem(MensagemChamar(programa, falha));
        return ErroInicio;
    }
    return Iniciado;
}

}  // namespace frmCallDazadizeTQ
