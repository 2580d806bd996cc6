// The cart list's text file from any catalogue texts: the input, split at
// line feeds, gives the rows' number, description, quantity, kind and mark,
// five fields a row (a field of the single byte 0x01 is Null), as UTF-8.
//
// Checked besides crashes: the file is the title, an empty line, the header
// and one line per row, each ended by CR LF with no other CR or LF inside,
// and every header and row line is exactly 115 bytes.
#include "fuzzsupport.h"

#include "comparison/exportacaolista.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList campos = tqfuzz::Utf8(data, size).split(QLatin1Char('\n'));
    const auto valor = [&](qsizetype i) {
        if (i >= campos.size() || campos[i] == QString(QChar(1)))
            return QVariant();
        return QVariant(campos[i]);
    };
    std::vector<Comparacao::LinhaArquivoLista> linhas;
    for (qsizetype i = 0; i < campos.size(); i += 5)
        linhas.push_back({valor(i), valor(i + 1), valor(i + 2), valor(i + 3), valor(i + 4)});

    QByteArray arquivo;
    try {
        arquivo = Comparacao::MontaArquivoTextoLista(linhas, QStringLiteral("15-MAR-2024"), QStringLiteral("P"),
                                                     QStringLiteral("V"));
    } catch (const platform::Error&) {
        tqfuzz::Finding("the cart file could not be made from texts");
    }
    if (!arquivo.endsWith("\r\n"))
        tqfuzz::Finding("the cart file does not end its last line");
    const QList<QByteArray> partes = arquivo.left(arquivo.size() - 2).split('\n');
    if (std::size_t(partes.size()) != linhas.size() + 3)
        tqfuzz::Finding("the cart file has another number of lines than rows");
    for (qsizetype i = 0; i < partes.size(); ++i) {
        QByteArray l = partes[i];
        if (i + 1 < partes.size()) {
            if (!l.endsWith('\r'))
                tqfuzz::Finding("a line feed without its carriage return");
            l.chop(1);
        }
        if (l.contains('\r'))
            tqfuzz::Finding("a carriage return inside a line");
        if (i >= 2 && l.size() != 115)
            tqfuzz::Finding("a row that is not 115 bytes");
    }
    return 0;
}
