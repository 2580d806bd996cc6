// The update script interpreter: any bytes as a script (Windows-1252, CR LF
// or LF lines), every line run against a small catalogue inside a
// transaction that is rolled back.  "S:" lines never start a program here:
// their command line is split and the program looked up in two empty folders.
#include "fuzzsupport.h"

#include "core/globals.h"
#include "update/scriptatualizacao.h"

#include <QDir>

using namespace platform::dao;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString empty = [] {
        const QString d = tqfuzz::Folder() + QStringLiteral("/vazia");
        QDir().mkpath(d);
        Modulo::gCaminhoDados = d + QLatin1Char('/');
        return d;
    }();
    const QStringList lines = Atualizacao::DivideLinhasScript(tqfuzz::Windows1252(data, size));
    tqfuzz::RolledBack([&](const DatabasePtr& db) {
        Atualizacao::InterpretadorScript script;
        for (const QString& line : lines) {
            try {
                if (line.startsWith(QLatin1String("S:"))) {
                    const QStringList parts = Atualizacao::DivideComando(line.mid(2));
                    if (!parts.isEmpty())
                        (void)Atualizacao::ProgramaPermitido(parts.first(), empty, empty);
                    continue;
                }
                script.ExecutaComandoScript(db, line);
            } catch (const platform::Error&) {
            }
        }
    });
    Modulo::gReiniciarPeloLancador = false;
    return 0;
}
