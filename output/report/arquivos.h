#pragma once
// Output files: their names and the save dialog's filters.
//
//   MontaNomeArquivo   "CAT_TQ" ["SD" in edition D] "_" yyyy-mm-dd_hh-nn-ss
//                      "." type in lower case: "CAT_TQ_2024-05-01_14-03-09.jpg"
//   NumeraNomeArquivo  page n of a document whose page 1 is b: b itself for
//                      n = 1; otherwise "__" and n inserted before the last
//                      "." of b's file name (appended when the file name has
//                      none, whatever dots its folders have): B.jpg,
//                      B__2.jpg, ...; /o/a.b/report, /o/a.b/report__2
//   the save dialog    title text 19 " - " text 20, first folder the Desktop
//                      (home when there is none), the filter of the type,
//                      overwrite question on (Saida::ConfiguraDialogoArquivo).
//
// Types: "TXT" (the cart list), "JPG" (report pages), "ZIP" (the single
// compressed file).

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace saida {

QString MontaNomeArquivo(const QString& sTipo, const QString& sEdicao, const QDateTime& sMomento);
QString NumeraNomeArquivo(const QString& sNome, int sNumero);

// "TXT (*.txt)|*.txt", "JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg", "ZIP (*.zip)|*.zip";
// empty for any other type.
QString FiltroArquivo(const QString& sTipo);

// The run-time error number of a failed write of an output file from its
// errno: path not found, permission denied, disk full (61), bad file name
// (52, a name too long) or a device I/O error for anything else.
long NumeroErroArquivo(int numeroErrno);

// The description of an output file that cannot be written, in the run's
// language: "Cannot write "<arquivo>": <motivo>", the reason as the system
// or the library gives it.
QString TextoErroGravacao(const QString& arquivo, const QString& motivo);

// Writes a page file: the bytes under a short hidden name beside `caminho`
// (platform/base/atomicfile.h), renamed over it once all are written, so an
// older page of that name is replaced at once, a failed write keeps it and
// leaves nothing behind, and any name the system takes can be written.
// Returns 0 or errno.
int GravaArquivoPagina(const QString& caminho, const QByteArray& bytes);

}  // namespace saida
