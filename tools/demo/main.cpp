// tqdemo: writes a demo data folder (see demo.h).
//   tqdemo --edition V|A|D|M --out DIR [--scale N] [--variant no-tipopeca|no-attachments]
//          [--seed S] [--update-port PORT | --update-url URL] [--version N] [--no-files]
#include "tools/demo/demo.h"

#include "platform/base/error.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    // Drawing needs fonts but no screen.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    try {
        const demo::Options options = demo::ParseArguments(app.arguments().mid(1));
        const demo::Summary summary = demo::GenerateDataFolder(options);
        std::printf("%s\n", qPrintable(summary.Text()));
        return 0;
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "tqdemo: error %ld: %s\n", e.number(), qPrintable(e.description()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tqdemo: %s\n", e.what());
    }
    return 1;
}
