#pragma once
// The drawings of the figure pages, read from the data folder's "Figuras/".
//
// The name stored in the catalogue ("X.JPG", "SUB\X.jpg") is resolved inside
// the data folder without regard to letter case (Modulo::ResolveNomeDados),
// so it can never lead outside it; the format is read from the content
// (JPEG, GIF, BMP, PNG) and the decoder refuses pictures over the size
// limit.  Until the shared loader of data-folder pictures is in core/, the
// output keeps this adapter.
//
// Raises platform::Error: 75 for a name that is empty or leads outside the
// data folder, 53 for a missing file, 481 ("Invalid picture") for a file
// that cannot be decoded (truncated, damaged, too large, not a picture).

#include <QImage>
#include <QString>

namespace saida {

QImage CarregaDesenho(const QString& sArquivoFigura);

}  // namespace saida
