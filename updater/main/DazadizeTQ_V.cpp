// The launcher: waits for the process id it is given, swaps in a pending new
// catalogue program and starts the catalogue (updater/lancador.h).
#include "platform/desktop/messagebox.h"
#include "updater/lancador.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    frmCallDazadizeTQ::Ambiente ambiente;
    ambiente.pasta = frmCallDazadizeTQ::ObtemCaminhoApp(true);
    ambiente.mensagem = [](const QString& texto) {
        platform::MsgBox(texto, platform::vbCritical, QString::fromUtf8(frmCallDazadizeTQ::kTitulo));
    };
    return frmCallDazadizeTQ::Form_Load(QCoreApplication::arguments().mid(1).join(QLatin1Char(' ')), ambiente);
}
