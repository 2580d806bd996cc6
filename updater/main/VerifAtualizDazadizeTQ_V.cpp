// The update checker: asks the update server for the newest version and
// writes the one-line result file (updater/verificador.h).
#include "platform/base/language.h"
#include "platform/desktop/messagebox.h"
#include "update/internet.h"
#include "updater/lancador.h"
#include "updater/verificador.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The checker is told no language: the descriptions of the errors it
    // passes on in its result stay in the engine's words, as before, whatever
    // language the catalogue that reads them runs in.
    platform::setTextLanguageSource(nullptr);
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
