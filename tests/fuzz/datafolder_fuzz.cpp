// What the windows read from the catalogue's data folder and from each
// other: any bytes as a detail-window request text, as a file name the
// catalogue stores (resolved inside the data folder) and as a picture file
// of the data folder (part photos and drawings).
//
// Checked besides crashes: an accepted request's code is its whole first
// field, one digit "0" to "8"; a resolved name never leads outside the data
// folder; a picture the loader returns is within its pixel limit.
#include "fuzzsupport.h"

#include "core/datapath.h"
#include "core/imagemdados.h"
#include "detailwindow/solicitacao.h"

#include <QDir>
#include <QFile>

namespace {

const QString& PastaDados()
{
    static const QString d = [] {
        const QString pasta = tqfuzz::Folder() + QStringLiteral("/dados/");
        QDir().mkpath(pasta + QStringLiteral("Figuras"));
        QDir().mkpath(pasta + QStringLiteral("FotoPeca"));
        return pasta;
    }();
    return d;
}

void Solicitacao(const QString& texto)
{
    const auto pedido = DetalheSolicitacao::AnalisaSolicitacao(texto);
    if (!pedido)
        return;
    const QString codigo = texto.section(QLatin1Char('|'), 0, 0);
    if (codigo.size() != 1 || DetalheSolicitacao::Codigo(*pedido) != codigo[0].unicode() - '0')
        tqfuzz::Finding("a request accepted under another code");
}

void Nome(const QString& nome)
{
    const QString caminho = Modulo::ResolveNomeDados(nome, PastaDados());
    if (!caminho.isEmpty() && !QDir::cleanPath(caminho).startsWith(PastaDados()))
        tqfuzz::Finding("a stored name resolved outside the data folder");
}

void Imagem(const QByteArray& bytes)
{
    QFile f(PastaDados() + QStringLiteral("Figuras/D-001.JPG"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        tqfuzz::Finding("cannot write the picture file");
    f.close();
    // Stored names carry "\" and any letter case.
    const QImage imagem = Modulo::CarregaImagemDados(QStringLiteral("figuras\\d-001.jpg"), PastaDados());
    if (qint64(imagem.width()) * imagem.height() > Modulo::kLimitePixelsImagem)
        tqfuzz::Finding("a picture past the pixel limit was decoded");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString latin = tqfuzz::Windows1252(data, size);
    const QString utf8 = tqfuzz::Utf8(data, size);
    Solicitacao(latin);
    Solicitacao(utf8);
    Nome(latin);
    Nome(utf8);
    Imagem(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
