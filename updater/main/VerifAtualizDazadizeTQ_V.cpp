// The update checker: asks the update server for the newest version and
// writes the one-line result file (updater/verificador.h).
#include "platform/desktop/messagebox.h"
#include "update/internet.h"
#include "updater/lancador.h"
#include "updater/verificador.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    namespace V = frmVerifAtualizDazadizeTQ;
    modInternet::DefinePalavraAgente(QStringLiteral("DazadizeDePecasTQ"));
    modInternet::DefineGanchoProgresso({});

    V::Ambiente ambiente;
    ambiente.pastaPrograma = frmCallDazadizeTQ::ObtemCaminhoApp(true);
    ambiente.mostra = [](const QString& texto) {
        platform::MsgBox(texto, platform::vbInformation, QString::fromUtf8(V::kTitulo));
    };
    const V::Comando comando = V::LeComando(QCoreApplication::arguments().mid(1).join(QLatin1Char(' ')));
    // The check starts once the event loop runs, and ends the program.
    QTimer::singleShot(0, [&] {
        V::VerificaAtualizacao(comando, ambiente);
        QCoreApplication::quit();
    });
    return app.exec();
}
