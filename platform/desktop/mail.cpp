#include "platform/desktop/mail.h"

#include "platform/base/error.h"
#include "platform/desktop/desktopprogram.h"
#include "platform/desktop/language.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <optional>

namespace platform {
namespace {

const QString kSource = QStringLiteral("EnviaEmail");

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

// The error of a mail program that ended with a failure, or nothing when
// it succeeded.
std::optional<Error> failureOf(const DesktopProgramResult& result)
{
    if (!result.crashed && result.exitCode == 0)
        return std::nullopt;
    const QString text =
        result.crashed
            ? inLanguage("O programa de e-mail terminou inesperadamente.",
                         "El programa de correo electrónico terminó inesperadamente.",
                         "The e-mail program ended unexpectedly.")
            : inLanguage("O programa de e-mail falhou (código de saída %1 do xdg-email: %2).",
                         "El programa de correo electrónico falló (código de salida %1 de xdg-email: %2).",
                         "The e-mail program failed (xdg-email exit code %1: %2).")
                  .arg(result.exitCode)
                  .arg(exitReason(result.exitCode));
    return Error(kMailFailed, text, kSource);
}

class XdgMailer final : public Mailer {
public:
    void SendDocuments(const QStringList& paths, const LateMailFailure& lateFailure) override
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

        // Some mail programs keep xdg-email waiting until the message window
        // is closed: still running after the wait is a success, and a failure
        // after it goes to the caller's function.
        const DesktopProgramResult result =
            runDesktopProgram(program, arguments, [lateFailure](const DesktopProgramResult& late) {
                reportOutput(late.standardError);
                if (const std::optional<Error> failure = failureOf(late); failure && lateFailure)
                    lateFailure(*failure);
            });
        switch (result.state) {
        case DesktopProgramResult::State::NotStarted:
            reportOutput(QStringLiteral("%1: %2").arg(program, result.startError).toLocal8Bit());
            throw Error(kMailNotStarted,
                        inLanguage("Não foi possível iniciar o programa de e-mail.",
                                   "No se pudo iniciar el programa de correo electrónico.",
                                   "The e-mail program could not be started."),
                        kSource);
        case DesktopProgramResult::State::StillRunning:
            return;
        case DesktopProgramResult::State::Ended:
            reportOutput(result.standardError);
            if (const std::optional<Error> failure = failureOf(result))
                throw *failure;
            return;
        }
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
