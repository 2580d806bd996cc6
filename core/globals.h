#pragma once
// The shared state of the catalogue program (the module-level variables of
// Modulo).  One user-interface thread reads and writes them.

#include "platform/dao/dao.h"

#include <QString>

namespace Modulo {

// Language letter of the run: "P", "E" or "I".
extern QString gIdioma;
// Edition letter: "V", "A", "D" or "M" (from the catalogue file name).
extern QString gEdicao;
// Data folder, always ending in "/".
extern QString gCaminhoDados;
// Catalogue database (read-only for the whole run) and its workspace.
extern platform::dao::WorkspacePtr gWsDazadize;
extern platform::dao::DatabasePtr gDbDazadize;
// Auxiliary database (cart and comparison tables of the run).
extern platform::dao::WorkspacePtr gWsAuxiliar;
extern platform::dao::DatabasePtr gDbAuxiliar;
// Update lock connection, held from BloqueiaDazadize(true) to (false).
extern platform::dao::WorkspacePtr gWsBloqueio;
extern platform::dao::DatabasePtr gDbBloqueio;
// Name of the run's cart table in the auxiliary database.
extern QString gTabelaCarrinho;
// The parameter string between the windows (requests, locate requests).
extern QString gParametro;
// Automatic update check on (second field of the configuration file).
extern bool gVerificacaoAutomatica;
// Set by the update run when the program must restart through the launcher.
extern bool gReiniciarPeloLancador;
// The catalogue's issue date as shown and printed ("10-JAN-2007" and its
// complement); written when the main window loads and after update checks,
// printed by the report headers and the cart export.
extern QString gTextoDataEmissao;
// True unless the edition is "M"; set when the main window loads.
extern bool gEdicaoNaoMaritima;

// The catalogue file name of this build ("DAZADIZETQ_V.MDB").
QString NomeArquivoCatalogo();
// Auxiliary database file name.
inline QString NomeArquivoAuxiliar() { return QStringLiteral("DAZADIZEAUX.MDB"); }
// The edition letter a catalogue file name implies: the character after "_".
QString LetraEdicaoDoArquivo(const QString& nomeArquivo);

}  // namespace Modulo
