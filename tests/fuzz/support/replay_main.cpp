// The main of a fuzz target outside libFuzzer builds: runs every file named
// on the command line (folders: every file inside, in name order) once
// through LLVMFuzzerTestOneInput, so that the seed corpus and its regression
// inputs are checked by every build.  Options starting with "-" are ignored.
#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1Char('-')))
            continue;
        if (QFileInfo(arg).isDir()) {
            QStringList inside;
            QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                inside << it.next();
            std::sort(inside.begin(), inside.end());
            files << inside;
        } else {
            files << arg;
        }
    }
    for (const QString& name : files) {
        QFile f(name);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(name));
            return 1;
        }
        const QByteArray bytes = f.readAll();
        // A copy of exactly the input's size, so that a read past its end
        // is a read past an allocation.
        std::vector<std::uint8_t> input(bytes.begin(), bytes.end());
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%lld inputs replayed\n", static_cast<long long>(files.size()));
    return files.isEmpty() ? 1 : 0;
}
