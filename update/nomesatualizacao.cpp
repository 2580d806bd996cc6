#include "update/nomesatualizacao.h"

#include "update/caminhos.h"

#include "core/database.h"
#include "core/globals.h"
#include "core/textosproprios.h"
#include "platform/base/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <unistd.h>
#include <utility>
#include <vector>

namespace Atualizacao {
namespace {

const QString kFonteNomes = QStringLiteral("VerificaNomeAtualizacao");
constexpr long kNomeInvalido = 52;   // "Bad file name or number"
constexpr long kForaDaPasta = 75;    // "Path/File access error"
constexpr long kProibido = platform::errors::PermissionDenied;

// The real path of a folder (links followed); the path as given when it
// does not exist.
QString Real(const QString& pasta)
{
    QString p = pasta;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    const QString c = QFileInfo(p).canonicalFilePath();
    return c.isEmpty() ? p : c;
}

bool Existe(const QString& caminho)
{
    const QFileInfo fi(caminho);
    return fi.exists() || fi.isSymLink();
}

bool Gravavel(const QString& pasta) { return ::access(QFile::encodeName(pasta).constData(), W_OK | X_OK) == 0; }

[[noreturn]] void Recusa(long numero, const QString& nome, const QString& motivo)
{
    // A name of thousands of characters is shown by its beginning.
    constexpr qsizetype kMostrado = 200;
    const QString mostrado = nome.size() > kMostrado ? nome.left(kMostrado) + QChar(0x2026) : nome;
    throw platform::Error(
        numero,
        Modulo::TextoNoIdioma("O arquivo de atualização \"%1\" foi recusado: %2. Nada foi baixado nem alterado.",
                              "El archivo de actualización \"%1\" fue rechazado: %2. No se descargó ni "
                              "se modificó nada.",
                              "The update file \"%1\" was refused: %2. Nothing was downloaded or "
                              "changed.")
            .arg(mostrado, motivo),
        kFonteNomes);
}

// The limits of the file system: a name of at most NAME_MAX bytes, a path of
// fewer than PATH_MAX bytes (the terminating NUL counts).
void VerificaTamanhos(const QString& nome, const QString& caminho, const QString& relativo)
{
    for (const QString& e : relativo.split(QLatin1Char('/')))
        if (QFile::encodeName(e).size() > NAME_MAX)
            Recusa(kNomeInvalido, nome,
                   Modulo::TextoNoIdioma("uma parte do nome tem mais de %1 bytes",
                                         "una parte del nombre tiene más de %1 bytes",
                                         "a part of the name has more than %1 bytes")
                       .arg(NAME_MAX));
    if (QFile::encodeName(caminho).size() >= PATH_MAX)
        Recusa(kNomeInvalido, nome,
               Modulo::TextoNoIdioma("o caminho teria mais de %1 bytes", "la ruta tendría más de %1 bytes",
                                     "the path would have more than %1 bytes")
                   .arg(PATH_MAX - 1));
}

}  // namespace

QString VerificacaoNomes::Normaliza(const QString& nome)
{
    QString n = nome;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    qsizetype inicio = 0, fim = n.size();
    while (inicio < fim && n.at(inicio) == QLatin1Char(' '))
        ++inicio;
    while (fim > inicio && n.at(fim - 1) == QLatin1Char(' '))
        --fim;
    return n.mid(inicio, fim - inicio);
}

VerificacaoNomes::VerificacaoNomes(QString pastaDados, QString pastaPrograma, QStringList outrosVivos)
    : m_dados(ComBarra(std::move(pastaDados))), m_programa(ComBarra(std::move(pastaPrograma)))
{
    m_dadosReal = Real(m_dados);
    const QString dados = m_dadosReal + QLatin1Char('/');
    for (const QString& banco : {Modulo::NomeArquivoCatalogo(), Modulo::NomeArquivoAuxiliar(), Modulo::NomeArquivoBloqueio()})
        for (const char* sufixo : {"", "-journal", "-wal", "-shm"})
            m_vivos << (dados + banco + QLatin1String(sufixo)).toUpper();
    m_vivos << (dados + QLatin1String(kRegistroAtualizacao)).toUpper();
    const QString programa = Real(m_programa) + QLatin1Char('/');
    m_vivos << (programa + QLatin1String(kProgramaCatalogo)).toUpper();
    for (const QString& outro : outrosVivos) {
        const QFileInfo fi(outro);
        m_vivos << (Real(fi.absolutePath()) + QLatin1Char('/') + fi.fileName()).toUpper();
    }
    m_preparacao << (dados + QLatin1String(kPastaPreparacao)).toUpper()
                 << (programa + QLatin1String(kPastaPreparacao)).toUpper();
}

QString VerificacaoNomes::localiza(const QString& pasta, const QString& elemento)
{
    if (Existe(pasta + elemento))
        return elemento;
    auto conteudo = m_conteudo.constFind(pasta);
    if (conteudo == m_conteudo.constEnd()) {
        QHash<QString, QString> nomes;
        const QStringList lista =
            QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& n : lista)
            nomes.insert(n.toUpper(), n);  // the first in name order wins
        conteudo = m_conteudo.insert(pasta, nomes);
    }
    return conteudo->value(elemento.toUpper());
}

bool VerificacaoNomes::vivo(const QString& pasta, const QString& arquivo) const
{
    const QString real = Real(pasta).toUpper();
    for (const QString& p : m_preparacao)
        if (Dentro(real, p) || real + QLatin1Char('/') + arquivo.toUpper() == p)
            return true;
    return m_vivos.contains(real + QLatin1Char('/') + arquivo.toUpper());
}

DestinoEntrada VerificacaoNomes::Verifica(const QString& nome, bool somenteForma)
{
    for (const QChar c : nome)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
            Recusa(kNomeInvalido, nome,
                   Modulo::TextoNoIdioma("o nome tem um caractere de controle",
                                         "el nombre tiene un carácter de control", "the name has a control character"));
    const QString n = Normaliza(nome);
    if (n.isEmpty())
        Recusa(kNomeInvalido, nome,
               Modulo::TextoNoIdioma("o nome está vazio", "el nombre está vacío", "the name is empty"));
    if (n.startsWith(QLatin1Char('/')))
        Recusa(kNomeInvalido, nome,
               Modulo::TextoNoIdioma("o nome é um caminho absoluto", "el nombre es una ruta absoluta",
                                     "the name is an absolute path"));
    if (n.size() >= 2 && n.at(1) == QLatin1Char(':'))
        Recusa(
            kNomeInvalido, nome,
            Modulo::TextoNoIdioma("o nome começa com uma letra de unidade", "el nombre empieza con una letra de unidad",
                                  "the name starts with a drive letter"));
    const QStringList elementos = n.split(QLatin1Char('/'));
    for (const QString& e : elementos) {
        if (e.trimmed().isEmpty())
            Recusa(kNomeInvalido, nome,
                   Modulo::TextoNoIdioma("o nome tem uma parte vazia", "el nombre tiene una parte vacía",
                                         "the name has an empty part"));
        if (e == QLatin1String(".") || e == QLatin1String(".."))
            Recusa(kNomeInvalido, nome,
                   Modulo::TextoNoIdioma("o nome tem uma parte \"%1\"", "el nombre tiene una parte \"%1\"",
                                         "the name has a part \"%1\"")
                       .arg(e));
    }
    DestinoEntrada destino;
    if (somenteForma)
        return destino;

    if (elementos.size() == 1 && n.compare(QLatin1String(kProgramaPendente), Qt::CaseInsensitive) == 0) {
        // The pending program: the launcher takes it from the program folder.
        destino.programaPendente = true;
        destino.pasta = m_programa;
        destino.caminho = m_programa + QLatin1String(kProgramaPendente);
        if (!QFileInfo(m_programa).isDir() || !Gravavel(m_programa))
            Recusa(kProibido, nome,
                   Modulo::TextoNoIdioma("a pasta do programa não pode ser gravada",
                                         "no se puede escribir en la carpeta del programa",
                                         "the program folder cannot be written"));
        if (QFileInfo(destino.caminho).isDir())
            Recusa(kNomeInvalido, nome,
                   Modulo::TextoNoIdioma("o nome é de uma pasta", "el nombre es de una carpeta",
                                         "the name is that of a folder"));
        return destino;
    }

    QString atual = m_dados;
    QString existente = m_dados;  // the deepest folder that exists
    // What this name adds to the run's plan, kept once the name is accepted.
    std::vector<std::pair<QString, Planejado>> planos;
    for (qsizetype i = 0; i + 1 < elementos.size(); ++i) {
        const QString& e = elementos[i];
        const QString chave = (atual + e).toUpper();
        if (const auto planejada = m_planejadas.constFind(chave); planejada != m_planejadas.constEnd()) {
            if (!planejada->pasta)
                Recusa(kNomeInvalido, nome,
                       Modulo::TextoNoIdioma("\"%1\" é um arquivo desta atualização, não uma pasta",
                                             "\"%1\" es un archivo de esta actualización, no una carpeta",
                                             "\"%1\" is a file of this update, not a folder")
                           .arg(QFileInfo(planejada->caminho).fileName()));
            if (!Existe(planejada->caminho))
                destino.pastasNovas << planejada->caminho;
            atual = planejada->caminho + QLatin1Char('/');
            continue;
        }
        const QString achado = destino.pastasNovas.isEmpty() ? localiza(atual, e) : QString();
        if (!achado.isEmpty()) {
            if (!QFileInfo(atual + achado).isDir())
                Recusa(kNomeInvalido, nome,
                       Modulo::TextoNoIdioma("\"%1\" não é uma pasta", "\"%1\" no es una carpeta",
                                             "\"%1\" is not a folder")
                           .arg(achado));
            atual += achado + QLatin1Char('/');
            existente = atual;
            continue;
        }
        planos.push_back({chave, {atual + e, true}});
        destino.pastasNovas << atual + e;
        atual += e + QLatin1Char('/');
    }

    const QString& ultimo = elementos.last();
    QString arquivo = ultimo;
    const QString chave = (atual + ultimo).toUpper();
    if (const auto planejado = m_planejadas.constFind(chave); planejado != m_planejadas.constEnd()) {
        if (planejado->pasta)
            Recusa(kNomeInvalido, nome,
                   Modulo::TextoNoIdioma("o nome é de uma pasta desta atualização",
                                         "el nombre es de una carpeta de esta actualización",
                                         "the name is a folder of this update"));
        arquivo = QFileInfo(planejado->caminho).fileName();
    } else if (destino.pastasNovas.isEmpty()) {
        const QString achado = localiza(atual, ultimo);
        if (!achado.isEmpty())
            arquivo = achado;
    }
    destino.pasta = atual;
    destino.caminho = atual + arquivo;
    VerificaTamanhos(nome, destino.caminho, destino.caminho.mid(m_dados.size()));
    planos.push_back({chave, {destino.caminho, false}});
    if (QFileInfo(destino.caminho).isDir())
        Recusa(kNomeInvalido, nome,
               Modulo::TextoNoIdioma("o nome é de uma pasta", "el nombre es de una carpeta", "the name is that of a folder"));

    // The real folder that receives the file, or the one the new folders go in.
    const QString real = Real(existente);
    if (!Dentro(real, m_dadosReal))
        Recusa(kForaDaPasta, nome,
               Modulo::TextoNoIdioma("o arquivo ficaria fora da pasta de dados",
                                     "el archivo quedaría fuera de la carpeta de datos",
                                     "the file would be outside the data folder"));
    if (!Gravavel(existente))
        Recusa(kProibido, nome,
               Modulo::TextoNoIdioma("a pasta \"%1\" não pode ser gravada", "no se puede escribir en la carpeta \"%1\"",
                                     "the folder \"%1\" cannot be written")
                   .arg(real));
    if (vivo(destino.pastasNovas.isEmpty() ? atual : existente,
             destino.pastasNovas.isEmpty() ? arquivo : QFileInfo(destino.pastasNovas.first()).fileName()))
        Recusa(kProibido, nome,
               Modulo::TextoNoIdioma("o arquivo está em uso pelo programa", "el programa está usando el archivo",
                                     "the file is in use by the program"));
    for (auto& [chavePlano, plano] : planos)
        m_planejadas.insert(chavePlano, std::move(plano));
    return destino;
}

}  // namespace Atualizacao
