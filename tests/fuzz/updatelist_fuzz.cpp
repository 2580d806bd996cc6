// What an update run and the update checker read from outside: any bytes as
// a version list (Windows-1252, CR LF or LF lines) merged into the run's
// entries, each entry's name checked for where it may go, and the same bytes
// as "Caminho.txt" and as the checker's command line and the server's
// version reply.
//
// Checked besides crashes: every list line has a three-character kind, a
// size of 0 to 2^31 - 1 and its line number; the merged entries have one
// entry a name and the size total is their sum; a name the check accepts goes
// inside the data folder (or, for the pending program alone, the program
// folder), through no "." or ".." element; the data folder read from
// "Caminho.txt" ends in "/".
#include "fuzzsupport.h"

#include "core/datapath.h"
#include "platform/base/error.h"
#include "update/listaversao.h"
#include "update/nomesatualizacao.h"
#include "updater/verificador.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <limits>

namespace {

struct Pastas {
    QString dados;     // ending in "/"
    QString programa;  // ending in "/"
};

const Pastas& PastasDoAlvo()
{
    static const Pastas p = [] {
        Pastas f{tqfuzz::Folder() + QStringLiteral("/dados/"), tqfuzz::Folder() + QStringLiteral("/programa/")};
        // A data folder as an update finds it: a drawing, a photo folder.
        QDir().mkpath(f.dados + QStringLiteral("Figuras"));
        QDir().mkpath(f.dados + QStringLiteral("FotoPeca/Antigas"));
        QDir().mkpath(f.programa);
        QFile a(f.dados + QStringLiteral("Figuras/D-001.jpg"));
        if (!a.open(QIODevice::WriteOnly))
            tqfuzz::Finding("cannot prepare the data folder");
        return f;
    }();
    return p;
}

bool Dentro(const QString& caminho, const QString& pasta)
{
    if (!caminho.startsWith(pasta) || caminho.size() == pasta.size())
        return false;
    for (const QString& e : caminho.mid(pasta.size()).split(QLatin1Char('/')))
        if (e.isEmpty() || e == QLatin1String(".") || e == QLatin1String(".."))
            return false;
    return true;
}

void ListaENomes(const QString& texto)
{
    const Pastas& p = PastasDoAlvo();
    (void)Atualizacao::PareceHtml(texto);
    std::vector<Atualizacao::LinhaLista> linhas;
    try {
        linhas = Atualizacao::LeListaVersao(texto, QStringLiteral("ListVersao1.txt"));
    } catch (const platform::Error&) {
        return;
    }
    for (const auto& l : linhas)
        if (l.Tipo.size() != 3 || l.Tamanho < 0 || l.Tamanho > std::numeric_limits<qint32>::max() || l.Linha < 1)
            tqfuzz::Finding("a list line with a bad kind, size or line number");

    // Merged twice, as two lists of one run.
    Atualizacao::ListaEntradas entradas;
    entradas.Acrescenta(linhas);
    entradas.Acrescenta(linhas);
    QSet<QString> chaves;
    qint64 soma = 0;
    bool saturada = false;
    for (const auto& e : entradas.Entradas()) {
        if (chaves.contains(Atualizacao::ChaveNome(e.Nome)))
            tqfuzz::Finding("a name is twice among the merged entries");
        chaves.insert(Atualizacao::ChaveNome(e.Nome));
        saturada = saturada || __builtin_add_overflow(soma, e.Tamanho, &soma);
    }
    if (!saturada && soma != entradas.TotalTamanhos())
        tqfuzz::Finding("the size total is not the sum of the entries");

    Atualizacao::VerificacaoNomes nomes(p.dados, p.programa);
    for (const auto& e : entradas.Entradas()) {
        try {
            const Atualizacao::DestinoEntrada d = nomes.Verifica(e.Nome);
            const QString& pasta = d.programaPendente ? p.programa : p.dados;
            if (!Dentro(d.caminho, pasta) || !d.caminho.startsWith(d.pasta))
                tqfuzz::Finding("an accepted name goes outside its folder");
            for (const QString& nova : d.pastasNovas)
                if (!Dentro(nova, p.dados) && !Dentro(nova, p.programa))
                    tqfuzz::Finding("a folder to create lies outside the folders");
        } catch (const platform::Error&) {
        }
    }
}

void CaminhoTxt(const QByteArray& bytes)
{
    const Pastas& p = PastasDoAlvo();
    QFile f(p.programa + QStringLiteral("Caminho.txt"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        tqfuzz::Finding("cannot write Caminho.txt");
    f.close();
    try {
        if (!Modulo::ObtemCaminhoDados(p.programa).endsWith(QLatin1Char('/')))
            tqfuzz::Finding("a data folder that does not end in /");
    } catch (const platform::Error&) {
    }
    QFile::remove(f.fileName());
}

void Verificador(const QString& texto)
{
    (void)frmVerifAtualizDazadizeTQ::LeComando(texto);
    try {
        (void)frmVerifAtualizDazadizeTQ::ConverteInteiro(texto);
    } catch (const platform::Error&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString texto = tqfuzz::Windows1252(data, size);
    ListaENomes(texto);
    CaminhoTxt(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    Verificador(texto);
    Verificador(tqfuzz::Utf8(data, size));
    return 0;
}
