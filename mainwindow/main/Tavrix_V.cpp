// The catalogue program: started by the launcher with its start word, it
// shows the start window; a language click opens the catalogue and the main
// window (mainwindow/frmInicial.h).
#include "core/controles.h"
#include "core/globals.h"
#include "mainwindow/frmInicial.h"
#include "mainwindow/main/subsistemas.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(Modulo::FonteJanela());
    RegistraSubsistemas();

    frmInicial* inicial = new frmInicial;
    inicial->setAttribute(Qt::WA_DeleteOnClose);
    if (!inicial->Form_Load()) {
        const int codigo = inicial->CodigoSaida();
        delete inicial;
        return codigo;
    }
    // The program's icon, edition D its own.
    const QString icone = Modulo::gEdicao == QLatin1String("D") ? QStringLiteral(":/tq/G/ICONEPROGRAMA_D")
                                                                  : QStringLiteral(":/tq/G/ICONEPROGRAMA");
    QApplication::setWindowIcon(QIcon(QPixmap(icone)));
    inicial->show();
    // The closing window ends the program; the last window closing does not.
    app.setQuitOnLastWindowClosed(false);
    return app.exec();
}
