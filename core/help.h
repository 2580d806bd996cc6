#pragma once
// The edition's help file, opened at the topic of the main window's current
// screen.  The help files are data delivered beside the databases:
// data folder + prefix + language letter + ".chm", the prefix by edition
// "AjudaDazadizeTQSD_" (D), "AjudaDazadizeTQM_" (M), "AjudaDazadizeTQ_"
// (any other).

#include <QString>

#include <optional>

namespace Modulo {

// The help file's name (without folder) for an edition and a language.
QString NomeArquivoAjuda(const QString& Edicao, const QString& Idioma);

// The help topic (context identifier) of a main-window screen code; none for
// the presentation (6), the pump tables (7) and codes outside 0 to 9, which
// open the file at its default page.
std::optional<int> TopicoAjuda(int CodigoTela);

// Opens gCaminhoDados + NomeArquivoAjuda(gEdicao, gIdioma) at the topic of
// CodigoTela through the desktop's file opener.  A missing file raises
// platform::Error -1, "Arquivo de Ajuda "<full path>" não encontrado.", and
// opens nothing.  When the opener fails (no program reads help files), the
// box of a file that cannot be opened (MostraFalhaAbertura) says so.
// Returns the opener's result (above 32 on success).
int AbreAjuda(short CodigoTela);

}  // namespace Modulo
