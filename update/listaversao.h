#pragma once
// Version lists and the merged list of entries of an update run.
//
// A version list ("ListVersao<n>.txt" on the update server) is Windows-1252
// text in lines ended by CR LF or a bare LF.  Lines that are empty after
// trimming blanks are skipped; every other line holds at least three fields
// separated by ";" (more are ignored):
//   kind   its first three characters, padded with blanks ("SDB" script,
//          "EXE" a program started after the update, anything else a file)
//   name   the file's name relative to the data folder, "\" between folders;
//          also the last part of the object's path on the server
//   size   the size in bytes, a whole decimal number (blanks around allowed)
// A line of fewer fields raises 9, a size that is not a whole number of 0 or
// more raises 13 (6 beyond 2^31 - 1: a size is a 32-bit number), and a list
// that is an HTML page raises 13; each message names the list and the line.
//
// The entries of an update merge the lists in the order fetched: a name
// (compared trimmed and upper-cased) that an earlier list already gave keeps
// its place and its spelling and takes the newer kind and size; a new name is
// added at the end.  The size total counts each entry once, with its newest
// size.

#include <QHash>
#include <QString>

#include <vector>

namespace Atualizacao {

struct LinhaLista {
    QString Tipo;      // three characters
    QString Nome;      // as written
    qint64 Tamanho = 0;
    int Linha = 0;     // 1-based line number in its list
};

struct EntradaAtualizacao {
    QString Tipo;       // three characters, of the newest list that names it
    QString Nome;       // as first written (untrimmed)
    qint64 Tamanho = 0; // of the newest list that names it
};

// Reads one version list; `nomeLista` names it in error messages.
std::vector<LinhaLista> LeListaVersao(const QString& texto, const QString& nomeLista);

// Whether a body that should be a list or a script is an HTML page (what a
// misconfigured server or a captive portal answers in its place).
bool PareceHtml(const QString& texto);

class ListaEntradas {
public:
    void Acrescenta(const std::vector<LinhaLista>& linhas);
    const std::vector<EntradaAtualizacao>& Entradas() const { return m_entradas; }
    qint64 TotalTamanhos() const { return m_soma; }

private:
    std::vector<EntradaAtualizacao> m_entradas;
    QHash<QString, std::size_t> m_indice;  // key -> place in m_entradas
    qint64 m_soma = 0;     // saturates at the largest qint64
};

// The merge key of a name: trimmed and upper-cased.
QString ChaveNome(const QString& nome);

}  // namespace Atualizacao
