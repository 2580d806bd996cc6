#pragma once
// The drawings of the figure pages, read from the data folder's "Figuras/".
//
// The name stored in the catalogue ("X.JPG", "SUB\X.jpg") is read through
// the data folder's picture loader (core/imagemdados.h): resolved inside the
// data folder in any letter case, never outside it, the format read from the
// content, a size limit.
//
// Raises platform::Error: 75 for a name that is empty or leads outside the
// data folder, 53 for a missing file, 481 ("Invalid picture") for a file
// that cannot be decoded (truncated, damaged, too large, not a picture).

#include <QImage>
#include <QString>

namespace saida {

QImage CarregaDesenho(const QString& sArquivoFigura);

}  // namespace saida
