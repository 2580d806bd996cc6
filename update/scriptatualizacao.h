#pragma once
// The update script language: the database changes of an update arrive as
// text whose lines the update run hands, one by one, to
// InterpretadorScript::ExecutaComandoScript against a writable connection to
// the catalogue.
//
// Line kinds, by the first two characters of the untrimmed line (upper case
// only):
//   blank (only spaces)   nothing
//   "B:" text             the template becomes the text
//   "E:" statement        the statement runs
//   "S:" command          the program runs and is waited for
//   "R:" ...              the catalogue restarts through the launcher at the
//                         end of the update (Modulo::gReiniciarPeloLancador)
//   any other line        a data row: values separated by "<<;>>" fill the
//                         template's "?1", "?2", ... (from the highest number
//                         down, first occurrence of each) and the result runs
// "<<vbCrLf>>" anywhere in a statement stands for a line break.
//
// Statements run one by one, each all or nothing, under the database layer's
// authorizer for untrusted SQL (ATTACH, DETACH, PRAGMA, VACUUM and extension
// loading are refused); transaction statements (BEGIN, COMMIT, END,
// ROLLBACK, SAVEPOINT, RELEASE) are refused too, since the update run holds
// the one transaction of the whole update.  A statement that fails or is
// refused is skipped without a message and the script goes on; the run
// learns of it through the failure hook (DefineRelatorFalhas).
//
// Commands: "S:" takes a program and its arguments in the form of a command
// line (blanks separate; double quotes group; "\" is a path separator).  The
// program is started directly, without a shell, and only when it lies inside
// the data folder or the program folder (a relative name is looked up in the
// data folder, then in the program folder; a name ending in ".exe" also
// matches the file without that extension).  Anything else, or a program
// that cannot start, raises an error that ends the update run.

#include "platform/dao/dao.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace Atualizacao {

class InterpretadorScript {
public:
    // Called with the statement and its error for every statement that fails
    // or is refused.  The hook may raise: the error then leaves
    // ExecutaComandoScript (the update run ends on a failure of the
    // database itself).
    using RelatorFalha = std::function<void(const QString& sql, const platform::Error& erro)>;
    void DefineRelatorFalhas(RelatorFalha relator) { mRelator = std::move(relator); }

    // The program folder that "S:" commands may start programs from (default:
    // the running program's folder).
    void DefinePastaPrograma(const QString& pasta) { mPastaPrograma = pasta; }

    // Runs one line of a script.  A line holding line feeds (a script with
    // bare LF line ends) runs as the lines they separate.
    void ExecutaComandoScript(const platform::dao::DatabasePtr& sBanco, const QString& sLinha);

    // The current template ("" at first); kept from line to line and from
    // script to script.
    const QString& ModeloScript() const { return mModeloScript; }

private:
    void executaLinha(const platform::dao::DatabasePtr& banco, const QString& linha);
    QString mModeloScript;
    RelatorFalha mRelator;
    QString mPastaPrograma;
};

// Whether a statement is a transaction statement (its first word BEGIN,
// COMMIT, END, ROLLBACK, SAVEPOINT or RELEASE, in any letter case).
bool EhInstrucaoTransacao(const QString& sql);

// The lines of a script text, split at CR LF or at a bare LF; a CR left at
// the end of a line is dropped.
QStringList DivideLinhasScript(const QString& texto);

// The statement of a data row: the template with "?k" replaced by value k,
// from the highest k down, first occurrence only.
QString PreencheModelo(const QString& modelo, const QString& linha);

// The program and arguments of an "S:" command line, as written (quotes
// removed).  Empty when the line holds no program.
QStringList DivideComando(const QString& comando);

// The program an "S:" command may start: its full path when it lies inside
// `pastaDados` or `pastaPrograma` (after following links); raises 70 with a
// clear text otherwise, 53 when there is no such file.
QString ProgramaPermitido(const QString& nome, const QString& pastaDados, const QString& pastaPrograma);

}  // namespace Atualizacao
