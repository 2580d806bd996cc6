#include "platform/desktop/mail.h"

#include "platform/base/error.h"
#include "platform/desktop/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace platform {
namespace {

const QString kSource = QStringLiteral("EnviaEmail");

// How long SendDocuments waits for xdg-email to report.  Some mail programs
// keep it waiting until the message window is closed: that is a success.
constexpr int kMailWaitMs = 5000;

// A text in the run's language (the message boxes' language source): "P"
// Portuguese, "E" Spanish, any other English.
QString inLanguage(const char* portuguese, const char* spanish, const char* english)
{
    return textForLanguage(messageBoxLanguage(), portuguese, spanish, english);
}

// What xdg-email's exit codes mean.
QString exitReason(int code)
{
    switch (code) {
    case 1:
        return inLanguage("erro na sintaxe da linha de comando", "error en la sintaxis de la línea de órdenes",
                          "error in command line syntax");
    case 2:
        return inLanguage("um dos arquivos não existe", "uno de los archivos no existe",
                          "one of the files does not exist");
    case 3:
        return inLanguage("uma ferramenta necessária não foi encontrada", "no se encontró una herramienta necesaria",
                          "a required tool could not be found");
    case 4:
        return inLanguage("o programa de e-mail não pôde ser aberto", "no se pudo abrir el programa de correo",
                          "the mail program could not be opened");
    case 5:
        return inLanguage("sem permissão para ler um dos arquivos", "sin permiso para leer uno de los archivos",
                          "no permission to read one of the files");
    default:
        return inLanguage("o programa de e-mail falhou", "el programa de correo falló", "the mail program failed");
    }
}

// What the mail program said goes to the standard error, whole, for whoever
// looks into the failure; the box says what failed in the user's language.
void reportOutput(const QByteArray& output)
{
    if (output.isEmpty())
        return;
    std::fwrite(output.constData(), 1, std::size_t(output.size()), stderr);
    if (!output.endsWith('\n'))
        std::fputc('\n', stderr);
    std::fflush(stderr);
}

class XdgMailer final : public Mailer {
public:
    void SendDocuments(const QStringList& paths) override
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
        if (program.isEmpty())
            throw Error(kMailProgramMissing,
                        inLanguage("O programa de e-mail xdg-email não foi encontrado (instale o pacote xdg-utils).",
                                   "No se encontró el programa de correo electrónico xdg-email (instale el paquete "
                                   "xdg-utils).",
                                   "The e-mail program xdg-email was not found (install the package xdg-utils)."),
                        kSource);
        QStringList arguments;
        for (const QString& p : paths)
            arguments << QStringLiteral("--attach") << QFileInfo(p).absoluteFilePath();

        // Left running past the wait, the process deletes itself when it ends.
        auto* process = new QProcess(QCoreApplication::instance());
        process->setProgram(program);
        process->setArguments(arguments);
        process->setStandardInputFile(QProcess::nullDevice());
        process->start();
        if (!process->waitForStarted()) {
            reportOutput(QStringLiteral("%1: %2").arg(program, process->errorString()).toLocal8Bit());
            delete process;
            throw Error(kMailNotStarted,
                        inLanguage("Não foi possível iniciar o programa de e-mail.",
                                   "No se pudo iniciar el programa de correo electrónico.",
                                   "The e-mail program could not be started."),
                        kSource);
        }
        if (!process->waitForFinished(kMailWaitMs)) {
            QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
            return;
        }
        const bool crashed = process->exitStatus() != QProcess::NormalExit;
        const int code = process->exitCode();
        reportOutput(process->readAllStandardError());
        delete process;
        if (!crashed && code == 0)
            return;
        const QString text =
            crashed ? inLanguage("O programa de e-mail terminou inesperadamente.",
                                 "El programa de correo electrónico terminó inesperadamente.",
                                 "The e-mail program ended unexpectedly.")
                    : inLanguage("O programa de e-mail falhou (código de saída %1 do xdg-email: %2).",
                                 "El programa de correo electrónico falló (código de salida %1 de xdg-email: %2).",
                                 "The e-mail program failed (xdg-email exit code %1: %2).")
                          .arg(code)
                          .arg(exitReason(code));
        throw Error(kMailFailed, text, kSource);
    }
};

Mailer* g_fakeMailer = nullptr;

}  // namespace

Mailer& mailer()
{
    static XdgMailer real;
    return g_fakeMailer ? *g_fakeMailer : real;
}

void setMailer(Mailer* fake) { g_fakeMailer = fake; }

}  // namespace platform
