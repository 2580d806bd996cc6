#pragma once
// Names that the catalogue database holds (photos, drawings, attachments)
// are resolved inside the data folder: backslashes become "/", trailing
// blanks and line ends are trimmed, each element is matched without regard
// to letter case, and nothing can lead outside the folder.

#include <QString>

namespace Modulo {

// The path of the file or folder `nome` names below `pasta` (default: the data
// folder gCaminhoDados).  An element that exists in another letter case is
// taken as it is on disk; elements that do not exist are kept as written.
// An absolute name, a ".." element or an empty name gives the empty string.
QString ResolveNomeDados(const QString& nome, const QString& pasta = {});

}  // namespace Modulo
