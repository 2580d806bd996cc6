#include "update/registroatualizacao.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace Atualizacao {

void RegistroAtualizacao::Falha(const QString& script, int linha, long numero, const QString& mensagem,
                                const QString& texto)
{
    m_linhas << QStringLiteral("  %1, linha %2: erro %3: %4").arg(script).arg(linha).arg(numero).arg(mensagem)
             << QStringLiteral("      ") + texto.left(2000);
}

bool RegistroAtualizacao::Grava(const QString& cabecalho, const QString& conclusao, bool sempre)
{
    if (m_linhas.isEmpty() && !sempre)
        return true;
    const QByteArray texto =
        (cabecalho + QLatin1Char('\n') + m_linhas.join(QLatin1Char('\n')) + (m_linhas.isEmpty() ? QString() : QStringLiteral("\n"))
         + QStringLiteral("  ") + conclusao
         + QStringLiteral("\n\n"))
            .toUtf8();
    const int fd = ::open(QFile::encodeName(m_arquivo).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    qsizetype escrito = 0;
    bool ok = true;
    while (ok && escrito < texto.size()) {
        const ssize_t n = ::write(fd, texto.constData() + escrito, static_cast<size_t>(texto.size() - escrito));
        ok = n > 0;
        if (ok)
            escrito += n;
    }
    ok = ::fsync(fd) == 0 && ok;
    ::close(fd);
    return ok;
}

}  // namespace Atualizacao
