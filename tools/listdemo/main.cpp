// listdemo: shows a THGrid and a THCombo bound to a catalogue.
//
//   listdemo [--data DIR] [--screenshot FILE.png]
//
// DIR is a data folder holding the catalogue database (the demo generator
// writes one); without it the viewer writes a small sample catalogue into a
// temporary folder.  --screenshot renders the window with a current row, a
// highlighted icon and the drop-down open into FILE and exits.

#include "core/globals.h"
#include "listdemowindow.h"
#include "sampledata.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser opcoes;
    opcoes.addHelpOption();
    opcoes.addOption({QStringLiteral("data"), QStringLiteral("Data folder with the catalogue database."), QStringLiteral("DIR")});
    opcoes.addOption({QStringLiteral("screenshot"), QStringLiteral("Write a picture of the window and exit."), QStringLiteral("FILE")});
    opcoes.process(app);

    Modulo::gIdioma = QStringLiteral("P");
    Modulo::gEdicao = QStringLiteral("V");

    QTemporaryDir temporaria;
    QString arquivo;
    try {
        if (opcoes.isSet(QStringLiteral("data"))) {
            arquivo = QDir(opcoes.value(QStringLiteral("data"))).filePath(Modulo::NomeArquivoCatalogo());
        } else {
            arquivo = listdemo::EscreveCatalogoExemplo(temporaria.path());
        }
        auto ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
        auto db = ws->OpenDatabase(arquivo, false, true);
        listdemo::ListDemoWindow janela(db);
        janela.show();
        if (opcoes.isSet(QStringLiteral("screenshot"))) {
            const QString destino = opcoes.value(QStringLiteral("screenshot"));
            QTimer::singleShot(200, &janela, [&] {
                janela.preparaCaptura();
                QTimer::singleShot(100, &janela, [&] { janela.destacaCaptura(); });
                QTimer::singleShot(300, &janela, [&] {
                    const bool ok = janela.grab().save(destino);
                    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(destino));
                    app.exit(ok ? 0 : 1);
                });
            });
        }
        return app.exec();
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "listdemo: %ld: %s (%s)\n", e.number(), qPrintable(e.description()), qPrintable(arquivo));
        return 1;
    }
}
