// Downloads a 100 MB file from a local nginx, alternately through the update
// client (modInternet, into a file of the data folder, with its progress
// hook and event processing) and through the curl program, and prints the
// client's rate as a ratio to curl's.
#include "bench/common/resultado.h"
#include "core/globals.h"
#include "rig.h"
#include "update/internet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const qint64 size = (argc > 1 ? QByteArray(argv[1]).toLongLong() : 100) * 1024 * 1024;
    const int rounds = argc > 2 ? QByteArray(argv[2]).toInt() : 5;

    const QString curl = tqrig::findProgram(QStringLiteral("curl"));
    if (curl.isEmpty()) {
        std::printf("http: skipped (curl is not installed)\n");
        return 0;
    }
    QTemporaryDir tree, data;
    {
        QFile f(tree.filePath(QStringLiteral("big.bin")));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        QByteArray block(1 << 20, Qt::Uninitialized);
        for (qint64 i = 0; i < block.size(); ++i)
            block[i] = static_cast<char>((i * 2654435761u) >> 13);
        for (qint64 done = 0; done < size; done += block.size())
            f.write(block.constData(), std::min<qint64>(block.size(), size - done));
    }
    tqrig::Nginx web;
    if (!web.start(tree.path())) {
        std::printf("http: skipped (%s)\n", qPrintable(web.reason()));
        return 0;
    }
    for (const char* v : {"http_proxy", "HTTP_PROXY"})
        qunsetenv(v);

    Modulo::gCaminhoDados = data.path() + QLatin1Char('/');
    qint64 hooked = 0;
    modInternet::DefineGanchoProgresso([&](long bytes) { hooked += bytes; });
    modInternet::AbreConexaoInternet(web.hostPort());
    const QString target = data.filePath(QStringLiteral("client.bin"));
    const QString curlTarget = data.filePath(QStringLiteral("curl.bin"));

    auto runClient = [&] {
        hooked = 0;
        QElapsedTimer t;
        t.start();
        modInternet::ExecutaRequisicaoHttp(QStringLiteral("D"), false, QStringLiteral("big.bin"), false, target, {},
                                           {}, {}, {});
        const double s = t.nsecsElapsed() / 1e9;
        if (QFile(target).size() != size || hooked != size)
            throw std::runtime_error("client download incomplete");
        QFile::remove(target);
        return s;
    };
    auto runCurl = [&] {
        QElapsedTimer t;
        t.start();
        const int rc = QProcess::execute(curl, {QStringLiteral("-s"), QStringLiteral("-o"), curlTarget,
                                                web.url() + QStringLiteral("/big.bin")});
        const double s = t.nsecsElapsed() / 1e9;
        if (rc != 0 || QFile(curlTarget).size() != size)
            throw std::runtime_error("curl download incomplete");
        QFile::remove(curlTarget);
        return s;
    };

    try {
        runCurl();
        runClient();
        std::vector<double> ours, theirs;
        for (int i = 0; i < rounds; ++i) {
            theirs.push_back(runCurl());
            ours.push_back(runClient());
        }
        const double mb = size / 1048576.0;
        const double oursRate = mb / median(ours), curlRate = mb / median(theirs);
        std::printf("http download of %.0f MB from local nginx (median of %d):\n", mb, rounds);
        std::printf("  client %.0f MB/s, curl %.0f MB/s\n", oursRate, curlRate);
        bench::Resultado("http: download rate client / curl", oursRate / curlRate, bench::Alvo::NoMinimo, 0.9);
    } catch (const platform::Error& e) {
        std::printf("http: failed: %ld %s\n", e.number(), qPrintable(e.description()));
        return 1;
    } catch (const std::exception& e) {
        std::printf("http: failed: %s\n", e.what());
        return 1;
    }
    modInternet::FechaConexaoInternet();
    return 0;
}
