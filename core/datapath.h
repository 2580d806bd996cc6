#pragma once
// Names that the catalogue database holds (photos, drawings, attachments)
// are resolved inside the data folder: backslashes become "/", trailing
// blanks and line ends are trimmed, each element is matched without regard
// to letter case, and nothing can lead outside the folder.

#include <QString>

namespace Modulo {

// The data folder of a program installed in `pastaPrograma` (ending in "/"):
// that folder itself, or, when "Caminho.txt" lies in it, the folder the file
// names.  The file's text is UTF-8 when it is valid UTF-8, else Windows-1252;
// a leading byte-order mark and the trailing line ends and blanks are
// dropped, "\" is read as "/", and a relative name is taken from the program
// folder.  An empty file counts as no file.  The result ends in "/".  The
// folder is not checked; a file that exists but cannot be read raises the
// file helpers' error (core/files.h).  The catalogue program and the update
// checker both find their data folder through this routine.
QString ObtemCaminhoDados(const QString& pastaPrograma);

// The path of the file or folder `nome` names below `pasta` (default: the data
// folder gCaminhoDados).  An element that exists in another letter case is
// taken as it is on disk; elements that do not exist are kept as written.
// An absolute name, a ".." element, a NUL character or an empty name gives
// the empty string.
QString ResolveNomeDados(const QString& nome, const QString& pasta = {});

}  // namespace Modulo
