#include "update/preparacao.h"

#include "core/textosproprios.h"
#include "platform/base/error.h"
#include "update/nomesatualizacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Atualizacao {
namespace {

const QString kFontePreparacao = QStringLiteral("AtualizaDazadize");

QByteArray Nativo(const QString& caminho) { return QFile::encodeName(caminho); }

QString TextoErro(int erro) { return QString::fromLocal8Bit(std::strerror(erro)); }

[[noreturn]] void Falha(int erro, const QString& acao, const QString& caminho)
{
    const long numero = erro == ENOSPC ? 61 : erro == EIO ? platform::errors::DeviceIOError : 75;
    throw platform::Error(numero, QStringLiteral("%1 \"%2\": %3").arg(acao, caminho, TextoErro(erro)), kFontePreparacao);
}

QString SemBarra(QString p)
{
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

}  // namespace

void RemoveCaminho(const QString& caminho)
{
    const QString c = SemBarra(caminho);
    struct stat st {};
    if (::lstat(Nativo(c).constData(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode)) {
        // QDir removes links inside the tree, never what they point to.
        QDir(c).removeRecursively();
    } else {
        ::unlink(Nativo(c).constData());
    }
}

void Sincroniza(const QString& caminho)
{
    const int fd = ::open(Nativo(SemBarra(caminho)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        Falha(errno, Modulo::TextoNoIdioma("Não foi possível abrir", "No se pudo abrir", "Could not open"), caminho);
    if (::fsync(fd) != 0) {
        const int erro = errno;
        ::close(fd);
        if (erro != EINVAL && erro != EROFS)  // a file system that cannot flush folders
            Falha(erro,
                  Modulo::TextoNoIdioma("Não foi possível gravar no disco", "No se pudo grabar en el disco",
                                        "Could not write to the disk"),
                  caminho);
        return;
    }
    ::close(fd);
}

void CriaPastaSincronizada(const QString& pasta)
{
    const QString p = SemBarra(pasta);
    if (::mkdir(Nativo(p).constData(), 0777) != 0) {
        const int erro = errno;
        if (erro == EEXIST && QFileInfo(p).isDir())
            return;
        Falha(erro,
              Modulo::TextoNoIdioma("Não foi possível criar a pasta", "No se pudo crear la carpeta",
                                    "Could not create the folder"),
              p);
    }
    Sincroniza(QFileInfo(p).absolutePath());
}

void MoveArquivo(const QString& origem, const QString& destino, ModoArquivo modo)
{
    struct stat atual {};
    const bool existe = ::stat(Nativo(destino).constData(), &atual) == 0 && S_ISREG(atual.st_mode);
    mode_t bits = existe ? (atual.st_mode & 07777) : 0644;
    if (modo == ModoArquivo::Programa)
        bits = existe ? (bits | S_IXUSR | ((bits & S_IRGRP) ? S_IXGRP : 0) | ((bits & S_IROTH) ? S_IXOTH : 0)) : 0755;
    if (::chmod(Nativo(origem).constData(), bits) != 0)
        Falha(errno, Modulo::TextoNoIdioma("Não foi possível preparar", "No se pudo preparar", "Could not prepare"),
              origem);
    Sincroniza(origem);
    if (::rename(Nativo(origem).constData(), Nativo(destino).constData()) != 0)
        Falha(errno,
              Modulo::TextoNoIdioma("Não foi possível substituir o arquivo", "No se pudo reemplazar el archivo",
                                    "Could not replace the file"),
              destino);
    Sincroniza(QFileInfo(destino).absolutePath());
}

PastaPreparacao::PastaPreparacao(const QString& pastaMae)
{
    QString mae = pastaMae;
    if (!mae.endsWith(QLatin1Char('/')))
        mae += QLatin1Char('/');
    m_caminho = mae + QLatin1String(kPastaPreparacao) + QLatin1Char('/');
}

PastaPreparacao::~PastaPreparacao() { Remove(); }

void PastaPreparacao::Prepara()
{
    RemoveCaminho(m_caminho);
    const QString p = SemBarra(m_caminho);
    if (::mkdir(Nativo(p).constData(), 0700) != 0)
        Falha(errno,
              Modulo::TextoNoIdioma("Não foi possível criar a pasta", "No se pudo crear la carpeta",
                                    "Could not create the folder"),
              p);
    m_preparada = true;
}

void PastaPreparacao::Remove()
{
    if (!m_preparada)
        return;
    RemoveCaminho(m_caminho);
    m_preparada = false;
}

}  // namespace Atualizacao
