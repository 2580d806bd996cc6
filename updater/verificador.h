#pragma once
// The update checker VerifAtualizDazadizeTQ_V: asks the update server for the
// newest catalogue version and tells the catalogue program in a one-line
// result file.
//
// Command line (the arguments joined by blanks, trimmed): the kind of check
// ("1" automatic, anything else manual), "|", the result file's path (which
// may hold blanks).  Without "|" the check is manual and its result is shown
// in an information box instead of being written.
//
// Result text, written as the whole file with no line end:
//   "1" local version "|" server version      e.g. "1141|143"
//   "0" error number " " error description    e.g. "0-104 HttpQueryInfo:0;-103;Status=404"
// The file is written beside its final name and renamed into place, so a
// reader never sees half a result; a file that cannot be written is left
// out (the catalogue program then reports that it found no result).
//
// The check reads the update address and the local version from the catalogue
// database of the data folder (read-only), the proxy credentials from the
// configuration file (the user's copy first, else the system folder's copy),
// and fetches "<path>/<edition letter>/Versao.asp" from the update host.  An
// automatic check never shows the proxy credentials dialog.  A reply longer
// than 4 KiB is no version number: it is refused (an error result) as soon as
// that much has arrived, without reading the rest.

#include <QString>

#include <functional>

namespace frmVerifAtualizDazadizeTQ {

inline constexpr const char* kTitulo = "Verificação de Atualizações do Razovovu TQ";

struct Comando {
    bool automatica = false;
    bool comArquivo = false;     // a result file was named ("|" present)
    QString arquivoResultado;    // may be empty even with "|": then the box is shown
};

Comando LeComando(const QString& linha);

struct Ambiente {
    QString pastaPrograma;                              // ending in "/"
    std::function<void(const QString& texto)> mostra;   // the information box
};

// The whole check: returns the result text after writing it to the result
// file or showing it.  Never raises.
QString VerificaAtualizacao(const Comando& comando, const Ambiente& ambiente);

// The data folder: the program folder, or the folder that "Caminho.txt" in it
// names (Modulo::ObtemCaminhoDados, shared with the catalogue program); the
// program folder when that file cannot be read.  Always ending in "/".
QString ObtemPastaDados(const QString& pastaPrograma);

// The proxy credentials: from the user's configuration file when it holds
// any, else from the system folder's copy; "" for what cannot be had.
void ObtemUsuarioSenhaProxy(QString& Usuario, QString& Senha);

// A reply or a field as a 16-bit integer, the way the checker converts them:
// decimal digits with an optional sign and surrounding blanks or line ends.
// Raises 13 "Type mismatch" for other text, 6 "Overflow" beyond -32768..32767.
short ConverteInteiro(const QString& texto);

}  // namespace frmVerifAtualizDazadizeTQ
