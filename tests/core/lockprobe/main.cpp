#include "core/database.h"
#include "core/globals.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    Modulo::gCaminhoDados = QString::fromLocal8Bit(argv[1]);
    try {
        std::printf("%d\n", Modulo::BloqueiaDazadize(true) ? 1 : 0);
        Modulo::BloqueiaDazadize(false);
    } catch (const platform::Error& e) {
        std::printf("error %ld %s\n", e.number(), e.description().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
