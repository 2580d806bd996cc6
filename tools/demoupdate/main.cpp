// tqdemoupdate: writes the demo update tree (tools/demo/updatetree.h).
//   tqdemoupdate DATA OUT
// DATA is a demo data folder, OUT the folder an HTTP server serves.
#include "tools/demo/updatetree.h"

#include "platform/base/error.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    // Drawing needs fonts but no screen.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tqdemoupdate DATA OUT\n");
        return 2;
    }
    try {
        std::printf("%s\n", qPrintable(demo::GenerateUpdateTree(args[0], args[1]).Text()));
        return 0;
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "tqdemoupdate: error %ld: %s\n", e.number(), qPrintable(e.description()));
    }
    return 1;
}
