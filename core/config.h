#pragma once
// The configuration file, the per-user folder, the marker files and limited
// mode.
//
// The configuration file "DazadizeTQConfig_V.txt" lives in the per-user
// folder and holds one line of Windows-1252 text, fields split at "|":
//   0  language letter "P", "E" or "I"           default "P"
//   1  automatic update check, "1" on            default "1"
//   2  proxy user name, enciphered (cipher.h)    default empty
//   3  proxy password, enciphered                default empty
// The default content is "P|1||".  The file holds credentials: it is written
// atomically (a temporary file beside it, flushed, renamed over it) with mode
// 0600.  A copy in the system folder ("SYSTEM" of ObtemPastaSistema) seeds a
// user's file once; the update checker reads its proxy fields from there.
//
// Per-user folder: $XDG_CONFIG_HOME (QStandardPaths::GenericConfigLocation)
// followed by "NorvaleInformatica/"; tests point it elsewhere with
// DefinePastaUsuario.

#include <QString>

namespace Modulo {

// "DazadizeTQConfig_V.txt"
QString NomeArquivoConfiguracao();

// The per-user folder, created when missing; with ComBarra it ends in "/".
// When there is no per-user configuration location, the system folder.
// A folder that cannot be created raises the file helpers' error.
QString ObtemPastaUsuario(bool ComBarra);
// Sets the folder below which "NorvaleInformatica" is made (tests); an empty
// path restores the user's configuration location.
void DefinePastaUsuario(const QString& base);

// Makes sure the file exists (seeded from the system folder's copy, else
// written with the defaults) and reads it.
//   "IDIOMA_VERIFICACAOAUTOMATICA": sets gIdioma and gVerificacaoAutomatica;
//     a missing or bad language ("P" then), a missing check field (on then)
//     are repaired and written back.
//   "USUARIO_SENHA": Usuario and Senha receive the deciphered proxy fields; a
//     field that is missing or does not decipher gives "" and is written
//     back as empty, the other field kept.
//   any other key: only makes sure the file exists.
// A folder that cannot be had, or a file that cannot be read, raises.
void LeConfiguracao(const QString& Chave, QString& Usuario, QString& Senha);

// Rewrites the file from its current fields: the language when Idioma is not
// empty, the check flag when Verificacao is not empty, and both proxy fields
// (enciphered, even when empty) when GravaCredenciais.  A short or damaged
// file is padded to four fields with the defaults of the missing ones first,
// so no value the user saved is replaced by a default.  A user name or
// password with a character outside Windows-1252 raises error 5 and nothing
// is written.  Returns whether the file was written; on false the old file
// stays as it was.
bool GravaConfiguracao(const QString& Idioma, const QString& Verificacao, const QString& Usuario,
                       const QString& Senha, bool GravaCredenciais);

// The program's command line after the program name, its arguments joined by
// spaces (the form the start word is tested on).
QString LinhaComando();
// Replaces the command line (tests); a null string restores the real one.
void DefineLinhaComando(const QString& linha);

// The fixed message of limited mode, the same in every language.
QString MensagemModoLimitado();

// Limited mode: the command line begins with "CALLDAZADIZETQLIMITADO"
// (trimmed, without case) or the data folder holds "ML.txt".  With Avisar
// the user is told in an information box.  Decided anew on every call.
bool ModoLimitado(bool Avisar);

// Whether the program runs inside its development environment: false in the
// delivered program (a build with TQ_DEVELOPMENT_ENVIRONMENT defined says true).
bool EmAmbienteDesenvolvimento();

}  // namespace Modulo
