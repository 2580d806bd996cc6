#pragma once
// The one loader of pictures kept in the data folder: part photos
// ("FotoPeca/"), drawings ("Figuras/") and the pictures printed with them.
//
// The name is one the catalogue stores, with its folder ("Figuras\A.JPG"):
// backslashes become "/", it is resolved inside the data folder with each
// element matched in any letter case (ResolveNomeDados), and it can never
// lead outside it.  The format is read from the content, whatever the name's
// extension: JPEG, GIF, BMP and PNG are read, nothing else.  A file larger
// than kLimiteBytesImagem or a picture of more than kLimitePixelsImagem
// pixels is not decoded.  Every failure (empty name, outside the folder,
// missing, unreadable, truncated, not a picture, too large) gives a null
// QImage; nothing is raised and nothing is reported.

#include <QImage>
#include <QString>

namespace Modulo {

inline constexpr qint64 kLimiteBytesImagem = 64ll * 1024 * 1024;
inline constexpr qint64 kLimitePixelsImagem = 40ll * 1000 * 1000;

// The picture `nome` names inside `pasta` (default: the data folder).
QImage CarregaImagemDados(const QString& nome, const QString& pasta = {});

}  // namespace Modulo
