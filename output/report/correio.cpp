#include "output/report/correio.h"

#include "platform/base/error.h"

#include <QProcess>
#include <QStandardPaths>

namespace saida {

void EnviaEmailXdg(const QStringList& arquivos)
{
    const QString origem = QStringLiteral("EnviaEmail");
    const QString programa = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (programa.isEmpty())
        throw platform::Error(platform::errors::FileNotFound,
                              QStringLiteral("The mail program (xdg-email) was not found."), origem);
    QStringList argumentos;
    for (const QString& a : arquivos)
        argumentos << QStringLiteral("--attach") << a;
    QProcess processo;
    processo.setProgram(programa);
    processo.setArguments(argumentos);
    processo.setProcessChannelMode(QProcess::SeparateChannels);
    processo.start();
    if (!processo.waitForStarted(-1))
        throw platform::Error(platform::errors::FileNotFound,
                              QStringLiteral("The mail program (xdg-email) could not be started: %1").arg(processo.errorString()),
                              origem);
    processo.closeWriteChannel();
    processo.waitForFinished(-1);
    if (processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0) {
        const QString saida = QString::fromLocal8Bit(processo.readAllStandardError()).trimmed();
        throw platform::Error(platform::errors::DeviceIOError,
                              QStringLiteral("The mail program (xdg-email) failed (code %1)%2")
                                  .arg(processo.exitCode())
                                  .arg(saida.isEmpty() ? QString() : QStringLiteral(": ") + saida),
                              origem);
    }
}

}  // namespace saida
