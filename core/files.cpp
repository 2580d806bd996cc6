#include "core/files.h"

#include "core/globals.h"
#include "core/textosproprios.h"
#include "platform/base/codepage.h"
#include "platform/base/error.h"
#include "platform/base/language.h"
#include "platform/base/volumeserial.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Modulo {
namespace {

using platform::Error;

const QString kOrigem = QStringLiteral("Modulo");

QString comBarra(QString pasta, bool barra)
{
    if (barra && !pasta.endsWith(QLatin1Char('/')))
        pasta += QLatin1Char('/');
    return pasta;
}

QString semBarra(QString pasta)
{
    while (pasta.size() > 1 && pasta.endsWith(QLatin1Char('/')))
        pasta.chop(1);
    return pasta;
}

QString& pastaSistemaDefinida()
{
    static QString pasta;
    return pasta;
}

// Raises the run-time error that an errno value stands for.
[[noreturn]] void raiseErrno(int err, const QString& caminho, long padrao)
{
    long numero = padrao;
    switch (err) {
    case ENOENT:
        // A missing file in an existing folder is "file not found"; a missing
        // folder on the way is "path not found".
        numero = padrao == platform::errors::FileNotFound && QFileInfo(caminho).dir().exists()
                     ? platform::errors::FileNotFound
                     : platform::errors::PathNotFound;
        break;
    case ENOTDIR:
        numero = platform::errors::PathNotFound;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        numero = platform::errors::PermissionDenied;
        break;
    case EEXIST:
        numero = platform::errors::FileAlreadyExists;
        break;
    default:
        numero = 75;
        break;
    }
    throw Error(numero, platform::runTimeErrorText(numero, QDir::toNativeSeparators(caminho) + QStringLiteral(" (") +
                                                    QString::fromLocal8Bit(std::strerror(err)) + QLatin1Char(')')),
                kOrigem);
}

// The user's private temporary folder: created with mode 0700, and accepted
// only when it is a real folder (not a link) owned by the user.
QString pastaTemporariaPrivada()
{
    const QString pasta = QDir::tempPath() + QStringLiteral("/NorvaleInformatica-") + QString::number(::getuid());
    const QByteArray nativo = QFile::encodeName(pasta);
    if (::mkdir(nativo.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat st {};
    if (::lstat(nativo.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return {};
    if ((st.st_mode & 0077) != 0 && ::chmod(nativo.constData(), 0700) != 0)
        return {};
    return pasta;
}

}  // namespace

QString ObtemCaminhoApp(bool ComBarra)
{
    QString pasta = QCoreApplication::applicationDirPath();
    if (pasta.isEmpty())
        pasta = QDir::currentPath();
    return comBarra(pasta, ComBarra);
}

bool ArquivoExiste(const QString& Caminho)
{
    if (Caminho.isEmpty())
        return false;
    const QFileInfo info(Caminho);
    if (!info.exists() || info.isDir())
        return false;
    QFile f(Caminho);
    return f.open(QIODevice::ReadOnly);
}

QByteArray LeArquivoBytes(const QString& Caminho)
{
    if (QFileInfo(Caminho).isDir())
        throw Error(75,
                    platform::runTimeErrorText(
                        75, TextoNoIdioma("%1 é uma pasta", "%1 es una carpeta", "%1 is a folder").arg(Caminho)),
                    kOrigem);
    const QByteArray nativo = QFile::encodeName(Caminho);
    const int fd = ::open(nativo.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        raiseErrno(errno, Caminho, platform::errors::FileNotFound);
    QFile f;
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw Error(75, platform::runTimeErrorText(75, Caminho), kOrigem);
    }
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw Error(platform::errors::DeviceIOError,
                    platform::runTimeErrorText(platform::errors::DeviceIOError,
                                               Caminho + QStringLiteral(" (") + f.errorString() + QLatin1Char(')')),
                    kOrigem);
    return bytes;
}

QString LeArquivo(const QString& Caminho)
{
    return platform::fromWindows1252(LeArquivoBytes(Caminho));
}

void ExcluiArquivo(const QString& Caminho)
{
    if (!ArquivoExiste(Caminho))
        return;
    QFile f(Caminho);
    // A read-only file goes as well: make it writable first.
    f.setPermissions(f.permissions() | QFileDevice::WriteOwner);
    const QByteArray nativo = QFile::encodeName(Caminho);
    if (::unlink(nativo.constData()) != 0)
        raiseErrno(errno, Caminho, 75);
}

bool PastaExiste(const QString& Caminho)
{
    if (Caminho.isEmpty())
        return false;
    return QFileInfo::exists(Caminho.size() > 1 ? semBarra(Caminho) : Caminho);
}

void CriaPastas(const QString& Base, const QString& Relativo, bool UltimoEhArquivo)
{
    QString relativo = Relativo;
    relativo.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relativo.startsWith(QLatin1Char('/')))
        throw Error(75,
                    platform::runTimeErrorText(75, TextoNoIdioma("%1 não é um caminho relativo",
                                                                 "%1 no es una ruta relativa", "%1 is not a relative path")
                                                       .arg(Relativo)),
                    kOrigem);
    QStringList elementos = relativo.split(QLatin1Char('/'));
    if (UltimoEhArquivo && !elementos.isEmpty())
        elementos.removeLast();
    for (const QString& e : elementos)
        if (e == QLatin1String(".."))
            throw Error(75,
                        platform::runTimeErrorText(75, TextoNoIdioma("%1 sai da sua pasta", "%1 sale de su carpeta",
                                                                     "%1 leaves its folder")
                                                           .arg(Relativo)),
                        kOrigem);

    QString atual = comBarra(Base, true);
    for (const QString& e : elementos) {
        if (e.isEmpty() || e == QLatin1String("."))
            continue;
        const QString pasta = atual + e;
        if (!PastaExiste(pasta)) {
            const QByteArray nativo = QFile::encodeName(pasta);
            if (::mkdir(nativo.constData(), 0777) != 0 && errno != EEXIST)
                raiseErrno(errno, pasta, 75);
        }
        atual = pasta + QLatin1Char('/');
    }
}

void DefinePastaSistema(const QString& pasta) { pastaSistemaDefinida() = pasta; }

QString ObtemPastaSistema(const QString& Tipo, bool ComBarra)
{
    const QString tipo = Tipo.trimmed().toUpper();
    QString pasta;
    if (tipo == QLatin1String("SYSTEM")) {
        pasta = pastaSistemaDefinida();
        if (pasta.isEmpty())
            pasta = qEnvironmentVariable("TQ_SYSTEM_DIR");
        if (pasta.isEmpty())
            pasta = QStringLiteral("/etc/xdg/NorvaleInformatica/");
    } else if (tipo == QLatin1String("TEMP")) {
        pasta = pastaTemporariaPrivada();
    }
    if (pasta.isEmpty())
        return ObtemCaminhoApp(ComBarra);
    return ComBarra ? comBarra(pasta, true) : semBarra(pasta);
}

QString LeValorRegistro(long HKey, const QString& SubChave, const QString& Valor)
{
    const QString shellFolders =
        QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");
    if (HKey == HKEY_CURRENT_USER && SubChave.compare(shellFolders, Qt::CaseInsensitive) == 0 &&
        Valor.compare(QLatin1String("Desktop"), Qt::CaseInsensitive) == 0)
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return {};
}

QString ObtemPastaDesktop(bool ComBarra)
{
    const QString valor = LeValorRegistro(
        HKEY_CURRENT_USER, QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
        QStringLiteral("Desktop"));
    if (valor.trimmed().isEmpty() || !QFileInfo(valor).isDir())
        return ObtemCaminhoApp(ComBarra);
    return ComBarra ? comBarra(valor, true) : valor;
}

void LevantaErroArquivo(int Erro, const QString& Caminho, long Padrao)
{
    raiseErrno(Erro, Caminho, Padrao);
}

namespace detail {

QString NomeTemporario(const QString& pasta, const QDateTime& momento, const QString& serie, int numero,
                       const QString& extensao)
{
    return pasta + momento.toString(QStringLiteral("sshhyymmMMdd")) + serie + QString::number(numero) +
           QLatin1Char('.') + extensao;
}

}  // namespace detail

QString ObtemSerieVolume(const QString& /*Raiz*/)
{
    const QString serie = platform::machineVolumeSerial();
    return serie.isEmpty() ? QStringLiteral("1A281CEC") : serie;
}

QString ObtemNomeArquivoTemporario(const QString& Extensao)
{
    const QString serie = ObtemSerieVolume(QStringLiteral("C:/"));
    auto* aleatorio = QRandomGenerator::global();
    for (;;) {
        const QString nome = detail::NomeTemporario(gCaminhoDados, QDateTime::currentDateTime(), serie,
                                                    static_cast<int>(aleatorio->bounded(10000)), Extensao);
        const QByteArray nativo = QFile::encodeName(nome);
        const int fd = ::open(nativo.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return nome;
        }
        if (errno != EEXIST)
            raiseErrno(errno, nome, 75);
        // Taken by another program or an earlier run: draw another number.
    }
}

int ExecutaAguardando(const QString& Programa, const QStringList& Argumentos, int /*Estilo*/)
{
    QProcess processo;
    processo.setProgram(Programa);
    processo.setArguments(Argumentos);
    processo.setProcessChannelMode(QProcess::ForwardedChannels);
    processo.start();
    if (!processo.waitForStarted(-1))
        throw Error(platform::errors::FileNotFound,
                    platform::runTimeErrorText(platform::errors::FileNotFound,
                                               TextoNoIdioma("não é possível iniciar %1", "no se puede iniciar %1",
                                                             "cannot start %1")
                                                       .arg(Programa) +
                                                   QStringLiteral(" (") + processo.errorString() + QLatin1Char(')')),
                    kOrigem);
    processo.closeWriteChannel();

    // Wait in an event loop: the windows keep handling their events, and the
    // thread sleeps until the process ends.
    if (processo.state() != QProcess::NotRunning) {
        QEventLoop espera;
        QObject::connect(&processo, &QProcess::finished, &espera, &QEventLoop::quit);
        if (processo.state() != QProcess::NotRunning)
            espera.exec();
    }
    if (processo.exitStatus() != QProcess::NormalExit)
        return -1;
    return processo.exitCode();
}

}  // namespace Modulo
