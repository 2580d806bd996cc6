#pragma once
// Output files: their names, the save dialog's set-up and the e-mail's
// attachment names.
//
//   MontaNomeArquivo   "CAT_TQ" ["SD" in edition D] "_" yyyy-mm-dd_hh-nn-ss
//                      "." type in lower case: "CAT_TQ_2024-05-01_14-03-09.jpg"
//   NumeraNomeArquivo  page n of a document whose page 1 is b: b itself for
//                      n = 1; otherwise "__" and n inserted before b's last
//                      "." (appended when b has none): B.jpg, B__2.jpg, ...
//   the save dialog    title text 19 " - " text 20, first folder the Desktop,
//                      the filter of the type, overwrite question on.
//
// Types: "TXT" (the cart list), "JPG" (report pages), "ZIP" (the single
// compressed file).

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace saida {

QString MontaNomeArquivo(const QString& sTipo, const QString& sEdicao, const QDateTime& sMomento);
QString NumeraNomeArquivo(const QString& sNome, int sNumero);

// "TXT (*.txt)|*.txt", "JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg", "ZIP (*.zip)|*.zip";
// empty for any other type.
QString FiltroArquivo(const QString& sTipo);

// What the save dialog is asked: its title, first folder, the proposed name
// (a bare name or a full path) and the filter ("Name (patterns)|patterns").
// The dialog asks before it overwrites an existing file.
struct PedidoArquivo {
    QString titulo;
    QString pastaInicial;
    QString nome;
    QString filtro;
};

// The file names (the text after the last "/") of the paths of `sArquivos`
// split at `sSeparador`, joined by the separator; a path without "/" adds no
// name.
QString NomesArquivos(const QString& sArquivos, const QString& sSeparador);

}  // namespace saida
